// The stored macro text read action by action, written from the editor's rows, and the values and
// filter conditions refused before they could corrupt it.
#include "logic/FilterCondition.h"
#include "logic/MacroActions.h"
#include "logic/MacroText.h"

#include <gtest/gtest.h>

namespace {

const QString kOrders = QStringLiteral(
    "Open Form~FormName=Orders#Edit mode=ReadWrite~Next Record~~Message~Message text=Done");

TEST(MacroTextTest, ActionsAndArgumentsAreReadInStoredOrder)
{
    QString rest = kOrders;
    QString field;
    EXPECT_EQ(NextMacroAction(rest, field), "Open Form");
    EXPECT_EQ(field, "FormName=Orders#Edit mode=ReadWrite");
    EXPECT_EQ(NextMacroArgument(field), "Orders");
    EXPECT_EQ(NextMacroArgument(field), "ReadWrite");
    EXPECT_EQ(NextMacroArgument(field), "");
    EXPECT_EQ(NextMacroAction(rest, field), "Next Record");
    EXPECT_EQ(field, "");
    EXPECT_EQ(NextMacroAction(rest, field), "Message");
    EXPECT_EQ(field, "Message text=Done");
    EXPECT_EQ(NextMacroAction(rest, field), "");

    const QList<MacroRow> rows = ReadMacroRows(kOrders);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[2].values, QStringList{"Done"});
    EXPECT_EQ(MacroStartForm(kOrders), "Orders");
    EXPECT_EQ(MacroStartForm("Next Record~"), "");
}

TEST(MacroTextTest, RowsAreWrittenSoTheyReadBackTheSame)
{
    const QList<MacroRow> rows = {{"Open Form", {"Orders", "ReadWrite"}}, {"Next Record", {}},
                                  {"If", {"Orders.Qty > 5 AND Orders.Name = \"Zoë O'Brien\""}},
                                  {"Message", {"Done"}}, {"EndIf", {}}};
    EXPECT_EQ(MacroEventText(rows), "Open Form~Next Record~If~Message~EndIf~");
    const QString arguments = MacroArgumentsText(rows);
    const QList<MacroRow> read = ReadMacroRows(arguments);
    ASSERT_EQ(read.size(), rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(read[i].action, rows[i].action);
        EXPECT_EQ(read[i].values, rows[i].values);
    }
    // A macro of Next Record alone.
    EXPECT_EQ(MacroEventText({{"Next Record", {}}}), "Next Record~");
    EXPECT_EQ(MacroArgumentsText({{"Next Record", {}}}), "Next Record~");
}

TEST(MacroTextTest, ATildeWrittenElsewhereShiftsTheActionsAndIsRefusedAtEntry)
{
    // A row written by another program with a ~ in its message: the rest of the text reads as actions.
    const QList<MacroRow> read = ReadMacroRows("Message~Message text=a~b~Next Record~");
    ASSERT_EQ(read.size(), 2);
    EXPECT_EQ(read[0].values, QStringList{"a"});
    EXPECT_EQ(read[1].action, "b");

    EXPECT_FALSE(MacroValueRefusal("Message", 0, "a~b").isEmpty());
    EXPECT_FALSE(MacroValueRefusal("If", 0, "#1/2/2020#").isEmpty());
    // An = is harmless in the last argument only.
    EXPECT_TRUE(MacroValueRefusal("If", 0, "Orders.Qty = 5").isEmpty());
    EXPECT_TRUE(MacroValueRefusal("Set Field Value", 1, "Orders.Qty = 5").isEmpty());
    EXPECT_FALSE(MacroValueRefusal("Set Field Value", 0, "a=b").isEmpty());
    EXPECT_TRUE(MacroValueRefusal("Set Field Value", 0, "Zoë O'Brien").isEmpty());
}

TEST(MacroTextTest, EveryActionHasItsLabels)
{
    ASSERT_EQ(macroActions().size(), 24u);
    EXPECT_EQ(macroActions()[17].labels.size(), 6);
    EXPECT_EQ(findMacroAction("EndIf")->description, "EndIf");
    EXPECT_EQ(findMacroAction("next record"), nullptr);
}

TEST(FilterConditionTest, OnlyOneConditionIsAccepted)
{
    EXPECT_TRUE(FilterConditionRefusal("City = 'Oslo' AND Age > 30").isEmpty());
    EXPECT_TRUE(FilterConditionRefusal("Name = 'O''Brien; DROP'").isEmpty());
    EXPECT_TRUE(FilterConditionRefusal("(Age > 3) OR (City LIKE 'L*')").isEmpty());
    EXPECT_FALSE(FilterConditionRefusal("").isEmpty());
    EXPECT_FALSE(FilterConditionRefusal("Age > 3; DELETE FROM Customers").isEmpty());
    EXPECT_FALSE(FilterConditionRefusal("Age > 3) OR (1 = 1").isEmpty());
    EXPECT_FALSE(FilterConditionRefusal("Name = 'Ann").isEmpty());
    EXPECT_FALSE(FilterConditionRefusal("Age > 3 ORDER BY Name").isEmpty());
    EXPECT_FALSE(FilterConditionRefusal("Age IN (SELECT Age FROM Other)").isEmpty());
    EXPECT_FALSE(FilterConditionRefusal("Age > 3 -- rest").isEmpty());
}

} // namespace
