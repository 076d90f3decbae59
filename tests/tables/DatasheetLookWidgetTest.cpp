// The datasheet as it looks: columns wide enough for what they show, and the Table/Form colours.
#include "DatasheetFixture.h"
#include "support/HeaderClicks.h"
#include "support/WidgetApplication.h"
#include "tables/CViewDataGrid.h"
#include "tables/CViewTableData.h"
#include "widgets/ColumnFit.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTest>

#include <memory>

using namespace fieldtypes;

namespace {

const QString kLongName = QStringLiteral("Müller-Lüdenscheidt, Königsallee 1234");

class DatasheetLookTest : public DatasheetFixture {
protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }
    void SetUp() override
    {
        createTable("Customers", {field("ID", kAutoNumber), field("CustomerName", kText, {{"Field Size", "200"}}),
                                  field("Joined", kDateTime), field("Remark", kMemo)});
        ASSERT_TRUE(run("INSERT INTO Customers (ID, CustomerName, Joined, Remark) VALUES "
                        "(1, 'Li', '10/31/2024', 'x')"));
        ASSERT_TRUE(run("INSERT INTO Customers (ID, CustomerName, Joined, Remark) VALUES (2, '" + kLongName +
                        "', '12/24/2025', '" + QString(400, QLatin1Char('w')) + "')"));
    }
    CViewTableData& openView()
    {
        view = std::make_unique<CViewTableData>(context);
        view->resize(900, 500);
        EXPECT_TRUE(view->openTable("Customers"));
        view->show();
        return *view;
    }
    // The width a text needs in the grid's font, without the cell's margins.
    static int textWidth(const CViewDataGrid& grid, const QString& text)
    {
        return grid.fontMetrics().horizontalAdvance(text);
    }

    std::unique_ptr<CViewTableData> view;
};

TEST_F(DatasheetLookTest, ColumnsOpenWideEnoughForTheirTitleAndFirstPage)
{
    CViewDataGrid* grid = openView().grid();
    for (int column = 1; column <= 3; ++column) {
        const QString title = grid->horizontalHeaderItem(column)->text();
        EXPECT_GT(grid->columnWidth(column), textWidth(*grid, title)) << title.toStdString();
        for (int row = 0; row < grid->rowCount(); ++row)
            EXPECT_GT(grid->columnWidth(column), textWidth(*grid, grid->text(row, column)))
                << title.toStdString() << " row " << row << ": " << grid->text(row, column).toStdString();
    }
    EXPECT_GE(grid->columnWidth(0), textWidth(*grid, "2"));
    // A memo of 400 characters would crowd out every other column: it opens at the widest a column opens.
    EXPECT_EQ(grid->columnWidth(4), widestOpeningColumn(*grid));
}

TEST_F(DatasheetLookTest, AWidthTheUserSetStaysAndIsStoredAsSet)
{
    ASSERT_TRUE(run("INSERT INTO XNSysTables (TableSource, FieldName, Widths, Options) VALUES "
                    "('Customers', 'ID;CustomerName;Joined;Remark;', '50;33;0;50;', '')"));
    CViewDataGrid* grid = openView().grid();
    EXPECT_EQ(grid->columnWidth(2), 33);
    EXPECT_GT(grid->columnWidth(3), textWidth(*grid, grid->text(1, 3))) << "a stored 0 is no choice";

    // A double click on the border after the column fits it to its values.
    doubleClickBorderAfter(*grid->horizontalHeader(), 2);
    const int fitted = grid->columnWidth(2);
    EXPECT_GT(fitted, textWidth(*grid, kLongName));
    view.reset();
    EXPECT_EQ(column("SELECT Widths FROM XNSysTables WHERE TableSource = 'Customers'"),
              QStringList({QStringLiteral("50;%1;50;50;").arg(fitted)}))
        << "the columns left at their fitted width keep what they opened with";
}

TEST_F(DatasheetLookTest, TableFormColoursPaintTheGrid)
{
    context.tableForm.BackGround = 0x0000FF;       // red, outside the cells
    context.tableForm.CellColor = 0x00FF00;        // green cells
    context.tableForm.OnSelectionColor = 0xFF0000; // blue selection
    CViewDataGrid* grid = openView().grid();
    EXPECT_EQ(grid->palette().color(QPalette::Highlight), QColor(Qt::blue));

    const QImage picture = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(0, 4));
    EXPECT_EQ(QColor(picture.pixel(cell.center())), QColor(Qt::green));
    const int belowRows = grid->visualRect(grid->model()->index(1, 0)).bottom() + 10;
    ASSERT_LT(belowRows, picture.height());
    EXPECT_EQ(QColor(picture.pixel(5, belowRows)), QColor(Qt::red));
}

TEST_F(DatasheetLookTest, DefaultColoursLeaveTheDesktopsOwn)
{
    // The options' defaults: a light green background and a purple selection the user never chose.
    context.tableForm.BackGround = 0xCDFFCD;
    context.tableForm.CellColor = 0xFFFFFF;
    context.tableForm.OnSelectionColor = 0xF647B4;
    CViewDataGrid* grid = openView().grid();
    const QPalette desktop = QApplication::palette(grid);
    EXPECT_EQ(grid->palette().color(QPalette::Base), desktop.color(QPalette::Base));
    EXPECT_EQ(grid->palette().color(QPalette::Highlight), desktop.color(QPalette::Highlight));
    EXPECT_FALSE(grid->background().isValid());
}

} // namespace
