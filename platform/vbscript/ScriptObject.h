#pragma once
// Objects the script makes itself (instances of its classes, procedures handed out by GetRef): automation
// objects whose members run script code in the interpreter that made them. Once that interpreter is gone
// they refuse every call.
#include "platform/automation/variant.h"
#include "platform/vbscript/DispatchBasics.h"

#include <memory>
#include <vector>

namespace vbscript {

class Interpreter;
struct CallArguments;

// Shared by the interpreter and its objects; the interpreter clears it when it ends.
using InterpreterLink = std::shared_ptr<Interpreter*>;

class ScriptObject : public IDispatch {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override { return queryDispatch(this, riid, object); }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override { return noTypeInfoCount(count); }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return noTypeInfo(info); }
    // Hands the arguments over in source order and a script error back as an automation exception.
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError) final;

    Interpreter* interpreter() const { return *m_link; }

    // Member `id` read, called (`putValue` null) or assigned; may throw ScriptError. The interpreter that
    // made the object calls it straight, so that ByRef parameters reach the caller's variables.
    virtual Variant call(Interpreter& interpreter, DISPID id, WORD flags, const CallArguments& args,
                         const Variant* putValue) = 0;
    // What TypeName says of the object.
    virtual QString typeName() const { return QStringLiteral("Object"); }
    // The elements For Each goes through, when the object is a collection.
    virtual bool items(std::vector<Variant>&) const { return false; }

protected:
    explicit ScriptObject(InterpreterLink link) : m_link(std::move(link)) {}
    virtual ~ScriptObject() = default;
    const InterpreterLink& link() const { return m_link; }

    // Runs when the last reference goes, before the object is freed; what it does may keep the object.
    virtual void lastReleased() {}

private:
    InterpreterLink m_link;
    ULONG m_references = 1;
};

} // namespace vbscript
