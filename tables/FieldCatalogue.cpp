#include "tables/FieldCatalogue.h"

#include "data/CDbRecordset.h"
#include "data/CDbTransaction.h"
#include "data/CatalogueSql.h"
#include "data/FieldRows.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"
#include "tables/ValueCarry.h"

#include <QVector>

using namespace fieldtypes;

namespace {

void tell(const QString& text) { framework::showMessage(text); }

bool isFlagProperty(const QString& name)
{
    return name == QStringLiteral("Required") || name == QStringLiteral("Unique") ||
           name == QStringLiteral("AllowZeroLength");
}

// The catalogue column of a text property, by its new or its loaded name; empty for other properties.
QString textColumn(const QString& property)
{
    static const QList<std::pair<QString, QString>> columns{
        {QStringLiteral("Format"), QStringLiteral("Format")},
        {QStringLiteral("Input Mask"), QStringLiteral("InputMask")},
        {QStringLiteral("InputMask"), QStringLiteral("InputMask")},
        {QStringLiteral("Default Value"), QStringLiteral("DefValue")},
        {QStringLiteral("DefValue"), QStringLiteral("DefValue")},
        {QStringLiteral("Validation Rule"), QStringLiteral("ValdnRule")},
        {QStringLiteral("ValdnRule"), QStringLiteral("ValdnRule")},
        {QStringLiteral("Validation Text"), QStringLiteral("ValdnText")},
        {QStringLiteral("ValdnText"), QStringLiteral("ValdnText")},
    };
    for (const auto& [name, column] : columns)
        if (name == property)
            return column;
    return {};
}

// An AutoNumber hands each number out once: it is created unique, whatever its row says.
bool isAutoNumberUnique(const QString& type, const QString& property)
{
    return type == kAutoNumber && property == QStringLiteral("Unique");
}

QString flagColumn(const QString& property)
{
    return property == QStringLiteral("AllowZeroLength") ? QStringLiteral("ZeroLen") : property;
}

QString fieldSizeOf(const FieldDefinition& field)
{
    for (const PropertyRow& row : field.properties)
        if (row.name == QStringLiteral("Field Size"))
            return row.value;
    return {};
}

// A Text field's size as a number, so that whatever the row holds cannot reach the statement as text.
QString textSize(const FieldDefinition& field) { return QString::number(fieldSizeOf(field).toInt()); }

QString catalogueInsert(const FieldDefinition& field, const FieldType& type)
{
    QString columns = QStringLiteral("Tableid, FieldName, FieldId");
    QString values = QStringLiteral("<TableID>, ") + sqlQuoted(field.name) + QStringLiteral(", <FieldID>");
    if (type.name == kMemo || type.name == kOleObject) {
        columns += QStringLiteral(", Unique");
        values += QStringLiteral(", false");
    }
    for (const PropertyRow& row : field.properties) {
        if (row.name == QStringLiteral("Field Size")) {
            if (type.name == kText) {
                columns += QStringLiteral(", Len");
                values += QStringLiteral(", ") + textSize(field);
            } else if (type.name == kAutoNumber) {
                columns += QStringLiteral(", Len, AutoNumber");
                values += QStringLiteral(", 4, 1");
            }
        } else if (isFlagProperty(row.name)) {
            columns += QStringLiteral(", ") + flagColumn(row.name);
            values += row.value == QStringLiteral("Yes") || isAutoNumberUnique(type.name, row.name)
                          ? QStringLiteral(", true")
                          : QStringLiteral(", false");
        } else if (const QString column = textColumn(row.name); !column.isEmpty()) {
            columns += QStringLiteral(", ") + column;
            values += QStringLiteral(", ") + sqlQuoted(row.value);
        }
    }
    columns += QStringLiteral(", ODBCType");
    values += QStringLiteral(", ") + QString::number(type.odbcType);
    if (type.name != kText && type.name != kAutoNumber) {
        columns += QStringLiteral(", Len");
        values += QStringLiteral(", ") + QString::number(type.length);
    }
    columns += QStringLiteral(", Calculation");
    values += QStringLiteral(", ''");
    return FieldRows::insertSql(columns, values);
}

QString loadedValue(const QString& column, const QString& stored, const QString& type)
{
    if (column == QStringLiteral("Required") || column == QStringLiteral("Unique") ||
        column == QStringLiteral("ZeroLen"))
        return flagText(stored == QStringLiteral("-1"));
    if (column == QStringLiteral("Len") && type == kAutoNumber)
        return QStringLiteral("Long Integer");
    return stored;
}

} // namespace

