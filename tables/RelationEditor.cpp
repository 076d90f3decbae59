#include "tables/RelationEditor.h"

#include "data/CDbRecordset.h"
#include "data/Catalogue.h"
#include "data/CatalogueSql.h"
#include "data/FieldRows.h"
#include "data/OdbcType.h"
#include "data/RelationRows.h"
#include "data/SqlText.h"
#include "platform/framework/MessageBox.h"
#include "tables/FieldTypes.h"
#include "tables/Relations.h"

#include <algorithm>

namespace {

void tell(const QString& text) { framework::showMessage(text); }

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// How many of Unique, Required and ZeroLen a key of this type has set.
int keyFlagCount(const QString& odbcType)
{
    // Text that is no code reads as 0, which no type has.
    switch (odbcType.toInt()) {
    case odbc::Text: return 3;
    case odbc::Integer:
    case odbc::Double:
    case odbc::Boolean:
    case odbc::Memo:
    case odbc::DateTime: return 2;
    default: return 1;
    }
}


const QString kWrongMode = QStringLiteral("This Operation cannot be handled in this mode");

} // namespace

bool StoredRelation::sameNames(const StoredRelation& other) const
{
    return sameName(leftTable, other.leftTable) && sameName(rightTable, other.rightTable) &&
           sameName(leftField, other.leftField) && sameName(rightField, other.rightField);
}

int RelationChoice::flags() const
{
    if (!referentialIntegrity)
        return 0;
    const int cascades =
        (cascadingUpdates ? relationflags::kCascadeUpdates : 0) + (cascadingDeletes ? relationflags::kCascadeDeletes : 0);
    return cascades ? cascades : relationflags::kReferentialIntegrity;
}

StoredRelation RelationChoice::relation() const
{
    return {{leftTable, rightTable, leftField, rightField, type, flags()}};
}

RelationChoice RelationChoice::of(const StoredRelation& relation)
{
    RelationChoice choice{relation.leftTable, relation.rightTable, relation.leftField, relation.rightField};
    choice.referentialIntegrity = relation.flags != 0;
    choice.cascadingUpdates = (relation.flags & relationflags::kCascadeUpdates) != 0;
    choice.cascadingDeletes = (relation.flags & relationflags::kCascadeDeletes) != 0;
    choice.type = relation.type;
    return choice;
}

QStringList relationtypes::labels()
{
    return {QStringLiteral("Unrestricted"), QStringLiteral("One to One"), QStringLiteral("One to Many")};
}

QString relationFlagsText(int flags)
{
    switch (flags) {
    case 0: return QStringLiteral("None");
    case relationflags::kReferentialIntegrity: return QStringLiteral("Referential Integrity");
    case relationflags::kCascadeUpdates: return QStringLiteral("Cascading Updates");
    case relationflags::kCascadeDeletes: return QStringLiteral("Cascading Deletes");
    case relationflags::kCascadeUpdates | relationflags::kCascadeDeletes:
        return QStringLiteral("Cascading Updates and Deletes");
    default: return QString::number(flags);
    }
}

RelationEditor::RelationEditor(CAppContext& context) : m_context(context) {}

QStringList RelationEditor::tables() const
{
    QStringList names;
    CDbRecordset tables(m_context.connection, m_context.databasePath());
    if (!m_context.openDatabase || !tables.Open(QStringLiteral("SELECT * FROM MSysTables"), 0, 1))
        return names;
    for (; !tables.IsEOF(); tables.MoveNext())
        if (const QString name = tables.GetFieldString(0); isUserTable(name))
            names << name;
    return names;
}

QStringList RelationEditor::fieldsOf(const QString& table) const
{
    QStringList names;
    const QString id = tableIdOf(m_context, table);
    if (id.isEmpty())
        return names;
    ContextSql sql(m_context);
    return FieldRows(sql).namesOfTable(id);
}

QList<StoredRelation> RelationEditor::relations()
{
    QList<StoredRelation> stored;
    ContextSql sql(m_context);
    const std::optional<QList<RelationRow>> rows = RelationRows(sql).all();
    if (!rows)
        return stored;
    for (const RelationRow& row : *rows)
        stored.append({row});
    if (m_selected && std::none_of(stored.begin(), stored.end(),
                                   [this](const StoredRelation& relation) { return relation.sameNames(*m_selected); }))
        m_selected.reset();
    return stored;
}

void RelationEditor::newRelation()
{
    m_choice = RelationChoice{m_choice.leftTable, m_choice.rightTable, m_choice.leftField, m_choice.rightField};
    m_selected.reset();
    m_confirmed.reset();
    m_new = true;
}

void RelationEditor::select(const StoredRelation& relation)
{
    m_choice = RelationChoice::of(relation);
    m_selected = relation;
    m_confirmed = relation;
    m_new = false;
}

