#include "RegistryFile.h"

#include "platform/device/DevicePath.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QtDebug>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <optional>

namespace registry {

namespace {
const QString kFileName = QStringLiteral("Registry.dat");

// Holds the inter-process lock (a lock file beside the registry, since the registry file itself is
// replaced on every write) for its lifetime.
class FileLock {
public:
    explicit FileLock(const QString& folder)
    {
        if (!QDir().mkpath(folder))
            return;
        const QByteArray path = QFile::encodeName(folder + QStringLiteral("/Registry.lock"));
        m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return;
        int result;
        do
            result = ::flock(m_fd, LOCK_EX);
        while (result != 0 && errno == EINTR);
        if (result != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// What identifies one version of the file: a rename makes a new inode, a write a new time and size.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    bool operator==(const Stamp& other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
    }
};

std::optional<Stamp> stampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return Stamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

struct Cache {
    std::mutex mutex; // threads of one process share the cache
    std::optional<Stamp> stamp;
    QString path;
    Tree tree;
};

Cache& cache()
{
    static Cache instance;
    return instance;
}

void keepDamagedFile(const QString& path)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(path, aside))
        qWarning().noquote() << "The registry file was damaged; it was kept as" << aside << "and a new one started.";
    else
        qWarning().noquote() << "The registry file" << path << "is damaged and could not be moved aside.";
}

// Brings the cache up to date with the file; the lock must be held.
bool load(Cache& state)
{
    const QString path = registryFilePath();
    const auto stamp = stampOf(path);
    const int statError = errno;
    if (stamp && state.stamp && *stamp == *state.stamp && state.path == path)
        return true;
    state.stamp.reset();
    state.path = path;
    if (!stamp) {
        state.tree = Tree();
        return statError == ENOENT;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (auto parsed = Tree::parse(bytes)) {
        state.tree = std::move(*parsed);
        state.stamp = stamp;
    } else {
        keepDamagedFile(path);
        state.tree = Tree();
    }
    return true;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Writes the whole file beside the old one, flushes it and renames it into place; the lock must be held.
bool store(Cache& state, const QByteArray& bytes)
{
    const QString path = registryFilePath();
    const QByteArray temporary = QFile::encodeName(path + QStringLiteral(".new"));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(temporary.constData());
        state.stamp.reset();
        return false;
    }
    syncFolder(device::systemFolder());
    state.stamp = stampOf(path);
    return true;
}
} // namespace

QString registryFilePath()
{
    return device::systemFolder() + QLatin1Char('/') + kFileName;
}

FileStatus readRegistry(const std::function<void(const Tree&)>& reader)
{
    Cache& state = cache();
    const std::lock_guard guard(state.mutex);
    const FileLock lock(device::systemFolder());
    if (!lock.held() || !load(state))
        return FileStatus::IoFailure;
    reader(state.tree);
    return FileStatus::Ok;
}

FileStatus changeRegistry(const std::function<bool(Tree&)>& change)
{
    Cache& state = cache();
    const std::lock_guard guard(state.mutex);
    const FileLock lock(device::systemFolder());
    if (!lock.held() || !load(state))
        return FileStatus::IoFailure;
    const QByteArray before = state.stamp ? state.tree.serialize() : QByteArray();
    Tree changed = state.tree;
    if (!change(changed))
        return FileStatus::Ok;
    const QByteArray after = changed.serialize();
    if (after == before)
        return FileStatus::Ok;
    if (!store(state, after))
        return FileStatus::IoFailure;
    state.tree = std::move(changed);
    return FileStatus::Ok;
}

} // namespace registry
