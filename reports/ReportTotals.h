#pragma once
// The totals of a group, or of the whole report, gathered record by record: how many records, and per
// total its count of values, sum, smallest and largest number.
#include "reports/ReportDefinition.h"

#include <QList>
#include <QString>

#include <utility>

class RecordReader;

// A total over the field of that index in the records.
using TotalOver = std::pair<int, Aggregate>;

class ReportTotals {
public:
    explicit ReportTotals(qsizetype totals = 0) : m_values(totals) {}

    // Adds the current record's values of the fields the totals are over.
    void add(RecordReader& records, const QList<TotalOver>& totals);
    int records() const { return m_records; }
    // The total's figure: a count of the values that are not empty, and over the numbers among them a sum,
    // an average, the smallest or the largest; empty where there is no number.
    QString figure(int total, Aggregate aggregate) const;

private:
    struct Values {
        int count = 0;
        int numbers = 0;
        double sum = 0;
        double least = 0;
        double most = 0;
    };
    int m_records = 0;
    QList<Values> m_values;
};

// The widest figure a total over `field` may come to, judged from its values in the first `first` records:
// a sum as large as if every record held the largest of them, a count of every record. Empty for the
// totals no wider than the values themselves: the smallest, the largest, an average.
QString widestFigure(RecordReader& records, int field, Aggregate aggregate, int first);
