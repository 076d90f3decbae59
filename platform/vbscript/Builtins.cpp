#include "platform/vbscript/Builtins.h"

#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <QHash>

namespace vbscript {

namespace builtins {

bool isMissing(const std::vector<Variant>& args, std::size_t index)
{
    return index >= args.size() || (args[index].vt() == VT_ERROR && args[index].scode() == DISP_E_PARAMNOTFOUND);
}

std::int32_t optionalLong(const std::vector<Variant>& args, std::size_t index, std::int32_t fallback)
{
    return isMissing(args, index) ? fallback : longOf(args[index]);
}

Qt::CaseSensitivity compareMode(const std::vector<Variant>& args, std::size_t index)
{
    switch (optionalLong(args, index, 0)) {
    case 0: return Qt::CaseSensitive;
    case 1: return Qt::CaseInsensitive;
    default: raiseError(error::InvalidCall);
    }
}

} // namespace builtins

namespace {

QHash<QString, const Builtin*> buildIndex()
{
    QHash<QString, const Builtin*> index;
    for (const auto group : {builtins::arrayBuiltins(), builtins::conversionBuiltins(), builtins::dateBuiltins(),
                             builtins::formattingBuiltins(), builtins::mathBuiltins(), builtins::stringBuiltins(),
                             builtins::sandboxBuiltins()}) {
        for (const Builtin& builtin : group)
            index.insert(QString::fromLatin1(builtin.name).toLower(), &builtin);
    }
    return index;
}

} // namespace

const Builtin* findBuiltin(const QString& name)
{
    static const QHash<QString, const Builtin*> index = buildIndex();
    return index.value(name.toLower(), nullptr);
}

} // namespace vbscript
