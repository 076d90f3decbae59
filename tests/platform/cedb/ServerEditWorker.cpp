// One of several programs editing the same server records at once: `ServerEditWorker ADDRESS SEED COUNT`
// adds one to the V of a record picked at random COUNT times, printing "stored RECORD VALUE" or
// "refused RECORD VALUE" for each.
#include "platform/cedb/Engine.h"
#include "platform/cedb/ServerAddress.h"

#include <QCoreApplication>
#include <QTextStream>

#include <random>

namespace {

Variant value(const std::shared_ptr<cedb::Recordset>& records, int index)
{
    std::shared_ptr<cedb::Fields> fields;
    std::shared_ptr<cedb::Field> field;
    Variant result;
    records->get_Fields(fields);
    if (fields->get_Item(Variant(std::int32_t(index)), field) == S_OK)
        field->get_Value(result);
    return result;
}

HRESULT put(const std::shared_ptr<cedb::Recordset>& records, int index, const Variant& to)
{
    std::shared_ptr<cedb::Fields> fields;
    std::shared_ptr<cedb::Field> field;
    records->get_Fields(fields);
    const HRESULT hr = fields->get_Item(Variant(std::int32_t(index)), field);
    return FAILED(hr) ? hr : field->put_Value(to);
}

int failed(const char* what)
{
    QTextStream(stderr) << what << ": " << cedb::lastError().description << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3)
        return 2;
    const QString address = args[0];
    QTextStream out(stdout);
    auto records = cedb::Recordset::create();
    if (records->Open(QStringLiteral("SELECT Id, V FROM Counters"), address, cedb::adOpenDynamic,
                      cedb::adLockOptimistic, cedb::adCmdUnknown) != S_OK)
        return failed("open");
    std::mt19937 random(args[1].toUInt());
    for (int i = 0; i < args[2].toInt(); ++i) {
        const int record = int(random() % 50);
        if (records->Move(record, cedb::adBookmarkFirst) != S_OK)
            return failed("move");
        const int id = value(records, 0).toInt();
        const int next = value(records, 1).toInt() + 1;
        if (put(records, 1, Variant(std::int32_t(next))) != S_OK)
            return failed("put");
        const HRESULT hr = records->Update();
        if (hr != S_OK && hr != cedb::DB_E_CONCURRENCYVIOLATION)
            return failed("update");
        out << (hr == S_OK ? "stored " : "refused ") << id << ' ' << next << '\n';
    }
    return 0;
}
