#include "logic/CMacroBuilderDlg.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

// The Macro Builder's wiring to its editor: picking actions, typing and tapping values, and the
// builder and chooser a tap opens.
class MacroBuilderWidgetTest : public QObject {
    Q_OBJECT

    struct Database {
        Database()
        {
            CDbRecordset creator(context.connection);
            creator.Open(QStringLiteral("Create Database '\\Data'"), 0, 1);
            context.openDatabase = std::make_shared<COpenDatabase>(QStringLiteral("\\Data.cdb"));
            CDbRecordset table(context.connection, context.databasePath());
            table.Open(QStringLiteral("CREATE TABLE 'XNSysMacros' (MacroID int,MacroName varchar(15),Event text,"
                                      "Arguments text,Standalone bit)"),
                       0, 1);
        }
        TempRoot root;
        CAppContext context;
    };

    static void choose(CMacroBuilderDlg& dialog, int row, const QString& action)
    {
        auto* choices = qobject_cast<QComboBox*>(dialog.actionGrid()->cellWidget(row, 0));
        QVERIFY(choices);
        choices->setCurrentText(action);
        emit choices->textActivated(action);
    }
    static QString value(CMacroBuilderDlg& dialog, int argument)
    {
        return dialog.argumentGrid()->item(argument, 1)->text();
    }
    static void tap(CMacroBuilderDlg& dialog, int argument)
    {
        emit dialog.argumentGrid()->cellClicked(argument, 1);
    }

private slots:
    void anIfRowTakesItsExpressionFromTheBuilderOnly()
    {
        Database database;
        MessageRecorder messages;
        CMacroBuilderDlg dialog(database.context, QString(), nullptr);
        std::optional<QString> answer = QStringLiteral("Orders.Qty > 5");
        QStringList shown;
        dialog.setExpressionComposer([&](QWidget*, const QString& text) {
            shown << text;
            return answer;
        });
        QCOMPARE(dialog.actionGrid()->rowCount(), 1);
        choose(dialog, 0, QStringLiteral("If"));
        QCOMPARE(dialog.actionGrid()->item(0, 1)->text(), QStringLiteral("If Condition"));
        QCOMPARE(dialog.argumentGrid()->rowCount(), 1);
        QCOMPARE(dialog.argumentGrid()->item(0, 0)->text(), QStringLiteral("Expression"));
        QVERIFY(!(dialog.argumentGrid()->item(0, 1)->flags() & Qt::ItemIsEditable));
        tap(dialog, 0);
        QCOMPARE(value(dialog, 0), QStringLiteral("Orders.Qty > 5"));
        // A cancelled builder leaves the cell as it was.
        answer.reset();
        tap(dialog, 0);
        QCOMPARE(value(dialog, 0), QStringLiteral("Orders.Qty > 5"));
        QCOMPARE(shown, QStringList({"", "Orders.Qty > 5"}));
        QVERIFY(messages.texts().isEmpty());
    }

    void typedAndToggledValuesReachTheEditor()
    {
        Database database;
        MessageRecorder messages;
        QStringList chooserCalls;
        CMacroBuilderDlg dialog(database.context, QString(), [&](QWidget*) {
            chooserCalls << QStringLiteral("chosen");
            return QStringLiteral("\\Sounds\\Ding.wav");
        });
        choose(dialog, 0, QStringLiteral("Open Form"));
        dialog.argumentGrid()->item(0, 1)->setText(QStringLiteral("Orders"));
        tap(dialog, 1);
        QCOMPARE(value(dialog, 1), QStringLiteral("ReadOnly"));
        tap(dialog, 1);
        QCOMPARE(value(dialog, 1), QStringLiteral("ReadWrite"));
        // A value that would shift the stored actions goes back to what it was.
        dialog.argumentGrid()->item(0, 1)->setText(QStringLiteral("Or~ders"));
        QCOMPARE(value(dialog, 0), QStringLiteral("Orders"));
        QCOMPARE(messages.texts().size(), 1);

        dialog.insertRow();
        QCOMPARE(dialog.actionGrid()->currentRow(), 1);
        choose(dialog, 1, QStringLiteral("Play Sound"));
        tap(dialog, 0);
        QCOMPARE(value(dialog, 0), QStringLiteral("\\Sounds\\Ding.wav"));
        QCOMPARE(chooserCalls.size(), 1);
        dialog.moveRow(-1);
        QCOMPARE(dialog.editor().rows()[0].action, QStringLiteral("Play Sound"));
        QCOMPARE(dialog.actionGrid()->currentRow(), 0);
        QCOMPARE(dialog.editor().rows()[1].values, QStringList({"Orders", "ReadWrite"}));
    }

    void savingAsksForTheNameAndClosingAsksToSave()
    {
        Database database;
        MessageRecorder messages;
        CMacroBuilderDlg dialog(database.context, QString(), nullptr);
        choose(dialog, 0, QStringLiteral("Next Record"));
        dialog.save();
        dialog.nameBox()->setText(QStringLiteral("Step"));
        dialog.save();
        QCOMPARE(messages.texts(), QStringList({"Please give a name for the macro", "Macro is created Successfully"}));
        dialog.removeRow();
        messages.answer(framework::Answer::No);
        dialog.reject();
        QCOMPARE(messages.texts().last(), QStringLiteral("Do you want to save the macro"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        CMacroBuilderDlg again(database.context, QStringLiteral("Step"), nullptr);
        QCOMPARE(again.nameBox()->text(), QStringLiteral("Step"));
        QCOMPARE(again.editor().rows().size(), 1);
    }
};

QTEST_MAIN(MacroBuilderWidgetTest)
#include "MacroBuilderWidgetTest.moc"
