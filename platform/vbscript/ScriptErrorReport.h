#pragma once
// The error object the engine hands to the site's OnScriptError: number, texts and place of one error.
#include "platform/vbscript/ActiveScript.h"

#include <QString>

#include <atomic>

namespace vbscript {

class ScriptErrorReport final : public IActiveScriptError {
public:
    struct Details {
        std::int32_t number = 0;
        QString description;
        QString source;        // "Microsoft VBScript runtime error", "... compilation error", or the raiser's
        ULONG line = 0;        // zero-based, as the platform counts
        std::int32_t column = 0;
        QString lineText;
        DWORD sourceContext = 0;
    };

    explicit ScriptErrorReport(Details details) : m_details(std::move(details)) {}
    const Details& details() const { return m_details; }

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override;
    HRESULT GetExceptionInfo(EXCEPINFO* excepinfo) override;
    HRESULT GetSourcePosition(DWORD* sourceContext, ULONG* lineNumber, std::int32_t* charPosition) override;
    HRESULT GetSourceLineText(BSTR* sourceLine) override;

private:
    ~ScriptErrorReport() = default;
    Details m_details;
    std::atomic<ULONG> m_references{1};
};

} // namespace vbscript
