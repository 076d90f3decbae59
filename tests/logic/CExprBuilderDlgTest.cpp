// The builder dialog's wiring: buttons and lists reach the expression box, OK applies the mode's rule,
// closing hands the text over, and the table designer's entry reads the field's stored rule.
#include "logic/CExprBuilderDlg.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/Catalogue.h"
#include "logic/ScriptValues.h"

#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class CExprBuilderDlgTest : public QObject {
    Q_OBJECT

    struct Database {
        Database()
        {
            CDbRecordset creator(context.connection);
            creator.Open(QStringLiteral("Create Database '\\Builder'"), 0, 1);
            context.openDatabase = std::make_shared<COpenDatabase>(QStringLiteral("\\Builder.cdb"));
            QStringList statements;
            for (const CatalogueTable& table : catalogueTables())
                statements << table.statements;
            statements << "CREATE TABLE Orders (Item varchar(40), Qty int)";
            for (const QString& sql : statements) {
                CDbRecordset recordset(context.connection, context.databasePath());
                QVERIFY(recordset.Open(sql, 0, 1));
            }
        }
        TempRoot root;
        CAppContext context;
    };

    static QPushButton* button(QDialog& dialog, const QString& text)
    {
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == text)
                return candidate;
        return nullptr;
    }

    static void doubleClick(QListWidget* list, const QString& text)
    {
        const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        emit list->itemDoubleClicked(found.first());
    }

private slots:
    void operatorButtonsReplaceTheSelection()
    {
        Database db;
        CExprBuilderDlg dialog(db.context, CExprBuilderDlg::kOtherCaller);
        QPlainTextEdit* box = dialog.expressionBox();
        box->setPlainText("a b");
        QTextCursor cursor = box->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        box->setTextCursor(cursor);
        button(dialog, "<>")->click();
        QCOMPARE(box->toPlainText(), QString("a <> b"));
        button(dialog, "UNDO")->click();
        QCOMPARE(box->toPlainText(), QString("a b"));
        box->moveCursor(QTextCursor::End);
        button(dialog, "AND")->click();
        button(dialog, "(")->click();
        QCOMPARE(box->toPlainText(), QString("a b AND  ( "));
        button(dialog, "LIKE")->click();
        QCOMPARE(box->toPlainText(), QString("a b AND  ( "));
        QTextCursor part = box->textCursor();
        part.setPosition(0);
        part.setPosition(4, QTextCursor::KeepAnchor);
        box->setTextCursor(part);
        button(dialog, "CLEAR")->click();
        QCOMPARE(box->toPlainText(), QString("AND  ( "));
        // Nothing selected: the whole expression goes.
        box->moveCursor(QTextCursor::End);
        button(dialog, "CLEAR")->click();
        QCOMPARE(box->toPlainText(), QString());
        button(dialog, "UNDO")->click();
        QCOMPARE(box->toPlainText(), QString("AND  ( "));
    }

    void theListsAreWideEnoughForTheirEntries()
    {
        Database db;
        CExprBuilderDlg dialog(db.context, CExprBuilderDlg::kOtherCaller);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* categories = dialog.findChild<QListWidget*>("categories");
        auto* groups = dialog.findChild<QListWidget*>("groups");
        auto* items = dialog.findChild<QListWidget*>("items");
        categories->setCurrentRow(kFunctions);
        groups->setCurrentRow(0);
        const auto fits = [](QListWidget* list) {
            for (int row = 0; row < list->count(); ++row) {
                const int needed = list->fontMetrics().horizontalAdvance(list->item(row)->text().trimmed());
                if (needed > list->viewport()->width())
                    return false;
            }
            return true;
        };
        QVERIFY(fits(categories));
        QVERIFY(fits(groups));
        QVERIFY(fits(items));
        if (const QString folder = qEnvironmentVariable("VARNEL_SHOTS"); !folder.isEmpty())
            dialog.grab().save(folder + "/expression-builder.png");
    }

    void listsInsertFunctionsAndFieldReferences()
    {
        Database db;
        CExprBuilderDlg dialog(db.context, CExprBuilderDlg::kOtherCaller);
        auto* categories = dialog.findChild<QListWidget*>("categories");
        auto* groups = dialog.findChild<QListWidget*>("groups");
        auto* items = dialog.findChild<QListWidget*>("items");
        QCOMPARE(categories->count(), 5);

        categories->setCurrentRow(kFunctions);
        QCOMPARE(groups->count(), 6);
        QCOMPARE(items->count(), 0);
        groups->setCurrentRow(1);
        QCOMPARE(items->count(), 5);
        doubleClick(items, " AVG ");
        QCOMPARE(dialog.expressionBox()->toPlainText(), QString(" AVG "));
        QCOMPARE(dialog.findChild<QLabel*>("example")->text(), QString("AVG(number, number)"));

        categories->setCurrentRow(kTables);
        QCOMPARE(items->count(), 0); // a new category clears the items
        QCOMPARE(groups->item(0)->text(), QString("Orders"));
        groups->setCurrentRow(0);
        doubleClick(items, "Qty");
        QCOMPARE(dialog.expressionBox()->toPlainText(), QString(" AVG Orders.Qty"));
    }

    void okAppliesTheModesRuleAndClosingHandsTheTextOver()
    {
        Database db;
        MessageRecorder messages;
        CExprBuilderDlg dialog(db.context, CExprBuilderDlg::kOtherCaller);
        dialog.builderMode = kValidationRule;
        dialog.initialText = "Orders.Qty > 0";
        QTimer::singleShot(0, &dialog, [&] {
            dialog.accept();
            QVERIFY(dialog.isVisible());
            dialog.expressionBox()->setPlainText("> 0");
            dialog.accept();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(messages.texts(), QStringList({"Enter a Conditional expression"}));
        QCOMPARE(g_strBuilderText, QString("> 0"));

        CExprBuilderDlg cancelled(db.context, CExprBuilderDlg::kOtherCaller);
        cancelled.builderMode = kValidationRule;
        cancelled.initialText = "not a condition";
        QTimer::singleShot(0, &cancelled, [&] { cancelled.reject(); });
        QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
        QCOMPARE(g_strBuilderText, QString("not a condition"));
    }

    void theTableDesignerStartsFromTheFieldsStoredRule()
    {
        Database db;
        MessageRecorder messages;
        QVERIFY(!CExprBuilderDlg::composeForField(db.context, nullptr, kDefaultValue, "Orders", "", "typed"));
        QCOMPARE(messages.texts(), QStringList({"Select a Field to set Expression"}));
        QCOMPARE(g_strBuilderText, QString("typed"));

        CDbRecordset ids(db.context.connection, db.context.databasePath());
        QVERIFY(ids.Open("SELECT TableID FROM MSysTables WHERE TableName = 'Orders'", 0, 1));
        CDbRecordset insert(db.context.connection, db.context.databasePath());
        QVERIFY(insert.Open(QString("INSERT INTO XNSysFields (TableID, FieldName, DefValue, ValdnRule) VALUES (%1, "
                                    "'Qty', '1', '> 0')")
                                .arg(ids.GetFieldString(0)),
                            0, 1));
        CExprBuilderDlg dialog(db.context, CExprBuilderDlg::kTableDesigner);
        dialog.builderMode = kValidationRule;
        dialog.designerTable = "Orders";
        dialog.designerField = "Qty";
        QTimer::singleShot(0, &dialog, [&] { dialog.accept(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(g_strBuilderText, QString("> 0"));
    }
};

QTEST_MAIN(CExprBuilderDlgTest)
#include "CExprBuilderDlgTest.moc"
