#include "logic/queries/QueryRun.h"

#include "logic/queries/QueryParameters.h"
#include "platform/framework/MessageBox.h"

bool IsDeleteStatement(const QString& statement)
{
    const QString text = statement.trimmed();
    return text.startsWith(QLatin1String("DELETE"), Qt::CaseInsensitive) &&
           (text.size() == 6 || !text[6].isLetterOrNumber());
}

std::optional<QString> PrepareQueryRun(const QString& statement)
{
    std::optional<QString> ready = AskQueryParameters(statement);
    if (ready && IsDeleteStatement(*ready) &&
        framework::showMessage(QStringLiteral("Do you want to delete the records?"), QString(),
                               framework::Buttons::YesNo, framework::Icon::Information) != framework::Answer::Yes)
        return std::nullopt;
    return ready;
}
