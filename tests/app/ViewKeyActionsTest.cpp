#include "app/ViewKeyActions.h"
#include "platform/framework/Profile.h"

#include "support/TempRoot.h"

#include <QLineEdit>
#include <QtTest>

// The direction and action buttons (Ctrl+Alt+6 to Ctrl+Alt+0) perform their mapped action inside the
// action view only, and only when mapped; the arrows and Enter themselves stay the widget's.
class ViewKeyActionsTest : public QObject {
    Q_OBJECT

    static constexpr Qt::KeyboardModifiers kButton = Qt::ControlModifier | Qt::AltModifier;

    struct Views {
        Views() : view(new QLineEdit(&window)), elsewhere(new QLineEdit(&window))
        {
            window.show();
            qApp->installEventFilter(&keys);
        }
        ~Views() { qApp->removeEventFilter(&keys); }

        TempRoot root;
        QWidget window;
        QWidget* view;
        QWidget* elsewhere;
        QList<int> performed;
        bool showing = true;
        ViewKeyActions keys{[this] { return showing ? view : nullptr; }, [this](int key) { performed << key; }};
    };

private slots:
    void aMappedButtonPerformsItsAction()
    {
        Views v;
        framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 4);
        framework::WriteProfileInt("KEY_OPTIONS", "ActionButton", 1);
        auto* line = static_cast<QLineEdit*>(v.view);
        line->setText("abc");
        line->setCursorPosition(2);
        QTest::keyClick(line, Qt::Key_6, kButton);
        QTest::keyClick(line, Qt::Key_0, kButton);
        QTest::keyClick(line, Qt::Key_0, kButton | Qt::KeypadModifier);
        QCOMPARE(v.performed, QList<int>({37, 13, 13}));
        QCOMPARE(line->text(), QString("abc"));
        QCOMPARE(line->cursorPosition(), 2);
    }

    void theArrowsAndAnUnmappedButtonKeepTheirOwnMeaning()
    {
        Views v;
        framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 4);
        auto* line = static_cast<QLineEdit*>(v.view);
        line->setText("abc");
        line->setCursorPosition(2);
        QTest::keyClick(line, Qt::Key_7, kButton);
        QCOMPARE(line->text(), QString("abc")); // an unmapped button types nothing either
        QTest::keyClick(line, Qt::Key_Right);
        QCOMPARE(line->cursorPosition(), 3);
        QTest::keyClick(line, Qt::Key_Left);
        QCOMPARE(line->cursorPosition(), 2);
        QTest::keyClick(line, Qt::Key_Right);
        QTest::keyClick(line, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(line->selectedText(), QString("c"));
        QVERIFY(v.performed.isEmpty());
    }

    void keysOutsideTheViewOrWithoutOneAreLeftAlone()
    {
        Views v;
        framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 4);
        QTest::keyClick(v.elsewhere, Qt::Key_6, kButton);
        v.showing = false;
        QTest::keyClick(v.view, Qt::Key_6, kButton);
        QVERIFY(v.performed.isEmpty());
    }
};

QTEST_MAIN(ViewKeyActionsTest)
#include "ViewKeyActionsTest.moc"
