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
    return defaultAnswer(request);
}
} // namespace

void setApplicationCaption(const QString& text) { caption() = text; }

const QString& applicationCaption() { return caption(); }

std::vector<Answer> buttonAnswers(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return {Answer::Ok};
    case Buttons::OkCancel: return {Answer::Ok, Answer::Cancel};
    case Buttons::YesNo: return {Answer::Yes, Answer::No};
    case Buttons::YesNoCancel: return {Answer::Yes, Answer::No, Answer::Cancel};
    case Buttons::AbortRetryIgnore: return {Answer::Abort, Answer::Retry, Answer::Ignore};
    case Buttons::RetryCancel: return {Answer::Retry, Answer::Cancel};
    }
    return {Answer::Ok};
}

Answer defaultAnswer(const MessageRequest& request)
{
    const std::vector<Answer> answers = buttonAnswers(request.buttons);
    const bool named = request.defaultButton >= 0 && std::size_t(request.defaultButton) < answers.size();
    return answers[named ? std::size_t(request.defaultButton) : 0];
}

Answer showMessage(const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    return showMessage(MessageRequest{text, title, buttons, icon});
}

Answer showMessage(MessageRequest request)
{
    if (request.caption.isNull())
        request.caption = caption();
    const MessageResponder& responder = currentResponder();
    return responder ? responder(request) : answerOnConsole(request);
}

MessageResponder setMessageResponder(MessageResponder responder)
{
    return std::exchange(currentResponder(), std::move(responder));
}

} // namespace framework
