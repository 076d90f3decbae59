#include "app/shell/ServerSignIn.h"

#include "platform/cedb/ServerAccess.h"
#include "platform/framework/MessageBox.h"

bool signInToServer(ShellPlatform& platform, const QString& address)
{
    for (;;) {
        const cedb::ServerReach reach = cedb::reachServer(address);
        if (reach.refusal == cedb::ServerRefusal::None)
            return true;
        if (reach.refusal != cedb::ServerRefusal::PasswordNeeded && reach.refusal != cedb::ServerRefusal::WrongPassword) {
            framework::showMessage(reach.text);
            return false;
        }
        const std::optional<QString> password = platform.askPassword(reach.text);
        if (!password || password->isEmpty()) {
            cedb::rememberServerPassword(address, QString());
            return false;
        }
        cedb::rememberServerPassword(address, *password);
    }
}
