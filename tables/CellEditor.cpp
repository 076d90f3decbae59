#include "tables/CellEditor.h"

#include "data/OdbcType.h"
#include "tables/masks/InputMask.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/QueryStore.h"
#include "data/SqlText.h"
#include "tables/DatasheetFields.h"

namespace {

// The column named `name` of every record of `sql`; the names are never placed into the statement.
QStringList columnValues(CAppContext& context, const QString& sql, const QString& name)
{
    QStringList values;
    CDbRecordset records(context.connection, context.databasePath());
    if (!records.Open(sql, 0, 1))
        return values;
    for (; !records.IsEOF(); records.MoveNext()) {
        QString value;
        if (name.isEmpty())
            value = records.GetFieldString(0);
        else
            records.GetFieldString(name, value);
        values.append(value);
    }
    return values;
}

QString storedQueryStatement(CAppContext& context, const QString& name)
{
    const std::optional<StoredQuery> query = QueryStore(context).find(name);
    return query ? query->statement : QString();
}

} // namespace

QString LookupChoices::refusal(const QString& fieldName, const QString& value) const
{
    if (!limitToList || value.isEmpty() || values.contains(value))
        return {};
    return QStringLiteral("%1 takes only the values of its list; \"%2\" is not one of them").arg(fieldName, value);
}

LookupChoices loadLookupChoices(CAppContext& context, const LookupSpec& lookup)
{
    LookupChoices choices;
    choices.limitToList = lookup.limitsToList();
    if (lookup.rowSourceType == lookup::kValueList) {
        choices.values = lookup.values;
    } else if (lookup.rowSourceType == lookup::kTables) {
        const QString sql = QStringLiteral("SELECT * FROM ") + sqlQuoted(lookup.rowSource);
        choices.values = columnValues(context, sql, lookup.boundColumn);
        if (!lookup.visibleColumn.isEmpty())
            choices.labels = columnValues(context, sql, lookup.visibleColumn);
    } else if (lookup.rowSourceType == lookup::kQuery) {
        const QString statement = storedQueryStatement(context, lookup.rowSource);
        if (!statement.isEmpty())
            choices.values = columnValues(context, statement, QString());
    }
    return choices;
}

CellEditor cellEditorFor(CAppContext& context, const DatasheetField& field)
{
    CellEditor editor;
    if (field.info.isAutoNumber() || !field.calculation.isEmpty()) {
        editor.editable = false;
        return editor;
    }
    if (field.info.hasLookup()) {
        editor.isList = true;
        editor.listTakesTyping = true;
        editor.choices = loadLookupChoices(context, field.lookup());
        return editor;
    }
    if (field.info.odbcType == odbc::Boolean) {
        editor.isList = true;
        editor.choices.values = {QStringLiteral("YES"), QStringLiteral("NO")};
        editor.choices.limitToList = true;
        return editor;
    }
    if (odbc::isText(field.info.odbcType))
        editor.maxLength = field.info.maxLen.toInt();
    if (!InputMask::fromProperty(field.inputMask).isEmpty())
        editor.inputMask = field.inputMask;
    return editor;
}
