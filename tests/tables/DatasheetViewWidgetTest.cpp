// The datasheet view's wiring: its grid, the record view, the text box and the commands that wait
// while either is shown.
#include "DatasheetFixture.h"
#include "support/MenuText.h"
#include "data/CAppContext.h"
#include "data/KeyAction.h"
#include "data/DateStyle.h"
#include "tables/CFindReplace1.h"
#include "tables/HistoryActions.h"
#include "tables/CRecordViewGrid.h"
#include "tables/CViewDataGrid.h"
#include "tables/CViewTableData.h"
#include "tables/masks/CMaskedEdit.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QApplication>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

using namespace fieldtypes;

namespace {

class DatasheetViewTest : public DatasheetFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "datasheet_view_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }
    void SetUp() override
    {
        const QString notes = createTable("Notes", {field("ID", kAutoNumber), field("Title", kText, {{"Field Size", "20"}}),
                                                    field("Done", kBoolean)});
        ASSERT_TRUE(run("INSERT INTO Notes (ID, Title, Done) VALUES (1, 'first', false)"));
        ASSERT_TRUE(run("INSERT INTO Notes (ID, Title, Done) VALUES (2, 'second', true)"));
        ASSERT_TRUE(storeAutoNumber(context, notes, "ID", 3));
        ASSERT_TRUE(view.openTable("Notes"));
    }
    // Asks the grid to open the cell's editor, as a double tap does.
    bool opensEditor(int row, int column)
    {
        return view.grid()->prepareEdit(row, column);
    }
    QStringList titles() { return column("SELECT Title FROM Notes"); }

    CViewTableData view{context};
};

TEST_F(DatasheetViewTest, GridShowsThePageAndStoresEdits)
{
    CViewDataGrid* grid = view.grid();
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Title");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "");
    EXPECT_EQ(grid->text(1, 0), "2");
    EXPECT_EQ(grid->text(1, 3), "YES");
    EXPECT_EQ(grid->columnWidth(0), 40);

    EXPECT_FALSE(opensEditor(1, 0));
    EXPECT_FALSE(opensEditor(1, 1)) << "AutoNumber";
    EXPECT_TRUE(opensEditor(1, 3));
    EXPECT_EQ(grid->choices(0, 3), QStringList({"YES", "NO"}));
    EXPECT_TRUE(opensEditor(1, 2));

    grid->commitEdit(0, 2, "changed");
    EXPECT_EQ(titles(), QStringList({"changed", "second"}));
}

