#pragma once
// The catalogue's forms: one row per stored form, its name, its record source (a table, or a query's name
// followed by "(Q)") and its CtrlProps text.
#include <QString>
#include <QStringList>

#include <optional>

class CAppContext;
class CatalogueSql;

struct FormRow {
    QString name;
    QString tableSource;
    QString ctrlProps;
};

class FormRows {
public:
    explicit FormRows(CatalogueSql& sql) : m_sql(sql) {}

    // In the order they are stored.
    QStringList names();
    bool exists(const QString& name);
    std::optional<FormRow> find(const QString& name);
    bool remove(const QString& name);
    bool insert(const FormRow& row);

    // Written through an updatable recordset, which tells the user itself why the engine refused a row.
    static bool add(CAppContext& context, const FormRow& row);
    // Writes all three columns of the row now named `name`; false when there is none or the write failed.
    static bool update(CAppContext& context, const QString& name, const FormRow& row);

private:
    CatalogueSql& m_sql;
};
