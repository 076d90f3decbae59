#include "filebrowser/IFileBrowser.h"
#include "platform/com/com.h"
#include "platform/registry/Registry.h"
#include "platform/device/DevicePath.h"
#include "platform/device/Process.h"
#include "platform/device/SystemFolder.h"
#include "support/KestrineLibrary.h"
#include "support/MessageRecorder.h"
#include "support/RegistryDump.h"
#include "support/TempRoot.h"
#include "tools/regsvrce/Registration.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include <fstream>

namespace {

using regsvrce::parseArguments;

const QString kInprocServer = QStringLiteral("CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\InprocServer32 = ");
// The links the program's start-up makes to the built component and tool.
const std::vector<device::BuiltFileLink> kStartUpLinks = {{QStringLiteral("Kestrine.dll"), QStringLiteral("Kestrine.so")},
                                                          {QStringLiteral("Regsvrce.exe"), QStringLiteral("regsvrce")}};

TEST(RegsvrceArguments, SwitchesInAnyOrderAndCaseAndOneLibrary)
{
    auto request = parseArguments({"/s", "Windows//Kestrine.dll"});
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->silent);
    EXPECT_FALSE(request->unregister);
    EXPECT_EQ(request->library, "Windows//Kestrine.dll");

    request = parseArguments({"/U", "/home/me/Kestrine.so", "-S"});
    ASSERT_TRUE(request);
    EXPECT_TRUE(request->silent && request->unregister);
    EXPECT_EQ(request->library, "/home/me/Kestrine.so") << "a host path is a library, not a switch";

    EXPECT_FALSE(parseArguments({}));
    EXPECT_FALSE(parseArguments({"/s"}));
    EXPECT_FALSE(parseArguments({"/x", "Kestrine.dll"}));
    EXPECT_FALSE(parseArguments({"a.dll", "b.dll"}));
}

class Regsvrce : public ::testing::Test {
protected:
    TempRoot m_root;
    MessageRecorder m_messages;
};

TEST_F(Regsvrce, ReportsSuccessOfBothDirections)
{
    EXPECT_EQ(regsvrce::run({kKestrineLibrary}), regsvrce::Success);
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.messages()[0].text, "DllRegisterServer in " + kKestrineLibrary + " succeeded.");
    EXPECT_EQ(m_messages.messages()[0].caption, "RegSvrCE");
    EXPECT_TRUE(registryDump().contains(kInprocServer + kKestrineLibrary));

    EXPECT_EQ(regsvrce::run({"/u", kKestrineLibrary}), regsvrce::Success);
    EXPECT_EQ(m_messages.texts().value(1), "DllUnregisterServer in " + kKestrineLibrary + " succeeded.");
    EXPECT_EQ(registryDump(), (QStringList{"CLSID", "Interface", "TypeLib"}));
}

TEST_F(Regsvrce, ReportsEachKindOfFailureWithItsExitCode)
{
    EXPECT_EQ(regsvrce::run({"Windows//Missing.dll"}), regsvrce::FailLoad);
    EXPECT_EQ(m_messages.texts().value(0), "LoadLibrary(\"Windows//Missing.dll\") failed.");

    std::ofstream(m_root / "notalibrary.dll") << "text";
    EXPECT_EQ(regsvrce::run({"\\notalibrary.dll"}), regsvrce::FailLoad);

    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&qVersion), &info);
    const QString qtCore = QString::fromLocal8Bit(info.dli_fname);
    EXPECT_EQ(regsvrce::run({qtCore}), regsvrce::FailEntry);
    EXPECT_EQ(m_messages.texts().value(2), qtCore + " was loaded, but the DllRegisterServer entry point was not "
                                                    "found.\n\n" + qtCore +
                                               " does not appear to be a component library.");

    EXPECT_EQ(regsvrce::run({"/s"}), regsvrce::FailArguments);
    EXPECT_EQ(m_messages.texts().value(3), "Usage: regsvrce [/s] [/u] LIBRARY");
    EXPECT_EQ(regsvrce::run({"/s", "Windows//Missing.dll"}), regsvrce::FailLoad);
    EXPECT_EQ(m_messages.messages().size(), 4u) << "silent failures show nothing";
}

