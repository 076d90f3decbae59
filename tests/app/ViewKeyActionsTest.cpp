#include "app/ViewKeyActions.h"
#include "platform/framework/Profile.h"

#include "support/TempRoot.h"

#include <QLineEdit>
#include <QtTest>

// Arrows and Enter perform their mapped action inside the action view only, and only when mapped.
class ViewKeyActionsTest : public QObject {
    Q_OBJECT

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
    void aMappedKeyPerformsItsActionInsteadOfItsMove()
    {
        Views v;
        framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 4);
        framework::WriteProfileInt("KEY_OPTIONS", "ActionButton", 1);
        auto* line = static_cast<QLineEdit*>(v.view);
        line->setText("abc");
        line->setCursorPosition(2);
        QTest::keyClick(line, Qt::Key_Left);
        QTest::keyClick(line, Qt::Key_Return);
        QTest::keyClick(line, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(v.performed, QList<int>({37, 13, 13}));
        QCOMPARE(line->cursorPosition(), 2);
    }

    void anUnmappedKeyOrOneWithAModifierKeepsItsOwnMeaning()
    {
        Views v;
        framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 4);
        auto* line = static_cast<QLineEdit*>(v.view);
        line->setText("abc");
        line->setCursorPosition(2);
        QTest::keyClick(line, Qt::Key_Right);
        QCOMPARE(line->cursorPosition(), 3);
        QTest::keyClick(line, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(line->selectedText(), QString("c"));
        QVERIFY(v.performed.isEmpty());
    }

    void keysOutsideTheViewOrWithoutOneAreLeftAlone()
    {
        Views v;
        framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 4);
        QTest::keyClick(v.elsewhere, Qt::Key_Left);
        v.showing = false;
        QTest::keyClick(v.view, Qt::Key_Left);
        QVERIFY(v.performed.isEmpty());
    }
};

QTEST_MAIN(ViewKeyActionsTest)
#include "ViewKeyActionsTest.moc"
