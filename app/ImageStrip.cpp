#include "app/ImageStrip.h"

#include "app/PaneBitmaps.h"

#include <QMouseEvent>
#include <QPainter>

ImageStrip::ImageStrip(int scale, QWidget* parent) : QWidget(parent), m_scale(scale)
{
    setObjectName(QStringLiteral("imageStrip"));
    setFixedSize(kStripWidth * scale, kStripHeight * scale);
    setCursor(Qt::PointingHandCursor);
}

void ImageStrip::showPane(Pane pane)
{
    m_pane = pane;
    update();
}

void ImageStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, stripBitmap(m_pane, m_scale, palette(), devicePixelRatioF()));
}

void ImageStrip::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit tapped(at.x() / m_scale, at.y() / m_scale);
}
