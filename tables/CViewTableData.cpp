#include "tables/CViewTableData.h"

#include "data/CAppContext.h"
#include "data/KeyAction.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Profile.h"
#include "reports/SheetDocument.h"
#include "tables/CAdvancedFilterDlg.h"
#include "tables/CFindReplace1.h"
#include "tables/CRecordViewGrid.h"
#include "tables/DatasheetFilter.h"
#include "tables/TableFormColours.h"
#include "tables/CViewDataGrid.h"
#include "tables/RecordCommands.h"
#include "tables/masks/MaskedCells.h"

#include "tables/HistoryActions.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kTextType = 12;
constexpr int kMemoType = -1;

// Sets up the cell's in-place editor as the field's properties ask.
void applyEditor(CGridCtrl& grid, int row, int column, const CellEditor& editor)
{
    grid.setReadOnly(row, column, !editor.editable);
    grid.setChoices(row, column, editor.isList ? editor.choices.values : QStringList(), editor.choices.labels,
                    editor.listTakesTyping || !editor.choices.limitToList);
    grid.setMaxLength(row, column, editor.maxLength);
    maskedcells::setMask(grid, row, column, editor.inputMask);
}

QString positionText(int record, int count)
{
    return QStringLiteral("Record %1 of %2").arg(record + 1).arg(count);
}

} // namespace

CViewTableData::CViewTableData(CAppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_grid(new CViewDataGrid(this)), m_sheet(context, m_grid->sheetGrid()),
      m_menus(new QMenuBar(this)), m_strip(new QToolBar(this)), m_pages(new QStackedWidget(this)),
      m_recordView(new CRecordViewGrid(this)), m_textBox(new QPlainTextEdit(this)),
      m_recordBar(new QScrollBar(Qt::Vertical, this)), m_status(new QStatusBar(this)),
      m_position(new QLabel(this)), m_filterState(new QLabel(this)),
      m_printer(this, [this] { return datasheetDocument(m_context, m_sheet, m_grid->sheetGrid()); })
{
    setObjectName(QStringLiteral("tableDataView"));
    makeFilter();
    m_textBox->setObjectName(QStringLiteral("textBox"));
    m_pages->addWidget(m_grid);
    m_pages->addWidget(m_recordView);
    m_pages->addWidget(m_textBox);
    buildCommands();

    // The grid holds one page of records; the scroll bar beside it stands for the whole table.
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_recordBar->setObjectName(QStringLiteral("recordScrollBar"));
    // A drag moves the cursor once, where it is let go: each jump reads a page, and a sorted one sorts.
    m_recordBar->setTracking(false);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    setFocusProxy(m_grid);
    auto* records = new QHBoxLayout;
    records->setContentsMargins(0, 0, 0, 0);
    records->setSpacing(0);
    records->addWidget(m_pages, 1);
    records->addWidget(m_recordBar);

    m_position->setObjectName(QStringLiteral("recordPosition"));
    m_filterState->setObjectName(QStringLiteral("filterState"));
    m_status->setObjectName(QStringLiteral("datasheetStatus"));
    m_status->setSizeGripEnabled(false);
    m_status->addWidget(m_position);
    m_status->addPermanentWidget(m_filterState);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menus);
    layout->addWidget(m_strip);
    layout->addLayout(records, 1);
    layout->addWidget(m_status);

    const int entry = framework::GetProfileInt(QStringLiteral("KEY_OPTIONS"), QStringLiteral("OnFieldEnter"), 3);
    m_grid->setFieldEntry(entry == 1   ? CGridCtrl::FieldEntry::SelectAll
                          : entry == 2 ? CGridCtrl::FieldEntry::Start
                                       : CGridCtrl::FieldEntry::End);
    // Colours before the first page, whose widths are measured in the grid's final look.
    const GridColours colours = tableFormColours(context.tableForm);
    m_grid->setColours(colours);
    m_recordView->setColours(colours);
    maskedcells::install(*m_grid);
    maskedcells::install(*m_recordView);
    m_grid->prepareEdit = [this](int row, int column) { return prepareEdit(row, column); };
    m_grid->storeEdit = [this](int row, int column) {
        const bool stored = m_sheet.storeCell(row, column);
        // Storing the row being added makes it a record of the table.
        showPosition();
        return stored;
    };
    connect(m_grid, &CViewDataGrid::cellEntered, this, [this](int row, int column) {
        m_sheet.cellEntered(row, column);
        showPosition();
    });
    // The scroll bar, moved, brings the record it was put at to the top, with the cursor on it.
    connect(m_recordBar, &QScrollBar::valueChanged, this, [this](int record) {
        if (m_showingPosition || !gridShown())
            return;
        m_barLeads = true;
        if (m_sheet.moveTo(record)) {
            const int row = record - m_sheet.firstRecord();
            m_grid->scrollTo(m_grid->model()->index(row, std::max(m_grid->currentColumn(), 0)),
                             QAbstractItemView::PositionAtTop);
        }
        showPosition();
        m_barLeads = false;
    });
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!m_barLeads)
            showRowsOnScreen();
    });
    // While the thumb is dragged the status bar tells where letting it go leads.
    connect(m_recordBar, &QScrollBar::sliderMoved, this, [this](int record) {
        m_position->setText(positionText(record, m_sheet.recordCount()));
    });
    connect(m_grid, &CGridCtrl::headerClicked, this, &CViewTableData::sortOnHeader);
    connect(m_grid, &CViewDataGrid::enterPressed, this, &CViewTableData::moveAfterEnter);
    m_recordView->storeEdit = [this](int field, int) { return storeFromRecordView(field); };
}