// The start-up's own command line: the links in the system folder make it run as written.
TEST_F(Regsvrce, SeededLinksLetTheStartUpCommandRegisterTheComponent)
{
    const QString programDir = QFileInfo(kKestrineLibrary).absolutePath();
    device::linkBuiltFiles(programDir, kStartUpLinks);
    EXPECT_EQ(QFileInfo(*device::toHostPath("\\Windows\\Kestrine.dll")).symLinkTarget(), kKestrineLibrary);
    EXPECT_EQ(QFileInfo(device::findProgram("Windows//Regsvrce.exe")).canonicalFilePath(),
              QFileInfo(QStringLiteral(REGSVRCE_PROGRAM)).canonicalFilePath());

    QProcess tool;
    tool.start(device::findProgram("Windows//Regsvrce.exe"), {"/s", "Windows//Kestrine.dll"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_TRUE(registryDump().contains(kInprocServer + "\\Windows\\Kestrine.dll"));

    // And a client finds the class through the link.
    CoInitializeEx(nullptr, 0);
    IUnknown* object = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_FileBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              S_OK);
    if (object)
        object->Release();
    CoUninitialize();
}

TEST_F(Regsvrce, LinksAreLeftAloneWhenNothingIsBesideTheProgram)
{
    const std::filesystem::path empty = m_root / "program";
    std::filesystem::create_directories(empty);
    device::linkBuiltFiles(QString::fromStdString(empty.string()), kStartUpLinks);
    EXPECT_FALSE(QFileInfo::exists(*device::toHostPath("\\Windows\\Kestrine.dll")));
    EXPECT_FALSE(QFileInfo::exists(*device::toHostPath("\\Windows\\Regsvrce.exe")));
}

QString cli(const QStringList& arguments, int& exitCode, QString* errors = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(VARNEL_CLI), arguments);
    process.waitForFinished(30000);
    exitCode = process.exitCode();
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(Regsvrce, CliRegistersQueriesAndUnregisters)
{
    int exitCode = -1;
    EXPECT_EQ(cli({"reg", "register", kKestrineLibrary}, exitCode), "");
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(cli({"reg", "query", "HKEY_CLASSES_ROOT\\Kestrine.FileBrowser.1"}, exitCode),
              "(Default)\tFileBrowser Class\nCLSID\\\n");
    EXPECT_EQ(cli({"reg", "query", "HKEY_CLASSES_ROOT\\CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\InprocServer32"},
                  exitCode),
              "(Default)\t" + kKestrineLibrary + "\nThreadingModel\tApartment\n");

    EXPECT_EQ(cli({"reg", "unregister", kKestrineLibrary}, exitCode), "");
    EXPECT_EQ(exitCode, 0);
    QString errors;
    EXPECT_EQ(cli({"reg", "query", "HKEY_CLASSES_ROOT\\Kestrine.FileBrowser.1"}, exitCode, &errors), "");
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(errors, "error: key not found\n");

    EXPECT_EQ(cli({"reg", "register", "\\Windows\\Missing.dll"}, exitCode, &errors), "");
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(errors, "error: LoadLibrary(\"\\Windows\\Missing.dll\") failed.\n");
}

TEST_F(Regsvrce, CliPrintsIntegersInDecimal)
{
    HKEY key = nullptr;
    RegCreateKeyEx(HKEY_CURRENT_USER, u"Software\\Test", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const DWORD number = 4294967295u;
    RegSetValueEx(key, u"Big", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    int exitCode = -1;
    EXPECT_EQ(cli({"reg", "query", "HKCU\\Software\\Test"}, exitCode), "Big\t4294967295\n");
}

} // namespace
