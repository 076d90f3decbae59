#include "widgets/WindowSize.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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

QScrollArea* scrollingPage(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    // Only the height gives way: the page keeps its width beside the scroll bar.
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setMinimumWidth(page->minimumSizeHint().width() + area->verticalScrollBar()->sizeHint().width());
    return area;
}
