#pragma once
// The Table/Form options page without its widgets: which key each control writes the moment it changes.
#include "app/options/ColourOption.h"

#include <QList>
#include <QString>

class TableFormOptionsModel {
public:
    // What the page shows at opening.
    struct Shown {
        QString columnSize;
        bool sortByFieldOrder = false;
        bool confirmOnAdding = false;
        bool confirmOnDeleting = false;
        bool autoAddCaption = false;
    };

    static const QList<ColourOption>& colours();
    static Shown shown();

    static void columnSizeLeft(const QString& text);
    static void sortByFieldOrderToggled(bool checked);
    static void confirmOnAddingToggled(bool checked);
    static void confirmOnDeletingToggled(bool checked);
    // Kept as "TRUE" or "FALSE", as the form designer reads it.
    static void autoAddCaptionToggled(bool checked);
};
