#pragma once
// The catalogue's macros: one row per macro, its name, the Event and Arguments texts of its actions and
// whether it stands alone.
#include <QString>
#include <QStringList>

#include <optional>

class CAppContext;
class CatalogueSql;

struct StoredMacro {
    QString name;
    QString events;
    QString arguments;
};

class MacroRows {
public:
    explicit MacroRows(CatalogueSql& sql) : m_sql(sql) {}

    // In the order they are stored.
    QStringList names();
    bool exists(const QString& name);
    // The Arguments text of the macro of that name; nullopt unless exactly one row has the name.
    std::optional<QString> arguments(const QString& name);
    bool remove(const QString& name);

    // Writes the macro over the row named `existing`, or into a new row when that is empty; false when the
    // row cannot be opened or written (the recordset tells the user why the engine refused it).
    static bool write(CAppContext& context, const QString& existing, const StoredMacro& macro);

private:
    CatalogueSql& m_sql;
};
