#include "CatalogueFixture.h"

#include "data/Catalogue.h"

namespace {
using Row = QStringList;

// A field property row as the catalogue check writes it for a new field.
Row defaultRow(const QString& id, const QString& name, int fieldId, int length, int type)
{
    Row row{id, name, QString::number(fieldId), QString::number(length), QString::number(type)};
    for (int position = 5; position < 26; ++position)
        row << (QList<int>{5, 6, 8, 9, 11, 25}.contains(position) ? "0" : "");
    return row;
}

const QStringList kCatalogueNames = {"XNSysTables",    "XNSysForms",   "XNSysFields", "XNSysRelations",
                                     "XNSysMacros",    "XNSysModules", "XNSysQueries"};
} // namespace

class CatalogueCheck : public CatalogueFixture {};

TEST_F(CatalogueCheck, ANewDatabaseHoldsTheSevenCatalogueTablesWithTheirColumns)
{
    createDatabase();
    const QStringList tables = column("SELECT * FROM MSysTables", 0);
    for (const QString& name : kCatalogueNames)
        EXPECT_EQ(tables.count(name), 1) << name.toStdString();

    struct Expected {
        QString table;
        QStringList fields;
    };
    const QList<Expected> expected = {
        {"XNSysTables", {"TableSource", "FieldNum", "FieldName", "Widths", "Options"}},
        {"XNSysForms", {"FormName", "TableSource", "CtrlProps"}},
        {"XNSysFields", {"TableID",       "FieldName",     "FieldID",       "Len",           "ODBCType",   "Combo",
                         "ComboFlags",    "ComboData",     "Required",      "Unique",        "Calculation",
                         "AutoNumber",    "LeftTable",     "RightTable",    "LeftField",     "RightField",
                         "LRelationType", "LRelationFlags", "RRelationType", "RRelationFlags", "Format",
                         "InputMask",     "DefValue",      "ValdnRule",     "ValdnText",     "ZeroLen"}},
        {"XNSysRelations", {"LeftTable", "RightTable", "LeftField", "RightField", "RelationType", "RelationFlags"}},
        {"XNSysMacros", {"MacroID", "MacroName", "Event", "Arguments", "Standalone"}},
        {"XNSysModules", {"ModuleName", "Source"}},
        {"XNSysQueries", {"QueryID", "QueryName", "QueryType", "QueryStmt", "QuerySelect", "QueryFrom",
                          "QueryCriteria", "QueryOrderBy", "QueryJoins", "Attribs"}},
    };
    for (const Expected& table : expected) {
        const QString fields = QString("SELECT * FROM MSysFields WHERE TableID = %1 ORDER BY FieldID").arg(tableId(table.table));
        EXPECT_EQ(column(fields, 1), table.fields) << table.table.toStdString();
    }

    // Types and lengths as the DDL gives them: varchar(n) keeps its length, bit is boolean, smallint small.
    const auto typeOf = [&](const QString& table, const QString& field) {
        for (const Row& row : rows(QString("SELECT * FROM MSysFields WHERE TableID = %1").arg(tableId(table))))
            if (row[1] == field)
                return QStringList{row[3], row[4]};
        return QStringList();
    };
    EXPECT_EQ(typeOf("XNSysForms", "FormName"), QStringList({"64", "202"}));
    EXPECT_EQ(typeOf("XNSysMacros", "MacroName"), QStringList({"15", "202"}));
    EXPECT_EQ(typeOf("XNSysQueries", "Attribs"), QStringList({"20", "202"}));
    EXPECT_EQ(typeOf("XNSysFields", "TableID").value(1), "3");
    EXPECT_EQ(typeOf("XNSysFields", "Len").value(1), "2");
    EXPECT_EQ(typeOf("XNSysFields", "ZeroLen").value(1), "11");
    EXPECT_EQ(typeOf("XNSysRelations", "RelationType").value(1), "2");
    EXPECT_EQ(typeOf("XNSysModules", "Source").value(1), typeOf("XNSysTables", "Widths").value(1))
        << "every text column has the same type";
}

TEST_F(CatalogueCheck, ANewDatabaseHasTheFourCatalogueIndexes)
{
    createDatabase();
    QStringList indexes;
    for (const Row& row : rows("SELECT * FROM MSysIndexes")) {
        const QString table = rows(QString("SELECT * FROM MSysTables WHERE TableID = %1").arg(row[0])).value(0).value(0);
        const QString field =
            rows(QString("SELECT * FROM MSysFields WHERE TableID = %1 AND FieldID = %2").arg(row[0], row[2]))
                .value(0)
                .value(1);
        indexes << row[1] + " ON " + table + " (" + field + ")";
    }
    indexes.sort();
    EXPECT_EQ(indexes, QStringList({"FieldIDs ON XNSysFields (FieldID)", "FormNames ON XNSysForms (FormName)",
                                    "TableIDs ON XNSysFields (TableID)",
                                    "TableSourceWidths ON XNSysTables (TableSource)"}));
}

