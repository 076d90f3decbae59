#include "app/FramePlacement.h"

#include "app/shell/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void showInItsPlace(QWidget& window)
{
    QList<QRect> screens;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        screens.append(primary->availableGeometry());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            screens.append(screen->availableGeometry());
    const std::optional<WindowPlacement> stored = readWindowPlacement();
    window.setGeometry(openingGeometry(stored, screens));
    if (stored && stored->maximized)
        window.showMaximized();
    else
        window.show();
}

void rememberPlace(const QWidget& window)
{
    writeWindowPlacement({window.normalGeometry(), window.isMaximized()});
}