TEST_F(DatasheetViewTest, TheEditMenuNamesTheStepThatUndoTakesBack)
{
    view.grid()->commitEdit(0, 2, "changed");
    auto* history = view.findChild<HistoryActions*>();
    ASSERT_TRUE(history);
    auto* menus = view.findChild<QMenuBar*>();
    ASSERT_TRUE(menus);
    EXPECT_EQ(menus->actions().value(1)->text(), "&Edit");
    history->refresh();
    EXPECT_EQ(history->undoAction()->text(), "Undo Edit in Notes (1 record)");
    EXPECT_EQ(history->undoAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(history->redoAction()->shortcuts().size(), 2);
    EXPECT_FALSE(history->redoAction()->isEnabled());
    history->undoAction()->trigger();
    EXPECT_EQ(titles(), QStringList({"first", "second"}));
    EXPECT_EQ(history->redoAction()->text(), "Redo Edit in Notes (1 record)");
    history->redoAction()->trigger();
    EXPECT_EQ(titles(), QStringList({"changed", "second"}));
}

TEST_F(DatasheetViewTest, RecordViewShowsAndStoresTheCurrentRecord)
{
    view.grid()->setCurrentCell(1, 2);
    view.run(CViewTableData::RecordView);
    CRecordViewGrid* record = view.recordView();
    ASSERT_EQ(record->rowCount(), 3);
    EXPECT_EQ(record->text(1, 0), "Title");
    EXPECT_EQ(record->text(1, 1), "second");
    EXPECT_TRUE(record->isReadOnly(0, 1)) << "AutoNumber";

    record->commitEdit(1, 1, "2nd");
    EXPECT_EQ(titles(), QStringList({"first", "2nd"}));
    // Moving waits while the record view is shown.
    view.run(CViewTableData::FirstRecord);
    EXPECT_EQ(view.grid()->currentRow(), 1);

    view.run(CViewTableData::RecordView);
    EXPECT_EQ(view.grid()->text(1, 2), "2nd");
    view.run(CViewTableData::FirstRecord);
    EXPECT_EQ(view.grid()->currentRow(), 0);
}

TEST_F(DatasheetViewTest, TextBoxEditsATextCell)
{
    view.grid()->setCurrentCell(0, 3);
    view.run(CViewTableData::TextBox);
    EXPECT_FALSE(view.commandAction(CViewTableData::TextBox)->isChecked()) << "a Boolean cell has no text box";

    view.grid()->setCurrentCell(0, 2);
    view.run(CViewTableData::TextBox);
    EXPECT_TRUE(view.commandAction(CViewTableData::TextBox)->isChecked());
    EXPECT_EQ(view.textBox()->toPlainText(), "first");
    view.textBox()->setPlainText("a longer note");
    view.run(CViewTableData::TextBox);
    EXPECT_EQ(titles(), QStringList({"a longer note", "second"}));
    EXPECT_EQ(view.grid()->text(0, 2), "a longer note");
}

TEST_F(DatasheetViewTest, TextBoxKeepsATextTheFieldRefusesAndServesMemoFields)
{
    view.grid()->setCurrentCell(0, 2);
    view.run(CViewTableData::TextBox);
    const QString tooLong = QString(25, QLatin1Char('x'));
    view.textBox()->setPlainText(tooLong);
    view.run(CViewTableData::TextBox);
    EXPECT_EQ(messages.texts(), QStringList({"Title takes at most 20 characters; the text has 25"}));
    EXPECT_TRUE(view.commandAction(CViewTableData::TextBox)->isChecked()) << "the box stays open";
    EXPECT_EQ(view.textBox()->toPlainText(), tooLong);
    EXPECT_EQ(titles(), QStringList({"first", "second"}));
    view.textBox()->setPlainText(tooLong.left(20));
    view.run(CViewTableData::TextBox);
    EXPECT_FALSE(view.commandAction(CViewTableData::TextBox)->isChecked());
    EXPECT_EQ(titles(), QStringList({tooLong.left(20), "second"}));

    createTable("Letters", {field("Body", kMemo)});
    ASSERT_TRUE(run("INSERT INTO Letters (Body) VALUES ('Dear Ann')"));
    CViewTableData letters(context);
    ASSERT_TRUE(letters.openTable("Letters"));
    letters.grid()->setCurrentCell(0, 1);
    letters.run(CViewTableData::TextBox);
    ASSERT_TRUE(letters.commandAction(CViewTableData::TextBox)->isChecked());
    EXPECT_EQ(letters.textBox()->toPlainText(), "Dear Ann");
    letters.textBox()->setPlainText(QStringLiteral("Dear Ann,\nthank you.").append(QString(300, QLatin1Char('!'))));
    // Closing the table stores what the box holds.
    letters.run(CViewTableData::CloseTable);
    EXPECT_EQ(column("SELECT Body FROM Letters").value(0).size(), 320);

    // So does closing the view with the program's window.
    view.grid()->setCurrentCell(1, 2);
    view.run(CViewTableData::TextBox);
    view.textBox()->setPlainText("last words");
    view.close();
    EXPECT_EQ(titles(), QStringList({tooLong.left(20), "last words"}));
}

TEST_F(DatasheetViewTest, HardwareKeyActionsRunTheirCommands)
{
    view.grid()->setCurrentCell(0, 1);
    view.performKeyAction(keyaction::LastRecord);
    EXPECT_EQ(view.grid()->currentRow(), 1);
    view.performKeyAction(keyaction::NextField);
    EXPECT_EQ(view.grid()->currentColumn(), 2);
    view.performKeyAction(keyaction::PreviousField);
    view.performKeyAction(keyaction::PreviousField);
    EXPECT_EQ(view.grid()->currentColumn(), 1);
    view.performKeyAction(keyaction::HideColumn);
    EXPECT_TRUE(view.grid()->isColumnHidden(1));
    view.performKeyAction(keyaction::ShowAllColumns);
    EXPECT_FALSE(view.grid()->isColumnHidden(1));
    view.performKeyAction(keyaction::CloseForm); // nothing here
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatasheetViewTest, HeaderTapsSortOnlyWhenTheOptionIsOn)
{
    emit view.grid()->headerClicked(2);
    emit view.grid()->headerClicked(2);
    EXPECT_EQ(view.grid()->text(0, 2), "first");
    context.tableForm.SortByFieldOrder = 1;
    emit view.grid()->headerClicked(2);
    emit view.grid()->headerClicked(2);
    EXPECT_EQ(view.grid()->text(0, 2), "second");
    EXPECT_EQ(view.grid()->text(1, 2), "first");
}

TEST_F(DatasheetViewTest, FilterCommandsWorkOnTheCurrentCell)
{
    view.grid()->setCurrentCell(1, 2);
    view.run(CViewTableData::FilterIncluding);
    EXPECT_EQ(view.sheet().recordCount(), 1);
    EXPECT_EQ(view.grid()->text(0, 2), "second");
    view.run(CViewTableData::RemoveFilter);
    EXPECT_EQ(view.sheet().recordCount(), 2);
}

TEST_F(DatasheetViewTest, CloseTableStoresTheWidthsAndSaysSo)
{
    QSignalSpy closed(&view, &CViewTableData::closed);
    view.grid()->setColumnWidth(2, 120);
    view.commandAction(CViewTableData::CloseTable)->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(column("SELECT Widths FROM XNSysTables WHERE TableSource = 'Notes'"), QStringList({"60;120;60;"}));
}

TEST_F(DatasheetViewTest, RelatedTableIsShownWithoutTheOldFilterAndLeadsBack)
{
    createTable("Steps", {field("Step", kText), field("Title", kText, {{"Field Size", "20"}})});
    ASSERT_TRUE(run("INSERT INTO Steps (Title, Step) VALUES ('first', 'plan')"));
    ASSERT_TRUE(run("INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField, RelationType, "
                    "RelationFlags) VALUES ('Notes', 'Steps', 'Title', 'Title', 0, 2)"));
    view.grid()->setCurrentCell(1, 2);
    view.run(CViewTableData::FilterIncluding);
    EXPECT_FALSE(view.commandAction(CViewTableData::PreviousTable)->isEnabled());
    view.grid()->setCurrentCell(0, 2);

    QString offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        offered = dialog->comboBoxItems().join(',');
        dialog->accept();
    });
    view.run(CViewTableData::ViewRelatedTable);
    EXPECT_EQ(offered, "Steps~Title");
    EXPECT_EQ(view.sheet().sourceName(), "Steps");
    EXPECT_EQ(view.sheet().recordCount(), 1);
    // A quick filter now names only this table's columns; the old condition on Notes.Title is gone.
    view.grid()->setCurrentCell(0, 1);
    view.run(CViewTableData::FilterIncluding);
    EXPECT_EQ(view.sheet().recordCount(), 1);
    EXPECT_EQ(view.grid()->text(0, 1), "plan");

    ASSERT_TRUE(view.commandAction(CViewTableData::PreviousTable)->isEnabled());
    view.run(CViewTableData::PreviousTable);
    EXPECT_EQ(view.sheet().sourceName(), "Notes");
    EXPECT_EQ(view.sheet().recordCount(), 2);
    EXPECT_FALSE(view.commandAction(CViewTableData::PreviousTable)->isEnabled());
}

} // namespace

