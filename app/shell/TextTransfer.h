#pragma once
// The windows that move records between the open database and delimited text files. The program gives
// the real dialogs; tests give their own.
#include <QString>

#include <optional>

class TextTransfer {
public:
    virtual ~TextTransfer() = default;
    // The import dialog on a text file; the table that received records, nullopt when nothing was imported.
    virtual std::optional<QString> importFile(const QString& path) = 0;
    // The export dialog for a table, or a stored query written "Name(Q)".
    virtual void exportSource(const QString& source) = 0;
    // The open database's user tables written as a plain SQLite file the user chooses.
    virtual void exportDatabase() = 0;
};
