#pragma once
#include <QString>

// The open database file: its full path with extension, the connection string of every recordset.
class COpenDatabase {
public:
    explicit COpenDatabase(QString path) : m_path(std::move(path)) {}
    const QString& GetPath() const { return m_path; }

private:
    QString m_path;
};
