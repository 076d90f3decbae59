#include "tools/peghelp/HelpContents.h"
#include "tools/peghelp/HelpWindow.h"

#include "support/WidgetApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>

namespace {

const char* const kGuide = R"(<html><body>
<h1><a name="Contents">Guide</a></h1>
<p>Intro with a <a href="#Second">link</a>.</p>
<h2><a name="First">Tables &amp; fields</a></h2>
<h3><a name="Types">Data <b>types</b></a></h3>
<h3>Not a place</h3>
<h2 class="x"><a name="Second">Second chapter</a> (more)</h2>
<h3><a name="Deep">Deep section</a></h3>
</body></html>)";

} // namespace

TEST(HelpContents, ChaptersAndSectionsWithAPlaceInTheirOrder)
{
    const QList<HelpEntry> entries = helpContents(QString::fromUtf8(kGuide));
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0].anchor, "First");
    EXPECT_EQ(entries[0].title, "Tables & fields");
    EXPECT_EQ(entries[0].level, 1);
    EXPECT_EQ(entries[1].title, "Data types");
    EXPECT_EQ(entries[1].level, 2);
    EXPECT_EQ(entries[2].anchor, "Second");
    EXPECT_EQ(entries[2].title, "Second chapter");
    EXPECT_EQ(entries[3].anchor, "Deep");
    EXPECT_TRUE(helpContents(QStringLiteral("<p>no headings</p>")).isEmpty());
}

TEST(HelpWindow, OpensAtThePlaceAskedAndTheContentsFollowTheText)
{
    ensureWidgetApplication();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("XNHelp.htm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kGuide);
    file.close();

    HelpWindow window;
    window.showFile(path, QStringLiteral("Types"));
    auto* contents = window.findChild<QTreeWidget*>(QStringLiteral("contents"));
    auto* text = window.findChild<QTextBrowser*>(QStringLiteral("text"));
    ASSERT_TRUE(contents && text);
    ASSERT_EQ(contents->topLevelItemCount(), 2);
    EXPECT_EQ(contents->topLevelItem(0)->childCount(), 1) << "sections stand under their chapter";
    ASSERT_TRUE(contents->currentItem());
    EXPECT_EQ(contents->currentItem()->text(0), "Data types");
    EXPECT_EQ(text->source().fragment(), "Types");

    emit contents->itemClicked(contents->topLevelItem(1)->child(0), 0);
    EXPECT_EQ(text->source().fragment(), "Deep");
    EXPECT_EQ(contents->currentItem()->text(0), "Deep section");
    text->backward();
    EXPECT_EQ(text->source().fragment(), "Types") << "Back returns to the place before";
    EXPECT_EQ(contents->currentItem()->text(0), "Data types");

    EXPECT_GE(window.width(), 60 * window.fontMetrics().averageCharWidth());
}

// The window has no frame button of its own on some desktops: Escape and Ctrl+W close it.
TEST(HelpWindow, EscapeAndCtrlWCloseIt)
{
    ensureWidgetApplication();
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        HelpWindow window;
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.findChild<QTextBrowser*>(QStringLiteral("text"))->setFocus();
        QTest::keySequence(&window, keys);
        EXPECT_FALSE(window.isVisible()) << keys.toString().toStdString();
    }
}