TEST_F(CatalogueCheck, WithoutUserTablesTheListStaysEmptyAndFieldPropertiesAreEmptied)
{
    createDatabase();
    ASSERT_TRUE(run("Insert into XNSysFields values(99,'Ghost',1,8,5,0,0,'',0,0,'',0,'','','','','','','','','','','','','','0')"));
    reopen();
    EXPECT_TRUE(window.rows().isEmpty());
    EXPECT_TRUE(rows("SELECT * FROM XNSysFields").isEmpty());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CatalogueCheck, FieldsAddedByAnotherProgramGetDefaultRowsAndExistingRowsStay)
{
    createDatabase();
    ASSERT_TRUE(run("CREATE TABLE 'Orders' (OrderNo int, Customer varchar(40))"));
    ASSERT_TRUE(run("INSERT INTO Orders VALUES(1, 'Ann')"));
    reopen();
    const QString id = tableId("Orders");
    ASSERT_EQ(window.rows(), (QList<HeadlessDatabaseWindow::TableRow>{{"Orders", "1", "0", id}}));
    const Row orderNo = defaultRow(id, "OrderNo", 1, 4, 4);
    EXPECT_EQ(fieldProperties("Orders"), (QList<Row>{orderNo, defaultRow(id, "Customer", 2, 40, 12)}));

    {
        CDbRecordset edit(context.connection, context.databasePath());
        ASSERT_TRUE(edit.Open("SELECT * FROM XNSysFields WHERE FieldName = 'Customer'", 2, 3));
        ASSERT_TRUE(edit.SetFieldString("Format", ">"));
        ASSERT_TRUE(edit.SetFieldString("DefValue", "Walk-in"));
        ASSERT_TRUE(edit.Update());
    }
    ASSERT_TRUE(run("ALTER TABLE 'Orders' ADD Paid bit"));
    ASSERT_TRUE(run("CREATE TABLE 'Stock' (Item text)"));
    reopen();

    Row customer = defaultRow(id, "Customer", 2, 40, 12);
    customer[20] = ">";
    customer[22] = "Walk-in";
    const QList<Row> orders = fieldProperties("Orders");
    ASSERT_EQ(orders.size(), 3);
    EXPECT_EQ(orders[0], orderNo);
    EXPECT_EQ(orders[1], customer) << "a row the user changed is left as it is";
    EXPECT_EQ(orders[2].mid(0, 5), (Row{id, "Paid", "3", "1", "-7"}));
    EXPECT_EQ(fieldProperties("Stock").size(), 1);
    EXPECT_EQ(window.rows().size(), 2);
}

TEST_F(CatalogueCheck, TheDefaultRowIsTheStatementsRowExactly)
{
    createDatabase();
    ASSERT_TRUE(run("CREATE TABLE 'Goods' (Name text, Qty int, Price float)"));
    reopen();
    const QList<Row> goods = fieldProperties("Goods");
    ASSERT_EQ(goods.size(), 3);
    const Row price = goods[2];
    EXPECT_EQ(price.mid(0, 3), (Row{tableId("Goods"), "Price", "3"}));
    EXPECT_EQ(price.mid(5), defaultRow("", "", 0, 0, 0).mid(5));
    EXPECT_EQ(price[4], "8") << "a double column";
}

// Every engine type gets the code of the data type the user sees, so that the datasheet, the forms and the
// import know the field; files where an earlier check stored the engine's codes are mended on opening.
TEST_F(CatalogueCheck, FieldsGetTheCodesOfTheirDataTypesAndOldCodesAreMended)
{
    createDatabase();
    const QString columns = "Name varchar(30), Notes text, Qty int, Small smallint, Price float, Day datetime, "
                            "Paid bit, Photo long varbinary";
    ASSERT_TRUE(run("CREATE TABLE 'Fresh' (" + columns + ")"));
    ASSERT_TRUE(run("CREATE TABLE 'Old' (" + columns + ")"));
    const QString old = tableId("Old");
    // The rows an earlier check wrote: the engine's type codes, where a bit column's 11 is also Date/Time's code.
    const QList<std::pair<int, int>> written{{30, 202}, {0, 203}, {4, 3}, {2, 2}, {8, 5}, {8, 7}, {1, 11}, {0, 205}};
    for (int field = 0; field < written.size(); ++field)
        ASSERT_TRUE(run(QString("Insert into XNSysFields values(%1,'F%2',%3,%4,%5,0,0,'',0,0,'',0,'','','','','','',"
                                "'','','','','','','','0')")
                            .arg(old)
                            .arg(field)
                            .arg(field + 1)
                            .arg(written[field].first)
                            .arg(written[field].second)));
    reopen();
    const QStringList codes{"12", "-1", "4", "4", "8", "11", "-7", "-4"};
    EXPECT_EQ(column(QString("SELECT * FROM XNSysFields WHERE TableID = %1 ORDER BY FieldID").arg(tableId("Fresh")), 4),
              codes);
    EXPECT_EQ(column(QString("SELECT * FROM XNSysFields WHERE TableID = %1 ORDER BY FieldID").arg(old), 4), codes);
    EXPECT_EQ(column(QString("SELECT * FROM XNSysFields WHERE TableID = %1 ORDER BY FieldID").arg(old), 3),
              QStringList({"30", "0", "4", "2", "8", "8", "1", "0"}))
        << "only the type code changes";
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CatalogueCheck, ATableDroppedByAnotherProgramLosesItsRows)
{
    createDatabase();
    ASSERT_TRUE(run("CREATE TABLE 'Old' (A int, B int)"));
    ASSERT_TRUE(run("CREATE TABLE 'Kept' (C int)"));
    reopen();
    const QString oldId = tableId("Old");
    ASSERT_EQ(rows("SELECT * FROM XNSysFields").size(), 3);

    ASSERT_TRUE(run("DROP TABLE 'Old'"));
    reopen();
    EXPECT_EQ(column("SELECT * FROM XNSysFields", 0), QStringList({tableId("Kept")}));
    EXPECT_EQ(window.rows().size(), 1);
    EXPECT_NE(oldId, tableId("Kept"));
}

