#include "platform/vbscript/Constants.h"

#include "test_values_support.h"

namespace vbscript {
namespace {

using namespace test_support;

TEST(ScriptErrors, NumbersCarryTheLanguageDescriptions)
{
    EXPECT_EQ(errorDescription(13), u"Type mismatch");
    EXPECT_EQ(errorDescription(450), u"Wrong number of arguments or invalid property assignment");
    EXPECT_EQ(errorDescription(429), u"ActiveX component can't create object");
    EXPECT_EQ(errorDescription(1014), u"Expected 'End'");
    EXPECT_EQ(errorDescription(424242), u"Unknown runtime error");
    try {
        raiseError(94);
        FAIL() << "raiseError returned";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.number, 94);
        EXPECT_EQ(error.description, u"Invalid use of Null");
    }
}

TEST(ScriptConstants, FoundByAnyCaseWithTheirTypes)
{
    Variant value;
    ASSERT_TRUE(findConstant(QStringLiteral("VBCRLF"), value));
    EXPECT_EQ(value.string(), u"\r\n");
    ASSERT_TRUE(findConstant(QStringLiteral("vbTrue"), value));
    EXPECT_EQ(value.i4(), -1);
    ASSERT_TRUE(findConstant(QStringLiteral("vbSaturday"), value));
    EXPECT_EQ(value.i4(), 7);
    ASSERT_TRUE(findConstant(QStringLiteral("vbNullChar"), value));
    EXPECT_EQ(value.string().size(), 1);
    EXPECT_FALSE(findConstant(QStringLiteral("vbNothingLikeThis"), value));
}

} // namespace
} // namespace vbscript
