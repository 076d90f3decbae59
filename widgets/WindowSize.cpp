#include "widgets/WindowSize.h"

#include <QScreen>
#include <QWidget>

void resizeToText(QWidget& window, int characters, int lines)
{
    const QFontMetrics metrics = window.fontMetrics();
    QSize size(metrics.averageCharWidth() * characters, metrics.lineSpacing() * lines);
    size = size.expandedTo(window.sizeHint()).expandedTo(window.minimumSizeHint());
    if (const QScreen* screen = window.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    window.resize(size);
}
