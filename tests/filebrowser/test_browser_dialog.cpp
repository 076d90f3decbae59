#include "BrowserControls.h"
#include "BrowserFixture.h"

#include "filebrowser/BrowserDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

// Drives the chooser's window the way a user would, through its controls.
class BrowserDialogTest : public BrowserFixture {
protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }

    void open(const BrowserRequest& request)
    {
        m_dialog = std::make_unique<BrowserDialog>(request, nullptr);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    // Presses Enter in a box, answering the message it may raise; the message's text, empty when none.
    QString enterIn(QWidget* box)
    {
        QString said;
        QTimer::singleShot(0, [&] {
            if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = message->text();
                message->accept();
            }
        });
        QTest::keyClick(box, Qt::Key_Return);
        QApplication::processEvents();
        return said;
    }

    template <typename T>
    T* child(const char* name) const
    {
        return controls().child<T>(name);
    }
    QTreeView* details() const { return controls().details(); }
    QStringList shownNames() const { return controls().shownNames(); }
    void click(const QString& name) { controls().click(name); }
    void doubleClick(const QString& name) { controls().doubleClick(name); }
    void press(const char* button) { controls().press(button); }
    void clickHeader(int column) { controls().clickHeader(column); }
    BrowserControls controls() const { return BrowserControls(m_dialog.get()); }

    std::unique_ptr<BrowserDialog> m_dialog;
};

}  // namespace

TEST_F(BrowserDialogTest, ShowsCaptionFilterRootAndVisibleColumns)
{
    makeDocs();
    open(request("\\"));
    EXPECT_EQ(m_dialog->windowTitle(), "File Browse");
    auto* filters = child<QComboBox>("filterBox");
    ASSERT_EQ(filters->count(), 1);
    EXPECT_EQ(filters->currentText(), "*.*");
    EXPECT_EQ(child<QComboBox>("pathBox")->currentText(), "\\");
    EXPECT_EQ(shownNames(), QStringList{"Docs"});

    const QAbstractItemModel* model = details()->model();
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers << model->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Name", "Size", "Modified", "SizeK", "Type"}));
    EXPECT_TRUE(details()->isColumnHidden(browser::SizeK));
    EXPECT_TRUE(details()->isColumnHidden(browser::Type));
    const int width = details()->viewport()->width();
    EXPECT_EQ(details()->columnWidth(browser::Size), width / 4);
    EXPECT_EQ(details()->columnWidth(browser::Modified), width / 2);
}

TEST_F(BrowserDialogTest, OpensRoomyWithLongTextsWholeAndNeverBeyondTheScreen)
{
    makeFolder("A folder with a rather long name for a database of the year 2026");
    BrowserRequest request = this->request("\\", "*.txt;*.csv;*.tab;*.tsv(Text Files)|*.*(All Files)");
    open(request);
    const QFontMetrics metrics(m_dialog->font());
    EXPECT_GE(m_dialog->width(), 60 * metrics.averageCharWidth());
    EXPECT_GE(m_dialog->height(), 20 * metrics.lineSpacing());
    const QSize screen = m_dialog->screen()->availableGeometry().size();
    EXPECT_LE(m_dialog->width(), screen.width());
    EXPECT_LE(m_dialog->height(), screen.height());

    auto* filters = child<QComboBox>("filterBox");
    EXPECT_EQ(filters->itemText(0), "Text Files (*.txt *.csv *.tab *.tsv)");
    EXPECT_GE(filters->width(), metrics.horizontalAdvance(filters->itemText(0)));
    const QString longName = "A folder with a rather long name for a database of the year 2026";
    EXPECT_GE(details()->columnWidth(browser::Name), metrics.horizontalAdvance(longName));
    EXPECT_GE(details()->columnWidth(browser::Modified), metrics.horizontalAdvance(details()->model()->index(0, browser::Modified).data().toString()));
}

