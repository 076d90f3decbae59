#pragma once
// Form files (.xnf): exactly one form's CtrlProps text, nothing else. They are written as UTF-8
// without a byte-order mark and read as UTF-8 with or without one, or as UTF-16 with one, so files
// written elsewhere import too.
#include "data/FormRows.h"

#include <QString>

#include <optional>

// Where a form's row is read and added; the program's is over the open database.

class FormStore {
public:
    virtual ~FormStore() = default;
    // The form's row, nullopt when there is none.
    virtual std::optional<FormRow> findForm(const QString& name) = 0;
    virtual bool addForm(const FormRow& row) = 0;
};

// The form name a file gives: its name without the folder, up to the first ".".
QString FormNameFromPath(const QString& path);

// The file's text with "\r\n" read as "\n"; nullopt for an empty path or a file that cannot be read.
std::optional<QString> ReadFormFile(const QString& path);
// Replaces the file whole; a failed write leaves no half-written file.
bool WriteFormFile(const QString& path, const QString& text);

enum class ExportResult { Written, NoSuchForm, WriteFailed };
ExportResult ExportFormFile(FormStore& store, const QString& formName, const QString& path);

enum class ImportResult { Added, Unreadable, InvalidName, Exists, AddFailed };
// Adds the file's form under the name the file gives, its record source taken from its SQL Source;
// an existing form of that name is left as it is. `formName` receives the name either way.
ImportResult ImportFormFile(FormStore& store, const QString& path, QString* formName = nullptr);
