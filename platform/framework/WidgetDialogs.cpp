#include "platform/framework/WidgetDialogs.h"

#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace framework {

namespace {

QMessageBox::StandardButton standardButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Abort: return QMessageBox::Abort;
    case Answer::Retry: return QMessageBox::Retry;
    case Answer::Ignore: return QMessageBox::Ignore;
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

// The window a box or prompt is centred over. Without a window manager, or while the program is in the
// background, no window is active; the box then belongs to the program's window on show, not to the
// screen's corner.
QWidget* ownerWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowType() == Qt::Window)
            return top;
    return nullptr;
}

Answer showMessageBox(const MessageRequest& request)
{
    QMessageBox box(boxIcon(request.icon), request.caption, request.text, QMessageBox::NoButton, ownerWindow());
    const std::vector<Answer> answers = buttonAnswers(request.buttons);
    for (Answer answer : answers)
        box.addButton(standardButton(answer));
    box.setDefaultButton(standardButton(defaultAnswer(request)));
    // Closing the box without a button is the platform's "no": Cancel where there is one, else No or OK.
    if (request.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    const int pressed = box.exec();
    for (Answer answer : answers)
        if (pressed == standardButton(answer))
            return answer;
    return answers.front();
}

std::optional<QString> showPrompt(const PromptRequest& request)
{
    QInputDialog dialog(ownerWindow());
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
