// The designer's window wiring: grid edits reach the designer, the property and lookup grids show the
// selected field with their in-place choices and locks, the tabs refuse as the designer says. With
// VARNEL_SHOTS set to a folder, the test leaves pictures of the three tabs there.
#include "FakeDesignerHost.h"
#include "TableFixture.h"
#include "logic/CExprBuilderDlg.h"
#include "tables/CAddNewTableDlg.h"
#include "platform/framework/Prompts.h"
#include "support/HeaderClicks.h"
#include "widgets/CGridCtrl.h"

#include <QApplication>
#include <QComboBox>
#include <QToolButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QDialogButtonBox>
#include <QtTest>

#include <functional>

class DesignerWidgetTest : public QObject {
    Q_OBJECT

    struct Session {
        Session()
        {
            CreateDatabase(context, tables, QStringLiteral("\\Shop.cdb"));
            fDBInit(context, tables);
        }
        TempRoot root;
        MessageRecorder messages;
        CAppContext context;
        RecordingTablesList tables;
        FakeDesignerHost host;
    };

    static void shoot(QWidget& widget, const QString& name)
    {
        const QString folder = qEnvironmentVariable("VARNEL_SHOTS");
        if (!folder.isEmpty())
            widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    // The program's builder: the expression builder dialog over whichever window is modal.
    static ExpressionBuilder realBuilder(CAppContext& context)
    {
        return [&context](const QString& text, int mode, const QString& table, const QString& field) {
            return CExprBuilderDlg::composeForField(context, QApplication::activeModalWidget(), mode, table, field,
                                                    text);
        };
    }

    // Runs `step` on the expression builder once it is up and waiting for the user.
    static void whenBuilderOpens(std::function<void(CExprBuilderDlg&)> step)
    {
        QTimer::singleShot(0, [step] {
            if (auto* builder = qobject_cast<CExprBuilderDlg*>(QApplication::activeModalWidget()))
                step(*builder);
        });
    }

    // Designs and saves Products (Name Text, Price Double, InStock Boolean) in the window.
    static void designProducts(CAddNewTableDlg& dialog)
    {
        dialog.tableNameEdit()->setText("Products");
        CGridCtrl* fields = dialog.fieldGrid();
        fields->commitEdit(0, 1, "Name");
        fields->commitEdit(1, 1, "Price");
        fields->commitEdit(1, 2, "Double");
        fields->commitEdit(2, 1, "InStock");
        fields->commitEdit(2, 2, "Boolean");
        dialog.saveTable();
    }

private slots:
    void fieldGridAndPropertyGrid()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        CGridCtrl* fields = dialog.fieldGrid();
        QCOMPARE(fields->rowCount(), 20);
        QVERIFY(fields->isColumnHidden(3));
        QCOMPARE(fields->columnWidth(1), 100);
        fields->commitEdit(0, 1, "Name");
        QCOMPARE(fields->text(0, 2), QString("Text"));
        QCOMPARE(dialog.propertyGrid()->rowCount(), 9);
        QCOMPARE(dialog.propertyGrid()->text(2, 0), QString("Input Mask"));
        QCOMPARE(dialog.propertyGrid()->choices(6, 1), QStringList({"Yes", "No"}));
        QVERIFY(dialog.propertyGrid()->isReadOnly(0, 0));
        fields->commitEdit(0, 2, "AutoNumber");
        QCOMPARE(dialog.propertyGrid()->rowCount(), 3);
        QCOMPARE(dialog.propertyGrid()->choices(0, 1), QStringList({"Long Integer", "Replication ID"}));
        fields->commitEdit(1, 1, "name");
        QCOMPARE(s.messages.texts(), QStringList({"Field already exists"}));
        QCOMPARE(fields->text(1, 1), QString());
    }

