#include "platform/vbscript/RegExpPattern.h"

namespace vbscript {

namespace {

const QString lineCharacter = QStringLiteral("[^\\n\\r\\x{2028}\\x{2029}]");

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// `digits` hex digits at `at`, as the library writes a character: \x{...}.
bool hexEscape(const QString& pattern, qsizetype at, int digits, QString& out)
{
    if (at + digits > pattern.size())
        return false;
    for (int i = 0; i < digits; ++i)
        if (!isHex(pattern[at + i]))
            return false;
    out += QStringLiteral("\\x{") + pattern.mid(at, digits) + QLatin1Char('}');
    return true;
}

// The escape at `at` (the character after the backslash); returns the characters it took.
qsizetype escape(const QString& pattern, qsizetype at, QString& out)
{
    if (at >= pattern.size()) {
        out += QLatin1Char('\\');   // the library refuses a pattern that ends so, as the language does
        return 0;
    }
    const QChar c = pattern[at];
    switch (c.unicode()) {
    case u'd': case u'D': case u'w': case u'W': case u's': case u'S': case u'b': case u'B':
    case u'f': case u'n': case u'r': case u't':
        out += QLatin1Char('\\') + c;
        return 1;
    case u'v': out += QStringLiteral("\\x{0B}"); return 1;
    case u'c':
        if (at + 1 < pattern.size() && pattern[at + 1].isLetter() && pattern[at + 1].unicode() < 128) {
            out += QStringLiteral("\\c") + pattern[at + 1];
            return 2;
        }
        out += QLatin1Char('c');
        return 1;
    case u'x':
        if (hexEscape(pattern, at + 1, 2, out))
            return 3;
        out += QLatin1Char('x');
        return 1;
    case u'u':
        if (hexEscape(pattern, at + 1, 4, out))
            return 5;
        out += QLatin1Char('u');
        return 1;
    default:
        // Digits are back references or octal characters for both; any other letter is itself.
        if (c.isLetter())
            out += c;
        else
            out += QLatin1Char('\\') + c;
        return 1;
    }
}

// A character class from its "[" at `at`; returns where it ends (past its "]", or the pattern's end, which the
// library then refuses).
qsizetype characterClass(const QString& pattern, qsizetype at, QString& out)
{
    if (pattern.mid(at, 2) == QLatin1String("[]")) {
        out += QStringLiteral("(?!)");
        return at + 2;
    }
    if (pattern.mid(at, 3) == QLatin1String("[^]")) {
        out += QStringLiteral("[\\s\\S]");
        return at + 3;
    }
    out += QLatin1Char('[');
    qsizetype i = at + 1;
    if (i < pattern.size() && pattern[i] == u'^')
        out += pattern[i++];
    for (; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u']') {
            out += c;
            return i + 1;
        }
        if (c == u'\\') {
            i += escape(pattern, i + 1, out);
        } else if (c == u'[') {
            out += QStringLiteral("\\[");   // never the library's [:alpha:]
        } else {
            out += c;
        }
    }
    return i;
}

} // namespace

QString libraryPattern(const QString& pattern, bool multiline)
{
    QString out;
    out.reserve(pattern.size() + 16);
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        switch (c.unicode()) {
        case u'\\': i += 1 + escape(pattern, i + 1, out); break;
        case u'[': i = characterClass(pattern, i, out); break;
        case u'.':
            out += lineCharacter;
            ++i;
            break;
        case u'^':
            out += multiline ? QStringLiteral("(?<!") + lineCharacter + QLatin1Char(')') : QStringLiteral("^");
            ++i;
            break;
        case u'$':
            out += multiline ? QStringLiteral("(?!") + lineCharacter + QLatin1Char(')') : QStringLiteral("\\z");
            ++i;
            break;
        default:
            out += c;
            ++i;
            break;
        }
    }
    return out;
}

QString replacementOf(const QString& replacement, const QRegularExpressionMatch& match, const QString& subject)
{
    const int groups = match.regularExpression().captureCount();
    QString out;
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement[i];
        const QChar next = i + 1 < replacement.size() ? replacement[i + 1] : QChar();
        if (c != u'$' || next.isNull()) {
            out += c;
            continue;
        }
        if (next == u'$') {
            out += u'$';
        } else if (next == u'&') {
            out += match.captured(0);
        } else if (next == u'`') {
            out += subject.left(match.capturedStart(0));
        } else if (next == u'\'') {
            out += subject.mid(match.capturedEnd(0));
        } else if (next.isDigit() && next.unicode() < 128) {
            const int one = next.digitValue();
            const QChar second = i + 2 < replacement.size() ? replacement[i + 2] : QChar();
            const int two = second.isDigit() && second.unicode() < 128 ? one * 10 + second.digitValue() : -1;
            if (two >= 1 && two <= groups) {
                out += match.captured(two);
                i += 2;
                continue;
            }
            if (one < 1 || one > groups) {
                out += c;
                continue;
            }
            out += match.captured(one);
        } else {
            out += c;
            continue;
        }
        ++i;
    }
    return out;
}

} // namespace vbscript
