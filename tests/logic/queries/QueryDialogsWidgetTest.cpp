// The designer's and the Query Builder's wiring: lists, grid and buttons reach QueryDesigner and
// QueryBuilder, and what they hold shows. With VARNEL_SHOTS naming a folder, pictures are left there.
#include "logic/queries/CNewQueryDlg.h"
#include "logic/queries/CQueryBuilderDlg.h"
#include "data/QueryStore.h"
#include "logic/queries/StoredQuery.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "widgets/CGridCtrl.h"

#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class QueryDialogsWidgetTest : public QObject {
    Q_OBJECT

    struct Database {
        Database()
        {
            HeadlessDatabaseWindow window;
            CreateDatabase(context, window, QStringLiteral("\\Shop.cdb"));
            fDBInit(context, window);
            for (const char* sql :
                 {"CREATE TABLE Customers (CustID int, Name varchar(40), City varchar(40))",
                  "CREATE TABLE Orders (OrderID int, CustID int, Qty int, Price double)",
                  "INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField) VALUES "
                  "('Customers', 'Orders', 'CustID', 'CustID')"}) {
                CDbRecordset statement(context.connection, context.databasePath());
                QVERIFY(statement.Open(QString::fromUtf8(sql), 0, 1));
            }
            fDBInit(context, window);
        }
        TempRoot root;
        CAppContext context;
        MessageRecorder messages;
    };

    static void shoot(QWidget& widget, const char* name)
    {
        if (const QString folder = qEnvironmentVariable("VARNEL_SHOTS"); !folder.isEmpty()) {
            widget.show();
            widget.grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        }
    }

    static QPushButton* button(QWidget& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }

private slots:
    void choosingTablesShowsTheirJoinAndTheGridFeedsTheDesigner()
    {
        Database db;
        CNewQueryDlg dialog(db.context, QString());
        auto* tables = dialog.findChild<QListWidget*>("showTables");
        auto* joins = dialog.findChild<QListWidget*>("currentJoins");
        QCOMPARE(tables->count(), 2);
        tables->item(0)->setSelected(true);
        tables->item(1)->setSelected(true);
        QCOMPARE(joins->count(), 1);
        QCOMPARE(joins->item(0)->text(), QStringLiteral("Customers.CustID = Orders.CustID"));

        CGridCtrl* grid = dialog.grid();
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(grid->columnCount(), 16);
        QCOMPARE(grid->text(4, 0), QStringLiteral("Criteria"));
        QVERIFY(grid->choices(0, 1).contains(QStringLiteral("Orders.Qty")));
        grid->commitEdit(0, 1, QStringLiteral("Customers.Name"));
        grid->commitEdit(2, 1, QStringLiteral("Ascending"));
        grid->commitEdit(0, 2, QStringLiteral("Orders.Qty"));
        grid->commitEdit(4, 2, QStringLiteral(">5"));
        QCOMPARE(grid->text(1, 2), QStringLiteral("Orders"));
        QVERIFY(dialog.designer().statement().contains(QStringLiteral("INNER JOIN (Customers ON")));
        QVERIFY(!dialog.statementBox()->isVisibleTo(&dialog));
        shoot(dialog, "query-designer");

        dialog.findChild<QComboBox*>("queryType")->setCurrentIndex(1);
        QCOMPARE(grid->rowCount(), 6);
        QCOMPARE(grid->text(2, 0), QStringLiteral("Criteria"));
        QCOMPARE(grid->text(2, 2), QStringLiteral(">5"));
        QCOMPARE(dialog.designer().type(), QueryType::Delete);

        joins->setCurrentRow(0);
        button(dialog, "removeJoin")->click();
        QCOMPARE(joins->count(), 0);
    }

    void aTapOpensTheCellAndATypedFieldIsCompleted()
    {
        Database db;
        CNewQueryDlg dialog(db.context, QString());
        dialog.findChild<QListWidget*>("showTables")->item(0)->setSelected(true);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        CGridCtrl* grid = dialog.grid();
        const auto tap = [grid](int row, int column) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(row, column)).center());
        };

        // Each key goes where the keyboard is, as the user's would.
        const auto press = [](int key, const QString& text = {}) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            QTest::sendKeyEvent(QTest::Click, focused, Qt::Key(key), text, Qt::NoModifier);
            QApplication::processEvents();
        };

        QTest::failOnWarning(QRegularExpression(QStringLiteral("editing failed")));
        tap(1, 0);
        QVERIFY(!grid->isEditing()); // a row's label is not an entry

        tap(1, 2);
        QVERIFY(grid->isEditing());
        QCOMPARE(grid->selectedRanges().size(), 1);
        QCOMPARE(grid->selectedRanges().first().columnCount(), 1); // the tapped cell, not its row
        press(Qt::Key_Escape);

        tap(0, 1);
        QVERIFY(grid->isEditing());
        press(Qt::Key_N, QStringLiteral("n"));
        press(Qt::Key_Return);
        QCOMPARE(grid->text(0, 1), QStringLiteral("Customers.Name"));
        QCOMPARE(grid->text(1, 1), QStringLiteral("Customers"));
        QCOMPARE(dialog.designer().statement(), QStringLiteral("SELECT Customers.Name FROM Customers "));
    }

    void aStoredQueryThatDoesNotOpenShowsItsStatementBox()
    {
        Database db;
        StoredQuery row = StoredQueryFrom(QueryDesign(), QStringLiteral("Typed"), 0);
        row.statement = QStringLiteral("SELECT Nothing FROM Nowhere");
        QVERIFY(QueryStore(db.context).add(row));
        CNewQueryDlg dialog(db.context, QStringLiteral("Typed"));
        QVERIFY(dialog.statementBox()->isVisibleTo(&dialog));
        QVERIFY(!dialog.grid()->isVisibleTo(&dialog));
        QVERIFY(button(dialog, "close")->isVisibleTo(&dialog));
        QCOMPARE(dialog.statementBox()->toPlainText(), row.statement);
        dialog.statementBox()->setPlainText(QStringLiteral("SELECT Name FROM Customers"));
        QCOMPARE(dialog.designer().statement(), QStringLiteral("SELECT Name FROM Customers"));
        shoot(dialog, "query-designer-text");
    }

    void builderButtonsEditTheStatementBox()
    {
        Database db;
        CQueryBuilderDlg dialog(db.context, QString());
        auto* tables = dialog.findChild<QListWidget*>("tables");
        auto* fields = dialog.findChild<QListWidget*>("fields");
        button(dialog, "button264")->click();
        tables->setCurrentRow(0);
        QCOMPARE(fields->count(), 3);
        emit fields->itemDoubleClicked(fields->item(1));
        button(dialog, "button302")->click();
        emit tables->itemDoubleClicked(tables->item(0));
        button(dialog, "button305")->click();
        emit fields->itemDoubleClicked(fields->item(0));
        button(dialog, "button453")->click();
        button(dialog, "button637")->click();
        button(dialog, "button631")->click();
        button(dialog, "button342")->click();
        QCOMPARE(dialog.statementBox()->toPlainText(),
                 QStringLiteral("Select Customers.Name From Customers Where Customers.CustID >7"));
        shoot(dialog, "query-builder");
    }
};

QTEST_MAIN(QueryDialogsWidgetTest)
#include "QueryDialogsWidgetTest.moc"
