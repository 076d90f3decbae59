#include "tables/DatasheetExpr.h"

#include "logic/ExprScript.h"
#include "logic/RunScript.h"
#include "logic/ScriptValues.h"

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

} // namespace

ExprResult evaluateDatasheetExpr(const ExprCaller& caller, const QString& expr, int recordOffset, bool forRule)
{
    g_nRecNum = caller.recordNumber;
    g_nRecCount = caller.recordCount;
    QString script = forRule ? capitalLogicalWords(expr) : expr;
    if (!ConvertExprToScript(caller.context, script, recordOffset))
        return {QString(), true};
    if (forRule) {
        RestoreLogicalWords(script);
        script.replace(QLatin1Char('\''), QLatin1Char('"'));
    }
    script = QStringLiteral("Dim Result\nResult =") + script + QStringLiteral("\nShowResult(Result)");
    // A failed script must not hand back the previous run's result as its own.
    g_strScriptResult.clear();
    ScriptHost host;
    RunScript(host, script);
    return {g_strScriptResult, host.scriptError};
}

QString validationExpression(int odbcType, const QString& rule, const QString& value)
{
    const QString v = value.isEmpty() ? QStringLiteral("0") : value;
    const bool hasEquals = rule.contains(QLatin1Char('='));
    const bool hasLessOrGreater = rule.contains(QLatin1Char('<')) || rule.contains(QLatin1Char('>'));
    if (odbcType == 12) {
        // Quotes inside the value are doubled so that it stays one script text.
        const QString quoted = QLatin1Char('"') + QString(v).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                               QLatin1Char('"');
        if (hasEquals && !hasLessOrGreater)
            return quoted + rule;
        if (!hasEquals && !hasLessOrGreater)
            return rule + QStringLiteral(" = ") + quoted;
        if (rule.contains(QLatin1String("LEN")) || rule.contains(QLatin1String("Len")) ||
            rule.contains(QLatin1String("len")))
            return QStringLiteral("LEN(") + quoted + QLatin1Char(')') + rule;
        return rule;
    }
    if (hasEquals && !hasLessOrGreater)
        return v + rule;
    // The value goes before each comparison sign; "<>" is one sign, so it gets the value once.
    QString expression;
    for (qsizetype i = 0; i < rule.size(); ++i) {
        const QChar c = rule[i];
        const bool secondOfNotEqual = c == QLatin1Char('>') && i > 0 && rule[i - 1] == QLatin1Char('<');
        if ((c == QLatin1Char('<') || c == QLatin1Char('>')) && !secondOfNotEqual)
            expression += v + QLatin1Char(' ');
        expression += c;
    }
    return expression;
}

RuleVerdict ruleVerdict(const ExprResult& result)
{
    if (result.scriptError || result.text.isEmpty())
        return RuleVerdict::Invalid;
    return result.text == QLatin1String("0") ? RuleVerdict::Failed : RuleVerdict::Passed;
}
