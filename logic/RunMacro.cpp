#include "logic/RunMacro.h"

#include "data/CAppContext.h"
#include "data/CDbCommand.h"
#include "data/CatalogueSql.h"
#include "data/FormRows.h"
#include "data/MacroRows.h"
#include "data/ModuleRows.h"
#include "data/QueryStore.h"
#include "logic/EvaluateExpression.h"
#include "logic/FilterCondition.h"
#include "logic/MacroActions.h"
#include "logic/MacroForm.h"
#include "logic/MacroText.h"
#include "logic/RunModule.h"
#include "platform/device/DevicePath.h"
#include "platform/device/Sound.h"
#include "platform/framework/MessageBox.h"

#include <QFileInfo>
#include <QHash>

namespace {

// How many runs are in progress, one inside the other.
int g_depth = 0;

class ChainLink {
public:
    ChainLink() { ++g_depth; }
    ~ChainLink() { --g_depth; }
    ChainLink(const ChainLink&) = delete;
    ChainLink& operator=(const ChainLink&) = delete;
};

// While a handler runs, the form that raised the event is the one its scripts act on; opening another
// form is still the application's business.
class EventApplication : public ScriptApplication {
public:
    explicit EventApplication(ScriptForm& form) : m_form(form), m_previous(setScriptApplication(this)) {}
    ~EventApplication() override { setScriptApplication(m_previous); }
    EventApplication(const EventApplication&) = delete;
    EventApplication& operator=(const EventApplication&) = delete;

    ScriptForm* currentForm() override { return &m_form; }
    void openForm(const QString& name) override
    {
        if (m_previous)
            m_previous->openForm(name);
    }

private:
    ScriptForm& m_form;
    ScriptApplication* m_previous;
};

bool ask(const QString& question)
{
    return framework::showMessage(question, QString(), framework::Buttons::YesNo, framework::Icon::Information) ==
           framework::Answer::Yes;
}

bool isYes(const QString& value) { return value == QLatin1String("Yes"); }

class MacroRun {
public:
    MacroRun(CAppContext& context, MacroForm& form, const QString& name, int control)
        : m_context(context), m_form(form), m_name(name), m_control(control)
    {
    }

    void run(const QString& arguments);

private:
    enum class Next { Continue, End };
    using Action = Next (MacroRun::*)(const QStringList& values);
    struct Entry {
        Action run = nullptr;
        // Acts on the form, so it cannot run once the form is closed.
        bool onForm = true;
    };
    static const QHash<QString, Entry>& actions();

    Next step(const QString& action, const QStringList& values);
    Next stop(const QString& reason);
    Next invalidName(const QString& text);
    Next unsaved() { return stop(QStringLiteral("the current record could not be saved")); }
    // The result of an expression at the form's current record; nullopt (after stopping) when it failed.
    std::optional<QString> evaluate(const QString& expression);

    Next openForm(const QStringList& values);
    Next closeForm(const QStringList& values);
    Next saveRecord(const QStringList& values);
    Next addRecord(const QStringList& values);
    Next deleteRecord(const QStringList& values);
    Next message(const QStringList& values);
    Next move(void (ScriptForm::*operation)());
    Next nextRecord(const QStringList&) { return move(&ScriptForm::nextRecord); }
    Next previousRecord(const QStringList&) { return move(&ScriptForm::previousRecord); }
    Next firstRecord(const QStringList&) { return move(&ScriptForm::firstRecord); }
    Next lastRecord(const QStringList&) { return move(&ScriptForm::lastRecord); }
    Next moveTo(const QStringList& values);
    Next setFieldValue(const QStringList& values);
    Next setFocus(const QStringList& values);
    Next refreshList(const QStringList& values);
    Next playSound(const QStringList& values);
    Next findRecord(const QStringList& values);
    Next findNext(const QStringList& values);
    Next quit(const QStringList& values);
    Next requery(const QStringList& values);
    Next applyFilter(const QStringList& values);
    Next removeAllFilters(const QStringList& values);

