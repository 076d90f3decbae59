#include "app/options/COptionsSheet.h"
#include "data/CAppContext.h"
#include "data/FontOptions.h"
#include "platform/framework/Profile.h"
#include "widgets/CFontDialog.h"

#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

using framework::GetProfileInt;
using framework::GetProfileString;

// The options sheet's wiring: each control reaches the key it writes, the pages follow each other's
// rules on screen, and OK and Cancel treat the context as they should.
class OptionsWidgetTest : public QObject {
    Q_OBJECT

    struct Sheet {
        explicit Sheet(QString folder = {})
            : sheet(context, {[] { return true; },
                              [this, folder](const QString& current) {
                                  browsedFrom = current;
                                  return folder;
                              },
                              [this] { ++reloaded; }})
        {
        }
        template <typename T> T* find(const char* name) { return sheet.findChild<T*>(QString::fromLatin1(name)); }

        TempRoot root;
        MessageRecorder messages;
        CAppContext context;
        int reloaded = 0;
        QString browsedFrom;
        COptionsSheet sheet;
    };

private slots:
    void thePagesStandInTheirOrder()
    {
        Sheet s;
        QTabWidget* pages = s.sheet.pages();
        QCOMPARE(pages->count(), 4);
        QCOMPARE(pages->tabText(0), QString("General"));
        QCOMPARE(pages->tabText(1), QString("Table/Form"));
        QCOMPARE(pages->tabText(2), QString("KeyOptions"));
        QCOMPARE(pages->tabText(3), QString("History"));
    }

    void checkingOneArrowChoiceClearsTheOther()
    {
        Sheet s;
        auto* nextField = s.find<QCheckBox>("arrowsNextField");
        auto* nextCharacter = s.find<QCheckBox>("arrowsNextCharacter");
        nextCharacter->click();
        nextField->click();
        QVERIFY(nextField->isChecked());
        QVERIFY(!nextCharacter->isChecked());
        QCOMPARE(GetProfileString("KEY_OPTIONS", "OnNextField", ""), QString("TRUE"));
        QCOMPARE(GetProfileString("KEY_OPTIONS", "NextCharacter", ""), QString("FALSE"));
    }

    void theActionListAndADoubleTapSetARowsKey()
    {
        Sheet s;
        QTreeWidget* keys = s.find<QTreeWidget>("hotKeys");
        auto* actions = s.find<QComboBox>("selectAction");
        QTreeWidgetItem* action = keys->topLevelItem(9);
        QCOMPARE(action->text(0), QString("Action"));
        keys->setCurrentItem(action);
        actions->setCurrentIndex(1);
        emit actions->activated(1);
        QCOMPARE(action->text(1), QString("Add Record"));
        QCOMPARE(GetProfileInt("KEY_OPTIONS", "ActionButton", -1), 1);

        emit keys->itemDoubleClicked(action, 0);
        QCOMPARE(action->text(1), QString("<None>"));
        QCOMPARE(actions->currentText(), QString("<None>"));
        QCOMPARE(GetProfileInt("KEY_OPTIONS", "ActionButton", -1), 0);

        framework::WriteProfileInt("KEY_OPTIONS", "Button2", 5);
        COptionsSheet again(s.context, {});
        auto* againKeys = again.findChild<QTreeWidget*>("hotKeys");
        QCOMPARE(againKeys->topLevelItem(1)->text(1), QString("Previous Record"));
        again.findChild<QCheckBox*>("unmapButtons")->click();
        QCOMPARE(againKeys->topLevelItem(1)->text(1), QString("<None>"));
        QCOMPARE(GetProfileInt("KEY_OPTIONS", "Button2", -1), 0);
    }

    void requirePasswordEnablesThePasswordControls()
    {
        Sheet s;
        auto* require = s.find<QCheckBox>("requirePassword");
        QVERIFY(!s.find<QLineEdit>("password")->isEnabled());
        require->click();
        QVERIFY(s.find<QLineEdit>("password")->isEnabled());
        QVERIFY(s.find<QPushButton>("changePassword")->isEnabled());
        QCOMPARE(GetProfileInt("GENERAL_OPTIONS", "PassWordReq", -1), 1);
        require->click();
        QVERIFY(!s.find<QLineEdit>("password")->isEnabled());
        QVERIFY(!s.find<QPushButton>("changePassword")->isEnabled());
        QCOMPARE(GetProfileInt("GENERAL_OPTIONS", "PassWordReq", -1), 0);
    }

