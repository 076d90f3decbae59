// Statements and procedures. Blocks end at the words that close them; the statement that opened the block
// checks that the right one came.
#include "platform/vbscript/Parser.h"

#include "platform/vbscript/Errors.h"
#include "platform/vbscript/ParserCore.h"

#include <QSet>

namespace vbscript {

namespace parser {

namespace {

bool closesBlock(const Token& token)
{
    static const QSet<QString> words = {"end", "else", "elseif", "case", "loop", "next", "wend"};
    return token.kind == TokenKind::Name && words.contains(token.text);
}

bool isStatementSeparator(const Token& token)
{
    return token.kind == TokenKind::LineEnd || token.kind == TokenKind::Colon;
}

} // namespace

Program Parser::program()
{
    Program result;
    while (isStatementSeparator(peek()))
        next();
    if (acceptName("option")) {
        expectName("explicit", error::ExpectedIdentifier);
        endOfStatement();
        m_optionExplicit = true;
    }
    for (;;) {
        while (isStatementSeparator(peek()))
            next();
        const Token& token = peek();
        if (token.kind == TokenKind::End)
            break;
        if (token.isName("option"))
            fail(error::ExpectedStatement);
        if (closesBlock(token))
            fail(token.isName("next") ? std::int32_t(1055) : token.isName("loop") ? 1038 : error::ExpectedStatement);
        if ((token.isName("public") || token.isName("private")) && (peek(1).isName("sub") || peek(1).isName("function")))
            next();
        const bool isSub = peek().isName("sub");
        if (isSub || peek().isName("function")) {
            next();
            auto procedure = this->procedure(!isSub);
            for (const auto& other : result.procedures)
                if (other->name == procedure->name)
                    throw CompileError{error::NameRedefined, procedure->line, 0};
            result.procedures.push_back(std::move(procedure));
            continue;
        }
        result.body.push_back(statement(Context::Global));
    }
    result.optionExplicit = m_optionExplicit;
    return result;
}

std::unique_ptr<Procedure> Parser::procedure(bool isFunction)
{
    auto result = std::make_unique<Procedure>();
    const Token& name = peek();
    result->line = name.line;
    result->isFunction = isFunction;
    result->name = plainName()->name;
    result->spelling = name.spelling;
    if (acceptSymbol("(") && !acceptSymbol(")")) {
        for (;;) {
            Parameter parameter;
            if (acceptName("byval"))
                parameter.byRef = false;
            else
                acceptName("byref");
            parameter.name = plainName()->name;
            if (acceptSymbol("("))
                expectSymbol(")", error::ExpectedCloseParen);
            result->parameters.push_back(parameter);
            if (acceptSymbol(")"))
                break;
            expectSymbol(",", error::ExpectedCloseParen);
        }
    }
    endOfStatement();
    m_exits.push_back(isFunction ? ExitStmt::Function : ExitStmt::Sub);
    result->body = block(Context::Procedure);
    m_exits.pop_back();
    expectName("end", error::ExpectedEnd);
    expectName(isFunction ? "function" : "sub", isFunction ? error::ExpectedFunction : error::ExpectedSub);
    endOfStatement();
    return result;
}

Block Parser::block(Context context)
{
    Block body;
    for (;;) {
        while (isStatementSeparator(peek()))
            next();
        if (peek().kind == TokenKind::End || closesBlock(peek()))
            return body;
        body.push_back(statement(context));
    }
}

// One statement of a block, including its end: the line end or colon after it is left to the block.
StmtPtr Parser::statement(Context context)
{
    Nesting nesting(m_nesting);
    deeper(nesting);
    const Token& token = peek();
    if (token.isName("sub") || token.isName("function") || token.isName("option"))
        fail(error::ExpectedStatement);
    if (token.isName("if"))
        return ifStatement(context);
    if (token.isName("select"))
        return selectStatement(context);
    if (token.isName("for"))
        return forStatement(context);
    if (token.isName("do"))
        return doStatement(context);
    if (token.isName("while"))
        return whileStatement(context);
    StmtPtr result = simpleStatement();
    endOfStatement();
    return result;
}

// A statement that fits on one line (those a single-line If may hold).
StmtPtr Parser::simpleStatement()
{
    // A single-line If holds statements without passing through statement().
    Nesting nesting(m_nesting);
    deeper(nesting);
    const Token& token = peek();
    if (acceptName("public") || acceptName("private")) {
        if (acceptName("const"))
            return declaration(true);
        return declaration(false);
    }
    if (acceptName("dim"))
        return declaration(false);
    if (acceptName("const"))
        return declaration(true);
    if (acceptName("redim"))
        return reDim();
    if (acceptName("erase"))
        return erase();
    if (acceptName("exit"))
        return exitStatement();
    if (acceptName("on"))
        return onError();
    if (acceptName("set"))
        return setStatement();
    if (acceptName("call"))
        return callStatement();
    if (token.isName("if"))
        return ifStatement(Context::Procedure);
    if (token.kind == TokenKind::Name && !parser::isReserved(token.text))
        return assignmentOrCall();
    fail(token.kind == TokenKind::Name && (token.text == "class" || token.text == "with") ? error::SyntaxError
                                                                                           : error::ExpectedStatement);
}

StmtPtr Parser::declaration(bool isConst)
{
    auto node = at(std::make_unique<DeclarationStmt>(), peek());
    node->isConst = isConst;
    do {
        DeclarationStmt::Variable variable;
        variable.line = peek().line;
        variable.column = peek().column;
        variable.name = plainName()->name;
        if (isConst) {
            expectSymbol("=", error::ExpectedEquals);
            variable.constant = expression();
        } else if (acceptSymbol("(")) {
            variable.isArray = true;
            if (!acceptSymbol(")")) {
                do
                    variable.bounds.push_back(expression());
                while (acceptSymbol(","));
                expectSymbol(")", error::ExpectedCloseParen);
            }
        }
        node->variables.push_back(std::move(variable));
    } while (acceptSymbol(","));
    return node;
}

StmtPtr Parser::reDim()
{
    auto node = at(std::make_unique<ReDimStmt>(), peek());
    node->preserve = acceptName("preserve");
    do {
        ReDimStmt::Item item;
        item.name = plainName();
        expectSymbol("(", error::ExpectedOpenParen);
        do
            item.bounds.push_back(expression());
        while (acceptSymbol(","));
        expectSymbol(")", error::ExpectedCloseParen);
        node->items.push_back(std::move(item));
    } while (acceptSymbol(","));
    return node;
}

StmtPtr Parser::erase()
{
    auto node = at(std::make_unique<EraseStmt>(), peek());
    node->name = plainName();
    return node;
}

StmtPtr Parser::exitStatement()
{
    auto node = at(std::make_unique<ExitStmt>(), peek());
    const Token& what = peek();
    if (acceptName("for"))
        node->what = ExitStmt::For;
    else if (acceptName("do"))
        node->what = ExitStmt::Do;
    else if (acceptName("sub"))
        node->what = ExitStmt::Sub;
    else if (acceptName("function"))
        node->what = ExitStmt::Function;
    else
        fail(error::InvalidExit);
    if (std::find(m_exits.begin(), m_exits.end(), node->what) == m_exits.end())
        throw CompileError{error::InvalidExit, what.line, what.column};
    return node;
}

StmtPtr Parser::onError()
{
    auto node = at(std::make_unique<OnErrorStmt>(), peek());
    expectName("error", error::SyntaxError);
    if (acceptName("resume")) {
        expectName("next", error::SyntaxError);
        node->resumeNext = true;
    } else {
        expectName("goto", error::SyntaxError);
        const Token& zero = peek();
        if (zero.kind != TokenKind::Value || !zero.value.isNumeric() || zero.value.toDouble() != 0)
            fail(error::SyntaxError);
        next();
    }
    return node;
}

StmtPtr Parser::setStatement()
{
    auto node = at(std::make_unique<AssignStmt>(StmtKind::Set), peek());
    node->target = reference();
    expectSymbol("=", error::ExpectedEquals);
    node->value = expression();
    return node;
}

StmtPtr Parser::callStatement()
{
    auto node = at(std::make_unique<CallStmt>(), peek());
    node->call = reference();
    return node;
}

// "x = 1", "a(2) = 3", "obj.p = 4", or a call without Call: "f", "f x, y", "f(x)", "f (x) + 1, y".
StmtPtr Parser::assignmentOrCall()
{
    const Token& start = peek();
    std::size_t lastOpen = 0;
    ExprPtr target = reference(&lastOpen);
    if (acceptSymbol("=")) {
        auto node = at(std::make_unique<AssignStmt>(StmtKind::Assign), start);
        node->target = std::move(target);
        node->value = expression();
        return node;
    }
    auto node = at(std::make_unique<CallStmt>(), start);
    if (peek().endsStatement() || peek().isName("else")) {
        if (target->kind == ExprKind::Call) {
            auto& call = static_cast<CallExpr&>(*target);
            if (call.args.size() > 1)
                throw CompileError{error::ParenthesesOnSubCall, start.line, start.column};
            // f(x) as a statement hands over the value of (x), never the variable itself.
            if (call.args.size() == 1 && call.args[0]->kind != ExprKind::Missing) {
                auto paren = std::make_unique<ParenExpr>();
                paren->line = call.args[0]->line;
                paren->column = call.args[0]->column;
                paren->inner = std::move(call.args[0]);
                call.args[0] = std::move(paren);
            }
        }
        node->call = std::move(target);
        return node;
    }
    // The arguments follow without parentheses; a "(" that seemed to open an argument list opens the
    // first argument instead.
    auto call = at(std::make_unique<CallExpr>(), start);
    if (lastOpen != std::size_t(-1)) {
        m_pos = lastOpen;
        call->target = std::move(static_cast<CallExpr&>(*target).target);
    } else {
        call->target = std::move(target);
    }
    call->args = argumentsUntilStatementEnd();
    node->call = std::move(call);
    return node;
}

void Parser::endOfStatement()
{
    if (!peek().endsStatement())
        fail(error::ExpectedEndOfStatement);
}

void Parser::expectEnd(const char* word, std::int32_t number)
{
    expectName("end", number);
    expectName(word, number);
}

} // namespace parser

Program parseProgram(const QString& text)
{
    return parser::Parser(tokenize(text)).program();
}

} // namespace vbscript
