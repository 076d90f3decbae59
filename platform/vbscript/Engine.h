#pragma once
// The script engine behind Active-Scripting-shaped calls: set the site, add named items, parse texts
// (syntax errors go to the site and nothing of that text runs), and the connected state runs the global code
// before SetScriptState returns. Runtime errors stop the run and go to the site.
#include "platform/vbscript/ActiveScript.h"
#include "platform/vbscript/ScriptDialogs.h"

#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

namespace vbscript {

class Interpreter;
struct Program;

class ScriptEngine final : public IActiveScript, public IActiveScriptParse {
public:
    // A new engine with one reference.
    static ScriptEngine* create();

    // Host limits: a runaway script ends with a normal script error.
    void setStepLimit(std::uint64_t statements);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override;

    HRESULT SetScriptSite(IActiveScriptSite* site) override;
    HRESULT GetScriptSite(REFIID riid, void** object) override;
    HRESULT SetScriptState(SCRIPTSTATE state) override;
    HRESULT GetScriptState(SCRIPTSTATE* state) override;
    HRESULT Close() override;
    HRESULT AddNamedItem(LPCOLESTR name, DWORD flags) override;
    HRESULT AddTypeLib(REFGUID, DWORD, DWORD, DWORD) override { return E_NOTIMPL; }
    HRESULT GetScriptDispatch(LPCOLESTR, IDispatch** dispatch) override;
    HRESULT GetCurrentScriptThreadID(SCRIPTTHREADID* thread) override;
    HRESULT GetScriptThreadID(DWORD, SCRIPTTHREADID* thread) override;
    HRESULT GetScriptThreadState(SCRIPTTHREADID, SCRIPTTHREADSTATE* state) override;
    HRESULT InterruptScriptThread(SCRIPTTHREADID, const EXCEPINFO*, DWORD) override;
    HRESULT Clone(IActiveScript**) override { return E_NOTIMPL; }

    HRESULT InitNew() override;
    HRESULT AddScriptlet(LPCOLESTR, LPCOLESTR, LPCOLESTR, LPCOLESTR, LPCOLESTR, LPCOLESTR, DWORD, ULONG, DWORD, BSTR*,
                         EXCEPINFO*) override
    {
        return E_NOTIMPL;
    }
    HRESULT ParseScriptText(LPCOLESTR code, LPCOLESTR itemName, IUnknown* context, LPCOLESTR delimiter,
                            DWORD sourceContextCookie, ULONG startingLine, DWORD flags, VARIANT* result,
                            EXCEPINFO* excepinfo) override;

private:
    ScriptEngine();
    ~ScriptEngine();

    struct Item {
        QString name;
        DWORD flags = 0;
        bool fetched = false;
    };
    struct Text {
        std::unique_ptr<Program> program;
        QString source;   // its lines are found only when an error names one
        ULONG startingLine = 0;
        DWORD cookie = 0;
        bool ran = false;
    };

    void fetchItems();
    void runPending();
    void report(std::int32_t number, const QString& description, const QString& source, const Text& text,
                int line, int column);
    bool running() const { return m_state == SCRIPTSTATE_STARTED || m_state == SCRIPTSTATE_CONNECTED; }

    std::atomic<ULONG> m_references{1};
    IActiveScriptSite* m_site = nullptr;
    IScriptSiteDialogs* m_dialogs = nullptr;
    SCRIPTSTATE m_state = SCRIPTSTATE_UNINITIALIZED;
    std::vector<Item> m_items;
    std::vector<Text> m_texts;
    std::unique_ptr<Interpreter> m_interpreter;
    std::uint64_t m_stepLimit = 0;
    std::atomic<bool> m_inScript{false};
};

// The engine as the component runtime creates it (class CLSID_VBScript).
HRESULT CreateVBScriptEngine(REFIID riid, void** object);

} // namespace vbscript
