#pragma once
// The operations that create, change and drop a table's fields: each runs the engine's DDL and keeps
// the field's catalogue row in step with it.
#include "data/CAppContext.h"
#include "platform/automation/variant.h"
#include "tables/FieldTypes.h"
#include "tables/LookupSpec.h"

#include <QList>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

// A field as the catalogue describes it when a table is opened for editing.
struct LoadedField {
    FieldDefinition definition;
    LookupSpec lookup;
    QString calculation;
};

class FieldCatalogue {
public:
    // `table` is the bare table name; its TableID is looked up in the engine's catalogue.
    FieldCatalogue(CAppContext& context, QString table);

    const QString& tableId() const { return m_tableId; }

    // Creates the table and one catalogue row per named field; reports success or failure itself.
    // `listed` is told the new table's name and id, so the database window can show it.
    bool CreateTableFromFields(const QList<FieldDefinition>& fields,
                               const std::function<void(const QString& name, const QString& id)>& listed);
    // The same table and rows without a word to the user, for tables the program makes by itself.
    bool CreateTable(const QList<FieldDefinition>& fields,
                     const std::function<void(const QString& name, const QString& id)>& listed = {});
    // `designerType` is the type shown in the designer's row, used when the definition has none.
    bool AddFieldToTable(const FieldDefinition& field, const QString& designerType = QString());
    bool RenameField(int position, const QString& newName);
    bool UpdateFieldProperties(int position, const FieldDefinition& field);
    // Asks before it converts the column's values to the new type; values that do not convert are lost.
    // Adding, changing and deleting a field each run as one transaction: when a step fails, table,
    // data and catalogue stay as they were and the call answers false.
    bool ChangeFieldType(int position, const FieldDefinition& field);
    bool DeleteField(const QString& fieldName);
    // False when a catalogue row could not be read or corrected.
    bool ResyncFieldIds();
    // kind 0: a lookup text for ComboFlags, 1: a value list for ComboData, 2: no lookup.
    bool SaveLookup(const QString& fieldName, int kind, const QString& text);
    bool SaveCalculation(int position, const QString& expression);

    // The table's fields in the catalogue's order; empty when there are no rows.
    QList<LoadedField> LoadFields();
    // The position of a field among the table's catalogue rows; -1 when it has none.
    int PositionOf(const QString& fieldName);

private:
    bool run(const QString& sql);
    bool addField(const FieldDefinition& field, const QString& designerType = QString());
    // The field's value in every record, in record order; nullopt when the records cannot be read.
    std::optional<QVector<Variant>> valuesOf(const QString& fieldName);
    bool writeBack(const QVector<Variant>& values, const FieldDefinition& field);

    CAppContext& m_context;
    QString m_table;
    QString m_tableId;
};

// The statements of CreateTableFromFields before the ids are known: the DDL, and one catalogue insert per
// field with "<TableID>" and "<FieldID>" still to fill in.
struct TableStatements {
    QString ddl;
    QStringList catalogueInserts;
};
TableStatements tableStatements(const QString& table, const QList<FieldDefinition>& fields);
