#include "app/ExpressionBuilderLink.h"

#include "app/logic/DatabaseCommands.h"
#include "platform/framework/MessageBox.h"

std::optional<QString> openExpressionBuilder(const QString&, int)
{
    framework::showMessage(DatabaseCommands::notAvailableText());
    return std::nullopt;
}
