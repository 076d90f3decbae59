#include "app/CDatabaseApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnel Desk"));
    CDatabaseApp program(QApplication::arguments());
    return program.run();
}
