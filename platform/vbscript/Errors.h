#pragma once
// Runtime and compile errors of the script language: VBScript's numbers and their descriptions.
#include <QString>

#include <cstdint>

namespace vbscript {

// Thrown inside the engine only; the engine turns it into Err or a site error report.
struct ScriptError {
    std::int32_t number;
    QString description;
};

// The standard description of an error number; "Unknown runtime error" for numbers the language doesn't know.
QString errorDescription(std::int32_t number);

[[noreturn]] void raiseError(std::int32_t number);

// The numbers the value library raises itself.
namespace error {
constexpr std::int32_t InvalidCall = 5;
constexpr std::int32_t Overflow = 6;
constexpr std::int32_t SubscriptOutOfRange = 9;
constexpr std::int32_t DivisionByZero = 11;
constexpr std::int32_t TypeMismatch = 13;
constexpr std::int32_t ObjectNotSet = 91;
constexpr std::int32_t InvalidUseOfNull = 94;
constexpr std::int32_t ObjectRequired = 424;
constexpr std::int32_t CantCreateObject = 429;
constexpr std::int32_t NoSuchMember = 438;
constexpr std::int32_t WrongArgumentCount = 450;
constexpr std::int32_t VariableUndefined = 500;
constexpr std::int32_t SyntaxError = 1002;
constexpr std::int32_t ExpectedEnd = 1014;
} // namespace error

} // namespace vbscript
