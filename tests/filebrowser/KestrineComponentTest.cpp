// The component through its two faces, its type information and its registration, without windows.
#include "filebrowser/IFileBrowser.h"
#include "platform/com/com.h"
#include "platform/registry/Registry.h"
#include "support/KestrineLibrary.h"
#include "support/RegistryDump.h"
#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QString take(BSTR text)
{
    const QString value = com::toQString(text);
    SysFreeString(text);
    return value;
}

class KestrineComponent : public ::testing::Test {
protected:
    void SetUp() override
    {
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

    DISPID idOf(const char16_t* name)
    {
        auto* text = const_cast<LPOLESTR>(name);
        DISPID id = 0;
        EXPECT_EQ(m_browser->GetIDsOfNames(IID_NULL, &text, 1, LOCALE_USER_DEFAULT, &id), S_OK);
        return id;
    }

    HRESULT put(DISPID id, const Variant& value, UINT* argErr = nullptr)
    {
        Variant argument = value;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&argument, &named, 1, 1};
        return m_browser->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                                 argErr);
    }

    HRESULT get(DISPID id, Variant& result, WORD flags = DISPATCH_PROPERTYGET)
    {
        DISPPARAMS none{};
        return m_browser->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &none, &result, nullptr, nullptr);
    }

    TempRoot m_root;
    IFileBrowser* m_browser = nullptr;
};

TEST_F(KestrineComponent, UntouchedObjectAnswersNothingChosen)
{
    BSTR text = nullptr;
    std::int32_t okCancel = -5;
    EXPECT_EQ(m_browser->get_OkCancel(&okCancel), S_OK);
    EXPECT_EQ(okCancel, 0);
    EXPECT_EQ(m_browser->get_FileName(&text), S_OK);
    EXPECT_EQ(take(text), "");
    EXPECT_EQ(m_browser->get_FilePath(&text), S_OK);
    EXPECT_EQ(take(text), "");
    EXPECT_EQ(m_browser->get_Tag(&text), S_OK);
    EXPECT_EQ(take(text), "");
}

TEST_F(KestrineComponent, TextsAreCopiedInAndHandedOutAsNewStrings)
{
    BSTR mine = com::allocString(QStringLiteral("invoice \u00e9"));
    EXPECT_EQ(m_browser->put_Tag(mine), S_OK);
    mine[0] = u'X';  // the object kept its own copy
    BSTR first = nullptr;
    BSTR second = nullptr;
    m_browser->get_Tag(&first);
    m_browser->get_Tag(&second);
    EXPECT_NE(first, mine);
    EXPECT_NE(first, second);
    EXPECT_EQ(take(first), QStringLiteral("invoice \u00e9"));
    EXPECT_EQ(take(second), QStringLiteral("invoice \u00e9"));
    SysFreeString(mine);
    EXPECT_EQ(m_browser->get_Tag(nullptr), E_POINTER);
}

