#include "app/options/HistoryOptionsModel.h"

#include "data/CAppContext.h"
#include "data/ProfileSettings.h"
#include "platform/cedb/History.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Profile.h"

HistoryOptionsModel::Shown HistoryOptionsModel::shown()
{
    return {profileInt(profile::History, QStringLiteral("KeepDays")),
            profileInt(profile::History, QStringLiteral("KeepMegabytes"))};
}

void HistoryOptionsModel::keepDaysChanged(int days)
{
    framework::WriteProfileInt(profile::History, QStringLiteral("KeepDays"), days);
}

void HistoryOptionsModel::keepMegabytesChanged(int megabytes)
{
    framework::WriteProfileInt(profile::History, QStringLiteral("KeepMegabytes"), megabytes);
}

void HistoryOptionsModel::clearHistory(const CAppContext& context)
{
    const QString path = context.databasePath();
    if (path.isEmpty()) {
        framework::showMessage(QStringLiteral("Open a database to clear its history."));
        return;
    }
    if (framework::showMessage(QStringLiteral("Forget every change kept for this database? Undo will not be able "
                                              "to take them back; the records stay as they are."),
                               QString(), framework::Buttons::YesNo, framework::Icon::Question) != framework::Answer::Yes)
        return;
    QString message;
    if (!cedb::history::clear(path, message))
        framework::showMessage(message);
}