CViewTableData::~CViewTableData() { m_sheet.close(); }

bool CViewTableData::openTable(const QString& table)
{
    setWindowTitle(table);
    const bool opened = m_sheet.openTable(table);
    showPosition();
    return opened;
}

bool CViewTableData::openQuery(const QString& name, const QString& statement)
{
    setWindowTitle(name);
    const bool opened = m_sheet.openQuery(name, statement);
    showPosition();
    return opened;
}

void CViewTableData::makeFilter()
{
    m_filter = std::make_unique<DatasheetFilter>(m_sheet);
    m_filter->setLongWork(&m_busy);
}

void CViewTableData::showPosition()
{
    const int count = m_sheet.recordCount();
    const int record = m_sheet.rowRecord();
    if (count < 1 && record < 0)
        m_position->setText(QStringLiteral("No records"));
    else if (record >= count)
        m_position->setText(QStringLiteral("New record"));
    else
        m_position->setText(positionText(std::max(record, 0), count));
    QStringList state;
    if (m_filter->isFiltered())
        state << QStringLiteral("Filtered");
    if (m_filter->isSorted())
        state << QStringLiteral("Sorted");
    m_filterState->setText(state.join(QStringLiteral(", ")));

    if (!m_barLeads)
        showRowsOnScreen();
}

void CViewTableData::showRowsOnScreen()
{
    const int count = m_sheet.recordCount();
    const int shown = rowsOnScreen();
    const int lastFirst = std::max(count - shown, 0);
    m_showingPosition = true;
    m_recordBar->setRange(0, lastFirst);
    m_recordBar->setPageStep(shown);
    m_recordBar->setValue(std::clamp(firstRecordShown(), 0, lastFirst));
    m_recordBar->setEnabled(count > 0);
    // With every record on show there is nowhere to scroll to: the bar goes, as a desktop's does, rather
    // than stand there as an empty track. Its going only widens the grid, which can only show more rows,
    // so the bar never comes and goes in turn.
    m_recordBar->setVisible(lastFirst > 0);
    m_showingPosition = false;
}

int CViewTableData::firstRecordShown() const
{
    const int top = m_grid->rowAt(0);
    return top >= 0 ? m_sheet.recordOfRow(top + 1) : m_sheet.firstRecord();
}

int CViewTableData::rowsOnScreen() const
{
    const int rowHeight = m_grid->rowCount() > 0 ? m_grid->rowHeight(0) : m_grid->verticalHeader()->defaultSectionSize();
    return std::max(1, m_grid->viewport()->height() / std::max(rowHeight, 1));
}

int CViewTableData::recordsPerScreen() const { return std::max(1, rowsOnScreen() - 1); }

bool CViewTableData::movedThroughTable(const QKeyEvent& key)
{
    if (m_grid->isEditing() || !gridShown() || m_sheet.recordCount() < 1)
        return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const int row = m_grid->currentRow();
    const int lastRow = m_grid->rowCount() - 1;
    int steps = 0;
    if (modifiers == Qt::NoModifier) {
        switch (key.key()) {
        // Up and Down move within the page as the grid moves them, and on into the next or last page.
        case Qt::Key_Up: steps = row == 0 && m_sheet.firstRecord() > 0 ? -1 : 0; break;
        case Qt::Key_Down:
            steps = row == lastRow && m_sheet.recordOfRow(lastRow + 1) + 1 < m_sheet.recordCount() ? 1 : 0;
            break;
        case Qt::Key_PageUp: steps = -recordsPerScreen(); break;
        case Qt::Key_PageDown: steps = recordsPerScreen(); break;
        default: break;
        }
    } else if (modifiers == Qt::ControlModifier && (key.key() == Qt::Key_Home || key.key() == Qt::Key_End)) {
        steps = key.key() == Qt::Key_Home ? -m_sheet.recordCount() : m_sheet.recordCount();
    }
    if (steps == 0)
        return false;
    m_sheet.moveBy(steps);
    showPosition();
    return true;
}

