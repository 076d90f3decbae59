#pragma once
// Records in columns on pages: a datasheet, a query's result or a report with its groups and totals. Bands
// are stacked down a page until the next one no longer fits; a value too long for its column wraps inside
// it. Columns wider together than the page continue on the following pages, the first column repeated, so
// that each row of pages shows the same records. Where each row of pages begins is kept, and nothing else,
// so that a page is drawn again from there.
#include "reports/PageFrame.h"
#include "reports/PageSetup.h"
#include "reports/PrintDocument.h"
#include "reports/ReportStream.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class RecordReader;

struct TableColumn {
    QString title;
    double width = 60;
    bool alignRight = false;
};

class TableDocument : public PrintDocument {
public:
    TableDocument(std::unique_ptr<RecordReader> records, const StreamSpec& spec, QList<TableColumn> columns,
                  PageFrame frame, PageSetup page);
    ~TableDocument() override;

    QString title() const override { return m_frame.title; }
    QPageLayout pageLayout() const override { return m_page.layout(); }
    bool layOutMore(int records) override;
    bool isLaidOut() const override { return m_laidOut; }
    int recordsLaidOut() const override { return m_layout.next; }
    int recordCount() const override { return m_stream.recordCount(); }
    int pageCount() const override { return int(m_rowStarts.size() * m_panels.size()); }
    void paintPage(QPainter& painter, int page) override;

    // The columns on each page of a row of pages, by index; the first column leads every one of them.
    const QList<QList<int>>& panels() const { return m_panels; }

    // The widths of columns on a body `width` points wide: unchanged when they fit side by side, else the
    // first column at most a third of the width and every other one no wider than what is left beside it.
    static QList<double> fittedWidths(QList<double> widths, double width);
    // The width that shows a column's title and `values` each on one line, at most `maximum`.
    static double widthToShow(const QString& title, const QStringList& values, double maximum);
    // How many records a column nobody has sized is fitted to.
    static constexpr int kRecordsFitted = 50;
    // The width that shows a total's figure on a line of its own.
    static double widthToShowTotal(const QString& figure);
    // The width each of `fields` needs for its name and its values in the first records, as a datasheet
    // opens a column nobody has sized.
    static QList<double> widthsToShow(RecordReader& records, const QList<int>& fields);
    // The columns of each page across, the first one on all of them.
    static QList<QList<int>> panelsOf(const QList<double>& widths, double width);

private:
    struct Laid {
        double height = 0;
        QStringList caption;
        QList<QStringList> cells;
    };
    using Place = std::function<void(const Band&, const Laid&, double top)>;

    Laid lay(const Band& band) const;
    // The room of a band's cell: its column, and for a total of figures the empty cells before it as well.
    double roomFor(const Band& band, int column) const;
    // Takes the bands of one row of pages from `state`, handing each to `place`; false when the report
    // ended on this row.
    bool fillRow(ReportStream::State& state, const Place& place);
    void paintTitles(QPainter& painter, int panel) const;
    void paintBand(QPainter& painter, const Band& band, const Laid& laid, double top, int panel) const;
    double columnLeft(int panel, int column) const;

    std::unique_ptr<RecordReader> m_records;
    ReportStream m_stream;
    QList<TableColumn> m_columns;
    PageFrame m_frame;
    PageSetup m_page;
    QSizeF m_body;
    QRectF m_content;
    QList<QList<int>> m_panels;
    QList<QStringList> m_titles;
    double m_titlesHeight = 0;
    // Where each row of pages begins, and where laying out has come to.
    QList<ReportStream::State> m_rowStarts;
    ReportStream::State m_layout;
    bool m_laidOut = false;
};
