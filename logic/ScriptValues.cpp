#include "logic/ScriptValues.h"

QString g_strScriptResult;
std::int32_t g_nRecNum = 0;
std::int32_t g_nRecCount = 0;
QString g_strBuilderText;
