// What macros ask of the form beyond its commands: a search with the stored arguments, a filter on a
// condition, and the records of a stored query.
#include "forms/runtime/FormSession.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "tables/FindReplace.h"

MacroForm::FindOutcome FormSession::findRecord(const MacroFind& find)
{
    const int field = find.field.isEmpty() ? currentField() : fieldIndexOf(find.field);
    if (field < 0)
        return FindOutcome::NoField;
    if (find.fromFirst && m_recordCount > 0 && m_position != 1 && !goToRecord(1))
        return FindOutcome::NotFound;
    FindReplace::Request request;
    request.search = {find.text, find.matchCase, find.wholeField};
    request.field = field;
    request.direction = find.direction == MacroFind::Direction::Up     ? FindReplace::Direction::Up
                        : find.direction == MacroFind::Direction::Down ? FindReplace::Direction::Down
                                                                       : FindReplace::Direction::All;
    FindReplace finder(*this);
    return finder.findNext(request) ? FindOutcome::Found : FindOutcome::NotFound;
}

bool FormSession::filterWhere(const QString& condition)
{
    if (!m_allowFilters || !settleRecord())
        return false;
    const QString where = QStringLiteral(" WHERE (") + condition + QLatin1Char(')');
    if (!showRecordsOf(m_baseSql + where))
        return false;
    m_where = where;
    return true;
}

bool FormSession::showQueryRecords(const QString& statement)
{
    // Opening runs the statement: a stored delete query must never run here.
    if (!m_allowFilters || !statement.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive) ||
        !settleRecord())
        return false;
    CDbRecordset probe(m_context.connection, m_context.databasePath());
    if (!probe.Open(statement, 0, 1) || probe.GetFieldCount() != fieldCount())
        return false;
    for (int f = 0; f < fieldCount(); ++f)
        if (probe.GetFieldName(f).compare(m_names[f], Qt::CaseInsensitive) != 0)
            return false;
    probe.Close();
    if (!showRecordsOf(statement))
        return false;
    m_where.clear();
    return true;
}
