#pragma once
// The rows that open both option pages: the section's font dialog, then one colour button per colour.
#include "app/options/ColourOption.h"

#include <QList>

class QGridLayout;
class QWidget;

// Adds the rows from `row` on; the row after them.
int addAppearanceRows(QGridLayout* grid, int row, const QString& section, const QList<ColourOption>& colours,
                      QWidget* page);
