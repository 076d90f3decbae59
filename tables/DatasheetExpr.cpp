#include "tables/DatasheetExpr.h"

#include "data/OdbcType.h"
#include "logic/ExprScript.h"
#include "logic/RunScript.h"
#include "logic/ScriptValues.h"

#include <QRegularExpression>

#include <optional>

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

namespace {


QString quotedText(const QString& value) { return u'"' + QString(value).replace(u'"', QLatin1String("\"\"")) + u'"'; }

// The entered value as a script value of the field's type; empty when the value is not of that type.
std::optional<QString> scriptValue(int odbcType, const QString& value)
{
    if (odbc::isText(odbcType))
        return quotedText(value.isEmpty() ? QStringLiteral("0") : value);
    if (value.isEmpty())
        return QStringLiteral("0");
    if (odbcType == odbc::Boolean)
        return value.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0 ? QStringLiteral("True")
                                                                             : QStringLiteral("False");
    if (odbcType == odbc::DateTime)
        return readsAsDate(value) ? std::optional(scriptDateLiteral(value)) : std::nullopt;
    return readsAsNumber(value) ? std::optional(value) : std::nullopt;
}

// `v` before each comparison sign of `rule` outside quoted text; "<>", "<=" and ">=" are one sign each.
QString valueBeforeEachComparison(const QString& rule, const QString& v)
{
    QString expression;
    bool quoted = false;
    for (qsizetype i = 0; i < rule.size(); ++i) {
        const QChar c = rule[i];
        quoted = quoted != (c == u'"');
        const bool secondOfNotEqual = c == u'>' && i > 0 && rule[i - 1] == u'<';
        if (!quoted && (c == u'<' || c == u'>') && !secondOfNotEqual)
            expression += v + u' ';
        expression += c;
    }
    return expression;
}

} // namespace

std::optional<QString> validationExpression(int odbcType, const QString& rule, const QString& value)
{
    const std::optional<QString> v = scriptValue(odbcType, value);
    if (!v)
        return std::nullopt;
    const bool hasEquals = rule.contains(u'=');
    const bool hasLessOrGreater = rule.contains(u'<') || rule.contains(u'>');
    if (hasEquals && !hasLessOrGreater)
        return *v + rule;
    const bool text = odbc::isText(odbcType);
    if (text && !hasLessOrGreater)
        return rule + QStringLiteral(" = ") + *v;
    if (text && rule.contains(QLatin1String("LEN"), Qt::CaseInsensitive))
        return QStringLiteral("LEN(") + *v + u')' + rule;
    return valueBeforeEachComparison(rule, *v);
}

RuleVerdict ruleVerdict(const ExprResult& result)
{
    if (result.scriptError || result.text.isEmpty())
        return RuleVerdict::Invalid;
    return result.text == QLatin1String("0") ? RuleVerdict::Failed : RuleVerdict::Passed;
}

RuleVerdict checkValidationRule(const ExprCaller& caller, int odbcType, const QString& rule, const QString& value,
                                int recordOffset)
{
    const std::optional<QString> expression = validationExpression(odbcType, rule, value);
    if (!expression)
        return RuleVerdict::Failed;
    return ruleVerdict(evaluateDatasheetExpr(caller, *expression, recordOffset, true));
}
