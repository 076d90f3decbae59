#pragma once
// The stored text of a macro (the Arguments and Event columns of its catalogue row): reading it
// action by action, and writing it from the editor's rows. The format has no escaping, so a value
// that holds a separator is refused before it is stored rather than shifting the actions read back.
#include <QList>
#include <QString>
#include <QStringList>

struct MacroRow {
    QString action;
    // One per label of the action, in stored order.
    QStringList values;
};

// The next action's name, with its argument field in `field`; `rest` keeps what follows for the next
// call. An empty name means the text holds no further action.
QString NextMacroAction(QString& rest, QString& field);
// The next value of an argument field; `field` keeps what follows the value's "=" for the next call.
QString NextMacroArgument(QString& field);
// The values of an argument field as the interpreter reads them, `count` of them.
QStringList MacroArgumentValues(QString field, int count);

// Every action of an Arguments text, each with one value per label of its action (none for a name
// that no action has).
QList<MacroRow> ReadMacroRows(const QString& arguments);
QString MacroEventText(const QList<MacroRow>& rows);
QString MacroArgumentsText(const QList<MacroRow>& rows);

// Why the value cannot be stored as argument `index` of the action (it would change what the text
// reads back as); empty when it can.
QString MacroValueRefusal(const QString& action, int index, const QString& value);

// The form a macro's first action opens, empty when its first action is not "Open Form".
QString MacroStartForm(const QString& arguments);
