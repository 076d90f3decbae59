#include "tables/DatasheetExpr.h"

#include "data/OdbcType.h"
#include "logic/ExprScript.h"

#include <optional>

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
    return ruleVerdict(EvaluateExpression(caller, *expression, recordOffset, ExprKind::FieldRule));
}
