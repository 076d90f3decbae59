#pragma once
// Whether another user changed a table's design since a view of it was opened. Recordsets over a server
// database refuse to read or write a table redesigned under them (DB_E_DESIGNCHANGED); a view compares
// the design it opened with the one the database has now, to open the table again before it acts.
#include <QByteArray>
#include <QString>

#include <optional>

namespace cedb {

// The design of `table` in the database at `path` as it is now (its fields' names, storage and types),
// empty when the table is gone; nullopt where nobody else can change it under the view (a file, whose
// views read it again with the file) or the database cannot be reached.
std::optional<QByteArray> tableDesign(const QString& path, const QString& table);

// What a view tells as it opens `table` again in the design another user gave it.
QString reopenedForDesignText(const QString& table);

} // namespace cedb
