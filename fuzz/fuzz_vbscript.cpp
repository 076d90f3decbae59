// The script engine: any text is parsed and, when it parses, run with a budget of statements.
#include "FuzzSupport.h"

#include "platform/vbscript/Engine.h"
#include "platform/vbscript/NamedItemSite.h"

namespace {

class SilentSite final : public vbscript::NamedItemSite {
public:
    SilentSite() : NamedItemSite(QStringLiteral("Host")) {}

private:
    void onScriptError(const vbscript::ScriptErrorReport::Details&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 8192)
        return 0;
    fuzz::prepareProcess();
    SilentSite site;
    vbscript::ScriptEngine* engine = vbscript::ScriptEngine::create();
    engine->setStepLimit(20000);
    engine->SetScriptSite(&site);
    engine->InitNew();
    const std::u16string code = fuzz::text(data, size).toStdU16String();
    engine->ParseScriptText(code.c_str(), nullptr, nullptr, nullptr, 0, 0, 0, nullptr, nullptr);
    engine->SetScriptState(SCRIPTSTATE_CONNECTED);
    engine->Close();
    engine->Release();
    return 0;
}
