#include "platform/automation/variant.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

using automation::formatDate;
using automation::formatDouble;

double date(const char* text)
{
    double value = -1e9;
    EXPECT_TRUE(automation::parseDate(QString::fromLatin1(text), value)) << text;
    return value;
}

double serial(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    double value = 0;
    EXPECT_TRUE(automation::fromDateParts(year, month, day, hour, minute, second, value));
    return value;
}

TEST(DoubleText, FifteenSignificantDigitsWithoutTrailingZeros)
{
    EXPECT_EQ(formatDouble(0), "0");
    EXPECT_EQ(formatDouble(-0.0), "0");
    EXPECT_EQ(formatDouble(12), "12");
    EXPECT_EQ(formatDouble(-1.5), "-1.5");
    EXPECT_EQ(formatDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatDouble(123456789012345.0), "123456789012345");
    EXPECT_EQ(formatDouble(1e15), "1E+15");
    EXPECT_EQ(formatDouble(1e20), "1E+20");
    EXPECT_EQ(formatDouble(1.5e-5), "1.5E-05");
    EXPECT_EQ(formatDouble(0.0001), "0.0001");
    EXPECT_EQ(formatDouble(2.0 / 3.0), "0.666666666666667");
}

TEST(DateText, DateAloneTimeAloneOrBoth)
{
    EXPECT_EQ(formatDate(0), "12:00:00 AM");
    EXPECT_EQ(formatDate(0.5), "12:00:00 PM");
    EXPECT_EQ(formatDate(0.75), "6:00:00 PM");
    EXPECT_EQ(formatDate(1), "12/31/1899");
    EXPECT_EQ(formatDate(serial(2026, 12, 7)), "12/7/2026");
    EXPECT_EQ(formatDate(serial(2026, 1, 2, 10, 5, 9)), "1/2/2026 10:05:09 AM");
    EXPECT_EQ(formatDate(serial(2026, 1, 2, 23, 59, 59)), "1/2/2026 11:59:59 PM");
    // Before the epoch the fraction still counts forwards from midnight.
    EXPECT_EQ(formatDate(-1.25), "12/29/1899 6:00:00 AM");
    EXPECT_EQ(formatDate(serial(1800, 3, 1, 13, 0, 0)), "3/1/1800 1:00:00 PM");
    // A time that rounds up to midnight moves to the next day.
    EXPECT_EQ(formatDate(1.9999999), "1/1/1900");
}

TEST(DateParts, RoundTripAndRangeChecks)
{
    EXPECT_EQ(serial(1899, 12, 30), 0.0);
    EXPECT_EQ(serial(1900, 1, 1), 2.0);
    EXPECT_EQ(serial(100, 1, 1), -657434.0);
    EXPECT_EQ(serial(9999, 12, 31), 2958465.0);
    double value = 0;
    EXPECT_FALSE(automation::fromDateParts(99, 12, 31, 0, 0, 0, value));
    EXPECT_FALSE(automation::fromDateParts(2026, 2, 29, 0, 0, 0, value));
    EXPECT_FALSE(automation::fromDateParts(2026, 1, 1, 24, 0, 0, value));
    const automation::DateParts parts = automation::toDateParts(serial(2026, 12, 7, 14, 30, 15));
    EXPECT_EQ(parts.year, 2026);
    EXPECT_EQ(parts.month, 12);
    EXPECT_EQ(parts.day, 7);
    EXPECT_EQ(parts.hour, 14);
    EXPECT_EQ(parts.minute, 30);
    EXPECT_EQ(parts.second, 15);
    EXPECT_EQ(parts.weekday, 2); // a Monday
}

TEST(DateParsing, AcceptsTheUsualWritings)
{
    const double dec7 = serial(2026, 12, 7);
    EXPECT_EQ(date("12/7/2026"), dec7);
    EXPECT_EQ(date(" 12/07/2026 "), dec7);
    EXPECT_EQ(date("2026-12-07"), dec7);
    EXPECT_EQ(date("Dec 7, 2026"), dec7);
    EXPECT_EQ(date("December 7 2026"), dec7);
    EXPECT_EQ(date("7 dec 2026"), dec7);
    EXPECT_EQ(date("Monday, December 7, 2026"), dec7);
    EXPECT_EQ(date("12-7-26"), dec7);
    EXPECT_EQ(date("31/12/2026"), serial(2026, 12, 31));
    EXPECT_EQ(date("12/7/45"), serial(1945, 12, 7));
    EXPECT_EQ(date("12/7"), serial(QDate::currentDate().year(), 12, 7));
    EXPECT_EQ(date("12/7/2026 10:30:00 PM"), serial(2026, 12, 7, 22, 30, 0));
    EXPECT_EQ(date("10:30 PM 12/7/2026"), serial(2026, 12, 7, 22, 30, 0));
}

TEST(DateParsing, TimesAloneHaveNoDatePart)
{
    EXPECT_DOUBLE_EQ(date("10:30"), (10 * 60 + 30) / 1440.0);
    EXPECT_DOUBLE_EQ(date("10:30 PM"), (22 * 60 + 30) / 1440.0);
    EXPECT_DOUBLE_EQ(date("12:00:00 AM"), 0.0);
    EXPECT_DOUBLE_EQ(date("12 pm"), 0.5);
    EXPECT_DOUBLE_EQ(date("23:59:59"), 86399 / 86400.0);
}

TEST(DateParsing, RefusesWhatIsNoDate)
{
    double value = 0;
    for (const char* text : {"", "abc", "12", "2/30/2026", "13/13/2026", "25:00", "10:61", "13:00 PM", "1/2/3/4",
                             "Dec 7 Jan 2026", "12/7/2026 10:30 10:40", "12/7/99999", "1/1/0099 x"})
        EXPECT_FALSE(automation::parseDate(QString::fromLatin1(text), value)) << text;
}

TEST(NumberParsing, AcceptsBlanksSignsDecimalsExponentsAndRadixes)
{
    double value = 0;
    const std::pair<const char*, double> good[] = {
        {"12", 12},     {" 12 ", 12},   {"\t-3", -3},    {"+4.", 4},       {".5", 0.5},       {"1.5", 1.5},
        {"1e3", 1000},  {"2D-2", 0.02}, {"1,234.5", 1234.5}, {"&H10", 16}, {"&hFFFF", -1},    {"&H10000", 65536},
        {"&O17", 15}};
    for (const auto& [text, expected] : good) {
        ASSERT_TRUE(automation::parseNumber(QString::fromLatin1(text), value)) << text;
        EXPECT_DOUBLE_EQ(value, expected) << text;
    }
    for (const char* text : {"", " ", "-", ".", "1e", "1.2.3", ",1", "12 3", "abc", "&H", "&HG", "&X1", "1$"})
        EXPECT_FALSE(automation::parseNumber(QString::fromLatin1(text), value)) << text;
}

TEST(BoolParsing, TrueFalseNumbersAndEngineWords)
{
    bool value = false;
    for (const char* text : {"True", "TRUE", " true ", "-1", "2.5", "yes", "On"}) {
        value = false;
        ASSERT_TRUE(automation::parseBool(QString::fromLatin1(text), value)) << text;
        EXPECT_TRUE(value) << text;
    }
    for (const char* text : {"False", "0", "no", "OFF"}) {
        value = true;
        ASSERT_TRUE(automation::parseBool(QString::fromLatin1(text), value)) << text;
        EXPECT_FALSE(value) << text;
    }
    EXPECT_FALSE(automation::parseBool(QStringLiteral("Truee"), value));
    EXPECT_FALSE(automation::parseBool(QString(), value));
}

} // namespace
