#pragma once
// Programs send one statement over and over with other values in it: INSERT INTO T VALUES(1, 'a'), then
// (2, 'b'), and so on. A statement read once is kept by its shape, its words, names and signs without its
// numbers and quoted texts; the next of that shape is the kept statement with the values of its own text,
// each read as the parser reads it.
#include "platform/cedb/Ast.h"

#include <optional>

namespace cedb {

// Nullopt when the text is not a statement of the dialect.
std::optional<Statement> parseStatement(const QString& sql);

} // namespace cedb
