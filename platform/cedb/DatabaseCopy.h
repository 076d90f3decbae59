#pragma once
// A whole database copied into a new one, file or server either way: every user table with its
// records and indexes, and the catalogue rows that describe them, keeping their TableIDs, so that the
// program's own tables (forms, queries, field properties) still name the right tables.
#include "platform/automation/hresult.h"

#include <QString>

namespace cedb {

// `target` is made by the copy (a .cdb path that must not exist, or an empty server database) and is
// written in one transaction: on a failure it holds no table of the source.
HRESULT copyDatabase(const QString& source, const QString& target);

} // namespace cedb
