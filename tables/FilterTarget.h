#pragma once
// What filtering, sorting and finding need from an open datasheet: its source, its fields, the
// recordset it shows, and a way to show the records of another statement. The datasheet implements
// it; the filter, sort and find commands work only through it, so they are tested without windows.
#include <QString>

class CDbRecordset;

class FilterTarget {
public:
    virtual ~FilterTarget() = default;

    // The table's name, or the stored query's name.
    virtual QString sourceName() const = 0;
    virtual bool sourceIsTable() const = 0;
    // "SELECT * FROM " and the table name, or the query's statement.
    virtual QString baseSql() const = 0;

    // Fields count from 0 in the recordset's order; the name is the column's header text.
    virtual int fieldCount() const = 0;
    virtual QString fieldName(int field) const = 0;
    // The field's ODBCType as its field-info text gives it; 0 when the source has no field properties.
    virtual int fieldType(int field) const = 0;

    virtual int recordCount() const = 0;
    // The current cell: the field (-1 when no field column is selected) and the record (0-based, -1 when none).
    virtual int currentField() const = 0;
    virtual int currentRecord() const = 0;
    virtual QString currentCellText() const = 0;

    // Reopens the records over `sql` and shows them from the first page. False when the engine refuses
    // the statement; the datasheet then still shows what it showed before.
    virtual bool showRecordsOf(const QString& sql) = 0;
    // The recordset the datasheet shows; null when none is open.
    virtual CDbRecordset* recordset() = 0;
    // Makes the cell of `record` and `field` current, bringing its page into view.
    virtual void selectCell(int record, int field) = 0;
    // Redraws the record's row after its values changed through the recordset.
    virtual void refreshRecord(int record) = 0;
};
