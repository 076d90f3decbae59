#pragma once
// Records added to a table. A server database takes them in batches through the engine's bulk append;
// a file takes them through an editable recordset that shows none of the table's records: no
// statement is read per record, and the recordset, opened afresh every few thousand records, never
// holds more than those.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "platform/cedb/BulkAppend.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <vector>

class RecordWriter {
public:
    RecordWriter(CAppContext& context, QString table, QStringList fieldNames);

    bool isOpen() const { return m_records != nullptr || m_bulk != nullptr; }
    // One record with the values of the named fields, in their order; false when the engine refused it
    // (cedb::lastError() says why). A record written in a batch may still be refused by the database
    // later: finish() tells it by `line`.
    bool write(const QList<Variant>& values, int line);
    // Whether the records could not be written at all (the connection is lost): nothing more will be.
    bool failed() const { return m_failed; }
    // Writes what is still held; the lines the database refused in their batches, with why.
    std::vector<cedb::BulkAppend::Refusal> finish();

private:
    bool open();
    bool writeOne(const QList<Variant>& values);

    CAppContext& m_context;
    QString m_table;
    QStringList m_names;
    std::unique_ptr<cedb::BulkAppend> m_bulk;
    std::unique_ptr<CDbRecordset> m_records;
    QList<std::shared_ptr<cedb::Field>> m_fields;
    int m_written = 0;
    bool m_failed = false;
};
