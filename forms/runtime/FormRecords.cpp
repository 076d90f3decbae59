// The current record: showing it in the controls, checking and writing what the controls hold, and
// adding and deleting records.
#include "forms/runtime/FormSession.h"

#include "data/CAppContext.h"
#include "data/CDbCommand.h"
#include "data/CDbTransaction.h"
#include "data/DateStyle.h"
#include "data/OdbcType.h"
#include "data/SqlText.h"
#include "forms/runtime/FormListener.h"
#include "forms/runtime/FormSource.h"
#include "logic/EvaluateExpression.h"
#include "platform/framework/MessageBox.h"
#include "tables/CellEditor.h"
#include "tables/FieldChecks.h"
#include "tables/FieldValueCheck.h"
#include "tables/Relations.h"
#include "tables/masks/InputMask.h"

#include <vector>

namespace {

const QString kNoValue = QStringLiteral("#Value#");

bool isNonZero(const QString& value) { return value.trimmed().toDouble() != 0; }

bool isNumeric(const FormControl& control) { return odbc::isNumeric(control.rules.odbcType); }

// A stored value as the control shows it (by its lookup's item, else through the field's mask), and the
// value the control's text stands for.
bool isDate(const FormControl& control) { return control.rules.odbcType == odbc::DateTime && control.isEditBox(); }

QString shownText(const FormControl& control, const QString& value, const QString& dateStyle)
{
    if (!control.itemValues.isEmpty())
        return control.itemOfValue(value);
    const InputMask mask = InputMask::fromProperty(control.rules.inputMask);
    if (mask.isEmpty())
        return isDate(control) ? styledDate(value, dateStyle) : value;
    return !control.isEditBox() ? value : mask.cellText(value, isNumeric(control));
}

QString storedValue(const FormControl& control, const QString& text, const QString& dateStyle)
{
    if (!control.itemValues.isEmpty())
        return control.valueOfItem(text);
    const InputMask mask = InputMask::fromProperty(control.rules.inputMask);
    if (mask.isEmpty())
        return isDate(control) ? engineDate(text, dateStyle) : text;
    return !control.isEditBox() ? text : mask.storedOfCell(text, isNumeric(control));
}

// Why the field cannot hold the text at all, in its own words; empty when it can.
QString fieldRefusal(const FormControl& control, const QString& text)
{
    FieldInfo info;
    info.odbcType = control.rules.odbcType;
    info.maxLen = QString::number(control.rules.maxLength);
    return valueRefusal(control.field, info, text);
}

// A unique value found nowhere else is not held to the empty-value checks.
const FieldCheckWords kFormWords{QStringLiteral("Unique property violation : %1"),
                                 QStringLiteral("Zero Length property violation : %1"),
                                 QStringLiteral("Empty field not allowed : %1"), QStringLiteral("Entered data is not valid"),
                                 QString(), true};

// Why the control's typing was not taken, in the words of the field.
QString typingRefusal(const FormControl& control)
{
    const QString typed = *control.refusedTyping;
    const QString message = control.charClass != CharacterClass::None ? fieldRefusal(control, typed) : QString();
    return !message.isEmpty() ? message
                              : QStringLiteral("\"%1\" was not taken: %2 takes no typing").arg(typed, control.field);
}

bool ask(const QString& question, framework::Icon icon = framework::Icon::Information)
{
    return framework::showMessage(question, framework::applicationCaption(), framework::Buttons::YesNo, icon) ==
           framework::Answer::Yes;
}

} // namespace

FormSession::Source* FormSession::mainSource()
{
    return m_sources.empty() ? nullptr : m_sources.front().get();
}

CDbRecordset* FormSession::mainRecords()
{
    Source* source = mainSource();
    return source ? source->records.get() : nullptr;
}

bool FormSession::atCurrentRecord()
{
    CDbRecordset* records = mainRecords();
    // Moving would store the record being added.
    if (!records || m_addPending || m_position < 1)
        return false;
    return records->MoveTo(m_position - 1);
}

