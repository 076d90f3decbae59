#include "ConsoleScriptObject.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/Engine.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The site of the console run: hands out "MyObject" and prints script errors.
class ConsoleSite final : public IActiveScriptSite {
public:
    explicit ConsoleSite(IDispatch* object) : m_object(object) {}
    bool failed() const { return m_failed; }

    HRESULT QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOTIMPL;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT GetLCID(LCID* lcid) override
    {
        *lcid = LOCALE_EN_US;
        return S_OK;
    }
    HRESULT GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item, ITypeInfo** typeInfo) override
    {
        if (mask & SCRIPTINFO_ITYPEINFO) {
            *typeInfo = nullptr;
            return TYPE_E_ELEMENTNOTFOUND;
        }
        if ((mask & SCRIPTINFO_IUNKNOWN) &&
            vbscript::fromBstr(name).compare(QLatin1String("MyObject"), Qt::CaseInsensitive) == 0) {
            m_object->AddRef();
            *item = m_object;
        }
        return S_OK;
    }
    HRESULT GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    HRESULT OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    HRESULT OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT OnScriptError(IActiveScriptError* error) override
    {
        EXCEPINFO info;
        error->GetExceptionInfo(&info);
        DWORD context = 0;
        ULONG line = 0;
        std::int32_t column = 0;
        error->GetSourcePosition(&context, &line, &column);
        QTextStream(stderr) << "error: line " << line + 1 << ": " << vbscript::fromBstr(info.bstrDescription) << "\n";
        vbscript::freeBstr(info.bstrDescription);
        vbscript::freeBstr(info.bstrSource);
        vbscript::freeBstr(info.bstrHelpFile);
        m_failed = true;
        return S_OK;
    }
    HRESULT OnEnterScript() override { return S_OK; }
    HRESULT OnLeaveScript() override { return S_OK; }

private:
    IDispatch* m_object;
    bool m_failed = false;
};

bool readScript(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

} // namespace

// varnel-cli script FILE [--db DATABASE]: runs the file as a module runs, with the console's "MyObject".
int runScript(const QStringList& args)
{
    QString path;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--db") && i + 1 < args.size()) {
            const QString database = args[++i];
            if (!QFileInfo::exists(database)) {
                QTextStream(stderr) << "error: no database " << database << "\n";
                return 1;
            }
        } else if (path.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            path = args[i];
        } else {
            QTextStream(stderr) << "usage: varnel-cli script FILE [--db DATABASE]\n";
            return 1;
        }
    }
    QString text;
    if (path.isEmpty() || !readScript(path, text)) {
        QTextStream(stderr) << "error: cannot read script " << path << "\n";
        return 1;
    }
    IDispatch* object = createConsoleScriptObject();
    ConsoleSite site(object);
    vbscript::ScriptEngine* engine = vbscript::ScriptEngine::create();
    engine->SetScriptSite(&site);
    engine->InitNew();
    engine->AddNamedItem(u"MyObject", SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE | SCRIPTITEM_GLOBALMEMBERS);
    const std::u16string code = text.toStdU16String();
    EXCEPINFO exception;
    engine->ParseScriptText(code.c_str(), u"MyObject", nullptr, nullptr, 0, 0, 0, nullptr, &exception);
    engine->SetScriptState(SCRIPTSTATE_CONNECTED);
    engine->Close();
    engine->Release();
    object->Release();
    std::fflush(stdout);
    return site.failed() ? 2 : 0;
}
