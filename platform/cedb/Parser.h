#pragma once
// Reads one statement of the engine's dialect into its tree. Keywords and names are case-insensitive;
// blanks may stand anywhere between tokens; one trailing ";" is allowed.
#include "platform/cedb/Ast.h"
#include "platform/cedb/Tokenizer.h"

#include <optional>

namespace cedb {

// Where a number or quoted text read as a value came from: its token, whether a "-" stood before it, and
// the INSERT value it became.
struct LiteralPlace {
    static constexpr size_t inCondition = size_t(-1); // a value inside a condition, not an INSERT value
    size_t token = 0;
    bool negative = false;
    size_t value = inCondition;
};

// Nullopt when the tokens are not a statement of the dialect. `literals` gets every literal read.
std::optional<Statement> parseTokens(const std::vector<Token>& tokens, std::vector<LiteralPlace>& literals);

// What the digits of a number token stand for: an Integer when the whole number fits one, else a Double;
// nullopt for a number no Double holds.
std::optional<Variant> numberValue(QStringView digits, bool negative);

} // namespace cedb
