#include "platform/registry/Registry.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QStringList>

using registry::wide;

namespace {
HKEY create(HKEY parent, const QString& path, DWORD* disposition = nullptr)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(parent, wide(path), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition),
              ERROR_SUCCESS);
    return key;
}

LONG setText(HKEY key, const QString& name, const QString& value)
{
    return RegSetValueEx(key, name.isNull() ? nullptr : wide(name), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.utf16()), DWORD((value.size() + 1) * 2));
}

LONG setNumber(HKEY key, const QString& name, DWORD value)
{
    return RegSetValueEx(key, wide(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

QString queryText(HKEY key, const QString& name)
{
    WCHAR buffer[256] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    if (RegQueryValueEx(key, wide(name), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return "<none>";
    return QString::fromUtf16(buffer);
}
} // namespace

TEST(RegistryCalls, CreateSetQueryAcrossHandles)
{
    TempRoot root;
    DWORD disposition = 0;
    HKEY key = create(HKEY_CLASSES_ROOT, "Kestrine.FileBrowser.1\\CLSID", &disposition);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    ASSERT_EQ(setText(key, QString(), "{1234}"), ERROR_SUCCESS);
    ASSERT_EQ(setNumber(key, "Count", 0xF647B4), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, u"kestrine.filebrowser.1\\clsid", 0, KEY_READ, &again), ERROR_SUCCESS);
    EXPECT_EQ(queryText(again, ""), "{1234}");
    DWORD number = 0, type = 0, size = sizeof number;
    ASSERT_EQ(RegQueryValueEx(again, u"COUNT", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(number, 0xF647B4u);
    EXPECT_EQ(queryText(again, "Missing"), "<none>");

    // Creating a key that exists opens it: a handle of its own, closed like any other.
    HKEY reopened = create(HKEY_CLASSES_ROOT, "Kestrine.FileBrowser.1\\CLSID", &disposition);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(queryText(reopened, ""), "{1234}");
    EXPECT_EQ(RegCloseKey(reopened), ERROR_SUCCESS);
    RegCloseKey(again);

    HKEY missing = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, u"Software\\Nothing", 0, KEY_READ, &missing), ERROR_FILE_NOT_FOUND);
}

TEST(RegistryCalls, QueryReportsSizesAndShortBuffers)
{
    TempRoot root;
    HKEY key = create(HKEY_CURRENT_USER, "Software\\Sizes");
    setText(key, "Font", "Tahoma");
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueEx(key, u"Font", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 14u);
    WCHAR small[3];
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, u"Font", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 14u);
    EXPECT_EQ(RegSetValueEx(key, u"Odd", 0, 7, nullptr, 0), ERROR_INVALID_PARAMETER);
    DWORD wrong = 1;
    EXPECT_EQ(RegSetValueEx(key, u"Odd", 0, REG_DWORD, reinterpret_cast<BYTE*>(&wrong), 2), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST(RegistryCalls, EnumeratesKeysInNameOrderAndValuesInSetOrder)
{
    TempRoot root;
    HKEY key = create(HKEY_LOCAL_MACHINE, "Top");
    RegCloseKey(create(key, "beta"));
    RegCloseKey(create(key, "Alpha\\Deep"));
    setNumber(key, "z", 1);
    setText(key, "a", "text");

    QStringList keys;
    WCHAR name[64];
    for (DWORD i = 0;; ++i) {
        DWORD length = 64;
        if (RegEnumKeyEx(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        keys << QString::fromUtf16(name, length);
    }
    EXPECT_EQ(keys, QStringList({"Alpha", "beta"}));

    DWORD length = 64, type = 0;
    ASSERT_EQ(RegEnumValue(key, 0, name, &length, nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(QString::fromUtf16(name, length), "z");
    EXPECT_EQ(type, REG_DWORD);
    length = 64;
    ASSERT_EQ(RegEnumValue(key, 1, name, &length, nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    length = 64;
    EXPECT_EQ(RegEnumValue(key, 2, name, &length, nullptr, &type, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    length = 1;
    EXPECT_EQ(RegEnumValue(key, 0, name, &length, nullptr, &type, nullptr, nullptr), ERROR_MORE_DATA);
    RegCloseKey(key);
}

TEST(RegistryCalls, DeletingKeysAndValues)
{
    TempRoot root;
    HKEY clsid = create(HKEY_CLASSES_ROOT, "CLSID");
    HKEY server = create(clsid, "{C1}\\InprocServer32");
    setText(server, "ThreadingModel", "Apartment");

    EXPECT_EQ(RegDeleteValue(server, u"ThreadingModel"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(server, u"ThreadingModel"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKey(clsid, u"{C1}"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(clsid, u"{C1}"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setText(server, "ThreadingModel", "Apartment"), ERROR_KEY_DELETED);

    HKEY check = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, u"CLSID", 0, KEY_READ, &check), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, u""), ERROR_INVALID_PARAMETER);
    RegCloseKey(check);
    RegCloseKey(server);
    RegCloseKey(clsid);
}

TEST(RegistryCalls, BadHandlesAreRefused)
{
    TempRoot root;
    HKEY out = nullptr;
    EXPECT_EQ(RegOpenKeyEx(nullptr, u"x", 0, KEY_READ, &out), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
}
