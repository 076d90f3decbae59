#pragma once
// An expression as users write it, turned into one line of script: field references replaced by the
// values of a record, then wrapped so that the script hands its result back.
#include <QString>

class CAppContext;

// The longest expression the rewriting takes once its spaces are gone.
constexpr int kMaxExprLength = 299;

// True when `text` is a decimal number as the script reads one (2, 2.5, .5, 1E3).
bool readsAsNumber(const QString& text);
// True when `text` is a date, a time or both as the script reads them between hash signs.
bool readsAsDate(const QString& text);
// `date` as a script date literal: between hash signs.
QString scriptDateLiteral(const QString& date);

// True when `c` is one of the operator characters; with `append` set the character is also added to `out`.
bool IsExprOperator(QChar c, QString& out, bool append);

// Rewrites `expr` in place: spaces gone, AND/OR/NOT as "&", "|", "!", every Table.Field reference replaced
// by its value in the record `recordOffset` records after the table's first (a date between hash signs),
// numbers and date literals between hash signs kept whole, any other "#" dropped. Returns false,
// leaving `expr` as it was, when the expression is longer than kMaxExprLength without its spaces.
bool ConvertExprToScript(CAppContext& context, QString& expr, int recordOffset);

// Puts the logical words back for the script: "&" as " And ", "|" as " Or ", "!" as " Not ".
void RestoreLogicalWords(QString& script);

// Adds the result protocol: the script ends by handing Result to ShowResult. A text that contains
// "if" is taken to assign Result itself.
void WrapExprScript(QString& script);
