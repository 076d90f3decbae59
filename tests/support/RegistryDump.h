#pragma once
#include "platform/registry/RegistryFile.h"

#include <QStringList>

// Every key under a root with its values, one line each: "path" for a key without values,
// "path = text" for a default value, "path [name] = text" for a named one. Lets a test compare a whole
// subtree of the registry at once.
inline QStringList registryDump(registry::Root root = registry::Root::ClassesRoot)
{
    QStringList lines;
    auto visit = [&lines](auto&& self, const registry::Key& key, const QString& path) -> void {
        if (!path.isEmpty() && key.values().empty())
            lines << path;
        for (const auto& [name, value] : key.values()) {
            const QString text =
                value.type == registry::ValueType::Integer ? QString::number(value.number) : value.text;
            lines << (name.isEmpty() ? path : path + QStringLiteral(" [") + name + QLatin1Char(']')) +
                         QStringLiteral(" = ") + text;
        }
        for (const registry::Key* child : key.children())
            self(self, *child, path.isEmpty() ? child->name() : path + QLatin1Char('\\') + child->name());
    };
    registry::readRegistry([&](const registry::Tree& tree) { visit(visit, tree.root(root), QString()); });
    return lines;
}
