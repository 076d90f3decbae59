#pragma once
// Statements on the open database with their values already quoted into the text. The catalogue's owners
// read and delete through it, so that the database window can hand them its own way of running them and
// its tests can see what was run.
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CAppContext;

class CatalogueSql {
public:
    virtual ~CatalogueSql() = default;
    // Runs a statement on the open database (read-only cursor); true on success.
    virtual bool execute(const QString& sql) = 0;
    // Every row of a statement's result, each column as text; nullopt when the statement failed.
    virtual std::optional<QList<QStringList>> select(const QString& sql) = 0;
};

// Over the context's open database; every statement fails while none is open.
class ContextSql : public CatalogueSql {
public:
    explicit ContextSql(CAppContext& context) : m_context(context) {}

    bool execute(const QString& sql) override;
    std::optional<QList<QStringList>> select(const QString& sql) override;

private:
    CAppContext& m_context;
};

// The given column of every row; empty when the statement failed.
QStringList selectColumn(CatalogueSql& sql, const QString& statement, int column);
