#include "filebrowser/IFileBrowser.h"
#include "platform/com/com.h"
#include "platform/registry/Registry.h"
#include "support/KestrineLibrary.h"
#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QtGlobal>

#include <dlfcn.h>

namespace {

constexpr CLSID kStranger = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};

void setClassesRootText(const QString& path, const QString& text)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, registry::wide(path), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                             nullptr),
              ERROR_SUCCESS);
    RegSetValueEx(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(registry::wide(text)),
                  static_cast<DWORD>((text.size() + 1) * 2));
    RegCloseKey(key);
}

void registerServerPath(REFCLSID clsid, const QString& path)
{
    setClassesRootText(QStringLiteral("CLSID\\%1\\InprocServer32").arg(com::guidToString(clsid)), path);
}

QString qtCoreLibrary()
{
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&qVersion), &info);
    return QString::fromLocal8Bit(info.dli_fname);
}

class ComActivation : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }
    void TearDown() override
    {
        CoUninitialize();
        EXPECT_FALSE(kestrineLoaded()) << "every test leaves with the library unloaded";
    }

    IFileBrowser* create(REFIID iid = IID_IFileBrowser)
    {
        void* object = nullptr;
        EXPECT_EQ(CoCreateInstance(CLSID_FileBrowser, nullptr, CLSCTX_INPROC_SERVER, iid, &object), S_OK);
        return static_cast<IFileBrowser*>(object);
    }

    TempRoot m_root;
};

TEST_F(ComActivation, ProgIdLeadsToTheRegisteredClassId)
{
    CLSID clsid = kStranger;
    EXPECT_EQ(CLSIDFromProgID(kFileBrowserProgId, &clsid), CO_E_CLASSSTRING) << "not registered yet";
    EXPECT_EQ(clsid, kStranger);

    ASSERT_EQ(registerKestrine(), S_OK);
    EXPECT_EQ(CLSIDFromProgID(kFileBrowserProgId, &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_FileBrowser);
    EXPECT_EQ(CLSIDFromProgID(u"kestrine.filebrowser", &clsid), S_OK) << "names ignore case";
    EXPECT_EQ(clsid, CLSID_FileBrowser);

    setClassesRootText(QStringLiteral("Broken.Thing\\CLSID"), QStringLiteral("not a guid"));
    EXPECT_EQ(CLSIDFromProgID(u"Broken.Thing", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(CLSIDFromProgID(u"Kestrine.FileBrowser.1\\CLSID", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(CLSIDFromProgID(u"", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(CLSIDFromProgID(nullptr, &clsid), E_INVALIDARG);
}

TEST_F(ComActivation, FailuresComeBackAsCodesWithNoObject)
{
    void* object = &object;
    EXPECT_EQ(CoCreateInstance(kStranger, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CoCreateInstance(kStranger, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, nullptr), E_INVALIDARG);

    registerServerPath(kStranger, QStringLiteral("\\Windows\\Missing.dll"));
    EXPECT_EQ(CoCreateInstance(kStranger, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object), CO_E_DLLNOTFOUND);
    registerServerPath(kStranger, QStringLiteral("..\\..\\outside.dll"));
    EXPECT_EQ(CoCreateInstance(kStranger, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object), CO_E_DLLNOTFOUND);
    registerServerPath(kStranger, qtCoreLibrary());
    EXPECT_EQ(CoCreateInstance(kStranger, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object), CO_E_ERRORINDLL)
        << "a library without DllGetClassObject";
    registerServerPath(kStranger, kKestrineLibrary);
    EXPECT_EQ(CoCreateInstance(kStranger, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
              CLASS_E_CLASSNOTAVAILABLE)
        << "the library does not serve that class";
    EXPECT_EQ(object, nullptr);

    ASSERT_EQ(registerKestrine(), S_OK);
    EXPECT_EQ(CoCreateInstance(CLSID_FileBrowser, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, &object),
              REGDB_E_CLASSNOTREG)
        << "only in-process servers exist here";
    EXPECT_EQ(CoCreateInstance(CLSID_FileBrowser, nullptr, CLSCTX_INPROC_SERVER, kStranger, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    auto* outer = reinterpret_cast<IUnknown*>(&object);
    EXPECT_EQ(CoCreateInstance(CLSID_FileBrowser, outer, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
              CLASS_E_NOAGGREGATION);
    CoFreeUnusedLibraries();
}

TEST_F(ComActivation, CreationNeedsCoInitialize)
{
    ASSERT_EQ(registerKestrine(), S_OK);
    CoUninitialize();
    void* object = &object;
    EXPECT_EQ(CoCreateInstance(CLSID_FileBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
              CO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CoInitializeEx(nullptr, 0), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, 0), S_FALSE) << "nested";
    CoUninitialize();
}

TEST_F(ComActivation, OneObjectAnsweringForAllItsInterfaces)
{
    ASSERT_EQ(registerKestrine(), S_OK);
    IFileBrowser* browser = create();
    ASSERT_NE(browser, nullptr);
    void* asDispatch = nullptr;
    void* asUnknown = nullptr;
    EXPECT_EQ(browser->QueryInterface(IID_IDispatch, &asDispatch), S_OK);
    EXPECT_EQ(browser->QueryInterface(IID_IUnknown, &asUnknown), S_OK);
    EXPECT_EQ(asDispatch, browser);
    EXPECT_EQ(asUnknown, browser);
    void* none = &none;
    EXPECT_EQ(browser->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    static_cast<IUnknown*>(asDispatch)->Release();
    static_cast<IUnknown*>(asUnknown)->Release();
    EXPECT_EQ(browser->Release(), 0u);
    CoFreeUnusedLibraries();
}

TEST_F(ComActivation, LibraryLoadsOnceAndUnloadsOnlyWhenItSaysItCan)
{
    ASSERT_EQ(registerKestrine(), S_OK);
    IFileBrowser* first = create();
    IFileBrowser* second = create();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first, second);
    EXPECT_TRUE(kestrineLoaded());

    first->Release();
    CoFreeUnusedLibraries();
    EXPECT_TRUE(kestrineLoaded()) << "one object still lives";
    second->Release();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(kestrineLoaded());

    IFileBrowser* again = create();
    ASSERT_NE(again, nullptr) << "a freed library loads again on demand";
    again->Release();
    CoFreeUnusedLibraries();
}

TEST_F(ComActivation, LastUninitializeFreesUnusedLibraries)
{
    ASSERT_EQ(registerKestrine(), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, 0), S_FALSE);
    IFileBrowser* browser = create();
    ASSERT_NE(browser, nullptr);
    browser->Release();
    CoUninitialize();
    EXPECT_TRUE(kestrineLoaded()) << "COM is still initialised once";
    // The fixture's CoUninitialize is the last one; it checks the library is gone.
}

TEST_F(ComActivation, ServerLockKeepsTheLibrary)
{
    void* library = dlopen(KESTRINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    const auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(library, "DllGetClassObject"));
    const auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(library, "DllCanUnloadNow"));
    ASSERT_TRUE(getClassObject && canUnloadNow);

    EXPECT_EQ(canUnloadNow(), S_OK);
    IClassFactory* factory = nullptr;
    EXPECT_EQ(getClassObject(kStranger, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_EQ(getClassObject(CLSID_FileBrowser, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the factory is an object";
    factory->LockServer(1);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "locked";
    ASSERT_EQ(getClassObject(CLSID_FileBrowser, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    factory->LockServer(0);
    factory->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
    dlclose(library);
}

} // namespace
