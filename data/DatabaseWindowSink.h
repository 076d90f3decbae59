#pragma once
#include <QString>

// What the catalogue check and the database lifecycle need of the database window: its tables list
// (name, record count, a third column and the TableID), the second list, the two count labels and the
// list panes. The database window implements it; varnel-cli and the tests implement it without a window.
class DatabaseWindowSink {
public:
    virtual ~DatabaseWindowSink() = default;

    virtual void clearTablesList() = 0;
    virtual void clearSecondList() = 0;
    // Adds a row at position `row`: column 0 the name, 1 the record count, 3 a flag text, 4 the TableID.
    virtual void addTableRow(int row, const QString& name, const QString& recordCount, const QString& column3,
                             const QString& tableId) = 0;
    virtual int tableRowCount() const = 0;
    virtual QString tableRowId(int row) const = 0;
    virtual void setCountLabels(const QString& records, const QString& fields) = 0;
    virtual void showListPanes() = 0;
};
