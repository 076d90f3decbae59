#pragma once
// "MyObject"'s expression functions as dispatch methods. Every host of the object (the program and
// the console) lists the same ones, so a script gets the same answers in both.
#include "platform/vbscript/MethodTableDispatch.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace exprfn {

using ScriptArgs = std::vector<Variant>;
using ScriptMethod = vbscript::MethodTableDispatch::Method;

ScriptMethod makeMethod(const char* name, std::vector<VARTYPE> parameters, VARTYPE result,
                        std::function<Variant(const ScriptArgs&)> call);

// MAX to RECCOUNT in the object's order, which gives their dispatch ids; RECNUM and RECCOUNT answer
// what the two callbacks give at the time of the call.
std::vector<ScriptMethod> functionMethods(std::function<std::int32_t()> recordNumber,
                                          std::function<std::int32_t()> recordCount);
// SUM, the object's last method.
ScriptMethod sumMethod();

} // namespace exprfn
