#pragma once
// Records added to a table of a .cdb file through one statement made ready once: each value is checked and
// converted for its field as a recordset's Update checks it, and each record is written at once, so that a
// refused one is told by the add that brought it. Inside a transaction the file keeps the history and the
// count of the records many at a time, as for any other add.
#include "platform/cedb/BulkAppend.h"
#include "platform/cedb/Catalogue.h"
#include "platform/cedb/Database.h"
#include "platform/cedb/WrittenDigest.h"

#include <QStringEncoder>

namespace cedb {

class FileAppend : public BulkAppend {
public:
    FileAppend(std::shared_ptr<Database> db, const TableInfo& table, std::vector<ColumnInfo> columns);

    HRESULT add(const std::vector<Variant>& values, qint64 tag) override;
    HRESULT flush() override { return S_OK; }
    std::vector<Refusal> takeRefused() override { return {}; }

private:
    HRESULT insert();
    void bind();
    std::optional<quint64> digest();

    std::shared_ptr<Database> m_db;
    QByteArray m_table;
    std::vector<ColumnInfo> m_columns;
    QByteArray m_sql;
    std::vector<StoredValue> m_values;
    // Each text field's value in UTF-8, which the statement reads where it is; made before the statement,
    // they outlast it.
    std::vector<QByteArray> m_texts;
    std::vector<size_t> m_textSizes;
    QStringEncoder m_toUtf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    WrittenDigest m_digest;
    PooledStatement m_statement;
};

} // namespace cedb
