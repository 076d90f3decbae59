#include "forms/format/CtrlProps.h"
#include "forms/format/DatabaseFormStore.h"

#include "data/CAppContext.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString kText = QStringLiteral("Yes~Yes~Yes~Yes~16777215~Orders~Yes~Yes~Yes~Yes~No~Yes~(Q)By date~|0|");

class FormFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateDatabase(context, window, QStringLiteral("\\Forms.cdb")));
        fDBInit(context, window);
    }

    QByteArray bytesOf(const QString& name) const
    {
        QFile file(QString::fromStdString((root / name.toStdString()).string()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(QString::fromStdString((root / name.toStdString()).string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TempRoot root;
    CAppContext context;
    HeadlessDatabaseWindow window;
    DatabaseFormStore store{context};
};

TEST(FormFileNames, TheNameRunsFromTheFolderToTheFirstDot)
{
    EXPECT_EQ(FormNameFromPath("\\My Documents\\Orders.old.xnf"), "Orders");
    EXPECT_EQ(FormNameFromPath("Orders.xnf"), "Orders");
    EXPECT_EQ(FormNameFromPath("/home/ann/In.box/Stock.xnf"), "Stock");
    EXPECT_EQ(FormNameFromPath("\\Forms\\Plain"), "Plain");
}

TEST_F(FormFiles, ExportWritesTheRowsTextAsUtf8WithoutAMarkAndImportAddsItBack)
{
    const QString text = kText + QStringLiteral("1|18|Label~Left~16777215~Yes~Grüße~");
    ASSERT_TRUE(store.addForm({"Orders", "(Q)By date", text}));

    EXPECT_EQ(ExportFormFile(store, "Orders", "\\Orders.xnf"), ExportResult::Written);
    EXPECT_EQ(bytesOf("Orders.xnf"), text.toUtf8());
    EXPECT_EQ(ExportFormFile(store, "Missing", "\\Missing.xnf"), ExportResult::NoSuchForm);
    EXPECT_FALSE(QFile::exists(QString::fromStdString((root / "Missing.xnf").string())));

    ASSERT_TRUE(QFile::copy(QString::fromStdString((root / "Orders.xnf").string()),
                            QString::fromStdString((root / "Copy.v2.xnf").string())));
    QString name;
    EXPECT_EQ(ImportFormFile(store, "\\Copy.v2.xnf", &name), ImportResult::Added);
    EXPECT_EQ(name, "Copy");
    const std::optional<FormRow> row = store.findForm("Copy");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->tableSource, "(Q)By date");
    EXPECT_EQ(row->ctrlProps, text);
}

TEST_F(FormFiles, AnExistingNameAMissingFileOrABadNameChangeNothing)
{
    ASSERT_TRUE(store.addForm({"Orders", "Orders", "old"}));
    writeBytes("Orders.xnf", kText.toUtf8());
    EXPECT_EQ(ImportFormFile(store, "\\Orders.xnf"), ImportResult::Exists);
    EXPECT_EQ(store.findForm("Orders")->ctrlProps, "old");

    EXPECT_EQ(ImportFormFile(store, ""), ImportResult::Unreadable);
    EXPECT_EQ(ImportFormFile(store, "\\Nowhere.xnf"), ImportResult::Unreadable);
    writeBytes("Bad name.xnf", kText.toUtf8());
    EXPECT_EQ(ImportFormFile(store, "\\Bad name.xnf"), ImportResult::InvalidName);
    EXPECT_FALSE(store.findForm("Bad name"));
}

TEST_F(FormFiles, FilesWithAMarkInUtf8OrUtf16ImportToo)
{
    const QString text = kText + QStringLiteral("\r\nNote: Straße");
    const QString expected = kText + QStringLiteral("\nNote: Straße");

    writeBytes("Eight.xnf", "\xEF\xBB\xBF" + text.toUtf8());
    QByteArray little("\xFF\xFE", 2);
    for (const QChar c : text)
        little.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    writeBytes("Little.xnf", little);
    QByteArray big("\xFE\xFF", 2);
    for (const QChar c : text)
        big.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    writeBytes("Big.xnf", big);

    for (const char* name : {"Eight", "Little", "Big"}) {
        ASSERT_EQ(ImportFormFile(store, QStringLiteral("\\%1.xnf").arg(name)), ImportResult::Added) << name;
        EXPECT_EQ(store.findForm(name)->ctrlProps, expected) << name;
        EXPECT_EQ(store.findForm(name)->tableSource, "(Q)By date") << name;
    }
}

// Found by fuzzing the import: half a surrogate pair, or U+FFFF, in a file was stored as something else than
// what was read. Each now reads, and is stored, as the replacement character; a whole pair stays as it is.
TEST_F(FormFiles, CharactersTheDatabaseCannotKeepReadAsTheReplacementCharacter)
{
    const QString text = kText + QStringLiteral("1|18|Label~Left~16777215~Yes~");
    QByteArray little("\xFF\xFE", 2);
    for (const QChar c : text)
        little.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    // A lone low half, A, a whole pair, a lone high half, B, U+FFFF, U+FFFE.
    little.append("\x00\xDF" "A\x00" "\x3D\xD8\x00\xDE" "\x3D\xD8" "B\x00" "\xFF\xFF" "\xFE\xFF", 16);
    writeBytes("Halves.xnf", little);
    writeBytes("Eight.xnf", text.toUtf8() + "C\xEF\xBF\xBF");

    const QChar replaced(QChar::ReplacementCharacter);
    const QString expected = text + replaced + QStringLiteral("A\U0001F600") + replaced + QStringLiteral("B") +
                             replaced + replaced;
    EXPECT_EQ(ReadFormFile("\\Halves.xnf"), expected);
    ASSERT_EQ(ImportFormFile(store, "\\Halves.xnf"), ImportResult::Added);
    EXPECT_EQ(store.findForm("Halves")->ctrlProps, expected);
    ASSERT_EQ(ImportFormFile(store, "\\Eight.xnf"), ImportResult::Added);
    EXPECT_EQ(store.findForm("Eight")->ctrlProps, text + QStringLiteral("C") + replaced);
}

TEST_F(FormFiles, ALongFormWithQuotesSurvivesTheRoundTrip)
{
    QList<PropertySet> labels;
    for (int i = 0; i < 80; ++i) {
        PropertySet label = BuildPropertySet(ControlKind::Label);
        SetProperty(label, "Caption", QStringLiteral("O'Brien's ') OR 1=1 -- %1").arg(i));
        labels << label;
    }
    const QString text = *SerialiseForm(BuildPropertySet(ControlKind::FormProps), labels);
    ASSERT_GT(text.size(), 3999);
    ASSERT_TRUE(store.addForm({"Long", "", text}));
    ASSERT_EQ(ExportFormFile(store, "Long", "\\Long2.xnf"), ExportResult::Written);
    ASSERT_EQ(ImportFormFile(store, "\\Long2.xnf"), ImportResult::Added);
    EXPECT_EQ(store.findForm("Long2")->ctrlProps, text);
    EXPECT_EQ(ParseForm(store.findForm("Long2")->ctrlProps).controls.size(), 80);
}

} // namespace
