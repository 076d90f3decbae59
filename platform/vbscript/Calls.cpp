// Calls of procedures, built-ins and object members, array elements, and stores into every kind of target.
#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/Builtins.h"
#include "platform/vbscript/ClassInstance.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/OperatorsCoercion.h"
#include "platform/vbscript/StackFloor.h"

#include <new>
#include <typeinfo>

namespace vbscript {

namespace {

// Deep enough for real recursion, shallow enough for the host thread's stack.
constexpr int maxDepth = 1000;

std::vector<std::int32_t> indexesOf(const std::vector<Variant>& args)
{
    std::vector<std::int32_t> indexes;
    indexes.reserve(args.size());
    for (const Variant& arg : args)
        indexes.push_back(longOf(valueOf(arg)));
    return indexes;
}

const std::vector<ExprPtr> noArguments;

// Nothing has no members either: the language calls both cases "Object required".
IDispatch* objectOf(const Variant& value)
{
    if (value.vt() != VT_DISPATCH || !value.dispatch())
        raiseError(error::ObjectRequired);
    return value.dispatch();
}

// Whoever calls a member holds a reference to its object until the call ends, whatever the call does to the
// variables that refer to it.
class HeldObject {
public:
    explicit HeldObject(IDispatch* object) : m_object(object) { m_object->AddRef(); }
    ~HeldObject() { m_object->Release(); }
    HeldObject(const HeldObject&) = delete;
    HeldObject& operator=(const HeldObject&) = delete;

private:
    IDispatch* m_object;
};

} // namespace

Variant& Interpreter::element(Variant& array, const std::vector<Variant>& indexes)
{
    const std::int64_t offset = array.array().offset(indexesOf(indexes));
    if (offset < 0)
        raiseError(error::SubscriptOutOfRange);
    return array.array().elements[std::size_t(offset)];
}

std::vector<Variant> Interpreter::evalArgs(const std::vector<ExprPtr>& args, Frame& frame)
{
    std::vector<Variant> values;
    values.reserve(args.size());
    for (const ExprPtr& arg : args)
        values.push_back(eval(*arg, frame));
    return values;
}

DISPID Interpreter::memberId(IDispatch* object, const QString& name)
{
    std::u16string text = name.toStdU16String();
    LPOLESTR names[] = {text.data()};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_EN_US, &id)))
        raiseError(error::NoSuchMember);
    return id;
}

Variant Interpreter::invoke(IDispatch* object, DISPID id, WORD flags, std::vector<Variant>& args, const Variant* putValue)
{
    std::vector<Variant> reversed(args.rbegin(), args.rend());
    DISPID named = DISPID_PROPERTYPUT;
    if (putValue)
        reversed.insert(reversed.begin(), *putValue);
    DISPPARAMS params;
    params.rgvarg = reversed.data();
    params.cArgs = UINT(reversed.size());
    if (putValue) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    Variant result;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_EN_US, flags, &params, putValue ? nullptr : &result,
                                      &exception, &argumentError);
    if (FAILED(hr))
        raiseFromInvoke(hr, exception);
    return result;
}

// A value followed by arguments: an element of an array, or the default member of an object.
Variant Interpreter::applyArgs(const Variant& value, std::vector<Variant> args, WORD flags)
{
    if (value.isArray()) {
        Variant copy = value;
        return element(copy, args);
    }
    if (value.vt() == VT_DISPATCH)
        return invoke(objectOf(value), DISPID_VALUE, flags, args);
    raiseError(error::TypeMismatch);
}

Variant Interpreter::evalMember(const MemberExpr& member, Frame& frame, WORD flags)
{
    return callThrough(member, noArguments, frame, flags);
}

// object.member(args): an instance of the script's classes finds its member once per class, other objects
// their member's id once per object.
Variant Interpreter::callThrough(const MemberExpr& member, const std::vector<ExprPtr>& args, Frame& frame, WORD flags)
{
    Variant scratch;
    IDispatch* object = objectOf(evalRef(*member.object, frame, scratch));
    const HeldObject held(object);
    if (ClassInstance* instance = ownInstance(object))
        return callOwn(*instance, member, flags, CallArguments::fromScript(args, frame), nullptr);
    if (member.cachedObject != object) {
        member.cachedId = memberId(object, member.name);
        member.cachedObject = object;
    }
    std::vector<Variant> values = evalArgs(args, frame);
    return invoke(object, member.cachedId, flags, values);
}

Variant Interpreter::evalCall(const CallExpr& call, Frame& frame, bool asStatement)
{
    const WORD flags = asStatement ? DISPATCH_METHOD : DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    if (call.target->kind == ExprKind::Member)
        return callThrough(static_cast<const MemberExpr&>(*call.target), call.args, frame, flags);
    return callNamed(call, frame, flags);
}

