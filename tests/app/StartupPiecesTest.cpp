#include "app/shell/DesktopAssociation.h"
#include "app/shell/PasswordCheck.h"
#include <QStringList>

#include "support/MessageRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PasswordCheck, OnlyTheExactPasswordIsAccepted)
{
    MessageRecorder messages;
    EXPECT_TRUE(passwordEntered("Secret", "Secret"));
    EXPECT_FALSE(passwordEntered("secret", "Secret"));
    EXPECT_FALSE(passwordEntered("", "Secret"));
    EXPECT_EQ(messages.texts(), QStringList({"Invalid PassWord", "Invalid PassWord"}));
    EXPECT_EQ(messages.messages()[0].caption, "Varnel Desk 5.0");
}

TEST(PasswordCheck, AnEmptyPasswordIsMatchedByAnEmptyEntry)
{
    MessageRecorder messages;
    EXPECT_TRUE(passwordEntered("", ""));
    EXPECT_FALSE(passwordEntered(" ", ""));
    passwordCancelled();
    EXPECT_EQ(messages.texts(), QStringList({"Invalid PassWord", "Invalid Password"}));
}

namespace {
QString readAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}
} // namespace

TEST(DesktopAssociation, InstallsMimeTypeEntryAndDefault)
{
    QTemporaryDir home;
    const XdgFolders folders{home.filePath("data"), home.filePath("config")};
    ASSERT_TRUE(installDesktopAssociation(folders, "/opt/my apps/Varnel"));

    const QString entry = readAll(home.filePath("data/applications/varnel-desk.desktop"));
    EXPECT_TRUE(entry.contains("Exec=\"/opt/my apps/Varnel\" %f\n"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-varnel-database;"));
    EXPECT_TRUE(readAll(home.filePath("data/mime/packages/varnel-desk.xml")).contains("<glob pattern=\"*.cdb\"/>"));
    EXPECT_EQ(readAll(home.filePath("config/mimeapps.list")),
              "[Default Applications]\napplication/x-varnel-database=varnel-desk.desktop\n");

    ASSERT_TRUE(installDesktopAssociation(folders, "/opt/my apps/Varnel"));
    EXPECT_EQ(readAll(home.filePath("config/mimeapps.list")).count("varnel-desk.desktop"), 1)
        << "a second start adds nothing";
}

TEST(DesktopAssociation, KeepsTheUsersOtherDefaults)
{
    const QString before = "[Added Associations]\ntext/plain=gedit.desktop\n"
                           "[Default Applications]\ntext/html=firefox.desktop\n"
                           "application/x-varnel-database=old.desktop\n";
    EXPECT_EQ(withDefaultApplication(before),
              "[Added Associations]\ntext/plain=gedit.desktop\n"
              "[Default Applications]\ntext/html=firefox.desktop\n"
              "application/x-varnel-database=varnel-desk.desktop\n");
    EXPECT_EQ(withDefaultApplication("[Added Associations]\nx=y.desktop\n"),
              "[Added Associations]\nx=y.desktop\n[Default Applications]\n"
              "application/x-varnel-database=varnel-desk.desktop\n");
}

TEST(DesktopAssociation, ExecLineCannotBeBrokenByThePath)
{
    EXPECT_TRUE(desktopEntryText("/tmp/a\"b$c").contains("Exec=\"/tmp/a\\\"b\\$c\" %f\n"));
}
