#include "tables/Datasheet.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/CDbCommand.h"
#include "data/CDbTransaction.h"
#include "data/OdbcType.h"
#include "data/ReadOnlyDatabase.h"
#include "data/SqlText.h"
#include "platform/cedb/DesignCheck.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"
#include "tables/CellEditor.h"
#include "tables/DatasheetExpr.h"
#include "tables/DatasheetGrid.h"
#include "tables/DatasheetText.h"
#include "tables/FieldChecks.h"
#include "tables/Relations.h"
#include "tables/masks/InputMask.h"

#include <algorithm>
#include <optional>

namespace {


void tell(const QString& text) { framework::showMessage(text); }

// The data-access layer says itself why a write to the file failed (read-only, full, held by another
// program); what failed is then not said again, so that one refused edit gives one message.
void tellUnlessToldSince(int fileFailuresBefore, const QString& text)
{
    if (fileFailuresTold() == fileFailuresBefore)
        tell(text);
}

// An edit of a file marked read-only is refused before it begins, not when its record is stored.
bool refusedAsReadOnly(const CAppContext& context)
{
    if (!isReadOnlyDatabase(context.databasePath()))
        return false;
    tell(readOnlyDatabaseText());
    return true;
}

void inform(const QString& text)
{
    framework::showMessage(text, framework::applicationCaption(), framework::Buttons::Ok, framework::Icon::Information);
}

bool ask(const QString& question)
{
    return framework::showMessage(question, framework::applicationCaption(), framework::Buttons::YesNo,
                                  framework::Icon::Information) == framework::Answer::Yes;
}

const FieldCheckWords kDatasheetWords{QStringLiteral("%1 Cannot have redundant data"),
                                      QStringLiteral("Value is required in %1"), QStringLiteral("Value is required in %1"),
                                      QStringLiteral("Entered Data is not valid"), QStringLiteral("Invalid expression")};

bool isYes(const QString& cell) { return cell.compare(QLatin1String("YES"), Qt::CaseInsensitive) == 0; }

} // namespace

Datasheet::Datasheet(CAppContext& context, DatasheetGrid& grid) : m_context(context), m_grid(grid) {}

Datasheet::~Datasheet() = default;

bool Datasheet::openRecords(const QString& sql)
{
    auto records = std::make_unique<CDbRecordset>(m_context.connection, m_context.databasePath());
    if (!records->Open(sql, 2, 3))
        return false;
    m_records = std::move(records);
    m_sql = sql;
    m_recordCount = m_records->GetRecordCount();
    m_names.clear();
    for (int i = 0; i < m_records->GetFieldCount(); ++i)
        m_names.append(m_records->GetFieldName(i));
    m_newRecord = false;
    m_newRow = 0;
    return true;
}

bool Datasheet::openTable(const QString& table)
{
    m_source = table;
    m_isTable = true;
    m_baseSql = QStringLiteral("SELECT * FROM ") + sqlQuoted(table);
    // Read before the records, so that a change of design between the two is seen at the next action.
    m_design = cedb::tableDesign(m_context.databasePath(), table);
    if (!openRecords(m_baseSql))
        return false;
    m_tableId = tableIdOf(m_context, table);
    const QList<DatasheetField> catalogue = readDatasheetFields(m_context, m_tableId);
    // The catalogue rows follow the columns' order; they are matched by name so that a column without
    // a row never borrows its neighbour's properties.
    m_fields.clear();
    for (const QString& name : m_names) {
        DatasheetField found;
        for (const DatasheetField& candidate : catalogue)
            if (candidate.name.compare(name, Qt::CaseInsensitive) == 0)
                found = candidate;
        m_fields.append(found);
    }
    m_shownWidths = readColumnWidths(m_context, table, fieldCount());
    layOutGrid();
    return true;
}

bool Datasheet::reopenedForNewDesign()
{
    if (!m_isTable || !m_records || !m_design || cedb::tableDesign(m_context.databasePath(), m_source) == m_design)
        return false;
    tell(cedb::reopenedForDesignText(m_source));
    // The widths and counters of the old design are not stored over the new one.
    m_records.reset();
    openTable(m_source);
    return true;
}

bool Datasheet::openQuery(const QString& name, const QString& statement)
{
    m_source = name;
    m_isTable = false;
    m_baseSql = statement;
    m_tableId.clear();
    if (!openRecords(statement))
        return false;
    m_fields = QList<DatasheetField>(fieldCount());
    m_shownWidths = QList<int>(fieldCount(), kNoLayoutWidth);
    layOutGrid();
    return true;
}

