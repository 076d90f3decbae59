// The help viewer: shows one help file, opened at the place its command line names.
#include "data/ApplicationNames.h"
#include "platform/device/DevicePath.h"
#include "platform/device/SystemFolder.h"
#include "tools/peghelp/HelpTopic.h"
#include "tools/peghelp/HelpWindow.h"

#include <QApplication>
#include <QFile>

int main(int argc, char** argv)
{
    installDeviceNames();
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const HelpTopic topic = parseHelpTopic(args.isEmpty() ? QStringLiteral("file:XNHelp.htm#Contents") : args.join(' '));
    const QString path = helpFilePath(topic, device::systemFolder());

    HelpWindow window;
    if (QFile::exists(path))
        window.showFile(path, topic.anchor);
    else
        window.showMissing(path);
    window.show();
    return app.exec();
}
