#pragma once
// The registry's contents in memory: three root keys, each a tree of keys holding named values of type
// string or 32-bit integer. Key and value names compare ignoring case and keep the case they were made with.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace registry {

enum class ValueType : std::uint32_t { String = 1, Integer = 4 };

struct Value {
    ValueType type = ValueType::String;
    QString text;
    std::uint32_t number = 0;
    friend bool operator==(const Value&, const Value&) = default;
};

class Key {
public:
    explicit Key(QString name = QString()) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }

    Key* child(const QString& name);
    const Key* child(const QString& name) const;
    Key& ensureChild(const QString& name, bool* created = nullptr);
    bool removeChild(const QString& name);
    // Sub-keys in name order (ignoring case).
    std::vector<const Key*> children() const;

    const Value* value(const QString& name) const;
    void setValue(const QString& name, const Value& value);
    bool removeValue(const QString& name);
    // Values in the order they were first set; the default value has the empty name.
    const std::vector<std::pair<QString, Value>>& values() const { return m_values; }

private:
    QString m_name;
    std::map<QString, Key> m_children; // by case-folded name
    std::vector<std::pair<QString, Value>> m_values;
};

enum class Root { ClassesRoot, CurrentUser, LocalMachine };

class Tree {
public:
    Tree();

    Key& root(Root which) { return m_roots[static_cast<std::size_t>(which)]; }
    const Key& root(Root which) const { return m_roots[static_cast<std::size_t>(which)]; }

    Key* find(Root which, const QStringList& path);
    const Key* find(Root which, const QStringList& path) const;
    Key& ensure(Root which, const QStringList& path, bool* created = nullptr);

    // The file form, and back. parse() refuses anything but a complete, well-formed file.
    QByteArray serialize() const;
    static std::optional<Tree> parse(const QByteArray& bytes);

private:
    std::array<Key, 3> m_roots;
};

} // namespace registry
