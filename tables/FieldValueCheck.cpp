#include "tables/FieldValueCheck.h"

#include "platform/automation/variant.h"

#include <cmath>

namespace {
constexpr int kText = 12;
constexpr int kInteger = 4;
constexpr int kDouble = 8;
constexpr int kDateTime = 11;

bool converts(const QString& text, VARTYPE type)
{
    Variant converted;
    return SUCCEEDED(Variant(text).changeType(type, converted));
}

// The conversion to a whole number rounds "1234.99" to 1235; a whole number is what the user must type.
bool isWholeNumber(const QString& text)
{
    Variant number;
    if (FAILED(Variant(text).changeType(VT_R8, number)))
        return false;
    const double value = number.r8();
    return value == std::floor(value) && converts(text, VT_I4);
}
} // namespace

QString valueRefusal(const QString& fieldName, const FieldInfo& info, const QString& text)
{
    if (info.odbcType == kText) {
        const int length = info.maxLen.toInt();
        if (length > 0 && text.size() > length)
            return QStringLiteral("%1 takes at most %2 characters; the text has %3").arg(fieldName).arg(length).arg(text.size());
        return {};
    }
    // A blank entry leaves a number or a date without a value.
    if (text.trimmed().isEmpty())
        return {};
    switch (info.odbcType) {
    case kInteger:
        return isWholeNumber(text) ? QString()
                                     : fieldName + QStringLiteral(" takes a whole number from -2147483648 to 2147483647");
    case kDouble: return converts(text, VT_R8) ? QString() : fieldName + QStringLiteral(" takes a number");
    case kDateTime:
        return converts(text, VT_DATE) ? QString() : fieldName + QStringLiteral(" takes a date, such as 1/15/2027");
    default: return {};
    }
}
