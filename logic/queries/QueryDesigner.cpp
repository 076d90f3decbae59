#include "logic/queries/QueryDesigner.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "logic/queries/QueryRun.h"
#include "logic/queries/QuerySources.h"
#include "data/QueryStore.h"
#include "logic/queries/QueryChecks.h"
#include "logic/queries/StoredQuery.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"

#include <algorithm>

namespace {
constexpr qsizetype kMaxNameLength = 64;

void tell(const QString& text) { framework::showMessage(text); }

bool mentions(const QStringList& tables, const QString& table) { return tables.contains(table, Qt::CaseInsensitive); }
} // namespace

QueryDesigner::QueryDesigner(CAppContext& context, const QString& name) : m_context(context), m_name(name)
{
    if (!name.isEmpty())
        load(name);
    remember();
}

// A statement the engine cannot open (a query typed as text, or one whose tables changed since) is
// shown as text to mend, not as a grid that would give another statement.
void QueryDesigner::load(const QString& name)
{
    m_new = false;
    const std::optional<StoredQuery> row = QueryStore(m_context).find(name);
    if (!row) {
        m_loaded = false;
        tell(QStringLiteral("Failed Execute the query"));
        return;
    }
    m_id = row->id;
    m_design = QueryDesignFrom(*row);
    QStringList tables;
    for (const QueryColumn& column : m_design.columns)
        tables << column.table;
    for (const QueryJoin& join : m_design.joins)
        tables << join.leftTable << join.rightTable;
    for (const QString& table : tables)
        if (!table.isEmpty() && !mentions(m_chosen, table))
            m_chosen << table;
    if (!QueryStatementOpens(m_context, row->statement))
        editAsText(row->statement);
}

void QueryDesigner::remember()
{
    m_savedDesign = m_design;
    m_savedText = m_editingText ? m_text : QString();
}

QStringList QueryDesigner::tables() const { return QueryTableNames(m_context); }

void QueryDesigner::chooseTables(const QStringList& tables)
{
    m_chosen = tables;
    QList<QueryJoin>& joins = m_design.joins;
    joins.removeIf([&tables](const QueryJoin& join) {
        return !mentions(tables, join.leftTable) || !mentions(tables, join.rightTable);
    });
    for (const QueryJoin& join : RelationJoins(m_context, tables))
        if (!joins.contains(join))
            joins << join;
}

void QueryDesigner::addJoin(const QueryJoin& join)
{
    if (!m_design.joins.contains(join))
        m_design.joins << join;
}

void QueryDesigner::removeJoin(int index)
{
    if (index >= 0 && index < m_design.joins.size())
        m_design.joins.removeAt(index);
}

QList<std::pair<QString, QString>> QueryDesigner::chosenFields() const
{
    QList<std::pair<QString, QString>> fields;
    for (const QString& table : m_chosen)
        for (const QString& field : QueryFieldNames(m_context, table))
            fields.append(std::pair(table, field));
    return fields;
}

std::pair<QueryDesigner::Row, int> QueryDesigner::rowAt(int row) const
{
    static const Row selectRows[] = {Row::Field, Row::Table, Row::Sort, Row::Show};
    const int head = m_design.type == QueryType::Select ? 4 : m_design.type == QueryType::Update ? 3 : 2;
    if (row < head)
        return {row < 2 || m_design.type == QueryType::Select ? selectRows[row] : Row::Criteria, -1};
    return {Row::Criteria, row - head};
}

QString QueryDesigner::cell(int row, int column) const
{
    if (column < 0 || column >= QueryDesign::kColumns)
        return {};
    const QueryColumn& cells = m_design.columns[column];
    const auto [kind, criteria] = rowAt(row);
    switch (kind) {
    case Row::Field: return cells.used() ? cells.fieldCell() : QString();
    case Row::Table: return cells.table;
    case Row::Sort: return cells.sort;
    case Row::Show: return cells.show;
    case Row::Criteria: return criteria >= 0 && criteria < QueryColumn::kCriteriaRows ? cells.criteria[criteria] : QString();
    }
    return {};
}

void QueryDesigner::setCell(int row, int column, const QString& text)
{
    if (column < 0 || column >= QueryDesign::kColumns)
        return;
    QueryColumn& cells = m_design.columns[column];
    const auto [kind, criteria] = rowAt(row);
    switch (kind) {
    case Row::Field:
        if (text.isEmpty())
            cells.field.clear();
        else
            cells.setFieldCell(completedField(text, cells.table), cells.table);
        break;
    case Row::Table: cells.table = text; break;
    case Row::Sort: cells.sort = text; break;
    case Row::Show: cells.show = text; break;
    case Row::Criteria:
        if (criteria >= 0 && criteria < QueryColumn::kCriteriaRows)
            cells.criteria[criteria] = text;
        break;
    }
}

