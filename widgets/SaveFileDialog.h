#pragma once
// The save dialog every "Save as" of the program opens: the toolkit's own dialog (the same on every
// desktop), sized for long names with their sizes and dates beside them, whose columns fit what they
// list once the folder is read.
class QFileDialog;
class QString;

void prepareSaveDialog(QFileDialog& dialog, const QString& filter, const QString& suffix);