// A masked field opens a masked edit: literals stay in place, a letter at a digit is refused, and the
// record receives the digits alone. With VARNEL_SHOTS set, the edit is left as a picture there.
TEST_F(DatasheetViewTest, MaskedCellEditsThroughItsMask)
{
    createTable("Staff", {field("Name", kText), field("SSN", kText, {{"Input Mask", "##-##-######;0;_"}})});
    ASSERT_TRUE(run("INSERT INTO Staff (Name, SSN) VALUES ('Ann', '1243124233')"));
    ASSERT_TRUE(view.openTable("Staff"));
    CViewDataGrid* grid = view.grid();
    EXPECT_EQ(grid->text(0, 2), "12-43-124233");
    view.resize(240, 200);
    view.show();
    grid->setColumnWidth(2, 110);
    grid->setCurrentCell(0, 2);
    ASSERT_TRUE(opensEditor(1, 2));
    grid->editItem(grid->item(0, 2));
    auto* edit = grid->findChild<CMaskedEdit*>();
    ASSERT_TRUE(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "98x7654321");
    EXPECT_EQ(edit->text(), "98-76-54321_");
    if (const QString folder = qEnvironmentVariable("VARNEL_SHOTS"); !folder.isEmpty())
        view.grab().save(folder + QStringLiteral("/datasheet-masked-edit.png"));
    QTest::keyClicks(edit, "0");
    grid->commitOpenEditor();
    EXPECT_EQ(column("SELECT SSN FROM Staff"), QStringList({"9876543210"}));
    EXPECT_EQ(grid->text(0, 2), "98-76-543210");
}

