// A macro's stored Arguments text from elsewhere: read action by action as the editor and the interpreter
// read it. Rows whose values the editor would store are written back and must read as themselves.
#include "FuzzSupport.h"

#include "logic/MacroActions.h"
#include "logic/MacroText.h"

#include <cstdlib>

namespace {

// The editor refuses a value that would read back differently; such rows are not expected to survive.
bool storable(const MacroRow& row)
{
    for (int i = 0; i < row.values.size(); ++i)
        if (!MacroValueRefusal(row.action, i, row.values[i]).isEmpty())
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 8192)
        return 0;
    const QString arguments = fuzz::text(data, size);
    const QList<MacroRow> rows = ReadMacroRows(arguments);
    // The form a macro opens first is the first value of its first row when that row opens a form.
    const QString start = !rows.isEmpty() && rows.first().action == QLatin1String("Open Form")
                              ? rows.first().values.value(0)
                              : QString();
    if (MacroStartForm(arguments) != start)
        std::abort();
    for (const MacroRow& row : rows) {
        const MacroActionInfo* info = findMacroAction(row.action);
        if (row.action.isEmpty() || row.values.size() != (info ? info->labels.size() : 0))
            std::abort(); // every row read has its action and one value per label
        if (!storable(row))
            return 0;
    }
    const QString written = MacroArgumentsText(rows);
    const QList<MacroRow> again = ReadMacroRows(written);
    if (again.size() != rows.size())
        std::abort();
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (again[i].action != rows[i].action || again[i].values != rows[i].values)
            std::abort(); // what the editor writes reads back as itself
    if (MacroArgumentsText(again) != written)
        std::abort();
    return 0;
}
