#include "tables/delimited/ImportProposal.h"

#include "platform/device/DevicePath.h"
#include "tables/delimited/ColumnGuess.h"
#include "tables/delimited/DelimitedReader.h"

#include <QList>

#include <algorithm>

namespace {

constexpr int kSampledRecords = 50;

// The file is looked at whole for its encoding once; each proposal reads its first lines again.
QList<DelimitedRecord> firstRecords(TextSource* source, const QString& delimiter, bool skipComments)
{
    QList<DelimitedRecord> records;
    if (!source || !source->rewind())
        return records;
    DelimitedReader reader(*source, Delimiter::fromListEntry(delimiter), skipComments);
    DelimitedRecord record;
    while (records.size() < kSampledRecords && reader.next(record))
        records << record;
    return records;
}

// How well a delimiter splits the lines: the share of them with as many values as the first, which must
// have two at least; ties go to the one that gives more values.
std::pair<double, qsizetype> fit(const QList<DelimitedRecord>& records)
{
    if (records.isEmpty() || records.first().values.size() < 2)
        return {0.0, 0};
    const qsizetype count = records.first().values.size();
    const auto alike = std::count_if(records.begin(), records.end(),
                                     [count](const DelimitedRecord& record) { return record.values.size() == count; });
    return {double(alike) / double(records.size()), count};
}

// Texts over a column of numbers or dates: every name of the first line is a text, and below one of them
// stands nothing but numbers or dates.
bool looksLikeNames(const QList<DelimitedRecord>& records)
{
    if (records.size() < 2)
        return false;
    const QStringList& names = records.first().values;
    if (std::any_of(names.begin(), names.end(),
                    [](const QString& name) { return name.trimmed().isEmpty() || readsAsNumberOrDate(name); }))
        return false;
    for (qsizetype column = 0; column < names.size(); ++column) {
        bool seen = false;
        bool numbers = true;
        for (qsizetype row = 1; row < records.size() && numbers; ++row) {
            const QString value = records[row].values.value(column).trimmed();
            if (value.isEmpty())
                continue;
            seen = true;
            numbers = readsAsNumberOrDate(value);
        }
        if (seen && numbers)
            return true;
    }
    return false;
}

} // namespace

ImportProposal proposeImport(const QString& path)
{
    TextSource opened;
    TextSource* source = opened.open(device::toHostPath(path).value_or(QString())) ? &opened : nullptr;
    ImportProposal proposal;
    std::pair<double, qsizetype> best{0.0, 0};
    bool found = false;
    for (const QString& candidate : {QStringLiteral(","), QStringLiteral("[Tab]"), QStringLiteral(";"), QStringLiteral("|")}) {
        const std::pair<double, qsizetype> candidateFit = fit(firstRecords(source, candidate, true));
        if (candidateFit.second > 0 && candidateFit > best) {
            best = candidateFit;
            proposal.delimiter = candidate;
            found = true;
        }
    }
    QList<DelimitedRecord> records = firstRecords(source, proposal.delimiter, true);
    if (!found && !records.isEmpty())
        proposal.delimiter = QStringLiteral("[NewLine]");
    // A first line of notes ("# a description") does not split as the lines below it do.
    const QList<DelimitedRecord> all = firstRecords(source, proposal.delimiter, false);
    proposal.skipComments = !all.isEmpty() && !records.isEmpty() && all.first().values.value(0).startsWith(u'#') &&
                            !all.first().quoted.value(0) && all.first().values.size() != records.first().values.size();
    if (!proposal.skipComments)
        records = all;
    proposal.firstRowNames = looksLikeNames(records);
    return proposal;
}
