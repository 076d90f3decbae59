#pragma once
// Which place of the help guide explains which window, and how the guide is opened at that place.
#include <QHash>
#include <QString>

class QWidget;

// The help guide's place for each window class that has one: "CAddNewTableDlg" gives "TableDesigner".
const QHash<QString, QString>& helpTopicsByClass();

// The place for a widget: that of the nearest window around it (itself included) that has one;
// "Contents" when none has.
QString helpTopicFor(const QWidget* widget);

// The help viewer's command line for a place of the guide: "file:XNHelp.htm#" and the place.
QString helpCommandLine(const QString& topic);

// Starts the help viewer on a place of the guide, without waiting for it.
void openHelpTopic(const QString& topic);
