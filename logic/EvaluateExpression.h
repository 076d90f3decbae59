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

// What an expression is evaluated as, which decides how it is rewritten and wrapped.
enum class ExprKind {
    // "&" stays the script's concatenation; an expression holding "if" assigns Result itself.
    Calculation,
    // A condition: And, Or and Not are put back.
    Condition,
    // A field's calculation or default value: always handed to Result (a field named like "Modified"
    // holds "if" without assigning it), and a failed run gives no result rather than an earlier one.
    FieldValue,
    // A field's validation rule, completed with the value: as a field's value, with the logical words
    // put back (whatever their case) and single quotes turned into double quotes.
    FieldRule,
};

// Rewrites, wraps and runs `expr` with the values of the record `recordOffset` records after each looked-up
// table's first. An expression too long to rewrite is reported as a script error; a calculation or a
// condition says so with a message, a field's expression does not, as the datasheet evaluates per cell.
ExprResult EvaluateExpression(const ExprCaller& caller, const QString& expr, int recordOffset, ExprKind kind);
