#include "logic/EvaluateExpression.h"

#include "logic/ExprScript.h"
#include "logic/RunScript.h"
#include "logic/ScriptValues.h"
#include "platform/framework/MessageBox.h"

#include <QRegularExpression>

namespace {

// The rewriting knows the logical words in capitals only, and takes the blanks around them away: a rule
// written ">0 And <100" would become the one word "0And". Outside quoted text every whole-word And, Or
// and Not is therefore written in capitals first.
QString capitalLogicalWords(const QString& rule)
{
    static const QRegularExpression word(QStringLiteral("\\b(and|or|not)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QStringList pieces = rule.split(QLatin1Char('"'));
    QStringList result;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QString piece = pieces[i];
        if (i % 2 == 0) {
            QRegularExpressionMatchIterator matches = word.globalMatch(piece);
            while (matches.hasNext()) {
                const QRegularExpressionMatch match = matches.next();
                piece.replace(match.capturedStart(), match.capturedLength(), match.captured().toUpper());
            }
        }
        result << piece;
    }
    return result.join(QLatin1Char('"'));
}

bool isFieldExpression(ExprKind kind) { return kind == ExprKind::FieldValue || kind == ExprKind::FieldRule; }

} // namespace

ExprResult EvaluateExpression(const ExprCaller& caller, const QString& expr, int recordOffset, ExprKind kind)
{
    const OuterRunValues outer;
    g_nRecNum = caller.recordNumber;
    g_nRecCount = caller.recordCount;
    const bool field = isFieldExpression(kind);
    QString script = kind == ExprKind::FieldRule ? capitalLogicalWords(expr) : expr;
    if (!ConvertExprToScript(caller.context, script, recordOffset)) {
        if (field)
            return {QString(), true};
        framework::showMessage(QStringLiteral("The expression is too long: without its spaces it may have at most "
                                              "%1 characters")
                                   .arg(kMaxExprLength),
                               framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
        return {g_strScriptResult, true};
    }
    if (kind == ExprKind::Condition || kind == ExprKind::FieldRule)
        RestoreLogicalWords(script);
    if (kind == ExprKind::FieldRule)
        script.replace(QLatin1Char('\''), QLatin1Char('"'));
    if (field) {
        script = QStringLiteral("Dim Result\nResult =") + script + QStringLiteral("\nShowResult(Result)");
        // A failed script must not hand back the previous run's result as its own.
        g_strScriptResult.clear();
    } else {
        WrapExprScript(script);
    }
    ScriptHost host;
    RunScript(host, script);
    return {host.result, host.scriptError, host.errorText};
}
