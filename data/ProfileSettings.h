#pragma once
// Every setting the program keeps in the profile: its section, key, type and the value a missing entry
// reads as. Reads that go through here can never disagree about a default.
#include <QList>
#include <QString>

#include <optional>

namespace profile {
inline const QString General = QStringLiteral("GENERAL_OPTIONS");
inline const QString TableForm = QStringLiteral("TABLEFORM_OPTIONS");
inline const QString Form = QStringLiteral("FORM_OPTIONS");
inline const QString Keys = QStringLiteral("KEY_OPTIONS");
inline const QString InputMask = QStringLiteral("INPUTMASK");
inline const QString Delimiters = QStringLiteral("COMBOBOX_DELIMITER_LIST");
inline const QString LastFolders = QStringLiteral("LAST_FOLDERS");
inline const QString Window = QStringLiteral("WINDOW_PLACEMENT");
// KeepDays and KeepMegabytes: how much of the data's history a database keeps; 0 keeps everything.
inline const QString History = QStringLiteral("HISTORY_OPTIONS");
} // namespace profile

enum class ProfileType { Integer, Text };

struct ProfileSetting {
    QString section;
    QString key;
    ProfileType type = ProfileType::Integer;
    QString defaultValue; // the text, or the integer in decimal
};

// The settings section by section. The numbered delimiter entries stand once, under the key "Delimit".
const QList<ProfileSetting>& profileSettings();

// The setting that a section and key name, ignoring case as the profile does ("Delimit" followed by a
// number names a delimiter entry); nullopt for a key the program never uses.
std::optional<ProfileSetting> findProfileSetting(const QString& section, const QString& key);

// Profile reads with the table's default; a key outside the table reads as 0 or as empty text.
int profileInt(const QString& section, const QString& key);
QString profileText(const QString& section, const QString& key);

// The value a missing key reads as; empty for a key the program never uses.
QString profileDefault(const QString& section, const QString& key);

// A colour the user chose: false while `value` is still the key's default, which leaves the windows their
// desktop's colours.
bool chosenColour(const QString& section, const QString& key, int value);
