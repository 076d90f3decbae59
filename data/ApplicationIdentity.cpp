#include "data/ApplicationIdentity.h"

#include "data/ApplicationNames.h"

#include "platform/framework/MessageBox.h"
#include "platform/framework/Profile.h"

void installApplicationIdentity()
{
    installDeviceNames();
    framework::setApplicationCaption(QStringLiteral("Varnel Desk 5.0"));
    framework::setProfileKey(QStringLiteral("Software\\Local AppWizard-Generated Applications\\Varnel"));
}