// name(args), or a value followed by arguments.
Variant Interpreter::callNamed(const CallExpr& call, Frame& frame, WORD flags)
{
    if (call.target->kind != ExprKind::Name)
        return applyArgs(eval(*call.target, frame), evalArgs(call.args, frame), flags);
    const auto& name = static_cast<const NameExpr&>(*call.target);
    const Binding& binding = name.binding;
    switch (binding.kind) {
    case Binding::Local:
    case Binding::Global:
    case Binding::Field: {
        Variant* value = variable(name, frame);
        if (value->vt() == VT_DISPATCH) {
            // The call may change the variable; the object stays until the call ends.
            const Variant object = *value;
            if (ScriptObject* own = ownObject(objectOf(object)))
                return own->call(*this, DISPID_VALUE, flags, CallArguments::fromScript(call.args, frame), nullptr);
            std::vector<Variant> args = evalArgs(call.args, frame);
            return invoke(object.dispatch(), DISPID_VALUE, flags, args);
        }
        std::vector<Variant> args = evalArgs(call.args, frame);
        if (value->isArray())
            return element(*value, args);
        raiseError(error::TypeMismatch);
    }
    case Binding::Procedure: return callProcedure(*binding.procedure, CallArguments::fromScript(call.args, frame));
    case Binding::Builtin: return callBuiltin(*binding.builtin, call.args, frame);
    case Binding::Intrinsic: return callIntrinsic(binding.intrinsic, call.args, frame);
    case Binding::Member: {
        std::vector<Variant> args = evalArgs(call.args, frame);
        return invoke(binding.object, binding.dispid, flags, args);
    }
    case Binding::ClassMember:
        return callMember(*frame.me, *binding.member, flags, CallArguments::fromScript(call.args, frame), nullptr);
    case Binding::Object:
    case Binding::ErrObject:
    case Binding::Me: return applyArgs(evalName(name, frame), evalArgs(call.args, frame), flags);
    case Binding::Undefined: raiseError(error::VariableUndefined);
    default: raiseError(error::TypeMismatch);
    }
}

// A class instance's members are found by name once per class.
Variant Interpreter::callOwn(ClassInstance& instance, const MemberExpr& member, WORD flags, const CallArguments& args,
                             const Variant* putValue)
{
    const ClassDef& definition = instance.definition();
    if (member.cachedClass != &definition) {
        member.cachedMember = definition.find(member.name);
        member.cachedClass = &definition;
    }
    const ClassMember* found = member.cachedMember;
    if (!found || !found->isPublic)
        raiseError(error::NoSuchMember);
    if (found->method && !putValue)
        return callProcedure(*found->method, args, &instance);
    return callMember(instance, *found, flags, args, putValue);
}

// Built-ins are called in every loop; their argument lists are kept per nesting level instead of allocated.
Variant Interpreter::callBuiltin(const Builtin& builtin, const std::vector<ExprPtr>& args, Frame& frame)
{
    if (int(args.size()) < builtin.minArgs || int(args.size()) > builtin.maxArgs)
        raiseError(error::WrongArgumentCount);
    if (m_builtinDepth == m_builtinArgs.size())
        m_builtinArgs.emplace_back();
    std::vector<Variant>& values = m_builtinArgs[m_builtinDepth];
    values.clear();
    // Arguments may call built-ins themselves; they take the next level.
    struct Level {
        std::size_t& depth;
        explicit Level(std::size_t& d) : depth(d) { ++depth; }
        ~Level() { --depth; }
    } level(m_builtinDepth);
    for (const ExprPtr& arg : args)
        values.push_back(eval(*arg, frame));
    return builtin.function(values);
}

// A frame for a call of `procedure`, its parameters still to be bound. Calls in loops would allocate a frame's
// slots each time; the frame a finished call left at this place is taken as it is: its slots hold Empty
// values, and a procedure called again finds its count.
Interpreter::Frame& Interpreter::enterCall(const Procedure& procedure, std::size_t argumentCount, ClassInstance* me)
{
    if (argumentCount != procedure.parameters.size())
        raiseError(error::WrongArgumentCount);
    if (m_depth >= maxDepth || belowStackFloor(m_stackFloor))
        raiseError(error::OutOfStackSpace);
    if (m_callCount == m_calls.size())
        m_calls.push_back(std::make_unique<Frame>());
    Frame& frame = *m_calls[m_callCount++];
    frame.procedure = &procedure;
    frame.me = me;
    const std::size_t count = std::size_t(procedure.localCount);
    if (frame.refs.size() != count) {
        frame.own.resize(count);
        frame.refs.resize(count);
    }
    for (std::size_t i = 0; i < count; ++i)
        frame.refs[i] = &frame.own[i];
    return frame;
}

