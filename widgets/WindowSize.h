#pragma once
// Windows sized by what they hold, not by the device's pixels: the room of so many characters and lines
// of their font, at least what their layout asks for and at most what their screen offers.
class QScrollArea;
class QWidget;

void resizeToText(QWidget& window, int characters, int lines);

// A page of a tab or a window that scrolls on a short screen instead of pressing its minimum height on
// the whole window, which would then run off the screen or overlap its parts.
QScrollArea* scrollingPage(QWidget* page);
