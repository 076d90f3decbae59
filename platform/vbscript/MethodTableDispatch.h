#pragma once
// An automation object whose methods come from a table: names matched without regard to case, dispatch
// ids by position from 1, and each argument converted to the method's declared type by the automation
// rules before the method sees it (a Boolean given to a text parameter arrives as "-1" or "0").
#include "platform/automation/variant.h"
#include "platform/vbscript/DispatchBasics.h"

#include <QString>

#include <atomic>
#include <functional>
#include <vector>

namespace vbscript {

class MethodTableDispatch final : public IDispatch {
public:
    struct Method {
        QString name;
        std::vector<VARTYPE> parameters;   // VT_VARIANT takes the argument as it comes
        VARTYPE result = VT_EMPTY;         // VT_EMPTY: no result
        // May throw ScriptError; the caller sees it as an automation exception.
        std::function<Variant(const std::vector<Variant>& args)> call;
    };

    // A new object with one reference.
    static MethodTableDispatch* create(std::vector<Method> methods);

    HRESULT QueryInterface(REFIID riid, void** object) override { return queryDispatch(this, riid, object); }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override { return noTypeInfoCount(count); }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return noTypeInfo(info); }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError) override;

private:
    explicit MethodTableDispatch(std::vector<Method> methods) : m_methods(std::move(methods)) {}
    ~MethodTableDispatch() = default;

    std::vector<Method> m_methods;
    std::atomic<ULONG> m_references{1};
};

} // namespace vbscript
