#pragma once
// The database window's appearance as the general options describe it. What the user left at its
// default follows the desktop: its font and size, its light or dark colours.
#include "widgets/CColorChooser.h"

#include <QFont>
#include <QString>

#include <optional>

struct GeneralOptions;

struct WindowLook {
    // An empty face is the desktop's font at the desktop's size.
    QString font;
    QString fontSize;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::optional<unsigned> fontColor;
    std::optional<unsigned> backgroundColor;
    std::optional<unsigned> listColor;
};

WindowLook lookFromOptions(const GeneralOptions& options);

// The lists' font: the face, the size as a pixel height (a size that is not a number gives the
// toolkit's default), weight and the three styles; without a face the desktop's font with the styles.
QFont listFont(const WindowLook& look);

// On the device's own 240x320 screen the tables list gets the room the command bar leaves free.
int tablesListExtraHeight(int screenWidth, int screenHeight);
