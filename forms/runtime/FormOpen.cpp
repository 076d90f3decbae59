// Opening a form: the form's row and properties, its record sources, its controls with the field
// properties they enforce, and the automatic form of a table or stored query.
#include "forms/runtime/FormSession.h"

#include "data/CAppContext.h"
#include "data/ReadOnlyDatabase.h"
#include "data/SqlText.h"
#include "forms/format/AutoFormLayout.h"
#include "forms/format/CtrlProps.h"
#include "forms/format/DatabaseFormStore.h"
#include "forms/runtime/FormListener.h"
#include "forms/runtime/FormSource.h"
#include "logic/queries/QueryParameters.h"
#include "logic/queries/QueryRun.h"
#include "data/QueryStore.h"
#include "logic/queries/StoredQuery.h"
#include "platform/cedb/DesignCheck.h"
#include "tables/CellEditor.h"

namespace {

const QString kMainForm = QStringLiteral("MainForm");
const QString kQueryMark = QStringLiteral("(Q)");


bool isNo(const QString& value) { return SameText(value, QStringLiteral("No")); }

int indexOfName(const QStringList& names, const QString& name)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

// The kinds whose Control Source binds them to a field.
bool isBindable(int kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::DateTime:
        return true;
    default:
        return false;
    }
}

// A stored query's fields have no catalogue rows of their own: each column of its grid takes those of its
// table's field.
QList<DatasheetField> queryFields(CAppContext& context, const QString& name)
{
    QList<DatasheetField> fields;
    const std::optional<StoredQuery> row = QueryStore(context).find(name);
    if (!row)
        return fields;
    QHash<QString, QList<DatasheetField>> tables;
    for (const QueryColumn& column : QueryDesignFrom(*row).usedColumns()) {
        const QString key = column.table.toLower();
        if (!tables.contains(key)) {
            const QString id = tableIdOf(context, column.table);
            tables.insert(key, id.isEmpty() ? QList<DatasheetField>() : readDatasheetFields(context, id));
        }
        for (const DatasheetField& field : tables[key])
            if (field.name.compare(column.field, Qt::CaseInsensitive) == 0)
                fields << field;
    }
    return fields;
}

} // namespace

FormSession::FormSession(CAppContext& context) : m_context(context) { reset(); }

FormSession::~FormSession() = default;

void FormSession::reset()
{
    m_open = false;
    m_sources.clear();
    m_controls.clear();
    m_fieldCache.clear();
    m_queryStatements.clear();
    m_formName.clear();
    m_tableSource.clear();
    m_sourceIsQuery = false;
    m_baseSql.clear();
    m_filterSql.clear();
    m_where.clear();
    m_formProperties = BuildPropertySet(ControlKind::FormProps);
    m_custom = false;
    m_names.clear();
    m_fields.clear();
    m_recordCount = 0;
    m_position = 0;
    m_adding = false;
    m_addPending = false;
    m_autoNumbers.clear();
    m_readOnly = false;
    m_allowAdditions = m_allowDeletions = m_allowFilters = true;
    m_focus = -1;
    m_typed = false;
    m_ifState = MacroIfState();
}

bool FormSession::openForm(const QString& name)
{
    reset();
    m_custom = true;
    m_formName = name;
    DatabaseFormStore store(m_context);
    const std::optional<FormRow> row = store.findForm(name);
    setTableSource(row ? row->tableSource : QString());
    if (row) {
        if (!row->ctrlProps.isEmpty()) {
            const ParsedForm parsed = ParseForm(row->ctrlProps);
            m_formProperties = parsed.form;
            m_readOnly = isNo(GetProperty(m_formProperties, QStringLiteral("Allow Edits")));
            m_allowAdditions = !isNo(GetProperty(m_formProperties, QStringLiteral("Allow Additions")));
            m_allowDeletions = !isNo(GetProperty(m_formProperties, QStringLiteral("Allow Deletions")));
            m_allowFilters = !isNo(GetProperty(m_formProperties, QStringLiteral("Allow Filters")));
            for (const PropertySet& properties : parsed.controls)
                createControl(properties);
        }
    }
    finishOpening();
    return row.has_value();
}

