#pragma once
// A module runs as its source stands. A module that does nothing outside its procedures (declarations
// aside) runs instead one of its procedures that take no arguments: the one named as the module, so that
// a module ShowTotal holding Sub ShowTotal does what its name says; else its only one; else the one the
// user picks. Modules with statements of their own run exactly as they always did.
#include "logic/RunScript.h"

#include <QStringList>

#include <functional>

// Cancelled: the user was asked which procedure to run and picked none; nothing ran.
// NothingToRun: the module has no statements outside its procedures and no procedure it could run.
enum class ModuleRun { Ran, NothingToRun, Cancelled };

// Asks which of the procedures (spelt as written) to run; empty when none was picked.
using ProcedureChooser = std::function<QString(const QStringList& procedures)>;

// Without a chooser, a module of several procedures none of which is named as the module runs nothing.
ModuleRun RunModule(ScriptHost& host, const QString& name, const QString& source, const ProcedureChooser& choose = {});
