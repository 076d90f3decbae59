#include "data/DateStyle.h"

#include "data/ProfileSettings.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace {

const QString kEngineStyle = QStringLiteral("M/d/yyyy");

// "yy" alone becomes "yyyy"; "yyyy" stays.
QString withFullYear(QString format)
{
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(shortYear, QStringLiteral("yyyy"));
}

QString engineText(const QDate& date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

} // namespace

QStringList dateStyles(const QLocale& locale)
{
    QStringList styles{kEngineStyle};
    const auto add = [&styles](const QString& format) {
        const QString full = withFullYear(format);
        if (!full.isEmpty() && !styles.contains(full))
            styles.append(full);
    };
    add(locale.dateFormat(QLocale::ShortFormat));
    for (const QLocale& other : QLocale::matchingLocales(locale.language(), QLocale::AnyScript, QLocale::AnyTerritory))
        add(other.dateFormat(QLocale::ShortFormat));
    return styles;
}

QStringList dateStyles() { return dateStyles(QLocale::system()); }

QString dateStyleAt(int position)
{
    // Asked for every date shown: the system's locale stays what it was at the start.
    static const QStringList styles = dateStyles();
    return position >= 0 && position < styles.size() ? styles.at(position) : kEngineStyle;
}

QString chosenDateStyle() { return dateStyleAt(profileInt(profile::General, QStringLiteral("Default_Date_Style"))); }

QString styledDate(const QString& engineText, const QString& style)
{
    if (style == kEngineStyle)
        return engineText;
    static const QRegularExpression engineDate(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{1,4})( .*)?$"));
    const QRegularExpressionMatch match = engineDate.match(engineText);
    if (!match.hasMatch())
        return engineText;
    const QDate date(match.captured(3).toInt(), match.captured(1).toInt(), match.captured(2).toInt());
    if (!date.isValid())
        return engineText;
    return QLocale::system().toString(date, style) + match.captured(4);
}

QString engineDate(const QString& typed, const QString& style)
{
    if (style == kEngineStyle)
        return typed;
    const QString text = typed.trimmed();
    const QLocale locale = QLocale::system();
    if (const QDate date = locale.toDate(text, style); date.isValid())
        return engineText(date);
    // The engine's time stays after the date as it was shown: split it off at the last blank that leaves a
    // date in the style before it.
    for (qsizetype blank = text.lastIndexOf(u' '); blank > 0; blank = text.lastIndexOf(u' ', blank - 1)) {
        if (const QDate date = locale.toDate(text.left(blank), style); date.isValid())
            return engineText(date) + text.mid(blank);
    }
    return typed;
}
