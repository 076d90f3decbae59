// The help viewer: shows one help file, opened at the place its command line names.
#include "platform/device/SystemFolder.h"
#include "platform/device/DevicePath.h"
#include "tools/peghelp/HelpTopic.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const HelpTopic topic = parseHelpTopic(args.isEmpty() ? QStringLiteral("file:XNHelp.htm#Contents") : args.join(' '));
    const QString path = helpFilePath(topic, device::systemFolder());

    QTextBrowser browser;
    browser.setWindowTitle(QStringLiteral("Varnel Desk Help"));
    browser.setOpenExternalLinks(false);
    browser.resize(480, 640);
    if (QFile::exists(path)) {
        browser.setSource(QUrl::fromLocalFile(path));
        if (!topic.anchor.isEmpty())
            browser.scrollToAnchor(topic.anchor);
    } else {
        browser.setPlainText(QStringLiteral("The help file %1 was not found.").arg(path));
    }
    browser.show();
    return app.exec();
}
