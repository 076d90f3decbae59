#pragma once
// CREATE/DROP TABLE and INDEX and ALTER TABLE: each changes the stored tables and the engine catalogue
// together, as one unit.
#include "platform/cedb/Ast.h"
#include "platform/cedb/Store.h"

namespace cedb {

HRESULT createTable(Store& db, const CreateTable& statement);
HRESULT dropTable(Store& db, const DropTable& statement);
HRESULT createIndex(Store& db, const CreateIndex& statement);
HRESULT dropIndex(Store& db, const DropIndex& statement);
HRESULT addColumn(Store& db, const AlterAdd& statement);
HRESULT renameColumn(Store& db, const AlterRename& statement);
HRESULT dropColumn(Store& db, const AlterDrop& statement);

// The statement that makes the index `storage` with MSysIndexes `flags` on a column of a stored table.
QByteArray indexSql(SqlDialect dialect, const QByteArray& storage, const QByteArray& table, const QByteArray& column,
                    int flags);

} // namespace cedb
