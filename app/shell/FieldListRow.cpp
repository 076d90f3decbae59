#include "app/shell/FieldListRow.h"

#include "data/OdbcType.h"

namespace {
QString column(const QStringList& row, int position) { return row.value(position); }

QString yesNo(bool flag) { return flag ? QStringLiteral("YES") : QStringLiteral("NO"); }

bool isTrue(const QString& engineFlag) { return engineFlag == QLatin1String("-1"); }

// AutoNumber is stored as 1; empty text and "0" both mean an ordinary field.
bool isAutoNumber(const QString& text) { return !text.isEmpty() && text != QLatin1String("0"); }
} // namespace

const QStringList& fieldListTitles()
{
    static const QStringList titles = {"Field Name", "Type", "Size", "Required", "Unique", "Lookup", "Calculation"};
    return titles;
}

const QList<int>& fieldListWidths()
{
    static const QList<int> widths = {70, 50, 40, 80, 50, 75, 80};
    return widths;
}

QString fieldTypeName(const QStringList& catalogueRow)
{
    if (isAutoNumber(column(catalogueRow, xnfield::AutoNumber)))
        return QStringLiteral("AutoNumber");
    bool ok = false;
    const int code = column(catalogueRow, xnfield::ODBCType).toInt(&ok);
    if (!ok)
        return QStringLiteral("Not Found");
    const QString name = odbc::typeName(code);
    return name.isEmpty() ? QStringLiteral("Not Found") : name;
}

QStringList fieldListRow(const QStringList& catalogueRow)
{
    const QString type = fieldTypeName(catalogueRow);
    const bool binary = type == QLatin1String("OLE Object");
    const bool memoOrBinary = binary || type == QLatin1String("Memo");
    const bool noRequired = binary || type == QLatin1String("AutoNumber");

    const QString calculation = column(catalogueRow, xnfield::Calculation);
    return {
        column(catalogueRow, xnfield::FieldName),
        type,
        column(catalogueRow, xnfield::Len),
        noRequired ? QString() : yesNo(isTrue(column(catalogueRow, xnfield::Required))),
        memoOrBinary ? QString() : yesNo(isTrue(column(catalogueRow, xnfield::Unique))),
        memoOrBinary ? QString() : yesNo(column(catalogueRow, xnfield::Combo) == QLatin1String("1")),
        memoOrBinary ? QString() : (calculation.isEmpty() ? QStringLiteral("NO") : calculation),
    };
}
