// Expressions, from the loosest operator (Imp) to the tightest (^), then calls, members and values.
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/ParserCore.h"

#include <QSet>

namespace vbscript::parser {

bool isReserved(const QString& lowerName)
{
    static const QSet<QString> words = {
        "and", "byref", "byval", "call", "case", "class", "const", "dim", "do", "each", "else", "elseif",
        "empty", "end", "eqv", "erase", "exit", "false", "for", "function", "get", "goto", "if", "imp", "in",
        "is", "let", "loop", "mod", "new", "next", "not", "nothing", "null", "on", "option", "or", "preserve",
        "private", "public", "redim", "resume", "select", "set", "sub", "then", "to", "true", "until", "wend",
        "while", "with", "xor"};
    return words.contains(lowerName);
}

namespace {

struct Level {
    const char* word;
    BinaryOp op;
};

// The binary operators from loosest to tightest, above the Not level and below it.
constexpr Level logicalLevels[] = {{"imp", BinaryOp::Imp}, {"eqv", BinaryOp::Eqv}, {"xor", BinaryOp::Xor},
                                   {"or", BinaryOp::Or}, {"and", BinaryOp::And}};
constexpr int logicalCount = 5;

struct ArithmeticLevel {
    const char* first;
    BinaryOp firstOp;
    const char* second;
    BinaryOp secondOp;
    TokenKind kind;
};

constexpr ArithmeticLevel arithmeticLevels[] = {
    {"&", BinaryOp::Concat, nullptr, BinaryOp::Concat, TokenKind::Symbol},
    {"+", BinaryOp::Add, "-", BinaryOp::Sub, TokenKind::Symbol},
    {"mod", BinaryOp::Mod, nullptr, BinaryOp::Mod, TokenKind::Name},
    {"\\", BinaryOp::IntDiv, nullptr, BinaryOp::IntDiv, TokenKind::Symbol},
    {"*", BinaryOp::Mul, "/", BinaryOp::Div, TokenKind::Symbol},
};
constexpr int arithmeticCount = 5;

bool isLiteral(const Expr& expr)
{
    if (expr.kind == ExprKind::Literal)
        return true;
    return expr.kind == ExprKind::Negate && static_cast<const UnaryExpr&>(expr).operand->kind == ExprKind::Literal;
}

// A name in parentheses, "(f)" or "((a))", is the name itself where calls and members follow it.
ExprPtr nameInParentheses(ExprPtr expr)
{
    ExprPtr* inner = &expr;
    while ((*inner)->kind == ExprKind::Paren)
        inner = &static_cast<ParenExpr&>(**inner).inner;
    if ((*inner)->kind != ExprKind::Name)
        return expr;
    ExprPtr name = std::move(*inner);
    return name;
}

ExprPtr makeBinary(BinaryOp op, ExprPtr left, ExprPtr right)
{
    auto node = std::make_unique<BinaryExpr>();
    node->line = left->line;
    node->column = left->column;
    node->op = op;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
}

} // namespace

ExprPtr Parser::expression()
{
    Nesting nesting(m_nesting);
    deeper(nesting);
    return binaryLevel(0);
}

// Levels 0 .. logicalCount - 1 are the logical operators, then Not, then comparisons; past the comparisons
// the arithmetic levels follow. Each link of a chain ("a + b + c") puts the tree one level deeper.
ExprPtr Parser::binaryLevel(int level)
{
    Nesting chain(m_nesting);
    if (level < logicalCount) {
        ExprPtr left = binaryLevel(level + 1);
        while (acceptName(logicalLevels[level].word)) {
            deeper(chain);
            left = makeBinary(logicalLevels[level].op, std::move(left), binaryLevel(level + 1));
        }
        return left;
    }
    if (level == logicalCount)
        return notLevel();
    const int arithmetic = level - logicalCount - 1;
    if (arithmetic >= arithmeticCount)
        return power();
    const ArithmeticLevel& ops = arithmeticLevels[arithmetic];
    ExprPtr left = binaryLevel(level + 1);
    for (;;) {
        BinaryOp op;
        if (accept(ops.kind, ops.first))
            op = ops.firstOp;
        else if (ops.second && accept(ops.kind, ops.second))
            op = ops.secondOp;
        else
            return left;
        deeper(chain);
        left = makeBinary(op, std::move(left), binaryLevel(level + 1));
    }
}

ExprPtr Parser::notLevel()
{
    const Token& token = peek();
    if (acceptName("not")) {
        Nesting nesting(m_nesting);
        deeper(nesting);
        auto node = at(std::make_unique<UnaryExpr>(ExprKind::Not), token);
        node->operand = notLevel();
        return node;
    }
    return comparison();
}

ExprPtr Parser::comparison()
{
    static const std::pair<const char*, BinaryOp> symbols[] = {{"=", BinaryOp::Eq}, {"<>", BinaryOp::Ne},
                                                               {"<", BinaryOp::Lt},  {">", BinaryOp::Gt},
                                                               {"<=", BinaryOp::Le}, {">=", BinaryOp::Ge}};
    const int concatLevel = logicalCount + 1;
    Nesting chain(m_nesting);
    ExprPtr left = binaryLevel(concatLevel);
    for (;;) {
        bool identity = false;
        BinaryOp op = BinaryOp::Eq;
        bool found = false;
        if (acceptName("is")) {
            identity = found = true;
        } else {
            for (const auto& [text, symbolOp] : symbols) {
                if (acceptSymbol(text)) {
                    op = symbolOp;
                    found = true;
                    break;
                }
            }
        }
        if (!found)
            return left;
        deeper(chain);
        ExprPtr right = binaryLevel(concatLevel);
        const LiteralSide literal = isLiteral(*left) ? LiteralSide::Left
                                    : isLiteral(*right) ? LiteralSide::Right
                                                        : LiteralSide::None;
        left = makeBinary(op, std::move(left), std::move(right));
        auto& binary = static_cast<BinaryExpr&>(*left);
        binary.isIdentity = identity;
        binary.literal = literal;
    }
}

// A sign binds tighter than ^ on either side: -3 ^ 2 is 9, 2 ^ -1 is 0.5.
ExprPtr Parser::power()
{
    Nesting chain(m_nesting);
    ExprPtr left = signedOperand();
    while (acceptSymbol("^")) {
        deeper(chain);
        left = makeBinary(BinaryOp::Pow, std::move(left), signedOperand());
    }
    return left;
}

ExprPtr Parser::signedOperand()
{
    const Token& token = peek();
    Nesting signs(m_nesting);
    if (acceptSymbol("-")) {
        deeper(signs);
        auto node = at(std::make_unique<UnaryExpr>(ExprKind::Negate), token);
        node->operand = signedOperand();
        return node;
    }
    if (acceptSymbol("+")) {
        deeper(signs);
        return signedOperand();
    }
    return postfix(primary(), nullptr);
}

ExprPtr Parser::primary()
{
    const Token& token = peek();
    if (token.kind == TokenKind::Value) {
        next();
        auto node = at(std::make_unique<LiteralExpr>(), token);
        node->value = token.value;
        return node;
    }
    if (acceptSymbol("(")) {
        auto node = at(std::make_unique<ParenExpr>(), token);
        node->inner = expression();
        expectSymbol(")", error::ExpectedCloseParen);
        return node;
    }
    if (acceptName("new")) {
        auto node = at(std::make_unique<NewExpr>(), token);
        node->name = plainName()->name;
        return node;
    }
    if (token.kind == TokenKind::Name) {
        static const QSet<QString> values = {"true", "false", "empty", "null", "nothing"};
        if (values.contains(token.text)) {
            next();
            auto node = at(std::make_unique<LiteralExpr>(), token);
            if (token.text == QLatin1String("true") || token.text == QLatin1String("false"))
                node->value = Variant(token.text == QLatin1String("true"));
            else if (token.text == QLatin1String("null"))
                node->value = Variant::null();
            else if (token.text == QLatin1String("nothing"))
                node->value = Variant(static_cast<IDispatch*>(nullptr));
            return node;
        }
        return plainName();
    }
    if (token.isSymbol("."))
        return withMember();
    fail(error::ExpectedExpression);
}

// ".name" inside a With block: the member of the block's object.
ExprPtr Parser::withMember()
{
    const Token& point = next();
    const Token& member = peek();
    if (member.kind != TokenKind::Name)
        fail(error::ExpectedIdentifier);
    next();
    auto object = at(std::make_unique<WithObjectExpr>(), point);
    object->level = m_withDepth - 1;
    auto node = at(std::make_unique<MemberExpr>(), point);
    node->name = member.text;
    node->object = std::move(object);
    return node;
}

std::unique_ptr<NameExpr> Parser::plainName()
{
    const Token& token = peek();
    if (token.kind != TokenKind::Name || isReserved(token.text))
        fail(error::ExpectedIdentifier);
    next();
    auto node = at(std::make_unique<NameExpr>(), token);
    node->name = token.text;
    node->spelling = token.spelling;
    return node;
}

ExprPtr Parser::reference(std::size_t* lastOpen)
{
    if (peek().isSymbol("."))
        return postfix(withMember(), lastOpen);
    if (!peek().isSymbol("("))
        return postfix(plainName(), lastOpen);
    // "(New C).S": any value in parentheses may stand before a member.
    ExprPtr target = nameInParentheses(primary());
    if (target->kind != ExprKind::Name && !(peek().isSymbol(".") && !peek().spaceBefore))
        throw CompileError{error::ExpectedIdentifier, target->line, target->column};
    return postfix(std::move(target), lastOpen);
}

ExprPtr Parser::postfix(ExprPtr target, std::size_t* lastOpen)
{
    if (target->kind == ExprKind::Paren && (peek().isSymbol("(") || (peek().isSymbol(".") && !peek().spaceBefore)))
        target = nameInParentheses(std::move(target));
    const bool callable = target->kind == ExprKind::Name;
    if (lastOpen)
        *lastOpen = std::size_t(-1);
    Nesting chain(m_nesting);
    for (;;) {
        const Token& token = peek();
        if (token.isSymbol("(") || token.isSymbol("."))
            deeper(chain);
        if (token.isSymbol("(") && (callable || target->kind != ExprKind::Literal)) {
            if (target->kind == ExprKind::Paren)
                return target;
            const std::size_t open = m_pos;
            next();
            auto call = at(std::make_unique<CallExpr>(), token);
            call->line = target->line;
            call->column = target->column;
            call->args = argumentList();
            call->target = std::move(target);
            target = std::move(call);
            if (lastOpen)
                *lastOpen = open;
        } else if (token.isSymbol(".") && !token.spaceBefore && target->kind != ExprKind::Literal) {
            next();
            const Token& member = peek();
            if (member.kind != TokenKind::Name)
                fail(error::ExpectedIdentifier);
            next();
            auto node = at(std::make_unique<MemberExpr>(), member);
            node->line = target->line;
            node->column = target->column;
            node->name = member.text;
            node->object = std::move(target);
            target = std::move(node);
            if (lastOpen)
                *lastOpen = std::size_t(-1);
        } else {
            return target;
        }
    }
}

// After "(": arguments up to ")", an empty place between commas standing for an omitted argument.
std::vector<ExprPtr> Parser::argumentList()
{
    std::vector<ExprPtr> args;
    if (acceptSymbol(")"))
        return args;
    for (;;) {
        const Token& token = peek();
        if (token.isSymbol(",") || token.isSymbol(")"))
            args.push_back(at(std::make_unique<MissingExpr>(), token));
        else
            args.push_back(expression());
        if (acceptSymbol(")"))
            return args;
        expectSymbol(",", error::ExpectedCloseParen);
    }
}

std::vector<ExprPtr> Parser::argumentsUntilStatementEnd()
{
    std::vector<ExprPtr> args;
    if (atStatementEnd() || peek().isName("else"))
        return args;
    for (;;) {
        const Token& token = peek();
        if (token.isSymbol(","))
            args.push_back(at(std::make_unique<MissingExpr>(), token));
        else
            args.push_back(expression());
        if (!acceptSymbol(","))
            return args;
    }
}

bool Parser::accept(TokenKind kind, const char* text)
{
    if (!peek().is(kind, text))
        return false;
    next();
    return true;
}

void Parser::expectName(const char* text, std::int32_t number)
{
    if (!acceptName(text))
        fail(number);
}

void Parser::expectSymbol(const char* text, std::int32_t number)
{
    if (!acceptSymbol(text))
        fail(number);
}

void Parser::fail(std::int32_t number) const
{
    throw CompileError{number, peek().line, peek().column};
}

} // namespace vbscript::parser
