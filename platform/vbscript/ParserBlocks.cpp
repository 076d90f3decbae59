// The statements that hold blocks: If, Select Case, For, For Each, Do, While, With.
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/ParserCore.h"

namespace vbscript::parser {

// "If c Then" at a line end opens a block; anything after Then makes the single-line form, whose
// statements are separated by ":" and whose Else part runs to the line end.
StmtPtr Parser::ifStatement(Context context)
{
    auto node = at(std::make_unique<IfStmt>(), next());
    IfStmt::Branch first;
    first.condition = expression();
    expectName("then", error::ExpectedThen);
    if (peek().kind != TokenKind::LineEnd && peek().kind != TokenKind::End) {
        singleLineStatements(first.body);
        node->branches.push_back(std::move(first));
        if (acceptName("else"))
            singleLineStatements(node->otherwise);
        if (peek().isName("end") && peek(1).isName("if")) {
            next();
            next();
        }
        if (peek().kind != TokenKind::LineEnd && peek().kind != TokenKind::End && !atProcedureEnd())
            fail(error::ExpectedEndOfStatement);
        return node;
    }
    first.body = block(context);
    node->branches.push_back(std::move(first));
    for (;;) {
        if (acceptName("elseif")) {
            IfStmt::Branch branch;
            branch.condition = expression();
            expectName("then", error::ExpectedThen);
            branch.body = block(context);
            node->branches.push_back(std::move(branch));
        } else if (acceptName("else")) {
            node->otherwise = block(context);
            expectEnd("if", error::ExpectedEnd);
            break;
        } else {
            expectEnd("if", error::ExpectedEnd);
            break;
        }
    }
    endOfStatement();
    return node;
}

void Parser::singleLineStatements(Block& into)
{
    for (;;) {
        while (peek().kind == TokenKind::Colon)
            next();
        if (peek().kind == TokenKind::LineEnd || peek().kind == TokenKind::End || peek().isName("else") ||
            (peek().isName("end") && peek(1).isName("if")) || atProcedureEnd())
            return;
        into.push_back(simpleStatement());
        if (!peek().endsStatement() && !peek().isName("else") && !peek().isName("end"))
            fail(error::ExpectedEndOfStatement);
    }
}

StmtPtr Parser::selectStatement(Context context)
{
    auto node = at(std::make_unique<SelectStmt>(), next());
    expectName("case", error::ExpectedCase);
    node->subject = expression();
    endOfStatement();
    while (peek().kind == TokenKind::LineEnd || peek().kind == TokenKind::Colon)
        next();
    while (peek().isName("case")) {
        const Token& caseToken = next();
        if (acceptName("else")) {
            node->hasElse = true;
            node->otherwise = block(context);
            break;
        }
        SelectStmt::Case branch;
        branch.line = caseToken.line;
        do {
            SelectStmt::Test test;
            if (acceptName("is")) {
                static const std::pair<const char*, BinaryOp> symbols[] = {
                    {"=", BinaryOp::Eq}, {"<>", BinaryOp::Ne}, {"<", BinaryOp::Lt},
                    {">", BinaryOp::Gt}, {"<=", BinaryOp::Le}, {">=", BinaryOp::Ge}};
                test.kind = SelectStmt::Test::Is;
                bool found = false;
                for (const auto& [text, op] : symbols) {
                    if (acceptSymbol(text)) {
                        test.op = op;
                        found = true;
                        break;
                    }
                }
                if (!found)
                    fail(error::SyntaxError);
                test.value = expression();
            } else {
                test.value = expression();
                if (acceptName("to")) {
                    test.kind = SelectStmt::Test::Range;
                    test.upper = expression();
                }
            }
            branch.tests.push_back(std::move(test));
        } while (acceptSymbol(","));
        branch.body = block(context);
        node->cases.push_back(std::move(branch));
    }
    expectEnd("select", error::ExpectedEnd);
    endOfStatement();
    return node;
}

StmtPtr Parser::forStatement(Context context)
{
    const Token& start = next();
    if (acceptName("each")) {
        auto node = at(std::make_unique<ForEachStmt>(), start);
        node->element = plainName();
        expectName("in", error::ExpectedIn);
        node->collection = expression();
        endOfStatement();
        m_exits.push_back(ExitStmt::For);
        node->body = block(context);
        m_exits.pop_back();
        expectName("next", error::ExpectedNext);
        if (peek().kind == TokenKind::Name)
            plainName();
        endOfStatement();
        return node;
    }
    auto node = at(std::make_unique<ForStmt>(), start);
    node->counter = plainName();
    expectSymbol("=", error::ExpectedEquals);
    node->from = expression();
    expectName("to", error::ExpectedTo);
    node->to = expression();
    if (acceptName("step"))
        node->step = expression();
    endOfStatement();
    m_exits.push_back(ExitStmt::For);
    node->body = block(context);
    m_exits.pop_back();
    expectName("next", error::ExpectedNext);
    if (peek().kind == TokenKind::Name)
        plainName();
    endOfStatement();
    return node;
}

StmtPtr Parser::doStatement(Context context)
{
    auto node = at(std::make_unique<DoStmt>(), next());
    auto readTest = [&] {
        if (acceptName("while"))
            node->test = DoStmt::While;
        else if (acceptName("until"))
            node->test = DoStmt::Until;
        else
            return false;
        node->condition = expression();
        return true;
    };
    readTest();
    endOfStatement();
    m_exits.push_back(ExitStmt::Do);
    node->body = block(context);
    m_exits.pop_back();
    expectName("loop", error::ExpectedLoop);
    if (node->test == DoStmt::None && readTest())
        node->testAtEnd = true;
    endOfStatement();
    return node;
}

StmtPtr Parser::whileStatement(Context context)
{
    auto node = at(std::make_unique<WhileStmt>(), next());
    node->condition = expression();
    endOfStatement();
    node->body = block(context);
    expectName("wend", error::ExpectedWend);
    endOfStatement();
    return node;
}

StmtPtr Parser::withStatement(Context context)
{
    auto node = at(std::make_unique<WithStmt>(), next());
    node->object = expression();
    endOfStatement();
    ++m_withDepth;
    node->body = block(context);
    --m_withDepth;
    expectName("end", error::ExpectedEnd);
    expectName("with", error::ExpectedWith);
    endOfStatement();
    return node;
}

} // namespace vbscript::parser
