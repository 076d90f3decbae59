#include "test_values_support.h"

namespace vbscript {
namespace {

using namespace test_support;

TEST(StringBuiltins, InStrWithStartAndCompare)
{
    EXPECT_EQ(text(call("InStr", {str(u"This is a day"), str(u"is")})), "3");
    EXPECT_EQ(text(call("InStr", {L(4), str(u"This is a day"), str(u"is")})), "6");
    EXPECT_EQ(text(call("InStr", {L(1), str(u"ABC"), str(u"b")})), "0");
    EXPECT_EQ(text(call("InStr", {L(1), str(u"ABC"), str(u"b"), L(1)})), "2");
    EXPECT_EQ(text(call("InStr", {str(u"abc"), str(u"")})), "1");
    EXPECT_EQ(text(call("InStr", {str(u""), str(u"a")})), "0");
    EXPECT_EQ(text(call("InStr", {L(9), str(u"abc"), str(u"c")})), "0");
    EXPECT_EQ(text(call("InStr", {Variant::null(), str(u"a")})), "Null");
    EXPECT_EQ(callError("InStr", {L(0), str(u"abc"), str(u"c")}), 5);
    EXPECT_EQ(callError("InStr", {Variant::null(), str(u"abc"), str(u"c")}), 94);
}

TEST(StringBuiltins, InStrRevSearchesBackwardsFromStart)
{
    EXPECT_EQ(text(call("InStrRev", {str(u"a-b-c"), str(u"-")})), "4");
    EXPECT_EQ(text(call("InStrRev", {str(u"a-b-c"), str(u"-"), L(3)})), "2");
    EXPECT_EQ(text(call("InStrRev", {str(u"a-b-c"), str(u"B"), L(-1), L(1)})), "3");
    EXPECT_EQ(text(call("InStrRev", {str(u"abc"), str(u"abc"), L(2)})), "0");
    EXPECT_EQ(callError("InStrRev", {str(u"abc"), str(u"a"), L(0)}), 5);
}

TEST(StringBuiltins, MidLeftRightEdges)
{
    EXPECT_EQ(text(call("Mid", {str(u"Hello"), L(2), L(3)})), "ell");
    EXPECT_EQ(text(call("Mid", {str(u"Hello"), L(4)})), "lo");
    EXPECT_EQ(text(call("Mid", {str(u"Hello"), L(9)})), "");
    EXPECT_EQ(text(call("Mid", {str(u"Hello"), L(2), L(99)})), "ello");
    EXPECT_EQ(text(call("Mid", {Variant::null(), L(1)})), "Null");
    EXPECT_EQ(callError("Mid", {str(u"Hello"), L(0)}), 5);
    EXPECT_EQ(callError("Mid", {str(u"Hello"), L(1), L(-1)}), 5);
    EXPECT_EQ(text(call("Left", {str(u"Hello"), L(9)})), "Hello");
    EXPECT_EQ(text(call("Right", {Variant(12345), L(2)})), "45");
    EXPECT_EQ(callError("Left", {str(u"Hello"), L(-1)}), 5);
    EXPECT_EQ(callError("Right", {str(u"Hello"), Variant::null()}), 94);
}

TEST(StringBuiltins, ReplaceStartsTheResultAtStart)
{
    EXPECT_EQ(text(call("Replace", {str(u"aXbXc"), str(u"X"), str(u"--")})), "a--b--c");
    EXPECT_EQ(text(call("Replace", {str(u"aXbXc"), str(u"x"), str(u"-"), L(1), L(-1), L(1)})), "a-b-c");
    EXPECT_EQ(text(call("Replace", {str(u"aXbXc"), str(u"X"), str(u"-"), L(3)})), "b-c");
    EXPECT_EQ(text(call("Replace", {str(u"aXbXc"), str(u"X"), str(u"-"), L(1), L(1)})), "a-bXc");
    EXPECT_EQ(text(call("Replace", {str(u"abc"), str(u""), str(u"-")})), "abc");
    EXPECT_EQ(text(call("Replace", {str(u"abc"), str(u"b"), str(u"")})), "ac");
    EXPECT_EQ(text(call("Replace", {str(u"abc"), str(u"b"), str(u"x"), L(4)})), "");
    EXPECT_EQ(callError("Replace", {Variant::null(), str(u"b"), str(u"x")}), 94);
}

TEST(StringBuiltins, CharacterCodesFollowTheAnsiPage)
{
    EXPECT_EQ(text(call("Asc", {str(u"Apple")})), "65");
    EXPECT_EQ(text(call("Asc", {str(u"\u20AC")})), "128");
    EXPECT_EQ(text(call("AscW", {str(u"\u20AC")})), "8364");
    EXPECT_EQ(text(call("Chr", {L(128)})), "\u20AC");
    EXPECT_EQ(text(call("ChrW", {L(8364)})), "\u20AC");
    EXPECT_EQ(callError("Asc", {str(u"")}), 5);
    EXPECT_EQ(callError("Chr", {L(256)}), 5);
}

TEST(StringBuiltins, TrimsCaseAndOthers)
{
    EXPECT_EQ(text(call("Trim", {str(u"  a b \t ")})), "a b \t");
    EXPECT_EQ(text(call("LTrim", {str(u"  ab  ")})), "ab  ");
    EXPECT_EQ(text(call("RTrim", {str(u"  ab  ")})), "  ab");
    EXPECT_EQ(text(call("UCase", {str(u"straße")})), "STRA\u00DFE");
    EXPECT_EQ(text(call("LCase", {Variant::null()})), "Null");
    EXPECT_EQ(text(call("Len", {Variant(true)})), "4");
    EXPECT_EQ(text(call("Len", {Variant::null()})), "Null");
    EXPECT_EQ(text(call("Space", {L(3)})), "   ");
    EXPECT_EQ(text(call("String", {L(3), str(u"xyz")})), "xxx");
    EXPECT_EQ(text(call("String", {L(2), L(321)})), "AA");   // 321 Mod 256 = 65
    EXPECT_EQ(text(call("StrReverse", {str(u"abc")})), "cba");
    EXPECT_EQ(text(call("StrComp", {str(u"a"), str(u"B")})), "1");
    EXPECT_EQ(text(call("StrComp", {str(u"a"), str(u"A"), L(1)})), "0");
    EXPECT_EQ(callError("StrComp", {str(u"a"), str(u"A"), L(3)}), 5);
}

} // namespace
} // namespace vbscript
