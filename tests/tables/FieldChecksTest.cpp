// The checks a field makes of a value before it is written, in the one order both views share, told in
// the words of the view that asks.
#include "DatasheetFixture.h"
#include "data/OdbcType.h"
#include "tables/FieldChecks.h"

using namespace fieldtypes;

namespace {

const FieldCheckWords kWords{QStringLiteral("dup %1"), QStringLiteral("empty %1"), QStringLiteral("required %1"),
                             QStringLiteral("broken"), QStringLiteral("invalid")};

class FieldChecksTest : public DatasheetFixture {
protected:
    void SetUp() override
    {
        createTable("Items", {field("Name", kText), field("Count", kInteger)});
        ASSERT_TRUE(run("INSERT INTO Items (Name, Count) VALUES ('Ann', 1)"));
    }
    FieldVerdict check(const FieldDemands& demands, const QString& value, bool emptyChecked = true,
                       const FieldCheckWords& words = kWords)
    {
        return checkFieldValue(context, QStringLiteral("Items"), demands, value, emptyChecked, words);
    }
    static FieldDemands demands(const QString& name, int odbcType)
    {
        FieldDemands field;
        field.name = name;
        field.info.odbcType = odbcType;
        return field;
    }
};

TEST_F(FieldChecksTest, TheListSpeaksBeforeTheTypeAndUniquenessBeforeAnEmptyValue)
{
    FieldDemands count = demands("Count", odbc::Integer);
    count.list = {{"1", "2"}, {}, true};
    EXPECT_EQ(check(count, "x").message, count.list.refusal("Count", "x"));
    count.list.limitToList = false;
    EXPECT_EQ(check(count, "x").fault, FieldFault::Refused);
    EXPECT_EQ(check(count, "x").message, "Count takes a whole number from -2147483648 to 2147483647");

    FieldDemands name = demands("Name", odbc::Text);
    name.unique = name.required = true;
    EXPECT_EQ(check(name, "Ann").message, "dup Name");
    EXPECT_TRUE(check(name, "Bob").message.isEmpty());
    EXPECT_EQ(check(name, "").message, "required Name");
    // A view where uniqueness settles it does not hold a unique value to the empty-value checks.
    FieldCheckWords settling = kWords;
    settling.uniqueSettles = true;
    EXPECT_FALSE(check(name, "", true, settling).refuses());

    name.unique = false;
    name.refusesEmptyText = true;
    EXPECT_EQ(check(name, "").fault, FieldFault::EmptyText);
    EXPECT_FALSE(check(name, "", false).refuses());
}

TEST_F(FieldChecksTest, ARuleBrokenTellsTheFieldsTextAndARuleWithoutResultLetsTheValuePass)
{
    FieldDemands count = demands("Count", odbc::Integer);
    const ExprCaller caller{context, 1, 1};
    EXPECT_FALSE(checkFieldRule(caller, count, "0", 0, kWords).refuses());
    count.validationRule = ">0";
    EXPECT_FALSE(checkFieldRule(caller, count, "3", 0, kWords).refuses());
    EXPECT_EQ(checkFieldRule(caller, count, "0", 0, kWords).message, "broken");
    count.validationText = "Count must be positive";
    EXPECT_EQ(checkFieldRule(caller, count, "0", 0, kWords).message, "Count must be positive");
    count.validationRule = "> \"a\" +";
    const FieldVerdict invalid = checkFieldRule(caller, count, "3", 0, kWords);
    EXPECT_EQ(invalid.fault, FieldFault::RuleInvalid);
    EXPECT_FALSE(invalid.refuses());
    EXPECT_EQ(invalid.message, "invalid");
}

} // namespace
