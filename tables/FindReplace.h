#pragma once
// Find and replace over the records a datasheet shows: walks its recordset from the current record,
// selects each hit in the datasheet, and writes replaced values back through the recordset.
#include "tables/TextSearch.h"

#include <functional>

class CDbRecordset;
class FilterTarget;

class FindReplace {
public:
    // Down and All walk forward; All starts once more from the first record when it reaches the end.
    enum class Direction { All, Up, Down };

    struct Request {
        TextSearch search;
        QString replacement;
        int field = -1;
        Direction direction = Direction::All;
    };

    // Told now and then how much of Replace All is done (below 1); false stops it. Told 1 once the work is
    // done, before the closing message.
    using Progress = std::function<bool(double share)>;

    explicit FindReplace(FilterTarget& target);

    // Selects the next record whose field holds the text; false when there is none.
    bool findNext(const Request& request);
    // Replaces in the hit Find Next left selected, or else in the next one found.
    bool replace(const Request& request);
    // Replaces in every record once, as one transaction, and says how many values it replaced; the number
    // of records changed. Stopped by `progress`, it leaves every record as it was and returns 0.
    int replaceAll(const Request& request, const Progress& progress = {});

private:
    // The recordset to search, after the checks every command makes; null (with its message) when none.
    CDbRecordset* searchable(const Request& request);
    // The first record from `from` towards `to` (exclusive) whose field matches, -1 when none.
    int scan(CDbRecordset& records, const Request& request, int from, int to);
    // Writes the replaced value of the record; a refusal is said at once unless `quiet`.
    bool write(CDbRecordset& records, const Request& request, int record, bool quiet = false);
    // After a Replace All that did not reach the file: the records shown again as the file holds them.
    void showUndone(CDbRecordset& records, const QList<int>& changed);
    bool sameSearch(const Request& request) const;

    FilterTarget& m_target;
    Request m_last;
    int m_hit = -1;
    bool m_hitPending = false;
    bool m_anyHit = false;
};
