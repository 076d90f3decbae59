#include "logic/CModuleEdit.h"
#include "logic/CModuleView.h"
#include "logic/RunScript.h"
#include "logic/ScriptStopPrompt.h"
#include "logic/ScriptValues.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

// The module editor's wiring to its editor object, and the stop box of long scripts.
class ModuleViewWidgetTest : public QObject {
    Q_OBJECT

    struct Database {
        Database()
        {
            CDbRecordset creator(context.connection);
            creator.Open(QStringLiteral("Create Database '\\Data'"), 0, 1);
            context.openDatabase = std::make_shared<COpenDatabase>(QStringLiteral("\\Data.cdb"));
            run(QStringLiteral("CREATE TABLE 'XNSysModules' (ModuleName varchar(15),Source text)"));
            run(QStringLiteral("INSERT INTO XNSysModules VALUES('Greet', 'Message \"hi\"')"));
        }
        void run(const QString& sql)
        {
            CDbRecordset recordset(context.connection, context.databasePath());
            QVERIFY(recordset.Open(sql, 0, 1));
        }
        QString sourceOf(const QString& name)
        {
            CDbRecordset recordset(context.connection, context.databasePath());
            if (!recordset.Open(QStringLiteral("SELECT Source FROM XNSysModules WHERE ModuleName = '") + name + "'", 0, 1) ||
                !recordset.MoveFirst())
                return QStringLiteral("<none>");
            return recordset.GetFieldString(0);
        }
        TempRoot root;
        CAppContext context;
    };

private slots:
    void anExistingModuleFillsTheBoxes()
    {
        Database database;
        CModuleView view(database.context, QStringLiteral("Greet"));
        QCOMPARE(view.nameBox()->text(), QStringLiteral("Greet"));
        QCOMPARE(view.sourceBox()->toPlainText(), QStringLiteral("Message \"hi\""));
        QCOMPARE(view.functionList()->count(), 24);
        QVERIFY(!view.editor().isModified());
    }

    void typingMarksTheModuleAndSaveWritesIt()
    {
        Database database;
        MessageRecorder messages;
        CModuleView view(database.context, QStringLiteral("Greet"));
        view.show();
        view.commandAction(CModuleView::kSave)->trigger();
        QVERIFY(messages.texts().isEmpty());

        // The release of a key pressed elsewhere, such as the one that closed a message box, is no edit.
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(view.sourceBox(), &release);
        QVERIFY(!view.editor().isModified());

        view.sourceBox()->setFocus();
        view.sourceBox()->moveCursor(QTextCursor::End);
        QTest::keyClick(view.sourceBox(), Qt::Key_Return);
        QTest::keyClick(view.sourceBox(), Qt::Key_Tab);
        QTest::keyClicks(view.sourceBox(), QStringLiteral("FindNext"));
        QVERIFY(view.editor().isModified());
        view.commandAction(CModuleView::kSave)->trigger();
        QCOMPARE(messages.texts(), QStringList({"Module was saved successfully"}));
        QCOMPARE(database.sourceOf(QStringLiteral("Greet")), QStringLiteral("Message \"hi\"\n\tFindNext"));
    }

    void choosingAFunctionDescribesItAndInsertsNothing()
    {
        Database database;
        CModuleView view(database.context, QString());
        view.functionList()->setCurrentIndex(5);
        emit view.functionList()->activated(5);
        QCOMPARE(view.descriptionLine()->text(), QStringLiteral("Message(string message"));
        QVERIFY(view.sourceBox()->toPlainText().isEmpty());
        QVERIFY(view.editor().isModified());
    }

    void closeAsksAboutChangesAndStaysWhenTheSaveFails()
    {
        Database database;
        MessageRecorder messages;
        CModuleView view(database.context, QString());
        QSignalSpy closed(&view, &CModuleView::closed);
        emit view.functionList()->activated(0);
        view.nameBox()->setText(QStringLiteral("Fresh"));
        messages.answer(framework::Answer::Yes);
        view.commandAction(CModuleView::kClose)->trigger();
        QCOMPARE(closed.count(), 0);
        QCOMPARE(messages.texts(), QStringList({"Do you wana to save this module",
                                                "The module name or source cannot be empty"}));
        view.sourceBox()->setPlainText(QStringLiteral("FirstRecord"));
        messages.answer(framework::Answer::Yes);
        view.commandAction(CModuleView::kClose)->trigger();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(database.sourceOf(QStringLiteral("Fresh")), QStringLiteral("FirstRecord"));
    }

    void editCommandsActOnTheSourceBoxOnlyWithFocus()
    {
        Database database;
        CModuleView view(database.context, QStringLiteral("Greet"));
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.nameBox()->setFocus();
        view.sourceBox()->selectAll();
        view.commandAction(CModuleView::kCut)->trigger();
        QCOMPARE(view.sourceBox()->toPlainText(), QStringLiteral("Message \"hi\""));
        view.sourceBox()->setFocus();
        view.commandAction(CModuleView::kCut)->trigger();
        QVERIFY(view.sourceBox()->toPlainText().isEmpty());
        view.commandAction(CModuleView::kPaste)->trigger();
        QCOMPARE(view.sourceBox()->toPlainText(), QStringLiteral("Message \"hi\""));
    }

