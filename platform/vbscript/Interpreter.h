#pragma once
// Runs resolved programs: the global variables and procedures of all texts given to one engine, the named
// items, the Err object and the host's limits. Errors leave it as ScriptError; `errorLine`/`errorColumn`
// tell which statement was running.
#include "platform/vbscript/Ast.h"
#include "platform/vbscript/ErrObject.h"
#include "platform/vbscript/ScriptDialogs.h"
#include "platform/vbscript/ScriptObject.h"

#include <QHash>
#include <QSet>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>

namespace vbscript {

class ClassInstance;

struct NamedItem {
    QString name;               // lower case
    IDispatch* object = nullptr;
    bool globalMembers = false;
};

class Interpreter {
public:
    Interpreter();
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // The interpreter keeps a reference to the object until it is destroyed.
    void addNamedItem(const QString& name, IDispatch* object, bool globalMembers);
    struct Frame;
    // Gives every name of the program its meaning (see Resolver.cpp); throws CompileError for constants
    // and bounds that are not constant. `contextItem` (lower case, may be empty) lends its members to the text.
    // `frame` is the call in which Execute or Eval runs the text; null for global code.
    void resolve(Program& program, const QString& contextItem, Frame* frame = nullptr);
    void run(const Program& program);

    void setStepLimit(std::uint64_t steps)
    {
        m_stepLimit = steps;
        m_nextCheck = nextCheck();
    }
    // The host's dialogs for MsgBox and InputBox; null when it has none. The engine keeps them alive.
    void setDialogs(IScriptSiteDialogs* dialogs) { m_dialogs = dialogs; }
    void interrupt() { m_interrupted = true; }
    int errorLine() const { return m_line; }
    int errorColumn() const { return m_column; }

    enum class Flow { Normal, ExitFor, ExitDo, ExitProcedure };

    // Locals that text run by Execute made in a call; they live as long as the call.
    struct AddedLocals {
        std::deque<Variant> values;
        QHash<QString, int> names;
    };

    struct Frame {
        const Procedure* procedure = nullptr;   // null for global code
        ClassInstance* me = nullptr;            // the instance a method of a class runs on
        std::vector<Variant> own;
        std::vector<Variant*> refs;            // own values, or the caller's variables for ByRef parameters
        std::unique_ptr<AddedLocals> added;
        std::vector<Variant> withObjects;      // of the With blocks being run, outermost first
        bool resumeNext = false;
    };

    // Runs a procedure (a method of `me` when given); `lastValue` is the value a Property Let or Set assigns.
    Variant callProcedure(const Procedure& procedure, const CallArguments& args, ClassInstance* me = nullptr,
                          const Variant* lastValue = nullptr);
    std::vector<Variant> argumentValues(const CallArguments& args);

    // Instances of the script's classes (Classes.cpp).
    Variant callMember(ClassInstance& me, const ClassMember& member, WORD flags, const CallArguments& args,
                       const Variant* putValue);
    void terminate(ClassInstance& instance) noexcept;
    void forgetInstance(ClassInstance* instance);
    // Lets go of the global variables while the script can still run: the Class_Terminate of the instances
    // they hold runs now. The engine calls it when it closes.
    void releaseGlobals();
    bool hasInstances() const { return !m_instances.isEmpty(); }

private:
    friend class Resolver;

    // Statements (Executor.cpp).
    Flow execBlock(const Block& block, Frame& frame);
    Flow exec(const Stmt& stmt, Frame& frame);
    void execAssign(const AssignStmt& stmt, Frame& frame);
    Flow execIf(const IfStmt& stmt, Frame& frame);
    Flow execSelect(const SelectStmt& stmt, Frame& frame);
    Flow execFor(const ForStmt& stmt, Frame& frame);
    Flow execForEach(const ForEachStmt& stmt, Frame& frame);
    Flow execDo(const DoStmt& stmt, Frame& frame);
    Flow execWhile(const WhileStmt& stmt, Frame& frame);
    Flow execWith(const WithStmt& stmt, Frame& frame);
    void execDeclaration(const DeclarationStmt& stmt, Frame& frame);
    void execReDim(const ReDimStmt& stmt, Frame& frame);
    void execErase(const EraseStmt& stmt, Frame& frame);
    // Counts a statement; the budget and the host's stop are looked at only at the steps where they can end
    // the run (see checkSteps).
    void step()
    {
        if (++m_steps >= m_nextCheck)
            checkSteps();
    }
    void checkSteps();
    std::uint64_t nextCheck() const;
    bool condition(const Expr& expr, Frame& frame);
    void at(const Stmt& stmt)
    {
        m_line = stmt.line;
        m_column = stmt.column;
    }
    bool catchInto(const ScriptError& error, Frame& frame);

    // Expressions (Evaluator.cpp).
    Variant eval(const Expr& expr, Frame& frame);
    // The value without a copy when the expression is a variable; otherwise computed into `scratch`.
    const Variant& evalRef(const Expr& expr, Frame& frame, Variant& scratch);
    Variant evalName(const NameExpr& name, Frame& frame);
    Variant evalUnary(const UnaryExpr& expr, Frame& frame);
    Variant evalBinary(const BinaryExpr& expr, Frame& frame);
    [[gnu::noinline]] Variant evalOperands(const BinaryExpr& expr, Frame& frame);
    Variant combine(const BinaryExpr& expr, const Variant& left, const Variant& right);
    Variant arithmetic(BinaryOp op, const Variant& left, const Variant& right);
    Variant* variable(const NameExpr& name, Frame& frame);
    bool isFixedArray(const NameExpr& name, const Frame& frame) const;

