#include "reports/ui/PageView.h"

#include "reports/PrintDocument.h"

#include <QPainter>

#include <algorithm>

PageView::PageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setMinimumSize(240, 320);
}

void PageView::display(PrintDocument* document, int page)
{
    m_document = document;
    m_page = page;
    update();
}

void PageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    if (!m_document || m_page >= m_document->pageCount())
        return;
    const QPageLayout layout = m_document->pageLayout();
    const QRectF sheet = layout.fullRectPoints();
    const double scale = std::min((width() - 16) / sheet.width(), (height() - 16) / sheet.height());
    if (scale <= 0)
        return;
    const QSizeF shown = sheet.size() * scale;
    painter.translate((width() - shown.width()) / 2, (height() - shown.height()) / 2);
    painter.fillRect(QRectF(QPointF(0, 0), shown), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.translate(layout.paintRectPoints().topLeft());
    m_document->paintPage(painter, m_page);
}
