#pragma once
// Values written as the server's COPY reads its text format: one line per row, a tab between values,
// \N for Null, and a backslash before every backslash, tab, line feed and carriage return in the data,
// so that no value can end its field or its row early.
#include "platform/cedb/TypeRules.h"

#include <QByteArray>

#include <vector>

namespace cedb {

// Appends one row, ended by its line feed.
void appendCopyRow(QByteArray& data, const std::vector<StoredValue>& values);

} // namespace cedb
