#pragma once
// The parsed program: expressions and statements as a tree. The resolver fills in what each name
// stands for before the tree runs, so that running never looks a name up by its text.
#include "platform/automation/variant.h"
#include "platform/vbscript/Operators.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace vbscript {

struct Builtin;
struct ClassDef;
struct ClassMember;
struct Procedure;

// What a name stands for in its scope.
struct Binding {
    // Field, ClassMember and Me: a variable, a member and the instance itself, inside a class's procedure.
    enum Kind { Unresolved, Local, Global, Constant, Procedure, Builtin, Intrinsic, Object, Member, ErrObject, Undefined,
                Field, ClassMember, Me };
    // The built-ins that work on the running script itself, on its host's dialogs, or make objects.
    enum IntrinsicKind { Eval, Execute, ExecuteGlobal, GetRef, MsgBox, InputBox, CreateObject };
    Kind kind = Unresolved;
    IntrinsicKind intrinsic = Eval;
    int index = 0;                              // Local, Global, Field
    Variant* global = nullptr;                  // Global: the variable itself (globals never move)
    const vbscript::Procedure* procedure = nullptr;
    const vbscript::Builtin* builtin = nullptr;
    const vbscript::ClassMember* member = nullptr;
    IDispatch* object = nullptr;                // Object, Member (owned by the engine's named items)
    DISPID dispid = 0;                          // Member
    Variant constant;
};

enum class ExprKind { Literal, Name, Call, Member, Negate, Not, Binary, Paren, Missing, WithObject, New };

struct Expr {
    explicit Expr(ExprKind k) : kind(k) {}
    virtual ~Expr() = default;
    ExprKind kind;
    int line = 0;
    int column = 0;
};
using ExprPtr = std::unique_ptr<Expr>;

struct LiteralExpr : Expr {
    LiteralExpr() : Expr(ExprKind::Literal) {}
    Variant value;
};

struct NameExpr : Expr {
    NameExpr() : Expr(ExprKind::Name) {}
    QString name;      // lower case
    QString spelling;
    Binding binding;
};

// name(args) or object.member(args): a call, an element or a default-property access, decided when it runs.
struct CallExpr : Expr {
    CallExpr() : Expr(ExprKind::Call) {}
    ExprPtr target;    // NameExpr or MemberExpr
    std::vector<ExprPtr> args;
};

struct MemberExpr : Expr {
    MemberExpr() : Expr(ExprKind::Member) {}
    ExprPtr object;
    QString name;
    // The member's id, asked once per object; for instances of the script's classes, the member, once per class.
    mutable IDispatch* cachedObject = nullptr;
    mutable DISPID cachedId = DISPID_UNKNOWN;
    mutable const ClassDef* cachedClass = nullptr;
    mutable const ClassMember* cachedMember = nullptr;
};

struct UnaryExpr : Expr {
    explicit UnaryExpr(ExprKind k) : Expr(k) {}
    ExprPtr operand;
};

struct BinaryExpr : Expr {
    BinaryExpr() : Expr(ExprKind::Binary) {}
    BinaryOp op = BinaryOp::Add;
    bool isIdentity = false;   // "Is"
    LiteralSide literal = LiteralSide::None;
    // Set by the resolver when both sides are Integer or Long literals, names, or such operands under
    // + - * \ Mod: the evaluator then tries whole-number arithmetic without making Variants.
    bool wholeOperands = false;
    // The left side is a variable and the right side may run a procedure that changes it: the left value
    // is then taken before the right side runs, as the language orders it.
    bool holdLeft = false;
    ExprPtr left;
    ExprPtr right;
};

// (expression): the value of its inside, never a reference to a variable.
struct ParenExpr : Expr {
    ParenExpr() : Expr(ExprKind::Paren) {}
    ExprPtr inner;
};

// An argument left out between commas.
struct MissingExpr : Expr {
    MissingExpr() : Expr(ExprKind::Missing) {}
};

// The object of the With block `level` (0 the outermost of the frame) that a leading point refers to; -1
// outside every With block.
struct WithObjectExpr : Expr {
    WithObjectExpr() : Expr(ExprKind::WithObject) {}
    int level = -1;
};

// New ClassName: the class is looked up when it runs, as a later text may define it.
struct NewExpr : Expr {
    NewExpr() : Expr(ExprKind::New) {}
    QString name;   // lower case
};

enum class StmtKind { Assign, Set, Call, ReDim, Erase, If, Select, For, ForEach, Do, While, With, Exit, OnError,
                      Declaration, Nothing };

struct Stmt {
    explicit Stmt(StmtKind k) : kind(k) {}
    virtual ~Stmt() = default;
    StmtKind kind;
    int line = 0;
    int column = 0;
};
using StmtPtr = std::unique_ptr<Stmt>;
using Block = std::vector<StmtPtr>;

struct AssignStmt : Stmt {
    explicit AssignStmt(StmtKind k) : Stmt(k) {}   // Assign or Set
    ExprPtr target;
    ExprPtr value;
};

struct CallStmt : Stmt {
    CallStmt() : Stmt(StmtKind::Call) {}
    ExprPtr call;      // NameExpr, MemberExpr or CallExpr
};

struct ReDimStmt : Stmt {
    ReDimStmt() : Stmt(StmtKind::ReDim) {}
    struct Item {
        std::unique_ptr<NameExpr> name;
        std::vector<ExprPtr> bounds;
    };
    bool preserve = false;
    std::vector<Item> items;
};

