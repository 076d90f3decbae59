// The program's use of the file browser component, through COM as the database window makes it: where
// the chooser opens, purpose by purpose.
#include "app/DesktopPlatform.h"
#include "app/FileBrowserClient.h"

#include "filebrowser/BrowserControls.h"
#include "support/KestrineLibrary.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

class FileBrowserClient : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }

    void SetUp() override
    {
        for (const char* file : {"Documents/Sample.cdb", "Documents/Stock/Ventes d'été.cdb", "Imports/prices.csv",
                                 "Imports/list.tsv", "Imports/readme.md", "Databases/Empty.cdb"}) {
            std::filesystem::create_directories((m_root / file).parent_path());
            std::ofstream(m_root / file) << "x";
        }
        ASSERT_EQ(registerKestrine(), S_OK);
    }

    // Asks for a file as the program does and, once the chooser shows, takes the user's steps on it;
    // the folder it opened on is kept. A chooser the steps leave open is cancelled.
    QString browse(const BrowseRequest& request, const std::function<void(BrowserControls&)>& steps)
    {
        return whileShown([&] { return browseWithComponent(request, nullptr); }, steps);
    }
    QString whileShown(const std::function<QString()>& ask, const std::function<void(BrowserControls&)>& steps)
    {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            poll.stop();
            BrowserControls controls(dialog);
            m_openedOn = controls.child<QComboBox>("pathBox")->currentText();
            steps(controls);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start();
        m_openedOn.clear();
        return ask();
    }

    // Types a folder into the path box and presses Enter, clicks the file and presses Enter on its name.
    static std::function<void(BrowserControls&)> choose(const QString& folder, const QString& name)
    {
        return [=](BrowserControls& controls) {
            QLineEdit* path = controls.child<QComboBox>("pathBox")->lineEdit();
            path->selectAll();
            QTest::keyClicks(path, folder);
            QTest::keyClick(path, Qt::Key_Return);
            controls.click(name);
            QTest::keyClick(controls.child<QLineEdit>("fileNameBox"), Qt::Key_Return);
        };
    }
    static void cancel(BrowserControls& controls) { controls.press("cancelButton"); }

    static BrowseRequest request(BrowsePurpose purpose, const QString& filters = QStringLiteral("*.*"))
    {
        return {.title = QStringLiteral("Browse"), .filters = filters, .failureCaption = QStringLiteral("Test"),
                .purpose = purpose};
    }

    TempRoot m_root;
    QString m_openedOn;
};

} // namespace

TEST_F(FileBrowserClient, EachPurposeOpensInTheFolderItLastChoseFrom)
{
    const BrowseRequest database = request(BrowsePurpose::Database, "*.cdb(Varnel Desk Databases)");
    const BrowseRequest import = request(BrowsePurpose::Import, "*.txt;*.csv;*.tab;*.tsv(Text Files)|*.*(All Files)");

    EXPECT_EQ(browse(database, choose("\\Documents\\Stock", "Ventes d'été.cdb")), "\\Documents\\Stock\\Ventes d'été.cdb");
    EXPECT_EQ(m_openedOn, "\\My Document") << "nothing chosen yet: the Default Database Folder, made on a new device";
    EXPECT_EQ(browse(import, choose("\\Imports", "prices.csv")), "\\Imports\\prices.csv");
    EXPECT_EQ(m_openedOn, "\\") << "the databases' folder is theirs alone";

    EXPECT_EQ(browse(database, [](BrowserControls& controls) {
                  EXPECT_EQ(controls.shownNames(), QStringList{"Ventes d'été.cdb"});
                  cancel(controls);
              }),
              "");
    EXPECT_EQ(m_openedOn, "\\Documents\\Stock");
    browse(import, [](BrowserControls& controls) {
        EXPECT_EQ(controls.shownNames(), (QStringList{"prices.csv", "list.tsv"}));
        cancel(controls);
    });
    EXPECT_EQ(m_openedOn, "\\Imports");

    // A cancelled choice leaves the purpose's folder as it was.
    browse(database, [](BrowserControls& controls) {
        controls.press("upButton");
        cancel(controls);
    });
    browse(database, cancel);
    EXPECT_EQ(m_openedOn, "\\Documents\\Stock");
}

// The files the program writes are named in the same browser: a new database's name need not exist,
// and no question asks whether to create what New Database is for.
TEST_F(FileBrowserClient, NewDatabaseAndExportFormNameTheirFilesInTheBrowser)
{
    MessageRecorder messages;
    DesktopPlatform platform;
    const auto typeName = [](const QString& name) {
        return [name](BrowserControls& controls) {
            QLineEdit* box = controls.child<QLineEdit>("fileNameBox");
            box->selectAll();
            QTest::keyClicks(box, name);
            if (const QString folder = qEnvironmentVariable("VARNEL_SHOTS"); !folder.isEmpty())
                box->window()->grab().save(folder + QStringLiteral("/browser-new-database.png"));
            QTest::keyClick(box, Qt::Key_Return);
        };
    };
    EXPECT_EQ(whileShown([&] { return platform.chooseNewDatabase(); }, typeName("Shop")), "\\My Document\\Shop.cdb");
    EXPECT_EQ(m_openedOn, "\\My Document") << "where Open Database starts";
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();

    QString offered;
    EXPECT_EQ(whileShown([&] { return platform.chooseFormFile("Orders"); },
                         [&](BrowserControls& controls) {
                             offered = controls.child<QLineEdit>("fileNameBox")->text();
                             QTest::keyClick(controls.child<QLineEdit>("fileNameBox"), Qt::Key_Return);
                         }),
              "\\Orders.xnf");
    EXPECT_EQ(offered, "Orders.xnf");
    // The form file's folder is remembered for the next form file, the database's for databases.
    whileShown([&] { return platform.chooseFormFile("Orders"); }, cancel);
    EXPECT_EQ(m_openedOn, "\\");
    whileShown([&] { return platform.chooseNewDatabase(); }, cancel);
    EXPECT_EQ(m_openedOn, "\\My Document");
}