// A value stored before its field was made shorter opens whole, and leaving the cell keeps it whole.
TEST_F(DatasheetViewTest, OpeningACellNeverCutsAValueLongerThanItsFieldNowIs)
{
    createTable("People", {field("Name", kText)});
    ASSERT_TRUE(run("INSERT INTO People (Name) VALUES ('Zoë Müller-Schmidt')"));
    {
        CDbRecordset row(context.connection, context.databasePath());
        ASSERT_TRUE(row.Open("SELECT * FROM XNSysFields WHERE FieldName = 'Name'", 2, 3));
        ASSERT_TRUE(row.SetFieldString("Len", "10"));
        ASSERT_TRUE(row.Update());
    }
    ASSERT_TRUE(view.openTable("People"));
    CViewDataGrid* grid = view.grid();
    view.show();
    grid->setCurrentCell(0, 1);
    ASSERT_TRUE(opensEditor(1, 1));
    grid->editItem(grid->item(0, 1));
    auto* edit = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "Zoë Müller-Schmidt");
    grid->commitOpenEditor();
    EXPECT_EQ(column("SELECT Name FROM People"), QStringList({"Zoë Müller-Schmidt"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

// After Add Record from the menu, what the user types goes into the new record, not to the strip, and
// into its first field that takes typing, past the AutoNumber.
TEST_F(DatasheetViewTest, AfterACommandTheKeysGoToTheGrid)
{
    view.show();
    QApplication::setActiveWindow(&view);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    view.run(CViewTableData::AddRecord);
    EXPECT_TRUE(view.grid()->hasFocus());
    EXPECT_EQ(view.grid()->currentRow(), 2);
    EXPECT_EQ(view.grid()->currentColumn(), 2);
    for (const char c : QByteArray("Zoe"))
        QTest::keyClick(QApplication::focusWidget(), c);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(edit && view.grid()->isAncestorOf(edit));
    EXPECT_EQ(edit->text(), "Zoe");
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents(); // Enter ends the edit once the line edit has seen the key
    EXPECT_EQ(titles(), QStringList({"first", "second", "Zoe"})) << messages.texts().join('|').toStdString();
}

namespace {

// A datasheet shown in an active window, driven by keys as the user types them.
class DatasheetKeysTest : public DatasheetViewTest {
protected:
    void SetUp() override
    {
        DatasheetViewTest::SetUp();
        createTable("Products", {field("Name", kText, {{"Field Size", "50"}}),
                                 field("Price", kDouble, {{"Validation Rule", ">0"},
                                                          {"Validation Text", "Price must be above zero"}}),
                                 field("Stock", kInteger), field("Added", kDateTime), field("Notes", kMemo)});
        ASSERT_TRUE(run("INSERT INTO Products (Name, Price, Stock) VALUES ('Crème', 1.5, 4)"));
        ASSERT_TRUE(view.openTable("Products"));
        view.show();
        QApplication::setActiveWindow(&view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.grid()->setFocus();
        messages.clear();
    }
    // Each character as the keyboard gives it, accented ones included.
    void type(const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
        }
    }
    void press(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        // Enter ends the edit on the next turn of the event loop, and a refused value comes back into its
        // cell on the turn after.
        QApplication::processEvents();
        QApplication::processEvents();
    }
    QLineEdit* openEditor(const QWidget* grid = nullptr) const
    {
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return edit && (grid ? grid : view.grid())->isAncestorOf(edit) ? edit : nullptr;
    }
    QList<QStringList> products() { return select("SELECT Name, Price, Stock, Added FROM Products"); }
    // A table Stock of one record whose SupplierID takes only the suppliers' numbers (each given as
    // "number, 'company'"), open on that field of the record.
    void openStockOverSuppliers(const QStringList& suppliers)
    {
        createTable("Suppliers", {field("SupplierID", kInteger), field("Company", kText)});
        for (const QString& supplier : suppliers)
            ASSERT_TRUE(run("INSERT INTO Suppliers (SupplierID, Company) VALUES (" + supplier + ")"));
        createTable("Stock", {field("Item", kText), field("SupplierID", kInteger)});
        FieldCatalogue(context, "Stock").SaveLookup("SupplierID", 0, "Tables;Suppliers;SupplierID;Company;Yes");
        ASSERT_TRUE(run("INSERT INTO Stock (Item, SupplierID) VALUES ('pen', 1)"));
        ASSERT_TRUE(view.openTable("Stock"));
        view.grid()->setFocus();
        view.grid()->setCurrentCell(0, 2);
    }
    // Opens the first record's cell, pastes `text` over its value and ends the edit with Enter.
    bool pasteOver(int column, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        view.grid()->setCurrentCell(0, column);
        view.grid()->editItem(view.grid()->item(0, column));
        if (!openEditor())
            return false;
        openEditor()->selectAll();
        openEditor()->paste();
        press(Qt::Key_Return);
        return true;
    }
};

} // namespace

// A value the rule refuses keeps the cursor in its cell with what was typed; the correction goes into
// that cell and not into the next one, and a decimal in a whole-number field is refused, not rounded.
TEST_F(DatasheetKeysTest, ARefusedValueWaitsInItsCellToBeMended)
{
    view.grid()->setCurrentCell(0, 2);
    type("-5");
    press(Qt::Key_Tab);
    EXPECT_EQ(messages.texts(), QStringList({"Price must be above zero"}));
    EXPECT_EQ(view.grid()->currentColumn(), 2);
    QLineEdit* edit = openEditor();
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text(), "-5");
    edit->selectAll();
    type("1234.99");
    press(Qt::Key_Tab);
    EXPECT_EQ(view.grid()->currentColumn(), 3);
    EXPECT_EQ(products(), QList<QStringList>({{"Crème", "1234.99", "4", ""}}));

    messages.clear();
    type("2.5");
    press(Qt::Key_Tab);
    EXPECT_EQ(messages.texts(), QStringList({"Stock takes a whole number from -2147483648 to 2147483647"}));
    ASSERT_TRUE(openEditor());
    EXPECT_EQ(openEditor()->text(), "2.5");
    // Escape gives the typing up: the cell shows what the record keeps.
    press(Qt::Key_Escape);
    EXPECT_EQ(view.grid()->text(0, 3), "4");
    press(Qt::Key_Tab);
    type("3/15/2027");
    press(Qt::Key_Return);
    EXPECT_EQ(products(), QList<QStringList>({{"Crème", "1234.99", "4", "3/15/2027"}}));
}

// Tab past the last cell of the last record stays there, typed into or not: the next typing never lands
// on the first record.
TEST_F(DatasheetKeysTest, TabOnTheLastCellNeverGoesBackToTheFirstRecord)
{
    ASSERT_TRUE(run("INSERT INTO Products (Name, Price, Stock) VALUES ('Zoë', 2.5, 7)"));
    ASSERT_TRUE(view.openTable("Products"));
    view.grid()->setFocus();
    view.grid()->setCurrentCell(1, 5);
    press(Qt::Key_Tab);
    EXPECT_EQ(view.grid()->currentRow(), 1);
    EXPECT_EQ(view.grid()->currentColumn(), 5);
    type("note");
    press(Qt::Key_Tab);
    EXPECT_EQ(view.grid()->currentRow(), 1);
    EXPECT_EQ(view.grid()->currentColumn(), 5);
    EXPECT_EQ(select("SELECT Name FROM Products WHERE Notes = 'note'"), QList<QStringList>({{"Zoë"}}));

    view.grid()->setCurrentCell(0, 1);
    press(Qt::Key_Backtab);
    EXPECT_EQ(view.grid()->currentRow(), 0);
}

// A value typed into a list limited to its values is refused with the reason and stays to be corrected.
TEST_F(DatasheetKeysTest, ALimitedListRefusesATypedValueAndKeepsIt)
{
    openStockOverSuppliers({"1, 'Acme'"});
    type("99");
    press(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList({"SupplierID takes only the values of its list; \"99\" is not one of them"}));
    EXPECT_EQ(column("SELECT SupplierID FROM Stock"), QStringList({"1"}));
    auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->currentText(), "99");
}

// Typing the start of a choice lets the list complete it to the whole entry, which stands for its value.
TEST_F(DatasheetKeysTest, ATypedValueTheListCompletesIsTheEntrysChoice)
{
    openStockOverSuppliers({"1, 'Müller & Söhne'", "3, 'São Paulo Foods'"});
    type("3");
    auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->currentText(), "3  São Paulo Foods") << "the list completes what was typed";
    press(Qt::Key_Tab);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(column("SELECT SupplierID FROM Stock"), QStringList({"3"}));
}

