#include "FakeShell.h"
#include "support/HeaderClicks.h"
#include "support/MessageRecorder.h"
#include "app/CDBView.h"
#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/HotKeyGrabber.h"
#include "app/PasswordDialog.h"
#include "app/ImageStrip.h"
#include "app/shell/DatabaseCommands.h"
#include "app/shell/WindowLook.h"
#include "data/CAppContext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

// The database window's wiring: taps, list selections, menu actions and command bars reach the
// commands object, and the widgets show what the model holds.
class DatabaseWindowWidgetTest : public QObject {
    Q_OBJECT

    struct Window {
        Window() : commands(model, database, recent, platform), frame(model, commands, recent, 2)
        {
            database.files << "\\Sales.cdb";
            database.openDatabase("\\Sales.cdb");
            model.addTableRow(0, "Customers", "3", "0", "5");
            QStringList field(26);
            field[1] = "Name";
            field[3] = "50";
            field[4] = "12";
            database.results["Select * From XNSysFields Where TableID = 5 order by FieldID"] = {field};
            database.results["Select * from XNSysForms"] = {{"Entry", "Customers", ""}};
            model.notify();
            frame.resize(640, 480);
            frame.show();
        }
        void tapStrip(int y)
        {
            QTest::mouseClick(frame.databaseWindow()->strip(), Qt::LeftButton, {}, QPoint(60, y * 2));
        }
        QTreeWidget* list(const char* name) { return frame.findChild<QTreeWidget*>(name); }

        MessageRecorder messages;
        DatabaseWindowModel model;
        FakeDatabase database;
        FakeRecent recent;
        FakePlatform platform;
        DatabaseCommands commands;
        CMainFrame frame;
    };

    // Records the tables the commands open.
    struct TableOpener : ViewOpener {
        void openModuleEditor(const QString&) override {}
        void openTable(const QString& table) override { opened << table; }
        void openQuery(const QString&, const QString&) override {}
        void openQueryDesigner(const QString&) override {}
        void openForm(const QString&) override {}
        void openAutoForm(const QString&) override {}
        void openMacroEditor(const QString&) override {}
        void openReports(const QString&) override {}
        void openFormRunningMacro(const QString&, const QString&) override {}
        void openFormDesigner(const QString&) override {}
        QStringList opened;
    };

private slots:
    void stripTapsSelectPanesAndTheirCommandBars()
    {
        Window w;
        QVERIFY(w.frame.commandBar(bar::Tables)->isVisible());
        w.tapStrip(50);
        QCOMPARE(w.model.pane(), Pane::Forms);
        QVERIFY(w.list("formsList")->isVisible());
        QVERIFY(!w.list("tablesList")->isVisible());
        QVERIFY(w.frame.commandBar(bar::Forms)->isVisible());
        QVERIFY(!w.frame.commandBar(bar::Tables)->isVisible());
        QCOMPARE(w.list("formsList")->topLevelItem(0)->text(0), QString("Entry"));

        w.tapStrip(65);
        w.tapStrip(36);
        QCOMPARE(w.model.pane(), Pane::Forms);
        w.tapStrip(20);
        QCOMPARE(w.model.pane(), Pane::Tables);
    }

    void selectingATableFillsTheFieldsListAndCounts()
    {
        Window w;
        QTreeWidget* tables = w.list("tablesList");
        QCOMPARE(tables->topLevelItemCount(), 1);
        tables->setCurrentItem(tables->topLevelItem(0));
        QCOMPARE(w.list("fieldsList")->topLevelItemCount(), 1);
        QCOMPARE(w.list("fieldsList")->topLevelItem(0)->text(1), QString("Text"));
        QCOMPARE(w.frame.findChild<QLabel*>("recordCountValue")->text(), QString("3"));
        QCOMPARE(w.frame.findChild<QLabel*>("fieldCountValue")->text(), QString("1"));
        QVERIFY(tables->isColumnHidden(4));
        QVERIFY2(tables->isColumnHidden(2) && tables->isColumnHidden(3), "no Size or Modified to show");
        QCOMPARE(tables->columnWidth(0), 90);
    }

