#include "app/PaneBitmaps.h"

#include <QLinearGradient>
#include <QPalette>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kLitBand(38, 94, 178);
// The pictures' outlines: their fills are light on any strip.
const QColor kPictureInk(40, 52, 70);

// The strip's colours: its own light ones on a light window; on a dark one the window's shade and its
// text's colour for the titles, so that the strip is not the one bright thing on the screen.
struct StripColours {
    QColor shadeFrom;
    QColor shadeTo;
    QColor title;
    QColor band;

    explicit StripColours(const QPalette& palette)
    {
        const QColor window = palette.color(QPalette::Window);
        if (window.lightness() >= 128) {
            shadeFrom = QColor(214, 222, 234);
            shadeTo = QColor(190, 202, 220);
            title = kPictureInk;
            band = QColor(255, 255, 255, 150);
            return;
        }
        shadeFrom = window.lighter(130);
        shadeTo = window;
        title = palette.color(QPalette::WindowText);
        band = QColor(255, 255, 255, 30);
    }
};

QString paneTitle(Pane pane)
{
    switch (pane) {
    case Pane::Tables: return QStringLiteral("Tables");
    case Pane::Forms: return QStringLiteral("Forms");
    case Pane::Queries: return QStringLiteral("Queries");
    case Pane::Macros: return QStringLiteral("Macros");
    case Pane::Modules: return QStringLiteral("Modules");
    case Pane::Relations: return QStringLiteral("Relations");
    }
    return {};
}

// Each picture is drawn in a 16x16 box whose top left corner is the painter's origin.
void drawTable(QPainter& p)
{
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(1, 2, 14, 12));
    p.fillRect(QRectF(1, 2, 14, 3.5), QColor(120, 160, 220));
    p.drawRect(QRectF(1, 2, 14, 12));
    for (qreal y : {8.5, 11.5})
        p.drawLine(QPointF(1, y), QPointF(15, y));
    for (qreal x : {6.0, 10.5})
        p.drawLine(QPointF(x, 5.5), QPointF(x, 14));
}

void drawForm(QPainter& p)
{
    p.setBrush(QColor(250, 246, 230));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(2, 2, 12, 2.5), QColor(120, 160, 220));
    p.setBrush(Qt::white);
    for (qreal y : {6.5, 10.0}) {
        p.drawLine(QPointF(3, y + 1), QPointF(5.5, y + 1));
        p.drawRect(QRectF(7, y, 6, 2.5));
    }
}

void drawQuery(QPainter& p)
{
    p.setBrush(QColor(210, 230, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    QPen handle = p.pen();
    handle.setWidthF(2.5);
    handle.setCapStyle(Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
}

void drawMacro(QPainter& p)
{
    QPainterPath bolt;
    bolt.moveTo(9.5, 1);
    bolt.lineTo(3, 9);
    bolt.lineTo(7.5, 9);
    bolt.lineTo(5.5, 15);
    bolt.lineTo(13, 6.5);
    bolt.lineTo(8.5, 6.5);
    bolt.closeSubpath();
    p.setBrush(QColor(250, 200, 40));
    p.drawPath(bolt);
}

void drawModule(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
    QPen code = p.pen();
    code.setColor(QColor(40, 130, 70));
    p.setPen(code);
    p.drawLine(QPointF(4.5, 4.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(6.5, 7.5), QPointF(11.5, 7.5));
    p.drawLine(QPointF(6.5, 10.5), QPointF(9.5, 10.5));
    p.drawLine(QPointF(4.5, 12.5), QPointF(8.5, 12.5));
}

void drawRelation(QPainter& p)
{
    p.drawLine(QPointF(6, 5), QPointF(10, 11));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(0.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 225, 255));
    p.drawRect(QRectF(8.5, 9.5, 7, 5));
}

void drawPicture(QPainter& p, Pane pane)
{
    switch (pane) {
    case Pane::Tables: drawTable(p); break;
    case Pane::Forms: drawForm(p); break;
    case Pane::Queries: drawQuery(p); break;
    case Pane::Macros: drawMacro(p); break;
    case Pane::Modules: drawModule(p); break;
    case Pane::Relations: drawRelation(p); break;
    }
}

void drawBand(QPainter& p, Pane pane, bool lit, const StripColours& colours)
{
    const StripBand band = stripBand(pane);
    const QRectF area(3, band.top, kStripWidth - 6, band.bottom - band.top + 1);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? kLitBand : colours.band);
    p.drawRoundedRect(area, 2.5, 2.5);

    // The picture fits the band's height; the narrow bands get a smaller one.
    const qreal side = qMin<qreal>(16, area.height() - 2);
    p.save();
    p.translate(area.left() + 2, area.center().y() - side / 2);
    p.scale(side / 16, side / 16);
    QPen ink(kPictureInk);
    ink.setWidthF(1.0);
    p.setPen(ink);
    drawPicture(p, pane);
    p.restore();

    QFont font = p.font();
    font.setPixelSize(area.height() >= 20 ? 8 : 7);
    font.setBold(lit);
    p.setFont(font);
    p.setPen(lit ? QColor(Qt::white) : colours.title);
    const QRectF textArea(area.left() + side + 3, area.top(), area.width() - side - 4, area.height());
    p.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft, paneTitle(pane));
}
} // namespace

QPixmap stripBitmap(Pane selected, int scale, const QPalette& palette, qreal devicePixelRatio)
{
    const StripColours colours(palette);
    // Drawn in the screen's own pixels, so that a scaled desktop shows it sharp, not stretched.
    QPixmap pixmap(QSize(kStripWidth * scale, kStripHeight * scale) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
    QLinearGradient shade(0, 0, kStripWidth, 0);
    shade.setColorAt(0, colours.shadeFrom);
    shade.setColorAt(1, colours.shadeTo);
    p.fillRect(QRectF(0, 0, kStripWidth, kStripHeight), shade);
    for (int i = 0; i < kPaneCount; ++i)
        drawBand(p, static_cast<Pane>(i), static_cast<Pane>(i) == selected, colours);
    return pixmap;
}
