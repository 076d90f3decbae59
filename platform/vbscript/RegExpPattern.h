#pragma once
// The language's regular expressions over the library's: the pattern syntax where the two differ, and the
// replacement text of RegExp.Replace.
#include <QRegularExpressionMatch>
#include <QString>

namespace vbscript {

// The pattern for QRegularExpression (no options but case). `^` and `$` stand for the ends of the text, or of
// each line with `multiline`; a line ends at \n, \r, U+2028 and U+2029, where `.` does not match either. A
// backslash before a letter of no special meaning stands for the letter, \v is the vertical tab, \uXXXX a
// character, \x takes exactly two hex digits, [] matches nothing and [^] any character.
QString libraryPattern(const QString& pattern, bool multiline);

// The replacement of one match: $1 .. $99 the groups (two digits when the pattern has that many groups),
// $& the match, $` the text before it, $' the text after it, $$ a dollar; any other $ stands for itself.
QString replacementOf(const QString& replacement, const QRegularExpressionMatch& match, const QString& subject);

} // namespace vbscript
