#include "data/DataHistory.h"

#include "data/CAppContext.h"
#include "data/ProfileSettings.h"

DataHistory::DataHistory(const CAppContext& context) : m_path(context.databasePath()) { look(); }

void DataHistory::look()
{
    m_undo = m_path.isEmpty() ? std::nullopt : cedb::history::nextUndo(m_path);
    m_redo = m_path.isEmpty() ? std::nullopt : cedb::history::nextRedo(m_path);
}

QString DataHistory::describe(const cedb::history::Step& step)
{
    return step.records == 1 ? QStringLiteral("%1 (1 record)").arg(step.command)
                             : QStringLiteral("%1 (%2 records)").arg(step.command).arg(step.records);
}

QString DataHistory::undoText() const
{
    return m_undo ? QStringLiteral("Undo ") + describe(*m_undo) : QStringLiteral("Undo");
}

QString DataHistory::redoText() const
{
    return m_redo ? QStringLiteral("Redo ") + describe(*m_redo) : QStringLiteral("Redo");
}

bool DataHistory::undo(int steps)
{
    m_message.clear();
    const bool done = cedb::history::undo(m_path, steps, m_message);
    look();
    return done;
}

bool DataHistory::redo()
{
    m_message.clear();
    const bool done = cedb::history::redo(m_path, m_message);
    look();
    return done;
}

void DataHistory::applyKeptLimits()
{
    cedb::history::prune(m_path, profileInt(profile::History, QStringLiteral("KeepDays")),
                         profileInt(profile::History, QStringLiteral("KeepMegabytes")));
    look();
}
