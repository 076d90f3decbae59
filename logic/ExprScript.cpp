#include "logic/ExprScript.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/OdbcType.h"
#include "data/SqlText.h"
#include "platform/automation/variant.h"

#include <QRegularExpression>
#include <QStringView>

namespace {

const QString kSeparators = QStringLiteral("+)(-*//%,><=#&");
const QString kOperators = QStringLiteral("%&()*+,-/<=>");

// "|" and "!" (OR and NOT once replaced) end a token as well: left inside it they would hide the field
// reference next to them, as in A.x>1|A.y>2.
const QString kLogicalMarks = QStringLiteral("|!");

bool isSeparator(QChar c) { return kSeparators.contains(c) || kLogicalMarks.contains(c); }

// Only a plain name goes into the lookup statement, so no token can change what the statement does.
bool isPlainName(QStringView name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (!c.isLetterOrNumber() && c != u'_' && c != u'$')
            return false;
    return true;
}

bool isTextType(int type) { return odbc::isText(odbc::codeOfEngineType(type)); }

// The length of the date literal between hash signs that starts at `pos`, 0 when none starts there.
qsizetype dateLiteralLength(const QString& text, qsizetype pos)
{
    if (text[pos] != u'#')
        return 0;
    const qsizetype close = text.indexOf(u'#', pos + 1);
    return close > pos && readsAsDate(text.mid(pos + 1, close - pos - 1)) ? close - pos + 1 : 0;
}

// Spaces go everywhere but inside date literals, where they part the date from its time.
QString withoutSpaces(const QString& text)
{
    QString result;
    for (qsizetype pos = 0; pos < text.size();) {
        if (const qsizetype length = dateLiteralLength(text, pos)) {
            result += text.mid(pos, length);
            pos += length;
        } else {
            if (text[pos] != u' ')
                result += text[pos];
            ++pos;
        }
    }
    return result;
}

// A script string literal holding `value` exactly: quotes doubled, line breaks joined in as characters
// because a literal cannot span lines.
QString scriptTextLiteral(const QString& value)
{
    if (value.isEmpty())
        return QStringLiteral("\" \"");
    QString literal = value;
    literal.replace(u'"', QLatin1String("\"\""));
    if (!literal.contains(u'\r') && !literal.contains(u'\n'))
        return u'"' + literal + u'"';
    literal.replace(u'\r', QLatin1String("\"+Chr(13)+\""));
    literal.replace(u'\n', QLatin1String("\"+Chr(10)+\""));
    return QStringLiteral("(\"") + literal + QStringLiteral("\")");
}

// The value of table.field in the record `recordOffset`, as script text; empty optional when the
// reference does not resolve.
std::optional<QString> fieldValue(CAppContext& context, const QString& table, const QString& field, int recordOffset)
{
    if (!isPlainName(table) || !isPlainName(field))
        return std::nullopt;
    CDbRecordset recordset(context.connection, context.databasePath());
    if (!recordset.Open(QStringLiteral("Select ") + sqlName(field) + QStringLiteral(" From ") + sqlName(table),
                        CDbRecordset::kForwardOnly, CDbRecordset::kReadOnly))
        return std::nullopt;
    const bool positioned = recordOffset == 0 ? recordset.MoveFirst() : recordset.MoveTo(recordOffset);
    const int type = recordset.GetFieldType(0);
    // A record the offset does not reach has no value: it reads as empty.
    const QString value = positioned && !recordset.IsEOF() ? recordset.GetFieldString(0) : QString();
    recordset.Close();
    if (isTextType(type))
        return scriptTextLiteral(value);
    if (value.isEmpty())
        return QStringLiteral("0");
    return odbc::codeOfEngineType(type) == odbc::DateTime ? scriptDateLiteral(value) : value;
}

QString substitution(CAppContext& context, const QString& token, int recordOffset)
{
    // Cut at its point a number would lose its fraction.
    if (readsAsNumber(token))
        return token;
    const qsizetype point = token.indexOf(u'.');
    const QString table = token.left(point);
    if (point < 0)
        return table;
    const qsizetype nextPoint = token.indexOf(u'.', point + 1);
    const QString field = token.mid(point + 1, nextPoint < 0 ? -1 : nextPoint - point - 1);
    return fieldValue(context, table, field, recordOffset).value_or(table);
}

} // namespace

bool readsAsNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    return number.match(text).hasMatch();
}

bool readsAsDate(const QString& text)
{
    double serial = 0;
    return !text.trimmed().isEmpty() && automation::parseDate(text, serial);
}

QString scriptDateLiteral(const QString& date) { return u'#' + date.trimmed() + u'#'; }

bool IsExprOperator(QChar c, QString& out, bool append)
{
    if (!kOperators.contains(c))
        return false;
    if (append)
        out += c;
    return true;
}

bool ConvertExprToScript(CAppContext& context, QString& expr, int recordOffset)
{
    QString text = withoutSpaces(expr);
    if (text.size() > kMaxExprLength)
        return false;
    text.replace(QLatin1String("AND"), QLatin1String("&"));
    text.replace(QLatin1String("OR"), QLatin1String("|"));
    text.replace(QLatin1String("NOT"), QLatin1String("!"));

    QString rebuilt;
    for (qsizetype pos = 0; pos < text.size();) {
        if (const qsizetype length = dateLiteralLength(text, pos)) {
            rebuilt += text.mid(pos, length);
            pos += length;
            continue;
        }
        if (isSeparator(text[pos])) {
            // Operators stay as they stand (so do the pairs <>, <= and >=); a "#" outside a date literal
            // is dropped.
            if (!IsExprOperator(text[pos], rebuilt, true) && kLogicalMarks.contains(text[pos]))
                rebuilt += text[pos];
            ++pos;
            continue;
        }
        qsizetype end = pos;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        rebuilt += substitution(context, text.mid(pos, end - pos), recordOffset);
        pos = end;
    }
    expr = rebuilt;
    return true;
}

void RestoreLogicalWords(QString& script)
{
    script.replace(u'&', QLatin1String(" And "));
    script.replace(u'|', QLatin1String(" Or "));
    script.replace(u'!', QLatin1String(" Not "));
}

void WrapExprScript(QString& script)
{
    const QString resultLine = QStringLiteral("\nShowResult(Result)");
    if (script.contains(QLatin1String("if")))
        script += resultLine;
    else
        script = QStringLiteral("Dim Result\nResult =") + script + resultLine;
}
