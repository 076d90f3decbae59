#include "app/options/LocaleLists.h"

QStringList shortDateFormats(const QLocale& locale)
{
    QStringList formats{locale.dateFormat(QLocale::ShortFormat)};
    for (const QLocale& other : QLocale::matchingLocales(locale.language(), QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString format = other.dateFormat(QLocale::ShortFormat);
        if (!formats.contains(format))
            formats.append(format);
    }
    return formats;
}

QStringList languageNames()
{
    QStringList names{QLocale::languageToString(QLocale::English)};
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (locale.language() == QLocale::C)
            continue;
        const QString name = QLocale::languageToString(locale.language());
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names;
}
