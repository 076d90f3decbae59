// Arrays and the functions that turn texts into arrays and back.
#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/OperatorsCoercion.h"

#include <QStringList>

namespace vbscript::builtins {

namespace {

const SafeArray& arrayOf(const Variant& value)
{
    if (value.isNull())
        raiseError(error::InvalidUseOfNull);
    if (!value.isArray())
        raiseError(error::TypeMismatch);
    return value.array();
}

// Join and Filter take only one-dimensional arrays.
const SafeArray& listOf(const Variant& value)
{
    const SafeArray& array = arrayOf(value);
    if (array.bounds.size() != 1)
        raiseError(error::TypeMismatch);
    return array;
}

Variant textArray(const QStringList& texts)
{
    SafeArray array = SafeArray::vector(static_cast<std::int32_t>(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i)
        array.elements[std::size_t(i)] = Variant(texts[i]);
    return Variant(std::move(array));
}

Variant makeArray(std::vector<Variant>& args)
{
    SafeArray array = SafeArray::vector(static_cast<std::int32_t>(args.size()));
    for (std::size_t i = 0; i < args.size(); ++i)
        array.elements[i] = args[i];
    return Variant(std::move(array));
}

const SafeArray::Bound& dimension(std::vector<Variant>& args)
{
    const SafeArray& array = arrayOf(args[0]);
    const std::int32_t which = optionalLong(args, 1, 1);
    if (which < 1 || std::size_t(which) > array.bounds.size())
        raiseError(error::SubscriptOutOfRange);
    return array.bounds[std::size_t(which - 1)];
}

Variant lBound(std::vector<Variant>& args)
{
    return Variant(dimension(args).lower);
}

Variant uBound(std::vector<Variant>& args)
{
    const SafeArray::Bound& bound = dimension(args);
    return Variant(bound.lower + bound.count - 1);
}

// Split(text[, delimiter[, count[, compare]]]): with a count, the last element keeps the unsplit rest.
Variant split(std::vector<Variant>& args)
{
    const QString text = textOf(args[0]);
    const QString delimiter = isMissing(args, 1) ? QStringLiteral(" ") : textOf(args[1]);
    const std::int32_t limit = optionalLong(args, 2, -1);
    if (limit < -1)
        raiseError(error::InvalidCall);
    const Qt::CaseSensitivity mode = compareMode(args, 3);
    QStringList parts;
    if (text.isEmpty() || limit == 0)
        return textArray(parts);
    if (delimiter.isEmpty())
        return textArray({text});
    qsizetype position = 0;
    while (limit == -1 || parts.size() < limit - 1) {
        const qsizetype found = text.indexOf(delimiter, position, mode);
        if (found < 0)
            break;
        parts.append(text.mid(position, found - position));
        position = found + delimiter.size();
    }
    parts.append(text.mid(position));
    return textArray(parts);
}

Variant join(std::vector<Variant>& args)
{
    const SafeArray& list = listOf(args[0]);
    const QString delimiter = isMissing(args, 1) ? QStringLiteral(" ") : textOf(args[1]);
    QStringList texts;
    for (const Variant& element : list.elements)
        texts.append(textOf(element));
    return Variant(texts.join(delimiter));
}

Variant filter(std::vector<Variant>& args)
{
    const SafeArray& list = listOf(args[0]);
    const QString sought = textOf(args[1]);
    const bool include = isMissing(args, 2) || boolOf(args[2]);
    const Qt::CaseSensitivity mode = compareMode(args, 3);
    QStringList kept;
    for (const Variant& element : list.elements) {
        const QString text = textOf(element);
        if (text.contains(sought, mode) == include)
            kept.append(text);
    }
    return textArray(kept);
}

constexpr Builtin table[] = {
    {"Array", 0, 255, makeArray},
    {"LBound", 1, 2, lBound},
    {"UBound", 1, 2, uBound},
    {"Split", 1, 4, split},
    {"Join", 1, 2, join},
    {"Filter", 2, 4, filter},
};

} // namespace

std::span<const Builtin> arrayBuiltins()
{
    return table;
}

} // namespace vbscript::builtins
