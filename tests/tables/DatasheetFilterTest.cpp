// Quick filters, sorts and the advanced statement against a real table: the exact statements built, the
// records the engine then shows, and the fall back to the base SQL whenever the engine refuses.
#include "FakeFilterTarget.h"
#include "TableFixture.h"
#include "tables/DatasheetFilter.h"

namespace {

enum Column { Name, City, Age, Born, Active };

class DatasheetFilterTest : public TableFixture {
protected:
    DatasheetFilterTest()
    {
        EXPECT_TRUE(run("CREATE TABLE People (Name varchar(50), City varchar(50), Age int, Born datetime, Active bit)"));
        for (const char* values : {"('Ann', 'Smith', 30, '2001-02-03', true)", "('Bob', 'Smithson', 41, '1990-05-06', false)",
                                   "('Cid', 'Jones', 30, '1985-07-08', true)", "('Dee', '', 25, '1979-09-10', false)",
                                   "('O''Brien', 'Cork', 52, '1970-01-01', true)",
                                   "(''' OR 1=1 --', 'Nowhere', 19, '2005-11-12', false)"})
            EXPECT_TRUE(run(QStringLiteral("INSERT INTO People (Name, City, Age, Born, Active) VALUES ") + values));
        target.open();
        messages.clear();
    }

    // Makes the record whose Name is `name` current, on `field`.
    void selectPerson(const QString& name, int field)
    {
        target.record = int(target.column(Name).indexOf(name));
        ASSERT_GE(target.record, 0) << name.toStdString();
        target.field = field;
    }

