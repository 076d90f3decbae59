#pragma once
// A report as a stream of bands, from its first record to its last: a heading, then for each record the
// footers of the groups it leaves, the headers of the groups it enters and its own line, then the last
// footers, the grand total and a closing text. The stream's whole state is a small value, so a page can
// keep where it starts and be drawn again from there without reading the records before it.
#include "reports/GroupValue.h"
#include "reports/ReportTotals.h"

#include <QList>
#include <QString>
#include <QStringList>

class RecordReader;

struct Band {
    enum Kind { Heading, GroupHeader, Detail, GroupFooter, GrandTotal, Closing };
    Kind kind = Detail;
    int level = 0;
    // A line across the page: the heading, the closing text, a group's caption.
    QString caption;
    // One text per shown column; totals stand under the column of their field.
    QStringList cells;
};

struct StreamGroup {
    int field = 0;
    QString name;
    GroupBy by = GroupBy::Value;
};

struct StreamTotal {
    int field = 0;
    QString name;
    Aggregate aggregate = Aggregate::Sum;
};

// What the stream shows: fields by their index in the records.
struct StreamSpec {
    QList<int> columns;
    QList<StreamGroup> groups;
    QList<StreamTotal> totals;
    QString heading;
    QString closing;
};

class ReportStream {
public:
    struct State {
        int next = 0;
        bool started = false;
        bool ended = false;
        QList<Band> queue;
        QList<GroupValue> groups;
        QList<ReportTotals> levels;
        ReportTotals grand;
    };

    ReportStream(RecordReader& records, StreamSpec spec);

    State start() const;
    // Takes the next band; false once the report has ended.
    bool next(State& state, Band& band);
    // The band comes first again.
    static void putBack(State& state, Band band) { state.queue.prepend(std::move(band)); }
    int recordCount() const;

private:
    void readRecord(State& state);
    void end(State& state);
    Band footer(const State& state, int level) const;
    void fillTotals(Band& band, const ReportTotals& totals) const;

    RecordReader& m_records;
    StreamSpec m_spec;
    QList<TotalOver> m_totals;
};