TEST_F(CatalogueCheck, NamesWithBlanksAndQuotesAreCountedAndListedAsTheyAre)
{
    createDatabase();
    ASSERT_TRUE(run("CREATE TABLE 'Order Lines' (Item text)"));
    ASSERT_TRUE(run("INSERT INTO 'Order Lines' VALUES('a')"));
    ASSERT_TRUE(run("INSERT INTO 'Order Lines' VALUES('b')"));
    ASSERT_TRUE(run("CREATE TABLE 'O''Brien' ('Cust''s Name' text, Age int)"));
    ASSERT_TRUE(run("INSERT INTO 'O''Brien' VALUES('Pat', 40)"));
    reopen();

    QStringList listed;
    for (const auto& row : window.rows())
        listed << row.name + "=" + row.recordCount;
    listed.sort();
    EXPECT_EQ(listed, QStringList({"O'Brien=1", "Order Lines=2"}));
    EXPECT_EQ(column(QString("SELECT * FROM XNSysFields WHERE TableID = %1").arg(tableId("O'Brien")), 1),
              QStringList({"Cust's Name", "Age"}));

    // A second check keeps everything: the quoted ids and names never broke a statement.
    reopen();
    EXPECT_EQ(rows("SELECT * FROM XNSysFields").size(), 3);
    EXPECT_EQ(column("SELECT * FROM 'O''Brien'", 0), QStringList({"Pat"}));
}

TEST_F(CatalogueCheck, OnlyMissingCatalogueTablesAreCreated)
{
    createDatabase();
    ASSERT_TRUE(run("INSERT INTO XNSysMacros VALUES(1, 'Greet', 'OnOpen', '', 0)"));
    ASSERT_TRUE(run("DROP TABLE 'XNSysForms'"));
    ASSERT_TRUE(run("DROP TABLE 'XNSysQueries'"));
    reopen();

    const QStringList tables = column("SELECT * FROM MSysTables", 0);
    for (const QString& name : kCatalogueNames)
        EXPECT_EQ(tables.count(name), 1) << name.toStdString();
    EXPECT_EQ(column("SELECT * FROM XNSysMacros", 1), QStringList({"Greet"})) << "present tables are not made again";
    EXPECT_TRUE(column("SELECT * FROM MSysIndexes", 1).contains("FormNames"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(CatalogueCheck, ATableListThatCannotBeReadIsReported)
{
    context.openDatabase = std::make_shared<COpenDatabase>("\\Nowhere.cdb");
    EXPECT_FALSE(fDBInit(context, window));
    ASSERT_EQ(messages.texts(), QStringList({"Unable to execute command : fDBInit"}));
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
    EXPECT_EQ(window.secondListClears(), 1);
}

// A repair the engine refuses is named; the check still does every other repair it can.
TEST_F(CatalogueCheck, RepairsThatFailAreReportedAndTheRestIsDone)
{
    createDatabase();
    ASSERT_TRUE(run("DROP TABLE 'XNSysForms'"));
    ASSERT_TRUE(run("DROP TABLE 'XNSysQueries'"));
    // A user table whose name differs from the catalogue table's only in case takes its place.
    ASSERT_TRUE(run("CREATE TABLE 'xnsysforms' (A int)"));
    // The catalogue keeps at most 64 characters of a field name.
    ASSERT_TRUE(run("CREATE TABLE 'People' (Name text, " + QString(70, u'n') + " int)"));
    reopen();

    EXPECT_EQ(messages.texts(), QStringList({"The catalogue check could not finish: creating XNSysForms; adding the "
                                             "field properties of People"}));
    EXPECT_EQ(tableId("XNSysQueries").isEmpty(), false);
    EXPECT_EQ(column(QStringLiteral("SELECT FieldName FROM XNSysFields WHERE TableID = %1").arg(tableId("People")), 0),
              QStringList({"Name"}));
    EXPECT_EQ(window.rows().size(), 2);
}
