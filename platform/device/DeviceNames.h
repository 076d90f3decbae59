#pragma once
// What the program on the device calls its places: the environment variable that moves the device root,
// and its own folder in the user's data folder, where the system folder lives. Every program gives them
// before its first path (each copy of this layer, a component library's too); until then there is no
// root variable and the system folder is the root's own "Windows".
#include <QByteArray>
#include <QString>

namespace device {

struct Names {
    QByteArray rootVariable;
    QString dataFolder;
};
void setNames(const Names& names);

// The root variable's value as the environment holds it now, null when unset: cheap enough to ask before
// every statement, to notice that the root moved.
const char* rootVariableValue();

} // namespace device
