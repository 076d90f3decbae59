#pragma once
// Many records added to one table at once, as an import adds them. A server database takes them by the
// hundreds of kilobytes through the server's COPY, each batch whole or not at all; a record the server
// refuses sends its batch again record by record, so that it alone is refused and told by its tag. A
// .cdb file takes each record at once through one statement made ready for all of them.
#include "platform/automation/variant.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace cedb {

class BulkAppend {
public:
    struct Refusal {
        qint64 tag = 0;
        QString reason;
    };

    // The fields `fields` of `table` in the database at `path`; a table or field that does not exist fails. Writes go into the transaction open on the database, else each batch
    // is one of its own.
    static HRESULT open(const QString& path, const QString& table, const QStringList& fields,
                        std::unique_ptr<BulkAppend>& append);
    virtual ~BulkAppend() = default;

    // One record, its values in the order of the fields. DB_E_BADVALUES refuses it at once (a value its
    // field cannot hold); any other failure means a batch could not be written at all.
    virtual HRESULT add(const std::vector<Variant>& values, qint64 tag) = 0;
    // Writes the records still held.
    virtual HRESULT flush() = 0;
    // The records the database refused so far, in the order they were added, and forgets them.
    virtual std::vector<Refusal> takeRefused() = 0;
};

} // namespace cedb
