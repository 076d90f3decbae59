#include "platform/cedb/TextRules.h"

#include <QString>

#include <sqlite3.h>

namespace cedb {

namespace {

QString utf8Text(const void* data, int size)
{
    return QString::fromUtf8(static_cast<const char*>(data), size);
}

int compareIgnoringCase(void*, int leftSize, const void* left, int rightSize, const void* right)
{
    return QString::compare(utf8Text(left, leftSize), utf8Text(right, rightSize), Qt::CaseInsensitive);
}

// % any run, _ one character; both texts already case-folded.
bool matches(QStringView pattern, QStringView text)
{
    qsizetype p = 0, t = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == u'_' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == u'%') {
            starP = p++;
            starT = t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'%')
        ++p;
    return p == pattern.size();
}

void like(sqlite3_context* context, int, sqlite3_value** arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL || sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto text = [](sqlite3_value* value) {
        const unsigned char* data = sqlite3_value_text(value);
        return utf8Text(data, sqlite3_value_bytes(value)).toCaseFolded();
    };
    sqlite3_result_int(context, matches(text(arguments[0]), text(arguments[1])) ? 1 : 0);
}

} // namespace

bool installTextRules(sqlite3* db)
{
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, compareIgnoringCase) == SQLITE_OK &&
           sqlite3_create_function(db, "like", 2, flags, nullptr, like, nullptr, nullptr) == SQLITE_OK;
}

} // namespace cedb
