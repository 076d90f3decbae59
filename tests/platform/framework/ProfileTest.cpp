#include "platform/framework/Profile.h"
#include "platform/registry/Registry.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace framework;

TEST(Profile, MissingValuesGiveTheCallersDefault)
{
    TempRoot root;
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "FontColor", 0xCDFFCD), 0xCDFFCD);
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "Font", "Tahoma"), "Tahoma");
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "Font"), "");

    WriteProfileInt("GENERAL_OPTIONS", "Bold", 1);
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "Font", "Tahoma"), "Tahoma") << "section exists, key does not";
}

TEST(Profile, WritesReadBackByTypeAndSection)
{
    TempRoot root;
    WriteProfileInt("KEY_OPTIONS", "Button1", 7);
    WriteProfileInt("TABLEFORM_OPTIONS", "OnSelectionColor", int(0xF647B4));
    WriteProfileInt("GENERAL_OPTIONS", "Negative", -5);
    WriteProfileString("KEY_OPTIONS", "OnNextField", "TRUE");
    WriteProfileString("GENERAL_OPTIONS", "PassWord", "");

    EXPECT_EQ(GetProfileInt("KEY_OPTIONS", "Button1", 0), 7);
    EXPECT_EQ(GetProfileInt("KEY_OPTIONS", "button1", 0), 7) << "keys ignore case, as registry names do";
    EXPECT_EQ(GetProfileInt("TABLEFORM_OPTIONS", "OnSelectionColor", 0), 0xF647B4);
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "Negative", 0), -5);
    EXPECT_EQ(GetProfileString("KEY_OPTIONS", "OnNextField", "FALSE"), "TRUE");
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "PassWord", "x"), "") << "a stored empty text is not missing";
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "Button1", 3), 3) << "sections are apart";

    WriteProfileString("KEY_OPTIONS", "OnNextField", "FALSE");
    EXPECT_EQ(GetProfileString("KEY_OPTIONS", "OnNextField", ""), "FALSE");
}

TEST(Profile, AValueOfTheOtherTypeReadsAsTheDefault)
{
    TempRoot root;
    WriteProfileString("GENERAL_OPTIONS", "FontColor", "255");
    WriteProfileInt("GENERAL_OPTIONS", "Font", 3);
    EXPECT_EQ(GetProfileInt("GENERAL_OPTIONS", "FontColor", 9), 9);
    EXPECT_EQ(GetProfileString("GENERAL_OPTIONS", "Font", "Tahoma"), "Tahoma");
}

TEST(Profile, LivesUnderTheApplicationsRegistryKey)
{
    TempRoot root;
    WriteProfileString("INPUTMASK", "MasksList", "Phone;(999) 000-0000");

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER,
                           registry::wide("Software\\Local AppWizard-Generated Applications\\Varnel\\INPUTMASK"), 0,
                           KEY_READ, &key),
              ERROR_SUCCESS);
    WCHAR buffer[64] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    ASSERT_EQ(RegQueryValueEx(key, registry::wide("MasksList"), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(QString::fromUtf16(buffer), "Phone;(999) 000-0000");
}

TEST(Profile, LongTextsComeBackWhole)
{
    TempRoot root;
    const QString masks = QString("Mask;").repeated(2000);
    WriteProfileString("INPUTMASK", "MasksList", masks);
    EXPECT_EQ(GetProfileString("INPUTMASK", "MasksList"), masks);
}

TEST(Profile, TwoProcessesWritingAtOnceLoseNothing)
{
    TempRoot root;
    constexpr int kWrites = 40;
    pid_t children[2];
    for (int writer = 0; writer < 2; ++writer) {
        children[writer] = fork();
        ASSERT_GE(children[writer], 0);
        if (children[writer] == 0) {
            // Both write into the same section, so each write must keep what the other wrote meanwhile.
            for (int i = 0; i < kWrites; ++i) {
                WriteProfileInt("KEY_OPTIONS", QString("W%1Int%2").arg(writer).arg(i), i * 10 + writer);
                WriteProfileString("KEY_OPTIONS", QString("W%1Text%2").arg(writer).arg(i), QString("text %1").arg(i));
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
        for (int i = 0; i < kWrites; ++i) {
            EXPECT_EQ(GetProfileInt("KEY_OPTIONS", QString("W%1Int%2").arg(writer).arg(i), -1), i * 10 + writer);
            EXPECT_EQ(GetProfileString("KEY_OPTIONS", QString("W%1Text%2").arg(writer).arg(i)), QString("text %1").arg(i));
        }
}