    void closingTheViewAsksAboutAChangedModuleAsCloseDoes()
    {
        Database database;
        MessageRecorder messages;
        CModuleView view(database.context, QString());
        QSignalSpy closed(&view, &CModuleView::closed);
        view.sourceBox()->setPlainText("Message 1");
        emit view.functionList()->activated(0); // choosing a function marks the module changed
        messages.answer(framework::Answer::Yes);
        QVERIFY(!view.close()); // the save is refused: the module has no name
        QCOMPARE(messages.texts(), QStringList({"Do you wana to save this module",
                                                "The module name or source cannot be empty"}));
        messages.answer(framework::Answer::No);
        QVERIFY(view.close());
        QCOMPARE(closed.count(), 0); // the frame decides where to go from here

        CModuleView other(database.context, QStringLiteral("Greet"));
        QSignalSpy otherClosed(&other, &CModuleView::closed);
        other.commandAction(CModuleView::kClose)->trigger();
        QCOMPARE(otherClosed.count(), 1);
    }

    void aLongScriptCanBeStoppedFromItsBox()
    {
        ScriptStopPrompt prompt(nullptr, 50);
        ScriptWatch* previous = setScriptWatch(&prompt);
        bool boxSeen = false;
        QTimer presser;
        connect(&presser, &QTimer::timeout, this, [&] {
            if (auto* button = qApp->activeModalWidget() ? qApp->activeModalWidget()->findChild<QPushButton*>(
                                                               QStringLiteral("stopScriptButton"))
                                                         : nullptr) {
                boxSeen = true;
                button->click();
            }
        });
        presser.start(20);
        ScriptHost host;
        RunScript(host, QStringLiteral("Do\nLoop"));
        setScriptWatch(previous);
        QVERIFY(boxSeen);
        QVERIFY(host.scriptError);
        QVERIFY(host.stopped);
    }

    void aScriptWaitingInItsOwnMessageIsNotOfferedToBeStopped()
    {
        ScriptStopPrompt prompt(nullptr, 150);
        ScriptWatch* previous = setScriptWatch(&prompt);
        const auto stopBoxShown = [] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == QStringLiteral("stopScriptBox") && window->isVisible())
                    return true;
            return false;
        };
        // The user reads the first message for longer than the watch waits; the second looks for the box.
        bool boxSeen = false;
        const auto before = framework::setMessageResponder([&](const framework::MessageRequest& request) {
            if (request.text == QStringLiteral("read me")) {
                QEventLoop reading;
                QTimer::singleShot(400, &reading, &QEventLoop::quit);
                reading.exec();
            } else {
                boxSeen = stopBoxShown();
            }
            return framework::Answer::Ok;
        });
        ScriptHost host;
        RunScript(host, QStringLiteral("Message \"read me\"\nMessage \"looked\""));
        framework::setMessageResponder(before);
        setScriptWatch(previous);
        QVERIFY(!host.scriptError);
        QVERIFY(!host.stopped);
        QVERIFY(!boxSeen);
    }

    void aWatchedScriptReachesMessagesOnTheWindowThread()
    {
        ScriptStopPrompt prompt(nullptr, 5000);
        ScriptWatch* previous = setScriptWatch(&prompt);
        QStringList seen;
        const auto before = framework::setMessageResponder([&](const framework::MessageRequest& request) {
            seen << request.text + (QThread::currentThread() == qApp->thread() ? " on the window thread" : " elsewhere");
            return framework::Answer::Ok;
        });
        ScriptHost host;
        RunScript(host, QStringLiteral("Message \"hello\"\nShowResult(SUM(2, 3))"));
        framework::setMessageResponder(before);
        setScriptWatch(previous);
        QVERIFY(!host.scriptError);
        QCOMPARE(g_strScriptResult, QStringLiteral("5"));
        QCOMPARE(seen, QStringList({"hello on the window thread"}));
        QVERIFY(!qApp->activeModalWidget());
    }

    // The message box throws on the window thread while the script runs on its own: the script ends with
    // an error that says why, and the program goes on.
    void aHostFailureOnTheWindowThreadEndsTheScriptWithAnError()
    {
        ScriptStopPrompt prompt(nullptr, 5000);
        ScriptWatch* previous = setScriptWatch(&prompt);
        const auto before = framework::setMessageResponder([](const framework::MessageRequest&) -> framework::Answer {
            throw std::runtime_error("no screen for messages");
        });
        ScriptHost host;
        RunScript(host, QStringLiteral("ShowResult \"before\"\nMessage \"hello\"\nShowResult \"after\""));
        framework::setMessageResponder(before);
        setScriptWatch(previous);
        QVERIFY(host.scriptError);
        QVERIFY2(host.errorText.contains(QStringLiteral("no screen for messages")), qPrintable(host.errorText));
        QCOMPARE(host.result, QStringLiteral("before"));
    }

    // What the run throws on the script's thread reaches the watch's caller instead of ending the program.
    void anExceptionOnTheScriptThreadReachesTheCaller()
    {
        ScriptStopPrompt prompt(nullptr, 5000);
        bool caught = false;
        try {
            prompt.watch([] { throw std::runtime_error("lost"); }, [] {});
        } catch (const std::runtime_error& error) {
            caught = QByteArray(error.what()) == "lost";
        }
        QVERIFY(caught);
    }
};

QTEST_MAIN(ModuleViewWidgetTest)
#include "ModuleViewWidgetTest.moc"
