#pragma once
// The actions a macro row may hold: the name stored in the macro, the labels of its arguments in
// stored order, and the line the macro editor shows beside it.
#include <QString>
#include <QStringList>

#include <vector>

struct MacroActionInfo {
    QString name;
    QStringList labels;
    QString description;
};

// In the order of the editor's action list; an action's position there is its code.
const std::vector<MacroActionInfo>& macroActions();
// The action of that exact name (case-sensitive), null for a name no action has.
const MacroActionInfo* findMacroAction(const QString& name);
