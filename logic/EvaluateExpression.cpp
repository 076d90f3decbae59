#include "logic/EvaluateExpression.h"

#include "logic/ExprScript.h"
#include "logic/RunScript.h"
#include "logic/ScriptValues.h"
#include "platform/framework/MessageBox.h"

ExprResult EvaluateExpression(const ExprCaller& caller, const QString& expr, int recordOffset,
                              bool restoreLogicalWords)
{
    const OuterRunValues outer;
    g_nRecNum = caller.recordNumber;
    g_nRecCount = caller.recordCount;
    QString script = expr;
    if (!ConvertExprToScript(caller.context, script, recordOffset)) {
        framework::showMessage(QStringLiteral("The expression is too long: without its spaces it may have at most "
                                              "%1 characters")
                                   .arg(kMaxExprLength),
                               framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
        return {g_strScriptResult, true};
    }
    if (restoreLogicalWords)
        RestoreLogicalWords(script);
    WrapExprScript(script);
    ScriptHost host;
    RunScript(host, script);
    return {host.result, host.scriptError, host.errorText};
}
