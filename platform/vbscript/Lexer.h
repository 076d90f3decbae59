#pragma once
// Cuts script text into tokens. Names and keywords are compared in lower case; a line continuation
// " _" joins two lines; comments (' and Rem) vanish; numbers, strings and #dates# become values.
#include "platform/automation/variant.h"

#include <QString>

#include <vector>

namespace vbscript {

enum class TokenKind { Name, Value, Symbol, LineEnd, Colon, End };

struct Token {
    TokenKind kind = TokenKind::End;
    QString text;      // names in lower case, symbols as written ("<>", "(", ...)
    QString spelling;  // names as written
    Variant value;     // literal values
    int line = 0;      // zero-based, counted from the start of the text
    int column = 0;    // zero-based
    bool spaceBefore = false;

    bool is(TokenKind k, const char* t) const { return kind == k && text == QLatin1String(t); }
    bool isName(const char* t) const { return is(TokenKind::Name, t); }
    bool isSymbol(const char* t) const { return is(TokenKind::Symbol, t); }
    bool endsStatement() const { return kind == TokenKind::LineEnd || kind == TokenKind::Colon || kind == TokenKind::End; }
};

// A syntax error with its place; the numbers are the language's compile error numbers.
struct CompileError {
    std::int32_t number;
    int line;
    int column;
};

// Throws CompileError. The token list always ends with a LineEnd and an End token.
std::vector<Token> tokenize(const QString& text);

} // namespace vbscript
