#include "filebrowser/browser/Patterns.h"

#include <algorithm>

namespace browser {

namespace {

const QStringList& knownPatterns()
{
    static const QStringList patterns{QStringLiteral("*.*"), QStringLiteral("*.cdb"), QStringLiteral("*.txt"),
                                      QStringLiteral("*.doc"), QStringLiteral("*.xnf"), QStringLiteral("*.bmp")};
    return patterns;
}

}  // namespace

QStringList filterEntries(const QString& filters)
{
    QStringList entries;
    for (const QString& piece : filters.split(u'|'))
        entries.append(piece.trimmed());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return entries;
}

QString activePatternFrom(const QString& filterText, const QString& previous)
{
    for (const QString& pattern : knownPatterns()) {
        if (filterText.contains(pattern))
            return pattern;
    }
    return previous;
}

bool listsFile(const QString& name, const QString& activePattern)
{
    if (activePattern == QLatin1String("*.*") || !knownPatterns().contains(activePattern))
        return true;
    return name.contains(activePattern.mid(1));
}

}  // namespace browser
