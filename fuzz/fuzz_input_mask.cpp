// The input mask walker: the text up to the first line end is the mask, the rest is what the user does,
// a character typed or, for the control bytes 1 to 4, erasing backwards or forwards and moving the caret.
#include "FuzzSupport.h"

#include "tables/masks/InputMask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 2048)
        return 0;
    const QString input = fuzz::text(data, size);
    const qsizetype end = input.indexOf(QLatin1Char('\n'));
    const QString maskText = end < 0 ? input : input.left(end);
    const QString actions = end < 0 ? QString() : input.mid(end + 1);
    MaskedText text(InputMask::fromProperty(maskText));
    for (const QChar action : actions) {
        switch (action.unicode()) {
        case 1: text.erasePrevious(); break;
        case 2: text.eraseNext(); break;
        case 3: text.setCaret(0); break;
        case 4: text.erase(0, text.display().size()); break;
        default: text.type(action);
        }
    }
    MaskedText(InputMask::fromProperty(maskText), text.stored()).display();
    InputMask::plainNumber(text.display());
    return 0;
}