    FakeFilterTarget target{context, QStringLiteral("People"), {12, 12, 4, 11, -7}};
    DatasheetFilter filter{target};
};

TEST_F(DatasheetFilterTest, IncludingATextValueKeepsTheRecordsStartingWithItInItsOrder)
{
    selectPerson("Bob", City);
    target.typedText = "  Smith ";
    filter.filterIncluding();
    EXPECT_EQ(filter.filterText(), " WHERE City LIKE 'Smith*'  ORDER BY City");
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People WHERE City LIKE 'Smith*'  ORDER BY City");
    EXPECT_EQ(target.column(Name), QStringList({"Ann", "Bob"}));

    target.typedText = QString();
    selectPerson("Ann", City);
    filter.filterExcluding();
    EXPECT_EQ(filter.condition(City), " NOT LIKE 'Smith*'");
    EXPECT_EQ(target.column(City), QStringList({"", "Cork", "Jones", "Nowhere"})) << "the same column's condition is replaced";
}

TEST_F(DatasheetFilterTest, AnEmptyTextCellFindsTheEmptyValuesAndExcludingItTheOthers)
{
    selectPerson("Dee", City);
    filter.filterIncluding();
    EXPECT_EQ(filter.condition(City), " = ''");
    EXPECT_EQ(target.column(Name), QStringList({"Dee"}));

    selectPerson("Dee", City);
    filter.filterExcluding();
    EXPECT_EQ(filter.condition(City), " <> ''");
    EXPECT_EQ(target.column(Name).size(), 5);
}

TEST_F(DatasheetFilterTest, NumbersDatesAndOtherTypesTakeTheirOwnConditions)
{
    selectPerson("Ann", Age);
    filter.filterIncluding();
    EXPECT_EQ(filter.filterText(), " WHERE Age = 30  ORDER BY Age");
    EXPECT_EQ(target.column(Name), QStringList({"Ann", "Cid"}));

    selectPerson("Cid", Age);
    filter.filterExcluding();
    EXPECT_EQ(filter.condition(Age), " <>30");
    EXPECT_EQ(target.column(Name).size(), 4);

    filter.removeFilter();
    selectPerson("Bob", Born);
    const QString born = target.currentCellText();
    filter.filterIncluding();
    EXPECT_EQ(filter.condition(Born), " = '" + born + "'") << "a date is compared as the engine reads it";
    EXPECT_EQ(target.column(Name), QStringList({"Bob"}));

}

TEST_F(DatasheetFilterTest, ABooleanCellFiltersOnItsValue)
{
    selectPerson("Bob", Active);
    target.typedText = "NO";
    filter.filterIncluding();
    EXPECT_EQ(filter.condition(Active), " = false");
    EXPECT_EQ(target.column(Name), QStringList({"Bob", "Dee", "' OR 1=1 --"}));

    filter.removeFilter();
    target.typedText = "YES";
    filter.filterExcluding();
    EXPECT_EQ(filter.condition(Active), " <> true");
    EXPECT_EQ(target.column(Name), QStringList({"Bob", "Dee", "' OR 1=1 --"}));

    filter.removeFilter();
    filter.filterIncluding();
    EXPECT_EQ(target.column(Name), QStringList({"Ann", "Cid", "O'Brien"}));
}

TEST_F(DatasheetFilterTest, ConditionsOnSeveralColumnsAreJoinedAndRemovedTogether)
{
    selectPerson("Ann", Age);
    filter.filterIncluding();
    selectPerson("Cid", City);
    filter.filterExcluding();
    EXPECT_EQ(filter.filterText(), " WHERE City NOT LIKE 'Jones*' AND Age = 30  ORDER BY City");
    EXPECT_EQ(target.column(Name), QStringList({"Ann"}));

    filter.removeFilter();
    EXPECT_EQ(filter.filterText(), "");
    EXPECT_EQ(filter.condition(Age), "");
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People");
    EXPECT_EQ(target.column(Name).size(), 6);
}

TEST_F(DatasheetFilterTest, QuotesAndSqlInACellFindExactlyThemselves)
{
    for (const QString name : {"O'Brien", "' OR 1=1 --"}) {
        filter.removeFilter();
        selectPerson(name, Name);
        filter.filterIncluding();
        EXPECT_EQ(target.column(Name), QStringList({name}));
        filter.filterExcluding();
        EXPECT_EQ(target.column(Name).size(), 5);
        EXPECT_FALSE(target.column(Name).contains(name));
    }
    EXPECT_EQ(filter.condition(Name), " NOT LIKE ''' OR 1=1 --*'");
}

TEST_F(DatasheetFilterTest, ARefusedFilterFallsBackToTheWholeTable)
{
    selectPerson("Ann", Age);
    target.typedText = "1 OR 1=1";
    filter.filterIncluding();
    EXPECT_EQ(target.shown.size(), 2) << "the filter was tried, then the base SQL";
    EXPECT_EQ(target.shown.first(), "SELECT * FROM People WHERE Age = '1 OR 1=1'  ORDER BY Age");
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People");
    EXPECT_EQ(filter.filterText(), "") << "what is shown is what the filter says";
    EXPECT_EQ(filter.condition(Age), "");
    EXPECT_EQ(target.column(Name).size(), 6);
}

TEST_F(DatasheetFilterTest, AColumnNameWithABlankIsQuoted)
{
    ASSERT_TRUE(run("CREATE TABLE Towns ('Home Town' varchar(20), Size int)"));
    ASSERT_TRUE(run("INSERT INTO Towns VALUES ('Leeds', 1)"));
    ASSERT_TRUE(run("INSERT INTO Towns VALUES ('York', 2)"));
    FakeFilterTarget towns(context, "Towns", {12, 4});
    towns.open();
    DatasheetFilter townFilter(towns);
    towns.record = 1;
    townFilter.filterIncluding();
    EXPECT_EQ(townFilter.filterText(), " WHERE 'Home Town' LIKE 'York*'  ORDER BY 'Home Town'");
    EXPECT_EQ(towns.column(0), QStringList({"York"}));
    townFilter.sortDescending();
    EXPECT_EQ(towns.lastShown(), "SELECT * FROM Towns WHERE 'Home Town' LIKE 'York*'  ORDER BY 'Home Town' DESC");
}

TEST_F(DatasheetFilterTest, FilterAndSortRefuseWithoutRecordsOrColumn)
{
    ASSERT_TRUE(run("CREATE TABLE Empty (Name varchar(10))"));
    FakeFilterTarget empty(context, "Empty", {12});
    empty.open();
    DatasheetFilter emptyFilter(empty);
    emptyFilter.filterIncluding();
    emptyFilter.sortAscending();
    empty.field = -1;
    emptyFilter.sortDescending();
    EXPECT_EQ(messages.texts(), QStringList({"No records avaliable to filter", "No records avaliable to navigate",
                                             "Select a valid column to sort"}));
    EXPECT_TRUE(empty.shown.isEmpty());
}

TEST_F(DatasheetFilterTest, SortingKeepsTheFilterAndReplacesItsOrder)
{
    selectPerson("Ann", City);
    target.typedText = "Smith";
    filter.filterIncluding();
    target.field = Age;
    filter.sortDescending();
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People WHERE City LIKE 'Smith*'  ORDER BY Age DESC");
    EXPECT_EQ(target.column(Name), QStringList({"Bob", "Ann"}));

    filter.removeFilter();
    filter.sortOnField(Name, true);
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People ORDER BY Name ASC");
    EXPECT_EQ(target.column(Name).first(), "' OR 1=1 --");
}

TEST_F(DatasheetFilterTest, ASortStaysThroughAFilterAndItsRemoval)
{
    target.field = Age;
    filter.sortDescending();
    EXPECT_TRUE(filter.isSorted());
    EXPECT_FALSE(filter.isFiltered());

    selectPerson("Ann", City);
    target.typedText = "Smith";
    filter.filterIncluding();
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People WHERE City LIKE 'Smith*'  ORDER BY Age DESC");
    EXPECT_EQ(target.column(Name), QStringList({"Bob", "Ann"}));
    EXPECT_TRUE(filter.isFiltered());

    filter.removeFilter();
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People ORDER BY Age DESC");
    EXPECT_EQ(target.column(Name).first(), "O'Brien");
    EXPECT_FALSE(filter.isFiltered());
    EXPECT_TRUE(filter.isSorted());

    // A statement the engine refuses leaves the base SQL alone, with no sort either.
    target.field = Age;
    target.typedText = "1 OR 1=1";
    filter.filterIncluding();
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People");
    EXPECT_FALSE(filter.isSorted());
}

TEST_F(DatasheetFilterTest, AQueryThatOrdersItselfGetsTheSortAfterItsOwnOrder)
{
    target.query = "SELECT * FROM People WHERE Age = 30 ORDER BY Age";
    ASSERT_TRUE(target.showRecordsOf(target.query));
    filter.sortOnField(Name, false);
    EXPECT_EQ(target.lastShown(), "SELECT * FROM People WHERE Age = 30 ORDER BY Age, Name DESC");
    EXPECT_EQ(target.column(Name), QStringList({"Cid", "Ann"}));

    selectPerson("Ann", Age);
    filter.filterIncluding();
    EXPECT_EQ(target.lastShown(), target.query) << "a WHERE after ORDER BY is refused";
    EXPECT_EQ(filter.filterText(), "");
}

TEST_F(DatasheetFilterTest, AHeaderTapSortsOnlyWithTheOptionAndTurnsTheOrderOver)
{
    filter.headerTapped(Age, false);
    EXPECT_TRUE(target.shown.isEmpty());
    filter.headerTapped(Age, true);
    filter.headerTapped(Age, true);
    filter.headerTapped(Name, true);
    EXPECT_EQ(target.shown, QStringList({"SELECT * FROM People ORDER BY Age ASC", "SELECT * FROM People ORDER BY Age DESC",
                                         "SELECT * FROM People ORDER BY Name ASC"}));
}

} // namespace
