#include "test_values_support.h"

namespace vbscript {
namespace {

using namespace test_support;

TEST(MathBuiltins, RoundIsBankersRounding)
{
    EXPECT_EQ(text(call("Round", {Variant(0.5)})), "0");
    EXPECT_EQ(text(call("Round", {Variant(1.5)})), "2");
    EXPECT_EQ(text(call("Round", {Variant(2.5)})), "2");
    EXPECT_EQ(text(call("Round", {Variant(-2.5)})), "-2");
    EXPECT_EQ(text(call("Round", {Variant(1.2345), Variant(std::int16_t(2))})), "1.23");
    EXPECT_EQ(text(call("Round", {Variant(0.125), Variant(std::int16_t(2))})), "0.12");
    EXPECT_EQ(text(call("Round", {str(u"3.7")})), "4");
    EXPECT_EQ(call("Round", {Variant(2.5)}).vt(), VT_R8);
    EXPECT_EQ(call("Round", {Variant(std::int16_t(7))}).vt(), VT_I2);
    EXPECT_TRUE(call("Round", {Variant::null()}).isNull());
    EXPECT_EQ(callError("Round", {Variant(1.5), Variant(std::int16_t(-1))}), 5);
}

TEST(MathBuiltins, IntFloorsFixTruncatesAbsKeepsType)
{
    EXPECT_EQ(text(call("Int", {Variant(-1.5)})), "-2");
    EXPECT_EQ(text(call("Fix", {Variant(-1.5)})), "-1");
    EXPECT_EQ(text(call("Int", {Variant(1.9)})), "1");
    EXPECT_EQ(call("Int", {Variant(std::int32_t(5))}).vt(), VT_I4);
    const Variant absolute = call("Abs", {Variant(std::int16_t(-32768))});
    EXPECT_EQ(absolute.vt(), VT_I4);
    EXPECT_EQ(text(absolute), "32768");
    EXPECT_TRUE(call("Abs", {Variant::null()}).isNull());
    EXPECT_EQ(text(call("Abs", {Variant()})), "0");
}

TEST(MathBuiltins, DomainErrors)
{
    EXPECT_EQ(callError("Sqr", {Variant(-1.0)}), 5);
    EXPECT_EQ(callError("Log", {Variant(0.0)}), 5);
    EXPECT_EQ(callError("Exp", {Variant(1000.0)}), 6);
    EXPECT_EQ(text(call("Sqr", {Variant(16.0)})), "4");
    EXPECT_EQ(text(call("Sgn", {Variant(-0.1)})), "-1");
    EXPECT_EQ(text(call("Atn", {Variant(1.0)})), "0.785398163397448");
}

TEST(MathBuiltins, RndRepeatsForANegativeSeed)
{
    const Variant first = call("Rnd", {Variant(-1.0)});
    const Variant again = call("Rnd", {Variant(-1.0)});
    EXPECT_EQ(first.vt(), VT_R4);
    EXPECT_EQ(text(first), text(again));
    EXPECT_EQ(text(call("Rnd", {Variant(0.0)})), text(again));
    for (int i = 0; i < 100; ++i) {
        const float value = call("Rnd").r4();
        EXPECT_GE(value, 0.0f);
        EXPECT_LT(value, 1.0f);
    }
    call("Randomize", {Variant(42.0)});
    EXPECT_NE(text(call("Rnd", {Variant(-1.0)})), text(call("Rnd")));
}

TEST(MathBuiltins, HexAndOctOfNegatives)
{
    EXPECT_EQ(text(call("Hex", {Variant(std::int16_t(-1))})), "FFFF");
    EXPECT_EQ(text(call("Hex", {Variant(std::int32_t(-32769))})), "FFFF7FFF");
    EXPECT_EQ(text(call("Hex", {Variant(std::int32_t(255))})), "FF");
    EXPECT_EQ(text(call("Hex", {Variant(10.5)})), "A");
    EXPECT_EQ(text(call("Oct", {Variant(std::int16_t(-1))})), "177777");
    EXPECT_EQ(text(call("Oct", {Variant(std::int16_t(8))})), "10");
    EXPECT_EQ(text(call("Hex", {Variant()})), "0");
    EXPECT_TRUE(call("Hex", {Variant::null()}).isNull());
    EXPECT_EQ(callError("Hex", {Variant(1e10)}), 6);
}

} // namespace
} // namespace vbscript
