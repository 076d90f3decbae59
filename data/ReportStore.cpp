#include "data/ReportStore.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CDbTransaction.h"
#include "data/SqlText.h"

#include <algorithm>

namespace {

const QString kTable = QStringLiteral("XNSysReports");

QString rowOf(const QString& name)
{
    return QStringLiteral("SELECT * FROM XNSysReports WHERE ReportName = ") + sqlQuoted(name);
}

} // namespace

bool ReportStore::hasTable() { return !tableIdOf(m_context, kTable).isEmpty(); }

QStringList ReportStore::names()
{
    QStringList names;
    CDbRecordset rows(m_context.connection, m_context.databasePath());
    if (!hasTable() || !rows.Open(QStringLiteral("SELECT ReportName FROM XNSysReports"), 0, 1))
        return names;
    for (; !rows.IsEOF(); rows.MoveNext())
        names << rows.GetFieldString(0);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

std::optional<StoredReport> ReportStore::find(const QString& name)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!hasTable() || !row.Open(rowOf(name), 0, 1) || row.IsEOF())
        return std::nullopt;
    return StoredReport{row.GetFieldString(0), row.GetFieldString(1), row.GetFieldString(2)};
}

bool ReportStore::save(const StoredReport& report, const QString& replacing)
{
    if (report.name.trimmed().isEmpty() || report.name.size() > kMaxNameLength)
        return false;
    CDbTransaction transaction(m_context);
    if (!transaction.isOpen())
        return false;
    CDbRecordset statement(m_context.connection, m_context.databasePath());
    if (!hasTable() &&
        !(statement.Open(QStringLiteral("CREATE TABLE 'XNSysReports' (ReportName varchar(64), RecordSource text, "
                                        "Layout text)"),
                         0, 1) &&
          statement.Open(QStringLiteral("CREATE INDEX 'ReportNames' ON 'XNSysReports' ('ReportName')"), 0, 1)))
        return false;
    for (const QString& name : {replacing, report.name})
        if (!name.isEmpty() &&
            !statement.Open(QStringLiteral("DELETE FROM XNSysReports WHERE ReportName = ") + sqlQuoted(name), 0, 1))
            return false;
    CDbRecordset table(m_context.connection, m_context.databasePath());
    return table.Open(kTable, 2, 3) && table.AddNew() && table.SetFieldString(0, report.name) &&
           table.SetFieldString(1, report.source) && table.SetFieldString(2, report.layout) && table.Update() &&
           transaction.commit();
}

bool ReportStore::remove(const QString& name)
{
    CDbRecordset statement(m_context.connection, m_context.databasePath());
    return hasTable() &&
           statement.Open(QStringLiteral("DELETE FROM XNSysReports WHERE ReportName = ") + sqlQuoted(name), 0, 1);
}
