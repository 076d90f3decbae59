#include "forms/controls/CharacterFilter.h"

#include "data/OdbcType.h"

#include <algorithm>

namespace {
const QChar kBackspace = QChar(0x08);

// The text that stays when the selection is replaced.
QString outsideSelection(const QString& text, int start, int end) { return text.left(start) + text.mid(end); }
} // namespace

int CharacterClassOf(int odbcType)
{
    switch (odbcType) {
    case odbc::Text:
    case odbc::Memo: return CharacterClass::Text;
    case odbc::Integer: return CharacterClass::Integer;
    case odbc::Double: return CharacterClass::Decimal;
    default: return CharacterClass::None;
    }
}

bool AcceptsCharacter(int characterClass, const QString& text, int start, int end, QChar typed)
{
    if (characterClass == CharacterClass::None)
        return false;
    if (typed == kBackspace)
        return true;
    if (characterClass == CharacterClass::Text)
        return typed.isPrint() || typed.isSurrogate();
    if (typed.isDigit() && typed.unicode() < 128)
        return true;
    const QString rest = outsideSelection(text, std::clamp(start, 0, int(text.size())),
                                          std::clamp(end, 0, int(text.size())));
    if (typed == QLatin1Char('-'))
        return start == 0 && !rest.contains(typed);
    if (typed == QLatin1Char('.'))
        return characterClass == CharacterClass::Decimal && !rest.contains(typed);
    return false;
}

QString TypeText(int characterClass, const QString& typed, int maxLength)
{
    QString text;
    for (const QChar c : typed) {
        if (maxLength > 0 && text.size() >= maxLength)
            break;
        if (c != kBackspace && AcceptsCharacter(characterClass, text, int(text.size()), int(text.size()), c))
            text += c;
    }
    return text;
}
