#pragma once
// The language's regular expression object (New RegExp, CreateObject("VBScript.RegExp")): Pattern,
// IgnoreCase, Global and Multiline, Test, Replace and Execute, whose Matches hold Match objects (Value,
// FirstIndex, Length, SubMatches). Collections are 0-based, their Item the default member, and For Each goes
// through them.
#include "platform/vbscript/ScriptObject.h"

namespace vbscript {

// A new RegExp object of the interpreter behind `link`.
Variant newRegExp(const InterpreterLink& link);

} // namespace vbscript
