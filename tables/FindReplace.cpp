#include "tables/FindReplace.h"

#include "data/CDbRecordset.h"
#include "data/CDbCommand.h"
#include "data/CDbTransaction.h"
#include "platform/framework/MessageBox.h"
#include "tables/FilterTarget.h"

#include <algorithm>

namespace {

// Records a progress report of Replace All waits for at most.
constexpr int kProgressEvery = 200;

void inform(const QString& text)
{
    framework::showMessage(text, framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
}

} // namespace

FindReplace::FindReplace(FilterTarget& target) : m_target(target) {}

bool FindReplace::sameSearch(const Request& request) const
{
    return request.field == m_last.field && request.direction == m_last.direction &&
           request.search.text == m_last.search.text && request.search.matchCase == m_last.search.matchCase &&
           request.search.wholeWord == m_last.search.wholeWord;
}

CDbRecordset* FindReplace::searchable(const Request& request)
{
    if (request.field < 0) {
        inform(QStringLiteral("Select a Field "));
        return nullptr;
    }
    CDbRecordset* records = m_target.recordset();
    if (!records || !records->IsOpen()) {
        inform(QStringLiteral("Failed to perform search"));
        return nullptr;
    }
    if (request.field >= records->GetFieldCount()) {
        inform(QStringLiteral("Select a Field "));
        return nullptr;
    }
    if (!sameSearch(request)) {
        m_last = request;
        m_hit = -1;
        m_hitPending = false;
        m_anyHit = false;
    }
    return records;
}

int FindReplace::scan(CDbRecordset& records, const Request& request, int from, int to)
{
    const int step = to > from ? 1 : -1;
    if (from == to || !records.MoveTo(from))
        return -1;
    for (int record = from;;) {
        if (request.search.matches(records.GetFieldString(request.field)))
            return record;
        record += step;
        if (record == to || !(step > 0 ? records.MoveNext() : records.MovePrevious()))
            return -1;
    }
}

bool FindReplace::findNext(const Request& request)
{
    CDbRecordset* records = searchable(request);
    if (!records)
        return false;
    const int count = m_target.recordCount();
    const bool up = request.direction == Direction::Up;
    const int current = m_target.currentRecord();
    // From the record after the last hit while it is still the current one, else from the current record.
    int start = current < 0 ? (up ? count - 1 : 0) : current;
    if (m_hit >= 0 && current == m_hit)
        start = up ? m_hit - 1 : m_hit + 1;
    // A new record being filled in stands past the last one.
    start = up ? std::min(start, count - 1) : std::min(start, count);

    int hit = up ? scan(*records, request, start, -1) : scan(*records, request, start, count);
    if (hit < 0 && request.direction == Direction::All)
        hit = scan(*records, request, 0, std::min(start, count));
    if (hit < 0) {
        inform(m_anyHit ? QStringLiteral("Search Completed") : QStringLiteral("No Match is Found"));
        m_anyHit = false;
        m_hitPending = false;
        return false;
    }
    m_hit = hit;
    m_hitPending = true;
    m_anyHit = true;
    m_target.selectCell(hit, request.field);
    return true;
}

bool FindReplace::write(CDbRecordset& records, const Request& request, int record, bool quiet)
{
    if (!records.MoveTo(record))
        return false;
    const QString value = request.search.replaced(records.GetFieldString(request.field), request.replacement);
    if (!records.SetFieldString(request.field, value) || !records.Update()) {
        if (!quiet)
            inform(QStringLiteral("Failed to set the value"));
        return false;
    }
    m_target.refreshRecord(record);
    return true;
}

bool FindReplace::replace(const Request& request)
{
    CDbRecordset* records = searchable(request);
    if (!records)
        return false;
    const bool onPendingHit = m_hitPending && m_target.currentRecord() == m_hit;
    if (!onPendingHit && !findNext(request))
        return false;
    m_hitPending = false;
    return write(*records, request, m_hit);
}

int FindReplace::replaceAll(const Request& request, const Progress& progress)
{
    CDbRecordset* records = searchable(request);
    if (!records)
        return 0;
    CDbCommand command(*records, QStringLiteral("Replace All in %1").arg(m_target.sourceName()));
    CDbTransaction transaction(*records);
    if (!transaction.isOpen()) {
        inform(QStringLiteral("Failed to set the value"));
        return 0;
    }
    // One pass: a replacement that holds the text it replaces must not be replaced again.
    const int count = m_target.recordCount();
    QList<int> changed;
    bool refused = false;
    for (int from = 0, nextReport = kProgressEvery; from < count;) {
        const int hit = scan(*records, request, from, std::min(nextReport, count));
        if (hit >= 0) {
            // A refused value is said once at the end rather than once for each of many records.
            if (write(*records, request, hit, true))
                changed << hit;
            else
                refused = true;
        }
        from = hit >= 0 ? hit + 1 : std::min(nextReport, count);
        if (from < nextReport)
            continue;
        nextReport += kProgressEvery;
        if (progress && from < count && !progress(double(from) / count)) {
            transaction.rollback();
            showUndone(*records, changed);
            inform(QStringLiteral("Replace All was cancelled: no value was changed."));
            return 0;
        }
    }
    m_hitPending = false;
    if (progress)
        progress(1.0);
    if (refused)
        inform(QStringLiteral("Failed to set the value"));
    if (changed.isEmpty()) {
        if (!refused)
            inform(QStringLiteral("No Matches Found"));
        return 0;
    }
    if (!transaction.commit()) {
        showUndone(*records, changed);
        inform(QStringLiteral("Failed to set the value"));
        return 0;
    }
    m_hit = changed.constLast();
    m_target.selectCell(m_hit, request.field);
    inform(QStringLiteral("Search Completed\n") + (changed.size() == 1 ? QStringLiteral("1 value was replaced.")
                                                                        : QStringLiteral("%1 values were replaced.")
                                                                              .arg(changed.size())));
    return int(changed.size());
}

void FindReplace::showUndone(CDbRecordset& records, const QList<int>& changed)
{
    // The recordset still holds the values the file no longer does.
    records.Requery();
    for (const int record : changed)
        m_target.refreshRecord(record);
}
