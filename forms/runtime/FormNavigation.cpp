// Moving between records, Go To, and the filters and sorts that reopen the form's records.
#include "forms/runtime/FormSession.h"

#include "data/CAppContext.h"
#include "data/DateStyle.h"
#include "data/OdbcType.h"
#include "forms/runtime/FormListener.h"
#include "forms/runtime/FormSource.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"
#include "data/SqlText.h"

#include <algorithm>

namespace {

void inform(const QString& text)
{
    framework::showMessage(text, framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
}

} // namespace

int FormSession::fieldIndexOf(const QString& name) const
{
    for (int f = 0; f < fieldCount(); ++f)
        if (m_names[f].compare(name, Qt::CaseInsensitive) == 0)
            return f;
    return -1;
}

bool FormSession::showRecord(int position)
{
    if (position < 1 || position > m_recordCount)
        return false;
    m_position = position;
    positionChanged();
    displayRecord();
    return true;
}

void FormSession::firstRecord()
{
    if (saveCurrentRecord())
        showRecord(1);
}

void FormSession::previousRecord()
{
    // Taken before the save: a new record the save drops stood one past the last record, which is the one
    // before it.
    const int previous = std::max(1, m_position - 1);
    if (saveCurrentRecord())
        showRecord(std::min(previous, m_recordCount));
}

void FormSession::nextRecord()
{
    if (saveCurrentRecord())
        showRecord(std::min(m_recordCount, m_position + 1));
}

void FormSession::lastRecord()
{
    if (saveCurrentRecord())
        showRecord(m_recordCount);
}

bool FormSession::goToRecord(int number)
{
    if (number < 1 || number > m_recordCount) {
        tell(QStringLiteral("Invalid Record number"));
        return false;
    }
    return saveCurrentRecord() && showRecord(number);
}

void FormSession::moveToRecord()
{
    const std::optional<QString> answer = framework::askText(
        {QStringLiteral("Go To"), QStringLiteral("\n  Goto Record #"), QString(), QStringLiteral("GO")});
    if (!answer)
        return;
    bool isNumber = false;
    const int number = answer->trimmed().toInt(&isNumber);
    goToRecord(isNumber ? number : 0);
}

QString FormSession::positionText() const
{
    return QString::number(m_position) + QLatin1Char('/') + QString::number(m_recordCount);
}

// ---- filters and sorts

bool FormSession::settleRecord()
{
    return m_recordCount == 0 && !m_adding ? true : saveCurrentRecord();
}

bool FormSession::showRecordsOf(const QString& sql)
{
    Source* main = mainSource();
    if (!main || !main->records || reopenedForNewDesign())
        return false;
    auto records = std::make_unique<CDbRecordset>(m_context.connection, m_context.databasePath());
    if (!records->Open(sql, 2, 3))
        return false;
    main->records = std::move(records);
    m_filterSql = sql;
    m_adding = m_addPending = false;
    m_recordCount = main->records->GetRecordCount();
    m_position = m_recordCount > 0 ? 1 : 0;
    refreshEnabled();
    positionChanged();
    if (m_position > 0)
        displayRecord();
    else
        clearControls();
    return true;
}

void FormSession::filterIncluding() { askFilter(true); }
void FormSession::filterExcluding() { askFilter(false); }

void FormSession::askFilter(bool including)
{
    if (!m_allowFilters || currentField() < 0)
        return;
    const std::optional<QString> expression = framework::askText(
        {QStringLiteral("Filter/Sort by"), QStringLiteral("\n   Enter the filter expression"), QString(), QString()});
    if (expression)
        filterOn(including, *expression);
}

void FormSession::filterOn(bool including, const QString& expression)
{
    const int field = currentField();
    if (!m_allowFilters || field < 0 || !settleRecord())
        return;
    const QString where = QStringLiteral(" WHERE ") + sqlName(m_names[field]) +
                          (including ? QStringLiteral(" LIKE ") : QStringLiteral(" NOT LIKE ")) + sqlQuoted(expression);
    if (!showRecordsOf(m_baseSql + where)) {
        tell(QStringLiteral("Failed to filter the records"));
        return;
    }
    m_where = where;
}

void FormSession::sortAscending() { sortOn(true); }
void FormSession::sortDescending() { sortOn(false); }

void FormSession::sortOn(bool ascending)
{
    if (!m_allowFilters)
        return;
    const int field = currentField();
    if (field < 0) {
        inform(QStringLiteral("Select A Field to Sort"));
        return;
    }
    if (m_recordCount < 2) {
        inform(QStringLiteral("No enough data to sort"));
        return;
    }
    if (!settleRecord())
        return;
    if (!showRecordsOf(m_baseSql + m_where + QStringLiteral(" ORDER BY ") + sqlName(m_names[field]) +
                       (ascending ? QString() : QStringLiteral(" DESC"))))
        tell(QStringLiteral("Failed to filter the records"));
}

void FormSession::removeFilter()
{
    if (!m_allowFilters || !settleRecord())
        return;
    m_where.clear();
    showRecordsOf(m_baseSql);
}

void FormSession::applyAdvanced(const AdvancedStatement& statement)
{
    if (!m_allowFilters || !settleRecord())
        return;
    if (!showRecordsOf(statement.sql)) {
        tell(QStringLiteral("Failed to filter the records"));
        return;
    }
    m_where = statement.where;
}

void FormSession::applyFilter()
{
    if (m_allowFilters && settleRecord() && !m_filterSql.isEmpty())
        showRecordsOf(m_filterSql);
}

void FormSession::requery()
{
    if (settleRecord())
        showRecordsAgain();
}

bool FormSession::reread()
{
    // Typing not yet stored is not read over: the user's next action opens the form again.
    if (!redesignedTable().isEmpty())
        return !m_adding && !m_typed && reopenedForNewDesign();
    return showsStoredRecord() && showRecordsAgain();
}

bool FormSession::showRecordsAgain()
{
    const int position = m_position;
    if (m_filterSql.isEmpty() || !showRecordsOf(m_filterSql))
        return false;
    showRecord(std::min(position, m_recordCount));
    return true;
}

void FormSession::find()
{
    if (settleRecord() && m_listener)
        m_listener->findRequested();
}

// ---- what filtering and finding read of the form

int FormSession::fieldType(int field) const
{
    return field >= 0 && field < m_fields.size() ? m_fields[field].info.odbcType : 0;
}

int FormSession::currentField() const
{
    if (m_focus < 0 || m_focus >= m_controls.size() || m_controls[m_focus].recordset != 0)
        return -1;
    return fieldIndexOf(m_controls[m_focus].field);
}

QString FormSession::currentCellText() const
{
    if (m_focus < 0 || m_focus >= m_controls.size())
        return QString();
    const FormControl& control = m_controls[m_focus];
    const QString value = control.valueOfItem(control.text);
    // A filter compares what the record stores: a date as the engine writes it.
    return control.rules.odbcType == odbc::DateTime && control.itemValues.isEmpty() ? engineDate(value, dateStyle()) : value;
}

CDbRecordset* FormSession::recordset() { return mainRecords(); }

void FormSession::selectCell(int record, int field)
{
    if (record + 1 != m_position && !goToRecord(record + 1))
        return;
    // The walk of the records left the cursor elsewhere.
    atCurrentRecord();
    for (int i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i].recordset == 0 && fieldIndexOf(m_controls[i].field) == field) {
            setFocus(i);
            if (m_listener)
                m_listener->focusControl(i, true);
            return;
        }
    }
}

void FormSession::refreshRecord(int record)
{
    if (record + 1 == m_position && !m_adding)
        displayRecord();
}
