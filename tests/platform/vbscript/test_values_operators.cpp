#include "platform/vbscript/Operators.h"

#include "test_values_support.h"

namespace vbscript {
namespace {

using namespace test_support;

Variant I(std::int16_t v) { return Variant(v); }

TEST(ValueArithmetic, IntegersWidenInsteadOfOverflowing)
{
    const Variant sum = binaryOp(BinaryOp::Add, I(32767), I(1));
    EXPECT_EQ(sum.vt(), VT_I4);
    EXPECT_EQ(sum.i4(), 32768);
    EXPECT_EQ(binaryOp(BinaryOp::Add, I(1), I(2)).vt(), VT_I2);
    const Variant product = binaryOp(BinaryOp::Mul, L(2147483647), I(2));
    EXPECT_EQ(product.vt(), VT_R8);
    EXPECT_EQ(text(product), "4294967294");
    EXPECT_EQ(binaryOp(BinaryOp::Sub, L(-2147483647), I(1)).vt(), VT_I4);
    EXPECT_EQ(binaryOp(BinaryOp::Sub, L(-2147483647 - 1), I(1)).vt(), VT_R8);
    EXPECT_EQ(negate(I(-32768)).vt(), VT_I4);
    EXPECT_EQ(negate(L(-2147483647 - 1)).vt(), VT_R8);
}

TEST(ValueArithmetic, NullPropagatesAndEmptyIsZero)
{
    EXPECT_TRUE(binaryOp(BinaryOp::Add, Variant::null(), I(1)).isNull());
    EXPECT_TRUE(binaryOp(BinaryOp::Div, I(1), Variant::null()).isNull());
    EXPECT_TRUE(negate(Variant::null()).isNull());
    const Variant emptySum = binaryOp(BinaryOp::Add, Variant(), Variant());
    EXPECT_EQ(emptySum.vt(), VT_I2);
    EXPECT_EQ(emptySum.i2(), 0);
    EXPECT_EQ(text(binaryOp(BinaryOp::Add, Variant(), str(u"abc"))), "abc");
    EXPECT_EQ(text(binaryOp(BinaryOp::Mul, Variant(), I(5))), "0");
}

TEST(ValueArithmetic, BooleansCountAsMinusOne)
{
    const Variant twoTrues = binaryOp(BinaryOp::Add, Variant(true), Variant(true));
    EXPECT_EQ(twoTrues.vt(), VT_I2);
    EXPECT_EQ(twoTrues.i2(), -2);
    EXPECT_EQ(text(negate(Variant(true))), "1");
}

TEST(ValueArithmetic, PlusJoinsTextsButAddsTextToNumber)
{
    EXPECT_EQ(text(binaryOp(BinaryOp::Add, str(u"1"), str(u"2"))), "12");
    const Variant sum = binaryOp(BinaryOp::Add, str(u"1"), I(2));
    EXPECT_EQ(sum.vt(), VT_R8);
    EXPECT_EQ(text(sum), "3");
    EXPECT_EQ(errorOf([] { binaryOp(BinaryOp::Add, str(u"abc"), I(1)); }), 13);
    EXPECT_EQ(text(binaryOp(BinaryOp::Sub, str(u"10"), str(u"4"))), "6");
}

TEST(ValueArithmetic, DivisionAndItsErrors)
{
    const Variant half = binaryOp(BinaryOp::Div, I(1), I(2));
    EXPECT_EQ(half.vt(), VT_R8);
    EXPECT_EQ(text(half), "0.5");
    EXPECT_EQ(errorOf([] { binaryOp(BinaryOp::Div, I(1), I(0)); }), 11);
    EXPECT_EQ(errorOf([] { binaryOp(BinaryOp::Div, I(0), I(0)); }), 6);
    EXPECT_EQ(errorOf([] { binaryOp(BinaryOp::IntDiv, I(1), Variant()); }), 11);
    EXPECT_EQ(errorOf([] { binaryOp(BinaryOp::Mod, I(1), I(0)); }), 11);
}

TEST(ValueArithmetic, IntegerDivisionAndModRoundOperandsHalfToEven)
{
    EXPECT_EQ(text(binaryOp(BinaryOp::IntDiv, Variant(7.5), I(2))), "4");   // 8 \ 2
    EXPECT_EQ(text(binaryOp(BinaryOp::IntDiv, Variant(6.5), I(2))), "3");   // 6 \ 2
    EXPECT_EQ(text(binaryOp(BinaryOp::IntDiv, I(-7), I(2))), "-3");
    EXPECT_EQ(text(binaryOp(BinaryOp::Mod, Variant(5.5), I(4))), "2");     // 6 Mod 4
    EXPECT_EQ(text(binaryOp(BinaryOp::Mod, I(-7), I(3))), "-1");
    EXPECT_EQ(binaryOp(BinaryOp::IntDiv, I(7), I(2)).vt(), VT_I2);
    EXPECT_EQ(binaryOp(BinaryOp::Mod, Variant(7.0), I(2)).vt(), VT_I4);
    EXPECT_EQ(errorOf([] { binaryOp(BinaryOp::IntDiv, Variant(3e10), I(2)); }), 6);
}

TEST(ValueArithmetic, PowerIsDouble)
{
    const Variant cube = binaryOp(BinaryOp::Pow, I(2), I(3));
    EXPECT_EQ(cube.vt(), VT_R8);
    EXPECT_EQ(text(cube), "8");
    EXPECT_EQ(errorOf([] { binaryOp(BinaryOp::Pow, I(-8), Variant(0.5)); }), 5);
}

TEST(ValueArithmetic, DatesMoveByDaysAndSubtractToDays)
{
    const Variant christmas = date(2026, 12, 25);
    const Variant later = binaryOp(BinaryOp::Add, christmas, I(7));
    EXPECT_EQ(later.vt(), VT_DATE);
    EXPECT_EQ(text(later), "1/1/2027");
    const Variant span = binaryOp(BinaryOp::Sub, later, christmas);
    EXPECT_EQ(span.vt(), VT_R8);
    EXPECT_EQ(text(span), "7");
    EXPECT_EQ(text(binaryOp(BinaryOp::Sub, christmas, Variant(0.5))), "12/24/2026 12:00:00 PM");
}

TEST(ValueConcatenation, NullIsEmptyTextUnlessBothAreNull)
{
    EXPECT_EQ(text(binaryOp(BinaryOp::Concat, str(u"a"), Variant::null())), "a");
    EXPECT_TRUE(binaryOp(BinaryOp::Concat, Variant::null(), Variant::null()).isNull());
    EXPECT_EQ(text(binaryOp(BinaryOp::Concat, Variant(true), I(1))), "True1");
    EXPECT_EQ(text(binaryOp(BinaryOp::Concat, Variant(1.5), Variant())), "1.5");
    EXPECT_EQ(text(binaryOp(BinaryOp::Concat, Variant(1e20), Variant(1e-5))), "1E+201E-05");
}

TEST(ValueComparison, NumbersBeforeTextsUnlessOneSideIsALiteral)
{
    EXPECT_EQ(text(binaryOp(BinaryOp::Lt, I(10), str(u"9"))), "True");
    EXPECT_EQ(text(binaryOp(BinaryOp::Eq, I(1), str(u"1"))), "False");
    EXPECT_EQ(text(compare(BinaryOp::Eq, I(1), str(u"1"), LiteralSide::Right)), "True");
    EXPECT_EQ(text(compare(BinaryOp::Lt, str(u"10"), I(9), LiteralSide::Right)), "False");
    EXPECT_EQ(text(compare(BinaryOp::Lt, I(10), str(u"9"), LiteralSide::Right)), "True");   // "10" < "9"
    EXPECT_EQ(errorOf([] { compare(BinaryOp::Eq, str(u"abc"), I(1), LiteralSide::Right); }), 13);
}

TEST(ValueComparison, EmptyNullTextsAndDates)
{
    EXPECT_EQ(text(binaryOp(BinaryOp::Eq, Variant(), I(0))), "True");
    EXPECT_EQ(text(binaryOp(BinaryOp::Eq, Variant(), str(u""))), "True");
    EXPECT_TRUE(binaryOp(BinaryOp::Eq, Variant::null(), Variant::null()).isNull());
    EXPECT_EQ(text(binaryOp(BinaryOp::Lt, str(u"B"), str(u"a"))), "True");   // binary order
    EXPECT_EQ(text(binaryOp(BinaryOp::Gt, date(2026, 1, 2), date(2026, 1, 1))), "True");
    EXPECT_EQ(text(binaryOp(BinaryOp::Eq, Variant(true), I(-1))), "True");
}

TEST(ValueComparison, SelectCaseOrdering)
{
    EXPECT_EQ(compareForSelect(I(3), Variant(3.0)), 0);
    EXPECT_EQ(compareForSelect(str(u"a"), str(u"b")), -1);
    EXPECT_EQ(compareForSelect(Variant::null(), I(1)), Unordered);
}

TEST(ValueLogic, BooleansStayLogicalNumbersAreBitwise)
{
    EXPECT_EQ(text(binaryOp(BinaryOp::And, Variant(true), Variant(false))), "False");
    EXPECT_EQ(binaryOp(BinaryOp::And, Variant(true), Variant(true)).vt(), VT_BOOL);
    EXPECT_EQ(text(binaryOp(BinaryOp::And, I(12), I(10))), "8");
    EXPECT_EQ(text(binaryOp(BinaryOp::Or, I(12), I(3))), "15");
    EXPECT_EQ(text(binaryOp(BinaryOp::Xor, I(12), I(10))), "6");
    EXPECT_EQ(text(binaryOp(BinaryOp::Eqv, I(0), I(0))), "-1");
    EXPECT_EQ(text(binaryOp(BinaryOp::Imp, Variant(true), Variant(false))), "False");
    EXPECT_EQ(text(binaryOp(BinaryOp::And, Variant(true), I(5))), "5");
    EXPECT_EQ(text(binaryOp(BinaryOp::And, Variant(2.5), I(3))), "2");      // 2.5 rounds to 2
    EXPECT_EQ(text(notOp(I(0))), "-1");
    EXPECT_EQ(text(notOp(Variant(true))), "False");
    EXPECT_EQ(notOp(Variant()).vt(), VT_I2);
    EXPECT_EQ(text(notOp(Variant::fromByte(1))), "254");
    EXPECT_EQ(errorOf([] { notOp(str(u"x")); }), 13);
}

TEST(ValueLogic, NullIsUnknown)
{
    const Variant null = Variant::null();
    EXPECT_EQ(text(binaryOp(BinaryOp::And, null, Variant(false))), "False");
    EXPECT_TRUE(binaryOp(BinaryOp::And, null, Variant(true)).isNull());
    EXPECT_EQ(text(binaryOp(BinaryOp::Or, Variant(true), null)), "True");
    EXPECT_TRUE(binaryOp(BinaryOp::Or, Variant(false), null).isNull());
    EXPECT_EQ(text(binaryOp(BinaryOp::Imp, Variant(false), null)), "True");
    EXPECT_EQ(text(binaryOp(BinaryOp::Imp, null, Variant(true))), "True");
    EXPECT_TRUE(binaryOp(BinaryOp::Imp, Variant(true), null).isNull());
    EXPECT_TRUE(binaryOp(BinaryOp::Xor, null, Variant(true)).isNull());
    EXPECT_TRUE(notOp(null).isNull());
}

TEST(ValueConditions, TruthOfEachKind)
{
    EXPECT_TRUE(isTrue(I(2)));
    EXPECT_FALSE(isTrue(Variant()));
    EXPECT_TRUE(isTrue(str(u"true")));
    EXPECT_TRUE(isTrue(str(u"-1")));
    EXPECT_EQ(errorOf([] { isTrue(str(u"yes")); }), 13);
    EXPECT_FALSE(isTrue(Variant::null()));
    EXPECT_FALSE(isTrue(binaryOp(BinaryOp::Ne, Variant::null(), I(1))));
}

} // namespace
} // namespace vbscript
