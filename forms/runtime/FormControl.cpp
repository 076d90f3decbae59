#include "forms/runtime/FormControl.h"

QString FormControl::handler(const QString& eventName) const
{
    for (const auto& [property, handler] : events)
        if (property == eventName)
            return handler;
    return {};
}

namespace {
// The entry of `to` at the place of `text` in `from`; `text` itself when it is not there.
QString counterpart(const QStringList& from, const QStringList& to, const QString& text)
{
    const qsizetype at = from.indexOf(text);
    return at >= 0 && at < to.size() ? to.at(at) : text;
}
} // namespace

QString FormControl::itemOfValue(const QString& value) const { return counterpart(itemValues, items, value); }

QString FormControl::valueOfItem(const QString& text) const { return counterpart(items, itemValues, text); }
