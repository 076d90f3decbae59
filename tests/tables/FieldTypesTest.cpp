// The type catalogue, the property rows per type, the lookup encoding and the statements a new table
// is created with.
#include "tables/FieldCatalogue.h"
#include "tables/FieldTypes.h"
#include "tables/LookupSpec.h"
#include "tables/ValueCarry.h"

#include <gtest/gtest.h>

using namespace fieldtypes;

namespace {
FieldDefinition field(const QString& name, const QString& type)
{
    return {name, type, propertyTemplate(type)};
}

QStringList names(const QList<PropertyRow>& rows)
{
    QStringList all;
    for (const PropertyRow& row : rows)
        all << row.name;
    return all;
}
} // namespace

TEST(FieldTypes, ReadBackFromCodesWithAutoNumberWinning)
{
    EXPECT_EQ(typeNameOf(4, "1"), kAutoNumber);
    EXPECT_EQ(typeNameOf(4, "0"), kInteger);
    EXPECT_EQ(typeNameOf(4, ""), kInteger);
    EXPECT_EQ(typeNameOf(-7, ""), kBoolean);
    EXPECT_EQ(typeNameOf(11, ""), kDateTime);
    EXPECT_EQ(typeNameOf(99, ""), "N/F : 99");
    EXPECT_EQ(sqlType(kText, "30"), "varchar(30)");
    EXPECT_EQ(sqlType(kOleObject, ""), "Long Varbinary");
}

TEST(FieldTypes, TemplatesAndTheirLoadedNames)
{
    EXPECT_EQ(names(propertyTemplate(kText)),
              QStringList({"Field Size", "Format", "Input Mask", "Default Value", "Validation Rule", "Validation Text",
                           "Required", "AllowZeroLength", "Unique"}));
    EXPECT_EQ(loadedPropertyNames(kText),
              QStringList({"Field Size", "Format", "InputMask", "DefValue", "ValdnRule", "ValdnText", "Required",
                           "AllowZeroLength", "Unique"}));
    EXPECT_EQ(propertyTemplate(kDouble)[2], (PropertyRow{"Default Value", "0"}));
    EXPECT_EQ(propertyTemplate(kDateTime)[2], (PropertyRow{"Default Value", ""}));
    EXPECT_EQ(propertyTemplate(kAutoNumber),
              (QList<PropertyRow>{{"Field Size", "Long Integer"}, {"Format", ""}, {"Unique", "Yes"}}));
    EXPECT_EQ(propertyTemplate(kOleObject), (QList<PropertyRow>{{"Required", "No"}}));
    EXPECT_EQ(propertyColumns(kMemo), QStringList({"Format", "DefValue", "ValdnRule", "ValdnText", "Required", "ZeroLen"}));
}

TEST(LookupSpec, EncodesAndReadsEachKind)
{
    LookupSpec tables{lookup::kTables, "Customers", "CustID", "Name", "Yes", {}};
    EXPECT_EQ(tables.comboFlags(), "Tables;Customers;CustID;Name;Yes");
    LookupSpec read = LookupSpec::fromCatalogue("1", "Tables;Customers;CustID;Name;Yes", "");
    EXPECT_EQ(read.rowSource, "Customers");
    EXPECT_EQ(read.visibleColumn, "Name");
    EXPECT_EQ(read.limitToList, "Yes");

    read = LookupSpec::fromCatalogue("1", "Query;Open Orders;OrderID;No", "");
    EXPECT_EQ(read.boundColumn, "OrderID");
    EXPECT_TRUE(read.visibleColumn.isEmpty());
    EXPECT_EQ(read.limitToList, "No");
    EXPECT_EQ(read.comboFlags(), "Query;Open Orders;OrderID;No");

    read = LookupSpec::fromCatalogue("1", "Value List", "Red;Green");
    EXPECT_EQ(read.values, QStringList({"Red", "Green"}));
    EXPECT_TRUE(LookupSpec::fromCatalogue("0", "Tables;Customers;CustID;Name;Yes", "").isNone());
}

