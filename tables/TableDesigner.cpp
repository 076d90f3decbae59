#include "tables/TableDesigner.h"

#include "data/CDbRecordset.h"
#include "data/LayoutRows.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"
#include "tables/PropertyCheck.h"

using namespace fieldtypes;

namespace {
void tell(const QString& text, const QString& caption = framework::applicationCaption())
{
    framework::showMessage(text, caption);
}

bool ask(const QString& question)
{
    return framework::showMessage(question, framework::applicationCaption(), framework::Buttons::YesNo,
                                  framework::Icon::Information) == framework::Answer::Yes;
}

const QString kMessageCaption = QStringLiteral("Message");

bool isOneOf(const QString& name, std::initializer_list<const char*> names)
{
    for (const char* candidate : names)
        if (name == QLatin1String(candidate))
            return true;
    return false;
}
} // namespace

TableDesigner::TableDesigner(CAppContext& context, DesignerHost& host, ExpressionBuilder builder)
    : m_context(context), m_host(host), m_builder(std::move(builder))
{
}

FieldCatalogue TableDesigner::catalogue() const { return FieldCatalogue(m_context, m_tableName); }

void TableDesigner::open()
{
    m_rows = {};
    m_fields.clear();
    m_lookup.reset();
    m_selected = -1;
    m_changed = false;
    if (isEditing()) {
        m_tableName = m_host.selectedTableName();
        loadTable();
    }
}

void TableDesigner::loadTable()
{
    const QList<LoadedField> loaded = catalogue().LoadFields();
    if (loaded.isEmpty()) {
        tell(QStringLiteral("Table attributes not found"));
        return;
    }
    for (int i = 0; i < loaded.size() && i < kRows; ++i) {
        const LoadedField& field = loaded[i];
        m_fields.append({field.definition, field.lookup, field.calculation, field.definition.name, FieldRowState::None});
        m_rows[size_t(i)] = {field.definition.name, field.definition.type, QString(), i};
    }
    CDbRecordset layout(m_context.connection, m_context.databasePath());
    QString widths;
    if (layout.Open(LayoutRows::rowSql(m_tableName), 0, 1) &&
        !layout.IsEOF())
        layout.GetFieldString(QStringLiteral("Widths"), widths);
    const QStringList perRow = widths.split(QLatin1Char(';'));
    for (int row = 0; row < kRows && row < perRow.size(); ++row)
        m_rows[size_t(row)].width = perRow[row];
}

TableDesigner::Field* TableDesigner::fieldAt(int row)
{
    if (row < 0 || row >= kRows || m_rows[size_t(row)].definition < 0)
        return nullptr;
    return &m_fields[m_rows[size_t(row)].definition];
}

const TableDesigner::Field* TableDesigner::fieldAt(int row) const
{
    return const_cast<TableDesigner*>(this)->fieldAt(row);
}

FieldRowState TableDesigner::rowState(int row) const
{
    const Field* field = fieldAt(row);
    return field ? field->state : FieldRowState::None;
}

// Stored forms and queries keep table and field names between "~" separators and end a form's control
// with "|", without escaping.
bool TableDesigner::isStorableName(const QString& name)
{
    if (!name.contains(QLatin1Char('~')) && !name.contains(QLatin1Char('|')))
        return true;
    tell(QStringLiteral("Table and field names cannot contain ~ or |"));
    return false;
}

