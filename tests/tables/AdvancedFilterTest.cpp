// The advanced filter/sort statement: its exact text from the grid, and that the engine runs it and what
// it then shows, alone and together with quick filters and sorts.
#include "FakeFilterTarget.h"
#include "TableFixture.h"
#include "tables/AdvancedFilter.h"
#include "tables/DatasheetFilter.h"

namespace {

using Grid = AdvancedFilterGrid;

TEST(AdvancedStatementTest, GroupsGoInFrontOfTheSortWithTheirExactBlanks)
{
    Grid grid;
    grid.setText(Grid::FieldRow, 1, "Name");
    grid.setText(Grid::SortRow, 1, "Ascending");
    grid.setText(Grid::CriteriaRow, 1, "=\"A\"");
    grid.setText(Grid::CriteriaRow + 1, 1, "=\"B\"");
    const AdvancedStatement statement = buildAdvancedStatement("T", grid);
    EXPECT_EQ(statement.sql, "SELECT  *  FROM T  WHERE ((Name =\"A\") OR (Name =\"B\") ) ORDER BY Name ASC ");
    EXPECT_EQ(statement.condition, "((Name =\"A\") OR (Name =\"B\") )");

    grid.setText(Grid::SortRow, 1, "");
    EXPECT_EQ(buildAdvancedStatement("T", grid).sql, "SELECT  *  FROM T WHERE ((Name =\"A\") OR (Name =\"B\") ) ");
}

TEST(AdvancedStatementTest, ConditionsOfARowAreJoinedAndEmptyRowsAndFieldlessColumnsLeftOut)
{
    Grid grid;
    grid.setText(Grid::FieldRow, 1, "Age");
    grid.setText(Grid::FieldRow, 2, "Home Town");
    grid.setText(Grid::SortRow, 1, "Descending");
    grid.setText(Grid::SortRow, 2, "Ascending");
    grid.setText(Grid::CriteriaRow, 1, "> 20");
    grid.setText(Grid::CriteriaRow, 2, "LIKE 'L*'");
    grid.setText(Grid::CriteriaRow + 1, 3, "= 5");      // a column without a field
    grid.setText(Grid::CriteriaRow + 2, 1, "   ");      // blanks only
    grid.setText(Grid::CriteriaRow + 3, 1, "< 10");
    EXPECT_EQ(buildAdvancedStatement("T", grid).sql,
              "SELECT  *  FROM T  WHERE ((Age > 20 AND 'Home Town' LIKE 'L*') OR (Age < 10) ) "
              "ORDER BY Age DESC,'Home Town' ASC ");

    grid.clear();
    const AdvancedStatement none = buildAdvancedStatement("T", grid);
    EXPECT_EQ(none.sql, "SELECT  *  FROM T");
    EXPECT_EQ(none.where, "");
    EXPECT_EQ(none.condition, "");
}

TEST(AdvancedStatementTest, OperatorButtonsAppendTheirTexts)
{
    QStringList appended;
    for (const QString& button : advancedOperatorButtons())
        appended << advancedOperatorText(button);
    EXPECT_EQ(appended, QStringList({" <= ", " => ", " = ", " < ", " > ", " <> ", " ' ", " \" ", " % ", " IS ", " NULL ",
                                     " NOT ", " LIKE "}));
}

class AdvancedFilterTest : public TableFixture {
protected:
    AdvancedFilterTest()
    {
        EXPECT_TRUE(run("CREATE TABLE T (Name varchar(20), Age int)"));
        for (const char* values : {"('B', 20)", "('A', 30)", "('C', 40)", "('A', 10)"})
            EXPECT_TRUE(run(QStringLiteral("INSERT INTO T VALUES ") + values));
        target.open();
    }
    QStringList shownNames()
    {
        QStringList names;
        const QStringList ages = target.column(1);
        const QStringList all = target.column(0);
        for (int i = 0; i < all.size(); ++i)
            names << all[i] + ages[i];
        return names;
    }

    FakeFilterTarget target{context, "T", {12, 4}};
    DatasheetFilter filter{target};
    Grid grid;
};

TEST_F(AdvancedFilterTest, TheEngineRunsTheStatementAsBuilt)
{
    grid.setText(Grid::FieldRow, 1, "Name");
    grid.setText(Grid::SortRow, 1, "Ascending");
    grid.setText(Grid::CriteriaRow, 1, "=\"A\"");
    grid.setText(Grid::CriteriaRow + 1, 1, "=\"B\"");
    grid.setText(Grid::FieldRow, 2, "Age");
    grid.setText(Grid::SortRow, 2, "Descending");
    filter.applyAdvanced(buildAdvancedStatement("T", grid));
    EXPECT_EQ(shownNames(), QStringList({"A30", "A10", "B20"}));
    EXPECT_EQ(filter.advancedCondition(), "((Name =\"A\") OR (Name =\"B\") )");

    grid.clear();
    grid.setText(Grid::FieldRow, 1, "Age");
    grid.setText(Grid::CriteriaRow, 1, advancedOperatorText(">=") + "30");
    filter.applyAdvanced(buildAdvancedStatement("T", grid));
    EXPECT_EQ(target.lastShown(), "SELECT  *  FROM T WHERE ((Age  => 30) ) ");
    EXPECT_EQ(shownNames(), QStringList({"A30", "C40"}));
}

TEST_F(AdvancedFilterTest, QuickFiltersAndSortsKeepTheAdvancedConditions)
{
    grid.setText(Grid::FieldRow, 1, "Age");
    grid.setText(Grid::SortRow, 1, "Ascending");
    grid.setText(Grid::CriteriaRow, 1, "> 15");
    filter.applyAdvanced(buildAdvancedStatement("T", grid));
    EXPECT_EQ(shownNames(), QStringList({"B20", "A30", "C40"}));

    target.field = 0;
    target.record = 1;
    filter.filterIncluding();
    EXPECT_EQ(filter.filterText(), " WHERE Name LIKE 'A*'  AND  ((Age > 15) )  ORDER BY Age ASC ")
        << "the grid's sort stays";
    EXPECT_EQ(shownNames(), QStringList({"A30"}));

    filter.removeFilter();
    EXPECT_EQ(target.lastShown(), "SELECT * FROM T ORDER BY Age ASC ");
    EXPECT_EQ(shownNames(), QStringList({"A10", "B20", "A30", "C40"}));
    filter.applyAdvanced(buildAdvancedStatement("T", grid));
    filter.sortOnField(1, false);
    EXPECT_EQ(target.lastShown(), "SELECT * FROM T WHERE ((Age > 15) )  ORDER BY Age DESC");
    EXPECT_EQ(shownNames(), QStringList({"C40", "A30", "B20"}));
}

TEST_F(AdvancedFilterTest, ARefusedStatementRestoresTheBaseSql)
{
    grid.setText(Grid::FieldRow, 1, "Age");
    grid.setText(Grid::CriteriaRow, 1, "=== 3");
    filter.applyAdvanced(buildAdvancedStatement("T", grid));
    EXPECT_EQ(target.lastShown(), "SELECT * FROM T");
    EXPECT_EQ(filter.filterText(), "");
    EXPECT_EQ(filter.advancedCondition(), "");
    EXPECT_EQ(target.recordCount(), 4);
}

} // namespace