struct EraseStmt : Stmt {
    EraseStmt() : Stmt(StmtKind::Erase) {}
    std::unique_ptr<NameExpr> name;
};

struct IfStmt : Stmt {
    IfStmt() : Stmt(StmtKind::If) {}
    struct Branch {
        ExprPtr condition;
        Block body;
    };
    std::vector<Branch> branches;
    Block otherwise;
};

struct SelectStmt : Stmt {
    SelectStmt() : Stmt(StmtKind::Select) {}
    struct Test {
        enum Kind { Equal, Range, Is };
        Kind kind = Equal;
        BinaryOp op = BinaryOp::Eq;    // Is
        ExprPtr value;                 // Equal, Is; the lower end of a Range
        ExprPtr upper;                 // Range
    };
    struct Case {
        std::vector<Test> tests;
        Block body;
        int line = 0;
    };
    ExprPtr subject;
    std::vector<Case> cases;
    bool hasElse = false;
    Block otherwise;
};

struct ForStmt : Stmt {
    ForStmt() : Stmt(StmtKind::For) {}
    std::unique_ptr<NameExpr> counter;
    ExprPtr from, to, step;
    Block body;
};

struct ForEachStmt : Stmt {
    ForEachStmt() : Stmt(StmtKind::ForEach) {}
    std::unique_ptr<NameExpr> element;
    ExprPtr collection;
    Block body;
};

struct DoStmt : Stmt {
    DoStmt() : Stmt(StmtKind::Do) {}
    enum Test { None, While, Until };
    Test test = None;
    bool testAtEnd = false;
    ExprPtr condition;
    Block body;
};

struct WhileStmt : Stmt {
    WhileStmt() : Stmt(StmtKind::While) {}
    ExprPtr condition;
    Block body;
};

struct WithStmt : Stmt {
    WithStmt() : Stmt(StmtKind::With) {}
    ExprPtr object;
    Block body;
};

struct ExitStmt : Stmt {
    ExitStmt() : Stmt(StmtKind::Exit) {}
    enum What { For, Do, Sub, Function, Property };
    What what = For;
};

struct OnErrorStmt : Stmt {
    OnErrorStmt() : Stmt(StmtKind::OnError) {}
    bool resumeNext = false;
};

// Dim and Const: the resolver declares the names; a fixed array is made when its Dim runs.
struct DeclarationStmt : Stmt {
    DeclarationStmt() : Stmt(StmtKind::Declaration) {}
    struct Variable {
        std::unique_ptr<NameExpr> name;
        std::vector<ExprPtr> bounds;   // Dim a(3, 4)
        bool isArray = false;          // Dim a() or Dim a(3)
        ExprPtr constant;              // Const
        SafeArray fixed;               // the array the Dim makes, from the bounds, by the resolver
    };
    bool isConst = false;
    std::vector<Variable> variables;
};

struct Parameter {
    QString name;
    bool byRef = true;
};

struct Procedure {
    QString name;      // lower case
    QString spelling;
    bool isFunction = false;   // a Function or a Property Get: it has a result
    const ClassDef* owner = nullptr;   // the class whose method it is
    std::vector<Parameter> parameters;
    Block body;
    int line = 0;
    // Filled by the resolver: local slots (parameters first, then the function's result for a Function,
    // then the declared and implicit locals) and the slots of fixed arrays.
    int localCount = 0;
    int resultSlot = -1;
    std::vector<int> fixedSlots;
    // The names of the locals and constants, for text that Execute and Eval run inside a call.
    QHash<QString, int> localNames;
    QHash<QString, Variant> localConstants;
};

// A member of a class: a variable, a Sub or Function, or a property with its Get, Let and Set.
struct ClassMember {
    QString name;   // lower case
    bool isPublic = true;
    DISPID id = DISPID_UNKNOWN;
    int field = -1;                      // a variable: its slot in each instance
    const Procedure* method = nullptr;   // Sub or Function
    const Procedure* get = nullptr;
    const Procedure* let = nullptr;
    const Procedure* set = nullptr;
};

struct ClassDef {
    QString name;   // lower case
    QString spelling;
    std::vector<std::unique_ptr<Procedure>> procedures;
    std::vector<ClassMember> members;    // the member with id n is members[n - 1]
    QHash<QString, int> memberIndex;
    int defaultMember = -1;
    const Procedure* initialize = nullptr;
    const Procedure* terminate = nullptr;
    // The variables as Dim declares them; the resolver makes their first values (fixed arrays sized).
    std::vector<DeclarationStmt::Variable> fieldDeclarations;
    std::vector<Variant> firstValues;
    std::vector<bool> fixedFields;

    const ClassMember* find(const QString& lowerName) const
    {
        const auto found = memberIndex.constFind(lowerName);
        return found == memberIndex.constEnd() ? nullptr : &members[std::size_t(found.value())];
    }
    // DISPID_VALUE is the default member.
    const ClassMember* byId(DISPID id) const
    {
        if (id == DISPID_VALUE)
            return defaultMember < 0 ? nullptr : &members[std::size_t(defaultMember)];
        return id >= 1 && std::size_t(id) <= members.size() ? &members[std::size_t(id) - 1] : nullptr;
    }
};

struct Program {
    std::vector<std::unique_ptr<Procedure>> procedures;
    std::vector<std::unique_ptr<ClassDef>> classes;
    Block body;
    ExprPtr expression;   // the text of Eval, which is one expression and no statements
    bool optionExplicit = false;
};

} // namespace vbscript
