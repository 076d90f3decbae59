#pragma once
// The script's Err object: the last runtime error (Number, Description, Source) with Clear and Raise.
// Raise reports the error back through Invoke as an automation exception, as any object's method would.
#include "platform/automation/variant.h"
#include "platform/vbscript/DispatchBasics.h"
#include "platform/vbscript/Errors.h"

namespace vbscript {

class ErrObject final : public IDispatch {
public:
    void set(const ScriptError& error);
    void clear();
    std::int32_t number() const { return m_number; }

    HRESULT QueryInterface(REFIID riid, void** object) override { return queryDispatch(this, riid, object); }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override { return --m_references; }   // lives as long as its interpreter
    HRESULT GetTypeInfoCount(UINT* count) override { return noTypeInfoCount(count); }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return noTypeInfo(info); }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                   UINT* argumentError) override;

private:
    HRESULT raise(DISPPARAMS* params, EXCEPINFO* exception);

    std::int32_t m_number = 0;
    QString m_description;
    QString m_source;
    QString m_helpFile;
    std::int32_t m_helpContext = 0;
    ULONG m_references = 1;
};

// A script error leaving an automation object's Invoke: fills `exception` (when given), returns DISP_E_EXCEPTION.
HRESULT automationException(const ScriptError& error, EXCEPINFO* exception);
// The runtime error of a failed Invoke: the automation exception's number and texts, or the failure code's.
ScriptError errorFromInvoke(HRESULT hr, const EXCEPINFO& exception);
// Throws that error, freeing the exception's texts.
[[noreturn]] void raiseFromInvoke(HRESULT hr, EXCEPINFO& exception);
// The number an automation exception code stands for: 0x800Annnn is the language's error nnnn.
std::int32_t errorNumberOf(HRESULT scode);
HRESULT scodeOf(std::int32_t number);

} // namespace vbscript
