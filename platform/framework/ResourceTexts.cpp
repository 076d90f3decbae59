#include "platform/framework/ResourceTexts.h"

#include "platform/device/TextFile.h"

#include <QHash>

#include <optional>

namespace framework {

namespace {

std::optional<QHash<QString, QString>>& library()
{
    static std::optional<QHash<QString, QString>> texts;
    return texts;
}

QString unescaped(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            result += c;
            continue;
        }
        const QChar next = text[++i];
        if (next == QLatin1Char('n'))
            result += QLatin1Char('\n');
        else if (next == QLatin1Char('t'))
            result += QLatin1Char('\t');
        else
            result += next;
    }
    return result;
}

} // namespace

bool loadResourceLibrary(const QString& path)
{
    const std::optional<QString> contents = device::readTextFile(path);
    if (!contents) {
        library().reset();
        return false;
    }
    QHash<QString, QString> texts;
    for (const QString& line : contents->split(QLatin1Char('\n'))) {
        const QString trimmed = line.endsWith(QLatin1Char('\r')) ? line.chopped(1) : line;
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (equals <= 0 || trimmed.startsWith(QLatin1Char('#')))
            continue;
        texts.insert(trimmed.left(equals).trimmed(), unescaped(QStringView(trimmed).mid(equals + 1)));
    }
    library() = std::move(texts);
    return true;
}

void freeResourceLibrary()
{
    library().reset();
}

bool resourceLibraryLoaded()
{
    return library().has_value();
}

QString resourceText(const QString& name, const QString& builtIn)
{
    if (!library())
        return builtIn;
    return library()->value(name, builtIn);
}

} // namespace framework
