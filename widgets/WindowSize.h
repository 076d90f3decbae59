#pragma once
// Windows sized by what they hold, not by the device's pixels: the room of so many characters and lines
// of their font, at least what their layout asks for and at most what their screen offers.
class QWidget;

void resizeToText(QWidget& window, int characters, int lines);
