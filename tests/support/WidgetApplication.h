#pragma once
#include <QApplication>

// Widget tests of a GoogleTest program share one application object for the whole program.
inline void ensureWidgetApplication()
{
    static int argc = 1;
    static char name[] = "widget_tests";
    static char* argv[] = {name, nullptr};
    if (!qApp)
        new QApplication(argc, argv);
}
