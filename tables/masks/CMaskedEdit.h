#pragma once
// A line edit that types through an input mask: literals stand in place, a position takes only what its
// mask character accepts, and unfilled positions show the placeholder. Caret, selection and deletion
// behave as in any line edit.
#include "tables/masks/InputMask.h"

#include <QLineEdit>

class CMaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CMaskedEdit(QWidget* parent = nullptr);

    // An empty mask makes it a plain line edit again.
    void setMask(const InputMask& mask, const QString& stored = QString());
    const InputMask& mask() const { return m_text.mask(); }
    // The value as the mask stores it (with or without its literals); the plain text without a mask.
    QString storedText() const;
    // The text shown, with what was typed at "*" positions in place of the stars: what a grid cell takes
    // from the edit, which InputMask::storedOfCell reads back without loss.
    QString revealedText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertTyped(const QString& typed);

private:
    void refresh();

    MaskedText m_text{InputMask()};
};
