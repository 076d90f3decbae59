#include "app/ProfileRecentDatabases.h"

#include "platform/framework/RecentFileList.h"

QStringList ProfileRecentDatabases::entries() const
{
    const framework::RecentFileList list;
    QStringList paths;
    for (int i = 0; i < list.size(); ++i)
        if (!list[i].isEmpty())
            paths << list[i];
    return paths;
}

void ProfileRecentDatabases::add(const QString& path) { framework::RecentFileList().add(path); }

void ProfileRecentDatabases::remove(int index) { framework::RecentFileList().remove(index); }