TableStatements tableStatements(const QString& table, const QList<FieldDefinition>& fields)
{
    TableStatements statements;
    QStringList columns;
    for (const FieldDefinition& field : fields) {
        const auto type = fieldtypes::find(field.type);
        if (field.name.isEmpty() || field.properties.isEmpty() || !type)
            continue;
        columns << sqlName(field.name) + QLatin1Char(' ') + sqlType(field.type, textSize(field));
        statements.catalogueInserts << catalogueInsert(field, *type);
    }
    statements.ddl =
        QStringLiteral("Create table ") + sqlQuoted(table) + QStringLiteral(" (") + columns.join(QStringLiteral(", ")) +
        QLatin1Char(')');
    return statements;
}

FieldCatalogue::FieldCatalogue(CAppContext& context, QString table)
    : m_context(context), m_table(std::move(table)), m_tableId(tableIdOf(context, m_table))
{
}

bool FieldCatalogue::run(const QString& sql)
{
    CDbRecordset statement(m_context.connection, m_context.databasePath());
    return statement.Open(sql, 0, 1);
}

bool FieldCatalogue::CreateTableFromFields(const QList<FieldDefinition>& fields,
                                           const std::function<void(const QString&, const QString&)>& listed)
{
    if (!CreateTable(fields, listed)) {
        tell(QStringLiteral("Table creation failed"));
        return false;
    }
    tell(QStringLiteral("Table  created successfully"));
    return true;
}

bool FieldCatalogue::CreateTable(const QList<FieldDefinition>& fields,
                                 const std::function<void(const QString&, const QString&)>& listed)
{
    const TableStatements statements = tableStatements(m_table, fields);
    if (!run(statements.ddl))
        return false;
    m_tableId = tableIdOf(m_context, m_table);
    if (listed)
        listed(m_table, m_tableId);
    CDbRecordset ids(m_context.connection, m_context.databasePath());
    QStringList fieldIds;
    if (ids.Open(QStringLiteral("Select FieldId From MSysFields Where TableId = ") + m_tableId +
                     QStringLiteral(" ORDER BY FIELDID ASC"),
                 0, 1))
        for (; !ids.IsEOF(); ids.MoveNext())
            fieldIds << ids.GetFieldString(0);
    for (int i = 0; i < statements.catalogueInserts.size(); ++i) {
        QString insert = statements.catalogueInserts[i];
        insert.replace(QStringLiteral("<TableID>"), m_tableId).replace(QStringLiteral("<FieldID>"), fieldIds.value(i));
        run(insert);
    }
    return true;
}

bool FieldCatalogue::AddFieldToTable(const FieldDefinition& field, const QString& designerType)
{
    CDbTransaction transaction(m_context);
    return transaction.isOpen() && addField(field, designerType) && transaction.commit();
}