void Datasheet::close()
{
    if (!m_records)
        return;
    // A file that refused the widths would refuse the counters too, and say so once more.
    if (m_isTable && storeWidths()) {
        for (const DatasheetField& field : m_fields)
            if (field.info.isAutoNumber())
                raiseAutoNumber(m_context, m_tableId, field.name, field.info.autoNumber);
    }
    m_records.reset();
}

int Datasheet::pageSize() const { return m_isTable ? kPageSize : std::max(m_recordCount, 1); }

void Datasheet::layOutGrid()
{
    m_grid.setGridSize(std::min(m_recordCount, pageSize()) + 1, fieldCount() + 1);
    m_grid.setWidth(0, kNumberColumnWidth);
    // The record-number column has no title.
    m_grid.setText(0, 0, QString());
    for (int f = 0; f < fieldCount(); ++f) {
        m_grid.setText(0, f + 1, m_names[f]);
        m_grid.setWidth(f + 1, m_shownWidths.value(f, kNoLayoutWidth));
    }
    fillPage(0);
    fitColumns();
    m_grid.setCurrentCell(m_recordCount > 0 ? 1 : 0, 1);
}

void Datasheet::fitColumns()
{
    m_readWidths = m_shownWidths;
    m_fittedWidths = QList<int>(fieldCount(), 0);
    for (int f = 0; f < fieldCount(); ++f) {
        if (isChosenWidth(m_shownWidths.value(f, kNoLayoutWidth)))
            continue;
        m_fittedWidths[f] = m_grid.fittedWidth(f + 1);
        m_shownWidths[f] = m_fittedWidths[f];
        m_grid.setWidth(f + 1, m_fittedWidths[f]);
    }
}

void Datasheet::widenToFit(int field)
{
    const int fitted = m_fittedWidths.value(field);
    if (fitted <= 0 || m_grid.width(field + 1) != fitted)
        return;
    const int wanted = m_grid.fittedWidth(field + 1);
    if (wanted <= fitted)
        return;
    m_fittedWidths[field] = wanted;
    m_shownWidths[field] = wanted;
    m_grid.setWidth(field + 1, wanted);
}

void Datasheet::widenNumberColumn()
{
    const int fitted = m_grid.fittedWidth(0);
    if (fitted > m_grid.width(0))
        m_grid.setWidth(0, fitted);
}

void Datasheet::fillPage(int first)
{
    discardNewRow();
    m_newRecord = false;
    m_first = first;
    const int rows = std::min(m_recordCount, pageSize()) + 1;
    if (m_grid.rowCount() != rows)
        m_grid.setGridSize(rows, fieldCount() + 1);
    for (int row = 1; row < rows; ++row)
        fillRow(row);
    // The record numbers grow from page to page.
    widenNumberColumn();
}

void Datasheet::fillRow(int row)
{
    const int record = recordOfRow(row);
    if (record >= m_recordCount || !m_records->MoveTo(record)) {
        for (int column = 0; column <= fieldCount(); ++column)
            m_grid.setText(row, column, QString());
        return;
    }
    QStringList stored;
    for (int f = 0; f < fieldCount(); ++f)
        stored.append(m_records->GetFieldString(f));
    m_grid.setText(row, 0, QString::number(record + 1));
    for (int f = 0; f < fieldCount(); ++f)
        m_grid.setText(row, f + 1, displayText(f, stored[f], record));
}

QString Datasheet::displayText(int field, const QString& stored, int record)
{
    return datasheetText(m_context, m_fields[field], stored, record, m_recordCount);
}

QString Datasheet::storedForm(int field, const QString& cell) const
{
    if (field < 0 || field >= m_fields.size())
        return cell;
    return datasheetStored(m_context, m_fields[field], cell);
}

QString Datasheet::evaluate(const QString& expr, int record)
{
    return datasheetCalculation(m_context, expr, record, m_recordCount);
}

const DatasheetField* Datasheet::field(int field) const
{
    if (!m_isTable || field < 0 || field >= m_fields.size() || m_fields[field].name.isEmpty())
        return nullptr;
    return &m_fields[field];
}

CellEditor Datasheet::editorFor(int column) const
{
    if (column < 1 || isReadOnlyDatabase(m_context.databasePath()))
        return CellEditor::readOnly();
    const DatasheetField* properties = field(column - 1);
    return properties ? cellEditorFor(m_context, *properties) : CellEditor{};
}

