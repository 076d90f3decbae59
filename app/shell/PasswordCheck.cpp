#include "app/shell/PasswordCheck.h"

#include "platform/framework/MessageBox.h"

bool passwordEntered(const QString& entered, const QString& stored)
{
    if (entered == stored)
        return true;
    framework::showMessage(QStringLiteral("Invalid PassWord"));
    return false;
}

void passwordCancelled() { framework::showMessage(QStringLiteral("Invalid Password")); }
