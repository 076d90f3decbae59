#include "CliResult.h"

#include "data/CDbRecordset.h"
#include "data/DateStyle.h"
#include "data/OdbcType.h"

#include <QStringList>

void printRecords(CDbRecordset& recordset, QTextStream& out)
{
    const std::int32_t count = recordset.GetFieldCount();
    QStringList line;
    for (std::int32_t i = 0; i < count; ++i)
        line << recordset.GetFieldName(i);
    out << line.join(QLatin1Char('\t')) << '\n';
    // Dates as the program shows them, in the Date Style of its options.
    const QString dateStyle = chosenDateStyle();
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        line.clear();
        for (std::int32_t i = 0; i < count; ++i) {
            const QString text = recordset.GetFieldString(i);
            line << (odbc::codeOfEngineType(recordset.GetFieldType(i)) == odbc::DateTime ? styledDate(text, dateStyle) : text);
        }
        out << line.join(QLatin1Char('\t')) << '\n';
    }
}
