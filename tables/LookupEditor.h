#pragma once
// The lookup grid of one field: its five rows (type, source, bound and visible column, limit to list),
// which rows the chosen type locks, the choices each row offers, and the value-list editor's items.
#include "data/CAppContext.h"
#include "tables/LookupSpec.h"

#include <QStringList>

#include <array>
#include <optional>

class LookupEditor {
public:
    enum Row { RowSourceType = 0, RowSource = 1, BoundColumn = 2, VisibleColumn = 3, LimitToList = 4 };
    static constexpr int kRows = 5;
    static QStringList rowNames();

    LookupEditor(CAppContext& context, QStringList tableNames, const LookupSpec& spec, QString fieldType);

    QString value(int row) const;
    bool isLocked(int row) const;
    // The in-place choices of a row; empty where the row is typed or locked.
    QStringList choices(int row) const;
    // A tap on a row: the column rows need a Row Source first ("Select a Row Source").
    bool mayEdit(int row) const;
    void edit(int row, const QString& value);

    // The value-list editor.
    const QStringList& items() const { return m_items; }
    bool isValueList() const { return value(RowSourceType) == lookup::kValueList; }
    // Asks for an item; a field without a lookup becomes a value list with it.
    void addItem();
    void deleteItem(int index);
    // Moves an item by `offset` places (the arrows), clamped to the list.
    int moveItem(int index, int offset);
    QStringList tables() const { return m_tableNames; }
    QStringList fieldsOf(const QString& table) const;
    // Fills the list with the values of a table's field, which must have the designed field's type; a field
    // without a lookup becomes a value list with them.
    bool autoLoad(const QString& table, const QString& field);

    // What Save stores: the SaveLookup kind and text; nullopt (after its message) when a row is missing.
    std::optional<std::pair<int, QString>> saveRequest() const;

private:
    void applyType();
    bool refusedWhileLocked() const;
    // Before items are added: true, after its message, when the lookup has a source other than a list.
    bool refusedAsOtherSource() const;
    void becomeValueList();
    QStringList queryNames() const;

    CAppContext& m_context;
    QStringList m_tableNames;
    QString m_fieldType;
    std::array<QString, kRows> m_values;
    QStringList m_items;
};
