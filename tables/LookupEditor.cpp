#include "tables/LookupEditor.h"

#include "data/CDbRecordset.h"
#include "data/CatalogueSql.h"
#include "data/QueryStore.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"
#include "tables/FieldCatalogue.h"
#include "tables/FieldTypes.h"

#include <algorithm>

namespace {
void tell(const QString& text) { framework::showMessage(text); }
const QString kYes = QStringLiteral("Yes");

// The list is stored as its items joined by ";": an item holding one would come back as two.
const QString kSeparatorInItem = QStringLiteral("A list item cannot contain \";\"");
bool holdsSeparator(const QString& item) { return item.contains(u';'); }
} // namespace

QStringList LookupEditor::rowNames()
{
    return {QStringLiteral("RowSourceType"), QStringLiteral("Row Source "), QStringLiteral("Bound Column"),
            QStringLiteral("Visible Column"), QStringLiteral("Limit To List")};
}

LookupEditor::LookupEditor(CAppContext& context, QStringList tableNames, const LookupSpec& spec, QString fieldType)
    : m_context(context), m_tableNames(std::move(tableNames)), m_fieldType(std::move(fieldType)),
      m_values{spec.rowSourceType, spec.rowSource, spec.boundColumn, spec.visibleColumn, spec.limitToList},
      m_items(spec.values)
{
    applyType();
}

QString LookupEditor::value(int row) const { return m_values[size_t(row)]; }

bool LookupEditor::isLocked(int row) const
{
    const QString type = value(RowSourceType);
    if (row == RowSourceType)
        return false;
    if (type == lookup::kValueList)
        return row != RowSource;
    if (type == lookup::kQuery)
        return row == BoundColumn || row == VisibleColumn;
    if (type == lookup::kFieldList)
        return row == VisibleColumn;
    return false;
}

QStringList LookupEditor::choices(int row) const
{
    if (isLocked(row))
        return {};
    const QString type = value(RowSourceType);
    switch (row) {
    case RowSourceType: return lookup::rowSourceTypes();
    case RowSource:
        if (type == lookup::kQuery)
            return queryNames();
        return type == lookup::kValueList ? QStringList() : m_tableNames;
    case BoundColumn:
    case VisibleColumn: return fieldsOf(value(RowSource));
    default: return {kYes, QStringLiteral("No")};
    }
}

bool LookupEditor::mayEdit(int row) const
{
    if ((row == BoundColumn || row == VisibleColumn) && !isLocked(row) && value(RowSource).isEmpty()) {
        tell(QStringLiteral("Select a Row Source"));
        return false;
    }
    return !isLocked(row);
}

void LookupEditor::edit(int row, const QString& value)
{
    if (isLocked(row))
        return;
    m_values[size_t(row)] = value;
    if (row == RowSourceType) {
        m_values[RowSource].clear();
        m_values[BoundColumn].clear();
        m_values[VisibleColumn].clear();
        applyType();
    } else if (row == RowSource) {
        m_values[BoundColumn].clear();
        m_values[VisibleColumn].clear();
        if (isValueList())
            m_items = value.isEmpty() ? QStringList() : value.split(QLatin1Char(';'));
    }
}

void LookupEditor::applyType()
{
    if (isValueList()) {
        m_values[RowSource] = m_items.join(QLatin1Char(';'));
        m_values[BoundColumn].clear();
        m_values[VisibleColumn].clear();
        m_values[LimitToList] = kYes;
        return;
    }
    m_items.clear();
    for (int row = RowSource; row < LimitToList; ++row)
        if (isLocked(row))
            m_values[size_t(row)].clear();
}

bool LookupEditor::refusedWhileLocked() const
{
    if (isValueList())
        return false;
    tell(QStringLiteral("Can not Add or Remove from Lookup List"));
    return true;
}

bool LookupEditor::refusedAsOtherSource() const
{
    // A field without a lookup takes items (and becomes a value list with them); another source keeps
    // its list locked.
    return !value(RowSourceType).trimmed().isEmpty() && refusedWhileLocked();
}

