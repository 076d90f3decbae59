#include "tables/FindReplace.h"

#include "data/CDbRecordset.h"
#include "platform/framework/MessageBox.h"
#include "tables/FilterTarget.h"

#include <algorithm>

namespace {

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

bool FindReplace::write(CDbRecordset& records, const Request& request, int record)
{
    if (!records.MoveTo(record))
        return false;
    const QString value = request.search.replaced(records.GetFieldString(request.field), request.replacement);
    if (!records.SetFieldString(request.field, value) || !records.Update()) {
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

int FindReplace::replaceAll(const Request& request)
{
    CDbRecordset* records = searchable(request);
    if (!records)
        return 0;
    // One pass: a replacement that holds the text it replaces must not be replaced again.
    const int count = m_target.recordCount();
    int changed = 0;
    int last = -1;
    for (int hit = scan(*records, request, 0, count); hit >= 0; hit = scan(*records, request, hit + 1, count)) {
        if (write(*records, request, hit)) {
            ++changed;
            last = hit;
        }
    }
    m_hitPending = false;
    if (changed == 0) {
        inform(QStringLiteral("No Matches Found"));
        return 0;
    }
    m_hit = last;
    m_target.selectCell(last, request.field);
    inform(QStringLiteral("Search Completed"));
    return changed;
}
