#pragma once
// The catalogue rows macros are read from: the macro itself, the module that runs in its place, the
// forms and stored queries its actions name.
#include <QString>

#include <optional>

class CAppContext;

// The Arguments text of the macro of that name; nullopt unless exactly one row has the name.
std::optional<QString> ReadMacroArguments(CAppContext& context, const QString& name);
// The source of the module of that name; empty when there is none.
QString ReadModuleSource(CAppContext& context, const QString& name);
bool StoredFormExists(CAppContext& context, const QString& name);
// The statement of the stored query of that name; nullopt when there is none.
std::optional<QString> ReadQueryStatement(CAppContext& context, const QString& name);
