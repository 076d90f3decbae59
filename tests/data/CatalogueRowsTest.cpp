// The catalogue's owners over a real database: what they write reads back whole, a name holding quotes
// neither breaks nor widens their statements, and what is not a table's id never reaches one.
#include "CatalogueFixture.h"

#include "data/CatalogueSql.h"
#include "data/FieldRows.h"
#include "data/FormRows.h"
#include "data/MacroRows.h"
#include "data/ModuleRows.h"
#include "data/QueryStore.h"
#include "data/RelationRows.h"

namespace {

const QString kQuoted = QStringLiteral("O'Hara's");

class CatalogueRowsTest : public CatalogueFixture {
protected:
    void SetUp() override { createDatabase(); }

    ContextSql sql{context};
};

TEST_F(CatalogueRowsTest, FormsMacrosAndModulesNamedWithQuotesReadBackAndGoAlone)
{
    FormRows forms(sql);
    ASSERT_TRUE(FormRows::add(context, {kQuoted, QStringLiteral("Orders"), QStringLiteral("props")}));
    ASSERT_TRUE(forms.insert({QStringLiteral("Other"), QStringLiteral("Totals(Q)"), QString()}));
    ASSERT_TRUE(FormRows::update(context, kQuoted, {kQuoted, QStringLiteral("Customers"), QStringLiteral("new")}));
    const std::optional<FormRow> form = forms.find(kQuoted);
    ASSERT_TRUE(form);
    EXPECT_EQ(QStringList({form->name, form->tableSource, form->ctrlProps}),
              QStringList({kQuoted, "Customers", "new"}));
    EXPECT_TRUE(forms.remove(kQuoted));
    EXPECT_EQ(forms.names(), QStringList{"Other"}) << "only the named form goes";
    EXPECT_FALSE(FormRows::update(context, kQuoted, {kQuoted, QString(), QString()})) << "no row left to write";

    MacroRows macros(sql);
    ASSERT_TRUE(MacroRows::write(context, QString(), {kQuoted, QStringLiteral("events"), QStringLiteral("args")}));
    ASSERT_TRUE(MacroRows::write(context, kQuoted, {kQuoted, QStringLiteral("events"), QStringLiteral("changed")}));
    EXPECT_EQ(macros.arguments(kQuoted), QStringLiteral("changed")) << "written over its own row";
    EXPECT_FALSE(MacroRows::write(context, QStringLiteral("Nowhere"), {kQuoted, QString(), QString()}));
    EXPECT_TRUE(macros.remove(kQuoted));
    EXPECT_FALSE(macros.exists(kQuoted));

    ModuleRows modules(sql);
    const std::unique_ptr<CDbRecordset> table = ModuleRows::openTable(context);
    ASSERT_TRUE(table && table->AddNew());
    ASSERT_TRUE(ModuleRows::write(*table, kQuoted, QStringLiteral("Sub A\nEnd Sub")));
    EXPECT_EQ(modules.source(kQuoted), QStringLiteral("Sub A\nEnd Sub"));
    EXPECT_TRUE(ModuleRows::openRow(context, kQuoted));
    EXPECT_FALSE(ModuleRows::openRow(context, QStringLiteral("Nowhere")));
    EXPECT_FALSE(modules.source(QStringLiteral("Nowhere")));
}

TEST_F(CatalogueRowsTest, StoredQueriesKeepEveryColumnAndTakeTheNextFreeId)
{
    QueryStore store(context);
    StoredQuery first{.name = kQuoted, .type = 2, .statement = QStringLiteral("DELETE FROM Orders"),
                      .select = QStringLiteral("a,"), .from = QStringLiteral("Orders,"),
                      .criteria = QStringLiteral("c,~"), .orderBy = QStringLiteral("o,"),
                      .joins = QStringLiteral("j~"), .attribs = QStringLiteral("x")};
    StoredQuery second{.name = QStringLiteral("Totals"), .statement = QStringLiteral("SELECT 1")};
    ASSERT_TRUE(store.add(first));
    ASSERT_TRUE(store.add(second));
    EXPECT_EQ(second.id, first.id + 1);
    EXPECT_EQ(store.find(kQuoted), first);
    ASSERT_TRUE(store.remove(kQuoted));
    StoredQuery third{.name = QStringLiteral("Late")};
    ASSERT_TRUE(store.add(third));
    EXPECT_EQ(third.id, second.id + 1) << "an id once given is not given again while a higher one stands";
    EXPECT_EQ(QueryRows(sql).names(), QStringList({"Totals", "Late"}));
    const auto columns = store.columns(QStringLiteral("Totals"));
    ASSERT_TRUE(columns);
    EXPECT_EQ(columns->value(1), std::make_pair(QStringLiteral("QueryName"), QStringLiteral("Totals")));
}

TEST_F(CatalogueRowsTest, WhatIsNoTableIdNeverReachesAStatement)
{
    ASSERT_TRUE(run(QStringLiteral("CREATE TABLE Orders (Qty int)")));
    ASSERT_TRUE(run(QStringLiteral("INSERT INTO XNSysFields (TableID, FieldName, FieldID) VALUES (%1, 'Qty', 1)")
                        .arg(tableId(QStringLiteral("Orders")))));
    FieldRows fields(sql);
    const QString hostile = QStringLiteral("0 OR 1=1");
    EXPECT_TRUE(fields.ofTable(hostile).isEmpty());
    EXPECT_TRUE(fields.namesOfTable(hostile).isEmpty());
    EXPECT_FALSE(fields.defaultAndRule(hostile, QStringLiteral("Qty")));
    EXPECT_FALSE(fields.removeTable(hostile));
    EXPECT_TRUE(rows(FieldRows::rowsSql(hostile)).isEmpty()) << "a quoted id matches no row";
    EXPECT_EQ(fields.namesOfTable(tableId(QStringLiteral("Orders"))), QStringList{"Qty"}) << "the row is still there";
    EXPECT_TRUE(fields.removeTable(tableId(QStringLiteral("Orders"))));
    EXPECT_TRUE(fields.ofTable(tableId(QStringLiteral("Orders"))).isEmpty());
}

TEST_F(CatalogueRowsTest, RelationsCascadeByTheirFlagsAndNameTheirTablesOnce)
{
    const auto relate = [this](const QString& left, const QString& right, const QString& leftField,
                               const QString& rightField, int flags) {
        return run(QStringLiteral("INSERT INTO XNSysRelations VALUES ('%1', '%2', '%3', '%4', 1, %5)")
                       .arg(left, right, leftField, rightField)
                       .arg(flags));
    };
    ASSERT_TRUE(relate("Customers", "Orders", "Id", "CustomerId", 2));
    ASSERT_TRUE(relate("Customers", "Invoices", "Id", "Buyer", 4));
    ASSERT_TRUE(relate("Customers", "Notes", "Id", "Who", 6));
    ASSERT_TRUE(relate("Customers", "Orders", "Name", "CustomerName", 0));
    ASSERT_TRUE(relate("Regions", "Customers", "Code", "Region", 0));
    RelationRows relations(sql);
    const auto rightTables = [](const QList<RelationRow>& rows) {
        QStringList names;
        for (const RelationRow& row : rows)
            names << row.rightTable;
        return names;
    };
    EXPECT_EQ(rightTables(relations.cascading("Customers", "Id", 2)), QStringList({"Orders", "Notes"}));
    EXPECT_EQ(rightTables(relations.cascading("Customers", "Id", 4)), QStringList({"Invoices", "Notes"}));
    EXPECT_TRUE(relations.cascading("Customers", "Name", 2).isEmpty());
    EXPECT_EQ(relations.between("Customers", "Orders").size(), 2);
    EXPECT_TRUE(relations.between("Orders", "Customers").isEmpty()) << "one direction only";
    EXPECT_EQ(relations.relatedTables("Customers"), QStringList({"Orders", "Invoices", "Notes", "Regions"}));

    const RelationRow names{"Customers", "Orders", "Name", "CustomerName"};
    EXPECT_EQ(rows(RelationRows::rowSql(names)).size(), 1);
    EXPECT_TRUE(relations.remove(names));
    EXPECT_EQ(relations.all()->size(), 4) << "only the relation of those four names goes";
    EXPECT_TRUE(relations.remove({kQuoted, kQuoted, kQuoted, kQuoted}));
    EXPECT_EQ(relations.all()->size(), 4);
}

} // namespace
