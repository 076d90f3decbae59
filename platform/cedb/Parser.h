#pragma once
// Reads one statement of the engine's dialect into its tree. Keywords and names are case-insensitive;
// blanks may stand anywhere between tokens; one trailing ";" is allowed.
#include "platform/cedb/Ast.h"

#include <optional>

namespace cedb {

// Nullopt when the text is not a statement of the dialect.
std::optional<Statement> parseStatement(const QString& sql);

} // namespace cedb
