#pragma once
// The named item "MyObject" of the console host: ShowResult and Message print, the expression functions
// compute, and the methods that act on a form say that no form is open.
#include "platform/automation/interfaces.h"

#include <QString>

#include <cstdio>

// The text and a line end, in UTF-8, in order with everything else the script prints.
void printLine(FILE* stream, const QString& text);

// A new object with one reference.
IDispatch* createConsoleScriptObject();
