#pragma once
// The values that expressions, scripts and their callers share. Scripts run one at a time on the
// user-interface thread, so single process-wide values suffice.
#include <QString>

#include <cstdint>

// What the last script handed to ShowResult.
extern QString g_strScriptResult;
// What RECNUM() and RECCOUNT() return; each caller sets them before an evaluation.
extern std::int32_t g_nRecNum;
extern std::int32_t g_nRecCount;
// The expression builder's text when it last closed.
extern QString g_strBuilderText;
