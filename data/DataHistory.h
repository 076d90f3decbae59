#pragma once
// Undo, Redo and the history of the open database's data, as the Edit menu, the history dialogs and
// varnel-cli use them. Refusals come back as the message to show; nothing here shows it.
#include "platform/cedb/History.h"

#include <QString>

#include <functional>

class CAppContext;

class DataHistory {
public:
    explicit DataHistory(const CAppContext& context);

    // A database on a server keeps no history: Undo and Redo say so in their names and refuse with
    // notKeptMessage(), and the history dialogs show that message instead of opening.
    bool kept() const { return m_kept; }
    static QString notKeptMessage();

    // "Undo Replace All in Products (37 records)"; "Undo" when there is nothing to undo.
    QString undoText() const;
    QString redoText() const;
    bool canUndo() const { return m_undo.has_value(); }
    bool canRedo() const { return m_redo.has_value(); }

    bool undo(int steps = 1);
    bool redo();
    const QString& message() const { return m_message; }

    // Forgets what is older or more than the History options keep.
    void applyKeptLimits();

    // A step's name with how many records it changed.
    static QString describe(const cedb::history::Step& step);

private:
    void look();
    bool move(const std::function<bool()>& step);

    QString m_path;
    bool m_kept;
    std::optional<cedb::history::Step> m_undo;
    std::optional<cedb::history::Step> m_redo;
    QString m_message;
};
