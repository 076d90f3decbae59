#include "platform/framework/RecentFileList.h"

#include "platform/framework/Profile.h"

namespace framework {

namespace {
const QString kSection = QStringLiteral("Recent File List");

QString entryKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}
} // namespace

RecentFileList::RecentFileList()
{
    for (int i = 0; i < kSize; ++i)
        m_entries << GetProfileString(kSection, entryKey(i));
}

QStringList RecentFileList::entries() const
{
    QStringList files;
    for (const QString& entry : m_entries)
        if (!entry.isEmpty())
            files << entry;
    return files;
}

void RecentFileList::add(const QString& path)
{
    if (path.isEmpty())
        return;
    qsizetype from = m_entries.indexOf(path);
    if (from < 0)
        from = kSize - 1;
    m_entries.removeAt(from);
    m_entries.prepend(path);
    save();
}

void RecentFileList::remove(int index)
{
    if (index < 0 || index >= kSize)
        return;
    m_entries.removeAt(index);
    m_entries.append(QString());
    save();
}

void RecentFileList::save() const
{
    for (int i = 0; i < kSize; ++i)
        WriteProfileString(kSection, entryKey(i), m_entries[i]);
}

} // namespace framework
