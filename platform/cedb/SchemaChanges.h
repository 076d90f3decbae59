#pragma once
// CREATE/DROP TABLE and INDEX and ALTER TABLE: each changes the stored tables and the engine catalogue
// together, as one unit.
#include "platform/cedb/Ast.h"
#include "platform/cedb/Database.h"

namespace cedb {

HRESULT createTable(Database& db, const CreateTable& statement);
HRESULT dropTable(Database& db, const DropTable& statement);
HRESULT createIndex(Database& db, const CreateIndex& statement);
HRESULT dropIndex(Database& db, const DropIndex& statement);
HRESULT addColumn(Database& db, const AlterAdd& statement);
HRESULT renameColumn(Database& db, const AlterRename& statement);
HRESULT dropColumn(Database& db, const AlterDrop& statement);

} // namespace cedb
