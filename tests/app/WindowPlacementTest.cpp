// Where the main window opens: a size that suits the screen, or the place the user left it on a screen
// that is still there.
#include "app/FramePlacement.h"
#include "app/shell/WindowPlacement.h"
#include "support/TempRoot.h"
#include "support/WidgetApplication.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <gtest/gtest.h>

namespace {
// A 1280x800 screen with a 32-pixel panel at its top, and a second screen to its right.
const QRect kLaptop(0, 32, 1280, 768);
const QRect kMonitor(1280, 0, 1920, 1080);

WindowPlacement at(int x, int y, int width, int height) { return {QRect(x, y, width, height), false}; }
} // namespace

TEST(WindowPlacement, FirstOpeningTakesFourFifthsOfThePrimaryScreenCentred)
{
    const QRect window = openingGeometry(std::nullopt, {kLaptop, kMonitor});
    EXPECT_EQ(window.size(), QSize(1024, 614));
    EXPECT_EQ(window.center(), kLaptop.center());
}

TEST(WindowPlacement, ThePlaceLeftOnAScreenIsKept)
{
    EXPECT_EQ(openingGeometry(at(100, 80, 900, 600), {kLaptop, kMonitor}), QRect(100, 80, 900, 600));
    EXPECT_EQ(openingGeometry(at(1500, 100, 1200, 800), {kLaptop, kMonitor}), QRect(1500, 100, 1200, 800))
        << "on the second screen";
}

TEST(WindowPlacement, AWindowOffEveryScreenComesBackWhereItCanBeSeen)
{
    // Left on the monitor that is now unplugged.
    const QRect gone = openingGeometry(at(1500, 100, 1200, 800), {kLaptop});
    EXPECT_EQ(gone.size(), QSize(1024, 614));
    EXPECT_TRUE(kLaptop.contains(gone));

    // Only its bottom edge on the screen: the title bar could not be reached.
    EXPECT_EQ(openingGeometry(at(100, -700, 900, 720), {kLaptop}).size(), QSize(1024, 614));

    // Mostly on the screen but hanging over its right edge, and taller than the screen: moved and shrunk.
    const QRect over = openingGeometry(at(800, 40, 900, 2000), {kLaptop});
    EXPECT_EQ(over, QRect(380, 32, 900, 768));

    // A stored place too small to be a person's choice.
    EXPECT_EQ(openingGeometry(at(10, 40, 50, 30), {kLaptop}).size(), QSize(1024, 614));
}

TEST(WindowPlacement, WithoutScreensTheStoredPlaceIsUsedAsItIs)
{
    EXPECT_EQ(openingGeometry(at(10, 20, 300, 400), {}), QRect(10, 20, 300, 400));
}

TEST(WindowPlacement, TheWindowOpensWhereItWasLeft)
{
    TempRoot root;
    ensureWidgetApplication();
    EXPECT_FALSE(readWindowPlacement()) << "nothing stored on a new device";

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        QMainWindow first;
        showInItsPlace(first);
        EXPECT_EQ(first.geometry().size(), screen.size() * 4 / 5);
        first.setGeometry(screen.left() + 20, screen.top() + 30, 400, 300);
        rememberPlace(first);
    }
    const std::optional<WindowPlacement> stored = readWindowPlacement();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->geometry, QRect(screen.left() + 20, screen.top() + 30, 400, 300));
    EXPECT_FALSE(stored->maximized);

    QMainWindow second;
    showInItsPlace(second);
    EXPECT_EQ(second.geometry(), QRect(screen.left() + 20, screen.top() + 30, 400, 300));
}
