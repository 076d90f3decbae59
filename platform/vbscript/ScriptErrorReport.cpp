#include "platform/vbscript/ScriptErrorReport.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/ErrObject.h"

namespace vbscript {

HRESULT ScriptErrorReport::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IActiveScriptError) {
        *object = static_cast<IActiveScriptError*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ScriptErrorReport::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ScriptErrorReport::GetExceptionInfo(EXCEPINFO* excepinfo)
{
    if (!excepinfo)
        return E_POINTER;
    *excepinfo = EXCEPINFO();
    excepinfo->scode = scodeOf(m_details.number);
    excepinfo->bstrSource = allocBstr(m_details.source);
    excepinfo->bstrDescription = allocBstr(m_details.description);
    return S_OK;
}

HRESULT ScriptErrorReport::GetSourcePosition(DWORD* sourceContext, ULONG* lineNumber, std::int32_t* charPosition)
{
    if (sourceContext)
        *sourceContext = m_details.sourceContext;
    if (lineNumber)
        *lineNumber = m_details.line;
    if (charPosition)
        *charPosition = m_details.column;
    return S_OK;
}

HRESULT ScriptErrorReport::GetSourceLineText(BSTR* sourceLine)
{
    if (!sourceLine)
        return E_POINTER;
    *sourceLine = allocBstr(m_details.lineText);
    return S_OK;
}

} // namespace vbscript
