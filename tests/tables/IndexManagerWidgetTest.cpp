// The index manager's window wiring: the editing area reaches the manager and the list shows the engine's
// indexes after each command. With VARNEL_SHOTS set to a folder, the test leaves a picture there.
#include "TableFixture.h"
#include "tables/CIndexManagerDlg.h"
#include "tables/FieldCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

class IndexManagerWidgetTest : public QObject {
    Q_OBJECT

    static QStringList rowTexts(QTreeWidget* list, int row)
    {
        QStringList texts;
        for (int column = 0; column < list->columnCount(); ++column)
            texts << list->topLevelItem(row)->text(column);
        return texts;
    }

    // A new database Shop.cdb, open and checked.
    struct Shop {
        Shop()
        {
            CreateDatabase(context, tables, QStringLiteral("\\Shop.cdb"));
            fDBInit(context, tables);
        }
        TempRoot root;
        MessageRecorder messages;
        CAppContext context;
        RecordingTablesList tables;
    };

private slots:
    void commandsShowTheEnginesIndexes()
    {
        Shop shop;
        CAppContext& context = shop.context;
        MessageRecorder& messages = shop.messages;
        QList<FieldDefinition> fields;
        for (const QString& name : {"Name", "Age", "City"})
            fields << FieldDefinition{name, fieldtypes::kText, fieldtypes::propertyTemplate(fieldtypes::kText)};
        QVERIFY(FieldCatalogue(context, "Customers").CreateTableFromFields(fields, {}));
        CDbRecordset statement(context.connection, context.databasePath());
        QVERIFY(statement.Open("CREATE INDEX byName ON Customers (Name ) ", 0, 1));
        QVERIFY(statement.Open("CREATE INDEX byAge ON Customers (Age DESC UNKNOWNFIRST ) ", 0, 1));
        messages.clear();

        CIndexManagerDlg dialog(context, "Customers");
        QVERIFY(dialog.load());
        QCOMPARE(dialog.list()->topLevelItemCount(), 2);
        QCOMPARE(dialog.fieldChoice()->count(), 3);
        QCOMPARE(rowTexts(dialog.list(), 1), QStringList({"byAge", "Age", "TRUE", "FALSE", "TRUE", "1"}));

        dialog.nameEdit()->setText("byCity");
        dialog.fieldChoice()->setCurrentText("City");
        dialog.addIndex();
        QCOMPARE(rowTexts(dialog.list(), 2), QStringList({"byCity", "City", "", "", "", ""}));
        dialog.descBox()->setChecked(true);
        dialog.saveIndexFlags();
        QCOMPARE(messages.texts(), QStringList{"Index created sucessfully"});
        QCOMPARE(rowTexts(dialog.list(), 2), QStringList({"byCity", "City", "FALSE", "FALSE", "TRUE", "3"}));

        dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
        dialog.moveIndexUp();
        QCOMPARE(dialog.list()->topLevelItem(0)->text(0), QString("byAge"));
        dialog.show();
        const QString folder = qEnvironmentVariable("VARNEL_SHOTS");
        if (!folder.isEmpty())
            dialog.grab().save(folder + "/index-manager.png");
        // Closing with the order changed offers to save it; the default answer applies it.
        dialog.reject();
        QCOMPARE(messages.texts().mid(2), QStringList({"You have made modifications to indices. Do you want to save ?",
                                                       "Order of indices changed sucessfully"}));
        QCOMPARE(dialog.manager().rows().first().name, QString("byAge"));
    }

    // Close and Escape both end the window, with nothing to ask when nothing changed.
    void closeAndEscapeCloseTheWindow()
    {
        Shop shop;
        CAppContext& context = shop.context;
        MessageRecorder& messages = shop.messages;
        QVERIFY(FieldCatalogue(context, "Customers")
                    .CreateTableFromFields({{"Name", fieldtypes::kText, fieldtypes::propertyTemplate(fieldtypes::kText)}},
                                           {}));
        messages.clear();
        for (const bool escape : {false, true}) {
            CIndexManagerDlg dialog(context, "Customers");
            QVERIFY(dialog.load());
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            if (escape)
                QTest::keyClick(dialog.list(), Qt::Key_Escape);
            else
                dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(messages.texts(), QStringList());
    }
};

QTEST_MAIN(IndexManagerWidgetTest)
#include "IndexManagerWidgetTest.moc"