int Datasheet::fieldType(int field) const
{
    const DatasheetField* properties = this->field(field);
    return properties ? properties->info.odbcType : 0;
}

int Datasheet::currentField() const
{
    const int column = m_grid.currentColumn();
    return column >= 1 && column <= fieldCount() ? column - 1 : -1;
}

int Datasheet::currentRecord() const
{
    const int row = m_grid.currentRow();
    return row >= 1 && recordOfRow(row) < m_recordCount ? recordOfRow(row) : -1;
}

QString Datasheet::currentCellText() const
{
    const QString cell = m_grid.text(m_grid.currentRow(), m_grid.currentColumn());
    // A filter on the value compares what the record stores: a date as the engine writes it.
    const int field = m_grid.currentColumn() - 1;
    if (field >= 0 && field < m_fields.size() && m_fields[field].info.odbcType == odbc::DateTime)
        return datasheetStored(m_context, m_fields[field], cell);
    return cell;
}

bool Datasheet::showRecordsOf(const QString& sql)
{
    auto previous = std::move(m_records);
    const int previousCount = m_recordCount;
    const QStringList previousNames = m_names;
    const QString previousSql = m_sql;
    // The first record is read here: a sort is done by then, so that a statement the engine cannot end (or
    // the user stopped) keeps what was shown instead of showing an empty page.
    if (!openRecords(sql) || (m_recordCount > 0 && !m_records->MoveTo(0))) {
        m_records = std::move(previous);
        m_sql = previousSql;
        m_recordCount = previousCount;
        m_names = previousNames;
        return false;
    }
    layOutGrid();
    return true;
}

bool Datasheet::reread()
{
    if (!m_records || m_newRow != 0)
        return false;
    if (reopenedForNewDesign())
        return true;
    const QStringList names = m_names;
    if (!m_records->Requery())
        return false;
    QStringList now;
    for (int i = 0; i < m_records->GetFieldCount(); ++i)
        now.append(m_records->GetFieldName(i));
    // The other program redesigned the table: its fields' properties are read again with it.
    if (now != names && m_isTable)
        return openTable(m_source);
    m_recordCount = m_records->GetRecordCount();
    const int row = m_grid.currentRow();
    const int column = m_grid.currentColumn();
    int first = m_first;
    while (first > 0 && first >= m_recordCount)
        first -= kPageSize;
    fillPage(std::max(first, 0));
    const int current = std::min(recordOfRow(std::max(row, 1)), m_recordCount - 1);
    m_grid.setCurrentCell(current >= 0 ? rowOfRecord(current) : 0, std::max(1, column));
    return true;
}

void Datasheet::selectCell(int record, int field)
{
    if (moveTo(record))
        m_grid.setCurrentCell(rowOfRecord(record), field + 1);
}

void Datasheet::refreshRecord(int record)
{
    const int row = rowOfRecord(record);
    if (row >= 1 && row < m_grid.rowCount() && row != m_newRow)
        fillRow(row);
}

// ---- storing an edited cell

bool Datasheet::storeCell(int row, int column)
{
    const int f = column - 1;
    if (!m_records || f < 0 || f >= fieldCount() || row < 1 || reopenedForNewDesign())
        return false;
    const QString cell = m_grid.text(row, column);
    // A masked cell holds the value as shown; the record holds it as the mask stores it.
    const QString text = storedForm(f, cell);
    const int record = recordOfRow(row);
    const bool isNewRow = row == m_newRow;
    QString old;
    if (!isNewRow) {
        if (!m_records->MoveTo(record)) {
            tell(QStringLiteral("Failed to navigate to the record"));
            return false;
        }
        old = m_records->GetFieldString(f);
        if (displayText(f, old, record) == cell)
            return true;
        if (text == old && text != cell) {
            m_grid.setText(row, column, displayText(f, old, record));
            return true;
        }
    }
    const auto refuse = [&] {
        m_grid.setText(row, column, isNewRow ? QString() : displayText(f, old, record));
        return false;
    };
    if (m_isTable && !passesFieldChecks(f, text, true))
        return refuse();
    std::optional<PendingCascadeUpdate> cascade;
    if (m_isTable && !isNewRow) {
        cascade.emplace(m_context, m_source, m_names[f], old, text);
        if (cascade->refused()) {
            if (!cascade->refusal().isEmpty())
                tell(cascade->refusal());
            return refuse();
        }
    }
    const int told = fileFailuresTold();
    // The value, its cascades to related tables and what the rule refuses are one step of the history.
    CDbCommand command(m_context, (isNewRow ? QStringLiteral("New Record in %1") : QStringLiteral("Edit in %1"))
                                      .arg(m_source));
    // The value and its rule are one transaction: a value the rule refuses never reaches the file.
    CDbTransaction transaction(m_context);
    if (!transaction.isOpen()) {
        const QString cause = fileFailureText(cedb::lastError().code);
        tell(cause.isEmpty() ? QStringLiteral("Failed to set the value") : cause);
        return refuse();
    }
    if (isNewRow) {
        if (!storeNewRow(f))
            return refuse();
    } else if (!writeValue(f, text) || !m_records->Update()) {
        tellUnlessToldSince(told, QStringLiteral("Failed to set the value"));
        return refuse();
    }
    if (m_isTable) {
        if (const std::optional<QString> failure = validationFailure(f, text, record)) {
            transaction.rollback();
            undoStore(isNewRow ? row : 0);
            tell(*failure);
            return refuse();
        }
    }
    if (!transaction.commit()) {
        undoStore(isNewRow ? row : 0);
        tellUnlessToldSince(told, QStringLiteral("Failed to set the value"));
        return refuse();
    }
    if (cascade)
        cascade->carry(m_records->GetFieldString(f));
    // Calculations of the record may read the value just stored.
    if (row != m_newRow)
        fillRow(row);
    else if (text != cell)
        m_grid.setText(row, column, displayText(f, text, record));
    widenToFit(f);
    return true;
}