bool CViewTableData::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress && movedThroughTable(*static_cast<QKeyEvent*>(event)))
        return true;
    // The grid is laid out after the view: the rows it holds on show are known only once it has its size.
    if (watched == m_grid->viewport() && event->type() == QEvent::Resize)
        showRowsOnScreen();
    // The wheel goes through the records as the scroll bar does, past the page on show.
    if (watched == m_grid->viewport() && event->type() == QEvent::Wheel && m_recordBar->isEnabled()) {
        QApplication::sendEvent(m_recordBar, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CViewTableData::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        run(CloseTable);
        return;
    }
    QWidget::keyPressEvent(event);
}


namespace {
const char* const kRecords = "&Records";
const char* const kTools = "&Tools";
const char* const kColumns = "&Columns";

using R = RecordCommand;
using V = CViewTableData;
const RecordCommandEntry kCommands[] = {
    {.command = V::AddRecord, .menu = kRecords, .shared = R::Add},
    {.command = V::DeleteRecord, .menu = kRecords, .shared = R::Delete},
    {.command = V::FirstRecord, .menu = kRecords, .shared = R::First, .onStrip = true, .separated = true},
    {.command = V::PreviousRecord, .menu = kRecords, .shared = R::Previous, .onStrip = true},
    {.command = V::NextRecord, .menu = kRecords, .shared = R::Next, .onStrip = true},
    {.command = V::LastRecord, .menu = kRecords, .shared = R::Last, .onStrip = true},
    {.command = V::GoTo, .menu = kRecords, .shared = R::GoTo},
    {.command = V::Print, .menu = kRecords, .shared = R::Print, .separated = true},
    {.command = V::PrintPreview, .menu = kRecords, .shared = R::Preview},
    {.command = V::ExportPdf, .menu = kRecords, .shared = R::ExportPdf},
    {.command = V::CloseTable, .menu = kRecords, .shared = R::Close, .text = "Close Table", .separated = true,
     .keyAction = keyaction::CloseTable},
    {.command = V::SortAscending, .menu = kTools, .shared = R::SortAscending},
    {.command = V::SortDescending, .menu = kTools, .shared = R::SortDescending},
    {.command = V::FilterIncluding, .menu = kTools, .shared = R::FilterIncluding, .separated = true},
    {.command = V::FilterExcluding, .menu = kTools, .shared = R::FilterExcluding},
    {.command = V::AdvancedFilter, .menu = kTools, .shared = R::AdvancedFilter},
    {.command = V::RemoveFilter, .menu = kTools, .shared = R::RemoveFilter},
    {.command = V::FindReplace, .menu = kTools, .shared = R::Find, .text = "Find / Replace", .separated = true},
    {.command = V::Replace, .menu = kTools, .text = "Replace"},
    {.command = V::ViewRelatedTable, .menu = kTools, .text = "View Related Table", .keyAction = keyaction::ViewRelations},
    {.command = V::PreviousTable, .menu = kTools, .text = "Previous Table"},
    {.command = V::HideColumn, .menu = kColumns, .text = "Hide Column", .keyAction = keyaction::HideColumn},
    {.command = V::ShowAllColumns, .menu = kColumns, .text = "Show All Columns", .keyAction = keyaction::ShowAllColumns},
    {.command = V::RecordView, .menu = nullptr, .text = "Record View", .separated = true},
    {.command = V::TextBox, .menu = nullptr, .text = "Text Box"},
};
} // namespace

void CViewTableData::buildCommands()
{
    m_strip->setObjectName(QStringLiteral("datasheetStrip"));
    m_strip->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_actions = buildRecordCommands(*this, *m_menus, *m_strip, kCommands, [this](int command) { run(Command(command)); });
    m_actions.value(Replace)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_actions.value(PreviousTable)->setEnabled(false);
    m_actions.value(RecordView)->setCheckable(true);
    m_actions.value(TextBox)->setCheckable(true);
    new HistoryActions(m_context, m_sheet, this, m_menus, m_menus->actions().value(0)->menu(), [this] { rereadRecords(); });
}

