#pragma once
// Whether a file changed on disk since it was last looked at, told by its size and modification time:
// every commit another program makes to a database file moves them.
#include <QDateTime>
#include <QString>

class FileChangeWatch {
public:
    // Remembers the file (a device or host path) as it is now.
    void look(const QString& path);
    // The file looked at last has another size or time now, or has come or gone since.
    bool changed() const;

private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stampOf() const;

    QString m_hostPath;
    Stamp m_seen;
};
