#include "filebrowser/browser/FolderPaths.h"

namespace browser {

QString canonicalPath(const QString& text)
{
    QString folder = u'\\' + text;
    while (folder.contains(QLatin1String("\\\\")))
        folder.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    if (folder.size() > 1 && folder.endsWith(u'\\'))
        folder.chop(1);
    return folder;
}

QString withTrailingSeparator(const QString& text)
{
    return text.endsWith(u'\\') ? text : text + u'\\';
}

QString folderAbove(const QString& text)
{
    const qsizetype last = text.lastIndexOf(u'\\');
    if (last <= 0)
        return QStringLiteral("\\");
    return text.left(last);
}

}  // namespace browser
