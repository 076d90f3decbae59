#pragma once
// The module editor's "Function:" list: what "MyObject" offers a module, with a line that shows how
// each call is written. Choosing an entry only informs; nothing is inserted.
#include <QString>

#include <vector>

struct ModuleFunction {
    QString entry;
    QString description;
};

const std::vector<ModuleFunction>& moduleFunctions();
