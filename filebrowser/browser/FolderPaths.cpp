#include "filebrowser/browser/FolderPaths.h"

namespace browser {

QString canonicalPath(const QString& text)
{
    QString path = u'\\' + text;
    path.replace(u'/', u'\\');
    while (path.contains(QLatin1String("\\\\")))
        path.replace(QLatin1String("\\\\"), QLatin1String("\\"));
    if (path.size() > 1 && path.endsWith(u'\\'))
        path.chop(1);
    return path;
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
