#include "reports/TableDocument.h"

#include "reports/RecordReader.h"
#include "reports/TextStyle.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

constexpr double kPad = 2;
constexpr double kIndent = 12;
// The widest a column nobody has sized is fitted to.
constexpr double kWidestFittedColumn = 216;

struct Look {
    const TextStyle& caption;
    const TextStyle& cells;
    double before;
    double after;
};

Look lookOf(const Band& band)
{
    static const TextStyle heading(14, true);
    static const TextStyle group(10, true);
    static const TextStyle plain(9);
    static const TextStyle bold(9, true);
    static const TextStyle closing(9, false, true);
    switch (band.kind) {
    case Band::Heading: return {heading, plain, 0, 8};
    case Band::GroupHeader: return {group, plain, 6, 2};
    case Band::GroupFooter: return {bold, plain, 3, 6};
    case Band::GrandTotal: return {group, bold, 6, 2};
    case Band::Closing: return {closing, plain, 8, 0};
    case Band::Detail: break;
    }
    return {plain, plain, 0, 0};
}

const TextStyle& titleStyle()
{
    static const TextStyle style(9, true);
    return style;
}

double indentOf(const Band& band)
{
    return band.kind == Band::GroupHeader || band.kind == Band::GroupFooter ? band.level * kIndent : 0;
}

int linesWithin(double height, const TextStyle& style) { return std::max(1, int(std::floor(height / style.lineHeight()))); }

} // namespace

TableDocument::TableDocument(std::unique_ptr<RecordReader> records, const StreamSpec& spec, QList<TableColumn> columns,
                             PageFrame frame, PageSetup page)
    : m_records(std::move(records)), m_stream(*m_records, spec), m_columns(std::move(columns)),
      m_frame(std::move(frame)), m_page(page), m_body(page.bodySize()), m_content(PageFrame::contentRect(m_body))
{
    QList<double> widths;
    for (const TableColumn& column : m_columns)
        widths << column.width;
    widths = fittedWidths(widths, m_body.width());
    for (int i = 0; i < m_columns.size(); ++i)
        m_columns[i].width = widths[i];
    m_panels = panelsOf(widths, m_body.width());
    for (const TableColumn& column : m_columns)
        m_titles << titleStyle().wrap(column.title, column.width - 2 * kPad, 3);
    qsizetype lines = 0;
    for (const QStringList& title : m_titles)
        lines = std::max(lines, title.size());
    m_titlesHeight = lines ? lines * titleStyle().lineHeight() + 2 * kPad + 2 : 0;
    m_layout = m_stream.start();
}

TableDocument::~TableDocument() = default;

double TableDocument::widthToShow(const QString& title, const QStringList& values, double maximum)
{
    const TextStyle& cells = lookOf(Band{}).cells;
    double widest = titleStyle().width(title);
    for (const QString& value : values)
        widest = std::max(widest, cells.width(value));
    return std::min(maximum, std::ceil(widest + 2 * kPad + 1));
}

double TableDocument::widthToShowTotal(const QString& figure)
{
    // The grand total's figures are the boldest.
    const Look look = lookOf(Band{Band::GrandTotal, 0, {}, {}});
    return figure.isEmpty() ? 0 : std::min(kWidestFittedColumn, std::ceil(look.cells.width(figure) + 2 * kPad + 1));
}

QList<double> TableDocument::widthsToShow(RecordReader& records, const QList<int>& fields)
{
    QList<QStringList> values(fields.size());
    for (int record = 0; record < kRecordsFitted && records.moveTo(record); ++record)
        for (qsizetype i = 0; i < fields.size(); ++i)
            values[i] << records.shown(fields[i]);
    QList<double> widths;
    for (qsizetype i = 0; i < fields.size(); ++i)
        widths << widthToShow(records.fieldNames().value(fields[i]), values[i], kWidestFittedColumn);
    return widths;
}

QList<double> TableDocument::fittedWidths(QList<double> widths, double width)
{
    if (std::accumulate(widths.begin(), widths.end(), 0.0) <= width || widths.size() < 2) {
        for (double& each : widths)
            each = std::min(each, width);
        return widths;
    }
    widths[0] = std::min(widths[0], width / 3);
    for (qsizetype i = 1; i < widths.size(); ++i)
        widths[i] = std::min(widths[i], width - widths[0]);
    return widths;
}

QList<QList<int>> TableDocument::panelsOf(const QList<double>& widths, double width)
{
    if (widths.isEmpty())
        return {{}};
    QList<QList<int>> panels{{0}};
    double used = widths[0];
    for (int i = 1; i < widths.size(); ++i) {
        if (used + widths[i] > width + 0.01 && panels.last().size() > 1) {
            panels << QList<int>{0};
            used = widths[0];
        }
        panels.last() << i;
        used += widths[i];
    }
    return panels;
}

TableDocument::Laid TableDocument::lay(const Band& band) const
{
    const Look look = lookOf(band);
    const double room = m_content.height() - m_titlesHeight - look.before - look.after;
    Laid laid;
    if (!band.caption.isEmpty())
        laid.caption = look.caption.wrap(band.caption, m_body.width() - indentOf(band), linesWithin(room, look.caption));
    const double captionHeight = laid.caption.size() * look.caption.lineHeight();
    qsizetype lines = 0;
    const int cellLines = linesWithin(room - captionHeight - 2 * kPad, look.cells);
    const bool totals = band.kind == Band::GroupFooter || band.kind == Band::GrandTotal;
    for (int i = 0; i < band.cells.size() && i < m_columns.size(); ++i) {
        const TextStyle::Words words =
            totals || m_columns[i].alignRight ? TextStyle::Words::KeepWhole : TextStyle::Words::Break;
        laid.cells << (band.cells[i].isEmpty()
                           ? QStringList()
                           : look.cells.wrap(band.cells[i], roomFor(band, i) - 2 * kPad, cellLines, words));
        lines = std::max(lines, laid.cells.last().size());
    }
    // A record's line keeps its height when all its values are empty.
    if (band.kind == Band::Detail)
        lines = std::max<qsizetype>(lines, 1);
    const double cellsHeight = lines ? lines * look.cells.lineHeight() + 2 * kPad : 0;
    laid.height = look.before + captionHeight + cellsHeight + look.after;
    return laid;
}

