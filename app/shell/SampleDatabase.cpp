#include "app/shell/SampleDatabase.h"

#include "app/shell/SampleForm.h"
#include "data/DatabaseFolder.h"
#include "data/FormRows.h"
#include "data/LayoutRows.h"
#include "data/SqlText.h"

#include <algorithm>

using namespace fieldtypes;

namespace {
struct SampleField {
    QString name;
    QString type;
    int size = 0;  // characters, for Text
    bool required = false;
    bool unique = false;
};

struct SampleTable {
    QString name;
    QList<SampleField> fields;
    QStringList rows; // the VALUES lists
};

// The field as a user would define it in the table designer: its type's property rows with the
// sample's size and flags, and no default value.
FieldDefinition definitionOf(const SampleField& field)
{
    FieldDefinition definition{field.name, field.type, propertyTemplate(field.type)};
    for (PropertyRow& row : definition.properties) {
        if (row.name == QLatin1String("Field Size") && field.type == kText)
            row.value = QString::number(field.size);
        else if (row.name == QLatin1String("Required"))
            row.value = flagText(field.required);
        else if (row.name == QLatin1String("Unique"))
            row.value = flagText(field.unique);
        else if (row.name == QLatin1String("Default Value"))
            row.value.clear();
    }
    return definition;
}

QList<SampleTable> sampleTables()
{
    return {
        {"Customers",
         {{"CustomerID", kAutoNumber, 0, false, true},
          {"Name", kText, 50, true},
          {"City", kText, 30},
          {"Phone", kText, 20},
          {"Since", kDateTime}},
         {"1, 'Harbour Bakery', 'Portsmouth', '023 9282 1140', '2019-04-02'",
          "2, 'Miller & Sons Hardware', 'Leeds', '0113 496 0021', '2020-11-17'",
          "3, 'Greenway Florists', 'Bath', '01225 310 442', '2021-03-08'",
          "4, 'Northwind Cycles', 'York', '01904 612 995', '2022-06-21'",
          "5, 'Tessa''s Tea Room', 'Whitby', '01947 600 318', '2023-01-30'"}},
        {"Products",
         {{"ProductID", kAutoNumber, 0, false, true},
          {"Product", kText, 50, true, true},
          {"Price", kDouble},
          {"InStock", kInteger},
          {"Discontinued", kBoolean},
          {"Notes", kMemo}},
         {"1, 'Flour, strong white 16kg', 18.5, 42, false, 'Bread flour for the bakery trade.'",
          "2, 'Brass hinge 75mm (pair)', 3.2, 310, false, ''",
          "3, 'Cut roses, dozen', 14.0, 25, false, 'Delivered fresh on Mondays and Thursdays.'",
          "4, 'Bicycle inner tube 700c', 5.75, 120, false, ''",
          "5, 'Loose-leaf Assam 1kg', 21.9, 16, false, 'Strong breakfast blend.'",
          "6, 'Paraffin lamp', 24.0, 0, true, 'No longer supplied.'"}},
        {"Orders",
         {{"OrderID", kAutoNumber, 0, false, true},
          {"CustomerID", kInteger, 0, true},
          {"ProductID", kInteger, 0, true},
          {"Quantity", kInteger, 0, true},
          {"OrderDate", kDateTime},
          {"Paid", kBoolean}},
         {"1, 1, 1, 6, '2026-09-01', true", "2, 2, 2, 40, '2026-09-03', true", "3, 3, 3, 12, '2026-09-10', false",
          "4, 1, 1, 4, '2026-10-05', true", "5, 4, 4, 30, '2026-10-12', true", "6, 5, 5, 3, '2026-10-19', false",
          "7, 2, 2, 25, '2026-11-02', false", "8, 4, 4, 18, '2026-11-20', false"}},
    };
}

// The next number an AutoNumber field hands out: one past the highest the rows already hold.
bool startCounterAfterRows(DatabaseService& database, const QString& table, const QString& field)
{
    const auto values = database.select(QStringLiteral("SELECT %1 FROM %2").arg(sqlName(field), sqlQuoted(table)));
    if (!values)
        return false;
    int highest = 0;
    for (const QStringList& value : *values)
        highest = std::max(highest, value.value(0).toInt());
    return database.setNextAutoNumber(table, field, highest + 1);
}

// The datasheet's layout row, as the designer writes it for new fields: their names, each followed by ";",
// and no widths, so that each column opens as wide as its values need in the user's font.
bool storeLayout(DatabaseService& database, const SampleTable& table)
{
    QString names, widths;
    for (const SampleField& field : table.fields) {
        names += field.name + QLatin1Char(';');
        widths += QLatin1Char(';');
    }
    return LayoutRows(database).insert(table.name, names, widths);
}

bool createTable(DatabaseService& database, const SampleTable& table)
{
    QList<FieldDefinition> fields;
    for (const SampleField& field : table.fields)
        fields << definitionOf(field);
    if (!database.createTable(table.name, fields))
        return false;
    for (const QString& row : table.rows)
        if (!database.execute(QStringLiteral("INSERT INTO %1 VALUES(%2)").arg(sqlQuoted(table.name), row)))
            return false;
    for (const SampleField& field : table.fields)
        if (field.type == kAutoNumber && !startCounterAfterRows(database, table.name, field.name))
            return false;
    return storeLayout(database, table);
}
} // namespace

QString prepareSampleDatabasePath()
{
    const QString folder = defaultDatabaseFolder();
    if (folder.isEmpty())
        return QStringLiteral("\\Windows\\Sample.cdb");
    return folder.endsWith(u'\\') ? folder + QStringLiteral("Sample.cdb") : folder + QStringLiteral("\\Sample.cdb");
}

bool buildSampleDatabase(DatabaseService& database, const QString& path)
{
    if (!database.createDatabase(path))
        return false;
    database.checkCatalogue();
    bool complete = true;
    for (const SampleTable& table : sampleTables())
        complete = createTable(database, table) && complete;
    complete = FormRows(database).insert({kSampleFormName, QStringLiteral("Products"), sampleFormText()}) && complete;
    database.closeDatabase();
    return complete;
}
