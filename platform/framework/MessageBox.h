#pragma once
// Every message the system shows goes through showMessage. The program installs a responder that opens
// a real message box; tests install one that records the message and answers from a script.
#include <QString>

#include <functional>
#include <vector>

namespace framework {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore, RetryCancel };
enum class Icon { None, Information, Question, Warning, Error };
enum class Answer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

// The caption of every message that names none; the application sets it once at start.
void setApplicationCaption(const QString& caption);
const QString& applicationCaption();

struct MessageRequest {
    QString text;
    QString caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    // The button Enter presses, counted from 0 in the order the buttons are named; past the last, the first.
    int defaultButton = 0;
};

// The answers of the buttons, in the order they are named.
std::vector<Answer> buttonAnswers(Buttons buttons);
// The answer of the button Enter presses.
Answer defaultAnswer(const MessageRequest& request);

using MessageResponder = std::function<Answer(const MessageRequest&)>;

// A null caption stands for the application's caption.
Answer showMessage(const QString& text, const QString& caption = QString(), Buttons buttons = Buttons::Ok,
                   Icon icon = Icon::None);
Answer showMessage(MessageRequest request);

// Installs the responder and returns the previous one. With none installed, messages go to standard
// error and the answer is the default button.
MessageResponder setMessageResponder(MessageResponder responder);

} // namespace framework
