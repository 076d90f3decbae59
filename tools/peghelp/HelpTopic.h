#pragma once
#include <QString>

// What the help viewer is asked to show: "file:XNHelp.htm#Contents" names a help file and a place in it.
struct HelpTopic {
    QString file;
    QString anchor;
};

HelpTopic parseHelpTopic(const QString& commandLine);

// The host file of a help file: an absolute host path is used as it is, a bare name lives in the
// system folder, where help files are kept.
QString helpFilePath(const HelpTopic& topic, const QString& systemFolder);
