#pragma once
// The "Advanced Filter" dialog: the field/sort/criteria grid, the operator buttons that append to the
// current condition cell, "Clear All", "Sort" (shows the grid's statement and closes) and "Cancel".
#include <QDialog>

class CGridCtrl;
class DatasheetFilter;
class FilterTarget;

class CAdvancedFilterDlg : public QDialog {
    Q_OBJECT
public:
    CAdvancedFilterDlg(FilterTarget& target, DatasheetFilter& filter, QWidget* parent = nullptr);

    static void run(QWidget* parent, FilterTarget& target, DatasheetFilter& filter);

    CGridCtrl* grid() const { return m_grid; }
    void appendOperator(const QString& button);
    void clearAll();
    void sort();

private:
    void fillRowNames();

    FilterTarget& m_target;
    DatasheetFilter& m_filter;
    CGridCtrl* m_grid;
};
