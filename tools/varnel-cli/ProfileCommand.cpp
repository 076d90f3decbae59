#include "CliCommands.h"
#include "CliPaths.h"

#include "data/ProfileSettings.h"
#include "platform/framework/Profile.h"

#include <QRegularExpression>

#include <optional>

namespace {

// The profile functions answer a missing value with the caller's default, so a value is stored when two
// different defaults get the same answer.
std::optional<QString> storedText(const QString& section, const QString& key)
{
    const QString first = framework::GetProfileString(section, key, QStringLiteral("a"));
    return first == framework::GetProfileString(section, key, QStringLiteral("b")) ? std::optional(first) : std::nullopt;
}

std::optional<int> storedInt(const QString& section, const QString& key)
{
    const int first = framework::GetProfileInt(section, key, 0);
    return first == framework::GetProfileInt(section, key, 1) ? std::optional(first) : std::nullopt;
}

// What the program would use: the stored value, else the key's default.
int get(const QString& section, const QString& key)
{
    QTextStream out(stdout);
    if (const auto text = storedText(section, key))
        out << *text << '\n';
    else if (const auto number = storedInt(section, key))
        out << *number << '\n';
    else if (const auto setting = findProfileSetting(section, key))
        out << setting->defaultValue << '\n';
    else {
        QTextStream(stderr) << "error: no setting " << key << " in section " << section << "\n";
        return 1;
    }
    return 0;
}

int set(const QString& section, const QString& key, const QString& value)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+$"));
    bool fits = false;
    const int number = value.toInt(&fits);
    if (decimal.match(value).hasMatch() && fits)
        framework::WriteProfileInt(section, key, number);
    else
        framework::WriteProfileString(section, key, value);
    return 0;
}

} // namespace

int runProfile(const QStringList& args)
{
    if (args.size() == 3 && args[0] == QLatin1String("get"))
        return get(args[1], args[2]);
    if (args.size() == 4 && args[0] == QLatin1String("set"))
        return set(args[1], args[2], args[3]);
    return usageError(kProfileUsage);
}
