#pragma once
// The database window's view of the data layer: the application context's open database, its
// lifecycle operations and short-lived recordsets on it.
#include "app/shell/ShellServices.h"

class CAppContext;
class DatabaseWindowSink;

class ContextDatabase : public DatabaseService {
public:
    ContextDatabase(CAppContext& context, DatabaseWindowSink& window) : m_context(context), m_window(window) {}

    bool isOpen() const override;
    QString openPath() const override;
    bool createDatabase(const QString& path) override;
    bool openDatabase(const QString& path) override;
    void closeDatabase() override;
    bool deleteDatabase(const QString& path) override;
    void checkCatalogue() override;
    void relistTables() override;
    QString copyDatabaseTo(const QString& target) override;
    bool execute(const QString& sql) override;
    std::optional<QList<QStringList>> select(const QString& sql) override;
    std::optional<int> recordCount(const QString& table) override;
    bool createTable(const QString& name, const QList<FieldDefinition>& fields) override;
    bool deleteTable(const QString& name) override;
    bool setNextAutoNumber(const QString& table, const QString& field, int next) override;

private:
    CAppContext& m_context;
    DatabaseWindowSink& m_window;
};
