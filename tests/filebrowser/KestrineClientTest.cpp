// The component used as the program uses it: created through COM, its chooser driven while Open waits.
#include "BrowserControls.h"
#include "BrowserFixture.h"

#include "filebrowser/IFileBrowser.h"
#include "platform/com/com.h"
#include "support/KestrineLibrary.h"

#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>

#include <functional>

namespace {

class KestrineClient : public BrowserFixture {
protected:
    static void SetUpTestSuite() { ensureWidgetApplication(); }

    void SetUp() override
    {
        makeDocs();
        CoInitializeEx(nullptr, 0);
        ASSERT_EQ(registerKestrine(), S_OK);
        CLSID clsid{};
        ASSERT_EQ(CLSIDFromProgID(kFileBrowserProgId, &clsid), S_OK);
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IFileBrowser,
                                   reinterpret_cast<void**>(&m_browser)),
                  S_OK);
    }

    void TearDown() override
    {
        if (m_browser)
            m_browser->Release();
        CoUninitialize();
    }

    void putText(HRESULT (IFileBrowser::*put)(BSTR), const QString& text)
    {
        BSTR value = com::allocString(text);
        (m_browser->*put)(value);
        SysFreeString(value);
    }

    QString text(HRESULT (IFileBrowser::*get)(BSTR*))
    {
        BSTR value = nullptr;
        (m_browser->*get)(&value);
        const QString result = com::toQString(value);
        SysFreeString(value);
        return result;
    }

    std::int32_t okCancel()
    {
        std::int32_t value = -1;
        m_browser->get_OkCancel(&value);
        return value;
    }

    // Runs `open` and, once the chooser shows, the user's steps on it. A chooser the steps leave open
    // is cancelled, so a failing step never hangs the test.
    void whileOpen(const std::function<HRESULT()>& open, const std::function<void(QDialog&, BrowserControls&)>& steps)
    {
        bool ran = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || ran)
                return;
            ran = true;
            poll.stop();
            BrowserControls controls(dialog);
            steps(*dialog, controls);
            if (dialog->isVisible())
                dialog->reject();
        });
        poll.start();
        EXPECT_EQ(open(), S_OK);
        EXPECT_TRUE(ran) << "the chooser never showed";
    }

    void openAnd(const std::function<void(QDialog&, BrowserControls&)>& steps, std::uint32_t parent = 0)
    {
        whileOpen([&] { return m_browser->Open(parent); }, steps);
    }

    IFileBrowser* m_browser = nullptr;
};

TEST_F(KestrineClient, PicksADatabaseLikeTheProgramAndUnloadsAfterwards)
{
    m_browser->put_MaxFilesize(-1);
    m_browser->put_ShowOnlyFolders(0);
    putText(&IFileBrowser::put_Title, "Open Database ");
    putText(&IFileBrowser::put_Filters, "*.cdb(Pocket Access Files)");
    putText(&IFileBrowser::put_DefaultDirectory, "\\Docs");
    openAnd([](QDialog& dialog, BrowserControls& controls) {
        EXPECT_EQ(dialog.windowTitle(), "Open Database ");
        auto* filters = controls.child<QComboBox>("filterBox");
        ASSERT_EQ(filters->count(), 1);
        EXPECT_EQ(filters->itemText(0), "Pocket Access Files (*.cdb)") << "the passed filter, shown readably";
        EXPECT_EQ(controls.shownNames(), (QStringList{"beta", "Archive", "Sales.cdb", "addresses.cdb"}));
        controls.doubleClick("Sales.cdb");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(okCancel(), 1);
    EXPECT_EQ(text(&IFileBrowser::get_FileName), "Sales.cdb");
    EXPECT_EQ(text(&IFileBrowser::get_FilePath), "\\Docs\\Sales.cdb");

    EXPECT_EQ(m_browser->Release(), 0u);
    m_browser = nullptr;
    EXPECT_TRUE(kestrineLoaded());
    CoFreeUnusedLibraries();
    EXPECT_FALSE(kestrineLoaded());
}

// The save settings live on a second interface of the same object; with them a typed name that is not
// there is the answer, and one that is asks before it is taken.
TEST_F(KestrineClient, NamesAFileToWriteThroughItsSaveInterface)
{
    IFileBrowserSave* save = nullptr;
    ASSERT_EQ(m_browser->QueryInterface(IID_IFileBrowserSave, reinterpret_cast<void**>(&save)), S_OK);
    ASSERT_TRUE(save);
    BSTR extension = com::allocString(QStringLiteral("cdb"));
    BSTR suggested = com::allocString(QStringLiteral("Stock.cdb"));
    save->put_SaveExtension(extension);
    save->put_SuggestedName(suggested);
    SysFreeString(extension);
    SysFreeString(suggested);
    putText(&IFileBrowser::put_Filters, "*.cdb(Databases)");
    putText(&IFileBrowser::put_DefaultDirectory, "\\Docs");
    openAnd([](QDialog&, BrowserControls& controls) {
        auto* name = controls.child<QLineEdit>("fileNameBox");
        EXPECT_EQ(name->text(), "Stock.cdb");
        name->clear();
        QTest::keyClicks(name, "Shop");
        controls.press("okButton");
    });
    EXPECT_EQ(okCancel(), 1);
    EXPECT_EQ(text(&IFileBrowser::get_FilePath), "\\Docs\\Shop.cdb");
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString((m_root / "Docs/Shop.cdb").string())))
        << "the chooser only names the file";

    // The object answers for both interfaces as one.
    IUnknown* first = nullptr;
    IUnknown* second = nullptr;
    m_browser->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&first));
    save->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&second));
    EXPECT_EQ(first, second);
    first->Release();
    second->Release();
    EXPECT_GT(save->Release(), 0u);
}

