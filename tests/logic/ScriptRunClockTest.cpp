#include "logic/ScriptRunClock.h"

#include <gtest/gtest.h>

namespace {
struct ManualTime {
    qint64 now = 1000;
    ScriptRunClock::Now source() { return [this] { return now; }; }
};
} // namespace

TEST(ScriptRunClockTest, TimeInTheUsersHandsIsNotTheScripts)
{
    ManualTime time;
    ScriptRunClock clock(time.source());
    clock.start();
    time.now += 40;
    clock.pause();
    time.now += 10000; // a message box left open
    EXPECT_TRUE(clock.isPaused());
    EXPECT_EQ(clock.runningMilliseconds(), 40);
    clock.resume();
    time.now += 5;
    EXPECT_FALSE(clock.isPaused());
    EXPECT_EQ(clock.runningMilliseconds(), 45);
}

TEST(ScriptRunClockTest, NestedPausesEndWithTheOutermostAndAStrayResumeChangesNothing)
{
    ManualTime time;
    ScriptRunClock clock(time.source());
    clock.start();
    clock.resume();
    clock.pause();
    clock.pause();
    time.now += 100;
    clock.resume();
    EXPECT_TRUE(clock.isPaused());
    time.now += 100;
    clock.resume();
    time.now += 7;
    EXPECT_EQ(clock.runningMilliseconds(), 7);

    // A new run starts from nothing.
    clock.pause();
    clock.start();
    time.now += 3;
    EXPECT_FALSE(clock.isPaused());
    EXPECT_EQ(clock.runningMilliseconds(), 3);
}