// The record view keeps a refused value in its row with what was typed, as the grid does, and commands
// wait until it is mended.
TEST_F(DatasheetKeysTest, TheRecordViewKeepsARefusedValueToBeMended)
{
    view.grid()->setCurrentCell(0, 1);
    view.run(CViewTableData::RecordView);
    CRecordViewGrid* record = view.recordView();
    record->setFocus();
    record->setCurrentCell(1, 1);
    record->editItem(record->item(1, 1));
    QLineEdit* edit = openEditor(record);
    ASSERT_TRUE(edit);
    edit->selectAll();
    type("-5");
    press(Qt::Key_Return);
    EXPECT_EQ(messages.texts(), QStringList({"Price must be above zero"}));
    ASSERT_TRUE(openEditor(record));
    EXPECT_EQ(openEditor(record)->text(), "-5");
    openEditor(record)->selectAll();
    type("2.75");
    press(Qt::Key_Return);
    EXPECT_EQ(products(), QList<QStringList>({{"Crème", "2.75", "4", ""}}));
    EXPECT_EQ(record->text(1, 1), "2.75");
    EXPECT_EQ(openEditor(record), nullptr);
}

// A command while a refused value waits does not take the cursor away from it.
TEST_F(DatasheetKeysTest, CommandsWaitWhileARefusedValueIsMended)
{
    view.grid()->setCurrentCell(0, 2);
    type("-1");
    view.run(CViewTableData::AddRecord);
    QApplication::processEvents();
    EXPECT_EQ(messages.texts(), QStringList({"Price must be above zero"}));
    EXPECT_EQ(view.sheet().recordCount(), 1);
    EXPECT_FALSE(view.sheet().isNewRecord());
    ASSERT_TRUE(openEditor());
    EXPECT_EQ(openEditor()->text(), "-1");
}

