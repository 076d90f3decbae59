#include "tables/delimited/TextExport.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DateStyle.h"
#include "data/QueryStore.h"
#include "data/SqlText.h"
#include "platform/device/DevicePath.h"
#include "platform/framework/MessageBox.h"

#include <QSaveFile>

namespace {

const QString kQueryMark = QStringLiteral("(Q)");

void tell(const QString& text) { framework::showMessage(text); }

QString statementOf(CAppContext& context, const ExportSource& source)
{
    if (!source.isQuery)
        return QStringLiteral("SELECT * FROM ") + sqlQuoted(source.name);
    const std::optional<StoredQuery> query = QueryStore(context).find(source.name);
    return query ? query->statement : QString();
}

// Where a run of blanks counts as one delimiter, an empty value is only kept in quotes. A number is written
// as the field gives it back (2, not 2.0), which is what the import takes for a number; a date in the Date
// Style of the options.
QString fieldText(const Variant& value, int type, const Delimiter& delimiter, const QString& dateStyle)
{
    if (value.isNull() || value.isEmpty() || value.isArray())
        return delimiter.blanks ? QStringLiteral("\"\"") : QString();
    switch (type) {
    case cedb::adBoolean: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case cedb::adVarWChar:
    case cedb::adLongVarWChar: return delimitedValue(value.toString(), delimiter, true);
    case cedb::adDate: return delimitedValue(styledDate(value.toString(), dateStyle), delimiter);
    default: return delimitedValue(value.toString(), delimiter);
    }
}

} // namespace

ExportSource ExportSource::fromText(const QString& text)
{
    if (text.endsWith(kQueryMark, Qt::CaseInsensitive))
        return {text.chopped(kQueryMark.size()), true};
    return {text, false};
}

QString delimitedValue(const QString& value, const Delimiter& delimiter, bool quote)
{
    const bool needsQuotes = quote || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r') ||
                             (!delimiter.splitsLines() && !value.isEmpty()) || delimiter.isBrokenBy(value);
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

std::optional<int> exportDelimited(CAppContext& context, const ExportSource& source, const QString& path,
                                   const QString& delimiterEntry)
{
    const QString statement = statementOf(context, source);
    CDbRecordset records(context.connection, context.databasePath());
    if (statement.isEmpty() || !records.Open(statement, 0, 1)) {
        tell(QStringLiteral("Error opening the table ") + source.name);
        return std::nullopt;
    }
    const Delimiter delimiter = Delimiter::fromListEntry(delimiterEntry);
    const int fieldCount = records.GetFieldCount();
    if (!delimiter.splitsLines() && fieldCount > 1) {
        tell(QStringLiteral("Choose a delimiter that separates the values of one line"));
        return std::nullopt;
    }
    const QString& separator = delimiter.text;
    QSaveFile file(device::toHostPath(path).value_or(QString()));
    if (!file.open(QIODevice::WriteOnly)) {
        tell(QStringLiteral(" The File Can't be Opened"));
        return std::nullopt;
    }
    QList<int> types;
    QStringList line;
    for (int i = 0; i < fieldCount; ++i) {
        line << delimitedValue(records.GetFieldName(i), delimiter);
        types << records.GetFieldType(i);
    }
    file.write((line.join(separator) + QStringLiteral("\r\n")).toUtf8());
    const QString dateStyle = dateStyleAt(context.general.Default_Date_Style);
    int written = 0;
    for (; !records.IsEOF(); records.MoveNext(), ++written) {
        line.clear();
        for (int i = 0; i < fieldCount; ++i)
            line << fieldText(records.GetFieldValue(i), types[i], delimiter, dateStyle);
        file.write((line.join(separator) + QStringLiteral("\r\n")).toUtf8());
    }
    if (!file.commit()) {
        tell(QStringLiteral("The file could not be written: ") + path);
        return std::nullopt;
    }
    return written;
}
