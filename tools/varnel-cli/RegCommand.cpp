// varnel-cli reg: what the registry holds under a key, and registration of component libraries.
#include "CliCommand.h"

#include "platform/registry/RegistryFile.h"
#include "tools/regsvrce/Registration.h"

#include <QTextStream>

#include <optional>

namespace {

struct KeyName {
    registry::Root root;
    QStringList path;
};

std::optional<KeyName> parseKey(const QString& text)
{
    QStringList parts = text.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    const QString root = parts.takeFirst().toUpper();
    if (root == QLatin1String("HKEY_CLASSES_ROOT") || root == QLatin1String("HKCR"))
        return KeyName{registry::Root::ClassesRoot, parts};
    if (root == QLatin1String("HKEY_CURRENT_USER") || root == QLatin1String("HKCU"))
        return KeyName{registry::Root::CurrentUser, parts};
    if (root == QLatin1String("HKEY_LOCAL_MACHINE") || root == QLatin1String("HKLM"))
        return KeyName{registry::Root::LocalMachine, parts};
    return std::nullopt;
}

QString valueText(const registry::Value& value)
{
    return value.type == registry::ValueType::Integer ? QString::number(value.number) : value.text;
}

int query(const QString& keyText)
{
    QTextStream err(stderr);
    const std::optional<KeyName> name = parseKey(keyText);
    if (!name) {
        err << "error: key not found\n";
        return 1;
    }
    QStringList lines;
    bool found = false;
    const registry::FileStatus status = registry::readRegistry([&](const registry::Tree& tree) {
        const registry::Key* key = tree.find(name->root, name->path);
        if (!key)
            return;
        found = true;
        if (const registry::Value* value = key->value(QString()))
            lines << QStringLiteral("(Default)\t") + valueText(*value);
        for (const auto& [valueName, value] : key->values())
            if (!valueName.isEmpty())
                lines << valueName + QLatin1Char('\t') + valueText(value);
        for (const registry::Key* child : key->children())
            lines << child->name() + QLatin1Char('\\');
    });
    if (status != registry::FileStatus::Ok) {
        err << "error: the registry cannot be read\n";
        return 1;
    }
    if (!found) {
        err << "error: key not found\n";
        return 1;
    }
    QTextStream out(stdout);
    for (const QString& line : lines)
        out << line << '\n';
    return 0;
}

int registration(const QString& library, bool unregister)
{
    const regsvrce::Outcome outcome = regsvrce::registerLibrary({true, unregister, library});
    if (outcome.exit != regsvrce::Success)
        QTextStream(stderr) << "error: " << outcome.message << '\n';
    return outcome.exit == regsvrce::Success ? 0 : 1;
}

} // namespace

int runReg(const QStringList& args)
{
    if (args.size() == 2 && args[0] == QLatin1String("query"))
        return query(args[1]);
    if (args.size() == 2 && args[0] == QLatin1String("register"))
        return registration(args[1], false);
    if (args.size() == 2 && args[0] == QLatin1String("unregister"))
        return registration(args[1], true);
    QTextStream(stderr) << "usage: varnel-cli reg query KEY | reg register LIBRARY | reg unregister LIBRARY\n";
    return 1;
}
