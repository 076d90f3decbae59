#pragma once
// Turns script text into a program tree; a syntax error is thrown as CompileError with its place.
#include "platform/vbscript/Ast.h"
#include "platform/vbscript/Lexer.h"

namespace vbscript {

Program parseProgram(const QString& text);

} // namespace vbscript
