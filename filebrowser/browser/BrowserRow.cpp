#include "filebrowser/browser/BrowserRow.h"

#include <QLocale>

namespace browser {

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes);
}

QString modifiedText(const QDateTime& when)
{
    const QDateTime local = when.toLocalTime();
    const QLocale locale;
    return locale.toString(local.date(), QLocale::ShortFormat) + u' ' + locale.toString(local.time(), QLocale::ShortFormat);
}

BrowserRow makeRow(const FolderEntry& entry)
{
    BrowserRow row;
    row.texts[Name] = entry.name;
    row.texts[Size] = entry.isFolder ? QStringLiteral(" ") : sizeText(entry.size);
    row.texts[Modified] = modifiedText(entry.modified);
    row.texts[SizeK] = QString::number(entry.size);
    row.texts[Type] = entry.isFolder ? QStringLiteral("D") : QStringLiteral("F");
    row.devicePath = entry.devicePath;
    row.hostPath = entry.hostPath;
    return row;
}

}  // namespace browser
