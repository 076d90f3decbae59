#include "platform/cedb/StatementShapes.h"

#include "platform/cedb/Parser.h"

#include <QHash>

#include <algorithm>
#include <unordered_set>

namespace cedb {

namespace {

struct Shape {
    Statement statement;
    std::vector<LiteralPlace> values;
    // The numbers and quoted texts that are not values (a name in quotes, a text's length) must read alike.
    std::vector<std::pair<size_t, QString>> fixed;
};

// Enough for the statements a program repeats; a program that never repeats one starts the set again.
constexpr qsizetype kShapesKept = 128;
// A longer statement is read each time: keeping it would cost more memory than reading it costs time.
constexpr qsizetype kLongestKept = 4096;

bool isLiteralKind(Token::Kind kind)
{
    return kind == Token::Number || kind == Token::SingleQuoted || kind == Token::DoubleQuoted;
}

// Each token's kind and, but for numbers and quoted texts, its length and text: no two token sequences
// share a key unless they differ only in those.
void shapeKey(const std::vector<Token>& tokens, QString& key)
{
    qsizetype size = 0;
    for (const Token& token : tokens)
        size += isLiteralKind(token.kind) ? 1 : 3 + token.view.size();
    // Written in place: the key's storage is kept from one statement to the next.
    key.resize(size);
    char16_t* out = reinterpret_cast<char16_t*>(key.data());
    for (const Token& token : tokens) {
        *out++ = char16_t(u'A' + token.kind);
        if (isLiteralKind(token.kind))
            continue;
        const auto length = quint32(token.view.size());
        *out++ = char16_t(length & 0xffff);
        *out++ = char16_t(length >> 16);
        out = std::copy(token.view.utf16(), token.view.utf16() + length, out);
    }
}

// Whether shapeKey would write `key` for `tokens`, told without writing it: a program mostly sends the
// shape it sent last.
bool hasKey(const std::vector<Token>& tokens, const QString& key)
{
    const char16_t* at = reinterpret_cast<const char16_t*>(key.utf16());
    const char16_t* const end = at + key.size();
    for (const Token& token : tokens) {
        if (at == end || *at++ != char16_t(u'A' + token.kind))
            return false;
        if (isLiteralKind(token.kind))
            continue;
        const auto length = quint32(token.view.size());
        if (end - at < 2 + qsizetype(length) || at[0] != char16_t(length & 0xffff) || at[1] != char16_t(length >> 16))
            return false;
        at += 2;
        if (!std::equal(at, at + length, token.view.utf16()))
            return false;
        at += length;
    }
    return at == end;
}

// The kept statement with the values of `tokens`; nullopt when one of them is not what the parser takes.
std::optional<Statement> reuse(const Shape& shape, const std::vector<Token>& tokens)
{
    for (const auto& [index, text] : shape.fixed)
        if (tokens[index].text() != text)
            return std::nullopt;
    // Only an INSERT has values of its own; any other statement of the shape is the kept one.
    const auto* kept = std::get_if<Insert>(&shape.statement);
    if (!kept)
        return shape.statement;
    Insert insert{kept->table, kept->columns, {}};
    insert.values.reserve(kept->values.size());
    // The places are in the order of the values they became; the other values are the kept ones.
    auto place = shape.values.begin();
    for (size_t i = 0; i < kept->values.size(); ++i) {
        if (place == shape.values.end() || place->value != i) {
            insert.values.push_back(kept->values[i]);
            continue;
        }
        const Token& token = tokens[place->token];
        if (token.kind != Token::Number) {
            insert.values.emplace_back(token.text().toString());
        } else {
            std::optional<Variant> number = numberValue(token.text(), place->negative);
            if (!number)
                return std::nullopt;
            insert.values.push_back(std::move(*number));
        }
        ++place;
    }
    return Statement(std::move(insert));
}

// A shape for the statement, when every number and quoted text it read became an INSERT value.
std::optional<Shape> shapeOf(const Statement& statement, const std::vector<Token>& tokens,
                             const std::vector<LiteralPlace>& literals)
{
    Shape shape{statement, literals, {}};
    std::unordered_set<size_t> values;
    for (const LiteralPlace& place : literals) {
        if (place.value == LiteralPlace::inCondition)
            return std::nullopt;
        values.insert(place.token);
    }
    for (size_t i = 0; i < tokens.size(); ++i)
        if (isLiteralKind(tokens[i].kind) && !values.count(i))
            shape.fixed.emplace_back(i, tokens[i].text().toString());
    return shape;
}

} // namespace

std::optional<Statement> parseStatement(const QString& sql)
{
    // Each thread keeps its own: a call refused for coming from the wrong thread is read first.
    thread_local std::vector<Token> tokens;
    if (!tokenize(sql, tokens))
        return std::nullopt;
    thread_local QHash<QString, Shape> shapes;
    // The shape read last and its key; null whenever the set changes, which may move its entries.
    thread_local const Shape* last = nullptr;
    thread_local QString lastKey;
    if (last && hasKey(tokens, lastKey))
        if (std::optional<Statement> statement = reuse(*last, tokens))
            return statement;
    thread_local QString key;
    shapeKey(tokens, key);
    const auto kept = shapes.constFind(key);
    if (kept != shapes.cend()) {
        last = &*kept;
        lastKey = kept.key();
        if (std::optional<Statement> statement = reuse(*kept, tokens))
            return statement;
    }
    thread_local std::vector<LiteralPlace> literals;
    std::optional<Statement> statement = parseTokens(tokens, literals);
    if (!statement || sql.size() > kLongestKept)
        return statement;
    if (std::optional<Shape> shape = shapeOf(*statement, tokens, literals)) {
        if (shapes.size() >= kShapesKept)
            shapes.clear();
        const auto added = shapes.insert(key, std::move(*shape));
        last = &*added;
        lastKey = added.key();
    }
    return statement;
}

} // namespace cedb
