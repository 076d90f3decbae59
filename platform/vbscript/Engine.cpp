#include "platform/vbscript/Engine.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/Parser.h"
#include "platform/vbscript/ScriptErrorReport.h"

#include <new>

namespace vbscript {

namespace {

const QString runtimeSource = QStringLiteral("Microsoft VBScript runtime error");
const QString compileSource = QStringLiteral("Microsoft VBScript compilation error");
constexpr std::int32_t internalError = 51;

// Line `index` (from 0) of the text, whose lines end at CR LF, CR or LF; empty past the last one.
QString lineOf(const QString& text, int index)
{
    if (index < 0)
        return {};
    qsizetype start = 0;
    for (int line = 0;; ++line) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (line == index)
            return text.mid(start, end - start);
        if (end == text.size())
            return {};
        start = end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
}

} // namespace

ScriptEngine::ScriptEngine() : m_interpreter(std::make_unique<Interpreter>()) {}

ScriptEngine::~ScriptEngine()
{
    Close();
}

ScriptEngine* ScriptEngine::create()
{
    return new ScriptEngine();
}

void ScriptEngine::setStepLimit(std::uint64_t statements)
{
    m_stepLimit = statements;
    if (m_interpreter)
        m_interpreter->setStepLimit(statements);
}

HRESULT ScriptEngine::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IActiveScript)
        *object = static_cast<IActiveScript*>(this);
    else if (riid == IID_IActiveScriptParse)
        *object = static_cast<IActiveScriptParse*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG ScriptEngine::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ScriptEngine::SetScriptSite(IActiveScriptSite* site)
{
    if (!site)
        return E_POINTER;
    if (m_site)
        return E_UNEXPECTED;
    site->AddRef();
    m_site = site;
    // A site without dialogs answers no: MsgBox and InputBox are then refused.
    if (FAILED(site->QueryInterface(IID_IScriptSiteDialogs, reinterpret_cast<void**>(&m_dialogs))))
        m_dialogs = nullptr;
    if (m_interpreter)
        m_interpreter->setDialogs(m_dialogs);
    if (m_state == SCRIPTSTATE_UNINITIALIZED)
        m_state = SCRIPTSTATE_INITIALIZED;
    return S_OK;
}

HRESULT ScriptEngine::GetScriptSite(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    return m_site ? m_site->QueryInterface(riid, object) : S_FALSE;
}

HRESULT ScriptEngine::InitNew()
{
    if (m_state == SCRIPTSTATE_CLOSED)
        return E_UNEXPECTED;
    if (m_site)
        m_state = SCRIPTSTATE_INITIALIZED;
    return S_OK;
}

HRESULT ScriptEngine::AddNamedItem(LPCOLESTR name, DWORD flags)
{
    if (!name)
        return E_POINTER;
    if (m_state == SCRIPTSTATE_CLOSED)
        return E_UNEXPECTED;
    m_items.push_back({fromBstr(name), flags, false});
    return S_OK;
}

// The site hands out each item's object the first time a text needs it.
void ScriptEngine::fetchItems()
{
    for (Item& item : m_items) {
        if (item.fetched || !m_site)
            continue;
        item.fetched = true;
        const std::u16string name = item.name.toStdU16String();
        IUnknown* unknown = nullptr;
        ITypeInfo* typeInfo = nullptr;
        if (FAILED(m_site->GetItemInfo(name.c_str(), SCRIPTINFO_IUNKNOWN, &unknown, &typeInfo)) || !unknown)
            continue;
        IDispatch* dispatch = nullptr;
        if (SUCCEEDED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))) && dispatch) {
            m_interpreter->addNamedItem(item.name, dispatch, (item.flags & SCRIPTITEM_GLOBALMEMBERS) != 0);
            dispatch->Release();
        }
        unknown->Release();
    }
}

HRESULT ScriptEngine::ParseScriptText(LPCOLESTR code, LPCOLESTR itemName, IUnknown*, LPCOLESTR, DWORD cookie,
                                      ULONG startingLine, DWORD, VARIANT*, EXCEPINFO* excepinfo)
{
    if (m_state == SCRIPTSTATE_CLOSED || m_state == SCRIPTSTATE_UNINITIALIZED || !m_interpreter)
        return E_UNEXPECTED;
    Text text;
    text.source = fromBstr(code);
    text.startingLine = startingLine;
    text.cookie = cookie;
    fetchItems();
    try {
        text.program = std::make_unique<Program>(parseProgram(text.source));
        m_interpreter->resolve(*text.program, fromBstr(itemName).toLower());
    } catch (const CompileError& error) {
        report(error.number, errorDescription(error.number), compileSource, text, error.line, error.column);
        if (excepinfo) {
            *excepinfo = EXCEPINFO();
            excepinfo->scode = OLESCRIPT_E_SYNTAX;
        }
        return OLESCRIPT_E_SYNTAX;
    }
    m_texts.push_back(std::move(text));
    if (running())
        runPending();
    return S_OK;
}

