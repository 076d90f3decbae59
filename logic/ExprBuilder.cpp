#include "logic/ExprBuilder.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/Catalogue.h"
#include "data/CatalogueSql.h"
#include "data/FieldRows.h"
#include "data/QueryStore.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"

#include <QHash>


namespace {

// The fixed item lists, split at "~"; every item keeps the blanks around it.
const QString kAggregate = QStringLiteral(" AVG ~ MAX ~ MIN ~ RECCOUNT ~ RECNUM ");
const QString kMathematical = QStringLiteral(" SUM ~ ABS ~ ACOS ~ ASIN ~ TAN ~ CEIL ~ COS ~ COSH ~ EXP ~ FLOOR ~ LOG ~ "
                                             "POWER ~ ROUND ~ SIN ~ SINH ~ SQRT ~ TAN ~ TANH ");
const QString kString = QStringLiteral(" INITCAP ~ INSTR ~ LEFT ~ LEN ~ LCASE ~ UCASE ~ LTRIM ~ REPLACE ~ RTRIM ");
const QString kDateTime = QStringLiteral(" DATEADD ~ DAY ~ MONTH ~ CDATE ~ TIME ~ YEAR ~ DATEDIFF ~ DatePart");
const QString kConversion = QStringLiteral(" TOCHAR ~ CDATE ~ TONUMBER ~ TOTIMESTR ");
const QString kAllFunctions =
    QStringLiteral(" SUM ~ AVG ~ MAX ~ MIN ~ RECCOUNT ~ RECNUM ~ ABS ~ ACOS ~ ASIN ~ TAN ~ CEIL ~ COS ~ COSH ~ EXP ~ "
                   "FLOOR ~ LOG ~ POWER ~ ROUND ~ SIN ~ SINH ~ SQRT ~ TAN ~ TANH ~ INSTR ~ LEFT ~ LEN ~ LOWER ~ LTRIM ~ "
                   "REPLACE ~ RTRIM ~ DATEADD ~ DAY ~ MONTH ~ TIME ~ YEAR ~ DATEDIFF ~ DATEPART ~ TOCHAR ~ CDATE ~ "
                   "TONUMBER ~ TOTIMESTR ");
const QString kConstantItems = QStringLiteral(" TRUE ~ FALSE ~ NULL ~ NOW ~ 3.1423 ");
const QString kOperatorItems = QStringLiteral(" + ~ - ~ % ~ * ~ < ~ > ~ <= ~ >= ~ <> ~ / ~ \\ ~ #~ $~ ^~ ! ~ ? ~ &~ | ");

const QString kAll = QStringLiteral("<All>");

const QHash<QString, QString>& functionExamples()
{
    static const QHash<QString, QString> examples = {
        {QStringLiteral(" SUM "), QStringLiteral("SUM(number,number)")},
        {QStringLiteral(" AVG "), QStringLiteral("AVG(number, number)")},
        {QStringLiteral(" MAX "), QStringLiteral("MAX(number, number)")},
        {QStringLiteral(" MIN "), QStringLiteral("MIN(number, number)")},
        {QStringLiteral(" RECCOUNT "), QStringLiteral("RECCOUNT()")},
        {QStringLiteral(" RECNUM "), QStringLiteral("RECNUM()")},
        {QStringLiteral(" ABS "), QStringLiteral("ABS(number)")},
        {QStringLiteral(" ACOS "), QStringLiteral("ACOS(number)")},
        {QStringLiteral(" ASIN "), QStringLiteral("ASIN(number)")},
        {QStringLiteral(" TAN "), QStringLiteral("TAN(number)")},
        {QStringLiteral(" CEIL "), QStringLiteral("CEIL(number)")},
        {QStringLiteral(" COS "), QStringLiteral("COS(number)")},
        {QStringLiteral(" COSH "), QStringLiteral("COSH(number)")},
        {QStringLiteral(" EXP "), QStringLiteral("EXP(number)")},
        {QStringLiteral(" FLOOR "), QStringLiteral("FLOOR(number)")},
        {QStringLiteral(" LOG "), QStringLiteral("LOG(number)")},
        {QStringLiteral(" POWER "), QStringLiteral("POWER(number,number)")},
        {QStringLiteral(" ROUND "), QStringLiteral("ROUND(number, numDecimalplace)")},
        {QStringLiteral(" SIN "), QStringLiteral("SIN(number)")},
        {QStringLiteral(" SINH "), QStringLiteral("SINH(number)")},
        {QStringLiteral(" SQRT "), QStringLiteral("SQRT(number)")},
        {QStringLiteral(" TANH "), QStringLiteral("TANH(number)")},
        {QStringLiteral(" INITCAP "), QStringLiteral("INITCAP(\"text\")")},
        {QStringLiteral(" INSTR "), QStringLiteral("INSTR(\"Main text\",\"Sub Text\")")},
        {QStringLiteral(" LEFT "), QStringLiteral("LEFT(\"Text\",\"Number\")")},
        {QStringLiteral(" LEN "), QStringLiteral("LEN(\"Text\")")},
        {QStringLiteral(" LOWER "), QStringLiteral("LOWER(\"Text\")")},
        {QStringLiteral(" LCASE "), QStringLiteral("LCASE(\"text\")")},
        {QStringLiteral(" UCASE "), QStringLiteral("UCASE(\"text\")")},
        {QStringLiteral(" LTRIM "), QStringLiteral("LTRIM(\"Text\")")},
        {QStringLiteral(" RTRIM "), QStringLiteral("RTRIM(\"Text\")")},
        {QStringLiteral(" REPLACE "), QStringLiteral("REPLACE(\"Text\",\"Text\",\"Text\")")},
        {QStringLiteral(" DATEADD "), QStringLiteral("DATEADD(\"Text\",number,date)")},
        {QStringLiteral(" DAY "), QStringLiteral("DAY(\"month dd,yyyy\")")},
        {QStringLiteral(" MONTH "), QStringLiteral("MONTH(date)")},
        {QStringLiteral(" TIME "), QStringLiteral("TIME")},
        {QStringLiteral(" YEAR "), QStringLiteral("YEAR(\"month dd,yyyy\")")},
        {QStringLiteral(" DATEDIFF "), QStringLiteral("DATEDIFF(\"text\",date,date)")},
        {QStringLiteral(" DATEPART "), QStringLiteral("DATEPART(\"Text\",date)")},
        {QStringLiteral(" CDATE "), QStringLiteral("CDATE(date)")},
        {QStringLiteral(" TOCHAR "), QStringLiteral("TOCHAR(number)")},
        {QStringLiteral(" TONUMBER "), QStringLiteral("TONUMBER(\"Text\")")},
        {QStringLiteral(" TOTIMESTR "), QStringLiteral("TOTIMESTR(number)")},
    };
    return examples;
}

QString fixedItems(int category, const QString& group)
{
    if (category == kConstants)
        return kConstantItems;
    if (category == kOperators)
        return kOperatorItems;
    static const QHash<QString, QString> byGroup = {
        {kAll, kAllFunctions},
        {QStringLiteral("Aggregate"), kAggregate},
        {QStringLiteral("Mathematical"), kMathematical},
        {QStringLiteral("String"), kString},
        {QStringLiteral("Date/Time"), kDateTime},
        {QStringLiteral("Conversion"), kConversion},
    };
    return category == kFunctions ? byGroup.value(group) : QString();
}

} // namespace

