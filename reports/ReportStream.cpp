#include "reports/ReportStream.h"

#include "reports/RecordReader.h"

namespace {
QString recordsText(int records)
{
    return QString::number(records) + (records == 1 ? QStringLiteral(" record") : QStringLiteral(" records"));
}
} // namespace

ReportStream::ReportStream(RecordReader& records, StreamSpec spec) : m_records(records), m_spec(std::move(spec))
{
    for (const StreamTotal& total : m_spec.totals)
        m_totals << TotalOver{total.field, total.aggregate};
}

int ReportStream::recordCount() const { return m_records.count(); }

ReportStream::State ReportStream::start() const
{
    State state;
    state.grand = ReportTotals(m_totals.size());
    return state;
}

bool ReportStream::next(State& state, Band& band)
{
    while (state.queue.isEmpty()) {
        if (state.ended)
            return false;
        if (!state.started) {
            state.started = true;
            if (!m_spec.heading.isEmpty())
                state.queue << Band{Band::Heading, 0, m_spec.heading, {}};
        } else if (state.next < m_records.count() && m_records.moveTo(state.next)) {
            readRecord(state);
        } else {
            end(state);
        }
    }
    band = state.queue.takeFirst();
    return true;
}

void ReportStream::readRecord(State& state)
{
    ++state.next;
    QList<GroupValue> values;
    for (const StreamGroup& group : m_spec.groups)
        values << groupValue(m_records, group.field, group.by);
    // The first level whose group changes; every level below it changes with it.
    int changed = state.groups.isEmpty() ? 0 : int(values.size());
    for (int level = 0; level < values.size() && !state.groups.isEmpty(); ++level)
        if (values[level].key != state.groups[level].key) {
            changed = level;
            break;
        }
    for (int level = int(state.groups.size()) - 1; level >= changed; --level)
        state.queue << footer(state, level);
    for (int level = changed; level < values.size(); ++level) {
        const StreamGroup& group = m_spec.groups[level];
        state.queue << Band{Band::GroupHeader, level, group.name + QStringLiteral(": ") + values[level].caption, {}};
    }
    state.groups = values;
    state.levels.resize(values.size());
    for (int level = changed; level < values.size(); ++level)
        state.levels[level] = ReportTotals(m_totals.size());
    for (ReportTotals& totals : state.levels)
        totals.add(m_records, m_totals);
    state.grand.add(m_records, m_totals);

    Band detail{Band::Detail, 0, {}, {}};
    for (int column : m_spec.columns)
        detail.cells << m_records.shown(column);
    state.queue << detail;
}

void ReportStream::end(State& state)
{
    state.ended = true;
    for (int level = int(state.groups.size()) - 1; level >= 0; --level)
        state.queue << footer(state, level);
    if (!m_spec.groups.isEmpty() || !m_spec.totals.isEmpty()) {
        Band total{Band::GrandTotal, 0, QStringLiteral("Grand total, ") + recordsText(state.grand.records()), {}};
        fillTotals(total, state.grand);
        state.queue << total;
    }
    if (!m_spec.closing.isEmpty())
        state.queue << Band{Band::Closing, 0, m_spec.closing, {}};
}

Band ReportStream::footer(const State& state, int level) const
{
    const ReportTotals& totals = state.levels.value(level);
    Band band{Band::GroupFooter, level,
              QStringLiteral("Total for ") + m_spec.groups[level].name + QStringLiteral(": ") +
                  state.groups[level].caption + QStringLiteral(", ") + recordsText(totals.records()),
              {}};
    fillTotals(band, totals);
    return band;
}

void ReportStream::fillTotals(Band& band, const ReportTotals& totals) const
{
    band.cells = QStringList(m_spec.columns.size());
    QStringList elsewhere;
    for (int i = 0; i < m_spec.totals.size(); ++i) {
        const StreamTotal& total = m_spec.totals[i];
        const QString figure = aggregateName(total.aggregate) + QStringLiteral(": ") + totals.figure(i, total.aggregate);
        const qsizetype column = m_spec.columns.indexOf(total.field);
        if (column < 0)
            elsewhere << aggregateName(total.aggregate) + QStringLiteral(" of ") + total.name + QStringLiteral(": ") +
                             totals.figure(i, total.aggregate);
        else
            band.cells[column] += (band.cells[column].isEmpty() ? QString() : QStringLiteral("\n")) + figure;
    }
    if (!elsewhere.isEmpty())
        band.caption += QStringLiteral("; ") + elsewhere.join(QStringLiteral("; "));
}
