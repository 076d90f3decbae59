// The built-ins that work on the running script: Eval and Execute run text in the scope they are called from,
// ExecuteGlobal in the global one, all within the run's step budget and interrupt; a text that does not parse
// is a runtime error of the call. GetRef hands out a procedure as an object whose default member calls it.
// CreateObject makes only what the language itself offers.
#include "platform/vbscript/ClassInstance.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/OperatorsCoercion.h"
#include "platform/vbscript/Parser.h"
#include "platform/vbscript/RegExp.h"

namespace vbscript {

namespace {

const QString compileSource = QStringLiteral("Microsoft VBScript compilation error");

class ProcedureReference final : public ScriptObject {
public:
    // `me`: the instance a method of a class runs on, kept as long as the reference.
    ProcedureReference(InterpreterLink link, const Procedure& procedure, ClassInstance* me)
        : ScriptObject(std::move(link)), m_procedure(procedure), m_me(me),
          m_keepMe(me ? Variant(static_cast<IDispatch*>(me)) : Variant())
    {
    }

    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override
    {
        for (UINT i = 0; i < count; ++i)
            ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }

    Variant call(Interpreter& interpreter, DISPID id, WORD, const CallArguments& args, const Variant* putValue) override
    {
        if (id != DISPID_VALUE || putValue)
            raiseError(error::NoSuchMember);
        return interpreter.callProcedure(m_procedure, args, m_me);
    }

private:
    const Procedure& m_procedure;
    ClassInstance* m_me;
    Variant m_keepMe;
};

} // namespace

Variant Interpreter::callIntrinsic(Binding::IntrinsicKind kind, const std::vector<ExprPtr>& args, Frame& frame)
{
    if (kind == Binding::MsgBox || kind == Binding::InputBox)
        return callDialog(kind, args, frame);
    if (kind == Binding::CreateObject)
        return createObject(args, frame);
    if (args.size() != 1)
        raiseError(error::WrongArgumentCount);
    const QString text = textOf(valueOf(eval(*args[0], frame)));
    if (kind != Binding::GetRef)
        return runText(kind, text, frame);
    // In a class's procedure the class's own Subs and Functions come first, bound to the running instance.
    const QString name = text.toLower();
    const ClassMember* member = frame.me ? frame.me->definition().find(name) : nullptr;
    ClassInstance* me = member && member->method ? frame.me : nullptr;
    const Procedure* procedure = me ? member->method : m_procedures.value(name, nullptr);
    if (!procedure)
        raiseError(error::InvalidCall);
    auto* reference = new ProcedureReference(m_link, *procedure, me);
    Variant result(static_cast<IDispatch*>(reference));
    reference->Release();
    return result;
}

// CreateObject(class [, server]) makes the language's own RegExp and nothing else: a script reaches no object
// beyond its host's named items.
Variant Interpreter::createObject(const std::vector<ExprPtr>& args, Frame& frame)
{
    if (args.empty() || args.size() > 2)
        raiseError(error::WrongArgumentCount);
    const std::vector<Variant> values = evalArgs(args, frame);
    if (textOf(valueOf(values[0])).compare(QLatin1String("VBScript.RegExp"), Qt::CaseInsensitive) != 0 ||
        (values.size() == 2 && !textOf(valueOf(values[1])).isEmpty()))
        raiseError(error::CantCreateObject);
    return newRegExp(m_link);
}

// The text runs in the caller's frame (ExecuteGlobal: in a global one) with error trapping of its own; an
// error leaving it is the calling statement's.
Variant Interpreter::runText(Binding::IntrinsicKind kind, const QString& text, Frame& frame)
{
    const bool global = kind == Binding::ExecuteGlobal;
    Frame globalFrame;
    Frame& scope = global ? globalFrame : frame;
    auto program = std::make_unique<Program>();
    try {
        const int withDepth = int(scope.withObjects.size());
        *program = kind == Binding::Eval ? parseExpressionText(text, withDepth) : parseProgram(text, withDepth);
        resolve(*program, m_contextItem, &scope);
    } catch (const CompileError& error) {
        throw ScriptError{error.number, errorDescription(error.number), compileSource};
    }
    const Program& code = *program;
    if (!program->procedures.empty() || !program->classes.empty())
        m_keptTexts.push_back(std::move(program));   // its procedures and classes stay defined
    const int line = m_line;
    const int column = m_column;
    const bool resumeNext = scope.resumeNext;
    scope.resumeNext = false;
    struct Restore {
        Interpreter& in;
        Frame& scope;
        int line, column;
        bool resumeNext;
        ~Restore()
        {
            in.m_line = line;
            in.m_column = column;
            scope.resumeNext = resumeNext;
        }
    } restore{*this, scope, line, column, resumeNext};
    if (code.expression)
        return eval(*code.expression, scope);
    execBlock(code.body, scope);
    return Variant();
}

} // namespace vbscript
