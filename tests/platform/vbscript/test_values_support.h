#pragma once
// Shorthands for the value tests: calling a built-in by name and catching the error a call raises.
#include "platform/vbscript/Builtins.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <gtest/gtest.h>

#include <functional>

namespace vbscript::test_support {

inline Variant call(const char* name, std::vector<Variant> args = {})
{
    const Builtin* builtin = findBuiltin(QString::fromLatin1(name));
    if (builtin == nullptr) {
        ADD_FAILURE() << "no built-in " << name;
        return Variant();
    }
    return builtin->function(args);
}

// The text form the script would print (Null shows as "Null").
inline QString shown(const Variant& value)
{
    return value.isNull() ? QStringLiteral("Null") : textOf(value);
}

inline std::string text(const Variant& value)
{
    return shown(value).toStdString();
}

// The number of the error `action` raises, 0 when it raises none.
inline std::int32_t errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ScriptError& error) {
        return error.number;
    }
    return 0;
}

inline std::int32_t callError(const char* name, std::vector<Variant> args)
{
    return errorOf([&] { call(name, args); });
}

inline Variant L(std::int32_t value)
{
    return Variant(value);
}

inline Variant str(const char16_t* value)
{
    return Variant(value);
}

inline Variant date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    double serial = 0;
    EXPECT_TRUE(automation::fromDateParts(year, month, day, hour, minute, second, serial));
    return Variant::fromDate(serial);
}

} // namespace vbscript::test_support
