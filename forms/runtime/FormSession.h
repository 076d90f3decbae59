#pragma once
// The state of one open form: its controls, the recordsets of its record sources, the current record,
// adding, the field properties it enforces, filters and events. Everything a form does happens here,
// without a window: the view mirrors the controls and forwards what the user does, and varnel-cli and
// the tests drive the same object. Messages and questions go through the framework's message service,
// the small prompts through its prompt service.
#include "forms/format/PropertySet.h"
#include "forms/runtime/FormControl.h"
#include "logic/MacroForm.h"
#include "tables/AdvancedFilter.h"
#include "tables/DatasheetFields.h"
#include "tables/FieldChecks.h"
#include "tables/FilterTarget.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CAppContext;
class CDbRecordset;
class FormListener;

class FormSession : public MacroForm, public FilterTarget {
public:
    // The records a grid control shows at most.
    static constexpr int kGridRows = 50;

    explicit FormSession(CAppContext& context);
    ~FormSession() override;
    FormSession(const FormSession&) = delete;
    FormSession& operator=(const FormSession&) = delete;

    void setListener(FormListener* listener) { m_listener = listener; }

    // A stored form by name. False when the database has no form of that name; it then opens empty.
    bool openForm(const QString& name) override;
    // The automatic form of a table, or of a stored query written "Name(Q)" (quoted or not).
    bool openAutoForm(const QString& source);
    // Saves the current record, lets the records go and tells the view to leave.
    void close();
    // The user's close: with unsaved typing in the record, asks whether to save it first. Yes saves and
    // stays open when the save is refused, No leaves the typing unstored, Cancel stays. True when closed.
    bool closeAsking();
    // The user typed into the record on show, or into a new one, and none of it is stored yet.
    bool hasUnsavedRecord();
    bool isOpen() const override { return m_open; }

    const QString& formName() const { return m_formName; }
    const QString& tableSource() const { return m_tableSource; }
    const PropertySet& formProperties() const { return m_formProperties; }
    QString caption() const { return GetProperty(m_formProperties, QStringLiteral("Caption")); }
    bool isCustom() const { return m_custom; }
    const QList<FormControl>& controls() const { return m_controls; }
    // The control whose Name is exactly `name`, -1 when none.
    int controlIndex(const QString& name) const;
    int position() const { return m_position; }
    // The main record source's field of that name (any case), -1 when none.
    int fieldIndexOf(const QString& name) const;
    // "3/17".
    QString positionText() const;
    bool isAdding() const override { return m_adding; }
    bool isReadOnly() const { return m_readOnly; }
    int focusedControl() const { return m_focus; }

    // Writes the changed controls into the current record after checking them; false when a check or
    // the write failed, and the caller must then stay on the record.
    bool saveCurrentRecord();
    void displayRecord();
    void clearControls();
    // Moves to record n (1-based) after saving; says "Invalid Record number" when there is none such.
    bool goToRecord(int number) override;
    // Saves what is pending so that the records may be walked or reopened; false when that save failed.
    bool settleRecord() override;
    // `prompt` asks the Confirm On question even when the option is off.
    void newRecord(bool prompt = false);
    void deleteCurrentRecord(bool prompt = false);

    // The filter prompt's expression is compared as a value, wildcards * and ? included.
    void filterIncluding();
    void filterExcluding();
    void filterOn(bool including, const QString& expression);
    void sortAscending();
    void sortDescending();
    void removeFilter();
    // Shows the records of the advanced filter/sort window's statement.
    void applyAdvanced(const AdvancedStatement& statement);

    // What the user does to a control. Typing goes through the control's character filter and length
    // limit; setControlText takes the whole text as the widget holds it. False when the control refuses.
    bool typeText(int control, const QString& text);
    bool setControlText(int control, const QString& text);
    bool setTicked(int control, bool ticked);
    void setFocus(int control) override;
    // The control reports the event; its handler runs when it has one.
    void raiseEvent(int control, const QString& eventName);
    // Performs a hardware key's action; false when the action belongs to the view (scrolling, the caret).
    bool performKeyAction(int action);
    // Runs the handler for the control's event: the macro of that name, else the script module.
    void FireEvent(const QString& handler, int control) { runMacro(handler, control); }
    // Runs the macro (else the module) of that name on this form; `control` started it, -1 for none.
    void runMacro(const QString& name, int control = -1);

    // ScriptForm
    void closeForm(bool prompt) override;
    void nextRecord() override;
    void previousRecord() override;
    void firstRecord() override;
    void lastRecord() override;
    void applyFilter() override;
    void removeAllFilters() override { removeFilter(); }
    void requery() override;
    // Reads the records again, for what another program changed in the file, and shows the same record
    // position. Only while the form shows the record as stored: false when the user has typed into it or
    // is adding one, and nothing changes.
    bool reread();
    void find() override;
    // Asks for the record number in the "Go To" window.
    void moveToRecord() override;
    void deleteRecord(bool prompt) override { deleteCurrentRecord(prompt); }
    void addRecord(bool prompt) override { newRecord(prompt); }
    void saveRecord(bool) override { saveCurrentRecord(); }
    bool hasControl(const QString& name) const override { return controlIndex(name) >= 0; }
    void focusControl(const QString& name) override { setFocus(controlIndex(name)); }
    ExprCaller exprCaller() override;
    int currentRecordOffset() const override { return m_position > 0 ? m_position - 1 : 0; }
    void setTextBoxText(const QString& name, const QString& text) override;

