#include "reports/LabelDocument.h"

#include "reports/RecordReader.h"
#include "reports/TextStyle.h"

#include <QPainter>

namespace {
constexpr double kPointsPerMm = 72 / 25.4;
// Printing keeps this far inside a label's edges, which a sheet never cuts exactly.
constexpr double kInsetMm = 2.5;

const TextStyle& labelStyle()
{
    static const TextStyle style(10);
    return style;
}
} // namespace

LabelDocument::LabelDocument(std::unique_ptr<RecordReader> records, QString title, LabelSheet sheet, QStringList lines,
                             QPageSize::PageSizeId paper)
    : m_records(std::move(records)), m_title(std::move(title)), m_sheet(sheet), m_lines(std::move(lines)),
      m_paper(paper)
{
}

LabelDocument::~LabelDocument() = default;

QPageLayout LabelDocument::pageLayout() const
{
    QPageLayout layout(QPageSize(m_paper), QPageLayout::Portrait, QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

int LabelDocument::recordsLaidOut() const { return m_records->count(); }
int LabelDocument::recordCount() const { return m_records->count(); }

int LabelDocument::pageCount() const
{
    const int perSheet = m_sheet.columns * m_sheet.rows;
    return std::max(1, (m_records->count() + perSheet - 1) / perSheet);
}

QRectF LabelDocument::labelRect(int index) const
{
    const int column = index % m_sheet.columns;
    const int row = index / m_sheet.columns;
    return QRectF((m_sheet.leftMm + column * (m_sheet.widthMm + m_sheet.columnGapMm)) * kPointsPerMm,
                  (m_sheet.topMm + row * (m_sheet.heightMm + m_sheet.rowGapMm)) * kPointsPerMm,
                  m_sheet.widthMm * kPointsPerMm, m_sheet.heightMm * kPointsPerMm);
}

QString LabelDocument::fillLine(const QString& line)
{
    // Read once from left to right, so that a value holding brackets is never taken for a field.
    QString filled;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = labelFieldPattern().globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        filled += line.mid(done, match.capturedStart() - done) + m_records->shown(m_records->indexOf(match.captured(1)));
        done = match.capturedEnd();
    }
    return filled + line.mid(done);
}

void LabelDocument::paintPage(QPainter& painter, int page)
{
    const int perSheet = m_sheet.columns * m_sheet.rows;
    const double inset = kInsetMm * kPointsPerMm;
    for (int index = 0; index < perSheet && m_records->moveTo(page * perSheet + index); ++index) {
        const QRectF label = labelRect(index).adjusted(inset, inset, -inset, -inset);
        const int fits = std::max(1, int(label.height() / labelStyle().lineHeight()));
        for (int i = 0; i < m_lines.size() && i < fits; ++i) {
            const bool moreFollow = i == fits - 1 && i + 1 < m_lines.size();
            const QString line = moreFollow ? labelStyle().marked(fillLine(m_lines[i]), label.width())
                                            : labelStyle().elide(fillLine(m_lines[i]), label.width());
            labelStyle().draw(painter, label.topLeft() + QPointF(0, i * labelStyle().lineHeight()), line);
        }
    }
}
