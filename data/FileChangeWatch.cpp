#include "data/FileChangeWatch.h"

#include "platform/device/DevicePath.h"

#include <QFileInfo>

void FileChangeWatch::look(const QString& path)
{
    m_hostPath = device::toHostPath(path).value_or(path);
    m_seen = stampOf();
}

bool FileChangeWatch::changed() const
{
    return !m_hostPath.isEmpty() && stampOf() != m_seen;
}

FileChangeWatch::Stamp FileChangeWatch::stampOf() const
{
    const QFileInfo file(m_hostPath);
    if (!file.exists())
        return {};
    return {true, file.size(), file.fileTime(QFileDevice::FileModificationTime)};
}
