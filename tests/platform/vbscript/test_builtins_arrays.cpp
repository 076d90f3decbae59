#include "test_values_support.h"

namespace vbscript {
namespace {

using namespace test_support;

using Texts = std::vector<std::string>;

Texts elements(const Variant& array)
{
    Texts texts;
    for (const Variant& element : array.array().elements)
        texts.push_back(text(element));
    return texts;
}

TEST(ArrayBuiltins, SplitLimitsAndCompares)
{
    EXPECT_EQ(elements(call("Split", {str(u"a b  c")})), Texts({"a", "b", "", "c"}));
    EXPECT_EQ(elements(call("Split", {str(u"a,b,c,d"), str(u","), L(2)})), Texts({"a", "b,c,d"}));
    EXPECT_EQ(elements(call("Split", {str(u"aXbxc"), str(u"x"), L(-1), L(1)})), Texts({"a", "b", "c"}));
    EXPECT_EQ(elements(call("Split", {str(u"abc"), str(u"")})), Texts({"abc"}));
    EXPECT_EQ(elements(call("Split", {str(u"a,"), str(u",")})), Texts({"a", ""}));
    const Variant none = call("Split", {str(u"")});
    EXPECT_EQ(text(call("UBound", {none})), "-1");
    EXPECT_EQ(text(call("LBound", {none})), "0");
    EXPECT_EQ(callError("Split", {Variant::null()}), 94);
    EXPECT_EQ(callError("Split", {str(u"a"), str(u","), L(-2)}), 5);
}

TEST(ArrayBuiltins, JoinAndFilter)
{
    const Variant list = call("Array", {str(u"apple"), Variant(std::int16_t(2)), Variant(true), str(u"Pear")});
    EXPECT_EQ(text(call("Join", {list})), "apple 2 True Pear");
    EXPECT_EQ(text(call("Join", {list, str(u"")})), "apple2TruePear");
    EXPECT_EQ(elements(call("Filter", {list, str(u"p")})), Texts({"apple"}));
    EXPECT_EQ(elements(call("Filter", {list, str(u"p"), Variant(true), L(1)})), Texts({"apple", "Pear"}));
    EXPECT_EQ(elements(call("Filter", {list, str(u"p"), Variant(false)})), Texts({"2", "True", "Pear"}));
    EXPECT_EQ(text(call("UBound", {call("Filter", {list, str(u"zzz")})})), "-1");
    EXPECT_EQ(callError("Join", {str(u"a b")}), 13);
    EXPECT_EQ(callError("Filter", {Variant::null(), str(u"a")}), 94);
}

TEST(ArrayBuiltins, BoundsPerDimension)
{
    const Variant grid(SafeArray::create({{0, 3}, {1, 5}}));
    EXPECT_EQ(text(call("UBound", {grid})), "2");
    EXPECT_EQ(text(call("LBound", {grid, L(2)})), "1");
    EXPECT_EQ(text(call("UBound", {grid, L(2)})), "5");
    EXPECT_EQ(callError("UBound", {grid, L(3)}), 9);
    EXPECT_EQ(callError("UBound", {grid, L(0)}), 9);
    EXPECT_EQ(callError("LBound", {str(u"x")}), 13);
    EXPECT_EQ(callError("Join", {grid}), 13);
    EXPECT_EQ(text(call("UBound", {call("Array")})), "-1");
}

} // namespace
} // namespace vbscript
