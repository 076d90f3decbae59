#pragma once
// The KeyOptions page without its widgets: the Enter key's move, where the cursor goes on entering a
// field, what the arrows do, and the action each hardware key performs. Each choice is written the
// moment it is made.
#include <QList>
#include <QString>
#include <QStringList>

class KeyOptionsModel {
public:
    enum MoveAfterEnter { NoChoice = 0, DontMove = 1, NextField = 2, NextRecord = 3 };
    enum FieldEntry { SelectEntireField = 1, GotoStart = 2, GotoEnd = 3 };

    struct Row {
        QString hotKey;  // the row's text
        QString key;     // its profile key
        int action = 0;  // an index into the action names
        QString desktopKey; // the keys that press the button on a desktop keyboard
    };

    // `actionNames` are the context's: index n is action n.
    explicit KeyOptionsModel(QStringList actionNames);

    const QStringList& actionNames() const { return m_actionNames; }
    MoveAfterEnter moveAfterEnter() const { return m_move; }
    int fieldEntry() const { return m_fieldEntry; }
    bool arrowsToNextField() const { return m_nextField; }
    bool arrowsToNextCharacter() const { return m_nextCharacter; }
    const QList<Row>& rows() const { return m_rows; }
    // The action's name as a row shows it; an action number outside the list shows as "<None>".
    QString actionText(int action) const;

    void chooseMoveAfterEnter(MoveAfterEnter move);
    void chooseFieldEntry(int entry);
    // Arrows to the next field and to the next character exclude each other: checking one clears the
    // other, in the profile and here.
    void setArrowsToNextField(bool checked);
    void setArrowsToNextCharacter(bool checked);
    void chooseAction(int row, int action);
    // A double tap on a row.
    void clearAction(int row) { chooseAction(row, 0); }
    // "Unmap Buttons In Background" checked: every key performs nothing.
    void unmapAll();

private:
    QStringList m_actionNames;
    MoveAfterEnter m_move = NoChoice;
    int m_fieldEntry = GotoEnd;
    bool m_nextField = false;
    bool m_nextCharacter = false;
    QList<Row> m_rows;
};
