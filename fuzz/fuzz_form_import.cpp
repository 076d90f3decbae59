// A form file from elsewhere imported into a scratch database as the database window's Import Form does it,
// inside a transaction that is rolled back so that every input meets the same database. What the import
// stores is exactly the file's text, and the stored form is then read as opening it would.
#include "FuzzSupport.h"

#include "data/CAppContext.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "forms/format/CtrlProps.h"
#include "forms/format/DatabaseFormStore.h"

#include <QFile>

#include <cstdlib>

namespace {

constexpr int kSqlSourceField = 12;

CAppContext& scratch()
{
    // Kept to the end of the process: the engine's own statics may go first at exit.
    static CAppContext& context = *new CAppContext;
    static HeadlessDatabaseWindow window;
    static const bool ready = [] {
        fuzz::prepareProcess();
        return CreateDatabase(context, window, QStringLiteral("\\Scratch.cdb")) && fDBInit(context, window);
    }();
    if (!ready)
        std::abort();
    return context;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 16384)
        return 0;
    CAppContext& context = scratch();
    {
        QFile file(fuzz::hostPath(QStringLiteral("Imported.xnf")));
        if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    const std::optional<QString> text = ReadFormFile(QStringLiteral("\\Imported.xnf"));
    if (!text)
        std::abort();
    const QString path = context.databasePath();
    if (FAILED(context.connection.engine()->BeginTrans(path)))
        std::abort();
    {
        DatabaseFormStore store(context);
        if (ImportFormFile(store, QStringLiteral("\\Imported.xnf")) != ImportResult::Added)
            std::abort(); // a readable file under a free, valid name is always added
        const std::optional<FormRow> row = store.findForm(QStringLiteral("Imported"));
        if (!row || row->ctrlProps != *text ||
            row->tableSource != GetField(text->left(text->indexOf(QLatin1Char('|'))), kSqlSourceField))
            std::abort(); // the stored form is the file's text, its record source the file's SQL Source
        const ParsedForm parsed = ParseForm(row->ctrlProps);
        (void)parsed;
    }
    context.connection.engine()->RollbackTrans(path);
    return 0;
}
