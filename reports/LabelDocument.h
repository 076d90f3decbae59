#pragma once
// Mailing labels: a sheet of so many labels across and down, one record on each, its lines made of text
// and the record's fields. A line too long for its label ends in the cut mark, and so does the last line
// that fits when more follow.
#include "reports/PrintDocument.h"
#include "reports/ReportDefinition.h"

#include <QList>
#include <QRectF>

#include <memory>

class RecordReader;

class LabelDocument : public PrintDocument {
public:
    LabelDocument(std::unique_ptr<RecordReader> records, QString title, LabelSheet sheet, QStringList lines,
                  QPageSize::PageSizeId paper);
    ~LabelDocument() override;

    QString title() const override { return m_title; }
    // The whole sheet, without margins: labels are placed from the paper's edges.
    QPageLayout pageLayout() const override;
    bool layOutMore(int) override { return true; }
    bool isLaidOut() const override { return true; }
    int recordsLaidOut() const override;
    int recordCount() const override;
    int pageCount() const override;
    void paintPage(QPainter& painter, int page) override;

    // The label `index` of a sheet (across, then down), in points from the paper's top left corner.
    QRectF labelRect(int index) const;
    // A line with each "[Field]" replaced by the current record's value as the datasheet shows it.
    QString fillLine(const QString& line);

private:
    std::unique_ptr<RecordReader> m_records;
    QString m_title;
    LabelSheet m_sheet;
    QStringList m_lines;
    QPageSize::PageSizeId m_paper;
};
