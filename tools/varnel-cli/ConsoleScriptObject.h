#pragma once
// The named item "MyObject" of the console host: ShowResult and Message print, the expression functions
// compute, and the methods that act on a form say that no form is open.
#include "platform/com/interfaces.h"

// A new object with one reference.
IDispatch* createConsoleScriptObject();
