// The help guide that ships with the program, against the places the program opens it at.
#include "app/HelpKeys.h"
#include "app/HelpTopics.h"
#include "app/PasswordDialog.h"
#include "tools/peghelp/HelpTopic.h"

#include "support/WidgetApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>

namespace {

QString bundledGuide()
{
    QFile file(QStringLiteral(":/XNHelp.htm"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "the guide travels inside the program";
    return QString::fromUtf8(file.readAll());
}

QStringList captures(const QString& text, const char* pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QLatin1String(pattern)).globalMatch(text))
        found << match.captured(1);
    return found;
}

} // namespace

TEST(HelpGuide, EveryWindowsPlaceAndEveryLinkLeadsToAPlaceOfTheGuide)
{
    const QString guide = bundledGuide();
    const QStringList anchors = captures(guide, "<a\\s+name=\"([^\"]+)\"");
    const QSet<QString> places(anchors.begin(), anchors.end());
    EXPECT_EQ(places.size(), anchors.size()) << "a place name stands once";
    EXPECT_TRUE(places.contains(QStringLiteral("Contents"))) << "the Help menu opens the guide there";
    for (auto it = helpTopicsByClass().cbegin(); it != helpTopicsByClass().cend(); ++it)
        EXPECT_TRUE(places.contains(it.value())) << it.key().toStdString() << " -> " << it.value().toStdString();
    for (const QString& link : captures(guide, "href=\"#([^\"]+)\""))
        EXPECT_TRUE(places.contains(link)) << link.toStdString();
}

TEST(HelpGuide, TheGuideSpeaksOfTheDesktop)
{
    const QString guide = bundledGuide();
    for (const char* handheld : {"tap", "stylus", "hardware button", "Pocket"})
        EXPECT_FALSE(guide.contains(QLatin1String(handheld), Qt::CaseInsensitive)) << handheld;
}

TEST(HelpGuide, AWidgetOpensThePlaceOfTheWindowAroundIt)
{
    ensureWidgetApplication();
    PasswordDialog dialog(QStringLiteral("secret"));
    EXPECT_EQ(helpTopicFor(dialog.entry()), "Password");
    EXPECT_EQ(helpTopicFor(&dialog), "Password");
    const QWidget loose;
    EXPECT_EQ(helpTopicFor(&loose), "Contents");
    EXPECT_EQ(helpTopicFor(nullptr), "Contents");

    const HelpTopic opened = parseHelpTopic(helpCommandLine(QStringLiteral("Datasheet")));
    EXPECT_EQ(opened.file, "XNHelp.htm");
    EXPECT_EQ(opened.anchor, "Datasheet");
}

TEST(HelpKeys, F1AndTheHelpButtonOpenThePlaceOfTheWindow)
{
    ensureWidgetApplication();
    QStringList opened;
    HelpKeys keys([&opened](const QString& topic) { opened << topic; });
    qApp->installEventFilter(&keys);
    PasswordDialog dialog(QStringLiteral("secret"));
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(dialog.entry(), Qt::Key_F1);
    EXPECT_EQ(opened, QStringList({"Password"}));
    EXPECT_EQ(dialog.entry()->text(), "");

    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(buttons);
    QPushButton* help = buttons->button(QDialogButtonBox::Help);
    ASSERT_TRUE(help) << "a dialog with its place in the guide gains a Help button";
    EXPECT_FALSE(help->autoDefault()) << "Enter still presses OK";
    help->click();
    EXPECT_EQ(opened, QStringList({"Password", "Password"}));
    dialog.hide();
    dialog.show();
    EXPECT_EQ(buttons->buttons().size(), 3) << "OK, Cancel and one Help however often it shows";

    // A dialog without a place keeps its buttons; F1 there opens the contents.
    QDialog loose;
    auto* own = new QDialogButtonBox(QDialogButtonBox::Ok, &loose);
    auto* line = new QLineEdit(&loose);
    loose.show();
    QApplication::setActiveWindow(&loose);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&loose));
    EXPECT_FALSE(own->button(QDialogButtonBox::Help));
    line->setFocus();
    QTest::keyClick(line, Qt::Key_F1);
    EXPECT_EQ(opened.last(), "Contents");
    qApp->removeEventFilter(&keys);
}