TEST(CreateTableStatements, OrdersTableAsTheDesignerMakesIt)
{
    FieldDefinition name = field("Name", kText);
    name.properties[0].value = "30";
    const TableStatements statements = tableStatements("Orders", {name, field("Ship Date", kDateTime)});
    EXPECT_EQ(statements.ddl, "Create table 'Orders' (Name varchar(30), 'Ship Date' Datetime)");
    EXPECT_EQ(statements.catalogueInserts[0],
              "Insert into XNSysFields (Tableid, FieldName, FieldId, Len, Format, InputMask, DefValue, ValdnRule, "
              "ValdnText, Required, ZeroLen, Unique, ODBCType, Calculation) values (<TableID>, 'Name', <FieldID>, 30, "
              "'', '', '', '', '', false, false, false, 12, '')");
    EXPECT_TRUE(statements.catalogueInserts[1].endsWith("ODBCType, Len, Calculation) values (<TableID>, 'Ship Date', "
                                                        "<FieldID>, '', '', '', '', '', false, false, 11, 0, '')"));
}

TEST(CreateTableStatements, AutoNumberMemoAndSkippedDefinitions)
{
    const TableStatements statements =
        tableStatements("T", {field("ID", kAutoNumber), FieldDefinition{"NoRows", kText, {}}, field("", kText),
                              field("Notes", kMemo)});
    EXPECT_EQ(statements.ddl, "Create table 'T' (ID Integer, Notes Text)");
    EXPECT_EQ(statements.catalogueInserts[0],
              "Insert into XNSysFields (Tableid, FieldName, FieldId, Len, AutoNumber, Format, Unique, ODBCType, "
              "Calculation) values (<TableID>, 'ID', <FieldID>, 4, 1, '', true, 4, '')");
    EXPECT_TRUE(statements.catalogueInserts[1].startsWith(
        "Insert into XNSysFields (Tableid, FieldName, FieldId, Unique, Format, DefValue") );
    EXPECT_TRUE(statements.catalogueInserts[1].contains("values (<TableID>, 'Notes', <FieldID>, false, ''"));

    FieldDefinition serial = field("Serial", kAutoNumber);
    serial.properties[2].value = "No";
    EXPECT_TRUE(tableStatements("T", {serial}).catalogueInserts[0].endsWith("4, 1, '', true, 4, '')"))
        << "an AutoNumber is unique whatever its row says";
}

TEST(CreateTableStatements, QuotesInValuesAndNamesCannotBreakTheStatement)
{
    FieldDefinition text = field("Who's", kText);
    text.properties[3].value = "O'Brien'); DELETE XNSysFields; --";
    text.properties[0].value = "20) , x Bit";
    const TableStatements statements = tableStatements("Bob's", {text});
    EXPECT_EQ(statements.ddl, "Create table 'Bob''s' ('Who''s' varchar(0))");
    EXPECT_TRUE(statements.catalogueInserts[0].contains("'O''Brien''); DELETE XNSysFields; --'"));
}

TEST(ValueCarry, ConvertsWhatFitsAndEmptiesTheRest)
{
    EXPECT_EQ(carriedValue(Variant(QStringLiteral("12")), kInteger, 0).toInt(), 12);
    EXPECT_TRUE(carriedValue(Variant(QStringLiteral("abc")), kInteger, 0).isEmpty());
    EXPECT_EQ(carriedValue(Variant(2.5), kText, 10).toString(), "2.5");
    EXPECT_TRUE(carriedValue(Variant(QStringLiteral("too long")), kText, 3).isEmpty());
    EXPECT_TRUE(carriedValue(Variant(QStringLiteral("yes")), kBoolean, 0).boolVal());
    EXPECT_TRUE(carriedValue(Variant(QStringLiteral("maybe")), kBoolean, 0).isEmpty());
    EXPECT_TRUE(carriedValue(Variant::null(), kMemo, 0).isEmpty());
}