QString FormSession::evaluate(const QString& expression)
{
    return EvaluateExpression(exprCaller(), expression, currentRecordOffset(), ExprKind::FieldValue).text;
}

void FormSession::displayRecord()
{
    CDbRecordset* records = mainRecords();
    if (!records || (!m_adding && !atCurrentRecord()))
        return;
    m_typed = false;
    for (int f = 0; f < fieldCount(); ++f) {
        const DatasheetField& field = m_fields[f];
        // A calculation is never stored, so it is worked out for every record; a default only for a new one.
        const QString expression = !field.calculation.isEmpty() ? field.calculation
                                   : m_adding                   ? field.info.defValue
                                                                : QString();
        const bool boolean = odbcTypeOf(f) == odbc::Boolean;
        const QString value = m_adding ? QString() : records->GetFieldString(f);
        if (expression.isEmpty()) {
            showValue(f, value, false);
            continue;
        }
        const QString result = evaluate(expression);
        if (boolean)
            showValue(f, result == QLatin1String("-1") ? result : QStringLiteral("0"), false);
        // 0 is a value like any other; only an expression that gave none shows the mark.
        else if (m_adding && result.isEmpty())
            showValue(f, result, true);
        else
            showValue(f, result, false);
    }
    showSubforms();
}

QString FormSession::dateStyle() const { return dateStyleAt(m_context.general.Default_Date_Style); }

void FormSession::showValue(int field, const QString& value, bool placeholder)
{
    for (int i = 0; i < m_controls.size(); ++i) {
        FormControl& control = m_controls[i];
        if (control.recordset != 0 || fieldIndexOf(control.field) != field)
            continue;
        if (control.isTickable())
            control.ticked = isNonZero(value);
        else
            control.text = placeholder ? kNoValue : shownText(control, value, dateStyle());
        control.refusedTyping.reset();
        control.placeholder = placeholder;
        control.placeholderValue = placeholder ? value : QString();
        changed(i);
    }
}

void FormSession::showSubforms()
{
    for (size_t s = 1; s < m_sources.size(); ++s) {
        Source& source = *m_sources[s];
        if (!source.records)
            continue;
        if (!source.linkField.isEmpty()) {
            CDbRecordset* main = mainRecords();
            const int field = fieldIndexOf(source.linkField);
            QString value;
            if (main && !m_adding && m_position > 0 && field >= 0)
                value = main->GetFieldString(field);
            auto linked = std::make_unique<CDbRecordset>(m_context.connection, m_context.databasePath());
            if (linked->Open(source.sql + QStringLiteral(" WHERE ") + sqlQuoted(source.linkField) +
                                 QStringLiteral(" = ") + sqlQuoted(value),
                             2, 3))
                source.records = std::move(linked);
        }
        const bool any = source.records->MoveFirst() && !source.records->IsEOF();
        for (int i = 0; i < m_controls.size(); ++i) {
            FormControl& control = m_controls[i];
            if (control.recordset != int(s) || control.kind() == ControlKind::GridControl)
                continue;
            QString value;
            if (any)
                source.records->GetFieldString(control.field, value);
            if (control.isTickable())
                control.ticked = isNonZero(value);
            else
                control.text = shownText(control, value, dateStyle());
            changed(i);
        }
        // The grids walk the records last: the controls above show the first one.
        for (int i = 0; i < m_controls.size(); ++i) {
            if (m_controls[i].recordset == int(s) && m_controls[i].kind() == ControlKind::GridControl) {
                m_controls[i].items = gridRows(*source.records);
                changed(i);
            }
        }
    }
}

QStringList FormSession::gridRows(CDbRecordset& records)
{
    QStringList header;
    for (int f = 0; f < records.GetFieldCount(); ++f)
        header << records.GetFieldName(f);
    QStringList rows{header.join(QLatin1Char('\t'))};
    records.MoveFirst();
    for (int n = 0; n < kGridRows && !records.IsEOF(); ++n, records.MoveNext()) {
        QStringList row;
        for (int f = 0; f < records.GetFieldCount(); ++f)
            row << records.GetFieldString(f);
        rows << row.join(QLatin1Char('\t'));
    }
    return rows;
}

