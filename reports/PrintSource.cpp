#include "reports/PrintSource.h"

#include "data/CAppContext.h"
#include "data/SqlText.h"
#include "logic/queries/QueryParameters.h"
#include "data/QueryStore.h"
#include "platform/framework/MessageBox.h"

namespace {

const QString kQueryMark = QStringLiteral("(Q)");

void tell(const QString& text) { framework::showMessage(text); }

// Where " ORDER BY " starts outside quoted text, the last time; -1 when it does not.
qsizetype orderByStart(const QString& statement)
{
    static const QString keyword = QStringLiteral(" ORDER BY ");
    QChar quote;
    qsizetype found = -1;
    for (qsizetype i = 0; i < statement.size(); ++i) {
        const QChar c = statement.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (statement.mid(i, keyword.size()).compare(keyword, Qt::CaseInsensitive) == 0) {
            found = i;
        }
    }
    return found;
}

bool isSelect(const QString& statement)
{
    return statement.trimmed().startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive);
}

} // namespace

std::optional<QString> queryNameOf(const QString& source)
{
    if (source.startsWith(kQueryMark, Qt::CaseInsensitive))
        return source.mid(kQueryMark.size());
    if (source.endsWith(kQueryMark, Qt::CaseInsensitive))
        return source.chopped(kQueryMark.size());
    return std::nullopt;
}

ParameterFill askForParameters()
{
    return [](const QString& statement) { return AskQueryParameters(statement); };
}

std::optional<PrintSource> openPrintSource(CAppContext& context, const QString& source, const ParameterFill& fill)
{
    PrintSource result{source, source, false, {}, {}};
    if (const std::optional<QString> query = queryNameOf(source)) {
        result.title = *query;
        result.isQuery = true;
    }
    if (!result.isQuery) {
        const QString tableId = tableIdOf(context, source);
        if (source.isEmpty() || tableId.isEmpty()) {
            tell(QStringLiteral("The record source is missing: ") + source);
            return std::nullopt;
        }
        result.statement = QStringLiteral("SELECT * FROM ") + sqlQuoted(source);
        result.fields = readDatasheetFields(context, tableId);
        return result;
    }
    const std::optional<StoredQuery> query = QueryStore(context).find(result.title);
    if (!query) {
        tell(QStringLiteral("The record source is missing: ") + source);
        return std::nullopt;
    }
    if (!isSelect(query->statement)) {
        tell(QStringLiteral("Only the records of a select query can be printed: ") + result.title);
        return std::nullopt;
    }
    const std::optional<QString> statement = fill(query->statement);
    if (!statement)
        return std::nullopt;
    result.statement = *statement;
    return result;
}

QString orderedStatement(const QString& statement, const QList<OrderKey>& keys)
{
    if (keys.isEmpty())
        return statement;
    QStringList order;
    for (const auto& [field, descending] : keys)
        order << sqlName(field) + (descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
    const qsizetype start = orderByStart(statement);
    if (start < 0)
        return statement + QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    const QString own = statement.mid(start + 10).trimmed();
    return statement.left(start) + QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", ")) +
           (own.isEmpty() ? QString() : QStringLiteral(", ") + own);
}