    // The list, the fields and the counts below it all lose the table that was deleted; a refused delete
    // keeps them.
    void deletingATableEmptiesItsCounts()
    {
        Window w;
        QTreeWidget* tables = w.list("tablesList");
        tables->setCurrentItem(tables->topLevelItem(0));
        QCOMPARE(w.frame.findChild<QLabel*>("recordCountValue")->text(), QString("3"));

        w.database.failing << "delete table Customers";
        w.messages.answer(framework::Answer::Yes);
        w.commands.run(cmd::DeleteTable);
        QCOMPARE(tables->topLevelItemCount(), 1);
        QCOMPARE(w.frame.findChild<QLabel*>("recordCountValue")->text(), QString("3"));

        w.database.failing.clear();
        w.messages.clear();
        w.messages.answer(framework::Answer::Yes);
        w.commands.run(cmd::DeleteTable);
        QCOMPARE(w.messages.texts(), QStringList({"Are you sure to Delete the table", "Table Deleted Successfully"}));
        QCOMPARE(tables->topLevelItemCount(), 0);
        QCOMPARE(w.list("fieldsList")->topLevelItemCount(), 0);
        QCOMPARE(w.frame.findChild<QLabel*>("recordCountValue")->text(), QString());
        QCOMPARE(w.frame.findChild<QLabel*>("fieldCountValue")->text(), QString());
    }

    // A name opens whole; a double click on the border after its title fits a column the user narrowed.
    void listColumnsFitTheirNames()
    {
        Window w;
        const QString name = QStringLiteral("CustomersOfTheNorthernRegion");
        w.model.addTableRow(1, name, "12", "0", "6");
        w.model.notify();
        QTreeWidget* tables = w.list("tablesList");
        const int needed = tables->fontMetrics().horizontalAdvance(name);
        QVERIFY(tables->columnWidth(0) > needed);
        tables->setColumnWidth(0, 20);
        doubleClickBorderAfter(*tables->header(), 0);
        QVERIFY(tables->columnWidth(0) > needed);
    }

    void menuActionsAndCommandBarsRunCommands()
    {
        Window w;
        w.frame.commandAction(cmd::OpenTable)->trigger();
        QCOMPARE(w.messages.texts(), QStringList({"Please select a table to open"}));

        w.frame.commandAction(cmd::BeamDatabase)->trigger();
        QVERIFY(!w.frame.commandAction(cmd::BeamDatabase)->isEnabled());

        w.messages.clear();
        w.frame.commandBar(bar::Tables)->actions().at(0)->trigger();
        QCOMPARE(w.platform.designerOpened, 1);
        QVERIFY(w.messages.texts().isEmpty());
    }

