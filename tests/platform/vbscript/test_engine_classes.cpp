// Classes as the engine's host sees them: declarations refused with their number and place, and the
// Class_Terminate of instances still held when the engine closes running then, within the run's budget.
#include "ScriptHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineClasses, DeclarationErrorsCarryTheirNumberAndPlace)
{
    expectRefused({
        {"Class A\nPublic Default Function F\nEnd Function\nPublic Default Sub G\nEnd Sub\nEnd Class", 1052, 3, 19},
        {"Class A\nProperty Let P\nEnd Property\nEnd Class", 1054, 1, 13},
        {"Class A\nSub Class_Initialize(x)\nEnd Sub\nEnd Class", 1053, 1, 4},
        {"Class A\nDim x\nSub X\nEnd Sub\nEnd Class", 1041, 2, 4},
        {"Class A\nProperty Get P(a)\nEnd Property\nProperty Let P(v)\nEnd Property\nEnd Class", 1051, 3, 13},
        {"Class A\nx = 1\nEnd Class", 1024, 1, 0},
        {"Class A\nProperty P\nEnd Property\nEnd Class", 1049, 1, 9},
        {"Class A\nFunction F\nEnd Sub\nEnd Class", 1015, 2, 4},
        {"Class A\nProperty Get P\nEnd Function\nEnd Class", 1050, 2, 4},
        {"Class A\nSub S\nEnd Sub\nEnd Sub", 1047, 3, 4},
        {"Sub S\nClass A\nEnd Class\nEnd Sub", 1002, 1, 0},
    });
}

TEST(EngineClasses, InstancesHeldAtTheEndTerminateWhenTheEngineCloses)
{
    ScriptRun script;
    script.run(QStringLiteral("Class A\n  Sub Class_Terminate\n    Show \"terminated\"\n  End Sub\nEnd Class\n"
                              "Set kept = New A\nShow \"ran\""));
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("ran")});
    EXPECT_EQ(script.engine->Close(), S_OK);
    EXPECT_EQ(script.shown(), (QStringList{"ran", "terminated"}));
    EXPECT_FALSE(script.site.error);
}

// A Class_Terminate that never ends is stopped by the budget; its error has no statement to fail.
TEST(EngineClasses, RunawayTerminateAtCloseEndsWithTheBudget)
{
    ScriptRun script;
    script.stepLimit = 10000;
    script.run(QStringLiteral("Class A\n  Sub Class_Terminate\n    Do : Loop\n  End Sub\nEnd Class\n"
                              "Set kept = New A\nShow \"ran\""));
    EXPECT_EQ(script.engine->Close(), S_OK);
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("ran")});
    EXPECT_FALSE(script.site.error);
}

// Instances that refer to each other are still freed with the engine, without running script code then.
TEST(EngineClasses, InstancesInACycleAreFreedWithTheEngine)
{
    ScriptRun script;
    script.run(QStringLiteral("Class Node\n  Public Other\n  Sub Class_Terminate\n    Show \"terminated\"\n"
                              "  End Sub\nEnd Class\nSet a = New Node\nSet b = New Node\nSet a.Other = b\n"
                              "Set b.Other = a\nSet a = Nothing\nSet b = Nothing\nShow \"dropped\""));
    EXPECT_EQ(script.engine->Close(), S_OK);
    EXPECT_EQ(script.shown(), QStringList{QStringLiteral("dropped")});
}

} // namespace
