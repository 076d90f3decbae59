#pragma once
// What puts a record into a group: the key records of one group share, and the caption the group's
// header shows.
#include "reports/ReportDefinition.h"

#include <QString>

class RecordReader;

struct GroupValue {
    // Texts that differ only in case are one group, as the engine sorts them together.
    QString key;
    QString caption;
};

// The current record's group by field `field`: its shown value, its first letter, or the day, month or
// year of its date. An empty value, or one that is not a date where a date is wanted, is "(blank)".
GroupValue groupValue(RecordReader& records, int field, GroupBy by);