    void aChangedPasswordSurvivesOkInTheSheet()
    {
        Sheet s;
        s.find<QCheckBox>("requirePassword")->click();
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("enterPassword")->setText("Zoë's");
            dialog->findChild<QLineEdit*>("confirmPassword")->setText("Zoë's");
            dialog->accept();
        });
        s.find<QPushButton>("changePassword")->click();
        QCOMPARE(s.messages.texts(), QStringList({"Password Changed."}));
        s.sheet.accept();
        QCOMPARE(GetProfileString("GENERAL_OPTIONS", "PassWord", ""), QString("Zoë's"));
        QCOMPARE(s.context.general.PassWord, QString("Zoë's"));
        QCOMPARE(s.reloaded, 1);
    }

    void theFolderComesFromTheBoxOrTheBrowser()
    {
        Sheet s("\\My Documents\\Ventes d'été");
        auto* folder = s.find<QLineEdit>("defaultFolder");
        QCOMPARE(folder->text(), QString("\\My Document"));
        s.find<QPushButton>("browseFolder")->click();
        QCOMPARE(s.browsedFrom, QString("\\My Document"));
        QCOMPARE(folder->text(), QString("\\My Documents\\Ventes d'été"));
        QCOMPARE(GetProfileString("GENERAL_OPTIONS", "DefaultDatabase", ""), QString("\\My Documents\\Ventes d'été"));
        folder->setText("\\Data");
        emit folder->editingFinished();
        QCOMPARE(GetProfileString("GENERAL_OPTIONS", "DefaultDatabase", ""), QString("\\Data"));
    }

    void cancelKeepsTheWritesButNotTheContext()
    {
        Sheet s;
        s.find<QCheckBox>("openMostRecent")->click();
        s.find<QCheckBox>("autoAddCaption")->click();
        s.sheet.reject();
        QCOMPARE(GetProfileInt("GENERAL_OPTIONS", "OpenMostRecentDB", -1), 1);
        QCOMPARE(GetProfileString("TABLEFORM_OPTIONS", "AutoAddCaption", ""), QString("TRUE"));
        QCOMPARE(s.context.general.OpenMostRecentDB, 0);
        QCOMPARE(s.reloaded, 0);
    }

    void theFontButtonWritesItsSectionsFontOnOk()
    {
        Sheet s;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CFontDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QListWidget*>("fontSizes")->setCurrentRow(0);
            for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
                box->setChecked(box->text() == "Underline");
            dialog->accept();
        });
        s.sheet.pages()->widget(1)->findChild<QPushButton*>("font")->click();
        const QString size = GetProfileString("TABLEFORM_OPTIONS", "FontSize", "");
        QVERIFY(!size.isEmpty() && size != "14");
        QCOMPARE(GetProfileInt("TABLEFORM_OPTIONS", "Underline", -1), 1);
        QCOMPARE(GetProfileInt("TABLEFORM_OPTIONS", "Bold", -1), 0);
        QCOMPARE(GetProfileInt("GENERAL_OPTIONS", "Underline", -1), -1); // only the page's own section
    }

    void aCancelledColourWritesTheStoredOneBack()
    {
        Sheet s;
        framework::WriteProfileInt("TABLEFORM_OPTIONS", "GridLineColor", 0x123456);
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        s.find<QPushButton>("GridLineColor")->click();
        QCOMPARE(GetProfileInt("TABLEFORM_OPTIONS", "GridLineColor", -1), 0x123456);
        QTimer::singleShot(0, [] {
            auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(chooser);
            chooser->setCurrentColor(QColor(0x11, 0x22, 0x33));
            chooser->accept();
        });
        s.find<QPushButton>("GridLineColor")->click();
        QCOMPARE(GetProfileInt("TABLEFORM_OPTIONS", "GridLineColor", -1), 0x332211); // kept as blue, green, red
    }

    void theFontDialogOpensOnItsSectionAndDrawsTheSample()
    {
        TempRoot root;
        framework::WriteProfileInt("FORM_OPTIONS", "Bold", 1);
        framework::WriteProfileInt("FORM_OPTIONS", "Highlight", 1);
        CFontDialog dialog(loadFontChoice("FORM_OPTIONS"));
        QVERIFY(dialog.findChild<QCheckBox*>()->isChecked());
        QCOMPARE(dialog.sample()->font().weight(), QFont::Bold);
        QCOMPARE(dialog.sample()->palette().color(QPalette::Window), dialog.palette().color(QPalette::Highlight));
        const FontChoice chosen = dialog.choice();
        QCOMPARE(chosen.size, QString("11"));
        QVERIFY(chosen.bold && chosen.highlight && !chosen.italic);
        QCOMPARE(dialog.findChild<QListWidget*>("fontSizes")->currentItem()->text(), QString("11"));
    }

    // With VARNEL_SCREENSHOTS naming a folder, leaves a picture of each page and of the font dialog there.
    // In a font so large that a page would be taller than the screen, the pages scroll and the sheet keeps
    // to the screen, so that nothing is drawn over anything else.
    void pagesScrollWhenTheScreenIsShort()
    {
        TempRoot root;
        const QFont before = QApplication::font();
        QFont large = before;
        large.setPixelSize(40);
        QApplication::setFont(large);
        CAppContext context;
        COptionsSheet sheet(context, {});
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        const int screen = sheet.screen()->availableGeometry().height();
        QVERIFY(sheet.minimumSizeHint().height() <= screen);
        QVERIFY(sheet.height() <= screen);
        for (int page = 0; page < sheet.pages()->count(); ++page)
            QVERIFY(qobject_cast<QScrollArea*>(sheet.pages()->widget(page)));
        auto* general = qobject_cast<QScrollArea*>(sheet.pages()->currentWidget());
        QVERIFY(general->verticalScrollBar()->maximum() > 0);
        QApplication::setFont(before);
    }

    void screenshotsWhenAsked()
    {
        const QString folder = qEnvironmentVariable("VARNEL_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("VARNEL_SCREENSHOTS not set");
        TempRoot root;
        framework::WriteProfileInt("KEY_OPTIONS", "ActionButton", 4);
        framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 5);
        framework::WriteProfileInt("KEY_OPTIONS", "Nextrecord", 1);
        framework::WriteProfileInt("GENERAL_OPTIONS", "PassWordReq", 1);
        framework::WriteProfileInt("GENERAL_OPTIONS", "BackGroundColor", 0xCDFFCD);
        CAppContext context;
        COptionsSheet sheet(context, {});
        sheet.show();
        const QStringList names = {"options-general", "options-tableform", "options-keys"};
        for (int page = 0; page < names.size(); ++page) {
            sheet.pages()->setCurrentIndex(page);
            sheet.grab().save(folder + "/" + names.at(page) + ".png");
        }
        CFontDialog font({"DejaVu Serif", "18", true, true, false, false, true});
        font.show();
        font.grab().save(folder + "/font-dialog.png");
    }
};

QTEST_MAIN(OptionsWidgetTest)
#include "OptionsWidgetTest.moc"
