#include "logic/CScriptSite.h"

void CScriptSite::onScriptError(const vbscript::ScriptErrorReport::Details& error)
{
    m_errorText = QStringLiteral("%1: %2 (line %3)").arg(error.source, error.description).arg(error.line + 1);
    m_errorDescription = error.description;
    m_errorLine = int(error.line) + 1;
    m_error = 1;
}
