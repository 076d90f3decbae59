#include "app/options/LocaleLists.h"

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