    CAppContext& m_context;
    MacroForm& m_form;
    QString m_name;
    int m_control;
    int m_row = 0;
    QString m_action;
};

const QHash<QString, MacroRun::Entry>& MacroRun::actions()
{
    static const QHash<QString, Entry> all = {
        {QStringLiteral("Open Form"), {&MacroRun::openForm, false}},
        {QStringLiteral("Close Form"), {&MacroRun::closeForm}},
        {QStringLiteral("Save Record"), {&MacroRun::saveRecord}},
        {QStringLiteral("Add Record"), {&MacroRun::addRecord}},
        {QStringLiteral("Delete Record"), {&MacroRun::deleteRecord}},
        {QStringLiteral("Message"), {&MacroRun::message, false}},
        {QStringLiteral("Next Record"), {&MacroRun::nextRecord}},
        {QStringLiteral("Previous Record"), {&MacroRun::previousRecord}},
        {QStringLiteral("First Record"), {&MacroRun::firstRecord}},
        {QStringLiteral("Last Record"), {&MacroRun::lastRecord}},
        {QStringLiteral("Move to"), {&MacroRun::moveTo}},
        {QStringLiteral("Set Field Value"), {&MacroRun::setFieldValue}},
        {QStringLiteral("Set Focus"), {&MacroRun::setFocus}},
        {QStringLiteral("Refresh List"), {&MacroRun::refreshList}},
        {QStringLiteral("Play Sound"), {&MacroRun::playSound, false}},
        {QStringLiteral("Find Record"), {&MacroRun::findRecord}},
        {QStringLiteral("Find Next"), {&MacroRun::findNext, false}},
        {QStringLiteral("Quit"), {&MacroRun::quit}},
        {QStringLiteral("Requery"), {&MacroRun::requery}},
        {QStringLiteral("Apply Filter"), {&MacroRun::applyFilter}},
        {QStringLiteral("Remove All Filters"), {&MacroRun::removeAllFilters}},
    };
    return all;
}

void MacroRun::run(const QString& arguments)
{
    QString rest = arguments;
    QString field;
    for (QString action = NextMacroAction(rest, field); !action.isEmpty(); action = NextMacroAction(rest, field)) {
        ++m_row;
        m_action = action;
        const MacroActionInfo* info = findMacroAction(action);
        if (!info)
            continue;
        if (step(action, MacroArgumentValues(field, int(info->labels.size()))) == Next::End)
            break;
    }
    // A block the macro left open ends with it.
    MacroIfState& state = m_form.macroIfState();
    if (state.open && state.owner == g_depth)
        state = MacroIfState();
}

// If, Else and EndIf shape which rows run: the rows between If and Else when the condition is exactly
// "-1", those between Else and EndIf when it is not. The form view keeps one block at a time, so an If
// inside a block is refused rather than run as if it were not there.
MacroRun::Next MacroRun::step(const QString& action, const QStringList& values)
{
    MacroIfState& state = m_form.macroIfState();
    const bool ours = state.open && state.owner == g_depth;
    if (action == QLatin1String("If")) {
        if (state.open)
            return stop(QStringLiteral("an If block is already open, and If blocks do not nest"));
        const std::optional<QString> result = evaluate(values.value(0));
        if (!result)
            return Next::End;
        // The evaluation may have run events that changed the form's state.
        m_form.macroIfState() = {true, false, *result == QLatin1String("-1"), g_depth};
        return Next::Continue;
    }
    if (action == QLatin1String("Else")) {
        if (!ours || state.inElse)
            return stop(QStringLiteral("there is no If block for it to continue"));
        state.inElse = true;
        return Next::Continue;
    }
    if (action == QLatin1String("EndIf")) {
        if (!ours)
            return stop(QStringLiteral("there is no If block for it to end"));
        state = MacroIfState();
        return Next::Continue;
    }
    if (ours && state.condition == state.inElse)
        return Next::Continue;
    const Entry entry = actions().value(action);
    if (!entry.run)
        return Next::Continue;
    if (entry.onForm && !m_form.isOpen())
        return stop(QStringLiteral("no form is open"));
    return (this->*entry.run)(values);
}

MacroRun::Next MacroRun::stop(const QString& reason)
{
    framework::showMessage(MacroStopText(m_name, m_row, m_action, reason), framework::applicationCaption(),
                           framework::Buttons::Ok, framework::Icon::Information);
    return Next::End;
}

MacroRun::Next MacroRun::invalidName(const QString& text)
{
    framework::showMessage(text, framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
    return Next::End;
}

std::optional<QString> MacroRun::evaluate(const QString& expression)
{
    const ExprResult result =
        EvaluateExpression(m_form.exprCaller(), expression, m_form.currentRecordOffset(), ExprKind::Condition);
    if (!result.scriptError)
        return result.text;
    stop(QStringLiteral("the expression %1 could not be evaluated").arg(expression));
    return std::nullopt;
}

MacroRun::Next MacroRun::openForm(const QStringList& values)
{
    const QString name = values.value(0);
    ContextSql sql(m_context);
    if (!FormRows(sql).exists(name))
        return stop(QStringLiteral("there is no form named %1").arg(name));
    // Loading a form clears the view's If state; the block this macro is in goes on in the same view.
    const MacroIfState state = m_form.macroIfState();
    m_form.openForm(name);
    m_form.macroIfState() = state;
    // The control that started the macro went with the form it was on.
    m_control = -1;
    return Next::Continue;
}

MacroRun::Next MacroRun::closeForm(const QStringList& values)
{
    if (isYes(values.value(0)) && !ask(QStringLiteral("Do you want to close the current form ?")))
        return Next::End;
    if (!m_form.settleRecord())
        return unsaved();
    m_form.closeForm(false);
    return Next::Continue;
}

MacroRun::Next MacroRun::saveRecord(const QStringList& values)
{
    if (isYes(values.value(0)) && !ask(QStringLiteral("Do you want to save the current record?")))
        return Next::End;
    return m_form.settleRecord() ? Next::Continue : unsaved();
}

MacroRun::Next MacroRun::addRecord(const QStringList& values)
{
    if (isYes(values.value(0)) && !ask(QStringLiteral("Do you want to add a record?")))
        return Next::End;
    m_form.addRecord(false);
    return m_form.isAdding() ? Next::Continue : stop(QStringLiteral("no record was added"));
}

MacroRun::Next MacroRun::deleteRecord(const QStringList& values)
{
    if (isYes(values.value(0)) && !ask(QStringLiteral("Do you want to delete this record?")))
        return Next::End;
    const int count = m_form.recordCount();
    if (count == 0)
        return stop(QStringLiteral("there is no record to delete"));
    m_form.deleteRecord(false);
    return m_form.recordCount() < count ? Next::Continue : stop(QStringLiteral("the record was not deleted"));
}

MacroRun::Next MacroRun::message(const QStringList& values)
{
    framework::showMessage(values.value(0));
    if (m_control >= 0 && m_form.isOpen())
        m_form.setFocus(m_control);
    return Next::Continue;
}

MacroRun::Next MacroRun::move(void (ScriptForm::*operation)())
{
    if (!m_form.settleRecord())
        return unsaved();
    (m_form.*operation)();
    return Next::Continue;
}

MacroRun::Next MacroRun::moveTo(const QStringList& values)
{
    bool isNumber = false;
    const int number = values.value(0).trimmed().toInt(&isNumber);
    if (!isNumber)
        return stop(QStringLiteral("the record number %1 is not a number").arg(values.value(0)));
    if (number < 1 || number > m_form.recordCount())
        return stop(QStringLiteral("there is no record %1").arg(number));
    return m_form.goToRecord(number) ? Next::Continue : unsaved();
}

MacroRun::Next MacroRun::setFieldValue(const QStringList& values)
{
    const std::optional<QString> value = evaluate(values.value(1));
    if (!value)
        return Next::End;
    if (!m_form.hasControl(values.value(0)))
        return invalidName(QStringLiteral("Invalid Name specified in the macro"));
    m_form.setTextBoxText(values.value(0), *value);
    return Next::Continue;
}

MacroRun::Next MacroRun::setFocus(const QStringList& values)
{
    if (!m_form.hasControl(values.value(0)))
        return invalidName(QStringLiteral("Invalid Name specified in the macro"));
    m_form.focusControl(values.value(0));
    return Next::Continue;
}

MacroRun::Next MacroRun::refreshList(const QStringList& values)
{
    const QString name = values.value(0);
    if (!name.isEmpty() && !m_form.hasControl(name))
        return invalidName(QStringLiteral("Invalid name specified in the macro"));
    m_form.requery();
    return Next::Continue;
}

// The first argument holds the file the editor's chooser picked.
MacroRun::Next MacroRun::playSound(const QStringList& values)
{
    const QString path = values.value(0);
    const std::optional<QString> host = device::toHostPath(path);
    if (path.isEmpty() || !host || !QFileInfo(*host).isFile())
        return stop(QStringLiteral("the sound file %1 does not exist").arg(path));
    return device::playSoundSync(path) ? Next::Continue
                                       : stop(QStringLiteral("the sound file %1 could not be played").arg(path));
}

MacroRun::Next MacroRun::findRecord(const QStringList& values)
{
    auto is = [](const QString& value, std::initializer_list<const char*> words) {
        for (const char* word : words)
            if (value.trimmed().compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    if (!m_form.settleRecord())
        return unsaved();
    MacroFind find;
    find.text = values.value(0);
    find.wholeField = is(values.value(1), {"Whole Field", "Whole Word", "Whole"});
    find.matchCase = isYes(values.value(2));
    find.direction = is(values.value(3), {"Up"})     ? MacroFind::Direction::Up
                     : is(values.value(3), {"Down"}) ? MacroFind::Direction::Down
                                                     : MacroFind::Direction::All;
    find.field = values.value(4).trimmed();
    find.fromFirst = is(values.value(5), {"First", "First Record", "Beginning"});
    switch (m_form.findRecord(find)) {
    case MacroForm::FindOutcome::Found:
    case MacroForm::FindOutcome::NotFound: return Next::Continue;
    case MacroForm::FindOutcome::NoField: break;
    }
    return stop(find.field.isEmpty() ? QStringLiteral("no field was named and none has the focus")
                                     : QStringLiteral("the form's records have no field %1").arg(find.field));
}

MacroRun::Next MacroRun::findNext(const QStringList&)
{
    framework::showMessage(QStringLiteral("Not Implemented yet"));
    return Next::Continue;
}

MacroRun::Next MacroRun::quit(const QStringList&)
{
    if (!m_form.settleRecord())
        return unsaved();
    m_form.closeForm(false);
    return Next::End;
}

MacroRun::Next MacroRun::requery(const QStringList&)
{
    m_form.requery();
    return Next::Continue;
}

MacroRun::Next MacroRun::applyFilter(const QStringList& values)
{
    const QString query = values.value(0).trimmed();
    const QString condition = values.value(1).trimmed();
    if (!query.isEmpty() && !condition.isEmpty())
        return stop(QStringLiteral("it names both a query and a filter condition"));
    if (!query.isEmpty()) {
        const std::optional<StoredQuery> stored = QueryStore(m_context).find(query);
        if (!stored)
            return stop(QStringLiteral("there is no query named %1").arg(query));
        return m_form.showQueryRecords(stored->statement)
                   ? Next::Continue
                   : stop(QStringLiteral("the query %1 does not give the form's fields").arg(query));
    }
    if (!condition.isEmpty()) {
        const QString refusal = FilterConditionRefusal(condition);
        if (!refusal.isEmpty())
            return stop(refusal);
        return m_form.filterWhere(condition)
                   ? Next::Continue
                   : stop(QStringLiteral("the records could not be filtered on %1").arg(condition));
    }
    m_form.applyFilter();
    return Next::Continue;
}

MacroRun::Next MacroRun::removeAllFilters(const QStringList&)
{
    m_form.removeAllFilters();
    return Next::Continue;
}

} // namespace

QString MacroStopText(const QString& macro, int row, const QString& action, const QString& reason)
{
    return QStringLiteral("The macro %1 stopped at row %2, %3: %4.").arg(macro, QString::number(row), action, reason);
}

void RunMacro(CAppContext& context, MacroForm& form, const QString& name, int control)
{
    if (g_depth >= kMacroChainLimit) {
        framework::showMessage(QStringLiteral("The macro %1 did not run: macros started by one another's events "
                                              "went deeper than %2.")
                                   .arg(name, QString::number(kMacroChainLimit)),
                               framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
        return;
    }
    ChainLink link;
    EventApplication application(form);
    // What a macro or module writes, through every save it makes, is one step of the history.
    CDbCommand command(context, QStringLiteral("Macro %1").arg(name));
    ContextSql sql(context);
    if (const std::optional<QString> arguments = MacroRows(sql).arguments(name)) {
        MacroRun(context, form, name, control).run(*arguments);
        return;
    }
    const QString source = ModuleRows(sql).source(name).value_or(QString());
    if (source.isEmpty())
        return;
    ScriptHost host;
    RunModule(host, name, source);
}
