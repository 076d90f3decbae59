#include "ConsoleScriptObject.h"

#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/Engine.h"
#include "platform/vbscript/NamedItemSite.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The site of the console run: hands out "MyObject" and prints script errors. A MsgBox prints its text and is
// answered with its default button (OK for a plain message); an InputBox prints its prompt and reads one
// line of standard input, the end of the input counting as Cancel.
class ConsoleSite final : public vbscript::NamedItemSite {
public:
    explicit ConsoleSite(IDispatch* object) : NamedItemSite(QStringLiteral("MyObject"), object) {}
    bool failed() const { return m_failed; }

    HRESULT ShowMessage(LPCOLESTR text, LPCOLESTR, std::int32_t style, std::int32_t* answer) override
    {
        printLine(stdout, vbscript::fromBstr(text));
        *answer = vbscript::MessageBoxStyle::of(style).defaultAnswer();
        return S_OK;
    }

    HRESULT AskText(LPCOLESTR prompt, LPCOLESTR, LPCOLESTR, BSTR* text) override
    {
        printLine(stdout, vbscript::fromBstr(prompt));
        std::fflush(stdout);
        static QTextStream input(stdin);
        const QString line = input.readLine();
        *text = line.isNull() ? nullptr : vbscript::allocBstr(line);
        return S_OK;
    }

private:
    void onScriptError(const vbscript::ScriptErrorReport::Details& error) override
    {
        QTextStream(stderr) << "error: line " << error.line + 1 << ": " << error.description << "\n";
        m_failed = true;
    }

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
