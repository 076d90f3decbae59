// Registers or unregisters a component library: regsvrce [/s] [/u] LIBRARY.
#include "data/ApplicationNames.h"
#include "platform/framework/MessageBox.h"
#include "tools/regsvrce/Registration.h"

#include <QApplication>
#include <QMessageBox>

#include <memory>

int main(int argc, char** argv)
{
    installDeviceNames();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<regsvrce::Request> request = regsvrce::parseArguments(arguments);
    const bool silent = request && request->silent;

    // A silent run shows nothing, so it needs no display: the program starts it that way at every start.
    // Without a display the messages go to standard error instead of a box.
    const bool display = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    std::unique_ptr<QCoreApplication> app;
    if (silent || !display) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
        framework::setMessageResponder([](const framework::MessageRequest& request) {
            const auto icon = request.icon == framework::Icon::Warning ? QMessageBox::Warning
                                                                       : QMessageBox::Information;
            QMessageBox(icon, request.caption, request.text, QMessageBox::Ok).exec();
            return framework::Answer::Ok;
        });
    }
    return regsvrce::run(arguments);
}