bool FieldCatalogue::addField(const FieldDefinition& field, const QString& designerType)
{
    const QString typeName = !field.type.isEmpty() ? field.type : !designerType.isEmpty() ? designerType : kText;
    const auto type = fieldtypes::find(typeName);
    if (!type || !run(QStringLiteral("ALTER TABLE ") + sqlName(m_table) + QStringLiteral(" ADD ") + sqlName(field.name) +
                      QLatin1Char(' ') + sqlType(typeName, textSize(field))))
        return false;
    CDbRecordset engine(m_context.connection, m_context.databasePath());
    const bool found = engine.Open(QStringLiteral("Select TableID, FieldId From MSysFields where Tableid = ") + m_tableId +
                                       QStringLiteral(" AND FieldName = ") + sqlQuoted(field.name),
                                   0, 1) &&
                       !engine.IsEOF();
    CDbRecordset row(m_context.connection, m_context.databasePath());
    bool stored = found && row.Open(FieldRows::tableSql(), 2, 3) && row.AddNew();
    if (stored) {
        row.SetFieldString(QStringLiteral("TableID"), engine.GetFieldString(0));
        row.SetFieldString(QStringLiteral("FieldName"), field.name);
        row.SetFieldString(QStringLiteral("FieldID"), engine.GetFieldString(1));
        for (const PropertyRow& property : field.properties) {
            if (property.name == QStringLiteral("Field Size")) {
                if (typeName == kText) {
                    row.SetFieldString(QStringLiteral("Len"), textSize(field));
                } else if (typeName == kAutoNumber) {
                    row.SetFieldString(QStringLiteral("AutoNumber"), QStringLiteral("1"));
                    row.SetFieldString(QStringLiteral("Len"), QStringLiteral("4"));
                }
            } else if (isFlagProperty(property.name)) {
                if (property.value == QStringLiteral("Yes") || property.value == QStringLiteral("No"))
                    row.SetFieldBool(flagColumn(property.name), property.value == QStringLiteral("Yes"));
            } else if (const QString column = textColumn(property.name); !column.isEmpty()) {
                row.SetFieldString(column, property.value);
            }
        }
        row.SetFieldString(QStringLiteral("ODBCType"), QString::number(type->odbcType));
        if (typeName != kText)
            row.SetFieldString(QStringLiteral("Len"), QString::number(typeName == kDateTime ? 8 : type->length));
        row.SetFieldString(QStringLiteral("Calculation"), QString());
        if (typeName == kMemo)
            row.SetFieldBool(QStringLiteral("Unique"), false);
        if (typeName == kAutoNumber) {
            row.SetFieldBool(QStringLiteral("Required"), false);
            row.SetFieldBool(QStringLiteral("Unique"), true);
        }
        stored = row.Update();
    }
    // A column without its catalogue row would lose its properties: the column goes too.
    if (!stored)
        tell(QStringLiteral("Field not added, Error while setting Properties for new field"));
    return stored;
}

namespace {
QString stringOf(CDbRecordset& row, const QString& column)
{
    QString value;
    row.GetFieldString(column, value);
    return value;
}
} // namespace

bool FieldCatalogue::RenameField(int position, const QString& newName)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!row.Open(FieldRows::rowsSql(m_tableId), 2, 3) || !row.MoveTo(position) || row.IsEOF())
        return false;
    const QString oldName = stringOf(row, QStringLiteral("FieldName"));
    if (!run(QStringLiteral("ALTER TABLE ") + sqlName(m_table) + QStringLiteral(" RENAME ") + sqlName(oldName) +
             QStringLiteral(" TO ") + sqlName(newName)))
        return false;
    if (!row.SetFieldString(QStringLiteral("FieldName"), newName) || !row.Update()) {
        tell(FieldRows::renameFailure());
        return true;
    }
    tell(QStringLiteral("Field name changed successfully : ") + newName);
    return true;
}

bool FieldCatalogue::UpdateFieldProperties(int position, const FieldDefinition& field)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!row.Open(FieldRows::rowsSql(m_tableId), 2, 3) || !row.MoveTo(position) || row.IsEOF() ||
        stringOf(row, QStringLiteral("FieldName")) != field.name)
        return false;
    const QString type =
        typeNameOf(stringOf(row, QStringLiteral("ODBCType")).toInt(), stringOf(row, QStringLiteral("AutoNumber")));
    const QStringList columns = propertyColumns(type);
    for (int i = 0; i < columns.size() && i < field.properties.size(); ++i) {
        const QString& column = columns[i];
        const QString& value = field.properties[i].value;
        if (column == QStringLiteral("Len")) {
            if (type == kText)
                row.SetFieldString(column, QString::number(value.toInt()));
        } else if (column == QStringLiteral("Required") || column == QStringLiteral("Unique") ||
                   column == QStringLiteral("ZeroLen")) {
            row.SetFieldBool(column, value == QStringLiteral("Yes"));
        } else {
            row.SetFieldString(column, value);
        }
    }
    if (!row.Update()) {
        tell(QStringLiteral("Error while updating changed props for : ") + field.name);
        return false;
    }
    return true;
}

