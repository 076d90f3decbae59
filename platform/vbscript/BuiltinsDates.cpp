// Date and time functions. Calendar arithmetic runs on whole days and seconds counted from the epoch
// (12/30/1899), so that times before the epoch, whose serial fraction runs the other way, come out right.
#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <QDate>
#include <QDateTime>

#include <cmath>

namespace vbscript::builtins {

namespace {

const QDate epoch(1899, 12, 30);
constexpr std::int64_t secondsPerDay = 86400;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

struct Moment {
    QDate date;
    int seconds = 0;                          // since midnight

    std::int64_t day() const { return epoch.daysTo(date); }
    std::int64_t totalSeconds() const { return day() * secondsPerDay + seconds; }
};

Moment momentOf(double serial)
{
    const automation::DateParts parts = automation::toDateParts(serial);
    return {QDate(parts.year, parts.month, parts.day), parts.hour * 3600 + parts.minute * 60 + parts.second};
}

Moment momentOf(const Variant& value)
{
    return momentOf(dateOf(value));
}

// Dates outside 1/1/100 .. 12/31/9999 raise "Invalid procedure call or argument".
Variant dateVariant(const Moment& moment)
{
    double serial = 0;
    if (!moment.date.isValid()
        || !automation::fromDateParts(moment.date.year(), moment.date.month(), moment.date.day(), moment.seconds / 3600,
                                      moment.seconds / 60 % 60, moment.seconds % 60, serial))
        raiseError(error::InvalidCall);
    return Variant::fromDate(serial);
}

Variant dateFromSeconds(std::int64_t totalSeconds)
{
    const std::int64_t day = floorDivide(totalSeconds, secondsPerDay);
    return dateVariant({epoch.addDays(day), int(totalSeconds - day * secondsPerDay)});
}

// 1 .. 7 counted from `firstDay` (1 = Sunday; 0 takes the system's, Sunday for en-US).
int firstDayOfWeek(const std::vector<Variant>& args, std::size_t index)
{
    const std::int32_t day = optionalLong(args, index, 1);
    if (day < 0 || day > 7)
        raiseError(error::InvalidCall);
    return day == 0 ? 1 : day;
}

int weekdayOf(const QDate& date, int firstDay)
{
    const int sundayBased = date.dayOfWeek() % 7;            // 0 = Sunday
    return (sundayBased - (firstDay - 1) + 7) % 7 + 1;
}

Variant now(std::vector<Variant>&)
{
    const QDateTime current = QDateTime::currentDateTime();
    return dateVariant({current.date(), current.time().msecsSinceStartOfDay() / 1000});
}

Variant today(std::vector<Variant>&)
{
    return dateVariant({QDate::currentDate(), 0});
}

Variant timeNow(std::vector<Variant>&)
{
    return Variant::fromDate(double(QTime::currentTime().msecsSinceStartOfDay() / 1000) / secondsPerDay);
}

Variant timer(std::vector<Variant>&)
{
    return Variant(static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 10) / 100.0f);
}

template <int (*part)(const Moment&)>
Variant datePart(std::vector<Variant>& args)
{
    if (args[0].isNull())
        return Variant::null();
    return Variant(static_cast<std::int16_t>(part(momentOf(args[0]))));
}

int yearOf(const Moment& m) { return m.date.year(); }
int monthOf(const Moment& m) { return m.date.month(); }
int dayOf(const Moment& m) { return m.date.day(); }
int hourOf(const Moment& m) { return m.seconds / 3600; }
int minuteOf(const Moment& m) { return m.seconds / 60 % 60; }
int secondOf(const Moment& m) { return m.seconds % 60; }

Variant weekday(std::vector<Variant>& args)
{
    const int firstDay = firstDayOfWeek(args, 1);
    if (args[0].isNull())
        return Variant::null();
    return Variant(static_cast<std::int16_t>(weekdayOf(momentOf(args[0]).date, firstDay)));
}

// Months and days beyond their range carry into the next unit, in either direction.
QDate normalizedDate(std::int64_t year, std::int64_t month, std::int64_t day)
{
    const std::int64_t months = year * 12 + month - 1;
    const std::int64_t wholeYear = floorDivide(months, 12);
    if (wholeYear < 100 || wholeYear > 9999)
        raiseError(error::InvalidCall);
    return QDate(int(wholeYear), int(months - wholeYear * 12 + 1), 1).addDays(day - 1);
}

Variant dateSerial(std::vector<Variant>& args)
{
    std::int64_t year = longOf(args[0]);
    if (year >= 0 && year < 30)
        year += 2000;
    else if (year >= 30 && year < 100)
        year += 1900;
    return dateVariant({normalizedDate(year, longOf(args[1]), longOf(args[2])), 0});
}

Variant timeSerial(std::vector<Variant>& args)
{
    const std::int64_t seconds = std::int64_t(longOf(args[0])) * 3600 + std::int64_t(longOf(args[1])) * 60
                                 + longOf(args[2]);
    return dateFromSeconds(seconds);
}

Variant dateValue(std::vector<Variant>& args)
{
    if (args[0].isNull())
        return Variant::null();
    return dateVariant({momentOf(args[0]).date, 0});
}

Variant timeValue(std::vector<Variant>& args)
{
    if (args[0].isNull())
        return Variant::null();
    return dateFromSeconds(momentOf(args[0]).seconds);
}

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalOf(const Variant& value)
{
    static const struct {
        const char* name;
        Interval interval;
    } names[] = {{"yyyy", Interval::Year}, {"q", Interval::Quarter},  {"m", Interval::Month},
                 {"y", Interval::DayOfYear}, {"d", Interval::Day},    {"w", Interval::Weekday},
                 {"ww", Interval::Week},   {"h", Interval::Hour},     {"n", Interval::Minute},
                 {"s", Interval::Second}};
    const QString text = textOf(value);
    for (const auto& entry : names)
        if (text.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.interval;
    raiseError(error::InvalidCall);
}

// Adding months keeps the day of the month unless the target month is shorter: 1/31 + 1 month is 2/28.
Moment addMonths(const Moment& moment, std::int64_t months)
{
    const QDate first = normalizedDate(moment.date.year(), moment.date.month() + months, 1);
    return {first.addDays(std::min(moment.date.day(), first.daysInMonth()) - 1), moment.seconds};
}

Variant dateAdd(std::vector<Variant>& args)
{
    const Interval interval = intervalOf(args[0]);
    const std::int64_t count = longOf(args[1]);
    if (args[2].isNull())
        return Variant::null();
    const Moment moment = momentOf(args[2]);
    switch (interval) {
    case Interval::Year: return dateVariant(addMonths(moment, count * 12));
    case Interval::Quarter: return dateVariant(addMonths(moment, count * 3));
    case Interval::Month: return dateVariant(addMonths(moment, count));
    case Interval::Week: return dateFromSeconds(moment.totalSeconds() + count * 7 * secondsPerDay);
    case Interval::Hour: return dateFromSeconds(moment.totalSeconds() + count * 3600);
    case Interval::Minute: return dateFromSeconds(moment.totalSeconds() + count * 60);
    case Interval::Second: return dateFromSeconds(moment.totalSeconds() + count);
    default: return dateFromSeconds(moment.totalSeconds() + count * secondsPerDay);
    }
}

int quarterOf(const QDate& date)
{
    return (date.month() - 1) / 3 + 1;
}

// The day (counted from the epoch) on which the week holding `day` begins.
std::int64_t weekStart(const Moment& moment, int firstDay)
{
    return moment.day() - (weekdayOf(moment.date, firstDay) - 1);
}

Variant dateDiff(std::vector<Variant>& args)
{
    const Interval interval = intervalOf(args[0]);
    const int firstDay = firstDayOfWeek(args, 3);
    if (args[1].isNull() || args[2].isNull())
        return Variant::null();
    const Moment from = momentOf(args[1]);
    const Moment to = momentOf(args[2]);
    std::int64_t difference = 0;
    switch (interval) {
    case Interval::Year: difference = to.date.year() - from.date.year(); break;
    case Interval::Quarter:
        difference = (to.date.year() * 4 + quarterOf(to.date)) - (from.date.year() * 4 + quarterOf(from.date));
        break;
    case Interval::Month:
        difference = (to.date.year() * 12 + to.date.month()) - (from.date.year() * 12 + from.date.month());
        break;
    case Interval::Weekday: difference = (to.day() - from.day()) / 7; break;
    case Interval::Week: difference = (weekStart(to, firstDay) - weekStart(from, firstDay)) / 7; break;
    case Interval::Hour: difference = floorDivide(to.totalSeconds(), 3600) - floorDivide(from.totalSeconds(), 3600); break;
    case Interval::Minute: difference = floorDivide(to.totalSeconds(), 60) - floorDivide(from.totalSeconds(), 60); break;
    case Interval::Second: difference = to.totalSeconds() - from.totalSeconds(); break;
    default: difference = to.day() - from.day(); break;
    }
    return Variant(static_cast<std::int32_t>(difference));
}

// Week 1 begins in the week of January 1 (1), the first week with four days of the new year (2), or the first
// full week (3); days before it belong to the last week of the year before.
int weekOfYear(const QDate& date, int firstDay, int firstWeek)
{
    for (int year = date.year(); year >= date.year() - 1; --year) {
        const QDate january1(year, 1, 1);
        const int offset = weekdayOf(january1, firstDay) - 1;
        QDate weekOne = january1.addDays(-offset);
        if ((firstWeek == 2 && offset > 3) || (firstWeek == 3 && offset > 0))
            weekOne = weekOne.addDays(7);
        if (weekOne <= date)
            return int(weekOne.daysTo(date) / 7) + 1;
    }
    return 1;
}

Variant datePartOf(std::vector<Variant>& args)
{
    const Interval interval = intervalOf(args[0]);
    const int firstDay = firstDayOfWeek(args, 2);
    std::int32_t firstWeek = optionalLong(args, 3, 1);
    if (firstWeek < 0 || firstWeek > 3)
        raiseError(error::InvalidCall);
    if (args[1].isNull())
        return Variant::null();
    const Moment moment = momentOf(args[1]);
    int part = 0;
    switch (interval) {
    case Interval::Year: part = moment.date.year(); break;
    case Interval::Quarter: part = quarterOf(moment.date); break;
    case Interval::Month: part = moment.date.month(); break;
    case Interval::DayOfYear: part = moment.date.dayOfYear(); break;
    case Interval::Day: part = moment.date.day(); break;
    case Interval::Weekday: part = weekdayOf(moment.date, firstDay); break;
    case Interval::Week: part = weekOfYear(moment.date, firstDay, firstWeek == 0 ? 1 : firstWeek); break;
    case Interval::Hour: part = hourOf(moment); break;
    case Interval::Minute: part = minuteOf(moment); break;
    case Interval::Second: part = secondOf(moment); break;
    }
    return Variant(static_cast<std::int16_t>(part));
}

bool abbreviated(const std::vector<Variant>& args, std::size_t index)
{
    return !isMissing(args, index) && boolOf(args[index]);
}

Variant monthName(std::vector<Variant>& args)
{
    const std::int32_t month = longOf(args[0]);
    if (month < 1 || month > 12)
        raiseError(error::InvalidCall);
    return Variant(QLocale::c().monthName(month, abbreviated(args, 1) ? QLocale::ShortFormat : QLocale::LongFormat));
}

Variant weekdayName(std::vector<Variant>& args)
{
    const std::int32_t day = longOf(args[0]);
    const int firstDay = firstDayOfWeek(args, 2);
    if (day < 1 || day > 7)
        raiseError(error::InvalidCall);
    const int sundayBased = (day - 1 + firstDay - 1) % 7;        // 0 = Sunday
    const int isoDay = sundayBased == 0 ? 7 : sundayBased;
    return Variant(QLocale::c().dayName(isoDay, abbreviated(args, 1) ? QLocale::ShortFormat : QLocale::LongFormat));
}

constexpr Builtin table[] = {
    {"Now", 0, 0, now},
    {"Date", 0, 0, today},
    {"Time", 0, 0, timeNow},
    {"Timer", 0, 0, timer},
    {"Year", 1, 1, datePart<yearOf>},
    {"Month", 1, 1, datePart<monthOf>},
    {"Day", 1, 1, datePart<dayOf>},
    {"Hour", 1, 1, datePart<hourOf>},
    {"Minute", 1, 1, datePart<minuteOf>},
    {"Second", 1, 1, datePart<secondOf>},
    {"Weekday", 1, 2, weekday},
    {"DateSerial", 3, 3, dateSerial},
    {"TimeSerial", 3, 3, timeSerial},
    {"DateValue", 1, 1, dateValue},
    {"TimeValue", 1, 1, timeValue},
    {"DateAdd", 3, 3, dateAdd},
    {"DateDiff", 3, 5, dateDiff},
    {"DatePart", 2, 4, datePartOf},
    {"MonthName", 1, 2, monthName},
    {"WeekdayName", 1, 3, weekdayName},
};

} // namespace

std::span<const Builtin> dateBuiltins()
{
    return table;
}

} // namespace vbscript::builtins
