#pragma once
// A form and an application that record what scripts ask of them, standing in for the form runtime.
#include "data/CAppContext.h"
#include "logic/ScriptForm.h"

#include <QStringList>

class FakeScriptForm : public ScriptForm {
public:
    QStringList controls;
    QStringList calls;
    CAppContext context;

    void closeForm(bool prompt) override { calls << QStringLiteral("close %1").arg(prompt); }
    void nextRecord() override { calls << QStringLiteral("next"); }
    void previousRecord() override { calls << QStringLiteral("previous"); }
    void firstRecord() override { calls << QStringLiteral("first"); }
    void lastRecord() override { calls << QStringLiteral("last"); }
    void applyFilter() override { calls << QStringLiteral("applyFilter"); }
    void removeAllFilters() override { calls << QStringLiteral("removeAllFilters"); }
    void requery() override { calls << QStringLiteral("requery"); }
    void find() override { calls << QStringLiteral("find"); }
    void moveToRecord() override { calls << QStringLiteral("moveTo"); }
    void deleteRecord(bool prompt) override { calls << QStringLiteral("delete %1").arg(prompt); }
    void addRecord(bool prompt) override { calls << QStringLiteral("add %1").arg(prompt); }
    void saveRecord(bool prompt) override { calls << QStringLiteral("save %1").arg(prompt); }
    ExprCaller exprCaller() override { return {context, 3, 9}; }
    int currentRecordOffset() const override { return 2; }
    bool hasControl(const QString& name) const override { return controls.contains(name); }
    void focusControl(const QString& name) override { calls << QStringLiteral("focus ") + name; }
    void setTextBoxText(const QString& name, const QString& text) override
    {
        calls << QStringLiteral("set %1=%2").arg(name, text);
    }
};

// Installed for its lifetime; `form` is the open form when `formOpen` is set.
class FakeScriptApplication : public ScriptApplication {
public:
    FakeScriptApplication() : m_previous(setScriptApplication(this)) {}
    ~FakeScriptApplication() override { setScriptApplication(m_previous); }

    FakeScriptForm form;
    bool formOpen = true;
    QStringList openedForms;

    ScriptForm* currentForm() override { return formOpen ? &form : nullptr; }
    void openForm(const QString& name) override { openedForms << name; }

private:
    ScriptApplication* m_previous;
};
