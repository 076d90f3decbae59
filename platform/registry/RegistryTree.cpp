#include "RegistryTree.h"

#include <QStringDecoder>


namespace registry {

namespace {
const QByteArray kHeader = "VarnelRegistry 1";
const QByteArray kTrailer = "END";
const std::array<QString, 3> kRootNames = {QStringLiteral("HKEY_CLASSES_ROOT"), QStringLiteral("HKEY_CURRENT_USER"),
                                           QStringLiteral("HKEY_LOCAL_MACHINE")};

QString folded(const QString& name)
{
    return name.toCaseFolded();
}

// Names and texts stand on one line each: "%", tab, CR and LF are written as %25, %09, %0D and %0A.
QString escape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

std::optional<QString> unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('%')) {
            out += text[i];
            continue;
        }
        bool ok = false;
        const ushort code = text.mid(i + 1, 2).toUShort(&ok, 16);
        if (!ok || i + 2 >= text.size())
            return std::nullopt;
        out += QChar(code);
        i += 2;
    }
    return out;
}

void writeKey(QString& out, const Key& key, const QString& path)
{
    out += QStringLiteral("K ") + escape(path) + QLatin1Char('\n');
    for (const auto& [name, value] : key.values()) {
        if (value.type == ValueType::String)
            out += QStringLiteral("S ") + escape(name) + QLatin1Char('\t') + escape(value.text) + QLatin1Char('\n');
        else
            out += QStringLiteral("D ") + escape(name) + QLatin1Char('\t') + QString::number(value.number) + QLatin1Char('\n');
    }
    for (const Key* child : key.children())
        writeKey(out, *child, path + QLatin1Char('\\') + child->name());
}

std::optional<Root> rootNamed(const QString& name)
{
    for (std::size_t i = 0; i < kRootNames.size(); ++i)
        if (kRootNames[i] == name)
            return static_cast<Root>(i);
    return std::nullopt;
}
} // namespace

Key* Key::child(const QString& name)
{
    const auto found = m_children.find(folded(name));
    return found == m_children.end() ? nullptr : &found->second;
}

const Key* Key::child(const QString& name) const
{
    return const_cast<Key*>(this)->child(name);
}

Key& Key::ensureChild(const QString& name, bool* created)
{
    const auto [position, inserted] = m_children.try_emplace(folded(name), name);
    if (created)
        *created = inserted;
    return position->second;
}

bool Key::removeChild(const QString& name)
{
    return m_children.erase(folded(name)) > 0;
}

std::vector<const Key*> Key::children() const
{
    std::vector<const Key*> all;
    for (const auto& entry : m_children)
        all.push_back(&entry.second);
    return all;
}

const Value* Key::value(const QString& name) const
{
    for (const auto& entry : m_values)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0)
            return &entry.second;
    return nullptr;
}

void Key::setValue(const QString& name, const Value& value)
{
    for (auto& entry : m_values)
        if (entry.first.compare(name, Qt::CaseInsensitive) == 0) {
            entry.second = value;
            return;
        }
    m_values.emplace_back(name, value);
}

bool Key::removeValue(const QString& name)
{
    return std::erase_if(m_values, [&](const auto& entry) { return entry.first.compare(name, Qt::CaseInsensitive) == 0; }) > 0;
}

Tree::Tree() : m_roots{Key(kRootNames[0]), Key(kRootNames[1]), Key(kRootNames[2])} {}

Key* Tree::find(Root which, const QStringList& path)
{
    Key* key = &root(which);
    for (const QString& name : path) {
        key = key->child(name);
        if (!key)
            return nullptr;
    }
    return key;
}

const Key* Tree::find(Root which, const QStringList& path) const
{
    return const_cast<Tree*>(this)->find(which, path);
}

Key& Tree::ensure(Root which, const QStringList& path, bool* created)
{
    Key* key = &root(which);
    bool made = false;
    for (const QString& name : path) {
        bool step = false;
        key = &key->ensureChild(name, &step);
        made = made || step;
    }
    if (created)
        *created = made;
    return *key;
}

QByteArray Tree::serialize() const
{
    QString out = QString::fromLatin1(kHeader) + QLatin1Char('\n');
    for (const Key& top : m_roots)
        writeKey(out, top, top.name());
    out += QString::fromLatin1(kTrailer) + QLatin1Char('\n');
    return out.toUtf8();
}

std::optional<Tree> Tree::parse(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError() || !text.endsWith(QLatin1Char('\n')))
        return std::nullopt;
    QStringList lines = text.split(QLatin1Char('\n'));
    lines.removeLast();
    if (lines.size() < 2 || lines.first() != QString::fromLatin1(kHeader) || lines.last() != QString::fromLatin1(kTrailer))
        return std::nullopt;

    Tree tree;
    Key* current = nullptr;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString kind = line.left(2);
        const QString rest = line.mid(2);
        if (kind == QLatin1String("K ")) {
            const auto path = unescape(rest);
            if (!path)
                return std::nullopt;
            QStringList names = path->split(QLatin1Char('\\'));
            const auto which = rootNamed(names.takeFirst());
            if (!which || names.contains(QString()))
                return std::nullopt;
            current = &tree.ensure(*which, names);
            continue;
        }
        const qsizetype tab = rest.indexOf(QLatin1Char('\t'));
        if (!current || tab < 0)
            return std::nullopt;
        const auto name = unescape(rest.left(tab));
        const QString data = rest.mid(tab + 1);
        if (!name)
            return std::nullopt;
        if (kind == QLatin1String("S ")) {
            const auto textValue = unescape(data);
            if (!textValue)
                return std::nullopt;
            current->setValue(*name, Value{ValueType::String, *textValue, 0});
        } else if (kind == QLatin1String("D ")) {
            bool ok = false;
            const std::uint32_t number = data.toUInt(&ok);
            if (!ok)
                return std::nullopt;
            current->setValue(*name, Value{ValueType::Integer, QString(), number});
        } else {
            return std::nullopt;
        }
    }
    return tree;
}

} // namespace registry
