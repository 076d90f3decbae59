#pragma once
// The input-mask dialog without its window: the mask list with the selected row, the "Try It:" mask,
// the placeholder and storing choices, New and Edit, and the property text it gives back.
#include "tables/masks/InputMask.h"
#include "tables/masks/MaskList.h"

#include <QStringList>

#include <optional>

class MaskChooser {
public:
    // Starts from the field's current Input Mask property text.
    explicit MaskChooser(const QString& property);

    static QStringList placeholders();

    const QList<MaskEntry>& masks() const { return m_masks; }
    // The "Mask Format" a row shows: on the list's first showing the Zip Code row shows "000-###".
    QString shownMask(int row) const;

    int selected() const { return m_selected; }
    void select(int row);
    // The mask "Try It:" applies: the selected row's.
    InputMask tryIt() const;

    QChar placeholder() const { return m_placeholder; }
    void setPlaceholder(QChar placeholder) { m_placeholder = placeholder; }
    bool storesSymbols() const { return m_storeSymbols; }
    void setStoresSymbols(bool with) { m_storeSymbols = with; }

    // Edit starts from the selected row; without one it says "Select an inputmask to Edit".
    std::optional<MaskEntry> startEdit() const;
    // The "Create or Edit Input Mask" dialog's OK: adds the mask, or replaces the edited row, and
    // writes the list back. False, after a message, for a text the stored list or the property text
    // could not keep (a "~" anywhere, a ";" in the mask) or an empty mask.
    bool add(const MaskEntry& entry);
    bool replaceSelected(const MaskEntry& entry);

    // OK: the property text of the selected row's mask; nullopt without a selected row.
    std::optional<QString> result() const;

private:
    bool m_firstShowing = false; // before the list, which the constructor loads and sets it with
    QList<MaskEntry> m_masks;
    int m_selected = -1;
    QChar m_placeholder = u'_';
    bool m_storeSymbols = false;
};
