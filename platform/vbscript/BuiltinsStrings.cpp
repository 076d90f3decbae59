// Text functions. Most hand Null back when the text they work on is Null.
#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <algorithm>
#include <array>

namespace vbscript::builtins {

namespace {

// Characters 128-159 of the en-US ANSI code page; the five it leaves undefined map to themselves.
constexpr std::array<char16_t, 32> ansiHighCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar ansiCharacter(int code)
{
    return code >= 0x80 && code < 0xA0 ? QChar(ansiHighCharacters[code - 0x80]) : QChar(code);
}

int ansiCode(QChar character)
{
    const char16_t unicode = character.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    const auto found = std::find(ansiHighCharacters.begin(), ansiHighCharacters.end(), unicode);
    return found == ansiHighCharacters.end() ? '?' : int(0x80 + (found - ansiHighCharacters.begin()));
}

QString firstCharacterOf(const Variant& value)
{
    const QString text = textOf(value);
    if (text.isEmpty())
        raiseError(error::InvalidCall);
    return text.left(1);
}

std::int32_t nonNegativeLong(const Variant& value)
{
    const std::int32_t number = longOf(value);
    if (number < 0)
        raiseError(error::InvalidCall);
    return number;
}

std::int32_t positiveLong(const Variant& value)
{
    const std::int32_t number = longOf(value);
    if (number < 1)
        raiseError(error::InvalidCall);
    return number;
}

Variant asc(std::vector<Variant>& args)
{
    return Variant(static_cast<std::int16_t>(ansiCode(firstCharacterOf(args[0])[0])));
}

Variant ascW(std::vector<Variant>& args)
{
    return Variant(static_cast<std::int16_t>(firstCharacterOf(args[0])[0].unicode()));
}

Variant chr(std::vector<Variant>& args)
{
    const std::int32_t code = longOf(args[0]);
    if (code < 0 || code > 255)
        raiseError(error::InvalidCall);
    return Variant(QString(ansiCharacter(code)));
}

Variant chrW(std::vector<Variant>& args)
{
    const std::int32_t code = longOf(args[0]);
    if (code < -32768 || code > 65535)
        raiseError(error::InvalidCall);
    return Variant(QString(QChar(static_cast<char16_t>(code))));
}

// InStr([start, ]text, sought[, compare]): the start comes first only when there are three or more arguments.
Variant inStr(std::vector<Variant>& args)
{
    const bool hasStart = args.size() >= 3;
    const std::int32_t start = hasStart ? positiveLong(args[0]) : 1;
    const Variant& text = args[hasStart ? 1 : 0];
    const Variant& sought = args[hasStart ? 2 : 1];
    if (text.isNull() || sought.isNull())
        return Variant::null();
    const QString haystack = textOf(text);
    const QString needle = textOf(sought);
    const Qt::CaseSensitivity mode = compareMode(args, 3);
    if (haystack.isEmpty())
        return Variant(std::int32_t(0));
    if (needle.isEmpty())
        return Variant(start <= haystack.size() + 1 ? start : std::int32_t(0));
    if (start > haystack.size())
        return Variant(std::int32_t(0));
    return Variant(static_cast<std::int32_t>(haystack.indexOf(needle, start - 1, mode) + 1));
}

// InStrRev(text, sought[, start[, compare]]): start -1 means from the end.
Variant inStrRev(std::vector<Variant>& args)
{
    const std::int32_t start = optionalLong(args, 2, -1);
    if (start == 0 || start < -1)
        raiseError(error::InvalidCall);
    const Qt::CaseSensitivity mode = compareMode(args, 3);
    if (args[0].isNull() || args[1].isNull())
        return Variant::null();
    const QString haystack = textOf(args[0]);
    const QString needle = textOf(args[1]);
    const std::int32_t last = start == -1 ? std::int32_t(haystack.size()) : start;
    if (needle.isEmpty())
        return Variant(last);
    if (haystack.isEmpty() || last > haystack.size())
        return Variant(std::int32_t(0));
    const qsizetype from = last - needle.size();
    if (from < 0)
        return Variant(std::int32_t(0));
    return Variant(static_cast<std::int32_t>(haystack.lastIndexOf(needle, from, mode) + 1));
}

template <QString (*transform)(const QString&)>
Variant textFunction(std::vector<Variant>& args)
{
    if (args[0].isNull())
        return Variant::null();
    return Variant(transform(textOf(args[0])));
}

// Character by character, so that the length never changes ("ß" stays one character).
template <char32_t (*mapping)(char32_t)>
QString mapped(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        c = QChar(static_cast<char16_t>(mapping(c.unicode())));
    return result;
}

QString trimLeft(const QString& text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == u' ')
        ++begin;
    return text.mid(begin);
}

QString trimRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

QString trimBoth(const QString& text) { return trimLeft(trimRight(text)); }

Variant left(std::vector<Variant>& args)
{
    const std::int32_t count = nonNegativeLong(args[1]);
    if (args[0].isNull())
        return Variant::null();
    return Variant(textOf(args[0]).left(count));
}

Variant right(std::vector<Variant>& args)
{
    const std::int32_t count = nonNegativeLong(args[1]);
    if (args[0].isNull())
        return Variant::null();
    return Variant(textOf(args[0]).right(count));
}

Variant mid(std::vector<Variant>& args)
{
    const std::int32_t start = positiveLong(args[1]);
    const std::int32_t count = isMissing(args, 2) ? -1 : nonNegativeLong(args[2]);
    if (args[0].isNull())
        return Variant::null();
    return Variant(textOf(args[0]).mid(start - 1, count));
}

Variant len(std::vector<Variant>& args)
{
    if (args[0].isNull())
        return Variant::null();
    const qsizetype length = args[0].vt() == VT_BSTR ? args[0].string().size() : textOf(args[0]).size();
    return Variant(static_cast<std::int32_t>(length));
}

// The result starts at `start`: what stands before it is dropped, as the language does.
Variant replace(std::vector<Variant>& args)
{
    const QString text = textOf(args[0]);
    const QString sought = textOf(args[1]);
    const QString replacement = textOf(args[2]);
    const std::int32_t start = isMissing(args, 3) ? 1 : positiveLong(args[3]);
    std::int32_t remaining = optionalLong(args, 4, -1);
    if (remaining < -1)
        raiseError(error::InvalidCall);
    const Qt::CaseSensitivity mode = compareMode(args, 5);
    if (start > text.size())
        return Variant(QString());
    const QString tail = text.mid(start - 1);
    if (sought.isEmpty())
        return Variant(tail);
    QString result;
    qsizetype position = 0;
    while (remaining != 0) {
        const qsizetype found = tail.indexOf(sought, position, mode);
        if (found < 0)
            break;
        result += QStringView(tail).mid(position, found - position);
        result += replacement;
        position = found + sought.size();
        if (remaining > 0)
            --remaining;
    }
    result += QStringView(tail).mid(position);
    return Variant(result);
}

Variant space(std::vector<Variant>& args)
{
    return Variant(QString(nonNegativeLong(args[0]), u' '));
}

Variant strComp(std::vector<Variant>& args)
{
    const Qt::CaseSensitivity mode = compareMode(args, 2);
    if (args[0].isNull() || args[1].isNull())
        return Variant::null();
    const int order = QString::compare(textOf(args[0]), textOf(args[1]), mode);
    return Variant(static_cast<std::int16_t>(order < 0 ? -1 : (order > 0 ? 1 : 0)));
}

// String(count, character): a number names the character by its ANSI code (modulo 256).
Variant string(std::vector<Variant>& args)
{
    const std::int32_t count = nonNegativeLong(args[0]);
    const Variant& character = args[1];
    if (character.isNull())
        return Variant::null();
    const QChar fill = character.vt() == VT_BSTR ? firstCharacterOf(character)[0]
                                                 : ansiCharacter(((longOf(character) % 256) + 256) % 256);
    return Variant(QString(count, fill));
}

Variant strReverse(std::vector<Variant>& args)
{
    QString text = textOf(args[0]);
    std::reverse(text.begin(), text.end());
    return Variant(text);
}

constexpr Builtin table[] = {
    {"Asc", 1, 1, asc},
    {"AscW", 1, 1, ascW},
    {"Chr", 1, 1, chr},
    {"ChrW", 1, 1, chrW},
    {"InStr", 2, 4, inStr},
    {"InStrRev", 2, 4, inStrRev},
    {"LCase", 1, 1, textFunction<mapped<QChar::toLower>>},
    {"UCase", 1, 1, textFunction<mapped<QChar::toUpper>>},
    {"LTrim", 1, 1, textFunction<trimLeft>},
    {"RTrim", 1, 1, textFunction<trimRight>},
    {"Trim", 1, 1, textFunction<trimBoth>},
    {"Left", 2, 2, left},
    {"Right", 2, 2, right},
    {"Mid", 2, 3, mid},
    {"Len", 1, 1, len},
    {"Replace", 3, 6, replace},
    {"Space", 1, 1, space},
    {"StrComp", 2, 3, strComp},
    {"String", 2, 2, string},
    {"StrReverse", 1, 1, strReverse},
};

} // namespace

std::span<const Builtin> stringBuiltins()
{
    return table;
}

} // namespace vbscript::builtins
