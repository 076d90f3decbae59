#pragma once
// The import dialog without its window: the file, the delimiter and first-row choices with the preview
// they give, the table name, each field's name, type and size as the user adjusts them, and Import.
#include "tables/delimited/TextImport.h"

class TextImportSession {
public:
    // Starts with the choices the file's first lines suggest (see proposeImport) and a table name that
    // names no table yet; nothing is read until `read`.
    TextImportSession(CAppContext& context, QString path);

    // Reads the first lines again with these choices; the fields start over from what the lines propose.
    // Anything but None after the message that says why nothing can be shown.
    PreviewFailure read(const QString& delimiter, bool firstRowNames, bool skipComments);
    const QString& delimiter() const { return m_settings.delimiter; }
    bool firstRowNames() const { return m_settings.firstRowNames; }
    bool skipComments() const { return m_settings.skipComments; }

    const QList<QStringList>& lines() const { return m_lines; }
    const QList<FieldDefinition>& fields() const { return m_fields; }
    // The name the file's first line gives a field; empty without a first row of names.
    QString header(int column) const { return m_headers.value(column); }
    // The Field Size of a Text field; empty for the other types.
    QString fieldSize(int column) const;

    const QString& tableName() const { return m_table; }
    void setTableName(const QString& name) { m_table = name; }
    void setFieldName(int column, const QString& name);
    void setFieldType(int column, const QString& type);
    void setFieldSize(int column, const QString& size);

    // Remembers the delimiter in the list and imports; into an existing table only when the user agrees
    // to add the records to it. Closes with the number of records imported and every line refused.
    // `ended` is told once the records are written, before the closing message. True when the dialog is done.
    bool import(const TextImport::Progress& progress = {}, const std::function<void()>& ended = {});

private:
    CAppContext& m_context;
    ImportSettings m_settings;
    QString m_table;
    QList<QStringList> m_lines;
    QList<FieldDefinition> m_fields;
    QStringList m_headers;
};
