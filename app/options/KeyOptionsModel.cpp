#include "app/options/KeyOptionsModel.h"

#include "app/shell/HardwareKeys.h"
#include "data/ProfileSettings.h"
#include "platform/framework/Profile.h"

namespace {
int readNumber(const char* key) { return profileInt(profile::Keys, QString::fromLatin1(key)); }
void writeNumber(const QString& key, int value) { framework::WriteProfileInt(profile::Keys, key, value); }
bool readTruth(const char* key) { return profileText(profile::Keys, QString::fromLatin1(key)) == QLatin1String("TRUE"); }
void writeTruth(const char* key, bool value)
{
    framework::WriteProfileString(profile::Keys, QString::fromLatin1(key),
                                  value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}
} // namespace

KeyOptionsModel::KeyOptionsModel(QStringList actionNames) : m_actionNames(std::move(actionNames))
{
    if (readNumber("Dontmove") == 1)
        m_move = DontMove;
    else if (readNumber("Nextfield") == 1)
        m_move = NextField;
    else if (readNumber("Nextrecord") == 1)
        m_move = NextRecord;
    m_fieldEntry = readNumber("OnFieldEnter");
    m_nextField = readTruth("OnNextField");
    m_nextCharacter = readTruth("NextCharacter");
    for (const HardwareKey& key : hardwareKeys())
        m_rows.append({key.rowText, key.profileKey, profileInt(profile::Keys, key.profileKey), desktopKeyText(key)});
}

QString KeyOptionsModel::actionText(int action) const
{
    return action >= 0 && action < m_actionNames.size() ? m_actionNames.at(action) : m_actionNames.value(0);
}

void KeyOptionsModel::chooseMoveAfterEnter(MoveAfterEnter move)
{
    m_move = move;
    writeNumber(QStringLiteral("OnEnterKey"), move);
    writeNumber(QStringLiteral("Dontmove"), move == DontMove ? 1 : 0);
    writeNumber(QStringLiteral("Nextfield"), move == NextField ? 1 : 0);
    writeNumber(QStringLiteral("Nextrecord"), move == NextRecord ? 1 : 0);
}

void KeyOptionsModel::chooseFieldEntry(int entry)
{
    m_fieldEntry = entry;
    writeNumber(QStringLiteral("OnFieldEnter"), entry);
}

void KeyOptionsModel::setArrowsToNextField(bool checked)
{
    m_nextField = checked;
    writeTruth("OnNextField", checked);
    if (checked) {
        m_nextCharacter = false;
        writeTruth("NextCharacter", false);
    }
}

void KeyOptionsModel::setArrowsToNextCharacter(bool checked)
{
    m_nextCharacter = checked;
    writeTruth("NextCharacter", checked);
    if (checked) {
        m_nextField = false;
        writeTruth("OnNextField", false);
    }
}

void KeyOptionsModel::chooseAction(int row, int action)
{
    if (row < 0 || row >= m_rows.size() || action < 0 || action >= m_actionNames.size())
        return;
    m_rows[row].action = action;
    writeNumber(m_rows.at(row).key, action);
}

void KeyOptionsModel::unmapAll()
{
    for (int row = 0; row < m_rows.size(); ++row)
        chooseAction(row, 0);
}
