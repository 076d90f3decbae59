#pragma once
// The main window opens where the user left it, on a screen that is there, or at a size that suits the
// screen; its place is remembered when the program ends.
class QWidget;

// Gives `window` its opening place and shows it (maximised when it was left so).
void showInItsPlace(QWidget& window);
void rememberPlace(const QWidget& window);
