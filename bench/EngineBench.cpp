// Timings of the engine through the data-access layer, one figure per mode, as medians of several runs.
// bench/run.sh prepares the data, runs each mode and prints the sqlite3 shell's figures beside them.
#include "data/ApplicationIdentity.h"
#include "data/CDbConnection.h"
#include "data/CDbRecordset.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Processor time (user + system) of this process: the machine may be busy with other work, which
// would blur wall-clock figures; the shell's figures are taken the same way.
double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

double milliseconds(const std::function<void()>& work)
{
    const double start = cpuMilliseconds();
    work();
    return cpuMilliseconds() - start;
}

// Each run after `prepare`, which is not timed.
double median(int runs, const std::function<void()>& work, const std::function<void()>& prepare = [] {})
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        times.push_back(milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Reads `count` records from the current one on, every field of each.
void readRecords(CDbRecordset& recordset, int count)
{
    for (int i = 0; i < count && !recordset.IsEOF(); ++i) {
        for (int field = 0; field < recordset.GetFieldCount(); ++field)
            recordset.GetFieldValue(field);
        recordset.MoveNext();
    }
}

QString insertStatement(const QString& table, int i)
{
    const QString number = QString::number(i);
    return QStringLiteral("Insert into ") + table + QStringLiteral(" values(") + number + QStringLiteral(", 'Name ") +
           number + QStringLiteral("', ") + QString::number(i % 100) + QStringLiteral(", ") +
           QString::number(i * 0.5) + QLatin1Char(')');
}

QStringList insertStatements(const QString& table, int count)
{
    QStringList statements;
    statements.reserve(count);
    for (int i = 0; i < count; ++i)
        statements.append(insertStatement(table, i));
    return statements;
}

bool insertRows(CDbConnection& connection, const QString& path, const QStringList& statements)
{
    connection.engine()->BeginTrans(path);
    bool ok = true;
    for (qsizetype i = 0; i < statements.size() && ok; ++i) {
        CDbRecordset recordset(connection, path);
        ok = recordset.Open(statements[i], 0, 1);
    }
    connection.engine()->CommitTrans(path);
    return ok;
}

bool insertRows(CDbConnection& connection, const QString& path, const QString& table, int count)
{
    return insertRows(connection, path, insertStatements(table, count));
}

bool run(CDbConnection& connection, const QString& path, const QString& sql)
{
    CDbRecordset recordset(connection, path);
    return recordset.Open(sql, 0, 1);
}

} // namespace

int main(int argc, char** argv)
{
    installApplicationIdentity();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: cedb_bench prepare|open|move|insert|cycles|memory|scale-table|scale-keep|scale DATABASE\n";
        return 2;
    }
    const QString mode = args[1], path = args[2];
    CDbConnection connection;
    QTextStream out(stdout);
    const QString columns = QStringLiteral("(Id int, Name varchar(40), Qty int, Price Float)");

    if (mode == "prepare") {
        CDbRecordset creator(connection);
        if (!creator.Open(QStringLiteral("Create Database '%1'").arg(path.chopped(4)), 0, 1) ||
            !run(connection, path, "Create table T " + columns) || !insertRows(connection, path, "T", 1000000) ||
            !run(connection, path, "Create table Orders " + columns) ||
            !insertRows(connection, path, "Orders", 10000) || !run(connection, path, "Create table Fresh " + columns))
            return 1;
        CDbRecordset ids(connection, path);
        ids.Open(QStringLiteral("SELECT TableName, TableID FROM MSysTables WHERE TableID > 3"), 0, 1);
        for (; !ids.IsEOF(); ids.MoveNext())
            out << ids.GetFieldString(0) << ' ' << ids.GetFieldString(1) << '\n';
        return 0;
    }
    if (mode == "open" || mode == "move") {
        for (const auto& [cursor, lock] : {std::pair{0, 1}, std::pair{2, 3}}) {
            const double ms = median(7, [&] {
                CDbRecordset recordset(connection, path);
                recordset.Open(QStringLiteral("SELECT * FROM T"), cursor, lock);
                recordset.GetRecordCount();
                readRecords(recordset, 50);
                if (mode == "move") {
                    recordset.MoveTo(999950);
                    readRecords(recordset, 50);
                }
            });
            out << mode << ' ' << cursor << '/' << lock << ' ' << ms << '\n';
        }
        return 0;
    }
    if (mode == "insert") {
        // The statements are written before the clock starts, as the shell's rows are.
        int round = 0;
        QStringList statements;
        const double ms = median(
            3, [&] { insertRows(connection, path, statements); },
            [&] {
                const QString table = QStringLiteral("Insert%1").arg(++round);
                run(connection, path, "Create table " + table + ' ' + columns);
                statements = insertStatements(table, 100000);
            });
        out << "insert " << ms << '\n';
        return 0;
    }
    if (mode == "cycles") {
        const double ms = median(3, [&] {
            for (int n = 0; n < 10000; ++n) {
                CDbRecordset recordset(connection, path);
                recordset.Open(QStringLiteral("Select Qty From Orders"), 0, 1);
                recordset.MoveTo(n);
                recordset.GetFieldValue(0);
                recordset.Close();
            }
        });
        out << "cycles " << ms << '\n';
        return 0;
    }
    // A file whose table Big another program fills; one write of this program then keeps its count.
    if (mode == "scale-table") {
        CDbRecordset creator(connection);
        return creator.Open(QStringLiteral("Create Database '%1'").arg(path.chopped(4)), 0, 1) &&
                       run(connection, path, "Create table Big " + columns)
                   ? 0
                   : 1;
    }
    if (mode == "scale-keep")
        return run(connection, path, "Insert into Big values(-1, 'kept', 0, 0)") &&
                       run(connection, path, "Delete from Big where Id = -1")
                   ? 0
                   : 1;
    if (mode == "scale") {
        const double open = median(7, [&] {
            CDbRecordset recordset(connection, path);
            recordset.Open(QStringLiteral("Big"), 0, 1);
            recordset.GetRecordCount();
            readRecords(recordset, 50);
        });
        CDbRecordset recordset(connection, path);
        recordset.Open(QStringLiteral("Big"), 0, 1);
        std::vector<double> last, first;
        for (int i = 0; i < 7; ++i) {
            last.push_back(milliseconds([&] {
                recordset.MoveLast();
                readRecords(recordset, 1);
            }));
            first.push_back(milliseconds([&] {
                recordset.MoveFirst();
                readRecords(recordset, 1);
            }));
        }
        std::sort(last.begin(), last.end());
        std::sort(first.begin(), first.end());
        out << "scale " << recordset.GetRecordCount() << ' ' << open << ' ' << last[3] << ' ' << first[3] << '\n';
        return 0;
    }
    if (mode == "memory") {
        const long before = peakKilobytes();
        CDbRecordset recordset(connection, path);
        recordset.Open(QStringLiteral("SELECT * FROM T"), 2, 3);
        recordset.GetRecordCount();
        readRecords(recordset, 50);
        recordset.MoveTo(999950);
        readRecords(recordset, 50);
        out << "memory " << (peakKilobytes() - before) / 1024.0 << '\n';
        return 0;
    }
    return 2;
}