bool FormSession::openAutoForm(const QString& source)
{
    reset();
    QString name = source;
    // The database window passes a query between single quotes, "(Q)" after its name.
    if (name.size() >= 2 && name.startsWith(QLatin1Char('\'')) && name.endsWith(QLatin1Char('\'')))
        name = name.mid(1, name.size() - 2);
    if (name.endsWith(kQueryMark))
        name = kQueryMark + name.chopped(kQueryMark.size());
    m_formName = name;
    setTableSource(name);
    if (!mainRecords()) {
        finishOpening();
        return false;
    }
    loadFieldTables();
    buildAutoControls();
    finishOpening();
    return true;
}

QString FormSession::redesignedTable() const
{
    for (const std::unique_ptr<Source>& source : m_sources)
        if (source->design && cedb::tableDesign(m_context.databasePath(), source->name) != source->design)
            return source->name;
    return {};
}

bool FormSession::reopenedForNewDesign()
{
    const QString table = redesignedTable();
    if (table.isEmpty())
        return false;
    tell(cedb::reopenedForDesignText(table));
    // What was typed cannot go into the old design; the form shows the record it was on, as it is now.
    const int position = m_position;
    const QString name = m_formName;
    m_custom ? openForm(name) : openAutoForm(name);
    if (position > 1)
        showRecord(std::min(position, m_recordCount));
    return true;
}

void FormSession::setTableSource(const QString& source)
{
    m_tableSource = source;
    if (source.isEmpty()) {
        // The main form's place comes first even without records, so subforms never take it.
        auto none = std::make_unique<Source>();
        none->subform = kMainForm;
        m_sources.push_back(std::move(none));
        return;
    }
    m_baseSql = statementOf(source, &m_sourceIsQuery);
    m_filterSql = m_baseSql;
    recordsetFor(source, kMainForm);
}

// A stored query's parameters are asked for once each time the form opens, however often its source is
// named. A delete statement would delete as it opened, so it never gives a form its records.
QString FormSession::statementOf(const QString& source, bool* isQuery)
{
    const qsizetype mark = source.indexOf(kQueryMark);
    if (isQuery)
        *isQuery = mark >= 0;
    if (mark < 0)
        return QStringLiteral("SELECT * FROM ") + sqlQuoted(source);
    const QString name = source.mid(mark + kQueryMark.size());
    if (const auto known = m_queryStatements.constFind(name.toLower()); known != m_queryStatements.constEnd())
        return *known;
    std::optional<QString> statement;
    if (const std::optional<StoredQuery> query = QueryStore(m_context).find(name);
        query && !IsDeleteStatement(query->statement))
        statement = AskQueryParameters(query->statement);
    m_queryStatements.insert(name.toLower(), statement.value_or(QString()));
    return statement.value_or(QString());
}

int FormSession::recordsetFor(const QString& source, const QString& subform)
{
    for (size_t i = 0; i < m_sources.size(); ++i)
        if (m_sources[i]->subform.compare(subform, Qt::CaseInsensitive) == 0)
            return m_sources[i]->records ? int(i) : -1;
    auto added = std::make_unique<Source>();
    added->name = source;
    added->subform = subform;
    added->sql = statementOf(source);
    // Read before the records, so that a change of design between the two is seen at the next action.
    if (!source.contains(kQueryMark))
        added->design = cedb::tableDesign(m_context.databasePath(), source);
    auto records = std::make_unique<CDbRecordset>(m_context.connection, m_context.databasePath());
    if (!added->sql.isEmpty() && records->Open(added->sql, 2, 3))
        added->records = std::move(records);
    else
        tell(QStringLiteral("The record source of this form cannot be opened : ") + source);
    const bool opened = added->records != nullptr;
    m_sources.push_back(std::move(added));
    return opened ? int(m_sources.size() - 1) : -1;
}