void LookupEditor::becomeValueList()
{
    if (!isValueList())
        edit(RowSourceType, lookup::kValueList);
}

void LookupEditor::addItem()
{
    if (refusedAsOtherSource())
        return;
    const std::optional<QString> item = framework::askText({QStringLiteral("Enter Data"), QString(), QString(), QString()});
    if (!item || item->isEmpty())
        return;
    if (holdsSeparator(*item)) {
        tell(kSeparatorInItem);
        return;
    }
    becomeValueList();
    m_items << *item;
    m_values[RowSource] = m_items.join(QLatin1Char(';'));
}

void LookupEditor::deleteItem(int index)
{
    if (refusedWhileLocked() || index < 0 || index >= m_items.size())
        return;
    m_items.removeAt(index);
    m_values[RowSource] = m_items.join(QLatin1Char(';'));
}

int LookupEditor::moveItem(int index, int offset)
{
    if (index < 0 || index >= m_items.size())
        return index;
    const int target = std::clamp(index + offset, 0, int(m_items.size()) - 1);
    m_items.move(index, target);
    m_values[RowSource] = m_items.join(QLatin1Char(';'));
    return target;
}

QStringList LookupEditor::fieldsOf(const QString& table) const
{
    QStringList names;
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (table.isEmpty() || !records.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(table), 0, 1))
        return names;
    for (int i = 0; i < records.GetFieldCount(); ++i)
        names << records.GetFieldName(i);
    return names;
}

QStringList LookupEditor::queryNames() const
{
    ContextSql sql(m_context);
    return QueryRows(sql).names();
}

bool LookupEditor::autoLoad(const QString& table, const QString& field)
{
    if (refusedAsOtherSource())
        return false;
    FieldCatalogue source(m_context, table);
    QString sourceType;
    for (const LoadedField& loaded : source.LoadFields())
        if (loaded.definition.name.compare(field, Qt::CaseInsensitive) == 0)
            sourceType = loaded.definition.type;
    if (!fieldtypes::sameStoredType(sourceType, m_fieldType)) {
        tell(QStringLiteral("Selected Field type does't match"));
        return false;
    }
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (!records.Open(QStringLiteral("SELECT ") + sqlName(field) + QStringLiteral(" FROM ") + sqlQuoted(table), 0, 1))
        return false;
    becomeValueList();
    m_items.clear();
    bool leftOut = false;
    for (; !records.IsEOF(); records.MoveNext()) {
        const QString item = records.GetFieldString(0);
        leftOut = leftOut || holdsSeparator(item);
        if (!item.isEmpty() && !holdsSeparator(item) && !m_items.contains(item))
            m_items << item;
    }
    m_values[RowSource] = m_items.join(QLatin1Char(';'));
    if (leftOut)
        tell(kSeparatorInItem);
    return true;
}

std::optional<std::pair<int, QString>> LookupEditor::saveRequest() const
{
    const QString type = value(RowSourceType);
    if (type.trimmed().isEmpty())
        return std::pair{2, QString()};
    if (type == lookup::kValueList)
        return std::pair{1, value(RowSource)};
    const QList<std::pair<Row, QString>> required{
        {RowSource, QStringLiteral(" Select Row Source ")},
        {BoundColumn, QStringLiteral(" Select Bound Column ")},
        {VisibleColumn, QStringLiteral("Select Visible Column ")},
        {LimitToList, QStringLiteral("Select Limit To List Option")},
    };
    for (const auto& [row, message] : required) {
        // A locked row cannot be filled in, so it is not asked for (a query's columns are locked).
        if ((row == VisibleColumn && type != lookup::kTables) || isLocked(row))
            continue;
        if (value(row).isEmpty()) {
            tell(message);
            return std::nullopt;
        }
    }
    LookupSpec spec{type, value(RowSource), value(BoundColumn), value(VisibleColumn), value(LimitToList), {}};
    return std::pair{0, spec.comboFlags()};
}