QAction* CViewTableData::commandAction(Command command) const { return m_actions.value(command); }

bool CViewTableData::gridShown() const { return m_pages->currentWidget() == m_grid; }

bool CViewTableData::rereadRecords()
{
    const bool read = !gridShown() || (!m_grid->isEditing() && m_sheet.reread());
    showPosition();
    return read;
}

void CViewTableData::run(Command command)
{
    // A cell still being edited is stored before any command looks at the records.
    m_grid->commitOpenEditor();
    m_recordView->commitOpenEditor();
    // A refused value is going back into its cell to be mended; the command waits, so that the cursor
    // is not taken away from it. Closing the table lets the value go.
    if ((m_grid->holdsRefusedValue() || m_recordView->holdsRefusedValue()) && command != CloseTable)
        return;
    switch (command) {
    case RecordView: toggleRecordView(); return;
    case TextBox: toggleTextBox(); return;
    case CloseTable: closeTable(); return;
    default: break;
    }
    if (!gridShown())
        return;
    switch (command) {
    case AddRecord: m_sheet.addRecord(); break;
    case DeleteRecord: m_sheet.deleteRecord(); break;
    case FirstRecord: m_sheet.moveFirst(); break;
    case PreviousRecord: m_sheet.movePrevious(); break;
    case NextRecord: m_sheet.moveNext(); break;
    case LastRecord: m_sheet.moveLast(); break;
    case GoTo: m_sheet.goTo(); break;
    case HideColumn: m_sheet.hideColumn(); break;
    case ShowAllColumns: m_sheet.showAllColumns(); break;
    case ViewRelatedTable: viewRelatedTable(); break;
    case PreviousTable: showPreviousTable(); break;
    case SortAscending: m_filter->sortAscending(); break;
    case SortDescending: m_filter->sortDescending(); break;
    case FilterIncluding: m_filter->filterIncluding(); break;
    case FilterExcluding: m_filter->filterExcluding(); break;
    case AdvancedFilter: CAdvancedFilterDlg::run(this, m_sheet, *m_filter); break;
    case RemoveFilter: m_filter->removeFilter(); break;
    case FindReplace: findReplace(false); break;
    case Replace: findReplace(true); break;
    case Print: m_printer.print(); break;
    case PrintPreview: m_printer.preview(); break;
    case ExportPdf: m_printer.exportPdf(); break;
    default: break;
    }
    showPosition();
    // A command from the menu or the strip leaves the keys with the grid: what is typed next goes into the
    // record, as it does after Add Record, and not to the strip's last button.
    m_grid->setFocus();
}

void CViewTableData::performKeyAction(int action)
{
    if (const int command = commandOfKeyAction(kCommands, action)) {
        run(Command(command));
        return;
    }
    if (scrollForKeyAction(*m_grid, action))
        return;
    const int row = m_grid->currentRow(), column = m_grid->currentColumn();
    switch (action) {
    case keyaction::NextField:
        if (gridShown() && column < m_grid->columnCount() - 1)
            m_grid->setCurrentCell(row, column + 1);
        break;
    case keyaction::PreviousField:
        if (gridShown() && column > 1)
            m_grid->setCurrentCell(row, column - 1);
        break;
    default: break; // "Close Form" and the character moves belong to forms
    }
}

bool CViewTableData::prepareEdit(int row, int column)
{
    // Only a record's row, or the one being added, is edited.
    if (column < 1 || m_grid->text(row - 1, 0).isEmpty())
        return false;
    const CellEditor editor = m_sheet.editorFor(column);
    if (!editor.editable)
        return false;
    applyEditor(*m_grid, row - 1, column, editor);
    return true;
}

void CViewTableData::fillRecordView()
{
    const int row = m_grid->currentRow();
    QStringList names, values;
    for (int f = 0; f < m_sheet.fieldCount(); ++f) {
        names << m_sheet.fieldName(f);
        values << (row >= 0 ? m_grid->text(row, f + 1) : QString());
    }
    m_recordView->showRecord(names, values);
    for (int f = 0; f < m_sheet.fieldCount(); ++f)
        applyEditor(*m_recordView, f, 1, row >= 0 ? m_sheet.editorFor(f + 1) : CellEditor::readOnly());
}

void CViewTableData::toggleRecordView()
{
    QAction* action = m_actions.value(RecordView);
    if (m_pages->currentWidget() == m_recordView) {
        m_pages->setCurrentWidget(m_grid);
        action->setChecked(false);
        return;
    }
    if (!gridShown()) {
        action->setChecked(false);
        return;
    }
    fillRecordView();
    m_pages->setCurrentWidget(m_recordView);
    action->setChecked(true);
}