    void pickingATypeRebuildsThePropertyRowsAtOnce()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.show();
        CGridCtrl* fields = dialog.fieldGrid();
        fields->commitEdit(0, 1, "Price");
        QCOMPARE(dialog.propertyGrid()->rowCount(), 9);
        fields->setCurrentCell(0, 2);
        fields->editItem(fields->item(0, 2));
        auto* types = fields->findChild<QComboBox*>();
        QVERIFY(types);
        const int boolean = types->findData("Boolean");
        types->setCurrentIndex(boolean);
        emit types->activated(boolean);
        QCOMPARE(fields->text(0, 2), QString("Boolean"));
        QCOMPARE(dialog.propertyGrid()->rowCount(), int(fieldtypes::propertyTemplate("Boolean").size()));
        QCOMPARE(dialog.propertyGrid()->choices(0, 1), QStringList({"Yes/No", "True/False", "On/Off"}));
        shoot(dialog, "designer-type-picked");
    }

    // Typing on the type cell opens its list and walks it by what is typed, letters joining into one
    // search as in any desktop list, until the edit ends.
    void typingAPrefixPicksTheTypeItBegins()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        CGridCtrl* fields = dialog.fieldGrid();
        // Each key goes where the keyboard is, as the user's would: the grid, then the list it opened.
        const auto press = [](int key, const QString& text = {}) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            QTest::sendKeyEvent(QTest::Click, focused, Qt::Key(key), text, Qt::NoModifier);
            QApplication::processEvents();
        };
        fields->commitEdit(0, 1, "Price");
        fields->setFocus();
        fields->setCurrentCell(0, 2);
        press(Qt::Key_D, "D");
        press(Qt::Key_O, "o");
        press(Qt::Key_Return);
        QCOMPARE(fields->text(0, 2), QString("Double"));
        fields->commitEdit(1, 1, "Count");
        fields->setFocus();
        fields->setCurrentCell(1, 2);
        press(Qt::Key_I, "I");
        press(Qt::Key_Tab);
        QCOMPARE(fields->text(1, 2), QString("Integer"));
    }

    void savedTableShowsLoadedNamesAndLookup()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.resize(300, 560);
        designProducts(dialog);
        QCOMPARE(s.host.mode, 1);
        QVERIFY(dialog.tableNameEdit()->isReadOnly());
        dialog.selectField(1);
        QCOMPARE(dialog.propertyGrid()->text(1, 0), QString("InputMask"));
        QCOMPARE(dialog.propertyGrid()->text(3, 0), QString("ValdnRule"));
        dialog.show();
        shoot(dialog, "designer-properties");

        dialog.selectField(0);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::LookupTab);
        QCOMPARE(dialog.tabs()->currentIndex(), int(CAddNewTableDlg::LookupTab));
        CGridCtrl* lookup = dialog.lookupGrid();
        QCOMPARE(lookup->text(1, 0), QString("Row Source "));
        lookup->commitEdit(0, 1, "Value List");
        QVERIFY(lookup->isReadOnly(2, 1));
        QCOMPARE(lookup->text(4, 1), QString("Yes"));
        lookup->commitEdit(1, 1, "Pen;Ink;Paper");
        QCOMPARE(dialog.valueList()->count(), 3);
        shoot(dialog, "designer-lookup");
        dialog.saveTable();
        CDbRecordset row(s.context.connection, s.context.databasePath());
        QVERIFY(row.Open("SELECT ComboData FROM XNSysFields WHERE FieldName = 'Name'", 0, 1));
        QCOMPARE(row.GetFieldString(0), QString("Pen;Ink;Paper"));
    }

    // Save Table pressed while the last field's type list is still open stores what the list shows.
    void commandsReadTheCellStillBeingEdited()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.tableNameEdit()->setText("Flags");
        CGridCtrl* fields = dialog.fieldGrid();
        fields->commitEdit(0, 1, "Name");
        fields->commitEdit(1, 1, "Done");
        fields->setCurrentCell(1, 2);
        fields->editItem(fields->item(1, 2));
        auto* type = qobject_cast<QComboBox*>(fields->indexWidget(fields->model()->index(1, 2)));
        QVERIFY(type);
        type->setCurrentIndex(type->findData("Boolean"));

        QToolButton* save = nullptr;
        for (QToolButton* button : dialog.findChildren<QToolButton*>())
            if (button->text() == "Save Table")
                save = button;
        QVERIFY(save);
        save->click();
        CDbRecordset row(s.context.connection, s.context.databasePath());
        QVERIFY(row.Open("SELECT ODBCType FROM XNSysFields WHERE FieldName = 'Done'", 0, 1));
        QCOMPARE(row.GetFieldString(0), QString("-7"));
        QCOMPARE(fields->text(1, 2), QString("Boolean"));
    }

    void aChoiceListIsAsWideAsItsLongestEntry()
    {
        CGridCtrl grid;
        grid.setGridSize(1, 1);
        grid.setWidth(0, 40);
        const QString longest = "Delivered on Mondays and Thursdays";
        grid.setChoices(0, 0, {"Red", longest});
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.setCurrentCell(0, 0);
        grid.editItem(grid.item(0, 0));
        auto* combo = qobject_cast<QComboBox*>(grid.indexWidget(grid.model()->index(0, 0)));
        QVERIFY(combo);
        QVERIFY(combo->view()->minimumWidth() > combo->view()->fontMetrics().horizontalAdvance(longest));
    }

    // Names open whole, and a double click on the border after a title fits a column the user narrowed.
    void fieldColumnsFitTheirNames()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        CGridCtrl* fields = dialog.fieldGrid();
        const QString name = QStringLiteral("DeliveryAddressOfTheSupplier");
        fields->commitEdit(0, 1, name);
        const int needed = fields->fontMetrics().horizontalAdvance(name);
        QVERIFY(fields->columnWidth(1) > needed);
        fields->setColumnWidth(1, 30);
        doubleClickBorderAfter(*fields->horizontalHeader(), 1);
        QVERIFY(fields->columnWidth(1) > needed);
    }

    void tabsRefuseWithoutASavedTable()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::LookupTab);
        QCOMPARE(dialog.tabs()->currentIndex(), int(CAddNewTableDlg::PropertiesTab));
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::CalculationTab);
        QCOMPARE(s.messages.texts(), QStringList({"Save The Table To Lookup", "Save the Table"}));
    }

    void calculationTabRunsTheBuilder()
    {
        Session s;
        QList<int> modes;
        CAddNewTableDlg dialog(s.context, s.host, [&](const QString&, int mode, const QString&, const QString&) {
            modes << mode;
            return std::optional<QString>("Products.Price*2");
        });
        dialog.resize(300, 560);
        designProducts(dialog);
        dialog.selectField(1);
        s.messages.answer(framework::Answer::Yes);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::CalculationTab);
        QCOMPARE(modes, QList<int>({4}));
        QCOMPARE(dialog.designer().calculation(), QString("Products.Price*2"));
        dialog.show();
        shoot(dialog, "designer-calculation");
    }

    void calculationTabOpensTheExpressionBuilder()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, realBuilder(s.context));
        dialog.resize(300, 560);
        designProducts(dialog);
        dialog.selectField(1);
        dialog.show();
        bool opened = false;
        whenBuilderOpens([&](CExprBuilderDlg& builder) {
            opened = true;
            QCOMPARE(builder.builderMode, 4);
            QCOMPARE(builder.designerTable, QString("Products"));
            QCOMPARE(builder.designerField, QString("Price"));
            builder.findChild<QListWidget*>("categories")->setCurrentRow(3); // Tables
            auto* groups = builder.findChild<QListWidget*>("groups");
            groups->setCurrentItem(groups->findItems("Products", Qt::MatchExactly).value(0));
            auto* items = builder.findChild<QListWidget*>("items");
            emit items->itemDoubleClicked(items->findItems("Price", Qt::MatchExactly).value(0));
            builder.findChild<QPushButton*>("operator304")->click();
            builder.expressionBox()->insertPlainText("2");
            builder.resize(240, 320);
            shoot(builder, "builder-from-calculation");
            builder.accept();
        });
        s.messages.clear();
        s.messages.answer(framework::Answer::Yes);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::CalculationTab);
        QVERIFY(opened);
        QCOMPARE(s.messages.texts(), QStringList({"Save the Calculation ?"}));
        QCOMPARE(dialog.designer().calculation(), QString("Products.Price * 2"));
        shoot(dialog, "designer-calculation-built");
    }

    // The "..." of Validation Rule: OK puts the builder's text into the cell, Cancel leaves the cell alone.
    void propertyBuilderReplacesTheCellOnlyOnOk()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, realBuilder(s.context));
        designProducts(dialog);
        dialog.selectField(1);
        QCOMPARE(dialog.propertyGrid()->text(3, 0), QString("ValdnRule"));
        whenBuilderOpens([](CExprBuilderDlg& builder) {
            QCOMPARE(builder.builderMode, 0);
            builder.expressionBox()->setPlainText("> 0");
            builder.accept();
        });
        emit dialog.propertyGrid()->builderRequested(3, 1);
        QCOMPARE(dialog.propertyGrid()->text(3, 1), QString("> 0"));
        QCOMPARE(dialog.designer().rowState(1), FieldRowState::PropertiesChanged);

        whenBuilderOpens([](CExprBuilderDlg& builder) {
            builder.expressionBox()->setPlainText("< 5");
            builder.reject();
        });
        emit dialog.propertyGrid()->builderRequested(3, 1);
        QCOMPARE(dialog.propertyGrid()->text(3, 1), QString("> 0"));
    }

    // Picks `value` in the in-place list of a grid cell, as a tap on the cell and on the entry does.
    static void pick(CGridCtrl* grid, int row, int column, const QString& value)
    {
        grid->setCurrentCell(row, column);
        grid->editItem(grid->item(row, column));
        auto* list = qobject_cast<QComboBox*>(grid->indexWidget(grid->model()->index(row, column)));
        QVERIFY2(list, qPrintable("no list to pick " + value + " from"));
        const int entry = list->findData(value);
        QVERIFY2(entry >= 0, qPrintable(value + " is not offered"));
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }

    static QString stored(Session& s, const QString& sql)
    {
        CDbRecordset row(s.context.connection, s.context.databasePath());
        return row.Open(sql, 0, 1) && !row.IsEOF() ? row.GetFieldString(0) + '|' + row.GetFieldString(1) : QString();
    }

    // At the size the designer opens in, the lookup tab shows its value list and its buttons whole.
    void theLookupTabHasRoomForItsListAndButtonsWithoutScrolling()
    {
        Session s;
        s.host.mode = 0;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.tableNameEdit()->setText("Stock");
        dialog.fieldGrid()->commitEdit(0, 1, "Colour");
        dialog.saveTable();
        dialog.selectField(0);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::LookupTab);
        QCOMPARE(dialog.tabs()->currentIndex(), int(CAddNewTableDlg::LookupTab));
        auto* area = qobject_cast<QScrollArea*>(dialog.tabs()->currentWidget());
        QVERIFY(area);
        QApplication::processEvents();
        QVERIFY(!area->verticalScrollBar()->isVisible());
        auto* items = area->widget()->findChild<QListWidget*>();
        QVERIFY(items->height() >= 4 * items->fontMetrics().height());
        const QList<QPushButton*> buttons = area->widget()->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 3);
        for (QPushButton* button : buttons)
            QVERIFY(area->viewport()->rect().contains(button->geometry()));
        shoot(dialog, "designer-lookup-room");
    }

    // A lookup of Products.SupplierID on the table Suppliers and a value list of Products.Colour, set up
    // in the lookup tab as a user does: the lists of its rows, the value-list editor and Save Table.
    void theLookupTabSetsUpATableSourceAndAValueList()
    {
        Session s;
        {
            CAddNewTableDlg suppliers(s.context, s.host, {});
            suppliers.tableNameEdit()->setText("Suppliers");
            suppliers.fieldGrid()->commitEdit(0, 1, "SupplierID");
            suppliers.fieldGrid()->commitEdit(0, 2, "AutoNumber");
            suppliers.fieldGrid()->commitEdit(1, 1, "Name");
            suppliers.saveTable();
        }
        CDbRecordset rows(s.context.connection, s.context.databasePath());
        QVERIFY(rows.Open("INSERT INTO Suppliers (SupplierID, Name) VALUES (1, 'Papeterie Müller')", 0, 1));
        QVERIFY(rows.Open("INSERT INTO Suppliers (SupplierID, Name) VALUES (2, 'O''Brien & Sons')", 0, 1));
        s.host.mode = 0;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.resize(300, 600);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.tableNameEdit()->setText("Products");
        CGridCtrl* fields = dialog.fieldGrid();
        fields->commitEdit(0, 1, "Name");
        fields->commitEdit(1, 1, "SupplierID");
        fields->commitEdit(1, 2, "Integer");
        fields->commitEdit(2, 1, "Colour");
        dialog.saveTable();
        s.messages.clear();

        dialog.selectField(1);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::LookupTab);
        QCOMPARE(dialog.tabs()->currentIndex(), int(CAddNewTableDlg::LookupTab));
        auto* sourceTable = dialog.findChild<QComboBox*>("valueListTable");
        auto* sourceField = dialog.findChild<QComboBox*>("valueListField");
        QVERIFY(sourceTable && sourceField);
        QCOMPARE(sourceTable->currentText(), QString("Suppliers"));
        QCOMPARE(sourceField->count(), 2); // the first table offered shows its fields at once

        CGridCtrl* lookup = dialog.lookupGrid();
        QTest::keyClick(lookup, Qt::Key_Return);
        QCOMPARE(lookup->text(0, 1), QString()); // Enter in the grid presses no button of the value-list editor
        pick(lookup, 0, 1, "Tables");
        pick(lookup, 1, 1, "Suppliers");
        QCOMPARE(lookup->choices(2, 1), QStringList({"SupplierID", "Name"}));
        pick(lookup, 2, 1, "SupplierID");
        pick(lookup, 3, 1, "Name");
        pick(lookup, 4, 1, "Yes");
        shoot(dialog, "designer-lookup-tables");
        dialog.saveTable();
        QCOMPARE(s.messages.texts(), QStringList());
        QCOMPARE(stored(s, "SELECT Combo, ComboFlags FROM XNSysFields WHERE FieldName = 'SupplierID' AND Combo = 1"),
                 QString("1|Tables;Suppliers;SupplierID;Name;Yes"));

        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::PropertiesTab);
        dialog.selectField(2);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::LookupTab);
        sourceTable->setCurrentText("Suppliers");
        sourceField->setCurrentText("Name");
        const auto press = [&](const QString& text) {
            for (QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->text() == text)
                    button->click();
        };
        press("Auto Load");
        auto previous = framework::setPromptResponder(
            [](const framework::PromptRequest&) { return std::optional<QString>("Rouge vif"); });
        press("Add");
        framework::setPromptResponder(previous);
        QCOMPARE(lookup->text(0, 1), QString("Value List"));
        QCOMPARE(dialog.valueList()->count(), 3);
        QCOMPARE(dialog.valueList()->item(2)->text(), QString("Rouge vif"));
        shoot(dialog, "designer-lookup-value-list");
        dialog.saveTable();
        QCOMPARE(s.messages.texts(), QStringList());
        QCOMPARE(stored(s, "SELECT ComboFlags, ComboData FROM XNSysFields WHERE FieldName = 'Colour'"),
                 QString("Value List|Papeterie Müller;O'Brien & Sons;Rouge vif"));
    }

    // The field of the lookup is the row the user is on, also right after the new table was saved.
    void theLookupTabTakesTheCurrentRowAfterASave()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.tableNameEdit()->setText("Products");
        CGridCtrl* fields = dialog.fieldGrid();
        fields->commitEdit(0, 1, "Name");
        fields->commitEdit(1, 1, "SupplierID");
        fields->commitEdit(1, 2, "Integer");
        fields->setCurrentCell(1, 1);
        dialog.saveTable();
        s.messages.clear();
        QCOMPARE(fields->currentRow(), 1);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::LookupTab);
        QCOMPARE(s.messages.texts(), QStringList());
        QCOMPARE(dialog.tabs()->currentIndex(), int(CAddNewTableDlg::LookupTab));
        pick(dialog.lookupGrid(), 0, 1, "Value List");
        dialog.saveTable();
        QCOMPARE(stored(s, "SELECT Combo, ComboFlags FROM XNSysFields WHERE FieldName = 'SupplierID'"), QString("1|Value List"));
    }

    // Closing with Yes while the lookup misses its Row Source: the message, and the window stays open.
    void aFailedSaveKeepsTheWindowOpen()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        designProducts(dialog);
        dialog.show();
        dialog.selectField(0);
        dialog.tabs()->setCurrentIndex(CAddNewTableDlg::LookupTab);
        pick(dialog.lookupGrid(), 0, 1, "Tables");
        s.messages.clear();
        s.messages.answer(framework::Answer::Yes);
        dialog.reject();
        QCOMPARE(s.messages.texts(), QStringList({"Do you want to save the changes?", " Select Row Source "}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.lookupGrid()->text(0, 1), QString("Tables"));
    }

    // Ctrl+S saves; Escape and the Close button ask about what is unsaved, and Cancel keeps the window.
    void theDesignersKeysAndItsCloseButton()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.tableNameEdit()->setText("Products");
        CGridCtrl* fields = dialog.fieldGrid();
        fields->commitEdit(0, 1, "Name");
        fields->setFocus();
        s.messages.answer(framework::Answer::Cancel);
        QTest::keyClick(fields, Qt::Key_Escape);
        QCOMPARE(s.messages.texts(), QStringList({"Do you want to save the changes?"}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(fields->text(0, 1), QString("Name"));

        QTest::keyClick(fields, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!dialog.designer().hasUnsavedChanges());
        QVERIFY2(dialog.designer().isEditing(), "the table was made");

        auto* buttons = dialog.findChild<QDialogButtonBox*>("designerButtons");
        QVERIFY(buttons);
        fields->commitEdit(1, 1, "Price");
        s.messages.clear();
        s.messages.answer(framework::Answer::Cancel);
        buttons->button(QDialogButtonBox::Close)->click();
        QCOMPARE(s.messages.texts(), QStringList({"Do you want to save the changes?"}));
        QVERIFY(dialog.isVisible());
        s.messages.clear();
        s.messages.answer(framework::Answer::No);
        buttons->button(QDialogButtonBox::Close)->click();
        QVERIFY(!dialog.isVisible());
    }

    void movingSwapsRowsOfTheGrid()
    {
        Session s;
        CAddNewTableDlg dialog(s.context, s.host, {});
        designProducts(dialog);
        dialog.fieldGrid()->selectSingleRow(2);
        dialog.moveFieldUp();
        QCOMPARE(dialog.fieldGrid()->text(1, 1), QString("InStock"));
        QCOMPARE(dialog.fieldGrid()->selectedRow(), 1);
        s.messages.clear();
        dialog.fieldGrid()->clearSelection();
        dialog.moveFieldDown();
        QCOMPARE(s.messages.texts(), QStringList({"Please select a single field to move down"}));
    }
};

QTEST_MAIN(DesignerWidgetTest)
#include "DesignerWidgetTest.moc"
