// Arithmetic functions and the random number generator.
#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <QTime>

#include <cmath>
#include <cstring>

namespace vbscript::builtins {

namespace {

// Abs, Int, Fix and Round keep their argument's numeric type; Empty and Boolean count as Integer, text as Double.
VARTYPE keptType(const Variant& value)
{
    switch (value.vt()) {
    case VT_EMPTY:
    case VT_BOOL: return VT_I2;
    case VT_UI1:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_CY:
    case VT_DATE: return value.vt();
    default: return VT_R8;
    }
}

template <double (*operation)(double)>
Variant typeKeeping(std::vector<Variant>& args)
{
    const Variant value = valueOf(args[0]);
    if (value.isNull())
        return Variant::null();
    return fitNumber(keptType(value), operation(doubleOf(value)));
}

double absolute(double value) { return std::fabs(value); }
double floorOf(double value) { return std::floor(value); }
double truncated(double value) { return std::trunc(value); }

Variant round(std::vector<Variant>& args)
{
    const Variant value = valueOf(args[0]);
    const std::int32_t decimals = optionalLong(args, 1, 0);
    if (decimals < 0)
        raiseError(error::InvalidCall);
    if (value.isNull())
        return Variant::null();
    const double number = doubleOf(value);
    const double scale = std::pow(10.0, decimals);
    const double scaled = number * scale;
    const double rounded = std::isfinite(scaled) ? roundHalfEven(scaled) / scale : number;
    return fitNumber(keptType(value), rounded);
}

template <double (*function)(double)>
Variant real(std::vector<Variant>& args)
{
    return fitNumber(VT_R8, function(doubleOf(args[0])));
}

double arcTangent(double value) { return std::atan(value); }
double cosine(double value) { return std::cos(value); }
double sine(double value) { return std::sin(value); }
double tangent(double value) { return std::tan(value); }
double exponential(double value) { return std::exp(value); }

double logarithm(double value)
{
    if (value <= 0)
        raiseError(error::InvalidCall);
    return std::log(value);
}

double squareRoot(double value)
{
    if (value < 0)
        raiseError(error::InvalidCall);
    return std::sqrt(value);
}

Variant sgn(std::vector<Variant>& args)
{
    const double value = doubleOf(args[0]);
    return Variant(static_cast<std::int16_t>(value < 0 ? -1 : (value > 0 ? 1 : 0)));
}

// The language's generator: a 24-bit linear congruence, so that seeded sequences repeat as scripts expect.
thread_local std::uint32_t randomSeed = 0x50000;

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

Variant rnd(std::vector<Variant>& args)
{
    const float argument = isMissing(args, 0) ? 1.0f : static_cast<float>(doubleOf(args[0]));
    if (argument < 0) {
        const std::uint32_t bits = bitsOf(argument);
        randomSeed = (bits + (bits >> 24)) & 0xFFFFFF;
    }
    if (argument != 0)
        randomSeed = (randomSeed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFF;
    return Variant(static_cast<float>(randomSeed) / 16777216.0f);
}

double secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

Variant randomize(std::vector<Variant>& args)
{
    const double number = isMissing(args, 0) ? secondsSinceMidnight() : doubleOf(args[0]);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &number, sizeof bits);
    const std::uint32_t high = static_cast<std::uint32_t>(bits >> 32);
    const std::uint32_t mixed = (high ^ (high >> 16)) & 0xFFFF;
    randomSeed = (randomSeed & 0xFF0000FF) | (mixed << 8);
    return Variant();
}

constexpr Builtin table[] = {
    {"Abs", 1, 1, typeKeeping<absolute>},
    {"Int", 1, 1, typeKeeping<floorOf>},
    {"Fix", 1, 1, typeKeeping<truncated>},
    {"Round", 1, 2, round},
    {"Atn", 1, 1, real<arcTangent>},
    {"Cos", 1, 1, real<cosine>},
    {"Sin", 1, 1, real<sine>},
    {"Tan", 1, 1, real<tangent>},
    {"Exp", 1, 1, real<exponential>},
    {"Log", 1, 1, real<logarithm>},
    {"Sqr", 1, 1, real<squareRoot>},
    {"Sgn", 1, 1, sgn},
    {"Rnd", 0, 1, rnd},
    {"Randomize", 0, 1, randomize},
};

} // namespace

std::span<const Builtin> mathBuiltins()
{
    return table;
}

} // namespace vbscript::builtins
