#pragma once
// Where the main window opens: where the user left it when that place is still on a screen, else at
// four fifths of the primary screen's free area, centred. The place is kept in the profile.
#include <QList>
#include <QRect>

#include <optional>

struct WindowPlacement {
    QRect geometry; // the window's normal (not maximised) rectangle
    bool maximized = false;
};

// `screens` are the free areas of the screens (without panels), the primary one first.
QRect openingGeometry(const std::optional<WindowPlacement>& stored, const QList<QRect>& screens);

// Nullopt until a placement was stored, or when what is stored is no rectangle.
std::optional<WindowPlacement> readWindowPlacement();
void writeWindowPlacement(const WindowPlacement& placement);
