// The arrows and Enter in a real datasheet: a mapped key runs its action on the records, an unmapped
// one moves the cell as it always did.
#include "app/ViewKeyActions.h"
#include "app/shell/HardwareKeys.h"
#include "platform/framework/Profile.h"
#include "tables/CViewDataGrid.h"
#include "tables/CViewTableData.h"
#include "tables/DatasheetFixture.h"

#include <QApplication>
#include <QTest>

using namespace fieldtypes;

namespace {

class DatasheetKeysTest : public DatasheetFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "datasheet_keys_tests";
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

TEST_F(DatasheetKeysTest, MappedArrowsAndEnterRunTheirActions)
{
    framework::WriteProfileInt("KEY_OPTIONS", "DownButton", 6); // Last Record
    framework::WriteProfileInt("KEY_OPTIONS", "LeftButton", 3); // First Record
    framework::WriteProfileInt("KEY_OPTIONS", "ActionButton", 13); // Hide Column
    QTest::keyClick(view.grid(), Qt::Key_Down);
    EXPECT_EQ(view.grid()->currentRow(), 2);
    QTest::keyClick(view.grid(), Qt::Key_Left);
    EXPECT_EQ(view.grid()->currentRow(), 0);
    EXPECT_EQ(view.grid()->currentColumn(), 2) << "the key ran its action, not its own move";
    QTest::keyClick(view.grid(), Qt::Key_Return);
    EXPECT_TRUE(view.grid()->isColumnHidden(2));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(DatasheetKeysTest, UnmappedKeysKeepTheirOwnMove)
{
    framework::WriteProfileInt("KEY_OPTIONS", "DownButton", 0);
    framework::WriteProfileInt("KEY_OPTIONS", "RightButton", 0);
    QTest::keyClick(view.grid(), Qt::Key_Down);
    EXPECT_EQ(view.grid()->currentRow(), 1);
    QTest::keyClick(view.grid(), Qt::Key_Right);
    EXPECT_EQ(view.grid()->currentColumn(), 3);
    EXPECT_EQ(column("SELECT Name FROM Guests"), QStringList({"Zoë O'Brien", "Ana", "Björn"}));
}
