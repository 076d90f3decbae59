#include "tables/DatasheetFilter.h"

#include "data/LongWork.h"
#include "data/OdbcType.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"
#include "tables/FilterTarget.h"

namespace {

const QString kFiltering = QStringLiteral("Filtering the records...");
const QString kSorting = QStringLiteral("Sorting the records...");
const QString kShowingAll = QStringLiteral("Reading the records...");

void inform(const QString& text)
{
    framework::showMessage(text, framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
}

// A number stands bare; any other value goes between quotes, where the engine converts it to the field's
// type, so a date compares and nothing typed into a cell can end the statement.
QString comparedValue(const QString& value)
{
    bool isNumber = false;
    value.toDouble(&isNumber);
    return isNumber ? value : sqlQuoted(value);
}

QString quickCondition(int type, const QString& value, bool including)
{
    switch (type) {
    case odbc::Text:
    case odbc::Memo:
        // LIKE '*' leaves out no value, so the records without one are told apart by equality.
        if (value.isEmpty())
            return including ? QStringLiteral(" = ''") : QStringLiteral(" <> ''");
        return (including ? QStringLiteral(" LIKE ") : QStringLiteral(" NOT LIKE ")) + sqlQuoted(value + u'*');
    case odbc::Integer:
    case odbc::Double:
    case odbc::DateTime:
        return (including ? QStringLiteral(" = ") : QStringLiteral(" <>")) + comparedValue(value);
    case odbc::Boolean: {
        // The datasheet shows YES and NO; the engine's own text for true is -1.
        const bool yes = value.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0 || value == QLatin1String("-1");
        return (including ? QStringLiteral(" = ") : QStringLiteral(" <> ")) +
               (yes ? QStringLiteral("true") : QStringLiteral("false"));
    }
    default:
        return {};
    }
}

bool hasOrderBy(const QString& sql)
{
    return sql.contains(QStringLiteral("ORDER BY"), Qt::CaseInsensitive);
}

} // namespace

DatasheetFilter::DatasheetFilter(FilterTarget& target) : m_target(target) {}

QString DatasheetFilter::condition(int field) const
{
    return field >= 0 && field < int(m_conditions.size()) ? m_conditions[field] : QString();
}

void DatasheetFilter::filterIncluding() { quickFilter(true); }
void DatasheetFilter::filterExcluding() { quickFilter(false); }

void DatasheetFilter::quickFilter(bool including)
{
    if (m_target.recordCount() < 1) {
        inform(QStringLiteral("No records avaliable to filter"));
        return;
    }
    const int field = m_target.currentField();
    if (field < 0 || field >= m_target.fieldCount())
        return;
    const State before = state();
    m_conditions.resize(m_target.fieldCount());
    m_conditions[field] = quickCondition(m_target.fieldType(field), m_target.currentCellText().trimmed(), including);
    rebuild(field);
    show(m_target.baseSql() + filterText(), kFiltering, before);
}

void DatasheetFilter::rebuild(int field)
{
    m_where.clear();
    for (int column = 0; column < int(m_conditions.size()); ++column) {
        if (m_conditions[column].isEmpty())
            continue;
        if (m_where.isEmpty())
            m_where = QStringLiteral(" WHERE ");
        m_where += sqlName(m_target.fieldName(column)) + m_conditions[column] + QStringLiteral(" AND ");
    }
    const bool anyColumn = !m_where.isEmpty();
    if (anyColumn)
        m_where.chop(4);
    if (!m_advanced.isEmpty())
        m_where += (anyColumn ? QStringLiteral(" AND ") : QStringLiteral(" WHERE ")) + QLatin1Char(' ') + m_advanced +
                   QLatin1Char(' ');
    // The records come ordered on the filtered column, unless the user sorted them otherwise.
    m_orderBy = anyColumn && m_sort.isEmpty() ? QStringLiteral(" ORDER BY ") + sqlName(m_target.fieldName(field)) : m_sort;
}

void DatasheetFilter::removeFilter()
{
    const State before = state();
    const QString sort = m_sort;
    clear();
    m_sort = m_orderBy = sort;
    show(m_target.baseSql() + m_sort, m_sort.isEmpty() ? kShowingAll : kSorting, before);
}

void DatasheetFilter::clear()
{
    m_conditions.assign(m_conditions.size(), QString());
    m_advanced.clear();
    m_where.clear();
    m_orderBy.clear();
    m_sort.clear();
}

DatasheetFilter::State DatasheetFilter::state() const { return {m_conditions, m_advanced, m_where, m_orderBy, m_sort}; }

void DatasheetFilter::show(const QString& sql, const QString& what, const State& before)
{
    bool stopped = false;
    {
        WatchedStatements watch(m_longWork, what);
        if (m_target.showRecordsOf(sql))
            return;
        stopped = watch.stopped();
    }
    if (stopped) {
        m_conditions = before.conditions;
        m_advanced = before.advanced;
        m_where = before.where;
        m_orderBy = before.orderBy;
        m_sort = before.sort;
        return;
    }
    clear();
    m_target.showRecordsOf(m_target.baseSql());
}

void DatasheetFilter::sortAscending() { sortOnField(m_target.currentField(), true); }
void DatasheetFilter::sortDescending() { sortOnField(m_target.currentField(), false); }

void DatasheetFilter::sortOnField(int field, bool ascending)
{
    if (field < 0 || field >= m_target.fieldCount()) {
        inform(QStringLiteral("Select a valid column to sort"));
        return;
    }
    if (m_target.recordCount() < 1) {
        inform(QStringLiteral("No records avaliable to navigate"));
        return;
    }
    const State before = state();
    const QString base = m_target.baseSql();
    const QString order = sqlName(m_target.fieldName(field)) + (ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
    // A query that orders its records itself keeps that order first.
    const bool queryOrdered = !m_target.sourceIsTable() && hasOrderBy(base);
    m_sort = m_orderBy = (queryOrdered ? QStringLiteral(", ") : QStringLiteral(" ORDER BY ")) + order;
    show(base + m_where + m_sort, kSorting, before);
}

void DatasheetFilter::headerTapped(int field, bool sortByHeader)
{
    if (!sortByHeader)
        return;
    m_tappedAscending = field == m_tappedField ? !m_tappedAscending : true;
    m_tappedField = field;
    sortOnField(field, m_tappedAscending);
}

void DatasheetFilter::applyAdvanced(const AdvancedStatement& statement)
{
    const State before = state();
    clear();
    m_advanced = statement.condition;
    m_where = statement.where;
    // The grid's Sort row is the user's sort from now on; a grid without one leaves the records unsorted.
    m_orderBy = m_sort = statement.orderBy;
    show(statement.sql, statement.orderBy.isEmpty() ? kFiltering : kSorting, before);
}
