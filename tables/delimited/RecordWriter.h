#pragma once
// Records added to a table through an editable recordset that shows none of the table's records: no
// statement is read per record, and the recordset, opened afresh every few thousand records, never
// holds more than those.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

#include <QList>
#include <QStringList>

#include <memory>

class RecordWriter {
public:
    RecordWriter(CAppContext& context, QString table, QStringList fieldNames);

    bool isOpen() const { return m_records != nullptr; }
    // One record with the values of the named fields, in their order; false when the engine refused it.
    bool write(const QList<Variant>& values);

private:
    bool open();

    CAppContext& m_context;
    QString m_table;
    QStringList m_names;
    std::unique_ptr<CDbRecordset> m_records;
    QList<std::shared_ptr<cedb::Field>> m_fields;
    int m_written = 0;
};
