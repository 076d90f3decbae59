#include "reports/TextStyle.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// Measures are taken on a picture of 72 dots per inch, where a pixel is a point.
const QPaintDevice& pointDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = int(std::lround(72 / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// The font whose size, on `device` under a painter scaled to points, is `points` points.
QFont sizedFor(QFont font, double points, const QPaintDevice& device)
{
    font.setPointSizeF(points * 72.0 / device.logicalDpiY());
    return font;
}

QFont printingFace(double points, bool bold, bool italic)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Hinting would fit glyphs to each device's pixels and make widths differ between a PDF and a preview.
QFont unhinted(QFont font)
{
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize());
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

TextStyle::TextStyle(double points, bool bold, bool italic) : TextStyle(printingFace(points, bold, italic)) {}

TextStyle::TextStyle(const QFont& font)
    : m_font(unhinted(font)), m_metrics(sizedFor(m_font, m_font.pointSizeF(), pointDevice()), &pointDevice())
{
}

QString TextStyle::marked(QString line, double width) const
{
    while (!line.isEmpty() && this->width(line + kCutMark) > width)
        line.chop(1);
    return line + kCutMark;
}

QString TextStyle::elide(const QString& text, double width) const
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return this->width(line) <= width ? line : marked(line, width);
}

QStringList TextStyle::wrap(const QString& text, double width, int maxLines, Words words) const
{
    maxLines = std::max(maxLines, 1);
    QStringList lines;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    plain.replace(QLatin1Char('\t'), QLatin1Char(' '));
    bool more = false;
    for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
        if (lines.size() >= maxLines) {
            more = true;
            break;
        }
        if (this->width(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (this->width(candidate) <= width) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty()) {
                lines << line;
                candidate = word;
            }
            if (words == Words::KeepWhole && this->width(candidate) > width)
                candidate = marked(candidate, width);
            // A word wider than the line is broken where it reaches the edge.
            while (this->width(candidate) > width && candidate.size() > 1) {
                qsizetype fits = 1;
                while (fits < candidate.size() && this->width(candidate.left(fits + 1)) <= width)
                    ++fits;
                lines << candidate.left(fits);
                candidate = candidate.mid(fits);
            }
            line = candidate;
        }
        lines << line;
    }
    if (lines.size() > maxLines) {
        lines.resize(maxLines);
        more = true;
    }
    if (more)
        lines.last() = marked(lines.last(), width);
    return lines;
}

void TextStyle::draw(QPainter& painter, const QPointF& topLeft, const QString& line) const
{
    painter.setFont(sizedFor(m_font, m_font.pointSizeF(), *painter.device()));
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + m_metrics.ascent()), line);
}

void paintInPoints(QPainter& painter)
{
    const double scale = painter.device()->logicalDpiX() / 72.0;
    painter.scale(scale, painter.device()->logicalDpiY() / 72.0);
}
