#pragma once
// The records of a print source, read in order without ever holding more than the current one: each
// field's value, and its text as the datasheet shows it.
#include "platform/automation/variant.h"
#include "reports/PrintSource.h"

#include <QString>
#include <QStringList>

#include <memory>

class CAppContext;
class CDbRecordset;

class RecordReader {
public:
    RecordReader(CAppContext& context, PrintSource source);
    ~RecordReader();

    // False, after the message that says why, when the statement does not open.
    bool open();
    const PrintSource& source() const { return m_source; }
    int count() const { return m_count; }
    const QStringList& fieldNames() const { return m_names; }
    // The field of that name in any case; -1 when the records have none.
    int indexOf(const QString& name) const;
    // The names of `wanted` the records lack.
    QStringList missing(const QStringList& wanted) const;
    // The engine keeps the field's values as numbers.
    bool isNumeric(int field) const;

    // Makes record `record` (from 0) the current one; false past the end.
    bool moveTo(int record);
    int current() const { return m_current; }
    Variant value(int field);
    QString shown(int field);

private:
    CAppContext& m_context;
    PrintSource m_source;
    std::unique_ptr<CDbRecordset> m_records;
    QStringList m_names;
    // The catalogue row of each field; an empty one shows the engine's text.
    QList<DatasheetField> m_fields;
    QList<int> m_types;
    int m_count = 0;
    int m_current = -1;
};