// The call's locals end here, whether it returned or failed. What their release runs (a Class_Terminate)
// calls with the frames after this one, which stays taken until its locals are gone.
void Interpreter::leaveCall(Frame& frame) noexcept
{
    for (Variant& value : frame.own)
        value.clear();
    if (frame.added) {
        // The slots Execute added went beyond the procedure's own ones; a frame outside a call has only those.
        frame.added.reset();
        frame.refs.resize(frame.own.size());
    }
    frame.withObjects.clear();
    frame.resumeNext = false;
    frame.me = nullptr;
    --m_callCount;
}

// An error the caller meets after the call returns is at the caller's statement, not the call's last one.
Variant Interpreter::runFrame(Frame& frame)
{
    const int line = m_line;
    const int column = m_column;
    ++m_depth;
    try {
        execBlock(frame.procedure->body, frame);
    } catch (...) {
        --m_depth;
        throw;
    }
    --m_depth;
    m_line = line;
    m_column = column;
    if (frame.procedure->resultSlot < 0)
        return Variant();
    return std::move(frame.own[std::size_t(frame.procedure->resultSlot)]);
}

// Members are called in loops: an instance is told by its exact type, which costs less than a cast.
ClassInstance* Interpreter::ownInstance(IDispatch* object) const
{
    if (!object || typeid(*object) != typeid(ClassInstance))
        return nullptr;
    auto* instance = static_cast<ClassInstance*>(object);
    return instance->interpreter() == this ? instance : nullptr;
}

ScriptObject* Interpreter::ownObject(IDispatch* object) const
{
    if (ClassInstance* instance = ownInstance(object))
        return instance;
    auto* own = dynamic_cast<ScriptObject*>(object);
    return own && own->interpreter() == this ? own : nullptr;
}

std::vector<Variant> Interpreter::argumentValues(const CallArguments& args)
{
    if (args.values)
        return *args.values;
    return evalArgs(*args.written, *args.caller);
}

// ByRef parameters share the caller's variable; an array element is copied in and written back after the
// call (the array may be resized meanwhile, so no pointer into it is kept); anything else is a copy. Whoever
// calls a method holds a reference to its instance until the call ends, whatever the method does to the
// variables that refer to it.
Variant Interpreter::callProcedure(const Procedure& procedure, const CallArguments& args, ClassInstance* me,
                                   const Variant* lastValue)
{
    const std::size_t count = args.size();
    Frame& frame = enterCall(procedure, count + (lastValue ? 1 : 0), me);
    struct Leave {
        Interpreter& in;
        Frame& frame;
        ~Leave() { in.leaveCall(frame); }
    } leave{*this, frame};
    if (lastValue)
        frame.own[count] = *lastValue;
    if (args.values) {
        for (std::size_t i = 0; i < count; ++i) {
            if (procedure.parameters[i].byRef)
                frame.refs[i] = &(*args.values)[i];
            else
                frame.own[i] = (*args.values)[i];
        }
        return runFrame(frame);
    }
    Frame& caller = *args.caller;
    struct WriteBack {
        Variant* array;
        std::vector<Variant> indexes;
        std::size_t slot;
    };
    std::vector<WriteBack> writeBacks;
    for (std::size_t i = 0; i < count; ++i) {
        const Expr& arg = *(*args.written)[i];
        if (arg.kind == ExprKind::Missing)
            raiseError(error::WrongArgumentCount);
        if (procedure.parameters[i].byRef && arg.kind == ExprKind::Name) {
            if (Variant* shared = variable(static_cast<const NameExpr&>(arg), caller)) {
                frame.refs[i] = shared;
                continue;
            }
        }
        if (procedure.parameters[i].byRef && arg.kind == ExprKind::Call) {
            const auto& call = static_cast<const CallExpr&>(arg);
            if (call.target->kind == ExprKind::Name) {
                const auto& name = static_cast<const NameExpr&>(*call.target);
                Variant* array = variable(name, caller);
                if (array && array->isArray()) {
                    std::vector<Variant> indexes = evalArgs(call.args, caller);
                    frame.own[i] = element(*array, indexes);
                    writeBacks.push_back({array, std::move(indexes), i});
                    continue;
                }
            }
        }
        // The slot holds Empty, whose end does nothing: the value moves in without an assignment's care for
        // an old one.
        Variant value = eval(arg, caller);
        new (&frame.own[i]) Variant(std::move(value));
    }
    Variant result = runFrame(frame);
    for (WriteBack& back : writeBacks)
        if (back.array->isArray())
            element(*back.array, back.indexes) = std::move(frame.own[back.slot]);
    return result;
}

