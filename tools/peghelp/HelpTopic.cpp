#include "tools/peghelp/HelpTopic.h"

#include <QDir>

HelpTopic parseHelpTopic(const QString& commandLine)
{
    QString text = commandLine.trimmed();
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        text = text.mid(5);
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return {text, {}};
    return {text.left(hash), text.mid(hash + 1)};
}

QString helpFilePath(const HelpTopic& topic, const QString& systemFolder)
{
    if (QDir::isAbsolutePath(topic.file))
        return topic.file;
    QString name = topic.file;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Windows"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    return QDir(systemFolder).filePath(parts.join(QLatin1Char('/')));
}
