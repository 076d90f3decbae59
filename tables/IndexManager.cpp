#include "tables/IndexManager.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CDbTransaction.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kDescending = 1;
constexpr int kNullsLast = 2;
constexpr int kCaseSensitive = 4;

void tell(const QString& text, framework::Icon icon = framework::Icon::None)
{
    framework::showMessage(text, framework::applicationCaption(), framework::Buttons::Ok, icon);
}

bool ask(const QString& question)
{
    return framework::showMessage(question, framework::applicationCaption(), framework::Buttons::YesNo,
                                  framework::Icon::Question) == framework::Answer::Yes;
}

QString truth(bool value) { return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString dropStatement(const QString& table, const QString& index)
{
    return QStringLiteral("DROP INDEX ") + sqlName(table) + QLatin1Char('.') + sqlName(index);
}

} // namespace

IndexOptions IndexOptions::fromFlags(int flags)
{
    return {!(flags & kNullsLast), bool(flags & kCaseSensitive), bool(flags & kDescending)};
}

int IndexRow::flags() const
{
    return (options.descending ? kDescending : 0) | (options.nullFirst ? 0 : kNullsLast) |
           (options.caseSensitive ? kCaseSensitive : 0);
}

QStringList IndexRow::columns() const
{
    if (unsaved)
        return {name, field, QString(), QString(), QString(), QString()};
    return {name, field, truth(options.nullFirst), truth(options.caseSensitive), truth(options.descending),
            QString::number(flags())};
}

QStringList IndexManager::columnTitles()
{
    return {QStringLiteral("Index Name"), QStringLiteral("Field Name"), QStringLiteral("Null First"),
            QStringLiteral("Case Sensitive"), QStringLiteral("Sort Descending"), QStringLiteral("Flags")};
}

QString IndexManager::createStatement(const QString& table, const IndexRow& row)
{
    QString sql = QStringLiteral("CREATE INDEX ") + sqlName(row.name) + QStringLiteral(" ON ") + sqlName(table) +
                  QStringLiteral(" (") + sqlName(row.field);
    if (row.options.descending)
        sql += QStringLiteral(" DESC");
    if (row.options.caseSensitive)
        sql += QStringLiteral(" CASESENSITIVE");
    if (row.options.nullFirst)
        sql += QStringLiteral(" UNKNOWNFIRST");
    return sql + QStringLiteral(" ) ");
}

IndexManager::IndexManager(CAppContext& context, QString table) : m_context(context), m_table(std::move(table)) {}

bool IndexManager::databaseOpen() const
{
    if (m_context.openDatabase)
        return true;
    tell(QStringLiteral("DB pointer is null, Something is really wrong"), framework::Icon::Error);
    return false;
}

bool IndexManager::readFields(QMap<QString, QString>& byId)
{
    CDbRecordset fields(m_context.connection, m_context.databasePath());
    if (!fields.Open(QStringLiteral(" SELECT FieldID,FieldName,ODBCType from MSysFields WHERE TableID = '") +
                         m_tableId + QLatin1Char('\''),
                     0, 1)) {
        tell(QStringLiteral("could not get data from MSysFields"));
        return false;
    }
    for (; !fields.IsEOF(); fields.MoveNext())
        byId.insert(fields.GetFieldString(0), fields.GetFieldString(1));

    CDbRecordset choices(m_context.connection, m_context.databasePath());
    if (!choices.Open(QStringLiteral(" SELECT FieldName,ODBCType from MSysFields where TableID = '") + m_tableId +
                          QLatin1Char('\''),
                      0, 1)) {
        tell(QStringLiteral("Could not get fields from MsysFields for the table"));
        return false;
    }
    m_fields.clear();
    for (; !choices.IsEOF(); choices.MoveNext())
        m_fields << choices.GetFieldString(0);
    return true;
}

bool IndexManager::load()
{
    m_rows.clear();
    m_orderChanged = false;
    if (!databaseOpen())
        return false;
    // The id is a number the engine gave, so it goes between the quotes as it is.
    m_tableId = tableIdOf(m_context, m_table);
    QMap<QString, QString> fieldById;
    CDbRecordset indexes(m_context.connection, m_context.databasePath());
    if (m_tableId.isEmpty() ||
        !indexes.Open(QStringLiteral(" SELECT * from MSysIndexes where TableID = '") + m_tableId + QLatin1Char('\''),
                      0, 1)) {
        tell(QStringLiteral("Could not get info from msysindexes"));
        return false;
    }
    if (!readFields(fieldById))
        return false;
    for (; !indexes.IsEOF(); indexes.MoveNext()) {
        QString name, fieldId, flags;
        indexes.GetFieldString(QStringLiteral("IndexName"), name);
        indexes.GetFieldString(QStringLiteral("FieldID"), fieldId);
        indexes.GetFieldString(QStringLiteral("Flags"), flags);
        m_rows.append({name, fieldById.value(fieldId), IndexOptions::fromFlags(flags.toInt()), false});
    }
    return true;
}