// Tab moves to the next cell without opening it, so what is typed there replaces its value.
TEST_F(DatasheetKeysTest, TypingIntoACellMovedToReplacesItsValue)
{
    view.grid()->setCurrentCell(0, 1);
    type("Zoë");
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_FALSE(view.grid()->isEditing());
    EXPECT_EQ(view.grid()->currentColumn(), 3);
    type("12");
    press(Qt::Key_Return);
    EXPECT_EQ(products(), QList<QStringList>({{"Zoë", "1.5", "12", ""}}));
}

// A Memo takes a pasted text whole; a Text field refuses one longer than its size, naming the field and
// the size, and keeps it in the cell to be shortened. Typing stops at the size.
TEST_F(DatasheetKeysTest, PastedTextsAreTakenWholeOrRefusedNeverCut)
{
    const QString letter = QString("Dear Zoë,\n").append(QString(100000 - 10, QLatin1Char('x')));
    ASSERT_TRUE(pasteOver(5, letter));
    const QString stored = column("SELECT Notes FROM Products").value(0);
    EXPECT_EQ(stored.size(), 100000);
    EXPECT_EQ(stored, letter);

    ASSERT_TRUE(pasteOver(1, QString(60, QLatin1Char('n'))));
    EXPECT_EQ(messages.texts(), QStringList({"Name takes at most 50 characters; the text has 60"}));
    ASSERT_TRUE(openEditor());
    EXPECT_EQ(openEditor()->text().size(), 60);
    EXPECT_EQ(column("SELECT Name FROM Products"), QStringList({"Crème"}));

    openEditor()->clear();
    type(QString(55, QLatin1Char('t')));
    EXPECT_EQ(openEditor()->text().size(), 50);
    press(Qt::Key_Return);
    EXPECT_EQ(column("SELECT Name FROM Products"), QStringList({QString(50, QLatin1Char('t'))}));
}

