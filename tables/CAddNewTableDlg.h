#pragma once
// The table designer's window: the table name, the field grid, and the tabs with the property grid,
// the lookup grid with its value-list editor, and the calculation. Every decision is TableDesigner's.
#include "tables/TableDesigner.h"

#include <QDialog>

class CGridCtrl;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QWidget;

class CAddNewTableDlg : public QDialog {
    Q_OBJECT
public:
    enum Tab { PropertiesTab = 0, LookupTab = 1, CalculationTab = 2 };

    CAddNewTableDlg(CAppContext& context, DesignerHost& host, ExpressionBuilder builder, QWidget* parent = nullptr);

    TableDesigner& designer() { return m_designer; }
    CGridCtrl* fieldGrid() const { return m_fields; }
    CGridCtrl* propertyGrid() const { return m_properties; }
    CGridCtrl* lookupGrid() const { return m_lookup; }
    QTabWidget* tabs() const { return m_tabs; }
    QLineEdit* tableNameEdit() const { return m_name; }
    QListWidget* valueList() const { return m_items; }

    // The commands of the command bar.
    void saveTable();
    void deleteField();
    void moveFieldUp();
    void moveFieldDown();
    void selectField(int row);

    void reject() override;

private:
    QWidget* makePropertiesTab();
    QWidget* makeLookupTab();
    QWidget* makeCalculationTab();
    void showFields();
    void showProperties();
    void showLookup();
    void showCalculation();
    void fieldEdited(int row, int column, const QString& text);
    void tabChosen(int index);
    // Ends the open cell edits of the three grids, so that a command sees what the user typed or chose.
    void commitGrids();

    TableDesigner m_designer;
    QLineEdit* m_name;
    CGridCtrl* m_fields;
    QTabWidget* m_tabs;
    CGridCtrl* m_properties;
    CGridCtrl* m_lookup;
    QComboBox* m_sourceTable;
    QComboBox* m_sourceField;
    QListWidget* m_items;
    QLabel* m_calculation;
    bool m_refreshing = false;
};
