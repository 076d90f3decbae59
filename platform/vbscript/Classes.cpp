// Instances of the script's classes: New makes one and runs its Class_Initialize, its members are read, called
// and assigned, and Class_Terminate runs when the last reference goes.
#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/ClassInstance.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/RegExp.h"

namespace vbscript {

HRESULT ClassInstance::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    HRESULT result = S_OK;
    // The class's definition ends with the interpreter.
    const bool alive = interpreter() != nullptr;
    for (UINT i = 0; i < count; ++i) {
        const ClassMember* member = i == 0 && alive ? m_definition.find(fromBstr(names[i]).toLower()) : nullptr;
        ids[i] = member && member->isPublic ? member->id : DISPID_UNKNOWN;
        if (ids[i] == DISPID_UNKNOWN)
            result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

Variant ClassInstance::call(Interpreter& interpreter, DISPID id, WORD flags, const CallArguments& args,
                            const Variant* putValue)
{
    const ClassMember* member = m_definition.byId(id);
    if (!member)
        raiseError(error::NoSuchMember);
    return interpreter.callMember(*this, *member, flags, args, putValue);
}

ClassInstance::~ClassInstance()
{
    if (Interpreter* owner = interpreter())
        owner->forgetInstance(this);
}

void ClassInstance::lastReleased()
{
    if (Interpreter* owner = interpreter())
        owner->terminate(*this);
}

// The script's own classes come first; RegExp is the one class of the language's library.
Variant Interpreter::newInstance(const NewExpr& expr)
{
    const ClassDef* definition = m_classes.value(expr.name, nullptr);
    if (!definition && expr.name == QLatin1String("regexp"))
        return newRegExp(m_link);
    if (!definition)
        raiseError(error::ClassNotDefined);
    auto* instance = new ClassInstance(m_link, *definition);
    m_instances.insert(instance);
    Variant result(static_cast<IDispatch*>(instance));
    instance->Release();
    if (definition->initialize) {
        std::vector<Variant> none;
        callProcedure(*definition->initialize, CallArguments::fromValues(none), instance);
    }
    return result;
}

// A variable of the class is read, indexed or assigned as any variable is; a property runs its Get, Let or
// Set, a method runs with the arguments.
Variant Interpreter::callMember(ClassInstance& me, const ClassMember& member, WORD flags, const CallArguments& args,
                                const Variant* putValue)
{
    const bool isSet = (flags & DISPATCH_PROPERTYPUTREF) != 0;
    if (member.field >= 0) {
        Variant& field = me.fields[std::size_t(member.field)];
        if (!putValue) {
            if (args.size() == 0)
                return field;
            if (field.isArray())
                return element(field, argumentValues(args));
            return applyArgs(field, argumentValues(args), flags);
        }
        Variant value = *putValue;
        if (args.size() == 0) {
            store(field, std::move(value), isSet);
            return Variant();
        }
        std::vector<Variant> indexes = argumentValues(args);
        if (field.isArray()) {
            store(element(field, indexes), std::move(value), isSet);
            return Variant();
        }
        if (field.vt() != VT_DISPATCH)
            raiseError(error::TypeMismatch);
        const Variant object = field;
        return invoke(object.dispatch(), DISPID_VALUE, flags, indexes, &value);
    }
    if (putValue) {
        const Procedure* property = isSet ? member.set : member.let;
        if (!property)
            raiseError(error::NoSuchMember);
        callProcedure(*property, args, &me, putValue);
        return Variant();
    }
    const Procedure* procedure = member.get ? member.get : member.method;
    if (!procedure)
        raiseError(error::NoSuchMember);
    return callProcedure(*procedure, args, &me);
}

// Runs inside the release of the last reference, wherever that happens: nothing may leave it, so an error in
// Class_Terminate ends only Class_Terminate.
void Interpreter::terminate(ClassInstance& instance) noexcept
{
    const Procedure* procedure = instance.definition().terminate;
    if (!procedure || m_ending)
        return;
    const int line = m_line;
    const int column = m_column;
    try {
        std::vector<Variant> none;
        callProcedure(*procedure, CallArguments::fromValues(none), &instance);
    } catch (...) {
    }
    m_line = line;
    m_column = column;
}

void Interpreter::forgetInstance(ClassInstance* instance)
{
    m_instances.remove(instance);
}

// Instances that refer to each other outlive every variable; when the interpreter ends, their variables let go
// of each other so that all of them are freed.
void Interpreter::freeInstanceCycles()
{
    std::vector<Variant> held;
    held.reserve(std::size_t(m_instances.size()));
    for (ClassInstance* instance : std::as_const(m_instances))
        held.emplace_back(static_cast<IDispatch*>(instance));
    const auto instances = m_instances;
    m_instances.clear();
    for (ClassInstance* instance : instances) {
        const std::vector<Variant> fields = std::move(instance->fields);
    }
}

} // namespace vbscript