void Datasheet::undoStore(int newRow)
{
    // The recordset still holds what the file no longer does.
    m_records->Requery();
    m_recordCount = m_records->GetRecordCount();
    if (newRow)
        m_newRow = newRow;
}

FieldDemands Datasheet::demandsOf(const DatasheetField& properties, bool typed)
{
    FieldDemands demands;
    demands.name = properties.name;
    demands.info = properties.info;
    demands.unique = properties.info.isUnique();
    demands.required = properties.info.isRequired();
    // An empty text is allowed where the designer's AllowZeroLength says "Yes". A cell nobody typed into is
    // left without a value rather than given an empty text, so only Required asks for it.
    demands.refusesEmptyText = typed && odbc::isText(properties.info.odbcType) && !properties.info.allowsZeroLength();
    // The list offers only its values; a value pasted in must be one of them too. A default nobody typed
    // is the field's own.
    if (const LookupSpec lookup = properties.lookup(); typed && lookup.limitsToList())
        demands.list = loadLookupChoices(m_context, lookup);
    demands.validationRule = properties.validationRule;
    demands.validationText = properties.validationText;
    return demands;
}

bool Datasheet::passesFieldChecks(int field, const QString& value, bool typed)
{
    const DatasheetField* properties = this->field(field);
    if (!properties)
        return true;
    const FieldVerdict verdict =
        checkFieldValue(m_context, m_source, demandsOf(*properties, typed), value, m_newRecord, kDatasheetWords);
    if (verdict.refuses())
        inform(verdict.message);
    return !verdict.refuses();
}

bool Datasheet::writeValue(int field, const QString& text)
{
    if (m_fields[field].info.odbcType == odbc::Boolean)
        return m_records->SetFieldBool(field, isYes(text));
    return m_records->SetFieldString(field, text);
}

std::optional<QString> Datasheet::validationFailure(int field, const QString& value, int record)
{
    const FieldVerdict verdict = checkFieldRule({m_context, record + 1, m_recordCount},
                                                demandsOf(m_fields[field], false), value, record, kDatasheetWords);
    if (verdict.fault == FieldFault::RuleInvalid)
        tell(verdict.message);
    if (!verdict.refuses())
        return std::nullopt;
    return verdict.message;
}

// ---- adding and deleting

void Datasheet::addRecord()
{
    if (!m_isTable || !m_records) {
        tell(QStringLiteral("Cannot add a record in this mode"));
        return;
    }
    if (refusedAsReadOnly(m_context) || reopenedForNewDesign())
        return;
    if (m_context.tableForm.ConfirmOnAdding == 1 && !ask(QStringLiteral("Do you want to add Record?")))
        return;
    if (m_newRow && !storeNewRow())
        return;
    const int record = m_recordCount;
    if (record < m_first || record >= m_first + kPageSize)
        fillPage(record - record % kPageSize);
    m_newRow = rowOfRecord(record);
    m_addedRow = m_newRow;
    if (m_grid.rowCount() <= m_newRow)
        m_grid.setGridSize(m_newRow + 1, fieldCount() + 1);
    m_grid.setText(m_newRow, 0, QString::number(record + 1));
    m_newRecord = true;
    if (!handOutNewRow()) {
        discardNewRow();
        return;
    }
    // What is typed next goes into the first field the user fills in, past an AutoNumber or a calculation.
    int column = 1;
    const auto handedOut = [&](int f) { return m_fields[f].info.isAutoNumber() || !m_fields[f].calculation.isEmpty(); };
    while (column < fieldCount() && handedOut(column - 1))
        ++column;
    m_grid.setCurrentCell(m_newRow, column);
}

