#include "logic/MacroStore.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/SqlText.h"

#include <QStringList>

namespace {

// Every row of a read-only statement, the column asked for of each; nullopt when it cannot be read.
std::optional<QStringList> column(CAppContext& context, const QString& sql, int index)
{
    CDbRecordset rows(context.connection, context.databasePath());
    if (!rows.Open(sql, 0, 1))
        return std::nullopt;
    QStringList values;
    for (bool more = rows.MoveFirst() && !rows.IsEOF(); more; more = rows.MoveNext() && !rows.IsEOF())
        values << rows.GetFieldString(index);
    return values;
}

} // namespace

std::optional<QString> ReadMacroArguments(CAppContext& context, const QString& name)
{
    const auto rows = column(context, QStringLiteral("SELECT * from XNSysMacros where MacroName = ") + sqlQuoted(name), 3);
    if (!rows || rows->size() != 1)
        return std::nullopt;
    return rows->first();
}

QString ReadModuleSource(CAppContext& context, const QString& name)
{
    const auto rows =
        column(context, QStringLiteral("SELECT * from XNSysModules where ModuleName = ") + sqlQuoted(name), 1);
    return rows && !rows->isEmpty() ? rows->first() : QString();
}

bool StoredFormExists(CAppContext& context, const QString& name)
{
    const auto rows =
        column(context, QStringLiteral("Select FormName From XNSysForms where FormName = ") + sqlQuoted(name), 0);
    return rows && !rows->isEmpty();
}

std::optional<QString> ReadQueryStatement(CAppContext& context, const QString& name)
{
    const auto rows =
        column(context, QStringLiteral("Select QueryStmt From XNSysQueries Where QueryName = ") + sqlQuoted(name), 0);
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return rows->first();
}
