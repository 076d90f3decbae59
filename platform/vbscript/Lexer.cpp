#include "platform/vbscript/Lexer.h"

#include "platform/vbscript/Errors.h"

#include <cmath>
#include <charconv>

namespace vbscript {

namespace {

bool isNameStart(QChar c) { return c.isLetter(); }
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v' || c == QChar(0xA0); }

class Lexer {
public:
    explicit Lexer(const QString& text) : m_text(text) {}

    std::vector<Token> run()
    {
        while (m_pos < m_text.size()) {
            const QChar c = m_text[m_pos];
            if (isBlank(c)) {
                ++m_pos;
                m_space = true;
            } else if (c == u'\r' || c == u'\n') {
                lineEnd();
            } else if (c == u'\'') {
                skipComment();
            } else if (c == u'_' && continuesLine()) {
                m_space = true;
            } else {
                token();
            }
        }
        m_start = m_pos;
        push(TokenKind::LineEnd, QString());
        push(TokenKind::End, QString());
        return std::move(m_tokens);
    }

private:
    [[noreturn]] void fail(std::int32_t number) const { throw CompileError{number, m_line, column()}; }
    int column() const { return int(m_pos - m_lineStart); }

    Token& push(TokenKind kind, const QString& text)
    {
        Token token;
        token.kind = kind;
        token.text = text;
        token.line = m_line;
        token.column = int(m_start - m_lineStart);
        token.spaceBefore = m_space;
        m_tokens.push_back(std::move(token));
        m_space = false;
        return m_tokens.back();
    }

    void lineEnd()
    {
        m_start = m_pos;
        push(TokenKind::LineEnd, QString());
        if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
        m_lineStart = m_pos;
    }

    void skipComment()
    {
        while (m_pos < m_text.size() && m_text[m_pos] != u'\r' && m_text[m_pos] != u'\n')
            ++m_pos;
    }

    // "_" followed by nothing but blanks up to the line end joins the next line to this one.
    bool continuesLine()
    {
        qsizetype at = m_pos + 1;
        while (at < m_text.size() && isBlank(m_text[at]))
            ++at;
        if (at < m_text.size() && m_text[at] != u'\r' && m_text[at] != u'\n')
            fail(error::InvalidCharacter);
        if (at < m_text.size() && m_text[at] == u'\r' && at + 1 < m_text.size() && m_text[at + 1] == u'\n')
            ++at;
        m_pos = at + 1;
        ++m_line;
        m_lineStart = m_pos;
        return true;
    }

    bool atStatementStart() const
    {
        return m_tokens.empty() || m_tokens.back().kind == TokenKind::LineEnd || m_tokens.back().kind == TokenKind::Colon;
    }

    void token()
    {
        m_start = m_pos;
        const QChar c = m_text[m_pos];
        const QChar next = m_pos + 1 < m_text.size() ? m_text[m_pos + 1] : QChar();
        if (isNameStart(c))
            name();
        else if (c.isDigit() || (c == u'.' && next.isDigit() && !followsOperand()))
            number();
        else if (c == u'"')
            string();
        else if (c == u'#')
            date();
        else if (c == u'&' && startsRadixNumber())
            radixNumber();
        else if (c == u':') {
            ++m_pos;
            push(TokenKind::Colon, QStringLiteral(":"));
        } else
            symbol();
    }

    // "&h" and "&o" start a literal only when a digit of that base follows: "x" &hi joins "x" and hi.
    bool startsRadixNumber() const
    {
        if (m_pos + 2 >= m_text.size())
            return false;
        const QChar radix = m_text[m_pos + 1].toLower();
        const QChar digit = m_text[m_pos + 2];
        if (radix == u'h')
            return digit.isDigit() || QStringLiteral("abcdefABCDEF").contains(digit);
        return radix == u'o' && digit >= u'0' && digit <= u'7';
    }

    // A point right after a name or ")" selects a member; elsewhere it may start a number (.5).
    bool followsOperand() const
    {
        if (m_tokens.empty() || m_space)
            return false;
        const Token& last = m_tokens.back();
        return last.kind == TokenKind::Name || last.isSymbol(")");
    }

    void name()
    {
        while (m_pos < m_text.size() && isNameChar(m_text[m_pos]))
            ++m_pos;
        const QString spelling = m_text.mid(m_start, m_pos - m_start);
        if (spelling.size() > 255)
            fail(error::IdentifierTooLong);
        const QString lower = spelling.toLower();
        if (lower == QLatin1String("rem") && atStatementStart()) {
            skipComment();
            return;
        }
        push(TokenKind::Name, lower).spelling = spelling;
    }

