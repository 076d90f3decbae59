#pragma once
// One open datasheet: the records of a table, or of a stored query, shown a page of 50 at a time in a
// grid, with every edit checked against the field's properties before and after it is stored. The view
// only wires its grid and commands to it.
#include "tables/CellEditor.h"
#include "tables/DatasheetFields.h"
#include "tables/FieldChecks.h"
#include "tables/FilterTarget.h"
#include "tables/Relations.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class CAppContext;
class CDbRecordset;
class DatasheetGrid;

class Datasheet : public FilterTarget {
public:
    static constexpr int kPageSize = 50;
    static constexpr int kNumberColumnWidth = 40;
    // What a stored width of 0 opens with, and what every column of a table without a layout row does.
    static constexpr int kUnsetWidth = 50;
    static constexpr int kNoLayoutWidth = 60;
    // 50 is what a width of 0 or an untouched column opens with, 60 what a table without a layout row and a
    // query's columns do; any other width was set by the user, and the column keeps it instead of being fitted.
    static bool isChosenWidth(int width) { return width != kUnsetWidth && width != kNoLayoutWidth; }

    Datasheet(CAppContext& context, DatasheetGrid& grid);
    ~Datasheet() override;
    Datasheet(const Datasheet&) = delete;
    Datasheet& operator=(const Datasheet&) = delete;

    // Opens the table's records, its field properties and its column widths; shows the first page.
    bool openTable(const QString& table);
    // Shows every record of a stored query's statement at once; records cannot be added or deleted.
    bool openQuery(const QString& name, const QString& statement);
    // Stores the widths and AutoNumber counters and lets the records go.
    void close();
    // Reads the records again, for what another program changed in the file, and shows them on the same
    // page and cell. Not while a record being added waits to be stored: false then, and nothing changes.
    bool reread();

    // The field's properties; null for a query or a column the catalogue does not describe.
    const DatasheetField* field(int field) const;
    // The in-place editor of a grid column; a query's cells get a plain line.
    CellEditor editorFor(int column) const;
    // The record a grid row shows (0-based), whether or not it exists yet.
    int recordOfRow(int row) const { return m_first + row - 1; }
    int firstRecord() const { return m_first; }
    // The record of the current row (the one being added included); -1 without a current row.
    int rowRecord() const;
    bool isNewRecord() const { return m_newRecord; }

    // An in-place edit of the cell ended with the text now in the grid. False when it was refused;
    // the cell then shows the value the record keeps.
    bool storeCell(int row, int column);
    // The cursor moved to this cell; leaving the record just added ends the new-record state.
    void cellEntered(int row, int column);

    void addRecord();
    void deleteRecord();
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    // Moves the cursor `steps` records down (up when negative), stopping at the first and last record;
    // never back past the row being added. Says nothing when there is nowhere to go.
    void moveBy(int steps);
    // Asks for a record number and moves there.
    void goTo();
    bool moveTo(int record);
    // The "Table~Field" entries of the relations whose updates cascade from the current field.
    QList<RelatedTarget> relatedTargetsOfCurrentField();

    void hideColumn();
    void showAllColumns();
    bool storeWidths();

    // FilterTarget
    QString sourceName() const override { return m_source; }
    bool sourceIsTable() const override { return m_isTable; }
    QString baseSql() const override { return m_baseSql; }
    // The statement the records on show come from: the base SQL with the filter and sort applied.
    QString currentSql() const { return m_sql; }
    int fieldCount() const override { return int(m_names.size()); }
    QString fieldName(int field) const override { return m_names.value(field); }
    int fieldType(int field) const override;
    int recordCount() const override { return m_recordCount; }
    int currentField() const override;
    int currentRecord() const override;
    QString currentCellText() const override;
    bool showRecordsOf(const QString& sql) override;
    CDbRecordset* recordset() override { return m_records.get(); }
    void selectCell(int record, int field) override;
    void refreshRecord(int record) override;

private:
    bool openRecords(const QString& sql);
    // When another user changed the table's design since it was opened: says so and opens it again;
    // true then, and what was asked of the old design is not done.
    bool reopenedForNewDesign();
    int pageSize() const;
    void layOutGrid();
    // Field columns whose width nobody chose open wide enough for their title and first page.
    void fitColumns();
    // A column still at the width it was fitted to grows to show a value stored in it whole; a column
    // whose width the user set keeps it.
    void widenToFit(int field);
    void widenNumberColumn();
    void fillPage(int first);
    void fillRow(int row);
    QString displayText(int field, const QString& stored, int record);
    // The value a field's cell text stands for: read back through the field's input mask, if it has one.
    QString storedForm(int field, const QString& cell) const;
    QString evaluate(const QString& expr, int record);
    // Checks of the field's flags; shows the failure itself. `typed` tells a value the user entered from a
    // cell left as it was handed out.
    bool passesFieldChecks(int field, const QString& value, bool typed);
    // What the field demands of a value; only a typed value is held to its list and its zero-length flag.
    FieldDemands demandsOf(const DatasheetField& properties, bool typed);
    bool writeValue(int field, const QString& text);
    // Creates the record of the row being added from its cells once every field but the one just typed
    // (`typedField`, -1 for none) passes its checks.
    bool storeNewRow(int typedField = -1);
    // After a rollback: the recordset reread, and the row being added (0 for none) is again to be stored.
    void undoStore(int newRow);
    void discardNewRow();
    // The message of the validation rule the value breaks; none when it passes or has no rule.
    std::optional<QString> validationFailure(int field, const QString& value, int record);
    // Fills the row being added with its AutoNumbers, calculations and defaults; false, after its message,
    // when an AutoNumber counter cannot be kept.
    bool handOutNewRow();
    int rowOfRecord(int record) const { return record - m_first + 1; }
    bool hasRecordsToMove() const;

    CAppContext& m_context;
    DatasheetGrid& m_grid;
    QString m_source;
    QString m_tableId;
    // The table's design as it was opened, where the database keeps watch over designs.
    std::optional<QByteArray> m_design;
    bool m_isTable = true;
    QString m_baseSql;
    QString m_sql;
    std::unique_ptr<CDbRecordset> m_records;
    QStringList m_names;
    // Per recordset column; a field without catalogue row gets none (empty name).
    QList<DatasheetField> m_fields;
    // The width each field column shows when shown; for a hidden column the width it had.
    QList<int> m_shownWidths;
    // The widths as the layout row gave them (or as the datasheet gives columns of its own), and the
    // width each column was fitted to at opening, 0 when it kept its stored width. A column still at its
    // fitted width stores what it was read with, so it fits its values again next time.
    QList<int> m_readWidths;
    QList<int> m_fittedWidths;
    int m_recordCount = 0;
    int m_first = 0;
    bool m_newRecord = false;
    // The grid row of a record added but not yet stored; 0 when there is none.
    int m_newRow = 0;
    // The grid row of the record the add command made, while the new-record state lasts.
    int m_addedRow = 0;
};
