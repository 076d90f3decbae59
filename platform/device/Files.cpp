#include "Files.h"

#include "DevicePath.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace device {

namespace {
thread_local std::uint32_t t_lastError = ErrorSuccess;

std::uint32_t errorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return ErrorFileNotFound;
    case ENOTDIR:
        return ErrorPathNotFound;
    case ENAMETOOLONG:
        return ErrorInvalidName;
    default:
        return ErrorAccessDenied;
    }
}

// The host file for `path`, or nullopt with the last error set when the path is empty or refused.
std::optional<QString> hostFileOrError(const QString& path)
{
    auto host = path.isEmpty() ? std::nullopt : toHostPath(path);
    if (!host)
        setLastError(ErrorInvalidName);
    return host;
}
} // namespace

std::uint32_t lastError()
{
    return t_lastError;
}

void setLastError(std::uint32_t code)
{
    t_lastError = code;
}

std::optional<FileInfo> fileInfo(const QString& path)
{
    const auto host = hostFileOrError(path);
    if (!host)
        return std::nullopt;
    const QFileInfo info(*host);
    if (!info.exists()) {
        setLastError(QFileInfo(info.absolutePath()).isDir() ? ErrorFileNotFound : ErrorPathNotFound);
        return std::nullopt;
    }
    return FileInfo{info.isDir(), !info.isWritable(), info.isDir() ? 0 : info.size(), info.lastModified()};
}

bool fileExists(const QString& path)
{
    const auto info = fileInfo(path);
    if (info && info->folder)
        setLastError(ErrorAccessDenied);
    return info && !info->folder;
}

bool deleteFile(const QString& path)
{
    const auto info = fileInfo(path);
    if (!info)
        return false;
    if (info->folder) {
        setLastError(ErrorAccessDenied);
        return false;
    }
    const QByteArray host = QFile::encodeName(*toHostPath(path));
    if (std::remove(host.constData()) != 0) {
        setLastError(errorFromErrno(errno));
        return false;
    }
    return true;
}

bool replaceFile(const QString& from, const QString& to)
{
    const auto fromInfo = fileInfo(from);
    if (!fromInfo)
        return false;
    const auto target = toHostPath(to);
    if (fromInfo->folder || !target) {
        setLastError(fromInfo->folder ? ErrorAccessDenied : ErrorInvalidName);
        return false;
    }
    // rename() swaps the directory entry atomically on the same file system.
    if (std::rename(QFile::encodeName(*toHostPath(from)).constData(), QFile::encodeName(*target).constData()) != 0) {
        setLastError(errorFromErrno(errno));
        return false;
    }
    return true;
}

} // namespace device
