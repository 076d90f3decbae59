#pragma once
// A delimited text file turned into a table: the first lines as the import dialog previews them with
// the fields they propose, and the import itself, which creates the table (or adds to an existing one)
// and inserts one record per line in one transaction, so that a failure or a cancel leaves nothing
// half-imported. A line the table cannot take is refused and reported by its number, not skipped
// silently: records imported plus lines refused is always the file's number of data lines.
#include "data/CAppContext.h"
#include "tables/FieldTypes.h"
#include "tables/delimited/DelimitedReader.h"
#include "tables/delimited/ImportFieldNames.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

struct ImportSettings {
    QString path;      // a device path, or an absolute host path
    QString delimiter; // an entry of the delimiter list
    bool firstRowNames = false;
    bool typed = true; // propose a type per column from its values; else every field is Text
    bool skipComments = false; // lines whose first character is "#" hold no record
};

struct ImportPreview {
    QList<QStringList> lines; // the first data lines, each with one value per field
    QList<FieldDefinition> fields;
    QStringList headers; // the names as the first line gives them; none without a first row of names
    TextEncoding encoding = TextEncoding::Utf8;
};

// Why a preview could not be read: the file itself, or only the delimiter chosen for it.
enum class PreviewFailure { None, File, Delimiter };

// Reads the first lines, and the rest of the file for how wide its values and lines are; nullopt after the
// message that says why the file cannot be imported.
std::optional<ImportPreview> readImportPreview(const ImportSettings& settings, PreviewFailure* failure = nullptr);

// The table a file is imported into by default: the file's name up to its first ".".
QString importTableName(const QString& path);
// The same, followed by the first number from 2 that names no table of the open database, when one is named so.
QString unusedImportTableName(CAppContext& context, const QString& path);

struct RefusedLine {
    int line = 0;
    QString reason;
};

struct ImportOutcome {
    enum class State { Imported, NotStarted, Cancelled, Failed };
    State state = State::NotStarted;
    int imported = 0;
    QList<RefusedLine> refused;
    QList<std::pair<QString, QString>> renamed; // a name of the file's first line and the field that took it
    QString tableId;
    std::optional<int> recordCount; // the table's records afterwards, when they could be counted

    // "Imported N records into TABLE", the fields named otherwise than in the file, then one
    // "line L: REASON" per refused line, at most `listed` of them.
    QString summary(const QString& table, int listed = -1) const;
};

class TextImport {
public:
    enum class Mode { Create, Append };
    // Told the share of the file read so far (0 to 1) every few hundred lines; false cancels the import.
    using Progress = std::function<bool(double share)>;

    TextImport(CAppContext& context, ImportSettings settings);

    // Checks the field names and imports. In Create mode the table must not exist; in Append mode the
    // file's fields are matched to the table's by name when the first row holds names, else by position.
    // Every failure that stops the import shows its message.
    ImportOutcome run(const QString& table, const QList<FieldDefinition>& fields, Mode mode,
                      const Progress& progress = {});

private:
    // The table's fields that receive the file's; false after the message that says why they do not match.
    bool appendTarget(const QString& table, const QList<FieldDefinition>& fields, QList<FieldDefinition>& targets);
    bool createTable(const QString& table, const QList<FieldDefinition>& fields, QString& tableId);
    // A field that receives a column, with its Field Size and the kind of its type told once rather than
    // for every value.
    struct Target {
        enum class Kind { Text, Memo, Integer, Double, Date, Other };
        explicit Target(const FieldDefinition& definition);
        FieldDefinition field;
        int size = 0;
        Kind kind = Kind::Other;
    };
    // A value as the field stores it; nullopt when the field cannot hold it.
    static std::optional<Variant> storedValue(const Target& target, const QString& text, bool quoted);
    // The record's values as the fields store them, written over those of the record before; false with
    // why the record is refused.
    bool values(const DelimitedRecord& record, const QList<Target>& targets, std::vector<Variant>& values,
                QString& refusal) const;

    CAppContext& m_context;
    ImportSettings m_settings;
};