bool FieldCatalogue::ChangeFieldType(int position, const FieldDefinition& field)
{
    QString oldName;
    {
        CDbRecordset row(m_context.connection, m_context.databasePath());
        if (!row.Open(FieldRows::rowsSql(m_tableId), 0, 1) || !row.MoveTo(position) || row.IsEOF())
            return false;
        oldName = stringOf(row, QStringLiteral("FieldName"));
    }
    // The engine cannot drop a table's last column; the catalogue row would be deleted for nothing.
    CDbRecordset columns(m_context.connection, m_context.databasePath());
    if (columns.Open(QStringLiteral("Select FieldId From MSysFields Where TableId = ") + m_tableId, 0, 1) &&
        columns.GetRecordCount() < 2) {
        tell(QStringLiteral("The data type of a table's only field cannot be changed. Add another field first."));
        return false;
    }
    if (framework::showMessage(QStringLiteral("The data of the field ") + oldName + QStringLiteral(" will be converted to ") +
                                   field.type + QStringLiteral(". Values that do not fit the new type will be lost. "
                                                               "Change the data type?"),
                               framework::applicationCaption(), framework::Buttons::YesNo,
                               framework::Icon::Information) != framework::Answer::Yes)
        return false;
    CDbTransaction transaction(m_context);
    std::optional<QVector<Variant>> values;
    if (!transaction.isOpen() || !(values = valuesOf(oldName)) || !run(FieldRows::removeFieldSql(m_tableId, oldName)) ||
        !run(QStringLiteral("Alter table ") + sqlQuoted(m_table) + QStringLiteral(" Drop ") + sqlName(oldName)) ||
        !ResyncFieldIds() || !addField(field) || !writeBack(*values, field) || !transaction.commit())
        return false;
    tell(QStringLiteral("Field data type changed successfully : ") + field.name);
    return true;
}

std::optional<QVector<Variant>> FieldCatalogue::valuesOf(const QString& fieldName)
{
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (!records.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(m_table), 0, 1))
        return std::nullopt;
    QVector<Variant> values;
    for (; !records.IsEOF(); records.MoveNext())
        values << records.GetFieldValue(fieldName);
    return values;
}

// The values go back in record order, which dropping and adding a column leaves as it was; a value
// the new type cannot take stays empty, as the user was told.
bool FieldCatalogue::writeBack(const QVector<Variant>& values, const FieldDefinition& field)
{
    CDbRecordset records(m_context.connection, m_context.databasePath());
    if (!records.Open(QStringLiteral("SELECT * FROM ") + sqlQuoted(m_table), 2, 3))
        return false;
    const int size = textSize(field).toInt();
    for (int i = 0; i < values.size() && !records.IsEOF(); ++i, records.MoveNext()) {
        const Variant carried = carriedValue(values[i], field.type, size);
        if (carried.isEmpty())
            continue;
        if (const auto column = records.GetFieldObject(records.GetFieldCount() - 1);
            column && SUCCEEDED(column->put_Value(carried)) && !records.Update())
            return false;
    }
    return true;
}

bool FieldCatalogue::DeleteField(const QString& fieldName)
{
    // A column the engine keeps (the table's last one, say) keeps its catalogue row too.
    CDbTransaction transaction(m_context);
    return transaction.isOpen() &&
           run(QStringLiteral("Alter table ") + sqlQuoted(m_table) + QStringLiteral(" DROP ") + sqlName(fieldName)) &&
           run(FieldRows::removeFieldSql(m_tableId, fieldName)) && ResyncFieldIds() && transaction.commit();
}

