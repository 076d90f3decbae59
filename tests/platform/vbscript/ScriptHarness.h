#pragma once
// Runs script texts through the engine's Active-Scripting face with a site that records what the engine
// tells it, and a named item "Host" whose methods record their (converted) arguments.
#include "platform/vbscript/Bstr.h"
#include "platform/vbscript/Engine.h"
#include "platform/vbscript/ErrObject.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/MethodTableDispatch.h"
#include "platform/vbscript/NamedItemSite.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <stdexcept>

using ReportedError = vbscript::ScriptErrorReport::Details;

// Hands out "Host" and records what the engine tells it.
class RecordingSite final : public vbscript::NamedItemSite {
public:
    RecordingSite() : NamedItemSite(QStringLiteral("Host")) {}

    QStringList events;                   // "enter", "leave", "error", and what the host's methods record
    std::optional<ReportedError> error;

    HRESULT OnEnterScript() override
    {
        events << QStringLiteral("enter");
        return S_OK;
    }
    HRESULT OnLeaveScript() override
    {
        events << QStringLiteral("leave");
        return S_OK;
    }

private:
    void onScriptError(const ReportedError& reported) override
    {
        error = reported;
        events << QStringLiteral("error");
    }
};

// One engine run of `text` with the named item "Host": Show(text), Twice(number), Fail() raising a script
// error, Break() and Crash() throwing what a host should not, and the property-like Value.
class ScriptRun {
public:
    explicit ScriptRun(DWORD itemFlags = SCRIPTITEM_ISVISIBLE | SCRIPTITEM_ISSOURCE | SCRIPTITEM_GLOBALMEMBERS)
        : m_flags(itemFlags)
    {
        using Method = vbscript::MethodTableDispatch::Method;
        std::vector<Method> methods = {
            {"Show", {VT_BSTR}, VT_EMPTY, [this](const std::vector<Variant>& a) { site.events << a[0].string(); return Variant(); }},
            {"Twice", {VT_R8}, VT_R8, [](const std::vector<Variant>& a) { return Variant(a[0].r8() * 2); }},
            {"Fail", {}, VT_EMPTY, [](const std::vector<Variant>&) -> Variant {
                 throw vbscript::ScriptError{5, QStringLiteral("The host refused"), QStringLiteral("Host")};
             }},
            {"Break", {}, VT_EMPTY, [](const std::vector<Variant>&) -> Variant { throw std::runtime_error("host broke"); }},
            {"Crash", {}, VT_EMPTY, [](const std::vector<Variant>&) -> Variant { throw 42; }},
        };
        host = vbscript::MethodTableDispatch::create(std::move(methods));
        site.setObject(host);
    }
    ~ScriptRun()
    {
        if (engine)
            engine->Release();
        host->Release();
    }

    // Parses with the item as the text's context when `contextItem` is given, then connects.
    HRESULT run(const QString& text, const char16_t* contextItem = nullptr)
    {
        engine = vbscript::ScriptEngine::create();
        engine->setStepLimit(stepLimit);
        engine->SetScriptSite(&site);
        engine->InitNew();
        engine->AddNamedItem(u"Host", m_flags);
        const std::u16string code = text.toStdU16String();
        const HRESULT parsed = engine->ParseScriptText(code.c_str(), contextItem, nullptr, nullptr, 0, 0, 0, nullptr, nullptr);
        engine->SetScriptState(SCRIPTSTATE_CONNECTED);
        return parsed;
    }

    // What the script showed, without the site's own events.
    QStringList shown() const
    {
        QStringList texts = site.events;
        texts.removeAll(QStringLiteral("enter"));
        texts.removeAll(QStringLiteral("leave"));
        texts.removeAll(QStringLiteral("error"));
        return texts;
    }

    RecordingSite site;
    IDispatch* host = nullptr;
    vbscript::ScriptEngine* engine = nullptr;
    std::uint64_t stepLimit = 0;

private:
    DWORD m_flags;
};

// A text the engine refuses, with the number and place of its syntax error.
struct RefusedText {
    const char* text;
    std::int32_t number;
    ULONG line;
    std::int32_t column;
};

inline void expectRefused(std::initializer_list<RefusedText> cases)
{
    for (const RefusedText& c : cases) {
        ScriptRun script;
        EXPECT_EQ(script.run(QString::fromLatin1(c.text)), OLESCRIPT_E_SYNTAX) << c.text;
        ASSERT_TRUE(script.site.error) << c.text;
        EXPECT_EQ(script.site.error->number, c.number) << c.text;
        EXPECT_EQ(script.site.error->line, c.line) << c.text;
        EXPECT_EQ(script.site.error->column, c.column) << c.text;
    }
}
