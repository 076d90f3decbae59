#include "data/ProfileSettings.h"

#include "platform/framework/Profile.h"

#include <QRegularExpression>

namespace {
constexpr auto I = ProfileType::Integer;
constexpr auto T = ProfileType::Text;

// The four font flags and the highlight flag of a section's font dialog.
QList<ProfileSetting> fontFlags(const QString& section)
{
    QList<ProfileSetting> flags;
    for (const char* key : {"Bold", "Italic", "Underline", "Strikethrough", "Highlight"})
        flags.append({section, QString::fromLatin1(key), I, QStringLiteral("0")});
    return flags;
}

QList<ProfileSetting> buildSettings()
{
    using namespace profile;
    QList<ProfileSetting> all = {
        {General, QStringLiteral("Font"), T, QStringLiteral("Tahoma")},
        {General, QStringLiteral("FontSize"), T, QStringLiteral("14")},
    };
    all += fontFlags(General);
    all += {
        {General, QStringLiteral("BackGroundColor"), I, QString::number(0xFFFFFF)},
        {General, QStringLiteral("FontColor"), I, QStringLiteral("0")},
        {General, QStringLiteral("ListColor"), I, QString::number(0xFFFFFF)},
        {General, QStringLiteral("Default_Date_Style"), I, QStringLiteral("0")},
        {General, QStringLiteral("Default_Language"), I, QStringLiteral("0")},
        {General, QStringLiteral("OpenMostRecentDB"), I, QStringLiteral("0")},
        {General, QStringLiteral("PassWordReq"), I, QStringLiteral("0")},
        {General, QStringLiteral("PassWord"), T, QString()},
        {General, QStringLiteral("DefaultDatabase"), T, QStringLiteral("\\My Document")},
        {TableForm, QStringLiteral("Font"), T, QStringLiteral("Tahoma")},
        {TableForm, QStringLiteral("FontSize"), T, QStringLiteral("14")},
    };
    all += fontFlags(TableForm);
    all += {
        {TableForm, QStringLiteral("FontColor"), I, QStringLiteral("0")},
        {TableForm, QStringLiteral("BackGround"), I, QString::number(0xCDFFCD)},
        {TableForm, QStringLiteral("CellColor"), I, QString::number(0xFFFFFF)},
        {TableForm, QStringLiteral("OnSelectionColor"), I, QString::number(0xF647B4)},
        {TableForm, QStringLiteral("GridLineColor"), I, QStringLiteral("0")},
        {TableForm, QStringLiteral("ColumnSize"), T, QStringLiteral("50")},
        {TableForm, QStringLiteral("SortByFieldOrder"), I, QStringLiteral("0")},
        {TableForm, QStringLiteral("ConfirmOnAdding"), I, QStringLiteral("0")},
        {TableForm, QStringLiteral("ConfirmOnDeleting"), I, QStringLiteral("0")},
        // The form controls take a missing value as empty text; both mean "no captions".
        {TableForm, QStringLiteral("AutoAddCaption"), T, QStringLiteral("FALSE")},
    };
    all += fontFlags(Form);
    for (const char* key : {"Button1", "Button2", "Button3", "Button4", "Button5", "LeftButton", "RightButton",
                            "UpButton", "DownButton", "ActionButton", "OnEnterKey", "Dontmove", "Nextfield",
                            "Nextrecord"})
        all.append({Keys, QString::fromLatin1(key), I, QStringLiteral("0")});
    all += {
        {Keys, QStringLiteral("OnFieldEnter"), I, QStringLiteral("3")},
        {Keys, QStringLiteral("OnNextField"), T, QStringLiteral("FALSE")},
        {Keys, QStringLiteral("NextCharacter"), T, QStringLiteral("FALSE")},
        {InputMask, QStringLiteral("MasksList"), T, QString()},
        {Delimiters, QStringLiteral("DelimiterCount"), I, QStringLiteral("3")},
        {Delimiters, QStringLiteral("Delimit"), T, QString()},
    };
    // The folder the file browser last chose from, one per purpose; empty until it chose once.
    for (const char* key : {"Database", "Import", "FormFile", "SoundFile", "Folder"})
        all.append({LastFolders, QString::fromLatin1(key), T, QString()});
    // Where the main window was left; a width of 0 means it never was.
    for (const char* key : {"Left", "Top", "Width", "Height", "Maximized"})
        all.append({Window, QString::fromLatin1(key), I, QStringLiteral("0")});
    return all;
}
} // namespace

const QList<ProfileSetting>& profileSettings()
{
    static const QList<ProfileSetting> settings = buildSettings();
    return settings;
}

std::optional<ProfileSetting> findProfileSetting(const QString& section, const QString& key)
{
    static const QRegularExpression delimiterEntry(QStringLiteral("^Delimit[0-9]+$"),
                                                   QRegularExpression::CaseInsensitiveOption);
    const bool numberedDelimiter = delimiterEntry.match(key).hasMatch();
    for (const ProfileSetting& setting : profileSettings()) {
        if (setting.section.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        // The delimiter entries stand for "Delimit" followed by a number, never for the bare name.
        const bool numbered = setting.key == QLatin1String("Delimit");
        if (numbered ? numberedDelimiter : setting.key.compare(key, Qt::CaseInsensitive) == 0) {
            ProfileSetting found = setting;
            found.key = key;
            return found;
        }
    }
    return std::nullopt;
}

int profileInt(const QString& section, const QString& key)
{
    const auto setting = findProfileSetting(section, key);
    return framework::GetProfileInt(section, key, setting ? setting->defaultValue.toInt() : 0);
}

QString profileText(const QString& section, const QString& key)
{
    const auto setting = findProfileSetting(section, key);
    return framework::GetProfileString(section, key, setting ? setting->defaultValue : QString());
}

QString profileDefault(const QString& section, const QString& key)
{
    const auto setting = findProfileSetting(section, key);
    return setting ? setting->defaultValue : QString();
}

bool chosenColour(const QString& section, const QString& key, int value)
{
    return !findProfileSetting(section, key) || profileDefault(section, key).toInt() != value;
}
