#include "MessageBox.h"

#include <QTextStream>

#include <utility>

namespace framework {

namespace {
QString& caption()
{
    static QString text;
    return text;
}

MessageResponder& currentResponder()
{
    static MessageResponder responder;
    return responder;
}

Answer answerOnConsole(const MessageRequest& request)
{
    QTextStream(stderr) << request.caption << ": " << request.text << "\n";
    switch (request.buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    }
    return Answer::Ok;
}
} // namespace

void setApplicationCaption(const QString& text) { caption() = text; }

const QString& applicationCaption() { return caption(); }

Answer showMessage(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    const MessageRequest request{text, title.isNull() ? caption() : title, buttons, icon};
    const MessageResponder& responder = currentResponder();
    return responder ? responder(request) : answerOnConsole(request);
}

MessageResponder setMessageResponder(MessageResponder responder)
{
    return std::exchange(currentResponder(), std::move(responder));
}

} // namespace framework
