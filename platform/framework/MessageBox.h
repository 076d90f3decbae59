#pragma once
// Every message the system shows goes through showMessage. The program installs a responder that opens
// a real message box; tests install one that records the message and answers from a script.
#include <QString>

#include <functional>

namespace framework {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Warning, Error };
enum class Answer { Ok, Cancel, Yes, No };

// The caption of every message that names none; the application sets it once at start.
void setApplicationCaption(const QString& caption);
const QString& applicationCaption();

struct MessageRequest {
    QString text;
    QString caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
};

using MessageResponder = std::function<Answer(const MessageRequest&)>;

// A null caption stands for the application's caption.
Answer showMessage(const QString& text, const QString& caption = QString(), Buttons buttons = Buttons::Ok,
                   Icon icon = Icon::None);

// Installs the responder and returns the previous one. With none installed, messages go to standard
// error and the answer is the default button (Ok, or Yes for a question).
MessageResponder setMessageResponder(MessageResponder responder);

} // namespace framework