TEST_F(KestrineClient, UntouchedObjectShowsTheDefaultsAndCancelKeepsTheLastAnswer)
{
    openAnd([](QDialog& dialog, BrowserControls& controls) {
        EXPECT_EQ(dialog.windowTitle(), "File Browse");
        auto* filters = controls.child<QComboBox>("filterBox");
        ASSERT_EQ(filters->count(), 1);
        EXPECT_EQ(filters->itemText(0), "*.*");
        EXPECT_EQ(controls.child<QComboBox>("pathBox")->currentText(), "\\");
        EXPECT_EQ(controls.shownNames(), (QStringList{"Windows", "Docs"})) << "the system folder is on the device";
        controls.doubleClick("Docs");
        controls.click("notes.txt");
        controls.press("okButton");
    });
    EXPECT_EQ(okCancel(), 1);
    EXPECT_EQ(text(&IFileBrowser::get_FilePath), "\\Docs\\notes.txt");

    // A second Open starts again from the stored defaults; Cancel clears only the flag.
    openAnd([](QDialog&, BrowserControls& controls) {
        EXPECT_EQ(controls.child<QComboBox>("pathBox")->currentText(), "\\");
        controls.press("cancelButton");
    });
    EXPECT_EQ(okCancel(), 0);
    EXPECT_EQ(text(&IFileBrowser::get_FileName), "notes.txt");
}

TEST_F(KestrineClient, SizeLimitAppliesOnlyToTheTypedWildcardListing)
{
    putText(&IFileBrowser::put_DefaultDirectory, "\\Docs");
    for (const std::int32_t limit : {10000, -1}) {
        SCOPED_TRACE(limit);
        m_browser->put_MaxFilesize(limit);
        openAnd([limit](QDialog&, BrowserControls& controls) {
            EXPECT_TRUE(controls.shownNames().contains("Sales.cdb")) << "opening the folder lists the 20000 bytes";
            QTest::keyClicks(controls.child<QLineEdit>("fileNameBox"), "*.cdb");
            controls.press("okButton");
            const QStringList names = controls.shownNames();
            EXPECT_EQ(names.mid(0, 2), (QStringList{"Archive", "beta"})) << "folders first";
            EXPECT_TRUE(names.contains("addresses.cdb"));
            EXPECT_FALSE(names.contains("notes.txt"));
            EXPECT_EQ(names.contains("Sales.cdb"), limit == -1);
            controls.press("cancelButton");
        });
        EXPECT_EQ(okCancel(), 0);
    }
}

TEST_F(KestrineClient, FoldersOnlyAnswersTheFolderOfTheLastOk)
{
    m_browser->put_ShowOnlyFolders(7);
    putText(&IFileBrowser::put_DefaultDirectory, "\\Docs");
    openAnd([](QDialog& dialog, BrowserControls& controls) {
        EXPECT_EQ(controls.shownNames(), (QStringList{"beta", "Archive"}));
        controls.doubleClick("Archive");
        controls.press("okButton");
        EXPECT_TRUE(dialog.isVisible()) << "Ok never ends the folder chooser";
        controls.press("cancelButton");
    });
    EXPECT_EQ(okCancel(), 0);
    EXPECT_EQ(text(&IFileBrowser::get_FileName), "\\Docs\\Archive");

    openAnd([](QDialog&, BrowserControls& controls) { controls.press("cancelButton"); });
    EXPECT_EQ(text(&IFileBrowser::get_FileName), "") << "no Ok this time";

    m_browser->put_ShowOnlyFolders(0);
    openAnd([](QDialog&, BrowserControls& controls) {
        EXPECT_EQ(controls.shownNames().size(), 7) << "files are listed again";
    });
}

TEST_F(KestrineClient, ChooserIsModalOverTheWindowNamedByTheHandle)
{
    QMainWindow owner;
    owner.show();
    QWidget other;
    other.show();
    other.activateWindow();
    const auto handle = static_cast<std::uint32_t>(owner.winId());
    openAnd(
        [&owner](QDialog& dialog, BrowserControls&) {
            EXPECT_EQ(dialog.parentWidget(), &owner);
            EXPECT_TRUE(dialog.isModal());
        },
        handle);
}

TEST_F(KestrineClient, ScriptsOpenTheChooserThroughDispatch)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(u"OPEN")};
    DISPID open = 0;
    ASSERT_EQ(m_browser->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &open), S_OK);
    Variant parent(std::int32_t{0});
    DISPPARAMS params{&parent, nullptr, 1, 0};
    whileOpen(
        [&] {
            return m_browser->Invoke(open, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                                     nullptr);
        },
        [](QDialog& dialog, BrowserControls&) { EXPECT_EQ(dialog.windowTitle(), "File Browse"); });
    EXPECT_EQ(okCancel(), 0);
}

} // namespace