QStringList ExprBuilder::categories()
{
    return {QStringLiteral("Functions"), QStringLiteral("Constants"), QStringLiteral("Operators"),
            QStringLiteral("Tables"), QStringLiteral("Queries")};
}

QStringList ExprBuilder::groups(int category) const
{
    switch (category) {
    case kFunctions:
        return {kAll,
                QStringLiteral("Aggregate"),
                QStringLiteral("Mathematical"),
                QStringLiteral("String"),
                QStringLiteral("Date/Time"),
                QStringLiteral("Conversion")};
    case kConstants:
    case kOperators:
        return {kAll};
    case kTables:
        return tableNames();
    case kQueries:
        return queryNames();
    }
    return {};
}

QStringList ExprBuilder::items(int category, const QString& group) const
{
    if (category == kTables)
        return columnNames(QStringLiteral("SELECT * FROM ") + sqlQuoted(group));
    if (category == kQueries) {
        const std::optional<StoredQuery> query = QueryStore(m_context).find(group);
        if (!query)
            return {};
        // Opening a statement runs it: only a stored SELECT is opened to learn its columns.
        const QString statement = query->statement.trimmed();
        if (!statement.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
            return {};
        return columnNames(statement);
    }
    const QString text = fixedItems(category, group);
    return text.isEmpty() ? QStringList() : text.split(u'~');
}

QString ExprBuilder::insertedText(int category, const QString& group, const QString& item)
{
    if (category == kTables || category == kQueries)
        return group + u'.' + item;
    return item;
}

QString ExprBuilder::exampleText(const QString& item) { return functionExamples().value(item); }

QString ExprBuilder::operatorText(int buttonId)
{
    static const QHash<int, QString> texts = {
        {263, QStringLiteral(" + ")},  {301, QStringLiteral(" - ")},  {304, QStringLiteral(" * ")},
        {307, QStringLiteral(" / ")},  {324, QStringLiteral(" = ")},  {327, QStringLiteral(" < ")},
        {333, QStringLiteral(" > ")},  {340, QStringLiteral(" <> ")}, {345, QStringLiteral(" ( ")},
        {350, QStringLiteral(" ) ")},  {384, QStringLiteral(" OR ")}, {364, QStringLiteral(" AND ")},
        {369, QStringLiteral(" NOT ")},
    };
    return texts.value(buttonId);
}

bool ExprBuilder::acceptText(const QString& text, int mode)
{
    if (text.isEmpty() || mode == kDefaultValue || mode == kCalculation)
        return true;
    QString condition = text;
    condition.remove(u' ');
    if (condition.startsWith(u'<') || condition.startsWith(u'>') || condition.startsWith(u'=') ||
        condition.startsWith(u'!'))
        return true;
    framework::showMessage(QStringLiteral("Enter a Conditional expression"));
    return false;
}

std::optional<QString> ExprBuilder::storedFieldRule(const QString& table, const QString& field, int mode) const
{
    if (mode != kValidationRule && mode != kDefaultValue)
        return std::nullopt;
    const QString tableId = tableIdOf(m_context, table);
    if (tableId.isEmpty())
        return std::nullopt;
    ContextSql sql(m_context);
    const std::optional<QStringList> stored = FieldRows(sql).defaultAndRule(tableId, field);
    if (!stored)
        return std::nullopt;
    return stored->value(mode == kDefaultValue ? 0 : 1);
}

QStringList ExprBuilder::tableNames() const
{
    // Every user table: the engine's own rows and the system's catalogue tables are left out by name.
    CDbRecordset tables(m_context.connection, m_context.databasePath());
    QStringList names;
    if (!tables.Open(QStringLiteral("Select * From MSysTables "), CDbRecordset::kForwardOnly, CDbRecordset::kReadOnly))
        return names;
    for (; !tables.IsEOF(); tables.MoveNext()) {
        QString name;
        tables.GetFieldString(QStringLiteral("TableName"), name);
        if (!name.isEmpty() && isUserTable(name))
            names << name;
    }
    return names;
}

QStringList ExprBuilder::queryNames() const
{
    ContextSql sql(m_context);
    return QueryRows(sql).names();
}

QStringList ExprBuilder::columnNames(const QString& sql) const
{
    CDbRecordset recordset(m_context.connection, m_context.databasePath());
    QStringList names;
    if (!recordset.Open(sql, CDbRecordset::kForwardOnly, CDbRecordset::kReadOnly))
        return names;
    for (std::int32_t i = 0; i < recordset.GetFieldCount(); ++i)
        names << recordset.GetFieldName(i);
    return names;
}