void FormSession::createControl(const PropertySet& properties)
{
    const int kind = properties.kind;
    // A line is drawn by nobody; list views and unknown records create nothing.
    if (properties.isEmpty() || kind == ControlKind::Line || kind == ControlKind::ListView ||
        kind == ControlKind::FormProps)
        return;
    FormControl control;
    control.properties = properties;
    control.name = ControlName(properties);
    control.subform = GetProperty(properties, QStringLiteral("Subform"));
    for (qsizetype i = 0; i < properties.count(); ++i)
        if (IsEventProperty(properties.names[i]) && !properties.values[i].isEmpty())
            control.events.append({properties.names[i], properties.values[i]});
    const QString controlSource = ControlSource(properties);
    if (kind == ControlKind::GridControl && !controlSource.isEmpty() && !control.name.isEmpty()) {
        // A grid shows the records of its source as the subform of its own name.
        control.source = controlSource.section(QLatin1Char('.'), 0, 0);
        control.subform = control.name;
        control.recordset = recordsetFor(control.source, control.subform);
    } else if (isBindable(kind) && !controlSource.isEmpty()) {
        const qsizetype dot = controlSource.indexOf(QLatin1Char('.'));
        control.source = dot < 0 ? controlSource : controlSource.left(dot);
        control.field = ControlSourceField(controlSource);
        bindControl(control);
    }
    m_controls.append(control);
}

void FormSession::bindControl(FormControl& control)
{
    if (control.field.isEmpty())
        return;
    const bool main = control.onMainForm();
    const QString source = main ? m_tableSource : control.source;
    if (source.isEmpty())
        return;
    const int index = recordsetFor(source, main ? kMainForm : control.subform);
    if (index < 0)
        return;
    CDbRecordset& records = *m_sources[size_t(index)]->records;
    QStringList columns;
    for (int i = 0; i < records.GetFieldCount(); ++i)
        columns << records.GetFieldName(i);
    if (indexOfName(columns, control.field) < 0) {
        tell(QStringLiteral("The field of this control is not in its record source : ") + control.name +
             QStringLiteral(" (") + control.source + QLatin1Char('.') + control.field + QLatin1Char(')'));
        return;
    }
    control.recordset = index;
    for (const DatasheetField& field : fieldsOfTable(source)) {
        if (field.name.compare(control.field, Qt::CaseInsensitive) != 0)
            continue;
        control.rules = {field.info.odbcType, field.info.isUnique(), field.info.isRequired(),
                         field.info.allowsZeroLength(), field.info.isAutoNumber(), !field.calculation.isEmpty(),
                         field.validationRule, field.validationText, field.inputMask, field.info.maxLen.toInt()};
        control.charClass = CharacterClassOf(field.info.odbcType);
        if (field.info.isAutoNumber())
            control.text = QString::number(field.info.autoNumber);
        if (control.kind() == ControlKind::ComboBox) {
            // The list shows the lookup's visible column when it has one, and the record keeps the bound one.
            const LookupChoices choices = loadLookupChoices(m_context, field.lookup());
            control.items = choices.labels.isEmpty() ? choices.values : choices.labels;
            control.itemValues = choices.labels.isEmpty() ? QStringList() : choices.values;
            control.limitToList = choices.limitToList;
        }
    }
}

const QList<DatasheetField>& FormSession::fieldsOfTable(const QString& table)
{
    const QString key = table.toLower();
    if (!m_fieldCache.contains(key)) {
        const qsizetype mark = table.indexOf(kQueryMark);
        if (mark >= 0) {
            m_fieldCache.insert(key, queryFields(m_context, table.mid(mark + kQueryMark.size())));
        } else {
            const QString id = tableIdOf(m_context, table);
            m_fieldCache.insert(key, id.isEmpty() ? QList<DatasheetField>() : readDatasheetFields(m_context, id));
        }
    }
    return m_fieldCache[key];
}

