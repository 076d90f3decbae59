#pragma once
// Turns script text into a program tree; a syntax error is thrown as CompileError with its place.
#include "platform/vbscript/Ast.h"
#include "platform/vbscript/Lexer.h"

namespace vbscript {

// `withDepth` counts the With blocks around the place that runs the text (Execute inside a With block).
Program parseProgram(const QString& text, int withDepth = 0);
// The text of Eval: one expression, in the program's `expression`.
Program parseExpressionText(const QString& text, int withDepth);

} // namespace vbscript
