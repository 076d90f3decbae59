#pragma once
// The query designer (template 243): tables and joins above, the query type, and the grid of fields,
// tables, sorts, show flags and criteria, or the statement box of a query edited as text. QueryDesigner
// decides everything; the dialog mirrors it.
#include "logic/queries/QueryDesigner.h"

#include <QDialog>

#include <optional>

class CAppContext;
class CGridCtrl;
class QComboBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// A select query the user ran from the designer: what the datasheet is to show.
struct QueryResultRequest {
    QString name;
    QString statement;
};

class CNewQueryDlg : public QDialog {
    Q_OBJECT
public:
    // A new query when `name` is empty, else the stored query of that name.
    CNewQueryDlg(CAppContext& context, const QString& name, QWidget* parent = nullptr);

    // Shows the designer modally; the statement to show in the datasheet when the user ran a select query.
    static std::optional<QueryResultRequest> design(CAppContext& context, const QString& name, QWidget* parent);

    QueryDesigner& designer() { return m_designer; }
    CGridCtrl* grid() const { return m_grid; }
    QPlainTextEdit* statementBox() const { return m_statement; }

    // The commands of the designer's bar.
    void save();
    void run();
    void editInBuilder();
    void reject() override;

private:
    void tablesChosen();
    void addJoin();
    void removeJoin();
    void typeChosen(int index);
    void cellEdited(int row, int column, const QString& text);
    void showGrid();
    void showColumn(int column);
    void showJoins();
    void showTextMode();
    void finish(QueryDesigner::Outcome outcome);

    QueryDesigner m_designer;
    QListWidget* m_tables;
    QListWidget* m_joins;
    QComboBox* m_type;
    CGridCtrl* m_grid;
    QPlainTextEdit* m_statement;
    QPushButton* m_close;
};
