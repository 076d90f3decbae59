#pragma once
// Records added to a table through the engine's bulk append: a server database takes them in batches, a
// file one by one through a statement made ready once for all of them.
#include "data/CAppContext.h"
#include "platform/cedb/BulkAppend.h"

#include <QStringList>

#include <memory>
#include <vector>

class RecordWriter {
public:
    RecordWriter(CAppContext& context, const QString& table, const QStringList& fieldNames);

    bool isOpen() const { return m_bulk != nullptr; }
    // One record with the values of the named fields, in their order; false when the engine refused it
    // (cedb::lastError() says why). A record written in a batch may still be refused by the database
    // later: finish() tells it by `line`.
    bool write(const std::vector<Variant>& values, int line);
    // Whether the records could not be written at all (the connection is lost, the disk is full):
    // nothing more will be.
    bool failed() const { return m_failed; }
    // Writes what is still held; the lines the database refused in their batches, with why.
    std::vector<cedb::BulkAppend::Refusal> finish();

private:
    std::unique_ptr<cedb::BulkAppend> m_bulk;
    bool m_failed = false;
};
