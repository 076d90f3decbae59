// The help guide that ships with the program, against the places the program opens it at.
#include "app/HelpTopics.h"
#include "app/PasswordDialog.h"
#include "tools/peghelp/HelpTopic.h"

#include "support/WidgetApplication.h"

#include <gtest/gtest.h>

#include <QApplication>
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
