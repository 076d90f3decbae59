#include "platform/automation/variant.h"

#include <QDate>

#include <cmath>
#include <optional>

namespace automation {

namespace {

const QDate kEpoch(1899, 12, 30);
constexpr int kSecondsPerDay = 86400;

QString formatTime(int hour, int minute, int second)
{
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour12)
        .arg(minute, 2, 10, QChar(u'0'))
        .arg(second, 2, 10, QChar(u'0'))
        .arg(hour < 12 ? u"AM" : u"PM");
}

struct Token {
    enum Kind { Number, Word, Separator } kind;
    QString text;
    int value = 0;
};

std::optional<std::vector<Token>> tokenize(const QString& text)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u' ' || c == u'\t') {
            ++i;
        } else if (c.isDigit()) {
            qsizetype end = i;
            while (end < text.size() && text[end].isDigit())
                ++end;
            if (end - i > 4)
                return std::nullopt;
            const QString digits = text.mid(i, end - i);
            tokens.push_back({Token::Number, digits, digits.toInt()});
            i = end;
        } else if (c.isLetter()) {
            qsizetype end = i;
            while (end < text.size() && text[end].isLetter())
                ++end;
            tokens.push_back({Token::Word, text.mid(i, end - i).toLower()});
            i = end;
        } else if (QStringView(u":/-.,").contains(c)) {
            tokens.push_back({Token::Separator, QString(c)});
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

// 1 .. 12 for a month name or its first three letters ("sept" too), 0 otherwise.
int monthOf(const QString& word)
{
    static const char16_t* const names[] = {u"january", u"february", u"march",     u"april",   u"may",      u"june",
                                            u"july",    u"august",   u"september", u"october", u"november", u"december"};
    if (word.size() < 3)
        return 0;
    for (int m = 0; m < 12; ++m)
        if (QStringView(names[m]).startsWith(word))
            return m + 1;
    return 0;
}

bool isWeekday(const QString& word)
{
    static const char16_t* const names[] = {u"sunday",   u"monday", u"tuesday", u"wednesday",
                                            u"thursday", u"friday", u"saturday"};
    if (word.size() < 3)
        return false;
    for (const char16_t* name : names)
        if (QStringView(name).startsWith(word))
            return true;
    return false;
}

bool isMeridiem(const Token& token, bool& pm)
{
    if (token.kind != Token::Word)
        return false;
    if (token.text == u"am" || token.text == u"a")
        pm = false;
    else if (token.text == u"pm" || token.text == u"p")
        pm = true;
    else
        return false;
    return true;
}

struct Time {
    int hour = 0, minute = 0, second = 0;
};

// Takes the one time group ("10:30", "10:30:15 PM", "10 PM") out of `tokens`; false when it is malformed
// or there are two.
bool extractTime(std::vector<Token>& tokens, std::optional<Time>& time)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Number)
            continue;
        std::size_t end = i + 1;
        std::vector<int> parts{tokens[i].value};
        while (end + 1 < tokens.size() && tokens[end].kind == Token::Separator && tokens[end].text == u":" &&
               tokens[end + 1].kind == Token::Number && parts.size() < 3) {
            parts.push_back(tokens[end + 1].value);
            end += 2;
        }
        bool pm = false;
        const bool meridiem = end < tokens.size() && isMeridiem(tokens[end], pm);
        if (parts.size() == 1 && !meridiem)
            continue;
        if (time || (end < tokens.size() && tokens[end].kind == Token::Separator && tokens[end].text == u":"))
            return false;
        Time t{parts[0], parts.size() > 1 ? parts[1] : 0, parts.size() > 2 ? parts[2] : 0};
        if (meridiem) {
            if (t.hour < 1 || t.hour > 12)
                return false;
            t.hour = t.hour % 12 + (pm ? 12 : 0);
            ++end;
        }
        if (t.hour > 23 || t.minute > 59 || t.second > 59)
            return false;
        time = t;
        tokens.erase(tokens.begin() + std::ptrdiff_t(i), tokens.begin() + std::ptrdiff_t(end));
        --i;
    }
    return true;
}

int fullYear(const Token& token)
{
    if (token.text.size() <= 2)
        return token.value < 30 ? 2000 + token.value : 1900 + token.value;
    return token.value;
}

bool looksLikeYear(const Token& token)
{
    return token.text.size() >= 3 || token.value > 31;
}

struct Day {
    int year = 0, month = 0, day = 0;
};

