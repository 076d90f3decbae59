#include "platform/cedb/Tokenizer.h"

#include <array>
#include <cstring>

namespace cedb {

// Keywords are ASCII. A word of ASCII letters is compared here; any other goes through Qt's case folding,
// under which a few other letters match ASCII ones.
bool Token::isWord(const char* keyword) const
{
    if (kind != Word)
        return false;
    const QStringView word = text();
    const qsizetype length = qsizetype(std::strlen(keyword));
    if (word.size() != length)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = word[i].unicode();
        if (c >= 128)
            return word.compare(QLatin1String(keyword, length), Qt::CaseInsensitive) == 0;
        const char16_t lower = c >= 'A' && c <= 'Z' ? char16_t(c + 32) : c;
        const char wanted = keyword[i];
        if (lower != char16_t(wanted >= 'A' && wanted <= 'Z' ? wanted + 32 : wanted))
            return false;
    }
    return true;
}

bool Token::isSymbol(const char* symbol) const
{
    if (kind != Symbol || view.isEmpty() || view[0] != QLatin1Char(symbol[0]))
        return false;
    return view.size() == 1 ? symbol[1] == 0 : symbol[1] == view[1].unicode() && symbol[2] == 0;
}

namespace {

// Out of line, so that the ASCII test of every character stays small enough to be inlined.
[[gnu::noinline]] bool isLetter(QChar c) { return c.isLetter(); }

// Which ASCII characters begin a word (1) or only go on with one (2).
constexpr std::array<unsigned char, 128> asciiWordClasses = [] {
    std::array<unsigned char, 128> classes{};
    for (int c = 'a'; c <= 'z'; ++c)
        classes[size_t(c)] = classes[size_t(c - 32)] = 1;
    classes['_'] = classes['$'] = classes['#'] = 1;
    for (int c = '0'; c <= '9'; ++c)
        classes[size_t(c)] = 2;
    return classes;
}();

// Inlined into the loops over every character of a statement.
[[gnu::always_inline]] inline bool isWordStart(QChar c)
{
    const char16_t u = c.unicode();
    return u < 128 ? asciiWordClasses[u] == 1 : isLetter(c);
}
[[gnu::always_inline]] inline bool isWordPart(QChar c)
{
    const char16_t u = c.unicode();
    return u < 128 ? asciiWordClasses[u] != 0 : isLetter(c);
}

// Reads a text between `quote` characters starting at `pos` into `token`; a doubled quote stands for one.
bool readQuoted(QStringView sql, qsizetype& pos, QChar quote, Token& token)
{
    const qsizetype start = pos + 1;
    bool doubled = false;
    for (pos = start; pos < sql.size(); ++pos) {
        if (sql[pos] != quote)
            continue;
        if (pos + 1 < sql.size() && sql[pos + 1] == quote) {
            doubled = true;
            ++pos;
            continue;
        }
        token.view = sql.sliced(start, pos - start);
        if (doubled) {
            const QString twice(2, quote);
            token.unescaped = token.view.toString().replace(twice, QString(quote));
        }
        ++pos;
        return true;
    }
    return false;
}

qsizetype numberEnd(QStringView sql, qsizetype pos)
{
    while (pos < sql.size() && isAsciiDigit(sql[pos]))
        ++pos;
    if (pos < sql.size() && sql[pos] == u'.')
        for (++pos; pos < sql.size() && isAsciiDigit(sql[pos]);)
            ++pos;
    if (pos < sql.size() && (sql[pos] == u'e' || sql[pos] == u'E')) {
        qsizetype exponent = pos + 1;
        if (exponent < sql.size() && (sql[exponent] == u'+' || sql[exponent] == u'-'))
            ++exponent;
        if (exponent < sql.size() && isAsciiDigit(sql[exponent])) {
            pos = exponent;
            while (pos < sql.size() && isAsciiDigit(sql[pos]))
                ++pos;
        }
    }
    return pos;
}

// "<>", "<=", ">=", "=>", "=<" and "!=".
bool isTwoCharacterSymbol(QChar first, QChar second)
{
    switch (first.unicode()) {
    case u'<': return second == u'>' || second == u'=';
    case u'>':
    case u'!': return second == u'=';
    case u'=': return second == u'>' || second == u'<';
    default: return false;
    }
}

bool isSymbol(QChar c)
{
    switch (c.unicode()) {
    case u'(': case u')': case u',': case u'.': case u'*': case u'=': case u'<': case u'>': case u';':
    case u'-': case u'+': case u'%': case u'?': return true;
    default: return false;
    }
}

} // namespace

std::optional<std::vector<Token>> tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    if (!tokenize(sql, tokens))
        return std::nullopt;
    return tokens;
}

bool tokenize(const QString& statement, std::vector<Token>& tokens)
{
    // A view of its own, which the compiler keeps in registers while tokens are written.
    const QStringView sql(statement);
    // The tokens of the last statement are written over, not made again: most statements are as long.
    size_t count = 0;
    const auto nextToken = [&]() -> Token& {
        if (count == tokens.size())
            tokens.emplace_back();
        Token& token = tokens[count++];
        if (!token.unescaped.isNull())
            token.unescaped = QString();
        return token;
    };
    qsizetype pos = 0;
    while (pos < sql.size()) {
        const QChar c = sql[pos];
        const qsizetype start = pos;
        if (c.isSpace()) {
            ++pos;
            continue;
        }
        Token& token = nextToken();
        token.offset = start;
        if (c == u'\'' || c == u'"') {
            if (!readQuoted(sql, pos, c, token))
                return false;
            token.kind = c == u'\'' ? Token::SingleQuoted : Token::DoubleQuoted;
        } else if (c == u'[') {
            const qsizetype close = sql.indexOf(u']', pos);
            if (close < 0)
                return false;
            token.kind = Token::Bracketed;
            token.view = sql.sliced(pos + 1, close - pos - 1);
            pos = close + 1;
        } else if (isAsciiDigit(c) || (c == u'.' && pos + 1 < sql.size() && isAsciiDigit(sql[pos + 1]))) {
            pos = numberEnd(sql, pos);
            token.kind = Token::Number;
            token.view = sql.sliced(start, pos - start);
        } else if (isWordStart(c)) {
            while (pos < sql.size() && isWordPart(sql[pos]))
                ++pos;
            token.kind = Token::Word;
            token.view = sql.sliced(start, pos - start);
        } else {
            token.kind = Token::Symbol;
            if (pos + 1 < sql.size() && isTwoCharacterSymbol(c, sql[pos + 1])) {
                token.view = sql.sliced(pos, 2);
                pos += 2;
            } else if (isSymbol(c)) {
                token.view = sql.sliced(pos, 1);
                ++pos;
            } else {
                return false;
            }
        }
    }
    Token& end = nextToken();
    end.kind = Token::End;
    end.offset = sql.size();
    end.view = QStringView();
    tokens.resize(count);
    return true;
}

} // namespace cedb