bool TableDesigner::nameUsedElsewhere(int row, const QString& name) const
{
    for (int other = 0; other < kRows; ++other)
        if (other != row && !rowIsEmpty(other) && m_rows[size_t(other)].name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool TableDesigner::editName(int row, const QString& name)
{
    if (row < 0 || row >= kRows || name.isEmpty() || !isStorableName(name))
        return false;
    if (nameUsedElsewhere(row, name)) {
        tell(QStringLiteral("Field already exists"));
        return false;
    }
    Field* field = fieldAt(row);
    if (!field) {
        const QString type = m_rows[size_t(row)].type.isEmpty() ? kText : m_rows[size_t(row)].type;
        m_fields.append({{name, type, propertyTemplate(type)}, {}, {}, {}, FieldRowState::Added});
        m_rows[size_t(row)] = {name, type, m_rows[size_t(row)].width, int(m_fields.size()) - 1};
        m_changed = true;
        return true;
    }
    const bool pending = field->state == FieldRowState::Added || field->state == FieldRowState::TypeChanged;
    if (name != field->definition.name) {
        if (!pending)
            field->state = FieldRowState::NameChanged;
    } else if (field->state == FieldRowState::None) {
        field->state = FieldRowState::PropertiesChanged;
    }
    field->definition.name = name;
    m_rows[size_t(row)].name = name;
    m_changed = true;
    return true;
}

bool TableDesigner::editType(int row, const QString& type)
{
    if (row < 0 || row >= kRows || !fieldtypes::find(type))
        return false;
    m_rows[size_t(row)].type = type;
    Field* field = fieldAt(row);
    if (!field || field->definition.type == type)
        return true;
    field->definition.type = type;
    field->definition.properties = propertyTemplate(type);
    if (isEditing() && field->state != FieldRowState::Added)
        field->state = FieldRowState::TypeChanged;
    m_changed = true;
    return true;
}

QList<PropertyRow> TableDesigner::properties() const
{
    const Field* field = fieldAt(m_selected);
    return field ? field->definition.properties : QList<PropertyRow>();
}

PropertyCell TableDesigner::propertyCell(int index) const
{
    const Field* field = fieldAt(m_selected);
    PropertyCell cell;
    if (!field || index < 0 || index >= field->definition.properties.size())
        return cell;
    const QString& name = field->definition.properties[index].name;
    const QString& type = field->definition.type;
    if (name == QStringLiteral("Unique") && type == kAutoNumber)
        cell.choices = {QStringLiteral("Yes")}; // a number handed out once is unique, and can be nothing else
    else if (isOneOf(name, {"Required", "Unique", "AllowZeroLength"}))
        cell.choices = {QStringLiteral("Yes"), QStringLiteral("No")};
    else if (name == QStringLiteral("Field Size") && type == kAutoNumber)
        cell.choices = {QStringLiteral("Long Integer"), QStringLiteral("Replication ID")};
    else if (name == QStringLiteral("Field Size"))
        cell.digitsOnly = true;
    else if (name == QStringLiteral("Format") && type == kBoolean)
        cell.choices = {QStringLiteral("Yes/No"), QStringLiteral("True/False"), QStringLiteral("On/Off")};
    else if (name == QStringLiteral("Format") && type == kDateTime)
        cell.choices = {QStringLiteral("ShortDate"), QStringLiteral("LongDate"), QStringLiteral("Time")};
    else if (isOneOf(name, {"Default Value", "DefValue", "Validation Rule", "ValdnRule"}))
        cell.builder = cell.builderEnabled = true;
    else if (isOneOf(name, {"Input Mask", "InputMask"})) {
        cell.builder = true;
        cell.builderEnabled = bool(m_maskBuilder);
    }
    return cell;
}

bool TableDesigner::editProperty(int index, const QString& value)
{
    Field* field = fieldAt(m_selected);
    if (!field || index < 0 || index >= field->definition.properties.size())
        return false;
    const QString& name = field->definition.properties[index].name;
    const QString kept = propertycheck::keptValue(field->definition.type, name, value);
    if (const std::optional<QString> refused = propertycheck::refusal(m_context, field->definition, name, kept)) {
        tell(*refused);
        return false;
    }
    field->definition.properties[index].value = kept;
    if (field->state == FieldRowState::None)
        field->state = FieldRowState::PropertiesChanged;
    m_changed = true;
    return true;
}

bool TableDesigner::runPropertyBuilder(int index)
{
    const PropertyCell cell = propertyCell(index);
    if (!cell.builder || !cell.builderEnabled)
        return false;
    const PropertyRow row = properties()[index];
    // The mask needs no saved table: it is a text of the field's own.
    if (isOneOf(row.name, {"Input Mask", "InputMask"})) {
        const std::optional<QString> chosen = m_maskBuilder(row.value);
        return chosen && *chosen != row.value && editProperty(index, *chosen);
    }
    if (!isEditing()) {
        framework::showMessage(QStringLiteral("Save Table to Continue"), framework::applicationCaption(), framework::Buttons::Ok,
                               framework::Icon::Information);
        return false;
    }
    const int mode = isOneOf(row.name, {"Default Value", "DefValue"}) ? 1 : 0;
    const std::optional<QString> built = runBuilder(row.value, mode);
    if (!built)
        return false;
    return editProperty(index, *built);
}

std::optional<QString> TableDesigner::runBuilder(const QString& text, int mode) const
{
    const Field* field = fieldAt(m_selected);
    if (!m_builder || !field)
        return std::nullopt;
    return m_builder(text, mode, m_tableName, field->definition.name);
}

bool TableDesigner::openLookup()
{
    if (!isEditing()) {
        tell(QStringLiteral("Save The Table To Lookup"));
        return false;
    }
    const Field* field = fieldAt(m_selected);
    if (!field) {
        tell(QStringLiteral("Select a Field to Lookup"));
        return false;
    }
    m_lookupField = m_rows[size_t(m_selected)].definition;
    m_lookup = std::make_unique<LookupEditor>(m_context, m_host.tableNames(), field->lookup, field->definition.type);
    m_lookupAsOpened = lookupContents();
    return true;
}

void TableDesigner::openCalculation()
{
    if (!isEditing()) {
        tell(QStringLiteral("Save the Table"));
        return;
    }
    Field* field = fieldAt(m_selected);
    if (!field) {
        tell(QStringLiteral("Select a Field to Set Calculation"));
        return;
    }
    FieldCatalogue fields = catalogue();
    // A field added since the last save has no catalogue row to keep its calculation in yet.
    const int position = fields.PositionOf(field->storedName);
    if (position < 0) {
        tell(QStringLiteral("Save the Table"));
        return;
    }
    const std::optional<QString> built = runBuilder(field->calculation, 4);
    if (!built || !ask(QStringLiteral("Save the Calculation ?")))
        return;
    if (fields.SaveCalculation(position, *built))
        field->calculation = *built;
}

QString TableDesigner::calculation() const
{
    const Field* field = fieldAt(m_selected);
    return field ? field->calculation : QString();
}

void TableDesigner::moveUp() { move(m_selected, -1, QStringLiteral("Please select a single field to move up")); }

void TableDesigner::moveDown() { move(m_selected, 1, QStringLiteral("Please select a single field to move down")); }

void TableDesigner::move(int row, int offset, const QString& refusal)
{
    if (row < 0 || row >= kRows) {
        tell(refusal);
        return;
    }
    const int target = row + offset;
    if (target < 0 || target >= kRows)
        return;
    std::swap(m_rows[size_t(row)], m_rows[size_t(target)]);
    m_selected = target;
    m_changed = true;
}

void TableDesigner::deleteField()
{
    if (m_selected < 0 || m_selected >= kRows) {
        tell(QStringLiteral("Please select a single field to delete"), kMessageCaption);
        return;
    }
    Field* field = fieldAt(m_selected);
    if (!field) {
        tell(QStringLiteral("Only Non Empty Rows Can be deleted"), kMessageCaption);
        return;
    }
    if (framework::showMessage(QStringLiteral("Delete field ") + field->definition.name + QStringLiteral(" ?"),
                               kMessageCaption, framework::Buttons::OkCancel) != framework::Answer::Ok)
        return;
    if (isEditing() && !field->storedName.isEmpty() && !catalogue().DeleteField(field->storedName))
        return;
    m_lookup.reset();
    for (int row = m_selected; row < kRows - 1; ++row)
        m_rows[size_t(row)] = m_rows[size_t(row) + 1];
    m_rows[kRows - 1] = {};
    m_changed = true;
}

bool TableDesigner::save()
{
    return isEditing() ? saveExistingTable() : saveNewTable();
}

bool TableDesigner::saveNewTable()
{
    if (m_tableName.isEmpty()) {
        tell(QStringLiteral("Table Name is not entered"));
        return false;
    }
    if (!isStorableName(m_tableName))
        return false;
    for (const QString& existing : m_host.tableNames())
        if (existing.compare(m_tableName, Qt::CaseInsensitive) == 0) {
            tell(QStringLiteral("Table already exists in the database"));
            return false;
        }
    QList<FieldDefinition> definitions;
    for (int row = 0; row < kRows; ++row)
        if (const Field* field = fieldAt(row))
            definitions << field->definition;
    if (definitions.isEmpty()) {
        tell(QStringLiteral("No fields entered"));
        return false;
    }
    FieldCatalogue fields = catalogue();
    if (!fields.CreateTableFromFields(definitions, [this](const QString& name, const QString& id) {
            m_host.addTable(name, id);
        }))
        return false;
    writeTableLayout();
    m_host.setDesignerMode(1);
    m_host.selectTable(m_tableName);
    open();
    return true;
}

bool TableDesigner::saveExistingTable()
{
    bool allSaved = true;
    for (int row = 0; row < kRows; ++row)
        if (Field* field = fieldAt(row); field && field->state != FieldRowState::None) {
            if (saveRow(*field, rowType(row)))
                field->state = FieldRowState::None;
            else
                allSaved = false;
        }
    const bool lookupSaved = saveLookup();
    writeTableLayout();
    // A row the save could not store keeps the close question.
    m_changed = !allSaved;
    return allSaved && lookupSaved;
}

bool TableDesigner::saveRow(Field& field, const QString& designerType)
{
    FieldCatalogue fields = catalogue();
    const int position = fields.PositionOf(field.storedName);
    switch (field.state) {
    case FieldRowState::PropertiesChanged: return fields.UpdateFieldProperties(position, field.definition);
    case FieldRowState::NameChanged:
        if (!fields.RenameField(position, field.definition.name))
            return false;
        field.storedName = field.definition.name;
        return fields.UpdateFieldProperties(position, field.definition);
    case FieldRowState::Added:
        if (!fields.AddFieldToTable(field.definition, designerType))
            return false;
        field.storedName = field.definition.name;
        tell(QStringLiteral("Field added successfully : ") + field.definition.name);
        return true;
    case FieldRowState::TypeChanged:
        if (!fields.ChangeFieldType(position, field.definition))
            return false;
        field.storedName = field.definition.name;
        return true;
    case FieldRowState::None: return true;
    }
    return true;
}

bool TableDesigner::saveLookup()
{
    if (!m_lookup || m_lookupField < 0 || m_lookupField >= m_fields.size())
        return true;
    const auto request = m_lookup->saveRequest();
    if (!request)
        return false;
    Field& field = m_fields[m_lookupField];
    if (!catalogue().SaveLookup(field.storedName, request->first, request->second))
        return false;
    m_lookupAsOpened = lookupContents();
    field.lookup = LookupSpec::fromCatalogue(request->first == 2 ? QStringLiteral("0") : QStringLiteral("1"),
                                             request->first == 1 ? lookup::kValueList : request->second,
                                             request->first == 1 ? request->second : QString());
    return true;
}

void TableDesigner::writeTableLayout()
{
    QString names, widths;
    for (const Row& row : m_rows)
        if (row.definition >= 0 && !row.name.isEmpty()) {
            names += row.name + QLatin1Char(';');
            widths += row.width + QLatin1Char(';');
        }
    if (!storeLayout(names, widths))
        tell(QStringLiteral("Error while storing the column widths of ") + m_tableName);
}

bool TableDesigner::storeLayout(const QString& names, const QString& widths)
{
    CDbRecordset layout(m_context.connection, m_context.databasePath());
    if (!layout.Open(LayoutRows::rowSql(m_tableName), 2, 3))
        return false;
    if (layout.IsEOF()) {
        layout.Close();
        if (!layout.Open(LayoutRows::tableSql(), 2, 3) || !layout.AddNew() ||
            !layout.SetFieldString(QStringLiteral("TableSource"), m_tableName))
            return false;
    }
    return layout.SetFieldString(QStringLiteral("FieldName"), names) &&
           layout.SetFieldString(QStringLiteral("Widths"), widths) && layout.Update();
}

QStringList TableDesigner::lookupContents() const
{
    QStringList contents;
    for (int row = 0; row < LookupEditor::kRows; ++row)
        contents << m_lookup->value(row);
    return contents + m_lookup->items();
}

bool TableDesigner::hasUnsavedChanges() const
{
    return m_changed || (m_lookup && lookupContents() != m_lookupAsOpened);
}

bool TableDesigner::close()
{
    if (hasUnsavedChanges()) {
        const framework::Answer answer =
            framework::showMessage(QStringLiteral("Do you want to save the changes?"), framework::applicationCaption(),
                                   framework::Buttons::YesNoCancel, framework::Icon::Information);
        if (answer == framework::Answer::Cancel)
            return false;
        // A save that fails keeps the window open with what was typed, so that nothing is lost on a Yes.
        if (answer == framework::Answer::Yes && !save())
            return false;
    }
    m_rows = {};
    m_fields.clear();
    m_lookup.reset();
    return true;
}
