#include "tables/DatasheetFields.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/FieldRows.h"
#include "data/LayoutRows.h"
#include "data/SqlText.h"
#include "platform/cedb/ServerAddress.h"

#include <algorithm>
#include <functional>

namespace {

// The first value of the statement's first column as a number, 0 when there is none.
int firstNumber(CAppContext& context, const QString& sql)
{
    CDbRecordset rows(context.connection, context.databasePath());
    return rows.Open(sql, 0, 1) && !rows.IsEOF() ? rows.GetFieldString(0).toInt() : 0;
}

int highestNumber(CAppContext& context, const QString& table, const QString& field)
{
    return firstNumber(context, QStringLiteral("SELECT ") + sqlName(field) + QStringLiteral(" FROM ") + sqlName(table) +
                                    QStringLiteral(" ORDER BY ") + sqlName(field) + QStringLiteral(" DESC"));
}

} // namespace

QString DatasheetField::validation() const
{
    return QString::number(info.odbcType) + QLatin1Char(';') + validationRule + QLatin1Char(';') + validationText;
}

QList<DatasheetField> readDatasheetFields(CAppContext& context, const QString& tableId)
{
    QList<DatasheetField> fields;
    CDbRecordset rows(context.connection, context.databasePath());
    if (tableId.isEmpty() ||
        !rows.Open(FieldRows::datasheetSql(tableId), 0, 1))
        return fields;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        auto column = [&rows](int index) { return rows.GetFieldString(index); };
        DatasheetField field;
        field.name = column(0);
        field.info = fieldInfoFromCatalogue({column(1), column(5), column(7), column(6), column(2), column(3),
                                             column(4), column(10), column(12), column(14)});
        field.validationRule = column(8);
        field.validationText = column(9);
        field.calculation = column(11);
        field.inputMask = column(13);
        fields.append(field);
    }
    return fields;
}

QList<int> readColumnWidths(CAppContext& context, const QString& table, int fieldCount)
{
    CDbRecordset layout(context.connection, context.databasePath());
    QString stored;
    const bool hasRow = layout.Open(LayoutRows::rowSql(table), 0, 1) && !layout.IsEOF() &&
                        layout.GetFieldString(QStringLiteral("Widths"), stored);
    const QStringList widths = stored.split(QLatin1Char(';'));
    QList<int> result;
    for (int i = 0; i < fieldCount; ++i) {
        const int width = widths.value(i).trimmed().toInt();
        result.append(!hasRow ? 60 : width == 0 ? 50 : width);
    }
    return result;
}

bool storeColumnWidths(CAppContext& context, const QString& table, const QStringList& fieldNames,
                       const QList<int>& widths)
{
    QString text;
    for (int width : widths)
        text += QString::number(width) + QLatin1Char(';');
    CDbRecordset layout(context.connection, context.databasePath());
    if (!layout.Open(LayoutRows::rowSql(table), 2, 3))
        return false;
    if (layout.IsEOF()) {
        // A table made without the designer (an import) has no row yet.
        layout.Close();
        if (!layout.Open(LayoutRows::tableSql(), 2, 3) || !layout.AddNew())
            return false;
        QString names;
        for (const QString& name : fieldNames)
            names += name + QLatin1Char(';');
        layout.SetFieldString(QStringLiteral("TableSource"), table);
        layout.SetFieldString(QStringLiteral("FieldName"), names);
    }
    return layout.SetFieldString(QStringLiteral("Widths"), text) &&
           layout.SetFieldString(QStringLiteral("Options"), QString()) && layout.Update();
}

namespace {

// Moves an AutoNumber field's stored counter from the value it holds to `next` of it, and gives the value
// it held. Two programs may read the same value at once; on a server the second write is then refused,
// since the counter is no longer as it was read, and the write is tried again from the value the other
// left, so that no two programs ever take the same number. Nothing when the counter cannot be written.
std::optional<int> moveCounter(CAppContext& context, const QString& tableId, const QString& field,
                               const std::function<int(int)>& next)
{
    CDbRecordset row(context.connection, context.databasePath());
    if (!row.Open(FieldRows::fieldRowSql(tableId, field), 2, 3) || row.IsEOF())
        return std::nullopt;
    // Each refusal means another program took a number; far more than any number of them could take
    // between two tries of one.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int current = row.GetFieldValue(QStringLiteral("AutoNumber")).toInt();
        const int moved = next(current);
        if (moved == current)
            return current;
        if (!row.SetFieldLong(QStringLiteral("AutoNumber"), moved))
            return std::nullopt;
        const HRESULT hr = row.TryUpdate();
        if (SUCCEEDED(hr))
            return current;
        if (hr != cedb::DB_E_CONCURRENCYVIOLATION) {
            tellUpdateFailure(hr);
            return std::nullopt;
        }
    }
    tellFileFailure(cedb::DB_E_RESOURCELOCKED);
    return std::nullopt;
}

} // namespace

bool storeAutoNumber(CAppContext& context, const QString& tableId, const QString& field, int next)
{
    CDbRecordset row(context.connection, context.databasePath());
    return row.Open(FieldRows::fieldRowSql(tableId, field), 2, 3) && !row.IsEOF() &&
           row.SetFieldLong(QStringLiteral("AutoNumber"), next) && row.Update();
}

bool raiseAutoNumber(CAppContext& context, const QString& tableId, const QString& field, int next)
{
    return moveCounter(context, tableId, field, [next](int current) { return std::max(current, next); }).has_value();
}

std::optional<int> handOutAutoNumber(CAppContext& context, const QString& table, const QString& tableId,
                                     const QString& field, int known)
{
    const int floor = std::max({known, highestNumber(context, table, field) + 1, 1});
    const std::optional<int> current =
        moveCounter(context, tableId, field, [floor](int current) { return std::max(current, floor) + 1; });
    if (!current)
        return std::nullopt;
    return std::max(*current, floor);
}

void advanceAutoNumbers(CAppContext& context, const QString& table)
{
    const QString tableId = tableIdOf(context, table);
    for (const DatasheetField& field : readDatasheetFields(context, tableId))
        if (field.info.isAutoNumber())
            raiseAutoNumber(context, tableId, field.name, highestNumber(context, table, field.name) + 1);
}
