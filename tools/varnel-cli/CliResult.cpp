#include "CliResult.h"

#include "data/CDbRecordset.h"

#include <QStringList>

void printRecords(CDbRecordset& recordset, QTextStream& out)
{
    const std::int32_t count = recordset.GetFieldCount();
    QStringList line;
    for (std::int32_t i = 0; i < count; ++i)
        line << recordset.GetFieldName(i);
    out << line.join(QLatin1Char('\t')) << '\n';
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        line.clear();
        for (std::int32_t i = 0; i < count; ++i)
            line << recordset.GetFieldString(i);
        out << line.join(QLatin1Char('\t')) << '\n';
    }
}
