#include "data/CAppContext.h"

CAppContext::CAppContext()
{
    static const char16_t* const names[kKeyActionCount] = {
        u"<None>",          u"Add Record",       u"Delete Record",    u"First Record",      u"Next Record",
        u"Previous Record", u"Last Record",      u"Sort Ascending",   u"Sort Descending",   u"Filter Including",
        u"Filter Excluding", u"Remove Filter",   u"View Relations",   u"Hide Column",       u"Show all Columns",
        u"Close Table",     u"Close Form",       u"Scroll Up",        u"Scroll Down",       u"Scroll Left",
        u"Scroll Right",    u"Next Field",       u"Previous Field",   u"Next Char",         u"Previous Char"};
    for (int i = 0; i < kKeyActionCount; ++i)
        keyActionNames[i] = QString::fromUtf16(names[i]);
}
