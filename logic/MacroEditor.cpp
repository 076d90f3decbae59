#include "logic/MacroEditor.h"

#include "data/CAppContext.h"
#include "data/CatalogueSql.h"
#include "data/MacroRows.h"
#include "logic/MacroActions.h"
#include "platform/framework/MessageBox.h"

#include <algorithm>

namespace {
const QString kOverwrite =
    QStringLiteral("A macro with this name already exists. Continuing will overwrite the existing macro");

void tell(const QString& text) { framework::showMessage(text); }

bool ask(const QString& question)
{
    return framework::showMessage(question, framework::applicationCaption(), framework::Buttons::YesNo,
                                  framework::Icon::Information) == framework::Answer::Yes;
}
} // namespace

MacroEditor::MacroEditor(CAppContext& context) : m_context(context) {}

bool MacroEditor::open(const QString& name)
{
    ContextSql sql(m_context);
    const std::optional<QString> arguments = MacroRows(sql).arguments(name);
    if (!arguments) {
        tell(QStringLiteral("The macro %1 could not be read").arg(name));
        return false;
    }
    m_name = name;
    m_rows = ReadMacroRows(*arguments);
    m_new = false;
    m_modified = false;
    return true;
}

void MacroEditor::insertRow(int row)
{
    // A row without an action is not stored, so it changes nothing yet.
    m_rows.insert(std::clamp(row, 0, int(m_rows.size())), MacroRow());
}

void MacroEditor::removeRow(int row)
{
    if (!validRow(row))
        return;
    m_modified = m_modified || !m_rows[row].action.isEmpty();
    m_rows.removeAt(row);
}

bool MacroEditor::moveRow(int row, int step)
{
    if (!validRow(row) || !validRow(row + step))
        return false;
    m_rows.swapItemsAt(row, row + step);
    m_modified = true;
    return true;
}

void MacroEditor::setAction(int row, const QString& action)
{
    const MacroActionInfo* info = findMacroAction(action);
    if (!validRow(row) || !info || m_rows[row].action == action)
        return;
    // Values of another action mean nothing to this one.
    m_rows[row] = {action, QStringList(int(info->labels.size()), QString())};
    m_modified = true;
}

QStringList MacroEditor::labels(int row) const
{
    const MacroActionInfo* info = validRow(row) ? findMacroAction(m_rows[row].action) : nullptr;
    return info ? info->labels : QStringList();
}

MacroEditor::Tap MacroEditor::tapOf(int row, int argument) const
{
    if (!validRow(row))
        return Tap::Typed;
    const QString& action = m_rows[row].action;
    if (action == QLatin1String("Open Form"))
        return argument == 1 ? Tap::EditMode : Tap::Typed;
    if (action == QLatin1String("Close Form") || action == QLatin1String("Save Record") ||
        action == QLatin1String("Add Record") || action == QLatin1String("Delete Record") ||
        action == QLatin1String("Quit"))
        return Tap::YesNo;
    if (action == QLatin1String("Play Sound"))
        return argument == 0 ? Tap::SoundFile : Tap::Typed;
    if (action == QLatin1String("If") || action == QLatin1String("Else"))
        return Tap::Expression;
    if (action == QLatin1String("Set Field Value"))
        return argument == 1 ? Tap::Expression : Tap::Typed;
    return Tap::Typed;
}

bool MacroEditor::checkAction(int row) const
{
    if (validRow(row) && !m_rows[row].action.isEmpty())
        return true;
    tell(QStringLiteral("You have to choose an action"));
    return false;
}

bool MacroEditor::setValue(int row, int argument, const QString& value)
{
    if (!checkAction(row) || argument < 0 || argument >= m_rows[row].values.size())
        return false;
    const QString refusal = MacroValueRefusal(m_rows[row].action, argument, value);
    if (!refusal.isEmpty()) {
        tell(refusal);
        return false;
    }
    if (m_rows[row].values[argument] != value) {
        m_rows[row].values[argument] = value;
        m_modified = true;
    }
    return true;
}

QString MacroEditor::toggle(int row, int argument)
{
    const Tap tap = tapOf(row, argument);
    if (!validRow(row) || argument >= m_rows[row].values.size() || (tap != Tap::EditMode && tap != Tap::YesNo))
        return QString();
    QString& value = m_rows[row].values[argument];
    if (tap == Tap::EditMode)
        value = value == QLatin1String("ReadOnly") ? QStringLiteral("ReadWrite") : QStringLiteral("ReadOnly");
    else
        value = value == QLatin1String("Yes") ? QStringLiteral("No") : QStringLiteral("Yes");
    m_modified = true;
    return value;
}

bool MacroEditor::otherMacroNamed(const QString& name) const
{
    if (name.isEmpty() || (!m_new && name == m_name))
        return false;
    ContextSql sql(m_context);
    return MacroRows(sql).exists(name);
}

bool MacroEditor::checkName(const QString& name)
{
    if (!otherMacroNamed(name))
        return true;
    if (!ask(kOverwrite))
        return false;
    open(name);
    return true;
}

// Exactly one of Apply Filter's two arguments is needed: it filters by a query or by a condition.
QString MacroEditor::missingArguments() const
{
    for (const MacroRow& row : m_rows) {
        if (row.action == QLatin1String("Apply Filter")) {
            const int given = int(!row.values.value(0).trimmed().isEmpty()) + int(!row.values.value(1).trimmed().isEmpty());
            if (given == 1)
                continue;
            if (given == 2)
                return QStringLiteral("Apply Filter takes either a Query Name or an SQL Filter Condition, not both");
        }
        for (const QString& value : row.values)
            if (value.isEmpty())
                return QStringLiteral("Some arguments have not been specified");
    }
    return QString();
}

bool MacroEditor::writeRow(const QString& row, const QString& name)
{
    QList<MacroRow> rows;
    for (const MacroRow& macroRow : m_rows)
        if (!macroRow.action.isEmpty())
            rows << macroRow;
    return MacroRows::write(m_context, row, {name, MacroEventText(rows), MacroArgumentsText(rows)});
}

bool MacroEditor::save(const QString& name)
{
    if (name.isEmpty()) {
        tell(QStringLiteral("Please give a name for the macro"));
        return false;
    }
    if (const QString missing = missingArguments(); !missing.isEmpty()) {
        tell(missing);
        return false;
    }
    // One row per name: saving over another macro takes over its row, and the row this macro had goes
    // only once that has been written.
    const bool overwrite = otherMacroNamed(name);
    if (overwrite && !ask(kOverwrite))
        return false;
    const QString row = overwrite ? name : m_new ? QString() : m_name;
    if (!writeRow(row, name)) {
        tell(QStringLiteral("The macro could not be saved"));
        return false;
    }
    if (overwrite && !m_new) {
        ContextSql sql(m_context);
        MacroRows(sql).remove(m_name);
    }
    m_name = name;
    m_new = false;
    m_modified = false;
    tell(QStringLiteral("Macro is created Successfully"));
    return true;
}

bool MacroEditor::close(const QString& name)
{
    if (!m_modified || !ask(QStringLiteral("Do you want to save the macro")))
        return true;
    return save(name);
}
