#include "platform/automation/variant.h"

#include "platform/automation/textforms.h"

#include <cfloat>
#include <cmath>

namespace {

constexpr double kFirstDate = -657434.0;  // 1/1/100
constexpr double kAfterLastDate = 2958466.0; // the day after 12/31/9999

// The numeric value of a source that is neither text nor an object; false for Null, errors and arrays.
bool plainNumber(const Variant& v, double& value)
{
    switch (v.vt()) {
    case VT_EMPTY: value = 0; return true;
    case VT_I2: value = v.i2(); return true;
    case VT_I4: value = v.i4(); return true;
    case VT_R4: value = v.r4(); return true;
    case VT_R8: value = v.r8(); return true;
    case VT_DATE: value = v.date(); return true;
    case VT_BOOL: value = v.boolVal(); return true;
    case VT_UI1: value = v.byte(); return true;
    case VT_CY: value = double(v.currency()) / 10000.0; return true;
    default: return false;
    }
}

// Integers take the value rounded half to even, as the conversion always has.
HRESULT toInteger(double value, double low, double high, double& rounded)
{
    rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < low || rounded > high)
        return DISP_E_OVERFLOW;
    return S_OK;
}

HRESULT numberToTarget(double value, VARTYPE target, Variant& out)
{
    double rounded = 0;
    HRESULT hr = S_OK;
    switch (target) {
    case VT_I2:
        if (SUCCEEDED(hr = toInteger(value, -32768.0, 32767.0, rounded)))
            out = Variant(std::int16_t(rounded));
        return hr;
    case VT_I4:
        if (SUCCEEDED(hr = toInteger(value, -2147483648.0, 2147483647.0, rounded)))
            out = Variant(std::int32_t(rounded));
        return hr;
    case VT_UI1:
        if (SUCCEEDED(hr = toInteger(value, 0.0, 255.0, rounded)))
            out = Variant::fromByte(std::uint8_t(rounded));
        return hr;
    case VT_CY:
        if (SUCCEEDED(hr = toInteger(value * 10000.0, -9.2233720368547e18, 9.2233720368547e18, rounded)))
            out = Variant::fromCurrency(std::int64_t(rounded));
        return hr;
    case VT_R4:
        if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
            return DISP_E_OVERFLOW;
        out = Variant(float(value));
        return S_OK;
    case VT_R8:
        out = Variant(value);
        return S_OK;
    case VT_DATE:
        if (!(value >= kFirstDate && value < kAfterLastDate))
            return DISP_E_OVERFLOW;
        out = Variant::fromDate(value);
        return S_OK;
    case VT_BOOL:
        out = Variant(value != 0.0);
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

bool isNumberTarget(VARTYPE target)
{
    switch (target) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_BOOL: case VT_UI1:
        return true;
    default:
        return false;
    }
}

HRESULT textToTarget(const QString& text, VARTYPE target, Variant& out)
{
    if (target == VT_DATE) {
        double date = 0;
        if (!automation::parseDate(text, date))
            return DISP_E_TYPEMISMATCH;
        out = Variant::fromDate(date);
        return S_OK;
    }
    if (target == VT_BOOL) {
        bool flag = false;
        if (automation::detail::parseBoolWord(text, flag)) {
            out = Variant(flag);
            return S_OK;
        }
    }
    double number = 0;
    switch (automation::detail::parseNumberText(text, number)) {
    case automation::detail::NumberParse::Invalid: return DISP_E_TYPEMISMATCH;
    case automation::detail::NumberParse::Overflow: return DISP_E_OVERFLOW;
    case automation::detail::NumberParse::Ok: break;
    }
    return numberToTarget(number, target, out);
}

HRESULT toText(const Variant& v, QString& text)
{
    switch (v.vt()) {
    case VT_EMPTY: text.clear(); return S_OK;
    case VT_I2: text = QString::number(v.i2()); return S_OK;
    case VT_I4: text = QString::number(v.i4()); return S_OK;
    case VT_UI1: text = QString::number(v.byte()); return S_OK;
    case VT_R4: text = automation::detail::formatFloat(v.r4()); return S_OK;
    case VT_R8: text = automation::formatDouble(v.r8()); return S_OK;
    case VT_CY: text = automation::detail::formatCurrency(v.currency()); return S_OK;
    case VT_DATE: text = automation::formatDate(v.date()); return S_OK;
    case VT_BOOL: text = v.boolVal() ? QStringLiteral("-1") : QStringLiteral("0"); return S_OK;
    case VT_BSTR: text = v.string(); return S_OK;
    default: return DISP_E_TYPEMISMATCH;
    }
}

// An object converts through its default member; objects that hand back objects again are refused.
HRESULT defaultValue(IDispatch* object, Variant& value)
{
    if (!object)
        return DISP_E_TYPEMISMATCH;
    DISPPARAMS none;
    if (FAILED(object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_EN_US, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                              nullptr)))
        return DISP_E_TYPEMISMATCH;
    return value.vt() == VT_DISPATCH ? DISP_E_TYPEMISMATCH : S_OK;
}

} // namespace

