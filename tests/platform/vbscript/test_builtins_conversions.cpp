#include "test_values_support.h"

namespace vbscript {
namespace {

using namespace test_support;

TEST(ConversionBuiltins, CIntRoundsHalfToEvenAndOverflows)
{
    EXPECT_EQ(text(call("CInt", {Variant(2.5)})), "2");
    EXPECT_EQ(text(call("CInt", {Variant(3.5)})), "4");
    EXPECT_EQ(text(call("CInt", {Variant(-2.5)})), "-2");
    EXPECT_EQ(text(call("CInt", {str(u" 12 ")})), "12");
    EXPECT_EQ(call("CInt", {Variant(1.0)}).vt(), VT_I2);
    EXPECT_EQ(callError("CInt", {Variant(32767.5)}), 6);
    EXPECT_EQ(callError("CInt", {Variant(std::int32_t(-32769))}), 6);
    EXPECT_EQ(callError("CInt", {str(u"abc")}), 13);
    EXPECT_EQ(callError("CInt", {Variant::null()}), 94);
    EXPECT_EQ(callError("CLng", {Variant(2147483648.0)}), 6);
    EXPECT_EQ(callError("CByte", {Variant(std::int16_t(-1))}), 6);
    EXPECT_EQ(text(call("CByte", {Variant(254.5)})), "254");
}

TEST(ConversionBuiltins, TextAndBooleanForms)
{
    EXPECT_EQ(text(call("CStr", {Variant(true)})), "True");
    EXPECT_EQ(text(call("CStr", {Variant()})), "");
    EXPECT_EQ(callError("CStr", {Variant::null()}), 94);
    EXPECT_EQ(text(call("CStr", {Variant(0.1 + 0.2)})), "0.3");
    EXPECT_EQ(text(call("CStr", {call("CSng", {Variant(1.1)})})), "1.1");
    EXPECT_EQ(text(call("CStr", {call("CCur", {Variant(1.23456)})})), "1.2346");
    EXPECT_EQ(text(call("CBool", {str(u"False")})), "False");
    EXPECT_EQ(text(call("CBool", {Variant(0.1)})), "True");
    EXPECT_EQ(callError("CBool", {str(u"maybe")}), 13);
    EXPECT_EQ(text(call("CDate", {str(u"Dec 7, 2026")})), "12/7/2026");
    EXPECT_EQ(callError("CDate", {str(u"not a date")}), 13);
    EXPECT_EQ(text(call("CDbl", {str(u"&HFF")})), "255");
}

TEST(ConversionBuiltins, TypeQuestions)
{
    EXPECT_EQ(text(call("TypeName", {Variant(std::int16_t(1))})), "Integer");
    EXPECT_EQ(text(call("TypeName", {Variant(1.0)})), "Double");
    EXPECT_EQ(text(call("TypeName", {Variant()})), "Empty");
    EXPECT_EQ(text(call("TypeName", {Variant::null()})), "Null");
    EXPECT_EQ(text(call("TypeName", {Variant(static_cast<IDispatch*>(nullptr))})), "Nothing");
    EXPECT_EQ(text(call("TypeName", {Variant(SafeArray::vector(2))})), "Variant()");
    EXPECT_EQ(text(call("VarType", {Variant(SafeArray::vector(2))})), "8204");
    EXPECT_EQ(text(call("VarType", {str(u"x")})), "8");
    EXPECT_EQ(text(call("IsNumeric", {str(u" 1e3 ")})), "True");
    EXPECT_EQ(text(call("IsNumeric", {str(u"12a")})), "False");
    EXPECT_EQ(text(call("IsNumeric", {Variant()})), "True");
    EXPECT_EQ(text(call("IsNumeric", {date(2026, 1, 1)})), "False");
    EXPECT_EQ(text(call("IsDate", {str(u"2026-12-07")})), "True");
    EXPECT_EQ(text(call("IsDate", {Variant(45000.0)})), "False");
    EXPECT_EQ(text(call("IsEmpty", {Variant()})), "True");
    EXPECT_EQ(text(call("IsNull", {Variant::null()})), "True");
    EXPECT_EQ(text(call("IsObject", {Variant(static_cast<IDispatch*>(nullptr))})), "True");
    EXPECT_EQ(text(call("IsArray", {str(u"x")})), "False");
}

TEST(ConversionBuiltins, ObjectsCannotBeCreated)
{
    // CreateObject, which makes the language's own RegExp, is the interpreter's: the engine's tests refuse the rest.
    for (const char16_t* name : {u"getobject", u"GetObject"}) {
        const Builtin* builtin = findBuiltin(QString::fromUtf16(name));
        ASSERT_NE(builtin, nullptr);
        std::vector<Variant> args = {Variant(QStringLiteral("Scripting.FileSystemObject"))};
        try {
            builtin->function(args);
            FAIL() << "created an object";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.number, 429);
        }
    }
}

TEST(ConversionBuiltins, LookupIgnoresCase)
{
    ASSERT_NE(findBuiltin(QStringLiteral("ucase")), nullptr);
    EXPECT_EQ(findBuiltin(QStringLiteral("UCASE")), findBuiltin(QStringLiteral("UCase")));
    EXPECT_EQ(findBuiltin(QStringLiteral("Eval")), nullptr);
    const Builtin* mid = findBuiltin(QStringLiteral("MID"));
    EXPECT_EQ(mid->minArgs, 2);
    EXPECT_EQ(mid->maxArgs, 3);
}

} // namespace
} // namespace vbscript
