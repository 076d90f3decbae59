#include "platform/vbscript/OperatorsCoercion.h"

#include "platform/vbscript/ErrObject.h"
#include "platform/vbscript/Errors.h"

#include <cfloat>
#include <cmath>

namespace vbscript {

namespace {

constexpr double firstDate = -657434.0;          // 1/1/100
constexpr double lastDate = 2958466.0;           // 1/1/10000
constexpr double currencyLimit = 922337203685477.5807;

bool readBool(const QString& text, bool& value)
{
    if (isBooleanWord(text, value))
        return true;
    double number = 0;
    if (!automation::parseNumber(text, number))
        return false;
    value = number != 0;
    return true;
}

} // namespace

// "#TRUE#" and "#FALSE#" are the forms Booleans take in some written data.
bool isBooleanWord(const QString& text, bool& value)
{
    const QString trimmed = text.trimmed();
    for (const bool word : {true, false}) {
        const QLatin1String plain(word ? "true" : "false");
        const QLatin1String marked(word ? "#true#" : "#false#");
        if (trimmed.compare(plain, Qt::CaseInsensitive) == 0 || trimmed.compare(marked, Qt::CaseInsensitive) == 0) {
            value = word;
            return true;
        }
    }
    return false;
}

Variant valueOf(const Variant& value)
{
    if (value.vt() != VT_DISPATCH)
        return value;
    IDispatch* object = value.dispatch();
    if (object == nullptr)
        raiseError(error::ObjectNotSet);
    DISPPARAMS noArguments;
    Variant result;
    EXCEPINFO exception{};
    const HRESULT hr = object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_EN_US, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                                      &noArguments, &result, &exception, nullptr);
    // An error of the default member itself is the error; an object without one does not support it.
    if (FAILED(hr))
        raiseFromInvoke(hr, exception);
    return result;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

QString textOf(const Variant& value)
{
    switch (value.vt()) {
    case VT_EMPTY: return QString();
    case VT_NULL: raiseError(error::InvalidUseOfNull);
    case VT_BOOL: return value.boolVal() ? QStringLiteral("True") : QStringLiteral("False");
    case VT_BSTR: return value.string();
    case VT_DATE: return automation::formatDate(value.date());
    case VT_DISPATCH: return textOf(valueOf(value));
    default:
        if (value.isNumeric())
            return value.toString();
        raiseError(error::TypeMismatch);
    }
}

double doubleOf(const Variant& value)
{
    switch (value.vt()) {
    case VT_EMPTY: return 0;
    case VT_NULL: raiseError(error::InvalidUseOfNull);
    case VT_BOOL: return value.boolVal() ? -1 : 0;
    case VT_UI1: return value.byte();
    case VT_I2: return value.i2();
    case VT_I4: return value.i4();
    case VT_R4: return value.r4();
    case VT_R8: return value.r8();
    case VT_CY: return double(value.currency()) / 10000.0;
    case VT_DATE: return value.date();
    case VT_DISPATCH: return doubleOf(valueOf(value));
    case VT_BSTR: {
        double number = 0;
        if (automation::parseNumber(value.string(), number))
            return number;
        raiseError(error::TypeMismatch);
    }
    default: raiseError(error::TypeMismatch);
    }
}

std::int32_t longOf(const Variant& value)
{
    if (value.vt() == VT_I4)
        return value.i4();
    const double rounded = roundHalfEven(doubleOf(value));
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        raiseError(error::Overflow);
    return static_cast<std::int32_t>(rounded);
}

bool boolOf(const Variant& value)
{
    switch (value.vt()) {
    case VT_BOOL: return value.boolVal() != 0;
    case VT_NULL: raiseError(error::InvalidUseOfNull);
    case VT_DISPATCH: return boolOf(valueOf(value));
    case VT_BSTR: {
        bool result = false;
        if (readBool(value.string(), result))
            return result;
        raiseError(error::TypeMismatch);
    }
    default: return doubleOf(value) != 0;
    }
}

double dateOf(const Variant& value)
{
    double serial = 0;
    switch (value.vt()) {
    case VT_NULL: raiseError(error::InvalidUseOfNull);
    case VT_DATE: return value.date();
    case VT_DISPATCH: return dateOf(valueOf(value));
    case VT_BSTR:
        if (automation::parseDate(value.string(), serial))
            return serial;
        raiseError(error::TypeMismatch);
    default: serial = doubleOf(value);
    }
    if (!(serial >= firstDate && serial < lastDate))
        raiseError(error::Overflow);
    return serial;
}

Variant fitNumber(VARTYPE type, double value)
{
    switch (type) {
    case VT_UI1:
        if (value >= 0 && value <= 255)
            return Variant::fromByte(static_cast<std::uint8_t>(value));
        [[fallthrough]];
    case VT_I2:
        if (value >= -32768 && value <= 32767)
            return Variant(static_cast<std::int16_t>(value));
        [[fallthrough]];
    case VT_I4:
        if (value >= -2147483648.0 && value <= 2147483647.0)
            return Variant(static_cast<std::int32_t>(value));
        break;
    case VT_R4:
        if (std::fabs(value) <= FLT_MAX)
            return Variant(static_cast<float>(value));
        break;
    case VT_CY:
        if (std::fabs(value) > currencyLimit)
            raiseError(error::Overflow);
        return Variant::fromCurrency(static_cast<std::int64_t>(roundHalfEven(value * 10000.0)));
    case VT_DATE:
        if (!(value >= firstDate && value < lastDate))
            raiseError(error::Overflow);
        return Variant::fromDate(value);
    default: break;
    }
    if (!std::isfinite(value))
        raiseError(error::Overflow);
    return Variant(value);
}

} // namespace vbscript
