#pragma once
// Splits a statement of the engine's dialect into words, quoted texts, numbers and signs.
#include <QString>

#include <optional>
#include <vector>

namespace cedb {

struct Token {
    enum Kind { Word, SingleQuoted, DoubleQuoted, Bracketed, Number, Symbol, End };
    Kind kind = End;
    QString text;     // quotes removed and doubled quotes undone; symbols as written ("<=", "=>")
    qsizetype offset = 0;

    bool isWord(const char* keyword) const;
    bool isSymbol(const char* symbol) const;
    // A name may stand bare, in single quotes or in brackets.
    bool isName() const { return kind == Word || kind == SingleQuoted || kind == Bracketed; }
};

// Nullopt when the text holds an unterminated quote or a character the dialect does not know.
std::optional<std::vector<Token>> tokenize(const QString& sql);

} // namespace cedb
