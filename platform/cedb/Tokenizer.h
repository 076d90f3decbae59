#pragma once
// Splits a statement of the engine's dialect into words, quoted texts, numbers and signs.
#include <QString>

#include <optional>
#include <vector>

namespace cedb {

struct Token {
    enum Kind { Word, SingleQuoted, DoubleQuoted, Bracketed, Number, Symbol, End };
    Kind kind = End;
    qsizetype offset = 0;

    // Quotes removed and doubled quotes undone; symbols as written ("<=", "=>"). Valid while the
    // statement's text lives.
    QStringView text() const { return unescaped.isNull() ? view : QStringView(unescaped); }

    bool isWord(const char* keyword) const;
    bool isSymbol(const char* symbol) const;
    // A name may stand bare, in single quotes or in brackets.
    bool isName() const { return kind == Word || kind == SingleQuoted || kind == Bracketed; }

    // Most tokens are a piece of the statement as written; only a quoted text with doubled quotes
    // needs a copy of its own.
    QStringView view;
    QString unescaped;
};

inline bool isAsciiDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// The tokens view into `sql`, which must outlive them. Nullopt when the text holds an unterminated quote or a character the dialect does not know.
std::optional<std::vector<Token>> tokenize(const QString& sql);
// The same into `tokens`, whose room is used again; false (and `tokens` of no use) where the other gives
// nullopt.
bool tokenize(const QString& sql, std::vector<Token>& tokens);

} // namespace cedb
