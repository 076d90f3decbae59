#pragma once
// The datasheet view: the records of a table or of a stored query in a grid, with the record, column,
// filter and find commands, a record view and a large text box. What each command does is Datasheet's.
#include "tables/BusyProgress.h"
#include "tables/Datasheet.h"
#include "reports/ui/DocumentPrinter.h"

#include <QHash>

#include <memory>
#include <QWidget>

class CAppContext;
class DatasheetFilter;
class CRecordViewGrid;
class CViewDataGrid;
class QAction;
class QMenuBar;
class QLabel;
class QPlainTextEdit;
class QScrollBar;
class QStackedWidget;
class QStatusBar;
class QToolBar;

class CViewTableData : public QWidget {
    Q_OBJECT
public:
    enum Command {
        AddRecord = 1,
        DeleteRecord,
        FirstRecord,
        PreviousRecord,
        NextRecord,
        LastRecord,
        GoTo,
        SortAscending,
        SortDescending,
        FilterIncluding,
        FilterExcluding,
        AdvancedFilter,
        RemoveFilter,
        FindReplace,
        ViewRelatedTable,
        HideColumn,
        ShowAllColumns,
        CloseTable,
        RecordView,
        TextBox,
        // Back to the table shown before View Related Table.
        PreviousTable,
        // The find dialog with the keyboard in its replacement.
        Replace,
        // The records as shown, their filter, sort and columns, on paper.
        Print,
        PrintPreview,
        ExportPdf
    };

    explicit CViewTableData(CAppContext& context, QWidget* parent = nullptr);
    ~CViewTableData() override;

    bool openTable(const QString& table);
    bool openQuery(const QString& name, const QString& statement);

    void run(Command command);
    // Performs the hardware-key action of that number (the key options' action list).
    void performKeyAction(int action);
    QAction* commandAction(Command command) const;
    // Shows what another program changed in the file; typing not yet stored (in a cell, the record view
    // or the text box) stays as it is, and the records are not read again then: false.
    bool rereadRecords();

    Datasheet& sheet() { return m_sheet; }
    CViewDataGrid* grid() const { return m_grid; }
    CRecordViewGrid* recordView() const { return m_recordView; }
    QPlainTextEdit* textBox() const { return m_textBox; }
    // The scroll bar over the whole table: its value is the current record, its range every record.
    QScrollBar* recordScrollBar() const { return m_recordBar; }
    // "Record N of M" and what narrows or orders the records.
    QStatusBar* statusBar() const { return m_status; }
    // What Print, Print Preview and Export to PDF print.
    DocumentPrinter& printer() { return m_printer; }

signals:
    // The user closed the table; the frame shows the database window again.
    void closed();

protected:
    // Closing the view (the main window is closing) stores what the text box holds, as Close Table does.
    void closeEvent(QCloseEvent* event) override;
    // The grid's keys that leave the page on show, and its wheel, move through the whole table.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape that nothing inside wanted (a cell being edited takes its own) closes the table.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildCommands();
    bool prepareEdit(int row, int column);
    void toggleRecordView();
    void toggleTextBox();
    // Stores the text box's text into its cell when the box is shown (a refusal says why).
    void storeTextBox();
    void fillRecordView();
    // Stores the record view's value of the field; false when the field refused it.
    bool storeFromRecordView(int field);
    void viewRelatedTable();
    void showPreviousTable();
    // Shows `table` in place of the current source, with no filter; on failure the current one stays.
    bool switchToTable(const QString& table);
    void closeTable();
    void sortOnHeader(int column);
    void findReplace(bool replacing);
    // Where the cursor goes after Enter ends an edit, as the key options say.
    void moveAfterEnter();
    // The record, filter and sort commands wait while the record view or the text box is shown.
    bool gridShown() const;
    // Shows the current record and the record count in the status bar, and the rows on show in the
    // record scroll bar.
    void showPosition();
    // The scroll bar over the whole table: its thumb as long as the share of the records on show and
    // where the first of them is; full length when every record is on show.
    void showRowsOnScreen();
    // The record of the first row the grid shows.
    int firstRecordShown() const;
    // The records a Page Up or Page Down goes: about as many as the grid shows at once.
    int recordsPerScreen() const;
    // The rows that fit the grid whole.
    int rowsOnScreen() const;
    // A key the grid would keep on the page on show, moved through the whole table; false when the key
    // stays with the grid.
    bool movedThroughTable(const QKeyEvent& key);
    // Makes a filter for the records on show, reporting long work to the busy box.
    void makeFilter();

    CAppContext& m_context;
    CViewDataGrid* m_grid;
    Datasheet m_sheet;
    QMenuBar* m_menus;
    QToolBar* m_strip;
    QStackedWidget* m_pages;
    CRecordViewGrid* m_recordView;
    QPlainTextEdit* m_textBox;
    QScrollBar* m_recordBar;
    QStatusBar* m_status;
    QLabel* m_position;
    QLabel* m_filterState;
    // Set while the scroll bar follows the grid, so that it does not move the cursor in turn.
    bool m_showingPosition = false;
    // Set while the user's move of the scroll bar takes the grid there: the thumb stays where it was
    // put even when a page's last rows cannot come to the top.
    bool m_barLeads = false;
    BusyProgress m_busy{this};
    DocumentPrinter m_printer;
    QHash<int, QAction*> m_actions;
    std::unique_ptr<DatasheetFilter> m_filter;
    // The tables View Related Table left, most recent last.
    QStringList m_previousTables;
    // The grid cell the text box was opened on.
    int m_textRow = -1;
    int m_textColumn = -1;
};
