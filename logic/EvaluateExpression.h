#pragma once
// Evaluates a user's expression over the database's records through the script host.
#include <QString>

#include <cstdint>

class CAppContext;

// Who asks for an evaluation: the context its field references are read through, and the record
// number and record count that RECNUM() and RECCOUNT() return during the run.
struct ExprCaller {
    CAppContext& context;
    std::int32_t recordNumber = 0;
    std::int32_t recordCount = 0;
};

struct ExprResult {
    // The script's result: "-1" and "0" for true and false, other values in their text form.
    QString text;
    bool scriptError = false;
    // What the engine said of the script's error; empty when it had none or never ran.
    QString errorText = {};
};

// Rewrites, wraps and runs `expr` with the values of the record `recordOffset` records after each looked-up
// table's first. `restoreLogicalWords` puts And, Or and Not back for conditions; calculations leave "&" as
// the script's concatenation. An expression too long to rewrite is refused with a message and reported
// as a script error.
ExprResult EvaluateExpression(const ExprCaller& caller, const QString& expr, int recordOffset,
                              bool restoreLogicalWords);