// The calendar date of the tokens left after the time: numbers, at most one month name, separators and
// weekday names (ignored).
bool readDate(const std::vector<Token>& tokens, Day& date)
{
    std::vector<Token> numbers;
    int month = 0;
    for (const Token& token : tokens) {
        if (token.kind == Token::Number) {
            numbers.push_back(token);
        } else if (token.kind == Token::Word) {
            const int named = monthOf(token.text);
            if (named && !month)
                month = named;
            else if (!isWeekday(token.text))
                return false;
        } else if (token.text == u":") {
            return false;
        }
    }
    // Asked only when the text has no year: reading the clock costs a look at the time zone each time.
    const auto thisYear = [] { return QDate::currentDate().year(); };
    if (month) {
        date.month = month;
        if (numbers.size() == 2) {
            const bool yearFirst = looksLikeYear(numbers[0]);
            date.year = fullYear(numbers[yearFirst ? 0 : 1]);
            date.day = numbers[yearFirst ? 1 : 0].value;
        } else if (numbers.size() == 1) {
            const bool isYear = looksLikeYear(numbers[0]);
            date.year = isYear ? fullYear(numbers[0]) : thisYear();
            date.day = isYear ? 1 : numbers[0].value;
        } else {
            return false;
        }
        return true;
    }
    if (numbers.size() == 3) {
        if (looksLikeYear(numbers[0])) {
            date = {numbers[0].value, numbers[1].value, numbers[2].value};
        } else {
            date = {fullYear(numbers[2]), numbers[0].value, numbers[1].value};
            if (date.month > 12 && date.day <= 12)
                std::swap(date.month, date.day);
        }
        return true;
    }
    if (numbers.size() == 2) {
        if (looksLikeYear(numbers[1]))
            date = {fullYear(numbers[1]), numbers[0].value, 1};
        else if (looksLikeYear(numbers[0]))
            date = {fullYear(numbers[0]), numbers[1].value, 1};
        else {
            date = {thisYear(), numbers[0].value, numbers[1].value};
            if (date.month > 12 && date.day <= 12)
                std::swap(date.month, date.day);
        }
        return true;
    }
    return false;
}

} // namespace

bool fromDateParts(int year, int month, int day, int hour, int minute, int second, double& value)
{
    if (year < 100 || year > 9999 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    const double days = double(kEpoch.daysTo(date));
    const double fraction = double(hour * 3600 + minute * 60 + second) / kSecondsPerDay;
    // Before the epoch the time still runs forwards from midnight, so it moves the value towards zero.
    value = days < 0 ? days - fraction : days + fraction;
    return true;
}

DateParts toDateParts(double value)
{
    double whole = std::trunc(value);
    std::int64_t seconds = std::llround(std::fabs(value - whole) * kSecondsPerDay);
    qint64 days = qint64(whole);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        ++days;
    }
    const QDate date = kEpoch.addDays(days);
    DateParts parts;
    parts.year = date.year();
    parts.month = date.month();
    parts.day = date.day();
    parts.hour = int(seconds / 3600);
    parts.minute = int(seconds / 60 % 60);
    parts.second = int(seconds % 60);
    parts.weekday = date.dayOfWeek() % 7 + 1;
    return parts;
}

QString formatDate(double value)
{
    const DateParts parts = toDateParts(value);
    const bool midnight = parts.hour == 0 && parts.minute == 0 && parts.second == 0;
    const QString time = formatTime(parts.hour, parts.minute, parts.second);
    if (std::trunc(value) == 0.0 && !(parts.year != 1899 || parts.month != 12 || parts.day != 30))
        return time;
    const QString date = QStringLiteral("%1/%2/%3").arg(parts.month).arg(parts.day).arg(parts.year);
    return midnight ? date : date + u' ' + time;
}

bool parseDate(const QString& text, double& value)
{
    std::optional<std::vector<Token>> tokens = tokenize(text.trimmed());
    if (!tokens || tokens->empty())
        return false;
    std::optional<Time> time;
    if (!extractTime(*tokens, time))
        return false;
    const Time t = time.value_or(Time{});
    bool hasDateTokens = false;
    for (const Token& token : *tokens)
        hasDateTokens = hasDateTokens || token.kind != Token::Separator;
    if (!hasDateTokens) {
        if (!time)
            return false;
        value = double(t.hour * 3600 + t.minute * 60 + t.second) / kSecondsPerDay;
        return true;
    }
    Day date;
    if (!readDate(*tokens, date))
        return false;
    return fromDateParts(date.year, date.month, date.day, t.hour, t.minute, t.second, value);
}

} // namespace automation