HRESULT ScriptEngine::SetScriptState(SCRIPTSTATE state)
{
    if (m_state == SCRIPTSTATE_CLOSED)
        return E_UNEXPECTED;
    switch (state) {
    case SCRIPTSTATE_STARTED:
    case SCRIPTSTATE_CONNECTED:
        if (!m_site)
            return E_UNEXPECTED;
        m_state = state;
        m_site->OnStateChange(state);
        runPending();
        return S_OK;
    case SCRIPTSTATE_INITIALIZED:
    case SCRIPTSTATE_DISCONNECTED:
        m_state = state;
        if (m_site)
            m_site->OnStateChange(state);
        return S_OK;
    case SCRIPTSTATE_CLOSED: return Close();
    default: return E_INVALIDARG;
    }
}

void ScriptEngine::runPending()
{
    for (Text& text : m_texts) {
        if (text.ran)
            continue;
        text.ran = true;
        m_interpreter->setStepLimit(m_stepLimit);
        m_inScript = true;
        m_site->OnEnterScript();
        try {
            m_interpreter->run(*text.program);
        } catch (const ScriptError& error) {
            report(error.number, error.description, error.source.isEmpty() ? runtimeSource : error.source, text,
                   m_interpreter->errorLine(), m_interpreter->errorColumn());
        } catch (const std::bad_alloc&) {
            report(7, errorDescription(7), runtimeSource, text, m_interpreter->errorLine(),
                   m_interpreter->errorColumn());
        } catch (...) {
            // Whatever else goes wrong ends the run as a script error; nothing is thrown to the host.
            report(internalError, errorDescription(internalError), runtimeSource, text, m_interpreter->errorLine(),
                   m_interpreter->errorColumn());
        }
        m_site->OnLeaveScript();
        m_inScript = false;
    }
}

void ScriptEngine::report(std::int32_t number, const QString& description, const QString& source, const Text& text,
                          int line, int column)
{
    if (!m_site)
        return;
    ScriptErrorReport::Details details;
    details.number = number;
    details.description = description;
    details.source = source;
    details.line = text.startingLine + ULONG(line);
    details.column = column;
    details.lineText = lineOf(text.source, line);
    details.sourceContext = text.cookie;
    auto* error = new ScriptErrorReport(std::move(details));
    m_site->OnScriptError(error);
    error->Release();
}

HRESULT ScriptEngine::GetScriptState(SCRIPTSTATE* state)
{
    if (!state)
        return E_POINTER;
    *state = m_state;
    return S_OK;
}

HRESULT ScriptEngine::Close()
{
    if (m_state == SCRIPTSTATE_CLOSED)
        return S_OK;
    // The instances the globals hold end while the site can still take what their Class_Terminate does.
    if (m_interpreter && m_interpreter->hasInstances() && m_site && !m_inScript) {
        m_interpreter->setStepLimit(m_stepLimit);
        m_inScript = true;
        m_site->OnEnterScript();
        m_interpreter->releaseGlobals();
        m_site->OnLeaveScript();
        m_inScript = false;
    }
    m_interpreter.reset();
    m_texts.clear();
    m_items.clear();
    if (m_dialogs) {
        m_dialogs->Release();
        m_dialogs = nullptr;
    }
    if (m_site) {
        m_site->OnStateChange(SCRIPTSTATE_CLOSED);
        m_site->Release();
        m_site = nullptr;
    }
    m_state = SCRIPTSTATE_CLOSED;
    return S_OK;
}

HRESULT ScriptEngine::GetScriptDispatch(LPCOLESTR, IDispatch** dispatch)
{
    if (dispatch)
        *dispatch = nullptr;
    return E_NOTIMPL;
}

HRESULT ScriptEngine::GetCurrentScriptThreadID(SCRIPTTHREADID* thread)
{
    if (!thread)
        return E_POINTER;
    *thread = 1;
    return S_OK;
}

HRESULT ScriptEngine::GetScriptThreadID(DWORD, SCRIPTTHREADID* thread)
{
    return GetCurrentScriptThreadID(thread);
}

HRESULT ScriptEngine::GetScriptThreadState(SCRIPTTHREADID, SCRIPTTHREADSTATE* state)
{
    if (!state)
        return E_POINTER;
    *state = m_inScript ? SCRIPTTHREADSTATE_RUNNING : SCRIPTTHREADSTATE_NOTINSCRIPT;
    return S_OK;
}

// May come from another thread while the script runs; the run ends at its next check.
HRESULT ScriptEngine::InterruptScriptThread(SCRIPTTHREADID, const EXCEPINFO*, DWORD)
{
    if (m_interpreter)
        m_interpreter->interrupt();
    return S_OK;
}

HRESULT CreateVBScriptEngine(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    ScriptEngine* engine = ScriptEngine::create();
    const HRESULT hr = engine->QueryInterface(riid, object);
    engine->Release();
    return hr;
}

} // namespace vbscript
