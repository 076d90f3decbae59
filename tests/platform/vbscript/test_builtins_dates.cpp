#include "test_values_support.h"

#include <cmath>

namespace vbscript {
namespace {

using namespace test_support;

TEST(DateBuiltins, DateAddKeepsTheDayUnlessTheMonthIsShorter)
{
    EXPECT_EQ(text(call("DateAdd", {str(u"m"), L(1), date(2026, 1, 31)})), "2/28/2026");
    EXPECT_EQ(text(call("DateAdd", {str(u"m"), L(1), date(2024, 1, 31)})), "2/29/2024");
    EXPECT_EQ(text(call("DateAdd", {str(u"yyyy"), L(1), date(2024, 2, 29)})), "2/28/2025");
    EXPECT_EQ(text(call("DateAdd", {str(u"q"), L(-1), date(2026, 5, 31)})), "2/28/2026");
    EXPECT_EQ(text(call("DateAdd", {str(u"M"), L(-13), date(2026, 3, 15, 10, 30)})), "2/15/2025 10:30:00 AM");
    EXPECT_EQ(text(call("DateAdd", {str(u"d"), Variant(1.5), date(2026, 12, 31)})), "1/2/2027");
    EXPECT_EQ(text(call("DateAdd", {str(u"ww"), L(1), str(u"12/7/2026")})), "12/14/2026");
    EXPECT_EQ(text(call("DateAdd", {str(u"h"), L(-1), date(2026, 1, 1)})), "12/31/2025 11:00:00 PM");
    EXPECT_EQ(text(call("DateAdd", {str(u"n"), L(90), date(1899, 12, 29, 23)})), "12:30:00 AM");
    EXPECT_EQ(callError("DateAdd", {str(u"x"), L(1), date(2026, 1, 1)}), 5);
    EXPECT_EQ(callError("DateAdd", {str(u"yyyy"), L(-2000), date(2026, 1, 1)}), 5);
    EXPECT_TRUE(call("DateAdd", {str(u"d"), L(1), Variant::null()}).isNull());
}

TEST(DateBuiltins, DateDiffCountsBoundariesCrossed)
{
    EXPECT_EQ(text(call("DateDiff", {str(u"d"), date(2026, 1, 1, 23), date(2026, 1, 2, 1)})), "1");
    EXPECT_EQ(text(call("DateDiff", {str(u"h"), date(2026, 1, 1, 1, 59), date(2026, 1, 1, 2, 0)})), "1");
    EXPECT_EQ(text(call("DateDiff", {str(u"yyyy"), date(2025, 12, 31), date(2026, 1, 1)})), "1");
    EXPECT_EQ(text(call("DateDiff", {str(u"m"), date(2026, 3, 31), date(2026, 1, 1)})), "-2");
    EXPECT_EQ(text(call("DateDiff", {str(u"q"), date(2026, 3, 31), date(2026, 4, 1)})), "1");
    EXPECT_EQ(text(call("DateDiff", {str(u"s"), date(2026, 1, 1), date(2026, 1, 1, 0, 1, 1)})), "61");
    EXPECT_EQ(text(call("DateDiff", {str(u"w"), date(2026, 12, 7), date(2026, 12, 20)})), "1");
    // From Saturday to the next day: one Sunday crossed, none when weeks start on Monday.
    EXPECT_EQ(text(call("DateDiff", {str(u"ww"), date(2026, 12, 5), date(2026, 12, 6)})), "1");
    EXPECT_EQ(text(call("DateDiff", {str(u"ww"), date(2026, 12, 5), date(2026, 12, 6), L(2)})), "0");
}

TEST(DateBuiltins, DatePartAndWeeks)
{
    const Variant day = date(2026, 12, 7, 22, 30, 15);     // a Monday
    EXPECT_EQ(text(call("DatePart", {str(u"yyyy"), day})), "2026");
    EXPECT_EQ(text(call("DatePart", {str(u"q"), day})), "4");
    EXPECT_EQ(text(call("DatePart", {str(u"y"), day})), "341");
    EXPECT_EQ(text(call("DatePart", {str(u"w"), day})), "2");
    EXPECT_EQ(text(call("DatePart", {str(u"w"), day, L(2)})), "1");
    EXPECT_EQ(text(call("DatePart", {str(u"n"), day})), "30");
    EXPECT_EQ(text(call("DatePart", {str(u"ww"), date(2026, 1, 1)})), "1");
    EXPECT_EQ(text(call("DatePart", {str(u"ww"), date(2026, 1, 4)})), "2");            // 1/1/2026 is a Thursday
    EXPECT_EQ(text(call("DatePart", {str(u"ww"), date(2026, 1, 4), L(2), L(2)})), "1"); // four-day rule
    EXPECT_EQ(text(call("DatePart", {str(u"ww"), date(2027, 1, 1), L(2), L(3)})), "52"); // before week 1
}

TEST(DateBuiltins, SerialsNormaliseOutOfRangeParts)
{
    EXPECT_EQ(text(call("DateSerial", {L(2026), L(13), L(1)})), "1/1/2027");
    EXPECT_EQ(text(call("DateSerial", {L(2026), L(3), L(0)})), "2/28/2026");
    EXPECT_EQ(text(call("DateSerial", {L(2026), L(-1), L(1)})), "11/1/2025");
    EXPECT_EQ(text(call("DateSerial", {L(26), L(1), L(1)})), "1/1/2026");
    EXPECT_EQ(text(call("DateSerial", {L(99), L(1), L(1)})), "1/1/1999");
    EXPECT_EQ(callError("DateSerial", {L(10000), L(1), L(1)}), 5);
    EXPECT_EQ(text(call("TimeSerial", {L(14), L(90), L(0)})), "3:30:00 PM");
    EXPECT_EQ(text(call("TimeSerial", {L(0), L(0), L(-1)})), "12/29/1899 11:59:59 PM");
    EXPECT_EQ(text(call("DateValue", {str(u"12/7/2026 10:30 PM")})), "12/7/2026");
    EXPECT_EQ(text(call("TimeValue", {str(u"12/7/2026 10:30 PM")})), "10:30:00 PM");
}

TEST(DateBuiltins, PartsAndNames)
{
    const Variant day = date(2026, 12, 7, 22, 30, 15);
    EXPECT_EQ(text(call("Year", {day})), "2026");
    EXPECT_EQ(text(call("Month", {str(u"Dec 7, 2026")})), "12");
    EXPECT_EQ(text(call("Day", {day})), "7");
    EXPECT_EQ(text(call("Hour", {day})), "22");
    EXPECT_EQ(text(call("Second", {day})), "15");
    EXPECT_EQ(text(call("Weekday", {day})), "2");
    EXPECT_EQ(text(call("Weekday", {day, L(2)})), "1");
    EXPECT_TRUE(call("Year", {Variant::null()}).isNull());
    EXPECT_EQ(callError("Year", {str(u"someday")}), 13);
    EXPECT_EQ(text(call("MonthName", {L(2)})), "February");
    EXPECT_EQ(text(call("MonthName", {L(9), Variant(true)})), "Sep");
    EXPECT_EQ(callError("MonthName", {L(13)}), 5);
    EXPECT_EQ(text(call("WeekdayName", {L(1)})), "Sunday");
    EXPECT_EQ(text(call("WeekdayName", {L(1), Variant(true), L(2)})), "Mon");
    EXPECT_EQ(text(call("WeekdayName", {L(7), Variant(false), L(2)})), "Sunday");
}

TEST(DateBuiltins, ClockFunctionsAgree)
{
    const double now = call("Now").date();
    EXPECT_EQ(call("Date").date(), std::floor(now));
    const double time = call("Time").date();
    EXPECT_GE(time, 0.0);
    EXPECT_LT(time, 1.0);
    EXPECT_EQ(call("Timer").vt(), VT_R4);
}

} // namespace
} // namespace vbscript
