#pragma once
// A module runs as its source stands. A module that does nothing outside its procedures (declarations
// aside) runs instead the procedure named as the module, when it has one that takes no arguments, so that
// a module ShowTotal holding only Sub ShowTotal does what its name says; modules with statements of their
// own run exactly as they always did.
#include "logic/RunScript.h"

enum class ModuleRun { Ran, NothingToRun };

// NothingToRun: the module has no statements outside its procedures and no procedure of its name to run;
// nothing ran.
ModuleRun RunModule(ScriptHost& host, const QString& name, const QString& source);