TEST_F(BrowserDialogTest, EnterInTheNameBoxOpensAFolderChoosesAFileAndNamesWhatIsMissing)
{
    makeDocs();
    open(request("\\Docs"));
    auto* name = child<QLineEdit>("fileNameBox");
    auto* path = child<QComboBox>("pathBox");
    QTest::keyClicks(name, "Archive");
    EXPECT_EQ(enterIn(name), "");
    EXPECT_EQ(path->currentText(), "\\Docs\\Archive") << "Enter opens the folder typed, it does not go up";
    EXPECT_EQ(name->text(), "");

    QTest::keyClicks(name, "missing.cdb");
    EXPECT_EQ(enterIn(name), "missing.cdb\nThis file or folder does not exist.");
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(path->currentText(), "\\Docs\\Archive");

    name->clear();
    QTest::keyClicks(name, "\\Docs\\notes.txt");
    EXPECT_EQ(enterIn(name), "");
    EXPECT_EQ(m_dialog->answer().filePath, "\\Docs\\notes.txt");
    EXPECT_FALSE(m_dialog->isVisible());
}

TEST_F(BrowserDialogTest, EnterInThePathBoxOpensTheFolderTypedOrSaysItIsMissing)
{
    makeDocs();
    open(request("\\"));
    auto* path = child<QComboBox>("pathBox");
    path->lineEdit()->selectAll();
    QTest::keyClicks(path->lineEdit(), "\\Docs\\Archive");
    EXPECT_EQ(enterIn(path->lineEdit()), "");
    EXPECT_EQ(path->currentText(), "\\Docs\\Archive");
    EXPECT_TRUE(shownNames().isEmpty());

    path->lineEdit()->selectAll();
    QTest::keyClicks(path->lineEdit(), "\\Nowhere");
    EXPECT_EQ(enterIn(path->lineEdit()), "\\Nowhere\nThis file or folder does not exist.");
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(BrowserDialogTest, ArrowsAndEnterInTheListOpenFoldersAndChooseFiles)
{
    makeDocs();
    open(request("\\Docs", "*.cdb(Databases)"));
    EXPECT_TRUE(details()->hasFocus()) << "the list takes the keys at start";
    details()->setCurrentIndex(details()->model()->index(0, browser::Name));  // "beta"
    QTest::keyClick(details(), Qt::Key_Down);                                 // "Archive"
    QTest::keyClick(details(), Qt::Key_Return);
    EXPECT_EQ(child<QComboBox>("pathBox")->currentText(), "\\Docs\\Archive");
    press("upButton");
    details()->setCurrentIndex(details()->model()->index(2, browser::Name));  // "addresses.cdb"
    QTest::keyClick(details(), Qt::Key_Down);
    EXPECT_EQ(child<QLineEdit>("fileNameBox")->text(), "Sales.cdb") << "the row reached by keys names its file";
    QTest::keyClick(details(), Qt::Key_Return);
    EXPECT_EQ(m_dialog->answer().filePath, "\\Docs\\Sales.cdb");
    EXPECT_FALSE(m_dialog->isVisible());
}

TEST_F(BrowserDialogTest, DoubleClicksOpenAFolderAndChooseAFile)
{
    makeDocs();
    open(request("\\"));
    doubleClick("Docs");
    EXPECT_EQ(child<QComboBox>("pathBox")->currentText(), "\\Docs");
    EXPECT_TRUE(shownNames().contains("Sales.cdb"));
    doubleClick("Sales.cdb");
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(m_dialog->answer().chosen);
    EXPECT_EQ(m_dialog->answer().filePath, "\\Docs\\Sales.cdb");
    EXPECT_FALSE(m_dialog->isVisible());
}

TEST_F(BrowserDialogTest, ClickNamesTheFileAndOkChoosesItUnlessANameIsTypedAfter)
{
    makeDocs();
    open(request("\\Docs"));
    click("notes.txt");
    auto* name = child<QLineEdit>("fileNameBox");
    EXPECT_EQ(name->text(), "notes.txt");
    click("Sales.cdb");
    name->selectAll();
    QTest::keyClicks(name, "notes.txt");
    EXPECT_TRUE(details()->selectionModel()->selectedIndexes().isEmpty()) << "the typed name is the one taken";
    press("okButton");
    EXPECT_EQ(m_dialog->answer().fileName, "notes.txt");
    EXPECT_EQ(m_dialog->answer().filePath, "\\Docs\\notes.txt");
}

TEST_F(BrowserDialogTest, TypedWildcardAndOkRelistsWithinTheSizeLimit)
{
    makeDocs();
    BrowserRequest limited = request("\\Docs", "*.cdb(Pocket Access Files)");
    limited.maxFilesize = 10000;
    open(limited);
    EXPECT_TRUE(shownNames().contains("Sales.cdb"));
    QTest::keyClicks(child<QLineEdit>("fileNameBox"), "*.cdb");
    press("okButton");
    EXPECT_EQ(shownNames(), (QStringList{"Archive", "beta", "addresses.cdb", "Zoo.CDB"}));
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(BrowserDialogTest, UpButtonAndPathBoxNavigate)
{
    makeDocs();
    open(request("\\Docs\\Archive"));
    press("upButton");
    auto* path = child<QComboBox>("pathBox");
    EXPECT_EQ(path->currentText(), "\\Docs");
    press("upButton");
    press("upButton");
    EXPECT_EQ(path->currentText(), "\\");
    EXPECT_EQ(shownNames(), QStringList{"Docs"});
    ASSERT_EQ(path->count(), 3);
    emit path->activated(2);  // "\Docs\Archive", as when the drop-down closes on it
    EXPECT_EQ(path->currentText(), "\\Docs\\Archive");

    QTest::keyClicks(path->lineEdit(), "\\Docs");
    path->setEditText("\\Docs\\Archive");
    press("upButton");
    EXPECT_EQ(path->currentText(), "\\Docs");
}

TEST_F(BrowserDialogTest, HeaderClicksOnNameReverseTheBlocks)
{
    makeDocs();
    open(request("\\Docs"));
    clickHeader(browser::Name);
    EXPECT_EQ(shownNames(),
              (QStringList{"Archive", "beta", "addresses.cdb", "notes.txt", "picture.bmp", "Sales.cdb", "Zoo.CDB"}));
    clickHeader(browser::Name);
    EXPECT_EQ(shownNames(),
              (QStringList{"beta", "Archive", "Zoo.CDB", "Sales.cdb", "picture.bmp", "notes.txt", "addresses.cdb"}));
}

TEST_F(BrowserDialogTest, ViewMenuSwitchesStyles)
{
    makeDocs();
    open(request("\\Docs"));
    auto* menu = child<QMenu>("viewMenu");
    EXPECT_EQ(child<QPushButton>("viewButton")->menu(), menu);
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << action->text();
    ASSERT_EQ(captions, (QStringList{"List", "Details", "Icon", "Tiles"}));
    auto* icons = child<QListView>("iconList");
    menu->actions()[2]->trigger();
    EXPECT_TRUE(icons->isVisible());
    EXPECT_EQ(icons->viewMode(), QListView::IconMode);
    menu->actions()[0]->trigger();
    EXPECT_EQ(icons->viewMode(), QListView::ListMode);
    menu->actions()[1]->trigger();
    EXPECT_TRUE(details()->isVisible());
    EXPECT_EQ(shownNames().first(), "Archive");
}

TEST_F(BrowserDialogTest, FoldersOnlyOkThenCancelAnswersTheFolder)
{
    makeDocs();
    BrowserRequest folders = request("\\");
    folders.showOnlyFolders = true;
    open(folders);
    doubleClick("Docs");
    EXPECT_EQ(shownNames(), (QStringList{"Archive", "beta"}));
    press("okButton");
    EXPECT_TRUE(m_dialog->isVisible());
    press("cancelButton");
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(m_dialog->answer().chosen);
    EXPECT_EQ(m_dialog->answer().recordedFolder, "\\Docs");
}

TEST_F(BrowserDialogTest, RunsModallyAndTheCloseBoxCancels)
{
    makeDocs();
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        EXPECT_EQ(modal->windowTitle(), "Open Database ");
        // A second chooser while this one runs gets nothing.
        EXPECT_FALSE(runBrowserDialog({}, nullptr).chosen);
        modal->close();
    });
    BrowserRequest open = request("\\Docs");
    open.title = "Open Database ";
    const BrowserResult result = runBrowserDialog(open, nullptr);
    EXPECT_FALSE(result.chosen);
    EXPECT_TRUE(result.fileName.isEmpty());
}
