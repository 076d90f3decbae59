#include "platform/registry/Registry.h"
#include "platform/registry/RegistryFile.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

using registry::wide;

namespace {
void setText(const QString& keyPath, const QString& name, const QString& value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, wide(keyPath), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueEx(key, wide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.utf16()),
                            DWORD((value.size() + 1) * 2)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

QString text(const QString& keyPath, const QString& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, wide(keyPath), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<no key>";
    WCHAR buffer[512] = {};
    DWORD size = sizeof buffer;
    const LONG result = RegQueryValueEx(key, wide(name), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? QString::fromUtf16(buffer) : "<none>";
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void overwrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList damagedCopies(const TempRoot& root)
{
    return QDir(QString::fromStdString((root / "Windows").string())).entryList({"Registry.dat.damaged-*"});
}
} // namespace

TEST(RegistryFile, KeepsAwkwardTextsIntact)
{
    TempRoot root;
    const QString awkward = QString::fromUtf8("tab\there\nnew line %41 \\ back\r日本");
    setText("Software\\Odd%Key", "name\twith tab", awkward);
    EXPECT_EQ(text("Software\\Odd%Key", "name\twith tab"), awkward);

    // a second copy of the code (as in the component library) sees only the file
    const auto parsed = registry::Tree::parse(fileBytes(registry::registryFilePath()));
    ASSERT_TRUE(parsed);
    const auto* key = parsed->find(registry::Root::CurrentUser, {"Software", "Odd%Key"});
    ASSERT_TRUE(key);
    EXPECT_EQ(key->value("NAME\twith tab")->text, awkward);
}

TEST(RegistryFile, SeesChangesMadeByAnotherWriter)
{
    TempRoot root;
    setText("Software\\Shared", "Who", "first");
    EXPECT_EQ(text("Software\\Shared", "Who"), "first");

    registry::Tree outside;
    outside.ensure(registry::Root::CurrentUser, {"Software", "Shared"})
        .setValue("Who", {registry::ValueType::String, "other process", 0});
    overwrite(registry::registryFilePath(), outside.serialize());
    EXPECT_EQ(text("Software\\Shared", "Who"), "other process");
}

TEST(RegistryFile, ADamagedFileIsKeptAsideAndANewOneStarted)
{
    TempRoot root;
    setText("Software\\Varnel", "Font", "Tahoma");
    const QString path = registry::registryFilePath();
    const QByteArray whole = fileBytes(path);
    const QByteArray damaged = whole.left(whole.size() / 2);
    overwrite(path, damaged);

    EXPECT_EQ(text("Software\\Varnel", "Font"), "<no key>");
    const QStringList kept = damagedCopies(root);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(fileBytes(QString::fromStdString((root / "Windows").string()) + "/" + kept.first()), damaged);

    setText("Software\\Varnel", "Font", "Courier");
    EXPECT_EQ(text("Software\\Varnel", "Font"), "Courier");
    EXPECT_TRUE(registry::Tree::parse(fileBytes(path)));
}

TEST(RegistryFile, GarbageIsNeverTakenForARegistry)
{
    EXPECT_FALSE(registry::Tree::parse(""));
    EXPECT_FALSE(registry::Tree::parse("VarnelRegistry 1\nK HKEY_CURRENT_USER\\A\n"));
    EXPECT_FALSE(registry::Tree::parse("VarnelRegistry 1\nS a\tb\nEND\n"));
    EXPECT_FALSE(registry::Tree::parse("VarnelRegistry 1\nK HKEY_NOWHERE\\A\nEND\n"));
    EXPECT_FALSE(registry::Tree::parse("VarnelRegistry 1\nK HKEY_CURRENT_USER\nD n\t12x\nEND\n"));
    EXPECT_FALSE(registry::Tree::parse("VarnelRegistry 1\nK HKEY_CURRENT_USER\nS n\t%4\nEND\n"));
    EXPECT_FALSE(registry::Tree::parse("VarnelRegistry 1\n\xff\xfe\nEND\n"));
    EXPECT_TRUE(registry::Tree::parse("VarnelRegistry 1\nEND\n"));
}

TEST(RegistryFile, TwoProcessesWritingAtOnceLoseNothing)
{
    TempRoot root;
    setText("Software\\Race", "Start", "yes");
    constexpr int kWrites = 60;
    pid_t children[2];
    for (int writer = 0; writer < 2; ++writer) {
        children[writer] = fork();
        ASSERT_GE(children[writer], 0);
        if (children[writer] == 0) {
            for (int i = 0; i < kWrites; ++i) {
                HKEY key = nullptr;
                const QString path = QString("Software\\Race\\Writer%1").arg(writer);
                const QString value = QString("value %1").arg(i);
                if (RegCreateKeyEx(HKEY_CURRENT_USER, wide(path), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                   nullptr) != ERROR_SUCCESS ||
                    RegSetValueEx(key, wide(QString("Key%1").arg(i)), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.utf16()), DWORD((value.size() + 1) * 2)) !=
                        ERROR_SUCCESS)
                    _exit(1);
                RegCloseKey(key);
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < 2; ++writer)
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(text(QString("Software\\Race\\Writer%1").arg(writer), QString("Key%1").arg(i)),
                      QString("value %1").arg(i));
    EXPECT_EQ(text("Software\\Race", "Start"), "yes");
    EXPECT_TRUE(damagedCopies(root).isEmpty());
}
