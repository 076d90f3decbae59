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

// How many argument lists follow a plain name in "name(...)(...)"; 0 for anything else.
int callChainDepth(const Expr& expr)
{
    int depth = 0;
    const Expr* link = &expr;
    for (; link->kind == ExprKind::Call; link = static_cast<const CallExpr*>(link)->target.get())
        ++depth;
    return link->kind == ExprKind::Name ? depth : 0;
}

ExprPtr plainNameOf(ExprPtr chain)
{
    ExprPtr* link = &chain;
    while ((*link)->kind == ExprKind::Call)
        link = &static_cast<CallExpr&>(**link).target;
    ExprPtr name = std::move(*link);
    return name;
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
        if (!definition(Context::Global))
            result.body.push_back(statement(Context::Global));
    }
    result.procedures = std::move(m_procedures);
    result.classes = std::move(m_classes);
    result.optionExplicit = m_optionExplicit;
    return result;
}

// Procedures and classes written anywhere in the global code (inside an If block too) are defined before the
// script runs; a later definition of the same name replaces an earlier one.
bool Parser::definition(Context context)
{
    std::size_t ahead = 0;
    if (peek().isName("public") || peek().isName("private"))
        ahead = 1;
    const bool isSub = peek(ahead).isName("sub");
    if (context != Context::Global)
        return false;
    if (peek(ahead).isName("class")) {
        m_pos += ahead + 1;
        m_classes.push_back(classDefinition());
        return true;
    }
    if (!(isSub || peek(ahead).isName("function")))
        return false;
    m_pos += ahead + 1;
    m_procedures.push_back(procedure(isSub ? Form::Sub : Form::Function));
    return true;
}

std::unique_ptr<Procedure> Parser::procedure(Form form)
{
    const bool isFunction = form == Form::Function || form == Form::PropertyGet;
    const bool isProperty = form != Form::Sub && form != Form::Function;
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
    // The body may start on the header's line and end on its last line: "Sub s() x = 1 End Sub".
    const char* const word = isProperty ? "property" : isFunction ? "function" : "sub";
    m_exits.push_back(isProperty ? ExitStmt::Property : isFunction ? ExitStmt::Function : ExitStmt::Sub);
    m_procedureEnd = word;
    result->body = block(Context::Procedure);
    m_procedureEnd = nullptr;
    m_exits.pop_back();
    expectName("end", error::ExpectedEnd);
    expectName(word, isProperty ? error::ExpectedProperty : isFunction ? error::ExpectedFunction : error::ExpectedSub);
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
        if (!definition(context))
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
    if (token.isName("with"))
        return withStatement(context);
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
    if (token.isName("stop") && (peek(1).endsStatement() || peek(1).isName("else"))) {
        // A breakpoint for a debugger; without one it does nothing.
        next();
        return at(std::make_unique<Stmt>(StmtKind::Nothing), token);
    }
    if (token.isName("if"))
        return ifStatement(Context::Procedure);
    // "(s)(a)": a name in parentheses is the name itself.
    if ((token.kind == TokenKind::Name && !parser::isReserved(token.text)) || token.isSymbol(".") || token.isSymbol("("))
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
        variable.name = plainName();
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
    else if (acceptName("property"))
        node->what = ExitStmt::Property;
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
    const std::size_t afterName = m_pos + 1;
    std::size_t lastOpen = 0;
    ExprPtr target = reference(&lastOpen);
    if (acceptSymbol("=")) {
        auto node = at(std::make_unique<AssignStmt>(StmtKind::Assign), start);
        node->target = std::move(target);
        node->value = expression();
        return node;
    }
    auto node = at(std::make_unique<CallStmt>(), start);
    if (start.kind == TokenKind::Name && callChainDepth(*target) > 1) {
        // "s (f)(a)" hands s the one argument (f)(a): the first "(" after the name opens the argument.
        auto call = at(std::make_unique<CallExpr>(), start);
        m_pos = afterName;
        call->target = plainNameOf(std::move(target));
        call->args = argumentsUntilStatementEnd();
        node->call = std::move(call);
        return node;
    }
    if (atStatementEnd() || peek().isName("else")) {
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
    if (!atStatementEnd())
        fail(error::ExpectedEndOfStatement);
}

bool Parser::atStatementEnd() const
{
    return peek().endsStatement() || atProcedureEnd() || atClassEnd();
}

// The body's last statement may share its line with the procedure's end.
bool Parser::atProcedureEnd() const
{
    return m_procedureEnd && peek().isName("end") && peek(1).isName(m_procedureEnd);
}

// A class's last member may share its line with the class's end: "Public x End Class".
bool Parser::atClassEnd() const
{
    return m_inClass && peek().isName("end") && peek(1).isName("class");
}

void Parser::expectEnd(const char* word, std::int32_t number)
{
    expectName("end", number);
    expectName(word, number);
}

Program Parser::expressionOnly()
{
    Program result;
    result.expression = expression();
    if (peek().kind == TokenKind::LineEnd)
        next();
    if (peek().kind != TokenKind::End)
        fail(error::ExpectedEndOfStatement);
    return result;
}

} // namespace parser

Program parseProgram(const QString& text, int withDepth)
{
    return parser::Parser(tokenize(text), withDepth).program();
}

Program parseExpressionText(const QString& text, int withDepth)
{
    return parser::Parser(tokenize(text), withDepth).expressionOnly();
}

std::optional<TextOutline> outlineOf(const QString& text)
{
    Program program;
    try {
        program = parseProgram(text);
    } catch (const CompileError&) {
        return std::nullopt;
    }
    TextOutline outline;
    for (const StmtPtr& statement : program.body)
        if (statement->kind != StmtKind::Declaration)
            outline.runsStatements = true;
    for (const auto& procedure : program.procedures)
        if (procedure->parameters.empty())
            outline.plainProcedures << procedure->spelling;
    return outline;
}

} // namespace vbscript
