#include "logic/ScriptDialogs.h"

#include "logic/ScriptWatch.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Prompts.h"
#include "platform/vbscript/ScriptDialogs.h"

namespace {

using vbscript::MessageBoxStyle;

// In the order of MessageBoxStyle's Buttons and Icon.
constexpr framework::Buttons boxButtons[] = {framework::Buttons::Ok,          framework::Buttons::OkCancel,
                                             framework::Buttons::AbortRetryIgnore, framework::Buttons::YesNoCancel,
                                             framework::Buttons::YesNo,       framework::Buttons::RetryCancel};
constexpr framework::Icon boxIcons[] = {framework::Icon::None, framework::Icon::Error, framework::Icon::Question,
                                        framework::Icon::Warning, framework::Icon::Information};

MessageBoxStyle::Answer answerOf(framework::Answer answer)
{
    switch (answer) {
    case framework::Answer::Ok: return MessageBoxStyle::AnswerOk;
    case framework::Answer::Cancel: return MessageBoxStyle::AnswerCancel;
    case framework::Answer::Abort: return MessageBoxStyle::AnswerAbort;
    case framework::Answer::Retry: return MessageBoxStyle::AnswerRetry;
    case framework::Answer::Ignore: return MessageBoxStyle::AnswerIgnore;
    case framework::Answer::Yes: return MessageBoxStyle::AnswerYes;
    case framework::Answer::No: return MessageBoxStyle::AnswerNo;
    }
    return MessageBoxStyle::AnswerOk;
}

} // namespace

std::int32_t ShowScriptMessage(const QString& text, const QString& title, std::int32_t style)
{
    const MessageBoxStyle box = MessageBoxStyle::of(style);
    const framework::MessageRequest request{text, title, boxButtons[box.buttons], boxIcons[box.icon], box.defaultButton};
    framework::Answer pressed = framework::Answer::Ok;
    onUiThread([&] { pressed = framework::showMessage(request); });
    return answerOf(pressed);
}

std::optional<QString> AskScriptText(const QString& prompt, const QString& title, const QString& initial)
{
    const framework::PromptRequest request{title.isNull() ? framework::applicationCaption() : title, prompt, initial, {}};
    std::optional<QString> typed;
    onUiThread([&] { typed = framework::askText(request); });
    return typed;
}