void FormSession::clearControls()
{
    m_typed = false;
    for (int i = 0; i < m_controls.size(); ++i) {
        FormControl& control = m_controls[i];
        if (!control.onMainForm())
            continue;
        if (control.isEditBox()) {
            control.text.clear();
            control.placeholder = false;
            control.refusedTyping.reset();
            changed(i);
        } else if (control.isTickable() && control.recordset == 0 && control.ticked) {
            control.ticked = false;
            changed(i);
        }
    }
}

// ---- saving

QList<FormSession::PendingWrite> FormSession::pendingWrites(CDbRecordset& records) const
{
    QList<PendingWrite> writes;
    for (int i = 0; i < m_controls.size(); ++i) {
        const FormControl& control = m_controls[i];
        const bool writable = control.isEditBox() || control.isTickable() || control.kind() == ControlKind::DateTime;
        // An AutoNumber is never typed: a new record gets the number handed out for it, below.
        if (control.recordset != 0 || !control.onMainForm() || !writable || control.rules.autoNumber)
            continue;
        const int field = fieldIndexOf(control.field);
        // A calculation is shown, not kept.
        if (field < 0 || !m_fields[field].calculation.isEmpty())
            continue;
        const QString old = m_adding ? QString() : records.GetFieldString(field);
        if (control.isTickable()) {
            writes.append({i, field, old, control.ticked ? QStringLiteral("true") : QStringLiteral("false"),
                           m_adding || control.ticked != isNonZero(old)});
            continue;
        }
        const QString value = control.placeholder ? control.placeholderValue : storedValue(control, control.text, dateStyle());
        writes.append({i, field, old, value, value != old});
    }
    if (m_adding)
        for (auto number = m_autoNumbers.constBegin(); number != m_autoNumbers.constEnd(); ++number)
            writes.append({-1, number.key(), QString(), number.value(), true});
    return writes;
}

bool FormSession::showsStoredRecord()
{
    CDbRecordset* records = mainRecords();
    if (m_adding || !records)
        return false;
    if (m_recordCount == 0)
        return true;
    return atCurrentRecord() && !typedIntoStoredRecord(*records);
}

bool FormSession::typedIntoStoredRecord(CDbRecordset& records) const
{
    const QList<PendingWrite> writes = pendingWrites(records);
    return std::any_of(writes.begin(), writes.end(), [](const PendingWrite& write) { return write.changed; });
}

bool FormSession::hasUnsavedRecord()
{
    CDbRecordset* records = mainRecords();
    if (!records)
        return false;
    if (m_adding)
        return entries() != m_untouchedEntries;
    return m_recordCount > 0 && atCurrentRecord() && typedIntoStoredRecord(*records);
}

