#include "tools/peghelp/HelpTopic.h"

#include <gtest/gtest.h>

TEST(HelpTopic, SplitsTheFileFromThePlaceInIt)
{
    const HelpTopic topic = parseHelpTopic("file:XNHelp.htm#Contents");
    EXPECT_EQ(topic.file, "XNHelp.htm");
    EXPECT_EQ(topic.anchor, "Contents");

    EXPECT_EQ(parseHelpTopic("FILE:Other.htm").file, "Other.htm");
    EXPECT_TRUE(parseHelpTopic("FILE:Other.htm").anchor.isEmpty());
    EXPECT_EQ(parseHelpTopic("  XNHelp.htm#Tables ").anchor, "Tables");
}

TEST(HelpTopic, BareNamesLiveInTheSystemFolder)
{
    EXPECT_EQ(helpFilePath({"XNHelp.htm", {}}, "/sys"), "/sys/XNHelp.htm");
    EXPECT_EQ(helpFilePath({"\\Windows\\XNHelp.htm", {}}, "/sys"), "/sys/XNHelp.htm");
    EXPECT_EQ(helpFilePath({"Windows//XNHelp.htm", {}}, "/sys"), "/sys/XNHelp.htm");
    EXPECT_EQ(helpFilePath({"/opt/help/XNHelp.htm", {}}, "/sys"), "/opt/help/XNHelp.htm");
}
