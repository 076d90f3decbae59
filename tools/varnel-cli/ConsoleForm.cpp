#include "ConsoleForm.h"

#include "forms/runtime/FormSession.h"
#include "platform/framework/MessageBox.h"

QTextStream& consoleOut()
{
    static QTextStream stream(stdout);
    return stream;
}

void answerMessagesOnConsole(bool answerYes)
{
    framework::setMessageResponder([answerYes](const framework::MessageRequest& request) {
        const bool question = request.buttons == framework::Buttons::YesNo;
        consoleOut() << (question ? "question: " : "message: ") << request.text << '\n';
        consoleOut().flush();
        if (!question)
            return framework::Answer::Ok;
        return answerYes ? framework::Answer::Yes : framework::Answer::No;
    });
}

void printForm(const FormSession& form)
{
    consoleOut() << "position\t" << form.positionText() << '\n';
    for (const FormControl& control : form.controls()) {
        switch (control.kind()) {
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            consoleOut() << control.name << '\t' << (control.ticked ? "-1" : "0") << '\n';
            break;
        case ControlKind::Label:
            if (ControlSource(control.properties).isEmpty())
                break;
            [[fallthrough]];
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::DateTime:
            consoleOut() << control.name << '\t' << control.text << '\n';
            break;
        default:
            break;
        }
    }
}
