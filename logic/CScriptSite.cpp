#include "logic/CScriptSite.h"

#include "logic/ScriptDialogs.h"
#include "platform/vbscript/Bstr.h"

using vbscript::fromBstr;

HRESULT CScriptSite::ShowMessage(LPCOLESTR text, LPCOLESTR title, std::int32_t style, std::int32_t* answer)
{
    *answer = ShowScriptMessage(fromBstr(text), fromBstr(title), style);
    return S_OK;
}

HRESULT CScriptSite::AskText(LPCOLESTR prompt, LPCOLESTR title, LPCOLESTR initial, BSTR* text)
{
    const std::optional<QString> typed = AskScriptText(fromBstr(prompt), fromBstr(title), fromBstr(initial));
    *text = typed ? vbscript::allocBstr(*typed) : nullptr;
    return S_OK;
}

void CScriptSite::onScriptError(const vbscript::ScriptErrorReport::Details& error)
{
    m_errorText = QStringLiteral("%1: %2 (line %3)").arg(error.source, error.description).arg(error.line + 1);
    m_errorDescription = error.description;
    m_errorLine = int(error.line) + 1;
    m_error = 1;
}
