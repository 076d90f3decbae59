// The arrows and Enter in a real datasheet and form view: a mapped key runs its action on the records,
// an unmapped one keeps its own move.
#include "app/ViewKeyActions.h"
#include "app/shell/HardwareKeys.h"
#include "forms/CAutoForm.h"
#include "platform/framework/Profile.h"
#include "tables/CViewDataGrid.h"
#include "tables/CViewTableData.h"
#include "tables/DatasheetFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace fieldtypes;

namespace {

class RecordViewKeysTest : public DatasheetFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "record_view_keys_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }
    void SetUp() override
    {
        createTable("Guests", {field("ID", kAutoNumber), field("Name", kText), field("Nights", kInteger)});
        for (const char* row : {"1, 'Zoë O''Brien', 2", "2, 'Ana', 1", "3, 'Björn', 4"})
            ASSERT_TRUE(run(QStringLiteral("INSERT INTO Guests (ID, Name, Nights) VALUES (%1)").arg(row)));
        ASSERT_TRUE(view.openTable("Guests"));
        qApp->installEventFilter(&keys);
        view.show();
        view.grid()->setCurrentCell(0, 2);
        view.grid()->setFocus();
    }
    void TearDown() override { qApp->removeEventFilter(&keys); }

    CViewTableData view{context};
    ViewKeyActions keys{[this] { return &view; }, [this](int key) { view.performKeyAction(keyAction(key)); }};
};

} // namespace

namespace {
constexpr Qt::KeyboardModifiers kButton = Qt::ControlModifier | Qt::AltModifier;
} // namespace

TEST_F(RecordViewKeysTest, MappedDirectionAndActionButtonsRunTheirActions)
{
    framework::WriteProfileInt("KEY_OPTIONS", "DownButton", 6); // Last Record
    framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 3); // First Record
    framework::WriteProfileInt("KEY_OPTIONS", "ActionButton", 13); // Hide Column
    QTest::keyClick(view.grid(), Qt::Key_9, kButton);
    EXPECT_EQ(view.grid()->currentRow(), 2);
    QTest::keyClick(view.grid(), Qt::Key_6, kButton);
    EXPECT_EQ(view.grid()->currentRow(), 0);
    EXPECT_EQ(view.grid()->currentColumn(), 2) << "the key ran its action, not a move";
    QTest::keyClick(view.grid(), Qt::Key_0, kButton);
    EXPECT_TRUE(view.grid()->isColumnHidden(2));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(RecordViewKeysTest, TheArrowsMoveWhateverTheButtonsAreMappedTo)
{
    framework::WriteProfileInt("KEY_OPTIONS", "DownButton", 6);
    framework::WriteProfileInt("KEY_OPTIONS", "RightButton", 0);
    QTest::keyClick(view.grid(), Qt::Key_7, kButton);
    QTest::keyClick(view.grid(), Qt::Key_Down);
    EXPECT_EQ(view.grid()->currentRow(), 1);
    QTest::keyClick(view.grid(), Qt::Key_Right);
    EXPECT_EQ(view.grid()->currentColumn(), 3);
    EXPECT_EQ(column("SELECT Name FROM Guests"), QStringList({"Zoë O'Brien", "Ana", "Björn"}));
}

TEST_F(RecordViewKeysTest, TheFormViewTakesTheSameKeys)
{
    view.hide();
    CAutoForm form(context);
    ASSERT_TRUE(form.openAutoForm("Guests"));
    ViewKeyActions formKeys{[&form] { return &form; }, [&form](int key) { form.performKeyAction(keyAction(key)); }};
    qApp->installEventFilter(&formKeys);
    form.show();
    auto* name = form.surface()->findChildren<QLineEdit*>().value(1);
    ASSERT_TRUE(name);
    framework::WriteProfileInt("KEY_OPTIONS", "DownButton", 4); // Next Record
    framework::WriteProfileInt("KEY_OPTIONS", "ActionButton", 6); // Last Record
    EXPECT_EQ(form.session().position(), 1);
    QTest::keyClick(name, Qt::Key_9, kButton);
    EXPECT_EQ(form.session().position(), 2);
    QTest::keyClick(name, Qt::Key_0, kButton | Qt::KeypadModifier);
    EXPECT_EQ(form.session().position(), 3);
    qApp->removeEventFilter(&formKeys);
}