bool FormSession::saveCurrentRecord()
{
    CDbRecordset* records = mainRecords();
    if (!records || (m_recordCount == 0 && !m_adding) || reopenedForNewDesign())
        return false;
    if (!m_adding && !atCurrentRecord())
        return false;
    if (dropsUntouchedNewRecord(*records))
        return true;
    QList<PendingWrite> writes = pendingWrites(*records);
    const auto typed = [this](const PendingWrite& write) {
        return write.control >= 0 &&
               (m_controls[write.control].isEditBox() || m_controls[write.control].kind() == ControlKind::DateTime);
    };
    for (const PendingWrite& write : writes)
        if (typed(write) && (!takesTyping(write.control) ||
                             ((m_adding || write.changed) && !passesChecks(write.control, write.value))))
            return false;
    writes.removeIf([](const PendingWrite& write) { return !write.changed; });
    if (writes.isEmpty() && !m_adding)
        return true;
    // Asked before anything is stored: a refused key change leaves the file as it was.
    std::vector<std::pair<PendingCascadeUpdate, int>> cascades; // cascade, field
    if (!m_adding)
        for (const PendingWrite& write : writes) {
            cascades.emplace_back(PendingCascadeUpdate(m_context, m_tableSource, m_names[write.field], write.old, write.value),
                                  write.field);
            if (cascades.back().first.refused()) {
                if (!cascades.back().first.refusal().isEmpty())
                    tell(cascades.back().first.refusal());
                return false;
            }
        }
    // The record and what it cascades to related tables are one step of the history.
    CDbCommand command(m_context, QStringLiteral("Save Record in %1").arg(m_tableSource));
    // The record and its rules are one transaction: a value a rule refuses never reaches the file.
    CDbTransaction transaction(m_context);
    if (!transaction.isOpen())
        return false;
    if (m_adding && !m_addPending) {
        if (!records->AddNew()) {
            tell(QStringLiteral("Add Record"));
            return false;
        }
        m_addPending = true;
    }
    for (const PendingWrite& write : writes) {
        const bool written = odbcTypeOf(write.field) == odbc::Boolean
                                 ? records->SetFieldBool(write.field, write.value == QLatin1String("true"))
                                 : records->SetFieldString(write.field, write.value);
        if (!written) {
            // Nothing of the record may stay behind to be stored by the next move.
            records->Requery();
            m_addPending = false;
            return false;
        }
    }
    // The engine drops a refused record, so a new record is started again on the next save.
    const bool wasAdding = m_adding;
    m_addPending = false;
    if (!records->Update())
        return false;
    for (const PendingWrite& write : writes) {
        if (!typed(write))
            continue;
        const FieldVerdict verdict =
            checkFieldRule(exprCaller(), demandsOf(write.control), write.value, currentRecordOffset(), kFormWords);
        if (verdict.refuses()) {
            transaction.rollback();
            records->Requery();
            return refuse(write.control, verdict.message);
        }
    }
    if (!transaction.commit()) {
        records->Requery();
        return false;
    }
    for (const auto& [cascade, field] : cascades)
        cascade.carry(records->GetFieldString(field));
    m_typed = false;
    m_recordCount = records->GetRecordCount();
    if (wasAdding) {
        m_adding = false;
        m_position = m_recordCount;
        refreshEnabled();
    }
    positionChanged();
    return true;
}

int FormSession::odbcTypeOf(int field)
{
    // A field the catalogue does not describe is typed by the engine.
    if (!m_fields[field].name.isEmpty())
        return m_fields[field].info.odbcType;
    CDbRecordset* records = mainRecords();
    return records ? odbc::codeOfEngineType(records->GetFieldType(field)) : 0;
}

// The user stays on the control, its whole text selected, to correct it.
bool FormSession::refuse(int index, const QString& message)
{
    tell(message);
    setFocus(index);
    if (m_listener)
        m_listener->focusControl(index, true);
    return false;
}

bool FormSession::takesTyping(int index)
{
    const FormControl& control = m_controls[index];
    if (!control.refusedTyping)
        return true;
    return refuse(index, typingRefusal(control));
}

FieldDemands FormSession::demandsOf(int index) const
{
    const FormControl& control = m_controls[index];
    const FieldRules& rules = control.rules;
    FieldDemands demands;
    demands.name = control.field;
    demands.info.odbcType = rules.odbcType;
    demands.info.maxLen = QString::number(rules.maxLength);
    demands.unique = rules.unique;
    demands.required = rules.required;
    demands.refusesEmptyText = !rules.zeroLength && control.charClass == CharacterClass::Text;
    if (control.kind() == ControlKind::ComboBox)
        demands.list = {control.itemValues.isEmpty() ? control.items : control.itemValues, {}, control.limitToList};
    demands.validationRule = rules.validationRule;
    demands.validationText = rules.validationText;
    return demands;
}

bool FormSession::passesChecks(int index, const QString& text)
{
    const FieldVerdict verdict = checkFieldValue(m_context, m_tableSource, demandsOf(index), text, true, kFormWords);
    return !verdict.refuses() || refuse(index, verdict.message);
}

// ---- adding and deleting

