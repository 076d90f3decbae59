#include "tables/FieldValueCheck.h"

#include "data/OdbcType.h"
#include "platform/automation/variant.h"

#include <cmath>

namespace {

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
    if (info.odbcType == odbc::Text) {
        const int length = info.maxLen.toInt();
        if (length > 0 && text.size() > length)
            return QStringLiteral("%1 takes at most %2 characters; the text has %3").arg(fieldName).arg(length).arg(text.size());
        return {};
    }
    // A blank entry leaves a number or a date without a value.
    if (text.trimmed().isEmpty())
        return {};
    switch (info.odbcType) {
    case odbc::Integer:
        return isWholeNumber(text) ? QString()
                                     : fieldName + QStringLiteral(" takes a whole number from -2147483648 to 2147483647");
    case odbc::Double: return converts(text, VT_R8) ? QString() : fieldName + QStringLiteral(" takes a number");
    case odbc::DateTime:
        return converts(text, VT_DATE) ? QString() : fieldName + QStringLiteral(" takes a date, such as 1/15/2027");
    default: return {};
    }
}
