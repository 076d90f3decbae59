#pragma once
// The parser's state shared by its statement and expression halves.
#include "platform/vbscript/Ast.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Lexer.h"
#include "platform/vbscript/StackFloor.h"
#include "platform/NestingCount.h"

#include <initializer_list>

namespace vbscript::parser {

// Words that never name a variable.
bool isReserved(const QString& lowerName);

// How deep expressions, operator chains and blocks may nest. Every later pass over the tree (names, the run,
// freeing it) recurses as deep as the tree, so a deeper text is refused here instead of overflowing the stack.
constexpr int kMaxNesting = 1000;

// Each level of nesting costs the reader a dozen frames, so a thread with a small stack, or frames made
// larger by instrumentation, runs out before kMaxNesting; the reader also stops while this much is left.
constexpr std::size_t kStackReserve = 256 * 1024;

class Parser {
public:
    Parser(std::vector<Token> tokens, int withDepth) : m_tokens(std::move(tokens)), m_withDepth(withDepth) {}

    Program program();
    Program expressionOnly();

    // Expressions (ParserExpressions.cpp).
    ExprPtr expression();
    // A name (or a name in parentheses) followed by calls, indexes and members; `lastOpen` gets the token
    // index of the "(" of the last argument list when the chain ends with one, else -1.
    ExprPtr reference(std::size_t* lastOpen = nullptr);
    std::vector<ExprPtr> argumentsUntilStatementEnd();
    std::unique_ptr<NameExpr> plainName();

private:
    // Statements (Parser.cpp).
    enum class Context { Global, Procedure };
    Block block(Context context);
    bool definition(Context context);
    StmtPtr statement(Context context);
    StmtPtr simpleStatement();
    void singleLineStatements(Block& into);
    enum class Form { Sub, Function, PropertyGet, PropertyLet, PropertySet };
    std::unique_ptr<Procedure> procedure(Form form);
    // Classes (ParserClasses.cpp).
    std::unique_ptr<ClassDef> classDefinition();
    void classMember(ClassDef& definition);
    ClassMember& memberNamed(ClassDef& definition, const Token& name, bool isPublic);
    StmtPtr declaration(bool isConst);
    StmtPtr reDim();
    StmtPtr erase();
    StmtPtr ifStatement(Context context);
    StmtPtr selectStatement(Context context);
    StmtPtr forStatement(Context context);
    StmtPtr doStatement(Context context);
    StmtPtr whileStatement(Context context);
    StmtPtr withStatement(Context context);
    StmtPtr exitStatement();
    StmtPtr onError();
    StmtPtr assignmentOrCall();
    StmtPtr setStatement();
    StmtPtr callStatement();
    void endOfStatement();
    bool atStatementEnd() const;
    bool atProcedureEnd() const;
    bool atClassEnd() const;
    void expectEnd(const char* word, std::int32_t number);
    bool atBlockEnd() const;

    // Expression levels (ParserExpressions.cpp).
    ExprPtr binaryLevel(int level);
    ExprPtr notLevel();
    ExprPtr comparison();
    ExprPtr power();
    ExprPtr signedOperand();
    ExprPtr postfix(ExprPtr primary, std::size_t* lastOpen);
    ExprPtr primary();
    ExprPtr withMember();
    std::vector<ExprPtr> argumentList();

public:
    const Token& peek(std::size_t ahead = 0) const { return m_tokens[std::min(m_pos + ahead, m_tokens.size() - 1)]; }
    const Token& next() { return m_tokens[std::min(m_pos++, m_tokens.size() - 1)]; }
    bool accept(TokenKind kind, const char* text);
    bool acceptName(const char* text) { return accept(TokenKind::Name, text); }
    bool acceptSymbol(const char* text) { return accept(TokenKind::Symbol, text); }
    void expectName(const char* text, std::int32_t number);
    void expectSymbol(const char* text, std::int32_t number);
    [[noreturn]] void fail(std::int32_t number) const;
    template <typename Node> std::unique_ptr<Node> at(std::unique_ptr<Node> node, const Token& token)
    {
        node->line = token.line;
        node->column = token.column;
        return node;
    }

    // Goes one level deeper for as long as `hold` lives; past kMaxNesting, or near the end of the stack,
    // the text is refused.
    void deeper(platform::NestingCount::Hold& hold) const
    {
        if (!hold.deeper() || belowStackFloor(m_stackFloor))
            fail(error::OutOfStackSpace);
    }
    using Nesting = platform::NestingCount::Hold;

private:
    std::vector<Token> m_tokens;
    std::size_t m_pos = 0;
    platform::NestingCount m_nesting{kMaxNesting};
    const char* m_stackFloor = stackFloor(kStackReserve);
    std::vector<ExitStmt::What> m_exits;   // what an Exit may leave here, innermost last
    std::vector<std::unique_ptr<Procedure>> m_procedures;
    std::vector<std::unique_ptr<ClassDef>> m_classes;
    const char* m_procedureEnd = nullptr;   // "sub" or "function" while in a procedure's body
    bool m_inClass = false;                 // reading the members of a class
    int m_withDepth = 0;                      // With blocks around the statement being read
    bool m_optionExplicit = false;
};

} // namespace vbscript::parser
