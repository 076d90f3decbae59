#pragma once
// The reports kept in the open database: one row each in a table of their own, XNSysReports, which the
// first report saved creates, so that a database without reports stays exactly as it was. Its name marks
// it as the system's, so that builds which know no reports list it among no user's tables, and it stands
// beside the catalogue tables without changing any of them. A row holds the report's name, its record
// source (a table, or "(Q)" and a query's name) and its layout as text.
#include <QString>
#include <QStringList>

#include <optional>

class CAppContext;

struct StoredReport {
    QString name;
    QString source;
    QString layout;
    bool operator==(const StoredReport&) const = default;
};

class ReportStore {
public:
    static constexpr int kMaxNameLength = 64;

    explicit ReportStore(CAppContext& context) : m_context(context) {}

    // In alphabetical order; none when the database has never held a report.
    QStringList names();
    std::optional<StoredReport> find(const QString& name);
    // Stores the report in place of the one named `replacing` (empty for a new one) and of any of its own
    // name, creating the table first when there is none: all of it or nothing. False when the name is empty
    // or too long, or the database refused the writes.
    bool save(const StoredReport& report, const QString& replacing = QString());
    bool remove(const QString& name);

private:
    bool hasTable();

    CAppContext& m_context;
};
