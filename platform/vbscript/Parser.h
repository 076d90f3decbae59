#pragma once
// Turns script text into a program tree; a syntax error is thrown as CompileError with its place.
#include "platform/vbscript/Ast.h"
#include "platform/vbscript/Lexer.h"

#include <QStringList>

#include <optional>

namespace vbscript {

// `withDepth` counts the With blocks around the place that runs the text (Execute inside a With block).
Program parseProgram(const QString& text, int withDepth = 0);
// The text of Eval: one expression, in the program's `expression`.
Program parseExpressionText(const QString& text, int withDepth);

// What a host may ask of a text before it runs it.
struct TextOutline {
    // Statements outside the procedures and classes, declarations (Dim, Const, Public, Private) aside.
    bool runsStatements = false;
    // The global Subs and Functions that take no arguments, spelt as written, in the order written.
    QStringList plainProcedures;
};
// Nullopt when the text does not parse.
std::optional<TextOutline> outlineOf(const QString& text);

} // namespace vbscript