    void aDoubleClickOnATableNotYetSelectedOpensIt()
    {
        TableOpener views;
        Window w;
        w.commands.setViewOpener(&views);
        QTreeWidget* tables = w.list("tablesList");
        const QPoint where = tables->visualItemRect(tables->topLevelItem(0)).center();
        QTest::mouseClick(tables->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseDClick(tables->viewport(), Qt::LeftButton, {}, where);
        QCOMPARE(w.model.selectedTable(), 0);
        QCOMPARE(w.messages.texts(), QStringList()); // no "Please select a table to open"
        QCOMPARE(views.opened, QStringList({"Customers"}));
    }

    void theMenusShowTheirKeysAndEachKeyRunsItsCommand()
    {
        Window w;
        TableOpener views;
        w.commands.setViewOpener(&views);
        w.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.frame));
        QCOMPARE(w.frame.commandAction(cmd::NewDatabase)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(w.frame.commandAction(cmd::OpenDatabase)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(w.frame.commandAction(cmd::Exit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(w.frame.commandAction(cmd::Help)->shortcut(), QKeySequence(Qt::Key_F1));
        // The keys the lists take show beside the commands of every pane.
        for (int command : {cmd::OpenTable, cmd::OpenForm, cmd::OpenQuery, cmd::OpenMacro, cmd::EditModule})
            QVERIFY(w.frame.commandAction(command)->text().endsWith("\tEnter"));
        for (int command : {cmd::DeleteTable, cmd::DeleteForm, cmd::DeleteQuery, cmd::DeleteMacro, cmd::DeleteModule})
            QVERIFY(w.frame.commandAction(command)->text().endsWith("\tDel"));

        QTreeWidget* tables = w.list("tablesList");
        tables->setFocus();
        QTest::keyClick(tables, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.platform.requests.size(), 1);
        QCOMPARE(w.platform.requests.last().title, QString("Open Database "));
        QTest::keyClick(tables, Qt::Key_F1);
        QCOMPARE(w.platform.help, QStringList({"file:XNHelp.htm#Contents"}));

        tables->setCurrentItem(tables->topLevelItem(0));
        QTest::keyClick(tables, Qt::Key_Return);
        QTest::keyClick(tables, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(views.opened, QStringList({"Customers", "Customers"}));
        w.messages.answer(framework::Answer::No);
        QTest::keyClick(tables, Qt::Key_Delete);
        QCOMPARE(w.messages.texts(), QStringList({"Are you sure to Delete the table"}));
        QCOMPARE(tables->topLevelItemCount(), 1);

        w.messages.clear();
        w.messages.answer(framework::Answer::No);
        QTest::keyClick(tables, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(w.messages.texts(), QStringList({"Are you sure to close Varnel Desk application"}));
        QVERIFY(!w.platform.quitCalled);
    }

    void closingTheWindowAsksLikeExit()
    {
        Window w;
        w.messages.answer(framework::Answer::No);
        w.frame.close();
        QCOMPARE(w.messages.texts(), QStringList({"Are you sure to close Varnel Desk application"}));
        QVERIFY(w.frame.isVisible());
        QVERIFY(!w.platform.quitCalled);
    }

    void closingTheWindowClosesTheViewOnShowFirst()
    {
        // A view with work of its own: it asks, and may refuse to close.
        struct View : QWidget {
            bool refuse = true;
            int asked = 0;
            void closeEvent(QCloseEvent* event) override
            {
                ++asked;
                refuse ? event->ignore() : event->accept();
            }
        };
        Window w;
        QPointer<View> view = new View;
        w.frame.switchView(view::ModuleEditor, view);
        w.frame.close();
        QCOMPARE(view->asked, 1);
        QVERIFY2(w.messages.texts().isEmpty(), "the view stays, so nothing more is asked");
        QCOMPARE(w.frame.currentViewId(), view::ModuleEditor);

        view->refuse = false;
        w.messages.answer(framework::Answer::No);
        w.frame.close();
        QCOMPARE(view->asked, 2);
        QCOMPARE(w.messages.texts(), QStringList({"Are you sure to close Varnel Desk application"}));
        QCOMPARE(w.frame.currentViewId(), view::DatabaseWindow);
        QTRY_VERIFY(view.isNull());
    }

    void otherViewsAreDestroyedWhenLeft()
    {
        Window w;
        QPointer<QWidget> sheet = new QWidget;
        w.frame.switchView(view::Datasheet, sheet);
        QCOMPARE(w.frame.currentViewId(), view::Datasheet);
        QCOMPARE(w.frame.currentView(), sheet.data());
        QVERIFY(!w.frame.commandBar(bar::Tables)->isVisible());

        w.frame.switchView(view::DatabaseWindow);
        QCOMPARE(w.frame.currentViewId(), view::DatabaseWindow);
        QCOMPARE(w.frame.currentView(), static_cast<QWidget*>(w.frame.databaseWindow()));
        QTRY_VERIFY(sheet.isNull());
        QVERIFY(w.frame.commandBar(bar::Tables)->isVisible());
    }

    void grabbedKeysGoToTheListenerUntilReleased()
    {
        Window w;
        w.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.frame));
        HotKeyGrabber grabber;
        QList<int> heard;
        connect(&grabber, &HotKeyGrabber::hotKey, [&heard](int key) { heard << key; });
        grabber.take();
        const auto button = Qt::ControlModifier | Qt::AltModifier;
        QTest::keyClick(w.list("tablesList"), Qt::Key_3, button);
        QTest::keyClick(w.list("tablesList"), Qt::Key_5, button | Qt::KeypadModifier);
        // F1 to F5, the digits alone and the arrows are the desktop's own; the direction buttons act in views.
        QTest::keyClick(w.list("tablesList"), Qt::Key_F3);
        QTest::keyClick(w.list("tablesList"), Qt::Key_3, Qt::ControlModifier);
        QTest::keyClick(w.list("tablesList"), Qt::Key_Down);
        QTest::keyClick(w.list("tablesList"), Qt::Key_6, button);
        QCOMPARE(heard, QList<int>({195, 197}));
        grabber.release();
        QTest::keyClick(w.list("tablesList"), Qt::Key_3, button);
        QCOMPARE(heard.size(), 2);
    }

    void passwordPromptStaysUntilTheRightEntry()
    {
        MessageRecorder messages;
        PasswordDialog prompt("Secret");
        QCOMPARE(prompt.windowTitle(), QString("Enter Your Password"));
        QCOMPARE(prompt.entry()->echoMode(), QLineEdit::Password);
        prompt.show();
        prompt.entry()->setText("secret");
        prompt.accept();
        QVERIFY(prompt.isVisible());
        prompt.entry()->setText("Secret");
        prompt.accept();
        QVERIFY(!prompt.isVisible());
        QCOMPARE(prompt.result(), int(QDialog::Accepted));

        PasswordDialog cancelled("");
        cancelled.show();
        cancelled.reject();
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QCOMPARE(messages.texts(), QStringList({"Invalid PassWord", "Invalid Password"}));
    }

    // With VARNEL_SCREENSHOTS naming a folder, leaves a picture of every pane there to look at.
    void listsFollowTheDesktopUntilTheUserChoosesColoursAndFont()
    {
        Window w;
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        QApplication::setPalette(dark);
        // What a new device reads: every value at its default.
        GeneralOptions options;
        options.Font = "Tahoma";
        options.FontSize = "14";
        options.BackGroundColor = 0xFFFFFF;
        options.ListColor = 0xFFFFFF;
        options.FontColor = 0;
        w.frame.databaseWindow()->applyLook(lookFromOptions(options));
        QTreeWidget* tables = w.list("tablesList");
        QCOMPARE(tables->palette().color(QPalette::Base), QColor(30, 30, 30));
        QCOMPARE(tables->palette().color(QPalette::Text), QColor(230, 230, 230));
        QCOMPARE(w.frame.databaseWindow()->palette().color(QPalette::Window), QColor(45, 45, 45));
        QCOMPARE(tables->font().family(), QApplication::font().family());
        QCOMPARE(tables->font().pointSizeF(), QApplication::font().pointSizeF());

        options.ListColor = 0x00FFFF; // yellow
        options.FontSize = "20";
        w.frame.databaseWindow()->applyLook(lookFromOptions(options));
        QCOMPARE(tables->palette().color(QPalette::Base), QColor(Qt::yellow));
        // Readable on the chosen colour.
        QCOMPARE(tables->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(tables->font().pixelSize(), 20);
        QApplication::setPalette(before);

        // A dark background chosen on a light desktop: the window's own texts turn light to stay readable.
        options.BackGroundColor = 0x302D2D;
        w.frame.databaseWindow()->applyLook(lookFromOptions(options));
        QCOMPARE(w.frame.databaseWindow()->palette().color(QPalette::Window), QColor(0x2D, 0x2D, 0x30));
        QCOMPARE(w.frame.databaseWindow()->palette().color(QPalette::WindowText), QColor(Qt::white));
    }

    void screenshotsWhenAsked()
    {
        const QString folder = qEnvironmentVariable("VARNEL_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("VARNEL_SCREENSHOTS not set");
        Window w;
        w.list("tablesList")->setCurrentItem(w.list("tablesList")->topLevelItem(0));
        w.frame.grab().save(folder + "/pane-tables.png");
        const QList<std::pair<int, QString>> panes = {
            {50, "forms"}, {80, "queries"}, {105, "macros"}, {123, "modules"}, {138, "relations"}};
        for (const auto& [y, name] : panes) {
            w.tapStrip(y);
            w.frame.grab().save(folder + "/pane-" + name + ".png");
        }
    }
};

QTEST_MAIN(DatabaseWindowWidgetTest)
#include "DatabaseWindowWidgetTest.moc"