    // MacroForm
    FindOutcome findRecord(const MacroFind& find) override;
    bool filterWhere(const QString& condition) override;
    bool showQueryRecords(const QString& statement) override;
    MacroIfState& macroIfState() override { return m_ifState; }

    // FilterTarget
    QString sourceName() const override { return m_tableSource; }
    bool sourceIsTable() const override { return !m_sourceIsQuery; }
    QString baseSql() const override { return m_baseSql; }
    int fieldCount() const override { return int(m_names.size()); }
    QString fieldName(int field) const override { return m_names.value(field); }
    int fieldType(int field) const override;
    int recordCount() const override { return m_recordCount; }
    int currentField() const override;
    int currentRecord() const override { return m_position - 1; }
    QString currentCellText() const override;
    bool showRecordsOf(const QString& sql) override;
    CDbRecordset* recordset() override;
    void selectCell(int record, int field) override;
    void refreshRecord(int record) override;

private:
    struct Source;

    // The Date Style of the options: the edit boxes of date fields show their dates in it.
    QString dateStyle() const;

    // Opening: record sources, controls and the field properties they enforce.
    void reset();
    void setTableSource(const QString& source);
    void finishOpening();
    QString statementOf(const QString& source, bool* isQuery = nullptr);
    // The recordset of the main form or of a subform, opened on first use; -1 when it cannot be opened.
    int recordsetFor(const QString& source, const QString& subform);
    void createControl(const PropertySet& properties);
    void bindControl(FormControl& control);
    void buildAutoControls();
    void loadFieldTables();
    const QList<DatasheetField>& fieldsOfTable(const QString& table);
    void linkSubforms();
    void refreshEnabled();

    // The current record. The main form's source is always the first; its controls have recordset 0.
    Source* mainSource();
    CDbRecordset* mainRecords();
    bool atCurrentRecord();
    bool showRecord(int position);
    QString evaluate(const QString& expression);
    void showValue(int field, const QString& value, bool placeholder);
    void showSubforms();
    // A grid's items: the field names, then one line per record, fields separated by tabs.
    static QStringList gridRows(CDbRecordset& records);
    // What each writable control of the main form holds against the current record's value.
    struct PendingWrite {
        int control;
        int field;
        QString old;
        QString value;
        bool changed;
    };
    QList<PendingWrite> pendingWrites(CDbRecordset& records) const;
    // No new record, and every control shows the current record as it is stored.
    bool showsStoredRecord();
    // Any control of the record on show differs from the stored record.
    bool typedIntoStoredRecord(CDbRecordset& records) const;
    // Lets the records go and tells the view to leave, storing nothing.
    void leave();
    bool showRecordsAgain();
    // The first table of the form whose design another user changed since it was opened; empty when none.
    QString redesignedTable() const;
    // Opens the form again when another user changed the design of a table it shows, after saying so;
    // false when every table is as it was opened.
    bool reopenedForNewDesign();
    // Shows why the control's value is refused and puts the user back in it; false.
    bool refuse(int control, const QString& message);
    // False, with the field's message, while the control holds typing it took none of.
    bool takesTyping(int control);
    // What the control's field demands of a value written through it.
    FieldDemands demandsOf(int control) const;
    bool passesChecks(int control, const QString& text);
    // The field's ODBC type code, from the engine's type for a field the catalogue does not describe.
    int odbcTypeOf(int field);
    void handOutAutoNumbers();
    QList<std::pair<QString, bool>> entries() const;
    bool dropsUntouchedNewRecord(CDbRecordset& records);
    void askFilter(bool including);
    void sortOn(bool ascending);

    void changed(int control);
    void positionChanged();
    void tell(const QString& text);

    CAppContext& m_context;
    FormListener* m_listener = nullptr;
    bool m_open = false;
    QString m_formName;
    QString m_tableSource;
    bool m_sourceIsQuery = false;
    QString m_baseSql;
    // The statement the main records show now, and its WHERE part that a sort keeps.
    QString m_filterSql;
    QString m_where;
    PropertySet m_formProperties;
    bool m_custom = false;
    QList<FormControl> m_controls;
    std::vector<std::unique_ptr<Source>> m_sources;
    QStringList m_names;
    QList<DatasheetField> m_fields;
    // The statement of each stored query the form opened, its parameters in, by lower-case query name; empty
    // for a query the user declined or that cannot be a form's records.
    QHash<QString, QString> m_queryStatements;
    // Catalogue rows of each table read so far, by lower-case name.
    QHash<QString, QList<DatasheetField>> m_fieldCache;
    int m_recordCount = 0;
    int m_position = 0;
    bool m_adding = false;
    // The numbers handed out to the record being added, by field; they are its values when it is stored.
    QHash<int, QString> m_autoNumbers;
    // What the controls showed when the record being added was started (text, ticked).
    QList<std::pair<QString, bool>> m_untouchedEntries;
    // The main recordset holds the new record started by AddNew; a refused update drops it.
    bool m_addPending = false;
    // A bound control was typed into or ticked since the record was shown or stored.
    bool m_typed = false;
    bool m_readOnly = false;
    bool m_allowAdditions = true;
    bool m_allowDeletions = true;
    bool m_allowFilters = true;
    int m_focus = -1;
    MacroIfState m_ifState;
    // Handlers of events (macros or modules) running on this form, and a closing they have yet to report.
    int m_handlersRunning = 0;
    bool m_closePending = false;
};
