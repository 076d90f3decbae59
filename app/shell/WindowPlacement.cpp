#include "app/shell/WindowPlacement.h"

#include "data/ProfileSettings.h"
#include "platform/framework/Profile.h"

#include <algorithm>

namespace {
// Enough of the window to take hold of and drag back: part of its title bar's width and height.
constexpr int kGraspWidth = 100;
constexpr int kGraspHeight = 40;
// A window smaller than this was not left so by a person.
constexpr int kSmallestSide = 200;

QRect centredShare(const QRect& screen)
{
    QRect window(0, 0, screen.width() * 4 / 5, screen.height() * 4 / 5);
    window.moveCenter(screen.center());
    return window;
}

// The window moved as little as needs be to lie inside `screen`, shrunk when larger.
QRect keptInside(QRect window, const QRect& screen)
{
    window.setSize(window.size().boundedTo(screen.size()));
    window.moveLeft(std::clamp(window.left(), screen.left(), screen.right() - window.width() + 1));
    window.moveTop(std::clamp(window.top(), screen.top(), screen.bottom() - window.height() + 1));
    return window;
}

int number(const char* key) { return profileInt(profile::Window, QString::fromLatin1(key)); }
void write(const char* key, int value) { framework::WriteProfileInt(profile::Window, QString::fromLatin1(key), value); }
} // namespace

QRect openingGeometry(const std::optional<WindowPlacement>& stored, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return stored ? stored->geometry : QRect(0, 0, 1024, 768);
    if (stored && stored->geometry.width() >= kSmallestSide && stored->geometry.height() >= kSmallestSide) {
        // The title bar must be reachable: the window's top strip has to meet a screen.
        const QRect& window = stored->geometry;
        const QRect top(window.left(), window.top(), window.width(), kGraspHeight);
        for (const QRect& screen : screens) {
            const QRect seen = top & screen;
            if (seen.width() >= std::min(kGraspWidth, window.width()) && seen.height() >= kGraspHeight / 2)
                return keptInside(window, screen);
        }
    }
    return centredShare(screens.first());
}

std::optional<WindowPlacement> readWindowPlacement()
{
    const QRect geometry(number("Left"), number("Top"), number("Width"), number("Height"));
    if (geometry.width() <= 0 || geometry.height() <= 0)
        return std::nullopt;
    return WindowPlacement{geometry, number("Maximized") == 1};
}

void writeWindowPlacement(const WindowPlacement& placement)
{
    write("Left", placement.geometry.left());
    write("Top", placement.geometry.top());
    write("Width", placement.geometry.width());
    write("Height", placement.geometry.height());
    write("Maximized", placement.maximized ? 1 : 0);
}
