#include "tables/FieldValueCheck.h"

#include "platform/automation/variant.h"

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
        return converts(text, VT_I4) ? QString()
                                     : fieldName + QStringLiteral(" takes a whole number from -2147483648 to 2147483647");
    case kDouble: return converts(text, VT_R8) ? QString() : fieldName + QStringLiteral(" takes a number");
    case kDateTime:
        return converts(text, VT_DATE) ? QString() : fieldName + QStringLiteral(" takes a date, such as 1/15/2027");
    default: return {};
    }
}