// The keys of the menus: each runs its command; Escape closes the table unless a cell takes it first.
TEST_F(DatasheetViewTest, EachKeyOfTheMenusRunsItsCommand)
{
    view.show();
    QApplication::setActiveWindow(&view);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    EXPECT_EQ(view.commandAction(CViewTableData::AddRecord)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    EXPECT_EQ(view.commandAction(CViewTableData::DeleteRecord)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    EXPECT_EQ(view.commandAction(CViewTableData::CloseTable)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_EQ(view.commandAction(CViewTableData::FindReplace)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(view.commandAction(CViewTableData::Replace)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    CViewDataGrid* grid = view.grid();
    grid->setFocus();
    grid->setCurrentCell(0, 2);

    // Ctrl+F and Ctrl+H open the find dialog, the keyboard in the text to find or in its replacement.
    QStringList focused;
    for (const Qt::Key key : {Qt::Key_F, Qt::Key_H}) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CFindReplace1*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            QApplication::setActiveWindow(dialog);
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            focused << (QApplication::focusWidget() == dialog->findEdit()      ? "find"
                        : QApplication::focusWidget() == dialog->replaceEdit() ? "replace"
                                                                               : "elsewhere");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(grid, key, Qt::ControlModifier);
        // The window under the closed dialog is active again, as a window manager makes it.
        QApplication::setActiveWindow(&view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        grid->setFocus();
    }
    EXPECT_EQ(focused, QStringList({"find", "replace"}));

    QTest::keyClick(grid, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_TRUE(view.sheet().isNewRecord()) << "Ctrl++ (the plus key without Shift) adds a record";
    EXPECT_EQ(grid->currentRow(), 2);

    QSignalSpy closed(&view, &CViewTableData::closed);
    grid->setCurrentCell(0, 2);
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget())) << "the cell is being edited";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 0) << "Escape in a cell only ends its edit";
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    QTest::keyClick(grid, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(closed.count(), 2);
    EXPECT_EQ(titles(), QStringList({"first", "second"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Dates show in the Date Style of the options; what is typed in that style is stored as the date it shows,
// and a filter on a shown date finds its record.
TEST_F(DatasheetViewTest, DatesShowAndAreTypedInTheChosenDateStyle)
{
    createTable("Visits", {field("Guest", kText), field("Due", kDateTime)});
    ASSERT_TRUE(run("INSERT INTO Visits (Guest, Due) VALUES ('Zoë', '3/4/2026')"));
    ASSERT_TRUE(run("INSERT INTO Visits (Guest, Due) VALUES ('Ana', '12/7/2026 10:05:09 AM')"));
    CViewTableData plain{context};
    ASSERT_TRUE(plain.openTable("Visits"));
    EXPECT_EQ(plain.grid()->text(0, 2), "3/4/2026") << "the default style is the engine's own";

    const QStringList styles = dateStyles();
    ASSERT_GT(styles.size(), 1);
    const QString style = styles.last();
    context.general.Default_Date_Style = int(styles.size()) - 1;
    CViewTableData styled{context};
    ASSERT_TRUE(styled.openTable("Visits"));
    CViewDataGrid* grid = styled.grid();
    EXPECT_EQ(grid->text(0, 2), styledDate("3/4/2026", style));
    EXPECT_NE(grid->text(0, 2), "3/4/2026");
    EXPECT_EQ(grid->text(1, 2), styledDate("12/7/2026 10:05:09 AM", style));

    grid->commitEdit(0, 2, styledDate("5/6/2027", style));
    EXPECT_EQ(column("SELECT Due FROM Visits"), QStringList({"5/6/2027", "12/7/2026 10:05:09 AM"}));
    EXPECT_EQ(grid->text(0, 2), styledDate("5/6/2027", style));
    grid->setCurrentCell(0, 2);
    styled.run(CViewTableData::FilterIncluding);
    EXPECT_EQ(styled.sheet().recordCount(), 1);
    EXPECT_EQ(grid->text(0, 1), "Zoë");
    EXPECT_TRUE(messages.texts().isEmpty());
}

// What the menus and the strip read, the Edit menu aside, whose texts name the step Undo would take.
TEST_F(DatasheetViewTest, TheMenusAndTheStripReadAsTheDatasheetsOwn)
{
    auto* menus = view.findChild<QMenuBar*>();
    ASSERT_TRUE(menus);
    QStringList lines = menuText(*menus);
    lines.removeIf([](const QString& line) { return line.startsWith("&Edit:"); });
    EXPECT_EQ(lines, QStringList({"&Records: Add Record, Delete Record, -, First Record, Previous Record, Next Record, "
                                  "Last Record, Go To, -, Print..., Print Preview, Export to PDF..., -, Close Table, -, "
                                  "Record History, Deleted Records",
                                  "&Tools: Sort Ascending, Sort Descending, -, Filter Including, Filter Excluding, "
                                  "Advanced Filter / Sort, Remove Filter, -, Find / Replace, Replace, View Related Table, "
                                  "Previous Table",
                                  "&Columns: Hide Column, Show All Columns"}));
    auto* strip = view.findChild<QToolBar*>("datasheetStrip");
    ASSERT_TRUE(strip);
    EXPECT_EQ(stripText(*strip), QStringList({"|<", "<", ">", ">|", "-", "Record View", "Text Box"}));
    EXPECT_TRUE(view.commandAction(CViewTableData::RecordView)->isCheckable());
    EXPECT_FALSE(view.commandAction(CViewTableData::PreviousTable)->isEnabled());
}

// Ctrl+A inside an open cell selects the cell's text, as in every desktop text box; typing then
// replaces it all.
TEST_F(DatasheetKeysTest, CtrlAInAnOpenCellSelectsItsText)
{
    view.grid()->setCurrentCell(0, 1);
    QTest::keyClick(view.grid(), Qt::Key_F2);
    QLineEdit* edit = openEditor();
    ASSERT_TRUE(edit);
    edit->end(false);
    ASSERT_FALSE(edit->hasSelectedText());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(openEditor(), edit) << "the cell stays open";
    EXPECT_EQ(edit->selectedText(), "Crème");
    type("Tea");
    press(Qt::Key_Return);
    EXPECT_EQ(column("SELECT Name FROM Products"), QStringList({"Tea"}));
}
