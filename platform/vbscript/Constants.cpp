#include "platform/vbscript/Constants.h"

#include <QHash>

namespace vbscript {

namespace {

struct NumberConstant {
    const char* name;
    std::int32_t value;
};

// The numeric constants are Longs, as the language's own are.
constexpr NumberConstant numberConstants[] = {
    {"vbTrue", -1}, {"vbFalse", 0}, {"vbUseDefault", -2},
    {"vbBinaryCompare", 0}, {"vbTextCompare", 1}, {"vbDatabaseCompare", 2},
    {"vbUseSystemDayOfWeek", 0}, {"vbSunday", 1}, {"vbMonday", 2}, {"vbTuesday", 3}, {"vbWednesday", 4},
    {"vbThursday", 5}, {"vbFriday", 6}, {"vbSaturday", 7},
    {"vbUseSystem", 0}, {"vbFirstJan1", 1}, {"vbFirstFourDays", 2}, {"vbFirstFullWeek", 3},
    {"vbGeneralDate", 0}, {"vbLongDate", 1}, {"vbShortDate", 2}, {"vbLongTime", 3}, {"vbShortTime", 4},
    {"vbEmpty", 0}, {"vbNull", 1}, {"vbInteger", 2}, {"vbLong", 3}, {"vbSingle", 4}, {"vbDouble", 5},
    {"vbCurrency", 6}, {"vbDate", 7}, {"vbString", 8}, {"vbObject", 9}, {"vbError", 10}, {"vbBoolean", 11},
    {"vbVariant", 12}, {"vbDataObject", 13}, {"vbDecimal", 14}, {"vbByte", 17}, {"vbArray", 8192},
    {"vbBlack", 0x000000}, {"vbRed", 0x0000FF}, {"vbGreen", 0x00FF00}, {"vbYellow", 0x00FFFF},
    {"vbBlue", 0xFF0000}, {"vbMagenta", 0xFF00FF}, {"vbCyan", 0xFFFF00}, {"vbWhite", 0xFFFFFF},
    {"vbOKOnly", 0}, {"vbOKCancel", 1}, {"vbAbortRetryIgnore", 2}, {"vbYesNoCancel", 3}, {"vbYesNo", 4},
    {"vbRetryCancel", 5}, {"vbCritical", 16}, {"vbQuestion", 32}, {"vbExclamation", 48}, {"vbInformation", 64},
    {"vbDefaultButton1", 0}, {"vbDefaultButton2", 256}, {"vbDefaultButton3", 512}, {"vbDefaultButton4", 768},
    {"vbApplicationModal", 0}, {"vbSystemModal", 4096},
    {"vbOK", 1}, {"vbCancel", 2}, {"vbAbort", 3}, {"vbRetry", 4}, {"vbIgnore", 5}, {"vbYes", 6}, {"vbNo", 7},
    {"vbObjectError", -2147221504},
};

struct TextConstant {
    const char* name;
    const char16_t* value;
};

constexpr TextConstant textConstants[] = {
    {"vbCr", u"\r"}, {"vbLf", u"\n"}, {"vbCrLf", u"\r\n"}, {"vbNewLine", u"\r\n"}, {"vbTab", u"\t"},
    {"vbFormFeed", u"\f"}, {"vbVerticalTab", u"\v"}, {"vbNullString", u""},
};

QHash<QString, Variant> buildTable()
{
    QHash<QString, Variant> table;
    for (const auto& constant : numberConstants)
        table.insert(QString::fromLatin1(constant.name).toLower(), Variant(constant.value));
    for (const auto& constant : textConstants)
        table.insert(QString::fromLatin1(constant.name).toLower(), Variant(constant.value));
    table.insert(QStringLiteral("vbnullchar"), Variant(QString(QChar(0))));
    return table;
}

} // namespace

bool findConstant(const QString& name, Variant& value)
{
    static const QHash<QString, Variant> table = buildTable();
    const auto found = table.constFind(name.toLower());
    if (found == table.constEnd())
        return false;
    value = found.value();
    return true;
}

} // namespace vbscript