bool CViewTableData::storeFromRecordView(int field)
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return true;
    m_grid->setText(row, field + 1, m_recordView->text(field, 1));
    const bool stored = m_sheet.storeCell(row + 1, field + 1);
    // The row shows what the record keeps; a refused value goes back into its editor over it.
    m_recordView->setText(field, 1, m_grid->text(row, field + 1));
    return stored;
}

void CViewTableData::toggleTextBox()
{
    QAction* action = m_actions.value(TextBox);
    if (m_pages->currentWidget() == m_textBox) {
        m_grid->setText(m_textRow, m_textColumn, m_textBox->toPlainText());
        // A text the field refuses stays in the box, so that the user can mend it rather than type it again.
        const bool stored = m_sheet.storeCell(m_textRow + 1, m_textColumn);
        action->setChecked(!stored);
        if (stored)
            m_pages->setCurrentWidget(m_grid);
        return;
    }
    const int row = m_grid->currentRow(), column = m_grid->currentColumn();
    const int type = column >= 1 ? m_sheet.fieldType(column - 1) : 0;
    const bool textCell = gridShown() && row >= 0 && (type == kTextType || type == kMemoType) &&
                          !m_grid->text(row, 0).isEmpty() && m_sheet.editorFor(column).editable;
    if (!textCell) {
        action->setChecked(false);
        return;
    }
    m_textRow = row;
    m_textColumn = column;
    m_textBox->setPlainText(m_grid->text(row, column));
    m_pages->setCurrentWidget(m_textBox);
    action->setChecked(true);
    m_textBox->setFocus();
}

void CViewTableData::viewRelatedTable()
{
    const QList<RelatedTarget> targets = m_sheet.relatedTargetsOfCurrentField();
    if (targets.isEmpty()) {
        framework::showMessage(QStringLiteral("There is no table related"));
        return;
    }
    QStringList entries;
    for (const RelatedTarget& target : targets)
        entries << targetText(target);
    bool chosen = false;
    const QString entry = QInputDialog::getItem(this, QStringLiteral("Related Tables"),
                                                QStringLiteral("\n Select a related Table~Field"), entries, 0, false,
                                                &chosen);
    if (!chosen || !entries.contains(entry))
        return;
    const QString previous = m_sheet.sourceName();
    if (!switchToTable(targets[entries.indexOf(entry)].table))
        return;
    m_previousTables.append(previous);
    m_actions.value(PreviousTable)->setEnabled(true);
}

void CViewTableData::showPreviousTable()
{
    if (m_previousTables.isEmpty() || !switchToTable(m_previousTables.constLast()))
        return;
    m_previousTables.removeLast();
    m_actions.value(PreviousTable)->setEnabled(!m_previousTables.isEmpty());
}

bool CViewTableData::switchToTable(const QString& table)
{
    const QString current = m_sheet.sourceName();
    m_sheet.close();
    // The conditions name the old table's columns.
    makeFilter();
    const bool opened = m_sheet.openTable(table);
    if (!opened)
        m_sheet.openTable(current);
    setWindowTitle(m_sheet.sourceName());
    showPosition();
    return opened;
}

void CViewTableData::moveAfterEnter()
{
    const int row = m_grid->currentRow(), column = m_grid->currentColumn();
    switch (framework::GetProfileInt(QStringLiteral("KEY_OPTIONS"), QStringLiteral("OnEnterKey"), 0)) {
    case 2:
        if (column < m_grid->columnCount() - 1)
            m_grid->setCurrentCell(row, column + 1);
        break;
    case 3: m_sheet.moveNext(); break;
    default: break;
    }
}

void CViewTableData::sortOnHeader(int column)
{
    if (column >= 1 && gridShown())
        m_filter->headerTapped(column - 1, m_context.tableForm.SortByFieldOrder == 1);
    showPosition();
}

void CViewTableData::findReplace(bool replacing)
{
    CFindReplace1 dialog(m_sheet, this);
    if (replacing)
        dialog.replaceEdit()->setFocus();
    dialog.exec();
}

void CViewTableData::storeTextBox()
{
    if (m_pages->currentWidget() == m_textBox)
        toggleTextBox();
}

void CViewTableData::closeEvent(QCloseEvent* event)
{
    storeTextBox();
    event->accept();
}

void CViewTableData::closeTable()
{
    // What the text box holds is stored, or refused with a message, before the records go.
    storeTextBox();
    m_sheet.close();
    emit closed();
}