    void number()
    {
        bool real = false;
        while (m_pos < m_text.size() && m_text[m_pos].isDigit())
            ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == u'.') {
            real = true;
            ++m_pos;
            while (m_pos < m_text.size() && m_text[m_pos].isDigit())
                ++m_pos;
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == u'e' || m_text[m_pos] == u'E')) {
            qsizetype at = m_pos + 1;
            if (at < m_text.size() && (m_text[at] == u'+' || m_text[at] == u'-'))
                ++at;
            if (at < m_text.size() && m_text[at].isDigit()) {
                real = true;
                m_pos = at;
                while (m_pos < m_text.size() && m_text[m_pos].isDigit())
                    ++m_pos;
            }
        }
        if (m_pos < m_text.size() && isNameStart(m_text[m_pos]))
            fail(error::ExpectedEndOfStatement);
        // A value too small for a Double is 0, as the language has it; one too large is no number.
        const QByteArray digits = m_text.mid(m_start, m_pos - m_start).toLatin1();
        double value = 0;
        const auto [end, failure] = std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
        if (failure == std::errc::result_out_of_range && digits.contains("-"))
            value = 0;
        else if (failure != std::errc() || end != digits.constData() + digits.size() || std::isinf(value))
            fail(error::InvalidNumber);
        Variant literal;
        if (real || value > 2147483647.0)
            literal = Variant(value);
        else if (value > 32767.0)
            literal = Variant(std::int32_t(value));
        else
            literal = Variant(std::int16_t(value));
        push(TokenKind::Value, QString()).value = std::move(literal);
    }

    // &H and &O literals: up to 16 bits they are Integers, up to 32 bits Longs, both wrapping into the sign. A
    // trailing "&" makes the literal a Long (&hffff& is 65535), which stays an Integer when it fits one.
    void radixNumber()
    {
        const bool hex = m_text[m_pos + 1].toLower() == u'h';
        m_pos += 2;
        const qsizetype digitsStart = m_pos;
        std::uint64_t value = 0;
        while (m_pos < m_text.size()) {
            const int digit = m_text[m_pos].isDigit() ? m_text[m_pos].digitValue()
                              : hex && QStringLiteral("abcdef").contains(m_text[m_pos].toLower())
                                  ? 10 + (m_text[m_pos].toLower().unicode() - u'a')
                                  : -1;
            if (digit < 0 || digit >= (hex ? 16 : 8))
                break;
            value = value * (hex ? 16 : 8) + std::uint64_t(digit);
            if (value > 0xFFFFFFFFull)
                fail(error::InvalidNumber);
            ++m_pos;
        }
        if (m_pos == digitsStart)
            fail(error::SyntaxError);
        const bool isLong = m_pos < m_text.size() && m_text[m_pos] == u'&';
        if (isLong)
            ++m_pos;
        const std::int32_t wrapped = isLong || value > 0xFFFF ? std::int32_t(std::uint32_t(value))
                                                               : std::int16_t(std::uint16_t(value));
        Variant literal = wrapped >= -32768 && wrapped <= 32767 ? Variant(std::int16_t(wrapped)) : Variant(wrapped);
        push(TokenKind::Value, QString()).value = std::move(literal);
    }

    void string()
    {
        QString text;
        ++m_pos;
        for (;;) {
            if (m_pos >= m_text.size() || m_text[m_pos] == u'\r' || m_text[m_pos] == u'\n')
                fail(error::UnterminatedString);
            if (m_text[m_pos] == u'"') {
                if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'"') {
                    text += u'"';
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
            text += m_text[m_pos++];
        }
        push(TokenKind::Value, QString()).value = Variant(text);
    }

    void date()
    {
        const qsizetype close = m_text.indexOf(u'#', m_pos + 1);
        const qsizetype lineEnd = [&] {
            for (qsizetype at = m_pos + 1; at < m_text.size(); ++at)
                if (m_text[at] == u'\r' || m_text[at] == u'\n')
                    return at;
            return m_text.size();
        }();
        if (close < 0 || close > lineEnd)
            fail(error::SyntaxError);
        double serial = 0;
        if (!automation::parseDate(m_text.mid(m_pos + 1, close - m_pos - 1), serial))
            fail(error::SyntaxError);
        m_pos = close + 1;
        push(TokenKind::Value, QString()).value = Variant::fromDate(serial);
    }

    void symbol()
    {
        static const char* const pairs[] = {"<>", "<=", ">=", "=<", "=>", "><"};
        const QString two = m_text.mid(m_pos, 2);
        for (const char* pair : pairs) {
            if (two == QLatin1String(pair)) {
                m_pos += 2;
                // "=<", "=>" and "><" are old spellings of "<=", ">=" and "<>".
                const QString canonical = two == QLatin1String("=<") ? QStringLiteral("<=")
                                          : two == QLatin1String("=>") ? QStringLiteral(">=")
                                          : two == QLatin1String("><") ? QStringLiteral("<>")
                                                                       : two;
                push(TokenKind::Symbol, canonical);
                return;
            }
        }
        const QChar c = m_text[m_pos];
        if (!QStringLiteral("(),.=<>+-*/\\^&").contains(c))
            fail(error::InvalidCharacter);
        ++m_pos;
        push(TokenKind::Symbol, QString(c));
    }

    const QString& m_text;
    qsizetype m_pos = 0;
    qsizetype m_start = 0;
    qsizetype m_lineStart = 0;
    int m_line = 0;
    bool m_space = false;
    std::vector<Token> m_tokens;
};

} // namespace

std::vector<Token> tokenize(const QString& text)
{
    return Lexer(text).run();
}

} // namespace vbscript
