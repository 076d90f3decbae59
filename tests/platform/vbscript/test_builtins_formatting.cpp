#include "test_values_support.h"

namespace vbscript {
namespace {

using namespace test_support;

const Variant omitted = Variant::fromError(DISP_E_PARAMNOTFOUND);

TEST(FormattingBuiltins, FormatNumberGroupsAndRoundsHalfAway)
{
    EXPECT_EQ(text(call("FormatNumber", {Variant(1234567.891)})), "1,234,567.89");
    EXPECT_EQ(text(call("FormatNumber", {Variant(2.675), L(2)})), "2.68");
    EXPECT_EQ(text(call("FormatNumber", {Variant(0.5), L(0)})), "1");
    EXPECT_EQ(text(call("FormatNumber", {Variant(-1.5), L(0)})), "-2");
    EXPECT_EQ(text(call("FormatNumber", {Variant(999.996)})), "1,000.00");
    EXPECT_EQ(text(call("FormatNumber", {Variant(0.5), L(2), L(0)})), ".50");
    EXPECT_EQ(text(call("FormatNumber", {Variant(-1234.5), L(1), omitted, L(-1)})), "(1,234.5)");
    EXPECT_EQ(text(call("FormatNumber", {Variant(1234.5), L(1), omitted, omitted, L(0)})), "1234.5");
    EXPECT_EQ(text(call("FormatNumber", {Variant(-0.001)})), "0.00");
    EXPECT_EQ(text(call("FormatNumber", {Variant(1e-7), L(8)})), "0.00000010");
    EXPECT_EQ(text(call("FormatNumber", {str(u"12")})), "12.00");
    EXPECT_EQ(text(call("FormatNumber", {Variant(1e20), L(0)})), "100,000,000,000,000,000,000");
    EXPECT_EQ(callError("FormatNumber", {str(u"abc")}), 13);
    EXPECT_EQ(callError("FormatNumber", {Variant(1.0), L(-3)}), 5);
}

TEST(FormattingBuiltins, CurrencyAndPercent)
{
    EXPECT_EQ(text(call("FormatCurrency", {Variant(1234.5)})), "$1,234.50");
    EXPECT_EQ(text(call("FormatCurrency", {Variant(-1234.5)})), "($1,234.50)");
    EXPECT_EQ(text(call("FormatCurrency", {Variant(-5.0), L(0), omitted, L(0)})), "-$5");
    EXPECT_EQ(text(call("FormatPercent", {Variant(0.256)})), "25.60%");
    EXPECT_EQ(text(call("FormatPercent", {Variant(-0.5), L(0)})), "-50%");
}

TEST(FormattingBuiltins, FormatDateTimeNamedFormats)
{
    const Variant moment = date(2026, 12, 7, 22, 5, 9);
    EXPECT_EQ(text(call("FormatDateTime", {moment})), "12/7/2026 10:05:09 PM");
    EXPECT_EQ(text(call("FormatDateTime", {moment, L(1)})), "Monday, December 7, 2026");
    EXPECT_EQ(text(call("FormatDateTime", {moment, L(2)})), "12/7/2026");
    EXPECT_EQ(text(call("FormatDateTime", {moment, L(3)})), "10:05:09 PM");
    EXPECT_EQ(text(call("FormatDateTime", {moment, L(4)})), "22:05");
    EXPECT_EQ(callError("FormatDateTime", {moment, L(5)}), 5);
}

} // namespace
} // namespace vbscript