Variant::Variant(float value) : m_vt(VT_R4) { m_value.r4 = value; }
Variant::Variant(const QString& value) : m_vt(VT_BSTR), m_string(value) {}
Variant::Variant(const char16_t* value) : m_vt(VT_BSTR), m_string(QString::fromUtf16(value)) {}

Variant::Variant(IDispatch* value) : m_vt(VT_DISPATCH)
{
    m_value.dispatch = value;
    if (value)
        value->AddRef();
}

Variant::Variant(SafeArray value) : m_vt(VT_ARRAY | VT_VARIANT), m_array(std::make_unique<SafeArray>(std::move(value))) {}

Variant Variant::null()
{
    Variant v;
    v.m_vt = VT_NULL;
    return v;
}

Variant Variant::fromDate(double value)
{
    Variant v(value);
    v.m_vt = VT_DATE;
    return v;
}

Variant Variant::fromByte(std::uint8_t value)
{
    Variant v;
    v.m_vt = VT_UI1;
    v.m_value.ui1 = value;
    return v;
}

Variant Variant::fromCurrency(std::int64_t scaledBy10000)
{
    Variant v;
    v.m_vt = VT_CY;
    v.m_value.cy = scaledBy10000;
    return v;
}

Variant Variant::fromError(HRESULT scode)
{
    Variant v;
    v.m_vt = VT_ERROR;
    v.m_value.scode = scode;
    return v;
}

Variant::Variant(const Variant& other) : m_vt(other.m_vt), m_value(other.m_value), m_string(other.m_string)
{
    if (other.m_array)
        m_array = std::make_unique<SafeArray>(*other.m_array);
    if (m_vt == VT_DISPATCH && m_value.dispatch)
        m_value.dispatch->AddRef();
}

Variant& Variant::operator=(const Variant& other)
{
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}


bool Variant::isNumeric() const
{
    switch (m_vt) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_UI1:
        return true;
    default:
        return false;
    }
}

void Variant::clear()
{
    if (m_vt == VT_DISPATCH && m_value.dispatch)
        m_value.dispatch->Release();
    m_vt = VT_EMPTY;
    m_value = {};
    m_string.clear();
    m_array.reset();
}

HRESULT Variant::changeType(VARTYPE target, Variant& out) const
{
    Variant result;
    HRESULT hr = S_OK;
    if (target == m_vt || target == VT_VARIANT) {
        result = *this;
    } else if (target == VT_EMPTY) {
        // Converting to Empty always succeeds and drops the value.
    } else if (m_vt == VT_DISPATCH) {
        Variant value;
        if (SUCCEEDED(hr = defaultValue(m_value.dispatch, value)))
            hr = value.changeType(target, result);
    } else if (target == VT_DISPATCH && m_vt == VT_EMPTY) {
        result = Variant(static_cast<IDispatch*>(nullptr));
    } else if (target == VT_BSTR) {
        QString text;
        if (SUCCEEDED(hr = toText(*this, text)))
            result = Variant(text);
    } else if (!isNumberTarget(target)) {
        hr = (target & VT_ARRAY) || target == VT_NULL || target == VT_ERROR || target == VT_DISPATCH
                 ? DISP_E_TYPEMISMATCH
                 : DISP_E_BADVARTYPE;
    } else if (m_vt == VT_BSTR) {
        hr = textToTarget(m_string, target, result);
    } else {
        double number = 0;
        hr = plainNumber(*this, number) ? numberToTarget(number, target, result) : DISP_E_TYPEMISMATCH;
    }
    if (SUCCEEDED(hr))
        out = std::move(result);
    return hr;
}

HRESULT VariantChangeType(Variant& dest, const Variant& src, VARTYPE vt)
{
    return src.changeType(vt, dest);
}

namespace {
template <typename Read>
auto convert(const Variant& v, VARTYPE target, bool* ok, Read read) -> decltype(read(v))
{
    Variant out;
    const bool converted = SUCCEEDED(v.changeType(target, out));
    if (ok)
        *ok = converted;
    return converted ? read(out) : decltype(read(v)){};
}
} // namespace

QString Variant::toString(bool* ok) const
{
    return convert(*this, VT_BSTR, ok, [](const Variant& v) { return v.string(); });
}

double Variant::toDouble(bool* ok) const
{
    return convert(*this, VT_R8, ok, [](const Variant& v) { return v.r8(); });
}

std::int32_t Variant::toInt(bool* ok) const
{
    return convert(*this, VT_I4, ok, [](const Variant& v) { return v.i4(); });
}

bool Variant::toBool(bool* ok) const
{
    return convert(*this, VT_BOOL, ok, [](const Variant& v) { return v.boolVal() != VARIANT_FALSE; });
}

double Variant::toDate(bool* ok) const
{
    return convert(*this, VT_DATE, ok, [](const Variant& v) { return v.date(); });
}
