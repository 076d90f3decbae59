#include "app/options/GeneralOptionsModel.h"

#include "data/ProfileSettings.h"
#include "data/Settings.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Profile.h"

namespace {
void writeNumber(const char* key, int value) { framework::WriteProfileInt(profile::General, QString::fromLatin1(key), value); }
void writeText(const char* key, const QString& value)
{
    framework::WriteProfileString(profile::General, QString::fromLatin1(key), value);
}
} // namespace

const QList<ColourOption>& GeneralOptionsModel::colours()
{
    static const QList<ColourOption> options = {
        {QStringLiteral("Background color"), profile::General, QStringLiteral("BackGroundColor")},
        {QStringLiteral("Font Color"), profile::General, QStringLiteral("FontColor")},
        {QStringLiteral("List Color"), profile::General, QStringLiteral("ListColor")},
    };
    return options;
}

GeneralOptions GeneralOptionsModel::shown() { return loadGeneralOptions(); }

void GeneralOptionsModel::dateStyleChosen(int position) { writeNumber("Default_Date_Style", position); }

void GeneralOptionsModel::languageChosen(int position) { writeNumber("Default_Language", position); }

void GeneralOptionsModel::folderChanged(const QString& folder) { writeText("DefaultDatabase", folder); }

void GeneralOptionsModel::openMostRecentToggled(bool checked) { writeNumber("OpenMostRecentDB", checked ? 1 : 0); }

void GeneralOptionsModel::reassociate()
{
    if (m_reassociate && m_reassociate())
        framework::showMessage(QStringLiteral("All .CDB Files Are Reassociated"));
    else
        framework::showMessage(QStringLiteral("Write Registry failed"));
}

void GeneralOptionsModel::requirePasswordToggled(bool checked) { writeNumber("PassWordReq", checked ? 1 : 0); }

void GeneralOptionsModel::passwordLeft(const QString& password) { writeText("PassWord", password); }

bool GeneralOptionsModel::changePassword(const QString& entered, const QString& confirmed)
{
    if (entered != confirmed) {
        framework::showMessage(QStringLiteral("Passwords don't match. Please verify"));
        return false;
    }
    writeText("PassWord", entered);
    framework::showMessage(QStringLiteral("Password Changed."));
    return true;
}

void GeneralOptionsModel::sheetAccepted(const QString& password, CAppContext& context)
{
    writeText("PassWord", password);
    LoadSettings(context);
}