void Interpreter::execCall(const CallStmt& stmt, Frame& frame)
{
    const Expr& call = *stmt.call;
    if (call.kind == ExprKind::Call) {
        evalCall(static_cast<const CallExpr&>(call), frame, true);
    } else if (call.kind == ExprKind::Member) {
        evalMember(static_cast<const MemberExpr&>(call), frame, DISPATCH_METHOD);
    } else if (call.kind == ExprKind::Name) {
        const auto& name = static_cast<const NameExpr&>(call);
        const Binding::Kind kind = name.binding.kind;
        if (kind == Binding::Local || kind == Binding::Global || kind == Binding::Constant || kind == Binding::Field ||
            kind == Binding::Me)
            raiseError(error::TypeMismatch);
        if (kind == Binding::ClassMember) {
            callMember(*frame.me, *name.binding.member, DISPATCH_METHOD, CallArguments::fromScript(noArguments, frame),
                       nullptr);
        } else if (kind == Binding::Member) {
            std::vector<Variant> none;
            invoke(name.binding.object, name.binding.dispid, DISPATCH_METHOD, none);
        } else {
            evalName(name, frame);
        }
    } else {
        raiseError(error::ExpectedStatement);
    }
}

// Without Set an object stands for its default value; Set takes objects only.
void Interpreter::store(Variant& slot, Variant&& value, bool isSet)
{
    if (isSet) {
        if (value.vt() != VT_DISPATCH)
            raiseError(error::ObjectRequired);
        slot = std::move(value);
    } else {
        if (value.vt() == VT_DISPATCH)
            slot = valueOf(value);
        else
            slot = std::move(value);
    }
}

void Interpreter::assign(const Expr& target, Variant&& value, bool isSet, Frame& frame)
{
    if (isSet && value.vt() != VT_DISPATCH)
        raiseError(error::ObjectRequired);
    const WORD put = isSet ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    if (target.kind == ExprKind::Name) {
        const auto& name = static_cast<const NameExpr&>(target);
        if (Variant* slot = variable(name, frame))
            return store(*slot, std::move(value), isSet);
        if (name.binding.kind == Binding::ClassMember) {
            callMember(*frame.me, *name.binding.member, put, CallArguments::fromScript(noArguments, frame), &value);
            return;
        }
        if (name.binding.kind == Binding::Member) {
            std::vector<Variant> none;
            invoke(name.binding.object, name.binding.dispid, put, none, &value);
            return;
        }
        raiseError(error::IllegalAssignment);
    }
    if (target.kind == ExprKind::Member) {
        const auto& member = static_cast<const MemberExpr&>(target);
        const Variant owner = eval(*member.object, frame);
        IDispatch* object = objectOf(owner);
        if (ClassInstance* instance = ownInstance(object))
            return void(callOwn(*instance, member, put, CallArguments::fromScript(noArguments, frame), &value));
        std::vector<Variant> none;
        invoke(object, memberId(object, member.name), put, none, &value);
        return;
    }
    if (target.kind != ExprKind::Call)
        raiseError(error::IllegalAssignment);
    const auto& call = static_cast<const CallExpr&>(target);
    if (call.target->kind == ExprKind::Name) {
        const Binding& binding = static_cast<const NameExpr&>(*call.target).binding;
        if (binding.kind == Binding::ClassMember)
            return void(callMember(*frame.me, *binding.member, put, CallArguments::fromScript(call.args, frame), &value));
    }
    std::vector<Variant> args = evalArgs(call.args, frame);
    if (call.target->kind == ExprKind::Member) {
        const auto& member = static_cast<const MemberExpr&>(*call.target);
        const Variant owner = eval(*member.object, frame);
        IDispatch* object = objectOf(owner);
        invoke(object, memberId(object, member.name), put, args, &value);
        return;
    }
    if (call.target->kind != ExprKind::Name)
        raiseError(error::IllegalAssignment);
    const auto& name = static_cast<const NameExpr&>(*call.target);
    if (Variant* slot = variable(name, frame)) {
        if (slot->isArray())
            return store(element(*slot, args), std::move(value), isSet);
        if (slot->vt() == VT_DISPATCH)
            return void(invoke(objectOf(*slot), DISPID_VALUE, put, args, &value));
        raiseError(error::TypeMismatch);
    }
    if (name.binding.kind == Binding::Member)
        return void(invoke(name.binding.object, name.binding.dispid, put, args, &value));
    raiseError(error::IllegalAssignment);
}

} // namespace vbscript
