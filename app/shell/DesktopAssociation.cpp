#include "app/shell/DesktopAssociation.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
const QString kDefaultsSection = QStringLiteral("[Default Applications]");

QString environmentFolder(const char* variable, const QString& fallbackUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QDir::home().filePath(fallbackUnderHome) : value;
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

// Replaces the file in one step, and leaves it alone when it already says the same.
bool writeText(const QString& path, const QString& text)
{
    if (QFile::exists(path) && readText(path) == text)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

// A desktop entry's Exec line quotes a path with blanks; quotes and backslashes inside are escaped.
QString execQuoted(const QString& path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('`'), QLatin1String("\\`"))
        .replace(QLatin1Char('$'), QLatin1String("\\$"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}
} // namespace

XdgFolders xdgFoldersFromEnvironment()
{
    return {environmentFolder("XDG_DATA_HOME", QStringLiteral(".local/share")),
            environmentFolder("XDG_CONFIG_HOME", QStringLiteral(".config"))};
}

QString mimePackageText()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>Varnel Desk database</comment>\n"
                          "    <glob pattern=\"*.cdb\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(kDatabaseMimeType);
}

QString desktopEntryText(const QString& programPath)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Varnel Desk\n"
                          "Comment=Personal databases: tables, forms, queries and macros\n"
                          "Exec=%1 %f\n"
                          "Terminal=false\n"
                          "Categories=Office;Database;\n"
                          "MimeType=%2;\n")
        .arg(execQuoted(programPath), kDatabaseMimeType);
}

QString withDefaultApplication(const QString& mimeAppsList)
{
    const QString entry = kDatabaseMimeType + QLatin1Char('=') + kDesktopEntryName;
    QStringList lines = mimeAppsList.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    qsizetype section = lines.indexOf(kDefaultsSection);
    if (section < 0) {
        lines << kDefaultsSection << entry;
        return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    qsizetype end = section + 1;
    while (end < lines.size() && !lines.at(end).startsWith(QLatin1Char('[')))
        ++end;
    for (qsizetype i = section + 1; i < end; ++i)
        if (lines.at(i).startsWith(kDatabaseMimeType + QLatin1Char('='))) {
            lines[i] = entry;
            return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        }
    lines.insert(section + 1, entry);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool installDesktopAssociation(const XdgFolders& folders, const QString& programPath)
{
    const QDir data(folders.dataHome);
    const QString mimeApps = QDir(folders.configHome).filePath(QStringLiteral("mimeapps.list"));
    const bool mime = writeText(data.filePath(QStringLiteral("mime/packages/varnel-desk.xml")), mimePackageText());
    const bool entry = writeText(data.filePath(QStringLiteral("applications/") + kDesktopEntryName),
                                 desktopEntryText(programPath));
    const bool defaults = writeText(mimeApps, withDefaultApplication(readText(mimeApps)));
    return mime && entry && defaults;
}
