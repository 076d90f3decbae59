#include "data/DataHistory.h"

#include "data/CAppContext.h"
#include "data/ProfileSettings.h"
#include "platform/cedb/ServerAddress.h"

DataHistory::DataHistory(const CAppContext& context)
    : m_path(context.databasePath()), m_kept(!cedb::isServerAddress(m_path))
{
    look();
}

QString DataHistory::notKeptMessage()
{
    return QStringLiteral("A database on a server keeps no history of its changes: they cannot be undone or redone, "
                          "and Record History and Deleted Records have nothing to show.");
}

void DataHistory::look()
{
    const bool readable = m_kept && !m_path.isEmpty();
    m_undo = readable ? cedb::history::nextUndo(m_path) : std::nullopt;
    m_redo = readable ? cedb::history::nextRedo(m_path) : std::nullopt;
}

QString DataHistory::describe(const cedb::history::Step& step)
{
    return step.records == 1 ? QStringLiteral("%1 (1 record)").arg(step.command)
                             : QStringLiteral("%1 (%2 records)").arg(step.command).arg(step.records);
}

QString DataHistory::undoText() const
{
    if (!m_kept)
        return QStringLiteral("Undo (no history on a server database)");
    return m_undo ? QStringLiteral("Undo ") + describe(*m_undo) : QStringLiteral("Undo");
}

QString DataHistory::redoText() const
{
    if (!m_kept)
        return QStringLiteral("Redo (no history on a server database)");
    return m_redo ? QStringLiteral("Redo ") + describe(*m_redo) : QStringLiteral("Redo");
}

bool DataHistory::undo(int steps)
{
    return move([&] { return cedb::history::undo(m_path, steps, m_message); });
}

bool DataHistory::redo()
{
    return move([&] { return cedb::history::redo(m_path, m_message); });
}

bool DataHistory::move(const std::function<bool()>& step)
{
    m_message = m_kept ? QString() : notKeptMessage();
    const bool done = m_kept && step();
    look();
    return done;
}

void DataHistory::applyKeptLimits()
{
    cedb::history::prune(m_path, profileInt(profile::History, QStringLiteral("KeepDays")),
                         profileInt(profile::History, QStringLiteral("KeepMegabytes")));
    look();
}
