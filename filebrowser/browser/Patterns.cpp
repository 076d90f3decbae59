#include "filebrowser/browser/Patterns.h"

#include <QRegularExpression>

#include <algorithm>

namespace browser {

namespace {

const QString kEveryFile = QStringLiteral("*.*");

// "*." followed by an extension; the description in brackets after it is not part of it.
const QRegularExpression& extensionPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\*|[^\\s*?;,|()]+)"));
    return pattern;
}

bool isExtensionPattern(const QString& text)
{
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(extensionPattern().pattern()));
    return text != kEveryFile && whole.match(text).hasMatch();
}

}  // namespace

QStringList filterEntries(const QString& filters)
{
    QStringList entries;
    for (const QString& piece : filters.split(u'|'))
        entries.append(piece.trimmed());
    return entries;
}

QString filterLabel(const QString& entry)
{
    static const QRegularExpression described(QStringLiteral("^([^()]*)\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = described.match(entry);
    if (!match.hasMatch() || match.captured(2).trimmed().isEmpty())
        return entry;
    QStringList patterns = match.captured(1).split(u';', Qt::SkipEmptyParts);
    for (QString& pattern : patterns)
        pattern = pattern.trimmed();
    patterns.removeAll(QString());
    const QString description = match.captured(2).trimmed();
    return patterns.isEmpty() ? description : description + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

QString activePatternFrom(const QString& filterText, const QString& previous)
{
    QStringList patterns;
    for (const QRegularExpressionMatch& match : extensionPattern().globalMatch(filterText)) {
        if (match.captured() == kEveryFile)
            return kEveryFile;
        patterns.append(match.captured());
    }
    return patterns.isEmpty() ? previous : patterns.join(u';');
}

bool isWildcard(const QString& text)
{
    return text.contains(u'*') || text.contains(u'?');
}

bool listsFile(const QString& name, const QString& activePattern)
{
    const QStringList patterns = activePattern.split(u';');
    if (!std::all_of(patterns.begin(), patterns.end(), isExtensionPattern))
        return true;
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const QString& pattern) { return name.contains(pattern.mid(1)); });
}

}  // namespace browser
