#pragma once
// The database window's appearance as the general options describe it.
#include "widgets/CColorChooser.h"

#include <QFont>
#include <QString>

struct WindowLook {
    QString font = QStringLiteral("Tahoma");
    QString fontSize = QStringLiteral("14");
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    unsigned fontColor = 0;
    unsigned backgroundColor = 0xFFFFFF;
    unsigned listColor = 0xFFFFFF;
};

// The lists' font: the face, the size as a pixel height (a size that is not a number gives the
// toolkit's default), weight and the three styles.
QFont listFont(const WindowLook& look);

// On the device's own 240x320 screen the tables list gets the room the command bar leaves free.
int tablesListExtraHeight(int screenWidth, int screenHeight);
