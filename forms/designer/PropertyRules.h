#pragma once
// How the property grid offers each property: the choice list of an enumeration or a flag, the colour
// properties painted in their colour, and the kinds a field type suits when a control is bound.
#include <QString>
#include <QStringList>

// The texts an enumerated or Yes/No property offers for that kind; empty for a free value.
QStringList PropertyChoices(int kind, const QString& name);

// The properties whose value is a colour, shown as the cell's background.
bool IsColourProperty(const QString& name);

// What binding a control of `kind` to a Control Source entry ("City - Text") needs, judged from its type.
enum class BindingCheck { Binds, Refused, Ask };
BindingCheck CheckBinding(int kind, const QString& entry);
