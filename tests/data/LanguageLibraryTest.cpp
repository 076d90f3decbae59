#include "data/LanguageLibrary.h"
#include "platform/device/SystemFolder.h"
#include "platform/device/TextFile.h"
#include "platform/framework/ResourceTexts.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QDir>

TEST(LanguageLibrary, OnlyALangLineNamesALanguage)
{
    EXPECT_EQ(languageNamedBy("Lang=English"), "English");
    EXPECT_EQ(languageNamedBy("  lang = English \n"), "English");
    EXPECT_EQ(languageNamedBy("LANG=French"), "French");
    EXPECT_EQ(languageNamedBy("Lang="), "");
    EXPECT_EQ(languageNamedBy("Language=English"), "");
    EXPECT_EQ(languageNamedBy("English"), "");
    EXPECT_EQ(languageNamedBy(""), "");
    EXPECT_EQ(languageNamedBy("Lang=English=UK"), "English=UK") << "only the first = splits";
}

TEST(LanguageLibrary, EveryLanguageFileSelectsTheEnglishLibrary)
{
    for (const char* language : {"English", "French", ""})
        EXPECT_EQ(languageLibraryFor(language), "XNEnglish.dll");
}

namespace {
void placeLibrary()
{
    QDir().mkpath(qEnvironmentVariable("VARNEL_ROOT") + "/Windows");
    ASSERT_TRUE(device::writeTextFile("\\Windows\\XNEnglish.dll", "IDS_CAPTION=Varnel Desk 5.0\n"));
}
} // namespace

TEST(LanguageLibrary, TheLibraryLoadsWhateverTheLanguageFileSays)
{
    for (const char* firstLine : {"Lang=English\n", "lang = English\n", "Lang=French\n", "\nLang=English\n",
                                  "Colour=Blue\n"}) {
        TempRoot root;
        placeLibrary();
        ASSERT_TRUE(device::writeTextFile("Windows//Varnel.cfg", firstLine));
        EXPECT_TRUE(loadLanguageLibrary()) << firstLine;
        EXPECT_EQ(framework::resourceText("IDS_CAPTION", ""), "Varnel Desk 5.0");
    }
    TempRoot root;
    placeLibrary();
    EXPECT_TRUE(loadLanguageLibrary()) << "no language file at all";
    framework::freeResourceLibrary();
}

TEST(LanguageLibrary, WithoutTheLibraryTheBuiltInTextsServe)
{
    TempRoot root;
    QDir().mkpath(QString::fromStdString((root / "Windows").string()));
    ASSERT_TRUE(device::writeTextFile("Windows//Varnel.cfg", "Lang=English\n"));
    EXPECT_FALSE(loadLanguageLibrary());
    EXPECT_FALSE(framework::resourceLibraryLoaded());
    EXPECT_EQ(framework::resourceText("IDS_CAPTION", "built in"), "built in");
}

TEST(LanguageLibrary, OnlyTheFirst199CharactersOfTheLineCount)
{
    EXPECT_EQ(languageNamedBy(QString("Lang=") + QString(194, ' ') + "English"), "English") << "fits exactly";
    TempRoot root;
    placeLibrary();
    ASSERT_TRUE(device::writeTextFile("Windows//Varnel.cfg", QString(199, ' ') + "Lang=English\n"));
    EXPECT_TRUE(loadLanguageLibrary()) << "a long line still selects the English library";
    framework::freeResourceLibrary();
}

TEST(LanguageLibrary, FirstStartSeedsTheLanguageFileOnce)
{
    TempRoot root;
    ASSERT_TRUE(device::prepareSystemFolder());
    EXPECT_FALSE(device::readTextFile("Windows//Varnel.cfg").has_value()) << "the system folder itself writes nothing";
    ASSERT_TRUE(seedLanguageFile());
    EXPECT_EQ(device::readTextFile("Windows//Varnel.cfg"), QString("Lang=English\n"));

    ASSERT_TRUE(device::writeTextFile("\\Windows\\Varnel.cfg", "Lang=French\n"));
    ASSERT_TRUE(seedLanguageFile());
    EXPECT_EQ(device::readTextFile("\\Windows\\Varnel.cfg"), QString("Lang=French\n"));
}