bool IndexManager::hasUnsavedIndex() const
{
    return std::any_of(m_rows.begin(), m_rows.end(), [](const IndexRow& row) { return row.unsaved; });
}

bool IndexManager::add(const QString& name, const QString& field)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        tell(QStringLiteral("Please specify an index name"));
        return false;
    }
    const auto has = [this](auto matches) { return std::any_of(m_rows.begin(), m_rows.end(), matches); };
    if (has([&](const IndexRow& row) { return sameName(row.field, field); })) {
        tell(QStringLiteral("An index is already defined on this field"));
        return false;
    }
    if (has([&](const IndexRow& row) { return sameName(row.name, trimmed); })) {
        tell(QStringLiteral("An index with this name is already defined"));
        return false;
    }
    if (hasUnsavedIndex()) {
        tell(QStringLiteral("Please save the added index before adding another one"));
        return false;
    }
    m_rows.append({trimmed, field, {}, true});
    return true;
}

bool IndexManager::run(const QString& sql)
{
    CDbRecordset statement(m_context.connection, m_context.databasePath());
    return statement.Open(sql, 0, 1);
}

bool IndexManager::createNew(const IndexOptions& ticked)
{
    const auto unsaved = std::find_if(m_rows.begin(), m_rows.end(), [](const IndexRow& row) { return row.unsaved; });
    if (m_rows.size() > kMaxIndexes) {
        m_rows.erase(unsaved);
        tell(QStringLiteral("Reached the maximum number of indices allowed on a table"));
        return false;
    }
    unsaved->options = ticked;
    const bool created = run(createStatement(m_table, *unsaved));
    tell(created ? QStringLiteral("Index created sucessfully") : QStringLiteral("Index could not be created"));
    // The list shows what the engine holds, new index included.
    load();
    return created;
}

bool IndexManager::applyOrder(const std::function<void(const QString&)>& progress)
{
    const auto report = [&](const QString& text) {
        if (progress)
            progress(text);
    };
    // Every index is dropped before any is made again, so a failure part way would leave the table with
    // fewer indexes than it had: the whole reorder is one transaction that a failure undoes.
    bool done = false;
    {
        CDbTransaction transaction(m_context);
        done = transaction.isOpen();
        for (const IndexRow& row : std::as_const(m_rows)) {
            if (!done || !(done = run(dropStatement(m_table, row.name))))
                break;
            report(QStringLiteral("Deleted ") + row.name);
        }
        for (const IndexRow& row : std::as_const(m_rows)) {
            if (!done || !(done = run(createStatement(m_table, row))))
                break;
            report(QStringLiteral("Created index ") + row.name);
        }
        done = done && transaction.commit();
    }
    tell(done ? QStringLiteral("Order of indices changed sucessfully")
              : QStringLiteral("Error occured while creating/deleting some indices"));
    load();
    return done;
}

bool IndexManager::save(const IndexOptions& ticked, const std::function<void(const QString&)>& progress)
{
    if (!databaseOpen())
        return false;
    if (hasUnsavedIndex())
        return createNew(ticked);
    if (m_orderChanged)
        return applyOrder(progress);
    return true;
}

bool IndexManager::remove(int row)
{
    if (row < 0 || row >= m_rows.size() || !ask(QStringLiteral("Are you sure you want to drop this index?")))
        return false;
    if (m_rows[row].unsaved) {
        m_rows.removeAt(row);
        return true;
    }
    if (!databaseOpen())
        return false;
    const bool dropped = run(dropStatement(m_table, m_rows[row].name));
    if (!dropped)
        tell(QStringLiteral("Index could not be deleted"));
    load();
    return dropped;
}

bool IndexManager::move(int row, int to, const QString& unsavedRefusal)
{
    if (hasUnsavedIndex()) {
        tell(unsavedRefusal);
        return false;
    }
    if (row < 0 || to < 0 || row >= m_rows.size() || to >= m_rows.size())
        return false;
    if (!m_orderChanged)
        tell(QStringLiteral("Moving an index would cause deletion and recreation of all the indices "),
             framework::Icon::Warning);
    m_rows.move(row, to);
    m_orderChanged = true;
    return true;
}

bool IndexManager::moveUp(int row)
{
    return move(row, row - 1, QStringLiteral("Please save the newly added index before changing order"));
}

bool IndexManager::moveDown(int row)
{
    return move(row, row + 1, QStringLiteral("Please save the new index before moving"));
}

void IndexManager::close(const IndexOptions& ticked)
{
    if (hasUnsavedChanges() &&
        ask(QStringLiteral("You have made modifications to indices. Do you want to save ?")))
        save(ticked);
}
