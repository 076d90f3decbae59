// varnel-cli macro: a stored macro printed as the interpreter reads it, or run over a form without a
// window, as the database window or a control's event would run it.
#include "CliCommands.h"
#include "CliDatabase.h"
#include "ConsoleForm.h"

#include "data/Settings.h"
#include "forms/runtime/FormSession.h"
#include "logic/MacroActions.h"
#include "data/CatalogueSql.h"
#include "data/MacroRows.h"
#include "logic/MacroText.h"
#include "logic/RunMacro.h"
#include "platform/framework/MessageBox.h"

#include <QTextStream>

namespace {

int usage() { return usageError(kMacroUsage); }

bool openDatabase(CAppContext& context, const QString& argument)
{
    LoadSettings(context);
    return openDatabaseArgument(context, argument);
}

int showMacro(CAppContext& context, const QString& name)
{
    ContextSql sql(context);
    const std::optional<QString> arguments = MacroRows(sql).arguments(name);
    if (!arguments) {
        QTextStream(stderr) << "error: there is no macro named " << name << "\n";
        return 1;
    }
    for (const MacroRow& row : ReadMacroRows(*arguments)) {
        consoleOut() << row.action;
        if (const MacroActionInfo* info = findMacroAction(row.action))
            for (int i = 0; i < info->labels.size(); ++i)
                consoleOut() << '\t' << info->labels[i] << '=' << row.values.value(i);
        consoleOut() << '\n';
    }
    return 0;
}

// As the database window runs it: the form its first action opens, and then the macro on that form.
bool startForm(CAppContext& context, FormSession& form, const QString& name)
{
    ContextSql sql(context);
    const QString formName = MacroStartForm(MacroRows(sql).arguments(name).value_or(QString()));
    if (formName.isEmpty()) {
        framework::showMessage(QStringLiteral("Cannot execute the macro. No form is open."),
                               framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
        return false;
    }
    if (!form.openForm(formName)) {
        framework::showMessage(MacroStopText(name, 1, QStringLiteral("Open Form"),
                                             QStringLiteral("there is no form named %1").arg(formName)),
                               framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
        return false;
    }
    return true;
}

int runMacro(CAppContext& context, const QString& name, const QString& formName)
{
    FormSession form(context);
    if (formName.isEmpty() ? !startForm(context, form, name) : !form.openForm(formName)) {
        consoleOut().flush();
        if (!formName.isEmpty())
            QTextStream(stderr) << "error: there is no form named " << formName << "\n";
        return 1;
    }
    form.runMacro(name);
    if (form.isOpen())
        printForm(form);
    else
        consoleOut() << "no form is open\n";
    consoleOut().flush();
    return 0;
}

} // namespace

// varnel-cli macro show DATABASE MACRO | macro run DATABASE MACRO [--answer yes|no] [--form FORM]
int runMacro(const QStringList& arguments)
{
    QStringList args = arguments;
    if (args.size() < 3 || (args[0] != QLatin1String("show") && args[0] != QLatin1String("run")))
        return usage();
    const bool show = args.takeFirst() == QLatin1String("show");
    const QString database = args.takeFirst();
    const QString name = args.takeFirst();
    bool answerYes = true;
    QString formName;
    while (!show && args.size() >= 2) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QLatin1String("--answer") && (value == QLatin1String("yes") || value == QLatin1String("no")))
            answerYes = value == QLatin1String("yes");
        else if (option == QLatin1String("--form"))
            formName = value;
        else
            return usage();
    }
    if (!args.isEmpty())
        return usage();
    answerMessagesOnConsole(answerYes);
    CAppContext context;
    if (!openDatabase(context, database))
        return 1;
    return show ? showMacro(context, name) : runMacro(context, name, formName);
}