void FormSession::newRecord(bool prompt)
{
    CDbRecordset* records = mainRecords();
    if (!records || !m_allowAdditions || reopenedForNewDesign())
        return;
    if (!m_adding)
        m_recordCount = records->GetRecordCount();
    if ((m_context.tableForm.ConfirmOnAdding == 1 || prompt) && !ask(QStringLiteral("Add Record")))
        return;
    if ((m_recordCount > 0 || m_adding) && !saveCurrentRecord())
        return;
    clearControls();
    if (!records->AddNew()) {
        tell(QStringLiteral("Add Record"));
        displayRecord();
        return;
    }
    m_addPending = true;
    m_adding = true;
    m_position = ++m_recordCount;
    refreshEnabled();
    positionChanged();
    displayRecord();
    handOutAutoNumbers();
    m_untouchedEntries = entries();
}

QList<std::pair<QString, bool>> FormSession::entries() const
{
    QList<std::pair<QString, bool>> shown;
    for (const FormControl& control : m_controls)
        shown.append({control.text, control.ticked});
    return shown;
}

// A new record the user never typed into is no record of theirs: it goes without a word (and without
// the checks that its empty values would fail) when the user closes the form or moves away.
bool FormSession::dropsUntouchedNewRecord(CDbRecordset& records)
{
    if (!m_adding || entries() != m_untouchedEntries)
        return false;
    records.Requery();
    m_adding = m_addPending = false;
    m_autoNumbers.clear();
    m_recordCount = records.GetRecordCount();
    m_position = std::min(m_position, m_recordCount);
    refreshEnabled();
    positionChanged();
    if (m_position == 0)
        clearControls();
    else
        displayRecord();
    return true;
}

// Every AutoNumber field of the source gets its number, whether a control shows it or not.
void FormSession::handOutAutoNumbers()
{
    m_autoNumbers.clear();
    const QString tableId = tableIdOf(m_context, m_tableSource);
    for (int f = 0; f < fieldCount(); ++f) {
        if (!m_fields[f].info.isAutoNumber())
            continue;
        if (const std::optional<int> number = handOutAutoNumber(m_context, m_tableSource, tableId, m_names[f]))
            m_autoNumbers.insert(f, QString::number(*number));
    }
    for (int i = 0; i < m_controls.size(); ++i) {
        FormControl& control = m_controls[i];
        const auto number = m_autoNumbers.constFind(fieldIndexOf(control.field));
        if (control.recordset != 0 || !control.isEditBox() || number == m_autoNumbers.constEnd())
            continue;
        control.text = *number;
        control.placeholder = false;
        changed(i);
    }
}

void FormSession::deleteCurrentRecord(bool prompt)
{
    CDbRecordset* records = mainRecords();
    if (!records || !m_allowDeletions || reopenedForNewDesign())
        return;
    if (m_recordCount == 0) {
        clearControls();
        tell(QStringLiteral("No records to delete"));
        return;
    }
    if ((m_context.tableForm.ConfirmOnDeleting == 1 || prompt) &&
        !ask(QStringLiteral("Do you want to delete the selected record ?"), framework::Icon::Question))
        return;
    if (m_adding) {
        // The record being added is not in the table yet: it is dropped.
        records->Requery();
        m_adding = m_addPending = false;
        refreshEnabled();
    } else {
        if (!atCurrentRecord())
            return;
        QStringList values;
        for (int f = 0; f < fieldCount(); ++f)
            values << records->GetFieldString(f);
        PendingCascadeDeletes cascades(m_context, m_tableSource, m_names, values);
        if (cascades.refused()) {
            if (!cascades.refusal().isEmpty())
                tell(cascades.refusal());
            return;
        }
        if (!cascades.deleteWith([&] { return atCurrentRecord() && records->Delete(); })) {
            // The recordset may have let the record go before the rest failed; it is back in the table now.
            records->Requery();
            m_recordCount = records->GetRecordCount();
            displayRecord();
            tell(QStringLiteral("Failed to delete the record"));
            return;
        }
    }
    m_recordCount = records->GetRecordCount();
    m_position = std::min(m_position, m_recordCount);
    positionChanged();
    if (m_position == 0)
        clearControls();
    else
        displayRecord();
}
