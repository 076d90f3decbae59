#include "platform/cedb/Tokenizer.h"

namespace cedb {

bool Token::isWord(const char* keyword) const
{
    return kind == Word && text().compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool Token::isSymbol(const char* symbol) const
{
    return kind == Symbol && view == QLatin1String(symbol);
}

namespace {

bool isWordStart(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128)
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == '$' || u == '#';
    return c.isLetter();
}
bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool isWordPart(QChar c) { return isWordStart(c) || isAsciiDigit(c); }

// Reads a text between `quote` characters starting at `pos` into `token`; a doubled quote stands for one.
bool readQuoted(const QString& sql, qsizetype& pos, QChar quote, Token& token)
{
    const qsizetype start = pos + 1;
    for (pos = start; pos < sql.size(); ++pos) {
        if (sql[pos] != quote)
            continue;
        if (pos + 1 < sql.size() && sql[pos + 1] == quote) {
            ++pos;
            continue;
        }
        token.view = QStringView(sql).mid(start, pos - start);
        if (token.view.contains(quote)) {
            const QString doubled(2, quote);
            token.unescaped = token.view.toString().replace(doubled, QString(quote));
        }
        ++pos;
        return true;
    }
    return false;
}

qsizetype numberEnd(const QString& sql, qsizetype pos)
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

const char* const twoCharacterSymbols[] = {"<>", "<=", ">=", "=>", "=<", "!="};

} // namespace

std::optional<std::vector<Token>> tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    tokens.reserve(16);
    qsizetype pos = 0;
    while (pos < sql.size()) {
        const QChar c = sql[pos];
        const qsizetype start = pos;
        if (c.isSpace()) {
            ++pos;
            continue;
        }
        Token token;
        token.offset = start;
        if (c == u'\'' || c == u'"') {
            if (!readQuoted(sql, pos, c, token))
                return std::nullopt;
            token.kind = c == u'\'' ? Token::SingleQuoted : Token::DoubleQuoted;
        } else if (c == u'[') {
            const qsizetype close = sql.indexOf(u']', pos);
            if (close < 0)
                return std::nullopt;
            token.kind = Token::Bracketed;
            token.view = QStringView(sql).mid(pos + 1, close - pos - 1);
            pos = close + 1;
        } else if (isAsciiDigit(c) || (c == u'.' && pos + 1 < sql.size() && isAsciiDigit(sql[pos + 1]))) {
            pos = numberEnd(sql, pos);
            token.kind = Token::Number;
            token.view = QStringView(sql).mid(start, pos - start);
        } else if (isWordStart(c)) {
            while (pos < sql.size() && isWordPart(sql[pos]))
                ++pos;
            token.kind = Token::Word;
            token.view = QStringView(sql).mid(start, pos - start);
        } else {
            token.kind = Token::Symbol;
            const QStringView pair = QStringView(sql).mid(pos, 2);
            bool matched = false;
            for (const char* symbol : twoCharacterSymbols)
                if (pair == QLatin1String(symbol))
                    matched = true;
            if (matched) {
                token.view = pair;
                pos += 2;
            } else if (QStringLiteral("(),.*=<>;-+%?").contains(c)) {
                token.view = QStringView(sql).mid(pos, 1);
                ++pos;
            } else {
                return std::nullopt;
            }
        }
        tokens.push_back(std::move(token));
    }
    Token end;
    end.offset = sql.size();
    tokens.push_back(end);
    return tokens;
}

} // namespace cedb
