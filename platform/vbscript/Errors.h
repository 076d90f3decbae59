#pragma once
// Runtime and compile errors of the script language: VBScript's numbers and their descriptions.
#include <QString>

#include <cstdint>

namespace vbscript {

// Thrown inside the engine only; the engine turns it into Err or a site error report.
struct ScriptError {
    std::int32_t number;
    QString description;
    QString source = {};   // who raised it; empty for the language's own errors
};

// The standard description of an error number; "Unknown runtime error" for numbers the language doesn't know.
QString errorDescription(std::int32_t number);

[[noreturn]] void raiseError(std::int32_t number);

// The numbers the value library raises itself.
namespace error {
constexpr std::int32_t InvalidCall = 5;
constexpr std::int32_t Overflow = 6;
constexpr std::int32_t SubscriptOutOfRange = 9;
constexpr std::int32_t ArrayFixed = 10;
constexpr std::int32_t DivisionByZero = 11;
constexpr std::int32_t TypeMismatch = 13;
constexpr std::int32_t OutOfStackSpace = 28;
constexpr std::int32_t PermissionDenied = 70;
constexpr std::int32_t ObjectNotSet = 91;
constexpr std::int32_t InvalidUseOfNull = 94;
constexpr std::int32_t ObjectRequired = 424;
constexpr std::int32_t CantCreateObject = 429;
constexpr std::int32_t NoSuchMember = 438;
constexpr std::int32_t WrongArgumentCount = 450;
constexpr std::int32_t NotACollection = 451;
constexpr std::int32_t VariableUndefined = 500;
constexpr std::int32_t InvalidReference = 505;
constexpr std::int32_t IllegalAssignment = 501;
// The host stopped the script (interrupt or step budget); On Error Resume Next cannot swallow it.
constexpr std::int32_t Interrupted = 0x1001;
constexpr std::int32_t SyntaxError = 1002;
constexpr std::int32_t ExpectedOpenParen = 1005;
constexpr std::int32_t ExpectedCloseParen = 1006;
constexpr std::int32_t ExpectedIdentifier = 1010;
constexpr std::int32_t ExpectedEquals = 1011;
constexpr std::int32_t ExpectedIf = 1012;
constexpr std::int32_t ExpectedTo = 1013;
constexpr std::int32_t ExpectedEnd = 1014;
constexpr std::int32_t ExpectedFunction = 1015;
constexpr std::int32_t ExpectedSub = 1016;
constexpr std::int32_t ExpectedThen = 1017;
constexpr std::int32_t ExpectedWend = 1018;
constexpr std::int32_t ExpectedLoop = 1019;
constexpr std::int32_t ExpectedNext = 1020;
constexpr std::int32_t ExpectedCase = 1021;
constexpr std::int32_t ExpectedSelect = 1022;
constexpr std::int32_t ExpectedExpression = 1023;
constexpr std::int32_t ExpectedStatement = 1024;
constexpr std::int32_t ExpectedEndOfStatement = 1025;
constexpr std::int32_t ExpectedIntegerConstant = 1026;
constexpr std::int32_t ExpectedWhileOrUntil = 1027;
constexpr std::int32_t ExpectedWith = 1029;
constexpr std::int32_t IdentifierTooLong = 1030;
constexpr std::int32_t InvalidNumber = 1031;
constexpr std::int32_t InvalidCharacter = 1032;
constexpr std::int32_t UnterminatedString = 1033;
constexpr std::int32_t InvalidExit = 1039;
constexpr std::int32_t NameRedefined = 1041;
constexpr std::int32_t ParenthesesOnSubCall = 1044;
constexpr std::int32_t ExpectedLiteral = 1045;
constexpr std::int32_t ExpectedIn = 1046;
constexpr std::int32_t ExpectedClass = 1047;
constexpr std::int32_t ExpectedPropertyKind = 1049;
constexpr std::int32_t ExpectedProperty = 1050;
constexpr std::int32_t PropertyArgumentsDiffer = 1051;
constexpr std::int32_t MultipleDefaults = 1052;
constexpr std::int32_t EventWithArguments = 1053;
constexpr std::int32_t PropertyWithoutArgument = 1054;
constexpr std::int32_t ClassNotDefined = 506;
constexpr std::int32_t RegExpSyntax = 5017;
} // namespace error

} // namespace vbscript
