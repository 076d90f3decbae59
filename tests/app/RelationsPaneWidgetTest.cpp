#include "app/RelationsPane.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"
#include "tables/FieldCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>
#include <QtTest>

// The relations page's wiring over a real database: its controls feed the editor's choice, a stored
// relation picked in the list fills the controls, and the commands refresh the list.
class RelationsPaneWidgetTest : public QObject {
    Q_OBJECT

    struct Page {
        Page()
        {
            QVERIFY(CreateDatabase(context, window, "\\Shop.cdb"));
            fDBInit(context, window);
            using namespace fieldtypes;
            FieldCatalogue(context, "Customers")
                .CreateTableFromFields({{"Number", kInteger, propertyTemplate(kInteger)},
                                        {"Name", kText, propertyTemplate(kText)}},
                                       {});
            FieldCatalogue(context, "Orders")
                .CreateTableFromFields({{"Customer", kInteger, propertyTemplate(kInteger)},
                                        {"Item", kText, propertyTemplate(kText)}},
                                       {});
            messages.clear();
            pane.refill();
        }
        template <typename T>
        T* child(const char* name) { return pane.findChild<T*>(QString::fromLatin1(name)); }
        QStringList texts(const char* list)
        {
            QStringList all;
            for (int row = 0; row < child<QListWidget>(list)->count(); ++row)
                all << child<QListWidget>(list)->item(row)->text();
            return all;
        }

        TempRoot root;
        MessageRecorder messages;
        CAppContext context;
        HeadlessDatabaseWindow window;
        RelationsPane pane{context};
    };

private slots:
    void controlsFeedTheChoiceAndSaveStoresIt()
    {
        Page page;
        QCOMPARE(page.child<QComboBox>("leftTables")->count(), 2);
        QCOMPARE(page.texts("leftFields"), QStringList({"Number", "Name"}));
        QCOMPARE(page.child<QComboBox>("relationshipType")->count(), 3);

        page.child<QComboBox>("rightTables")->setCurrentText("Orders");
        QCOMPARE(page.texts("rightFields"), QStringList({"Customer", "Item"}));
        page.child<QCheckBox>("cascadingUpdates")->setChecked(true);
        page.child<QCheckBox>("referentialIntegrity")->setChecked(true);
        const RelationChoice& choice = page.pane.editor().choice();
        QCOMPARE(choice.rightTable, QString("Orders"));
        QCOMPARE(choice.rightField, QString("Customer"));
        QCOMPARE(choice.flags(), 2);

        page.pane.saveRelation();
        QCOMPARE(page.messages.texts(), QStringList({"Relation created successfully"}));
        auto* list = page.child<QTreeWidget>("relationsList");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(3), QString("Customer"));
        QCOMPARE(list->topLevelItem(0)->text(5), QString("Cascading Updates"));
        QCOMPARE(list->headerItem()->text(5), QString("Integrity"));
        if (const QString folder = qEnvironmentVariable("VARNEL_SHOTS"); !folder.isEmpty()) {
            page.pane.resize(720, 480);
            page.pane.grab().save(folder + QStringLiteral("/relations-list.png"));
        }
    }

    void pickingAStoredRelationShowsItAndNewClearsIt()
    {
        Page page;
        page.child<QComboBox>("rightTables")->setCurrentText("Orders");
        page.child<QListWidget>("leftFields")->setCurrentRow(1);
        page.child<QListWidget>("rightFields")->setCurrentRow(1);
        page.child<QCheckBox>("referentialIntegrity")->setChecked(true);
        page.child<QCheckBox>("cascadingDeletes")->setChecked(true);
        page.pane.saveRelation();
        page.pane.newRelation();
        page.child<QComboBox>("rightTables")->setCurrentText("Customers");
        QVERIFY(!page.child<QCheckBox>("cascadingDeletes")->isChecked());

        auto* list = page.child<QTreeWidget>("relationsList");
        list->setCurrentItem(list->topLevelItem(0));
        QCOMPARE(page.child<QComboBox>("rightTables")->currentText(), QString("Orders"));
        QCOMPARE(page.child<QListWidget>("rightFields")->currentItem()->text(), QString("Item"));
        QVERIFY(page.child<QCheckBox>("referentialIntegrity")->isChecked());
        QVERIFY(page.child<QCheckBox>("cascadingDeletes")->isChecked());

        page.messages.clear();
        page.pane.deleteRelation();
        QCOMPARE(page.messages.texts(), QStringList({"Do you want to delete the selected Relation?"}));
        QCOMPARE(list->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(RelationsPaneWidgetTest)
#include "RelationsPaneWidgetTest.moc"
