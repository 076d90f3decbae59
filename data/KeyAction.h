#pragma once
// The actions a hardware key can be given, numbered as the KEY_OPTIONS profile stores them, and the
// names the key options list them by.
#include <QString>

namespace keyaction {

enum Action : int {
    None, AddRecord, DeleteRecord, FirstRecord, NextRecord, PreviousRecord, LastRecord, SortAscending,
    SortDescending, FilterIncluding, FilterExcluding, RemoveFilter, ViewRelations, HideColumn, ShowAllColumns,
    CloseTable, CloseForm, ScrollUp, ScrollDown, ScrollLeft, ScrollRight, NextField, PreviousField, NextChar,
    PreviousChar,
    Count
};

inline constexpr const char16_t* kNames[Count] = {
    u"<None>",          u"Add Record",       u"Delete Record",  u"First Record",    u"Next Record",
    u"Previous Record", u"Last Record",      u"Sort Ascending", u"Sort Descending", u"Filter Including",
    u"Filter Excluding", u"Remove Filter",   u"View Relations", u"Hide Column",     u"Show all Columns",
    u"Close Table",     u"Close Form",       u"Scroll Up",      u"Scroll Down",     u"Scroll Left",
    u"Scroll Right",    u"Next Field",       u"Previous Field", u"Next Char",       u"Previous Char"};

inline QString name(int action)
{
    return action >= 0 && action < Count ? QString::fromUtf16(kNames[action]) : QString();
}

} // namespace keyaction