TEST_F(KestrineComponent, DispatchNamesMapToTheirIdsWhateverTheCase)
{
    const std::vector<std::pair<const char16_t*, DISPID>> members = {
        {u"Open", 1},    {u"FileName", 2}, {u"Title", 3},           {u"DefaultDirectory", 4}, {u"Filters", 5},
        {u"OkCancel", 6}, {u"FilePath", 7}, {u"ShowOnlyFolders", 8}, {u"MaxFilesize", 9},      {u"tag", 10}};
    for (const auto& [name, id] : members)
        EXPECT_EQ(idOf(name), id) << QString::fromUtf16(name).toStdString();

    LPOLESTR names[] = {const_cast<LPOLESTR>(u"Browse")};
    DISPID id = 0;
    EXPECT_EQ(m_browser->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
    EXPECT_EQ(m_browser->GetIDsOfNames(IID_IFileBrowser, names, 1, LOCALE_USER_DEFAULT, &id),
              DISP_E_UNKNOWNINTERFACE);
}

TEST_F(KestrineComponent, DispatchReachesTheSameStateAsTheFunctionTable)
{
    EXPECT_EQ(put(idOf(u"Tag"), Variant(QStringLiteral("from script"))), S_OK);
    BSTR text = nullptr;
    m_browser->get_Tag(&text);
    EXPECT_EQ(take(text), "from script");

    BSTR value = com::allocString(QStringLiteral("from table"));
    m_browser->put_Tag(value);
    SysFreeString(value);
    Variant result;
    ASSERT_EQ(get(10, result), S_OK);
    EXPECT_EQ(result.vt(), VT_BSTR);
    EXPECT_EQ(result.string(), "from table");

    // Scripts read properties with the method flag set too.
    ASSERT_EQ(get(6, result, DISPATCH_METHOD | DISPATCH_PROPERTYGET), S_OK);
    EXPECT_EQ(result.vt(), VT_I4);
    EXPECT_EQ(result.i4(), 0);

    // Arguments take the member's type by the automation rules.
    EXPECT_EQ(put(10, Variant(std::int32_t{42})), S_OK);
    ASSERT_EQ(get(10, result), S_OK);
    EXPECT_EQ(result.string(), "42");
    EXPECT_EQ(put(9, Variant(QStringLiteral("10000"))), S_OK);
}

TEST_F(KestrineComponent, DispatchRefusesWhatTheInterfaceDoesNotOffer)
{
    Variant result;
    UINT argErr = 99;
    EXPECT_EQ(put(9, Variant(QStringLiteral("big")), &argErr), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 0u);
    EXPECT_EQ(put(2, Variant(QStringLiteral("x"))), DISP_E_MEMBERNOTFOUND) << "FileName is read-only";
    EXPECT_EQ(get(3, result), DISP_E_MEMBERNOTFOUND) << "Title is write-only";
    EXPECT_EQ(get(99, result), DISP_E_MEMBERNOTFOUND);

    Variant argument(QStringLiteral("x"));
    DISPPARAMS positional{&argument, nullptr, 1, 0};
    EXPECT_EQ(m_browser->Invoke(10, IID_NULL, 0, DISPATCH_PROPERTYPUT, &positional, nullptr, nullptr, nullptr),
              DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(m_browser->Invoke(10, IID_NULL, 0, DISPATCH_PROPERTYGET, &positional, &result, nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
    DISPPARAMS none{};
    EXPECT_EQ(m_browser->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              DISP_E_BADPARAMCOUNT)
        << "Open takes the parent window";
}

TEST_F(KestrineComponent, TypeInformationCarriesEveryHelpString)
{
    UINT count = 0;
    EXPECT_EQ(m_browser->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ITypeInfo* info = nullptr;
    EXPECT_EQ(m_browser->GetTypeInfo(1, 0, &info), DISP_E_BADINDEX);
    ASSERT_EQ(m_browser->GetTypeInfo(0, 0, &info), S_OK);

    QStringList help;
    for (MEMBERID id = 1; id <= 10; ++id) {
        BSTR doc = nullptr;
        EXPECT_EQ(info->GetDocumentation(id, nullptr, &doc, nullptr, nullptr), S_OK);
        help << take(doc);
    }
    EXPECT_EQ(help, (QStringList{"method Open", "property FileName", "property Title", "property DefaultDirectory",
                                 "property Filters", "property OkCancel", "property FilePath",
                                 "property ShowOnlyFolders", "property MaxFilesize", "property Tag"}));
    BSTR name = nullptr;
    BSTR doc = nullptr;
    EXPECT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, &doc, nullptr, nullptr), S_OK);
    EXPECT_EQ(take(name), "IFileBrowser");
    EXPECT_EQ(take(doc), "IFileBrowser Interface");
    EXPECT_EQ(info->GetDocumentation(11, &name, nullptr, nullptr, nullptr), TYPE_E_ELEMENTNOTFOUND);

    UINT found = 0;
    EXPECT_EQ(info->GetNames(7, &name, 1, &found), S_OK);
    EXPECT_EQ(found, 1u);
    EXPECT_EQ(take(name), "FilePath");

    // Invoking through the type information lands on the object.
    m_browser->put_Tag(name = com::allocString(QStringLiteral("typed")));
    SysFreeString(name);
    Variant result;
    DISPPARAMS none{};
    EXPECT_EQ(info->Invoke(m_browser, 10, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(result.string(), "typed");
    info->Release();
}

class KestrineRegistration : public ::testing::Test {
protected:
    TempRoot m_root;
};

TEST_F(KestrineRegistration, WritesExactlyTheClassAndTypeLibraryKeys)
{
    ASSERT_EQ(registerKestrine(), S_OK);
    const QString path = kKestrineLibrary;
    const QString folder = path.left(path.lastIndexOf('/'));
    const QStringList expected = {
        "CLSID",
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83} = FileBrowser Class",
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\InprocServer32 = " + path,
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\InprocServer32 [ThreadingModel] = Apartment",
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\ProgID = Kestrine.FileBrowser.1",
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\Programmable",
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\TypeLib = {8FC87EF2-F300-45AC-8B94-6749B2445C11}",
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\VersionIndependentProgID = Kestrine.FileBrowser",
        "Interface",
        "Interface\\{B33AE408-A9E2-4734-8448-5D5326AA42BB} = IFileBrowser",
        "Interface\\{B33AE408-A9E2-4734-8448-5D5326AA42BB}\\ProxyStubClsid32 = {00020424-0000-0000-C000-000000000046}",
        "Interface\\{B33AE408-A9E2-4734-8448-5D5326AA42BB}\\TypeLib = {8FC87EF2-F300-45AC-8B94-6749B2445C11}",
        "Interface\\{B33AE408-A9E2-4734-8448-5D5326AA42BB}\\TypeLib [Version] = 1.0",
        "Kestrine.FileBrowser = FileBrowser Class",
        "Kestrine.FileBrowser\\CLSID = {4374E9C7-967E-408B-99E8-2B61675F0C83}",
        "Kestrine.FileBrowser\\CurVer = Kestrine.FileBrowser.1",
        "Kestrine.FileBrowser.1 = FileBrowser Class",
        "Kestrine.FileBrowser.1\\CLSID = {4374E9C7-967E-408B-99E8-2B61675F0C83}",
        "TypeLib",
        "TypeLib\\{8FC87EF2-F300-45AC-8B94-6749B2445C11}",
        "TypeLib\\{8FC87EF2-F300-45AC-8B94-6749B2445C11}\\1.0 = KESTRINELib",
        "TypeLib\\{8FC87EF2-F300-45AC-8B94-6749B2445C11}\\1.0\\409",
        "TypeLib\\{8FC87EF2-F300-45AC-8B94-6749B2445C11}\\1.0\\409\\win32 = " + path,
        "TypeLib\\{8FC87EF2-F300-45AC-8B94-6749B2445C11}\\1.0\\FLAGS = 0",
        "TypeLib\\{8FC87EF2-F300-45AC-8B94-6749B2445C11}\\1.0\\HELPDIR = " + folder,
    };
    EXPECT_EQ(registryDump(), expected);
    ASSERT_EQ(registerKestrine(), S_OK);
    EXPECT_EQ(registryDump(), expected) << "registering again changes nothing";
}

TEST_F(KestrineRegistration, UnregistrationLeavesOnlyTheParentKeysAndOtherClasses)
{
    ASSERT_EQ(callKestrineExport("DllUnregisterServer"), S_OK) << "nothing to remove is no failure";
    HKEY other = nullptr;
    RegCreateKeyEx(HKEY_CLASSES_ROOT, u"CLSID\\{11111111-2222-3333-4444-555555555555}", 0, nullptr, 0,
                   KEY_ALL_ACCESS, nullptr, &other, nullptr);
    RegCloseKey(other);
    ASSERT_EQ(registerKestrine(), S_OK);
    ASSERT_EQ(callKestrineExport("DllUnregisterServer"), S_OK);
    EXPECT_EQ(registryDump(),
              (QStringList{"CLSID", "CLSID\\{11111111-2222-3333-4444-555555555555}", "Interface", "TypeLib"}));
}

TEST_F(KestrineRegistration, LibraryInTheSystemFolderRegistersItsDevicePath)
{
    const std::filesystem::path windows = m_root / "Windows";
    std::filesystem::create_directories(windows);
    std::filesystem::create_symlink(KESTRINE_LIBRARY, windows / "Kestrine.dll");
    void* library = dlopen((windows / "Kestrine.dll").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    const auto registerServer = reinterpret_cast<DllRegisterServerFunction>(dlsym(library, "DllRegisterServer"));
    ASSERT_EQ(registerServer(), S_OK);
    dlclose(library);
    EXPECT_TRUE(registryDump().contains(
        "CLSID\\{4374E9C7-967E-408B-99E8-2B61675F0C83}\\InprocServer32 = \\Windows\\Kestrine.dll"));
}

} // namespace
