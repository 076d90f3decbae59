#pragma once
// Files of the device, named by device path or absolute host path. Failures leave an error code in the
// calling thread's last-error value, with the platform's numbers, so callers can clear it, act and read it.
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace device {

enum ErrorCode : std::uint32_t {
    ErrorSuccess = 0,
    ErrorFileNotFound = 2,
    ErrorPathNotFound = 3,
    ErrorAccessDenied = 5,
    ErrorInvalidName = 123,
};

std::uint32_t lastError();
void setLastError(std::uint32_t code);

struct FileInfo {
    bool folder = false;
    bool readOnly = false;
    qint64 size = 0;
    QDateTime lastWrite;
};

// Attributes of a file or folder; nullopt (and the last error set) when there is none or the path is refused.
std::optional<FileInfo> fileInfo(const QString& path);

// True when a file (not a folder) exists at the path, as an open of an existing file for its attributes.
bool fileExists(const QString& path);

// Deletes one file (never a folder). False with the last error set when nothing was deleted.
bool deleteFile(const QString& path);

// Puts the file `from` in the place of `to` in one step, replacing a file there: at every moment `to`
// is the old file or the new one. False with the last error set when nothing moved.
bool replaceFile(const QString& from, const QString& to);

} // namespace device
