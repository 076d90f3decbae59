// The advanced filter and find windows' wiring: the grid's make-up and choices, the operator buttons on
// the current cell, Sort showing the statement, and the find buttons reaching the records. With
// VARNEL_SHOTS set to a folder, the test leaves pictures of both windows there.
#include "FakeFilterTarget.h"
#include "TableFixture.h"
#include "tables/CAdvancedFilterDlg.h"
#include "tables/CFindReplace1.h"
#include "tables/DatasheetFilter.h"
#include "widgets/CGridCtrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class FilterDialogsWidgetTest : public QObject {
    Q_OBJECT

    struct Session {
        Session()
        {
            CreateDatabase(context, tables, QStringLiteral("\\Shop.cdb"));
            fDBInit(context, tables);
            run("CREATE TABLE T (Name varchar(20), Age int)");
            for (const char* values : {"('B', 20)", "('A', 30)", "('Ann Lee', 40)"})
                run(QStringLiteral("INSERT INTO T VALUES ") + values);
            target = std::make_unique<FakeFilterTarget>(context, "T", QList<int>{12, 4});
            target->open();
        }
        void run(const QString& sql)
        {
            CDbRecordset statement(context.connection, context.databasePath());
            QVERIFY(statement.Open(sql, 0, 1));
        }
        TempRoot root;
        MessageRecorder messages;
        CAppContext context;
        RecordingTablesList tables;
        std::unique_ptr<FakeFilterTarget> target;
    };

    static void shoot(QWidget& widget, const QString& name)
    {
        const QString folder = qEnvironmentVariable("VARNEL_SHOTS");
        if (!folder.isEmpty())
            widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    static void click(QWidget& window, const QString& text)
    {
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->text() == text)
                return button->click();
        QFAIL(qPrintable("no button " + text));
    }

private slots:
    void advancedGridOffersFieldsAndSortAndBuildsTheStatement()
    {
        Session s;
        DatasheetFilter filter(*s.target);
        CAdvancedFilterDlg dialog(*s.target, filter);
        QCOMPARE(dialog.windowTitle(), QString("Advanced Filter"));
        CGridCtrl* grid = dialog.grid();
        QCOMPARE(grid->rowCount(), 6);
        QCOMPARE(grid->columnCount(), 16);
        QCOMPARE(grid->columnWidth(0), 60);
        QCOMPARE(grid->text(3, 0), QString("OR"));
        QVERIFY(grid->isReadOnly(2, 0));
        QCOMPARE(grid->choices(0, 15), QStringList({"", "Name", "Age"}));
        QCOMPARE(grid->choices(1, 1), QStringList({"Ascending", "Descending"}));

        grid->commitEdit(0, 1, "Age");
        grid->commitEdit(1, 1, "Descending");
        grid->setCurrentCell(0, 1);
        click(dialog, "<");
        QCOMPARE(grid->text(0, 1), QString("Age")); // the field row takes no operator
        grid->setCurrentCell(2, 1);
        click(dialog, ">=");
        grid->commitEdit(2, 1, grid->text(2, 1) + "25");
        QCOMPARE(grid->text(2, 1), QString(" => 25"));
        dialog.show();
        shoot(dialog, "advanced-filter");

        click(dialog, "Sort");
        QCOMPARE(s.target->lastShown(), QString("SELECT  *  FROM T  WHERE ((Age  => 25) ) ORDER BY Age DESC"));
        QCOMPARE(s.target->column(0), QStringList({"Ann Lee", "A"}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void clearAllEmptiesEveryCellButTheRowNames()
    {
        Session s;
        DatasheetFilter filter(*s.target);
        CAdvancedFilterDlg dialog(*s.target, filter);
        dialog.grid()->commitEdit(0, 4, "Name");
        dialog.grid()->commitEdit(5, 15, "= 'x'");
        click(dialog, "Clear All");
        QCOMPARE(dialog.grid()->text(0, 4), QString());
        QCOMPARE(dialog.grid()->text(5, 15), QString());
        QCOMPARE(dialog.grid()->text(1, 0), QString("Sort"));
        click(dialog, "Cancel");
        QVERIFY(s.target->shown.isEmpty());
    }

    void findButtonsSearchAndReplaceWithTheChosenOptions()
    {
        Session s;
        s.target->field = 0;
        CFindReplace1 dialog(*s.target);
        QCOMPARE(dialog.fieldList()->currentText(), QString("Name"));
        QCOMPARE(dialog.directionList()->count(), 3);
        dialog.findEdit()->setText("a");
        dialog.wholeWordBox()->setChecked(true);
        dialog.directionList()->setCurrentIndex(2);
        dialog.show();
        shoot(dialog, "find-replace");

        click(dialog, "Find Next");
        QCOMPARE(s.target->record, 1);
        dialog.wholeWordBox()->setChecked(false);
        dialog.matchCaseBox()->setChecked(true);
        click(dialog, "Find Next");
        QCOMPARE(s.messages.texts(), QStringList({"No Match is Found"}));

        dialog.matchCaseBox()->setChecked(false);
        dialog.replaceEdit()->setText("o");
        click(dialog, "Replace All");
        QCOMPARE(s.target->column(0), QStringList({"B", "o", "onn Lee"}));
        click(dialog, "Close");
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(FilterDialogsWidgetTest)
#include "FilterDialogsWidgetTest.moc"