bool Datasheet::handOutNewRow()
{
    const int record = recordOfRow(m_newRow);
    for (int f = 0; f < fieldCount(); ++f) {
        DatasheetField& properties = m_fields[f];
        QString cell;
        if (properties.info.isAutoNumber()) {
            const int told = fileFailuresTold();
            // The counter is kept at once, so that no number is handed out twice after a crash; a file that
            // will not keep it will not keep the record either.
            const std::optional<int> number =
                handOutAutoNumber(m_context, m_source, m_tableId, properties.name, properties.info.autoNumber);
            if (!number) {
                tellUnlessToldSince(told, QStringLiteral("Failed create a new record"));
                return false;
            }
            properties.info.autoNumber = *number + 1;
            cell = QString::number(*number);
        } else if (!properties.calculation.isEmpty()) {
            cell = evaluate(properties.calculation, record);
        } else if (!properties.info.defValue.isEmpty() && !properties.info.isUnique()) {
            cell = evaluate(properties.info.defValue, record);
        }
        m_grid.setText(m_newRow, f + 1, cell);
    }
    return true;
}

bool Datasheet::storeNewRow(int typedField)
{
    // However the row comes to be stored, every field is checked; the typed cell has been already.
    for (int f = 0; f < fieldCount(); ++f)
        if (f != typedField && !passesFieldChecks(f, storedForm(f, m_grid.text(m_newRow, f + 1)), false))
            return false;
    const int told = fileFailuresTold();
    if (!m_records->AddNew()) {
        tell(QStringLiteral("Failed create a new record"));
        return false;
    }
    for (int f = 0; f < fieldCount(); ++f) {
        const QString cell = storedForm(f, m_grid.text(m_newRow, f + 1));
        // A calculation is shown, not kept; an empty cell leaves the field without a value.
        if (!m_fields[f].calculation.isEmpty() || (cell.isEmpty() && m_fields[f].info.odbcType != odbc::Boolean))
            continue;
        writeValue(f, cell);
    }
    if (!m_records->Update()) {
        tellUnlessToldSince(told, QStringLiteral("Failed to create a record"));
        return false;
    }
    m_recordCount = m_records->GetRecordCount();
    m_newRow = 0;
    return true;
}

void Datasheet::discardNewRow()
{
    if (!m_newRow)
        return;
    const int row = m_newRow;
    m_newRow = 0;
    m_newRecord = false;
    for (int column = 0; column <= fieldCount(); ++column)
        m_grid.setText(row, column, QString());
    if (row >= std::min(m_recordCount - m_first, pageSize()) + 1)
        m_grid.setGridSize(std::max(1, std::min(m_recordCount - m_first, pageSize()) + 1), fieldCount() + 1);
}

void Datasheet::cellEntered(int row, int)
{
    if (!m_newRecord || row == m_addedRow)
        return;
    m_newRecord = false;
    // A row added and left untouched is not kept.
    discardNewRow();
}

void Datasheet::deleteRecord()
{
    if (!m_isTable || !m_records) {
        tell(QStringLiteral("Cannot delete record in this mode "));
        return;
    }
    if (refusedAsReadOnly(m_context) || reopenedForNewDesign())
        return;
    const int row = m_grid.currentRow();
    if (row < 1)
        return;
    if (m_context.tableForm.ConfirmOnDeleting == 1 &&
        !ask(QStringLiteral("Do you want to delete the selected record ?")))
        return;
    if (row == m_newRow) {
        discardNewRow();
        return;
    }
    const int record = recordOfRow(row);
    if (record >= m_recordCount || !m_records->MoveTo(record))
        return;
    // The questions come first; then the record and its related records go together or not at all.
    QStringList values;
    for (int f = 0; f < fieldCount(); ++f)
        values << m_records->GetFieldString(f);
    PendingCascadeDeletes cascades(m_context, m_source, m_names, values);
    if (cascades.refused()) {
        if (!cascades.refusal().isEmpty())
            tell(cascades.refusal());
        return;
    }
    const int told = fileFailuresTold();
    if (!cascades.deleteWith([&] { return m_records->MoveTo(record) && m_records->Delete(); })) {
        // The recordset may have let the record go before the rest failed; it is back in the table now.
        m_records->Requery();
        m_recordCount = m_records->GetRecordCount();
        fillPage(m_first);
        tellUnlessToldSince(told, QStringLiteral("Failed to delete the record"));
        return;
    }
    m_newRecord = false;
    m_recordCount = m_records->GetRecordCount();
    const int first = m_first >= m_recordCount && m_first > 0 ? m_first - kPageSize : m_first;
    fillPage(first);
    const int current = std::min(record, m_recordCount - 1);
    m_grid.setCurrentCell(current >= 0 ? rowOfRecord(current) : 0, std::max(1, m_grid.currentColumn()));
}

