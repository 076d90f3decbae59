#pragma once
// Internal helpers of the conversion shared by the value's files; not part of the public interface.
#include <QString>

namespace automation::detail {

enum class NumberParse { Ok, Invalid, Overflow };
// Like parseNumber, but tells a malformed text from a well-formed one whose value is out of range.
NumberParse parseNumberText(const QString& text, double& value);
// "True"/"False" in any case, blanks around allowed; false when the text is neither.
bool parseBoolWord(const QString& text, bool& value);
QString formatFloat(float value);
QString formatCurrency(std::int64_t scaledBy10000);

} // namespace automation::detail