    // Calls and stores (Calls.cpp).
    Variant evalCall(const CallExpr& call, Frame& frame, bool asStatement);
    Variant evalMember(const MemberExpr& member, Frame& frame, WORD flags);
    Variant callThrough(const MemberExpr& member, const std::vector<ExprPtr>& args, Frame& frame, WORD flags);
    Variant callNamed(const CallExpr& call, Frame& frame, WORD flags);
    // An object this interpreter made, whose members take the caller's variables by reference; null for others.
    ScriptObject* ownObject(IDispatch* object) const;
    ClassInstance* ownInstance(IDispatch* object) const;
    Variant callOwn(ClassInstance& instance, const MemberExpr& member, WORD flags, const CallArguments& args,
                    const Variant* putValue);
    Frame& enterCall(const Procedure& procedure, std::size_t argumentCount, ClassInstance* me);
    void leaveCall(Frame& frame) noexcept;
    Variant runFrame(Frame& frame);
    Variant callBuiltin(const Builtin& builtin, const std::vector<ExprPtr>& args, Frame& frame);
    Variant newInstance(const NewExpr& expr);
    void freeInstanceCycles();
    // Eval, Execute, ExecuteGlobal and GetRef (Dynamic.cpp).
    Variant callIntrinsic(Binding::IntrinsicKind kind, const std::vector<ExprPtr>& args, Frame& frame);
    Variant runText(Binding::IntrinsicKind kind, const QString& text, Frame& frame);
    Variant createObject(const std::vector<ExprPtr>& args, Frame& frame);
    // MsgBox and InputBox (ScriptDialogs.cpp).
    Variant callDialog(Binding::IntrinsicKind kind, const std::vector<ExprPtr>& args, Frame& frame);
    std::vector<Variant> evalArgs(const std::vector<ExprPtr>& args, Frame& frame);
    Variant applyArgs(const Variant& value, std::vector<Variant> args, WORD flags);
    Variant invoke(IDispatch* object, DISPID id, WORD flags, std::vector<Variant>& args, const Variant* putValue = nullptr);
    DISPID memberId(IDispatch* object, const QString& name);
    void assign(const Expr& target, Variant&& value, bool isSet, Frame& frame);
    void store(Variant& slot, Variant&& value, bool isSet);
    Variant& element(Variant& array, const std::vector<Variant>& indexes);
    void execCall(const CallStmt& stmt, Frame& frame);

    std::deque<Variant> m_globals;
    std::vector<bool> m_globalFixed;
    QHash<QString, int> m_globalIndex;
    QHash<QString, Variant> m_globalConstants;
    QHash<QString, const Procedure*> m_procedures;
    QHash<QString, const ClassDef*> m_classes;
    QSet<ClassInstance*> m_instances;   // alive, for freeInstanceCycles
    bool m_ending = false;              // being destroyed: no script code runs any more
    std::vector<NamedItem> m_items;
    QString m_contextItem;                                // of the latest text; Execute and Eval lend it too
    std::vector<std::unique_ptr<Program>> m_keptTexts;    // run by Execute, defining procedures
    QHash<QString, std::vector<NameExpr*>> m_implicitNames;   // made variables for want of a definition
    InterpreterLink m_link = std::make_shared<Interpreter*>(this);
    ErrObject m_err;
    IScriptSiteDialogs* m_dialogs = nullptr;
    // The frames of the calls under way, one per call being set up or run, kept for the next call there
    // (see enterCall); each stays where it is while calls after it come and go.
    std::vector<std::unique_ptr<Frame>> m_calls;
    std::size_t m_callCount = 0;
    std::deque<std::vector<Variant>> m_builtinArgs;   // one argument list per nesting level of built-in calls
    std::size_t m_builtinDepth = 0;
    int m_depth = 0;
    const char* m_stackFloor = nullptr;   // of the thread running the program
    int m_line = 0;
    int m_column = 0;
    std::uint64_t m_steps = 0;
    std::uint64_t m_stepLimit = 0;   // 0: no limit
    std::uint64_t m_nextCheck = 1024;
    std::atomic<bool> m_interrupted{false};
};

// What a call hands a procedure: the argument expressions written in the calling script (its variables are
// passed by reference), or the values an automation caller passes (ByRef parameters share them).
struct CallArguments {
    const std::vector<ExprPtr>* written = nullptr;
    Interpreter::Frame* caller = nullptr;
    std::vector<Variant>* values = nullptr;

    static CallArguments fromScript(const std::vector<ExprPtr>& args, Interpreter::Frame& caller)
    {
        return {&args, &caller, nullptr};
    }
    static CallArguments fromValues(std::vector<Variant>& values) { return {nullptr, nullptr, &values}; }
    std::size_t size() const { return written ? written->size() : values->size(); }
};

} // namespace vbscript