// As a choice list completes what is typed into it: the choice the text begins, ignoring case. Only the
// Field list's choices are "Table.Field", so a field's own name completes too; an exact name goes before
// a longer one it begins, and the column's table before the others. Text that begins no choice stays.
QString QueryDesigner::completedField(const QString& typed, const QString& columnTable) const
{
    const auto begins = [&typed](const QString& name, bool whole) {
        return whole ? name.compare(typed, Qt::CaseInsensitive) == 0 : name.startsWith(typed, Qt::CaseInsensitive);
    };
    QList<std::pair<QString, QString>> fields = chosenFields();
    std::stable_partition(fields.begin(), fields.end(), [&columnTable](const auto& field) {
        return field.first.compare(columnTable, Qt::CaseInsensitive) == 0;
    });
    for (const bool whole : {true, false})
        for (const auto& [table, field] : fields) {
            const QString choice = table + QLatin1Char('.') + field;
            if (begins(choice, whole) || begins(field, whole))
                return choice;
        }
    return typed;
}

QStringList QueryDesigner::cellChoices(int row) const
{
    switch (rowAt(row).first) {
    case Row::Field: {
        QStringList choices;
        for (const auto& [table, field] : chosenFields())
            choices << table + QLatin1Char('.') + field;
        return choices;
    }
    case Row::Table: return m_chosen;
    case Row::Sort: return {QStringLiteral("Ascending"), QStringLiteral("Descending"), QStringLiteral("<No Sort>")};
    case Row::Show: return {QStringLiteral("Yes"), QStringLiteral("No")};
    case Row::Criteria: break;
    }
    return {};
}

void QueryDesigner::editAsText(const QString& statement)
{
    m_editingText = true;
    m_text = statement;
}

QString QueryDesigner::statement() const
{
    return m_editingText ? m_text : GenerateQueryStatement(m_design).statement;
}

bool QueryDesigner::changed() const
{
    return m_design != m_savedDesign || (m_editingText ? m_text : QString()) != m_savedText;
}

// The row stored is the grid's, with the statement on show: what was generated or what the box holds.
QueryDesigner::Outcome QueryDesigner::save()
{
    QString name = m_name;
    if (m_new) {
        const std::optional<QString> typed = framework::askText(
            {QStringLiteral("Save Query"), QStringLiteral("\n  Query Name :"), QString(), QStringLiteral("Save")});
        if (!typed)
            return Outcome::Stay;
        name = typed->trimmed();
        if (name.isEmpty() || name.size() > kMaxNameLength) {
            tell(QStringLiteral("A query name has 1 to 64 characters"));
            return Outcome::Stay;
        }
    }
    QueryStore store(m_context);
    if (m_new && store.exists(name)) {
        tell(QStringLiteral("Query Name already exists"));
        return Outcome::Stay;
    }
    StoredQuery row = StoredQueryFrom(m_design, name, m_id);
    row.statement = statement();
    if (m_new ? !store.add(row) : !store.replace(row)) {
        tell(m_new ? QStringLiteral("Failed to save the query") : QStringLiteral("Failed to Save Edited Query"));
        return Outcome::Stay;
    }
    m_new = false;
    m_name = name;
    m_id = row.id;
    remember();
    return Outcome::Close;
}

QueryDesigner::Outcome QueryDesigner::run()
{
    const QString sql = statement();
    const bool deletes = IsDeleteStatement(sql);
    // Trying a delete would delete: its trial is the run the user agrees to below.
    if (!deletes && !QueryStatementOpens(m_context, sql)) {
        tell(QStringLiteral("Failed Execute the query"));
        return Outcome::Stay;
    }
    // Showing the records closes the designer, so a change not yet stored is offered for saving first.
    if (!deletes && changed()) {
        const framework::Answer answer =
            framework::showMessage(QStringLiteral("Do you want to save the changes?"), QString(),
                                   framework::Buttons::YesNoCancel, framework::Icon::Information);
        if (answer == framework::Answer::Cancel || (answer == framework::Answer::Yes && save() == Outcome::Stay))
            return Outcome::Stay;
    }
    const std::optional<QString> ready = PrepareQueryRun(sql);
    if (!ready)
        return Outcome::Stay;
    if (!deletes) {
        m_result = *ready;
        return Outcome::ShowResult;
    }
    CDbRecordset once(m_context.connection, m_context.databasePath());
    if (!once.Open(*ready, 0, 1))
        tell(QStringLiteral("Failed Execute the query"));
    return Outcome::Stay;
}

QueryDesigner::Outcome QueryDesigner::close()
{
    if (!changed())
        return Outcome::Close;
    switch (framework::showMessage(QStringLiteral("Do you want to save the changes?"), QString(),
                                   framework::Buttons::YesNoCancel, framework::Icon::Information)) {
    case framework::Answer::Yes: return save();
    case framework::Answer::No: return Outcome::Close;
    default: return Outcome::Stay;
    }
}
