#pragma once
// What the designer offers from the open database: the record sources (tables by plain name, stored
// queries as "(Q)" + name), the fields of a source with their types and lengths, and the macros and
// modules an event property may name.
#include <QList>
#include <QString>
#include <QStringList>

class CAppContext;

struct SourceField {
    QString name;
    // The catalogue's type code; a query's column has the code of its engine type.
    int odbcType = 0;
    // The longest text the field takes; 0 when it sets no limit.
    int length = 0;
    bool hasLookup = false;

    // "Text", "Memo", "Integer", "Double", "DateTime", "Boolean" or "OLE Obj".
    QString typeName() const;
    // As the Control Source list shows it: "City - Text".
    QString entry() const { return name + QStringLiteral(" - ") + typeName(); }
};

class DesignCatalogue {
public:
    explicit DesignCatalogue(CAppContext& context) : m_context(context) {}

    QStringList tables() const;
    // "(Q)" + each stored query's name.
    QStringList queries() const;
    // Tables, then queries.
    QStringList sources() const { return tables() + queries(); }
    // The fields of a table from its catalogue rows, in field order; of a stored query from its statement.
    QList<SourceField> fields(const QString& source) const;
    QStringList macros() const;
    QStringList modules() const;

private:
    QStringList column(const QString& sql, int column) const;

    CAppContext& m_context;
};

// The type name the Control Source list shows for a catalogue ODBCType.
QString TypeNameOfOdbc(int odbcType);
