#include "app/CDatabaseApp.h"
#include "data/ApplicationIdentity.h"
#include "platform/framework/WidgetDialogs.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    installApplicationIdentity();
    QApplication::setApplicationName(QStringLiteral("Varnel Desk"));
    framework::installWidgetDialogs();
    CDatabaseApp program(QApplication::arguments());
    return program.run();
}
