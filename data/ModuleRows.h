#pragma once
// The catalogue's modules: one row per module, its name and its script source.
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class CAppContext;
class CatalogueSql;
class CDbRecordset;

class ModuleRows {
public:
    explicit ModuleRows(CatalogueSql& sql) : m_sql(sql) {}

    // In the order they are stored.
    QStringList names();
    // The source of the module of that name; nullopt when there is none.
    std::optional<QString> source(const QString& name);
    bool remove(const QString& name);

    // The module's row on an updatable cursor, kept open while the module is edited; null when there is
    // none.
    static std::unique_ptr<CDbRecordset> openRow(CAppContext& context, const QString& name);
    // The table on an updatable cursor, for a new row; null when it cannot be opened.
    static std::unique_ptr<CDbRecordset> openTable(CAppContext& context);
    // What the user is told when openTable fails.
    static QString tableFailure();
    // Writes both columns of the row the recordset stands on; the recordset tells the user why the engine
    // refused it.
    static bool write(CDbRecordset& row, const QString& name, const QString& source);

private:
    CatalogueSql& m_sql;
};
