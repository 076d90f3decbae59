#include "data/DatabaseLifecycle.h"

#include "data/CDbRecordset.h"
#include "data/SqlText.h"

namespace {

// The path without its extension. Only a "." in the file's own name starts an extension, so a folder
// like "\My.Data" never cuts the path short.
QString withoutExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return dot > separator ? path.left(dot) : path;
}

} // namespace

bool CreateDatabase(CAppContext& context, DatabaseWindowSink& window, const QString& path)
{
    CloseDatabase(context);
    context.openDatabase = std::make_shared<COpenDatabase>(path);

    CDbRecordset creator(context.connection);
    const bool created =
        creator.Open(QStringLiteral("Create Database ") + sqlQuoted(withoutExtension(path)), 0, 1);
    window.setCountLabels(QStringLiteral("0"), QStringLiteral("0"));
    if (!created)
        CloseDatabase(context);
    return created;
}

bool CloseDatabase(CAppContext& context)
{
    context.openDatabase.reset();
    return true;
}
