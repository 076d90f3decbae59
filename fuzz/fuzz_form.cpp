// A stored form's text: parsed, and what parses is written back and must read the same again.
#include "FuzzSupport.h"

#include "forms/format/CtrlProps.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 16384)
        return 0;
    const ParsedForm parsed = ParseForm(fuzz::text(data, size));
    const std::optional<QString> written = SerialiseForm(parsed.form, parsed.controls);
    if (!written)
        return 0;
    const ParsedForm again = ParseForm(*written);
    if (SerialiseForm(again.form, again.controls) != written)
        std::abort(); // a form written out must read back as itself
    return 0;
}
