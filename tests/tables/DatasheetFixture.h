#pragma once
// A database with tables made through the field catalogue, and a datasheet over an in-memory grid.
#include "tables/MemoryGrid.h"
#include "TableFixture.h"
#include "platform/framework/Prompts.h"
#include "tables/Datasheet.h"
#include "tables/DatasheetExpr.h"
#include "tables/FieldCatalogue.h"

#include <QMap>

class DatasheetFixture : public TableFixture {
protected:
    // A field of the type with its template's properties, some of them set by name.
    static FieldDefinition field(const QString& name, const QString& type, const QMap<QString, QString>& set = {})
    {
        FieldDefinition definition{name, type, fieldtypes::propertyTemplate(type)};
        for (PropertyRow& row : definition.properties)
            if (set.contains(row.name))
                row.value = set.value(row.name);
        return definition;
    }
    QString createTable(const QString& table, const QList<FieldDefinition>& fields)
    {
        FieldCatalogue catalogue(context, table);
        EXPECT_TRUE(catalogue.CreateTableFromFields(fields, {}));
        messages.clear();
        return catalogue.tableId();
    }
    bool open(const QString& table)
    {
        sheet.close();
        const bool opened = sheet.openTable(table);
        messages.clear();
        return opened;
    }
    // Types into the cell of a record's row on the page on show and ends the edit.
    bool edit(int row, int field, const QString& text)
    {
        grid.type(row, field + 1, text);
        return sheet.storeCell(row, field + 1);
    }
    QStringList column(const QString& sql) const
    {
        QStringList values;
        for (const QStringList& row : const_cast<DatasheetFixture*>(this)->select(sql))
            values << row.value(0);
        return values;
    }

    MemoryGrid grid;
    Datasheet sheet{context, grid};
};