void FormSession::loadFieldTables()
{
    m_names.clear();
    m_fields.clear();
    CDbRecordset* records = mainRecords();
    if (!records)
        return;
    const QList<DatasheetField>& catalogue = fieldsOfTable(m_tableSource);
    for (int i = 0; i < records->GetFieldCount(); ++i) {
        m_names << records->GetFieldName(i);
        DatasheetField found;
        for (const DatasheetField& field : catalogue)
            if (field.name.compare(m_names.last(), Qt::CaseInsensitive) == 0)
                found = field;
        m_fields.append(found);
    }
}

void FormSession::buildAutoControls()
{
    for (int i = 0; i < fieldCount(); ++i) {
        const DatasheetField& field = m_fields[i];
        const int kind = AutoControlKind(odbcTypeOf(i), !field.name.isEmpty() && !field.lookup().isNone());
        createControl(AutoFormControl(m_tableSource, m_names[i], kind, m_names[i], i));
    }
}

void FormSession::linkSubforms()
{
    for (const std::unique_ptr<Source>& source : m_sources) {
        if (!source->records || source->subform.compare(kMainForm, Qt::CaseInsensitive) == 0 ||
            source->name.contains(kQueryMark))
            continue;
        // The grid that stands for the subform: the one of its name, else one over the same source.
        QString linked;
        for (const FormControl& grid : m_controls) {
            if (grid.kind() != ControlKind::GridControl)
                continue;
            const QString gridSource = ControlSource(grid.properties).section(QLatin1Char('.'), 0, 0);
            const bool named = grid.name.compare(source->subform, Qt::CaseInsensitive) == 0;
            if (named || (linked.isEmpty() && gridSource.compare(source->name, Qt::CaseInsensitive) == 0))
                linked = GetProperty(grid.properties, QStringLiteral("Linked Field")).trimmed();
            if (named)
                break;
        }
        QStringList columns;
        for (int i = 0; i < source->records->GetFieldCount(); ++i)
            columns << source->records->GetFieldName(i);
        if (!linked.isEmpty() && indexOfName(columns, linked) >= 0 && indexOfName(m_names, linked) >= 0)
            source->linkField = linked;
    }
}

void FormSession::finishOpening()
{
    if (m_names.isEmpty())
        loadFieldTables();
    linkSubforms();
    for (const std::unique_ptr<Source>& source : m_sources)
        if (source->records)
            source->records->MoveFirst();
    if (CDbRecordset* records = mainRecords()) {
        m_recordCount = records->GetRecordCount();
        m_position = m_recordCount > 0 ? 1 : 0;
    }
    // A file marked read-only: the form shows its records but offers no edit.
    if (isReadOnlyDatabase(m_context.databasePath())) {
        m_readOnly = true;
        m_allowAdditions = m_allowDeletions = false;
    }
    m_open = true;
    refreshEnabled();
    if (m_listener)
        m_listener->controlsCreated();
    positionChanged();
    if (m_position > 0)
        displayRecord();
    else
        showSubforms();
}

void FormSession::refreshEnabled()
{
    for (int i = 0; i < m_controls.size(); ++i) {
        FormControl& control = m_controls[i];
        bool enabled = !isNo(GetProperty(control.properties, QStringLiteral("Enabled")));
        const bool holdsData = control.isEditBox() || control.isTickable() || control.kind() == ControlKind::DateTime;
        if (control.isBound() && holdsData) {
            // A subform's values are shown, never written: typing into them would be lost.
            if (control.rules.autoNumber || !control.onMainForm() || (m_readOnly && !m_adding))
                enabled = false;
        }
        if (enabled != control.enabled) {
            control.enabled = enabled;
            changed(i);
        }
    }
}

int FormSession::controlIndex(const QString& name) const
{
    for (int i = 0; i < m_controls.size(); ++i)
        if (m_controls[i].name == name)
            return i;
    return -1;
}