// ---- moving

bool Datasheet::moveTo(int record)
{
    if (record < 0 || record >= m_recordCount)
        return false;
    if (record < m_first || record >= m_first + pageSize()) {
        if (reopenedForNewDesign())
            return false;
        fillPage(record - record % pageSize());
    }
    cellEntered(rowOfRecord(record), m_grid.currentColumn());
    m_grid.setCurrentCell(rowOfRecord(record), std::max(1, m_grid.currentColumn()));
    return true;
}

int Datasheet::rowRecord() const
{
    const int row = m_grid.currentRow();
    return row >= 1 ? recordOfRow(row) : -1;
}

bool Datasheet::hasRecordsToMove() const
{
    if (m_recordCount >= 1)
        return true;
    tell(QStringLiteral("No records avaliable to navigate"));
    return false;
}

void Datasheet::moveFirst()
{
    if (hasRecordsToMove())
        moveTo(0);
}

void Datasheet::movePrevious()
{
    if (hasRecordsToMove())
        moveTo(std::clamp(rowRecord() - 1, 0, m_recordCount - 1));
}

void Datasheet::moveNext()
{
    if (hasRecordsToMove())
        moveTo(std::clamp(rowRecord() + 1, 0, m_recordCount - 1));
}

void Datasheet::moveLast()
{
    if (hasRecordsToMove())
        moveTo(m_recordCount - 1);
}

void Datasheet::moveBy(int steps)
{
    const int current = rowRecord();
    const int target = std::clamp(current + steps, 0, m_recordCount - 1);
    if (m_recordCount < 1 || current < 0 || (steps > 0 ? target <= current : target >= current))
        return;
    moveTo(target);
}

void Datasheet::goTo()
{
    const std::optional<QString> answer =
        framework::askText({QStringLiteral("Go To"), QStringLiteral("\n  Goto Record #"), QString(), QString()});
    if (!answer)
        return;
    bool isNumber = false;
    const int number = answer->trimmed().toInt(&isNumber);
    if (isNumber)
        moveTo(number - 1);
}

QList<RelatedTarget> Datasheet::relatedTargetsOfCurrentField()
{
    const int field = currentField();
    if (!m_isTable || field < 0)
        return {};
    return RelatedTargets(m_context, m_source, m_names[field], relationflags::kCascadeUpdates);
}

// ---- columns

void Datasheet::hideColumn()
{
    const int column = m_grid.currentColumn();
    if (column < 1 || column > fieldCount()) {
        tell(QStringLiteral("Select any valid column to hide"));
        return;
    }
    if (m_grid.width(column) > 0)
        m_shownWidths[column - 1] = m_grid.width(column);
    m_grid.setWidth(column, 0);
    storeWidths();
}

void Datasheet::showAllColumns()
{
    for (int f = 0; f < fieldCount(); ++f)
        if (m_grid.width(f + 1) == 0)
            m_grid.setWidth(f + 1, m_shownWidths.value(f, kNoLayoutWidth));
}

bool Datasheet::storeWidths()
{
    if (!m_isTable)
        return true;
    QList<int> widths;
    for (int f = 0; f < fieldCount(); ++f) {
        const int width = m_grid.width(f + 1);
        const bool untouched = m_fittedWidths.value(f) > 0 && width == m_fittedWidths.value(f);
        widths.append(untouched ? m_readWidths.value(f) : width);
    }
    const int told = fileFailuresTold();
    if (storeColumnWidths(m_context, m_source, m_names, widths))
        return true;
    tellUnlessToldSince(told, QStringLiteral("Failed to store column widths"));
    return false;
}