bool FieldCatalogue::ResyncFieldIds()
{
    CDbRecordset catalogue(m_context.connection, m_context.databasePath());
    CDbRecordset engine(m_context.connection, m_context.databasePath());
    if (!catalogue.Open(FieldRows::rowsByNameSql(m_tableId), 0, 3) ||
        !engine.Open(QStringLiteral("SELECT * FROM 'MSysFields' WHERE 'TableID' = ") + sqlQuoted(m_tableId) +
                         QStringLiteral(" ORDER BY 'FieldName'"),
                     0, 1))
        return false;
    for (; !catalogue.IsEOF() && !engine.IsEOF(); catalogue.MoveNext(), engine.MoveNext()) {
        const QString engineId = stringOf(engine, QStringLiteral("FieldID"));
        if (stringOf(catalogue, QStringLiteral("FieldName")) == stringOf(engine, QStringLiteral("FieldName")) &&
            stringOf(catalogue, QStringLiteral("FieldID")) != engineId &&
            (!catalogue.SetFieldString(QStringLiteral("FieldID"), engineId) || !catalogue.Update()))
            return false;
    }
    return true;
}

bool FieldCatalogue::SaveLookup(const QString& fieldName, int kind, const QString& text)
{
    const QString id = tableIdOf(m_context, m_table);
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (id.isEmpty() ||
        !row.Open(FieldRows::fieldRowSql(id, fieldName), 2, 3) ||
        row.IsEOF())
        return false;
    bool stored = row.SetFieldString(QStringLiteral("Combo"), kind == 2 ? QStringLiteral("0") : QStringLiteral("1")) &&
                  row.Update();
    if (kind == 1)
        stored = stored && row.SetFieldString(QStringLiteral("ComboFlags"), lookup::kValueList) &&
                 row.SetFieldString(QStringLiteral("ComboData"), text) && row.Update();
    else if (kind == 0)
        stored = stored && row.SetFieldString(QStringLiteral("ComboFlags"), text) && row.Update();
    return stored;
}

bool FieldCatalogue::SaveCalculation(int position, const QString& expression)
{
    CDbRecordset row(m_context.connection, m_context.databasePath());
    return row.Open(FieldRows::rowsSql(m_tableId), 2, 3) &&
           row.MoveTo(position) && !row.IsEOF() && row.SetFieldString(QStringLiteral("Calculation"), expression) &&
           row.Update();
}

QList<LoadedField> FieldCatalogue::LoadFields()
{
    QList<LoadedField> fields;
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!row.Open(FieldRows::rowsSql(m_tableId), 0, 1))
        return fields;
    for (; !row.IsEOF(); row.MoveNext()) {
        LoadedField field;
        FieldDefinition& definition = field.definition;
        definition.name = stringOf(row, QStringLiteral("FieldName"));
        definition.type =
            typeNameOf(stringOf(row, QStringLiteral("ODBCType")).toInt(), stringOf(row, QStringLiteral("AutoNumber")));
        const QStringList names = loadedPropertyNames(definition.type);
        const QStringList columns = propertyColumns(definition.type);
        for (int i = 0; i < names.size(); ++i)
            definition.properties.append({names[i], loadedValue(columns[i], stringOf(row, columns[i]), definition.type)});
        field.lookup = LookupSpec::fromCatalogue(stringOf(row, QStringLiteral("Combo")),
                                                 stringOf(row, QStringLiteral("ComboFlags")),
                                                 stringOf(row, QStringLiteral("ComboData")));
        field.calculation = stringOf(row, QStringLiteral("Calculation"));
        fields.append(field);
    }
    return fields;
}

int FieldCatalogue::PositionOf(const QString& fieldName)
{
    ContextSql sql(m_context);
    return int(FieldRows(sql).namesOfTable(m_tableId).indexOf(fieldName));
}
