#pragma once
// Which typed characters a text box takes, by the character class of the field it is bound to. The
// filter applies to typing only; values the program sets are never filtered.
#include <QString>

namespace CharacterClass {
enum : int {
    None = -1,   // typing is refused (dates, Booleans, pictures...)
    Text = 0,    // every printable character
    Integer = 1, // digits, and one "-" in front
    Decimal = 2, // digits, one ".", and one "-" in front
};
}

// The class of a text box bound to a field of that ODBCType; unbound text boxes are Text.
int CharacterClassOf(int odbcType);

// Whether typing `typed` over the selection [start, end) of `text` is accepted. Backspace (U+0008)
// is accepted by every class but None.
bool AcceptsCharacter(int characterClass, const QString& text, int start, int end, QChar typed);

// What an empty box shows after the whole of `typed` was typed into it character by character:
// refused characters are dropped, and at most `maxLength` characters are taken when it is above 0.
QString TypeText(int characterClass, const QString& typed, int maxLength = 0);
