#include "platform/framework/WidgetDialogs.h"

#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace framework {

namespace {

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

Answer showMessageBox(const MessageRequest& request)
{
    QMessageBox box(boxIcon(request.icon), request.caption, request.text, standardButtons(request.buttons),
                    QApplication::activeWindow());
    // Closing the box without a button is the platform's "no": Cancel where there is one, else No or OK.
    if (request.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return answerOf(box.exec());
}

std::optional<QString> showPrompt(const PromptRequest& request)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.initialText);
    if (!request.buttonText.isEmpty())
        dialog.setOkButtonText(request.buttonText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace

void installWidgetDialogs()
{
    setMessageResponder(showMessageBox);
    setPromptResponder(showPrompt);
}

} // namespace framework
