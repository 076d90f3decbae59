#include "app/logic/SampleDatabase.h"

#include "data/SqlText.h"

namespace {
enum class Type { Text, Memo, Integer, Double, DateTime, AutoNumber, Boolean };

struct SampleField {
    QString name;
    Type type;
    int size = 0; // characters, for Text
    bool required = false;
    bool unique = false;
};

struct SampleTable {
    QString name;
    QList<SampleField> fields;
    QStringList rows; // the VALUES lists
};

QString ddlType(const SampleField& field)
{
    switch (field.type) {
    case Type::Text: return QStringLiteral("varchar(%1)").arg(field.size);
    case Type::Memo: return QStringLiteral("Text");
    case Type::Integer:
    case Type::AutoNumber: return QStringLiteral("Integer");
    case Type::Double: return QStringLiteral("Float");
    case Type::DateTime: return QStringLiteral("Datetime");
    case Type::Boolean: return QStringLiteral("Bit");
    }
    return {};
}

struct CatalogueCodes {
    int odbcType;
    int length;
};

CatalogueCodes catalogueCodes(const SampleField& field)
{
    switch (field.type) {
    case Type::Text: return {12, field.size};
    case Type::Memo: return {-1, 0};
    case Type::Integer:
    case Type::AutoNumber: return {4, 4};
    case Type::Double: return {8, 8};
    case Type::DateTime: return {11, 0};
    case Type::Boolean: return {-7, 1};
    }
    return {};
}

QString flag(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

// The field's properties row, as the table designer writes it for a new table.
QString catalogueInsert(const QString& tableId, const QString& fieldId, const SampleField& field)
{
    const CatalogueCodes codes = catalogueCodes(field);
    QString columns = QStringLiteral("Tableid, FieldName, FieldId, Len, ODBCType, Required, Unique");
    QString values = QStringLiteral("%1, %2, %3, %4, %5, %6, %7")
                         .arg(tableId, sqlQuoted(field.name), fieldId)
                         .arg(codes.length)
                         .arg(codes.odbcType)
                         .arg(flag(field.required), flag(field.unique));
    if (field.type == Type::AutoNumber) {
        columns += QStringLiteral(", AutoNumber");
        values += QStringLiteral(", 1");
    }
    if (field.type == Type::Text || field.type == Type::Memo) {
        columns += QStringLiteral(", ZeroLen");
        values += QStringLiteral(", false");
    }
    columns += QStringLiteral(", Calculation");
    values += QStringLiteral(", ''");
    return QStringLiteral("Insert into XNSysFields (%1) values (%2)").arg(columns, values);
}

QList<SampleTable> sampleTables()
{
    return {
        {"Customers",
         {{"CustomerID", Type::AutoNumber, 0, false, true},
          {"Name", Type::Text, 50, true},
          {"City", Type::Text, 30},
          {"Phone", Type::Text, 20},
          {"Since", Type::DateTime}},
         {"1, 'Harbour Bakery', 'Portsmouth', '023 9282 1140', '2019-04-02'",
          "2, 'Miller & Sons Hardware', 'Leeds', '0113 496 0021', '2020-11-17'",
          "3, 'Greenway Florists', 'Bath', '01225 310 442', '2021-03-08'",
          "4, 'Northwind Cycles', 'York', '01904 612 995', '2022-06-21'",
          "5, 'Tessa''s Tea Room', 'Whitby', '01947 600 318', '2023-01-30'"}},
        {"Products",
         {{"ProductID", Type::AutoNumber, 0, false, true},
          {"Product", Type::Text, 50, true, true},
          {"Price", Type::Double},
          {"InStock", Type::Integer},
          {"Discontinued", Type::Boolean},
          {"Notes", Type::Memo}},
         {"1, 'Flour, strong white 16kg', 18.5, 42, false, 'Bread flour for the bakery trade.'",
          "2, 'Brass hinge 75mm (pair)', 3.2, 310, false, ''",
          "3, 'Cut roses, dozen', 14.0, 25, false, 'Delivered fresh on Mondays and Thursdays.'",
          "4, 'Bicycle inner tube 700c', 5.75, 120, false, ''",
          "5, 'Loose-leaf Assam 1kg', 21.9, 16, false, 'Strong breakfast blend.'",
          "6, 'Paraffin lamp', 24.0, 0, true, 'No longer supplied.'"}},
        {"Orders",
         {{"OrderID", Type::AutoNumber, 0, false, true},
          {"CustomerID", Type::Integer, 0, true},
          {"ProductID", Type::Integer, 0, true},
          {"Quantity", Type::Integer, 0, true},
          {"OrderDate", Type::DateTime},
          {"Paid", Type::Boolean}},
         {"1, 1, 1, 6, '2026-09-01', true", "2, 2, 2, 40, '2026-09-03', true", "3, 3, 3, 12, '2026-09-10', false",
          "4, 1, 1, 4, '2026-10-05', true", "5, 4, 4, 30, '2026-10-12', true", "6, 5, 5, 3, '2026-10-19', false",
          "7, 2, 2, 25, '2026-11-02', false", "8, 4, 4, 18, '2026-11-20', false"}},
    };
}

bool createTable(DatabaseService& database, const SampleTable& table)
{
    QStringList columns;
    for (const SampleField& field : table.fields)
        columns << field.name + QLatin1Char(' ') + ddlType(field);
    const QString quotedName = sqlQuoted(table.name);
    if (!database.execute(QStringLiteral("Create table %1 (%2)").arg(quotedName, columns.join(QStringLiteral(", ")))))
        return false;

    const auto ids = database.select(QStringLiteral("Select TableId From MSysTables Where TableName = ") + quotedName);
    if (!ids || ids->isEmpty())
        return false;
    const QString tableId = ids->first().value(0);
    const auto fieldIds = database.select(QStringLiteral("Select FieldId From MSysFields Where TableId = ") + tableId +
                                          QStringLiteral(" ORDER BY FIELDID ASC"));
    if (!fieldIds || fieldIds->size() != table.fields.size())
        return false;
    for (int i = 0; i < table.fields.size(); ++i)
        database.execute(catalogueInsert(tableId, fieldIds->at(i).value(0), table.fields.at(i)));

    for (const QString& row : table.rows)
        if (!database.execute(QStringLiteral("INSERT INTO %1 VALUES(%2)").arg(quotedName, row)))
            return false;
    return true;
}
} // namespace

bool buildSampleDatabase(DatabaseService& database, const QString& path)
{
    if (!database.createDatabase(path))
        return false;
    database.checkCatalogue();
    bool complete = true;
    for (const SampleTable& table : sampleTables())
        complete = createTable(database, table) && complete;
    database.closeDatabase();
    return complete;
}
