#include "reports/PageFrame.h"

#include "reports/TextStyle.h"

#include <QPainter>

namespace {
const TextStyle& titleStyle()
{
    static const TextStyle style(10, true);
    return style;
}
const TextStyle& footStyle()
{
    static const TextStyle style(8);
    return style;
}
constexpr double kGap = 6;
} // namespace

QString printedDate(const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QRectF PageFrame::contentRect(const QSizeF& body)
{
    const double top = titleStyle().lineHeight() + kGap;
    const double bottom = footStyle().lineHeight() + kGap;
    return QRectF(0, top, body.width(), body.height() - top - bottom);
}

void PageFrame::paint(QPainter& painter, const QSizeF& body, int page, int pageCount) const
{
    const QString date = printedDate(this->date);
    const double dateWidth = footStyle().width(date);
    titleStyle().draw(painter, QPointF(0, 0), titleStyle().elide(title, body.width() - dateWidth - kGap));
    footStyle().draw(painter, QPointF(body.width() - dateWidth, titleStyle().lineHeight() - footStyle().lineHeight()),
                     date);
    const double rule = titleStyle().lineHeight() + kGap / 3;
    painter.setPen(QPen(Qt::black, 0.5));
    painter.drawLine(QPointF(0, rule), QPointF(body.width(), rule));

    const QString number = pageCount > 0 ? QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount)
                                         : QStringLiteral("Page %1").arg(page + 1);
    const double numberWidth = footStyle().width(number);
    const double foot = body.height() - footStyle().lineHeight();
    painter.drawLine(QPointF(0, foot - kGap / 3), QPointF(body.width(), foot - kGap / 3));
    footStyle().draw(painter, QPointF(0, foot), footStyle().elide(footer, body.width() - numberWidth - kGap));
    footStyle().draw(painter, QPointF(body.width() - numberWidth, foot), number);
}