double TableDocument::roomFor(const Band& band, int column) const
{
    double room = m_columns[column].width;
    // A total of figures stands at its column's right edge and spreads to the left only, so that two totals
    // never reach for the same empty cell. The first column has nothing on its left.
    if ((band.kind != Band::GroupFooter && band.kind != Band::GrandTotal) || !m_columns[column].alignRight || column == 0)
        return room;
    const auto panel = std::find_if(m_panels.begin(), m_panels.end(),
                                    [column](const QList<int>& shown) { return shown.contains(column); });
    if (panel == m_panels.end())
        return room;
    for (qsizetype at = panel->indexOf(column) - 1; at >= 0 && band.cells.value(panel->at(at)).isEmpty(); --at)
        room += m_columns[panel->at(at)].width;
    return room;
}

bool TableDocument::fillRow(ReportStream::State& state, const Place& place)
{
    const double bottom = m_content.height() - m_titlesHeight;
    double top = 0;
    bool placed = false;
    Band band;
    while (m_stream.next(state, band)) {
        const Laid laid = lay(band);
        double needed = laid.height;
        // A group's header stays with the headers under it and the first line of its group.
        if (band.kind == Band::GroupHeader && placed) {
            ReportStream::State ahead = state;
            Band following;
            while (m_stream.next(ahead, following)) {
                needed += lay(following).height;
                if (following.kind != Band::GroupHeader)
                    break;
            }
        }
        if (placed && top + needed > bottom + 0.01) {
            ReportStream::putBack(state, band);
            return true;
        }
        if (place)
            place(band, laid, top);
        top += laid.height;
        placed = true;
    }
    return false;
}

bool TableDocument::layOutMore(int records)
{
    const int until = m_layout.next + std::max(records, 1);
    while (!m_laidOut && m_layout.next < until) {
        m_rowStarts << m_layout;
        m_laidOut = !fillRow(m_layout, {});
    }
    return m_laidOut;
}

double TableDocument::columnLeft(int panel, int column) const
{
    double left = 0;
    for (int shown : m_panels.value(panel)) {
        if (shown == column)
            return left;
        left += m_columns[shown].width;
    }
    return -1;
}

void TableDocument::paintTitles(QPainter& painter, int panel) const
{
    if (m_titlesHeight <= 0)
        return;
    const double top = m_content.top();
    double right = 0;
    for (int column : m_panels.value(panel)) {
        const double left = columnLeft(panel, column);
        for (int line = 0; line < m_titles[column].size(); ++line) {
            const QString& title = m_titles[column][line];
            const double x = m_columns[column].alignRight
                                 ? left + m_columns[column].width - kPad - titleStyle().width(title)
                                 : left + kPad;
            titleStyle().draw(painter, QPointF(x, top + kPad + line * titleStyle().lineHeight()), title);
        }
        right = left + m_columns[column].width;
    }
    painter.setPen(QPen(Qt::black, 0.75));
    painter.drawLine(QPointF(0, top + m_titlesHeight - 1), QPointF(right, top + m_titlesHeight - 1));
}

void TableDocument::paintBand(QPainter& painter, const Band& band, const Laid& laid, double top, int panel) const
{
    const Look look = lookOf(band);
    const double indent = indentOf(band);
    if (band.kind == Band::GroupFooter || band.kind == Band::GrandTotal) {
        painter.setPen(QPen(Qt::black, band.kind == Band::GrandTotal ? 1.0 : 0.4));
        painter.drawLine(QPointF(indent, top + 1), QPointF(m_body.width(), top + 1));
    }
    double y = top + look.before;
    for (const QString& line : laid.caption) {
        look.caption.draw(painter, QPointF(indent, y), line);
        y += look.caption.lineHeight();
    }
    for (int column : m_panels.value(panel)) {
        const QStringList lines = laid.cells.value(column);
        const double left = columnLeft(panel, column);
        for (int i = 0; i < lines.size(); ++i) {
            const double x = m_columns[column].alignRight
                                 ? left + m_columns[column].width - kPad - look.cells.width(lines[i])
                                 : left + kPad;
            look.cells.draw(painter, QPointF(x, y + kPad + i * look.cells.lineHeight()), lines[i]);
        }
    }
}

void TableDocument::paintPage(QPainter& painter, int page)
{
    if (page < 0 || page >= pageCount())
        return;
    const int panels = int(m_panels.size());
    const int row = page / panels;
    const int panel = page % panels;
    PageFrame frame = m_frame;
    if (panel > 0)
        frame.title += QStringLiteral(" (continued)");
    frame.paint(painter, m_body, page, m_laidOut ? pageCount() : 0);
    paintTitles(painter, panel);
    ReportStream::State state = m_rowStarts[row];
    const double top = m_content.top() + m_titlesHeight;
    fillRow(state, [&](const Band& band, const Laid& laid, double y) { paintBand(painter, band, laid, top + y, panel); });
}