bool RelationEditor::save()
{
    const StoredRelation relation = m_choice.relation();
    if (relation.leftTable.isEmpty() || relation.rightTable.isEmpty() || relation.leftField.isEmpty() ||
        relation.rightField.isEmpty()) {
        tell(QStringLiteral("Please select a field in both tables"));
        return false;
    }
    if (isDuplicateUnconfirmed())
        return false;
    const QString leftType = fieldType(relation.leftTable, relation.leftField);
    if (leftType.isEmpty() || leftType != fieldType(relation.rightTable, relation.rightField)) {
        tell(QStringLiteral("Cannot create relation on a different types of fields"));
        return false;
    }
    if (!write(relation))
        return false;
    m_selected = relation;
    m_confirmed = relation;
    m_new = false;
    return true;
}

bool RelationEditor::saveFlags()
{
    if (m_new || !m_selected) {
        tell(kWrongMode);
        return false;
    }
    StoredRelation relation = *m_selected;
    relation.type = m_choice.type;
    relation.flags = m_choice.flags();
    if (!write(relation))
        return false;
    m_selected = relation;
    return true;
}

bool RelationEditor::remove()
{
    if (m_new) {
        tell(kWrongMode);
        return false;
    }
    const QString failed = QStringLiteral("Failed to delete the relation or No relation selected");
    if (!m_selected) {
        tell(failed);
        return false;
    }
    if (framework::showMessage(QStringLiteral("Do you want to delete the selected Relation?"), framework::applicationCaption(),
                               framework::Buttons::YesNo, framework::Icon::Information) != framework::Answer::Yes)
        return false;
    ContextSql sql(m_context);
    if (!RelationRows(sql).remove(*m_selected)) {
        tell(failed);
        return false;
    }
    m_selected.reset();
    m_confirmed.reset();
    return true;
}

bool RelationEditor::isKey(const QString& table, const QString& field) const
{
    const QString id = tableIdOf(m_context, table);
    CDbRecordset flags(m_context.connection, m_context.databasePath());
    if (id.isEmpty() ||
        !flags.Open(FieldRows::fieldColumnsSql(QStringLiteral("Unique, Required, ZeroLen, AutoNumber"), id, field), 0, 1) ||
        flags.IsEOF())
        return false;
    // An AutoNumber is stored without Required, yet never lacks a value: being Unique makes it a key.
    if (fieldtypes::isAutoNumber(flags.GetFieldString(3)))
        return flags.GetFieldString(0) == QStringLiteral("-1");
    int set = 0;
    for (int column = 0; column < 3; ++column)
        set += flags.GetFieldString(column) == QStringLiteral("-1") ? 1 : 0;
    return set == keyFlagCount(fieldType(table, field));
}

bool RelationEditor::keyConditionHolds(const StoredRelation& relation) const
{
    switch (relation.type) {
    case relationtypes::kBothKeys:
        return isKey(relation.leftTable, relation.leftField) && isKey(relation.rightTable, relation.rightField);
    case relationtypes::kLeftKey: return isKey(relation.leftTable, relation.leftField);
    default: return true;
    }
}

bool RelationEditor::isDuplicateUnconfirmed()
{
    const StoredRelation relation = m_choice.relation();
    if (m_confirmed && m_confirmed->sameNames(relation))
        return false;
    ContextSql sql(m_context);
    for (const RelationRow& pair : RelationRows(sql).between(relation.leftTable, relation.rightTable))
        if (sameName(pair.leftField, relation.leftField) && sameName(pair.rightField, relation.rightField)) {
            tell(QStringLiteral("One Relation already exists. Cannot create another relation for this set of values"));
            m_confirmed = relation;
            return true;
        }
    return false;
}

QString RelationEditor::fieldType(const QString& table, const QString& field) const
{
    const QString id = tableIdOf(m_context, table);
    CDbRecordset type(m_context.connection, m_context.databasePath());
    if (id.isEmpty() || !type.Open(FieldRows::fieldColumnsSql(QStringLiteral("ODBCType"), id, field), 0, 1) || type.IsEOF())
        return {};
    return type.GetFieldString(0);
}

bool RelationEditor::write(const StoredRelation& relation)
{
    if (!keyConditionHolds(relation)) {
        tell(QStringLiteral("The selected fields are not keys as the Relationship Type requires"));
        return false;
    }
    CDbRecordset row(m_context.connection, m_context.databasePath());
    if (!row.Open(RelationRows::rowSql(relation), 2, 3))
        return false;
    const bool created = row.IsEOF();
    if (created && !row.AddNew())
        return false;
    row.SetFieldString(QStringLiteral("LeftTable"), relation.leftTable);
    row.SetFieldString(QStringLiteral("RightTable"), relation.rightTable);
    row.SetFieldString(QStringLiteral("LeftField"), relation.leftField);
    row.SetFieldString(QStringLiteral("RightField"), relation.rightField);
    row.SetFieldShort(QStringLiteral("RelationFlags"), std::int16_t(relation.flags));
    row.SetFieldShort(QStringLiteral("RelationType"), std::int16_t(relation.type));
    if (!row.Update())
        return false;
    tell(created ? QStringLiteral("Relation created successfully") : QStringLiteral("Relation updated successfully"));
    return true;
}
