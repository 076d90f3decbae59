#pragma once
// The colour chooser of the options pages and the form designer, over colours kept as 0x00BBGGRR.
#include <QColor>
#include <QString>

class QWidget;

QColor colorFromBgr(unsigned value);
unsigned bgrFromColor(const QColor& color);

// Opens the chooser preset to `current`: the chosen colour, or `current` when the user cancels.
unsigned chooseColor(unsigned current, QWidget* parent, const QString& title = QString());
