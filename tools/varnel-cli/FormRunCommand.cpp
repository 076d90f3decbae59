// varnel-cli form run: a form driven without a window, command by command, as the view would drive it.
#include "CliCommands.h"
#include "CliDatabase.h"
#include "ConsoleForm.h"

#include "data/Settings.h"
#include "forms/runtime/FormSession.h"
#include "platform/framework/Prompts.h"

#include <QTextStream>

#include <functional>
#include <map>

namespace {

int usage()
{
    QTextStream(stderr) << "usage: varnel-cli " << kFormRunUsage << "\n";
    return 2;
}

// One command of the list: how many arguments it takes and what it does with them. False when an
// argument names nothing the form has.
struct Command {
    int arguments;
    std::function<bool(FormSession&, const QStringList&)> run;
};

int controlNamed(FormSession& form, const QString& name)
{
    const int index = form.controlIndex(name);
    if (index < 0)
        QTextStream(stderr) << "error: the form has no control named " << name << "\n";
    return index;
}

// The prompt's answer for the filter command; the form asks for it as the user would be asked.
QString g_promptAnswer;

const std::map<QString, Command>& commands()
{
    auto simple = [](void (FormSession::*operation)()) {
        return Command{0, [operation](FormSession& form, const QStringList&) {
                           (form.*operation)();
                           return true;
                       }};
    };
    auto tick = [](bool ticked) {
        return Command{1, [ticked](FormSession& form, const QStringList& a) {
                           const int control = controlNamed(form, a[0]);
                           if (control >= 0)
                               form.setTicked(control, ticked);
                           return control >= 0;
                       }};
    };
    static const std::map<QString, Command> all = {
        {"first", simple(&FormSession::firstRecord)},
        {"next", simple(&FormSession::nextRecord)},
        {"previous", simple(&FormSession::previousRecord)},
        {"last", simple(&FormSession::lastRecord)},
        {"unfilter", simple(&FormSession::removeFilter)},
        {"goto", {1, [](FormSession& form, const QStringList& a) {
                      form.goToRecord(a[0].toInt());
                      return true;
                  }}},
        {"new", {0, [](FormSession& form, const QStringList&) {
                     form.newRecord();
                     return true;
                 }}},
        {"save", {0, [](FormSession& form, const QStringList&) {
                      form.saveCurrentRecord();
                      return true;
                  }}},
        {"delete", {0, [](FormSession& form, const QStringList&) {
                        form.deleteCurrentRecord();
                        return true;
                    }}},
        {"show", {0, [](FormSession& form, const QStringList&) {
                      printForm(form);
                      return true;
                  }}},
        {"set", {2, [](FormSession& form, const QStringList& a) {
                     const int control = controlNamed(form, a[0]);
                     if (control >= 0) {
                         form.setFocus(control);
                         form.typeText(control, a[1]);
                     }
                     return control >= 0;
                 }}},
        {"tick", tick(true)},
        {"untick", tick(false)},
        {"filter", {3, [](FormSession& form, const QStringList& a) {
                        const int control = controlNamed(form, a[0]);
                        const bool including = a[1] == QLatin1String("including");
                        if (control < 0 || (!including && a[1] != QLatin1String("excluding")))
                            return false;
                        form.setFocus(control);
                        g_promptAnswer = a[2];
                        including ? form.filterIncluding() : form.filterExcluding();
                        return true;
                    }}},
        {"sort", {2, [](FormSession& form, const QStringList& a) {
                      const int control = controlNamed(form, a[0]);
                      const bool ascending = a[1] == QLatin1String("asc");
                      if (control < 0 || (!ascending && a[1] != QLatin1String("desc")))
                          return false;
                      form.setFocus(control);
                      ascending ? form.sortAscending() : form.sortDescending();
                      return true;
                  }}},
        {"event", {2, [](FormSession& form, const QStringList& a) {
                       const int control = controlNamed(form, a[0]);
                       if (control >= 0)
                           form.raiseEvent(control, a[1]);
                       return control >= 0;
                   }}},
    };
    return all;
}

} // namespace

// varnel-cli form run DATABASE FORM [--answer yes|no] COMMAND...
int runFormRun(const QStringList& arguments)
{
    QStringList args = arguments;
    if (args.size() < 2)
        return usage();
    const QString database = args.takeFirst();
    QString autoSource;
    QString formName = args.takeFirst();
    if (formName == QLatin1String("--auto")) {
        if (args.isEmpty())
            return usage();
        autoSource = args.takeFirst();
    }
    bool answerYes = true;
    if (args.size() >= 2 && args.first() == QLatin1String("--answer")) {
        if (args.at(1) != QLatin1String("yes") && args.at(1) != QLatin1String("no"))
            return usage();
        answerYes = args.at(1) == QLatin1String("yes");
        args.remove(0, 2);
    }
    answerMessagesOnConsole(answerYes);
    framework::setPromptResponder(
        [](const framework::PromptRequest&) { return std::optional<QString>(g_promptAnswer); });

    CAppContext context;
    LoadSettings(context);
    if (!openDatabaseArgument(context, database))
        return 1;
    FormSession form(context);
    const bool opened = autoSource.isEmpty() ? form.openForm(formName) : form.openAutoForm(autoSource);
    if (!opened) {
        consoleOut().flush();
        QTextStream(stderr) << "error: the form " << (autoSource.isEmpty() ? formName : autoSource)
                            << " could not be opened\n";
        return 1;
    }
    while (!args.isEmpty()) {
        const QString name = args.takeFirst();
        const auto command = commands().find(name);
        if (command == commands().end() || args.size() < command->second.arguments) {
            consoleOut().flush();
            QTextStream(stderr) << "error: unknown or incomplete command " << name << "\n";
            return usage();
        }
        const QStringList commandArguments = args.mid(0, command->second.arguments);
        args.remove(0, command->second.arguments);
        if (!command->second.run(form, commandArguments)) {
            consoleOut().flush();
            return 2;
        }
        consoleOut().flush();
    }
    return 0;
}
