#pragma once
// The automation value: what crosses every boundary of the system (engine fields, script values,
// dispatch arguments). Conversions follow the classic automation rules for the en-US locale.
#include "platform/automation/hresult.h"
#include "platform/automation/interfaces.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

using VARTYPE = std::uint16_t;
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_NULL = 1;
constexpr VARTYPE VT_I2 = 2;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_R4 = 4;
constexpr VARTYPE VT_R8 = 5;
constexpr VARTYPE VT_CY = 6;
constexpr VARTYPE VT_DATE = 7;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_DISPATCH = 9;
constexpr VARTYPE VT_ERROR = 10;
constexpr VARTYPE VT_BOOL = 11;
constexpr VARTYPE VT_VARIANT = 12;
constexpr VARTYPE VT_UNKNOWN = 13;
constexpr VARTYPE VT_UI1 = 17;
constexpr VARTYPE VT_ARRAY = 0x2000;

using VARIANT_BOOL = std::int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

class Variant;

// A rectangular array of variants with a lower bound per dimension (VBScript arrays start at 0).
// Elements are stored with the first dimension varying fastest, as the platform's safe arrays do.
struct SafeArray {
    struct Bound {
        std::int32_t lower = 0;
        std::int32_t count = 0;
    };
    std::vector<Bound> bounds;
    std::vector<Variant> elements;

    static SafeArray vector(std::int32_t count);          // one dimension, 0 .. count - 1
    static SafeArray create(std::vector<Bound> bounds);
    // Position of an element in `elements`, or -1 when an index is out of range or the count differs.
    std::int64_t offset(const std::vector<std::int32_t>& indexes) const;
};

class Variant {
public:
    Variant() = default;                                   // Empty
    // The small constructors and the moves are inline: script loops make and drop values by the million.
    Variant(std::int16_t value) : m_vt(VT_I2) { m_value.i2 = value; }
    Variant(std::int32_t value) : m_vt(VT_I4) { m_value.i4 = value; }
    Variant(float value);
    Variant(double value) : m_vt(VT_R8) { m_value.r8 = value; }
    Variant(bool value) : m_vt(VT_BOOL) { m_value.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; }   // -1 / 0
    Variant(const QString& value);
    Variant(const char16_t* value);
    Variant(const char*) = delete;                         // say QStringLiteral, never rely on bool conversion
    Variant(IDispatch* value);                             // adds a reference
    Variant(SafeArray value);

    static Variant null();
    static Variant fromDate(double value);                 // days since 12/30/1899, time as the fraction
    static Variant fromByte(std::uint8_t value);
    static Variant fromCurrency(std::int64_t scaledBy10000);
    static Variant fromError(HRESULT scode);               // VT_ERROR, also "parameter omitted"

    Variant(const Variant& other);
    Variant(Variant&& other) noexcept
        : m_vt(other.m_vt), m_value(other.m_value), m_string(std::move(other.m_string)), m_array(std::move(other.m_array))
    {
        other.m_vt = VT_EMPTY;
        other.m_value = {};
    }
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept
    {
        if (this == &other)
            return *this;
        if (m_vt == VT_DISPATCH || m_array || !m_string.isNull()) {
            // The old value goes last: `other` may live inside it (an element of this array).
            Variant previous(std::move(*this));
            take(other);
        } else {
            take(other);
        }
        return *this;
    }
    // The members free the text and the array.
    ~Variant()
    {
        if (m_vt == VT_DISPATCH && m_value.dispatch)
            m_value.dispatch->Release();
    }

    VARTYPE vt() const { return m_vt; }
    bool isEmpty() const { return m_vt == VT_EMPTY; }
    bool isNull() const { return m_vt == VT_NULL; }
    bool isArray() const { return (m_vt & VT_ARRAY) != 0; }
    bool isNumeric() const;                                // I2, I4, R4, R8, CY or UI1

    // Raw payloads; valid only for the matching vt().
    std::int16_t i2() const { return m_value.i2; }
    std::int32_t i4() const { return m_value.i4; }
    float r4() const { return m_value.r4; }
    double r8() const { return m_value.r8; }
    double date() const { return m_value.r8; }
    VARIANT_BOOL boolVal() const { return m_value.boolVal; }
    std::uint8_t byte() const { return m_value.ui1; }
    std::int64_t currency() const { return m_value.cy; }
    HRESULT scode() const { return m_value.scode; }
    const QString& string() const { return m_string; }
    IDispatch* dispatch() const { return m_value.dispatch; }
    const SafeArray& array() const { return *m_array; }
    SafeArray& array() { return *m_array; }

    void clear();                                          // back to Empty, releasing what it held

    // VariantChangeType: converts into `out` (which may be *this); DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW on failure.
    HRESULT changeType(VARTYPE target, Variant& out) const;

    // Conveniences over changeType; `ok` (when given) reports whether the conversion succeeded.
    QString toString(bool* ok = nullptr) const;            // Null gives "" with ok = false
    double toDouble(bool* ok = nullptr) const;
    std::int32_t toInt(bool* ok = nullptr) const;
    bool toBool(bool* ok = nullptr) const;
    double toDate(bool* ok = nullptr) const;

private:
    void take(Variant& other) noexcept
    {
        m_vt = other.m_vt;
        m_value = other.m_value;
        m_string = std::move(other.m_string);
        m_array = std::move(other.m_array);
        other.m_vt = VT_EMPTY;
        other.m_value = {};
    }

    VARTYPE m_vt = VT_EMPTY;
    union Value {
        std::int16_t i2;
        std::int32_t i4;
        float r4;
        double r8;
        VARIANT_BOOL boolVal;
        std::uint8_t ui1;
        std::int64_t cy;
        HRESULT scode;
        IDispatch* dispatch;
    } m_value{};
    QString m_string;
    std::unique_ptr<SafeArray> m_array;
};

HRESULT VariantChangeType(Variant& dest, const Variant& src, VARTYPE vt);

// The text forms and parsers of the conversion, exposed for the script engine and the engine's checks.
namespace automation {

// Up to 15 significant digits, no trailing zeros, exponent form "1E+20" / "1E-05" beyond the plain range.
QString formatDouble(double value);
// "M/D/YYYY", " h:mm:ss AM"/" PM" appended when the time is not midnight; a time alone when the date part is 0.
QString formatDate(double value);
// Numbers as the conversion accepts them: blanks around, sign, decimals, exponent, &H / &O; false otherwise.
bool parseNumber(const QString& text, double& value);
// Dates and times as the conversion accepts them ("12/7/2026", "2026-12-07", "Dec 7, 2026", "10:30 PM", ...).
bool parseDate(const QString& text, double& value);
// "True"/"False" (any case) and numbers; also "yes"/"no" / "on"/"off" for engine booleans.
bool parseBool(const QString& text, bool& value);

struct DateParts {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
    int weekday = 7; // 1 = Sunday
};
// Serial date ↔ calendar parts; fromDateParts fails for dates outside 1/1/100 .. 12/31/9999.
bool fromDateParts(int year, int month, int day, int hour, int minute, int second, double& value);
DateParts toDateParts(double value);

} // namespace automation
