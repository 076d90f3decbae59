#pragma once
// Text on paper, measured and drawn in points whatever the device: the painter is scaled so that one
// unit is a point, and fonts are sized for that. The same measures serve laying out a PDF, a printer's
// pages and the preview's pictures, so a value wraps at the same word on each of them.
#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPainter;

// The mark a value ends with where paper had no room for the rest of it.
inline const QString kCutMark = QStringLiteral("\u2026");

class TextStyle {
public:
    // The printing face at that size in points.
    explicit TextStyle(double points, bool bold = false, bool italic = false);
    // Any font, its pixel size (or point size) taken as points.
    explicit TextStyle(const QFont& font);

    const QFont& font() const { return m_font; }
    double lineHeight() const { return m_metrics.height(); }
    double width(const QString& text) const { return m_metrics.horizontalAdvance(text); }

    // Whether a word longer than a line is broken at the line's edge, or kept whole as far as it fits and
    // cut there with the mark: a number broken over two lines would read as two numbers.
    enum class Words { Break, KeepWhole };

    // The lines of `text` within `width`: at its line breaks, then between words, a word longer than a line
    // broken where it must or cut, as `words` says. At most `maxLines` (at least one); when more would
    // follow, the last line ends in the cut mark.
    QStringList wrap(const QString& text, double width, int maxLines = 1 << 20, Words words = Words::Break) const;
    // The text on one line of `width`, its end replaced by the cut mark when it does not fit.
    QString elide(const QString& text, double width) const;

    // The line shortened until it fits in `width` with the cut mark after it: a line more text follows.
    QString marked(QString line, double width) const;

    // Draws one line with its top at `topLeft`.
    void draw(QPainter& painter, const QPointF& topLeft, const QString& line) const;

private:
    QFont m_font;
    QFontMetricsF m_metrics;
};

// Scales the painter so that one unit is one point of its device.
void paintInPoints(QPainter& painter);
