// MsgBox and InputBox: the script's arguments go to the host's site, which shows the dialog and answers.
#include "platform/vbscript/ScriptDialogs.h"

#include "platform/vbscript/BuiltinsSupport.h"
#include "platform/vbscript/Errors.h"
#include "platform/vbscript/Interpreter.h"
#include "platform/vbscript/OperatorsCoercion.h"
#include "platform/vbscript/Bstr.h"

#include <optional>

namespace vbscript {

MessageBoxStyle MessageBoxStyle::of(std::int32_t style)
{
    MessageBoxStyle result;
    const int buttons = style & 0xF;
    result.buttons = buttons <= RetryCancel ? Buttons(buttons) : Ok;
    const int icon = (style >> 4) & 0xF;
    result.icon = icon <= Information ? Icon(icon) : NoIcon;
    result.defaultButton = (style >> 8) & 0xF;
    return result;
}

std::vector<MessageBoxStyle::Answer> MessageBoxStyle::answers() const
{
    switch (buttons) {
    case Ok: return {AnswerOk};
    case OkCancel: return {AnswerOk, AnswerCancel};
    case AbortRetryIgnore: return {AnswerAbort, AnswerRetry, AnswerIgnore};
    case YesNoCancel: return {AnswerYes, AnswerNo, AnswerCancel};
    case YesNo: return {AnswerYes, AnswerNo};
    case RetryCancel: return {AnswerRetry, AnswerCancel};
    }
    return {AnswerOk};
}

MessageBoxStyle::Answer MessageBoxStyle::defaultAnswer() const
{
    const std::vector<Answer> all = answers();
    return all[std::size_t(defaultButton) < all.size() ? std::size_t(defaultButton) : 0];
}

namespace {

// A text argument as the host takes it: absent when the script left it out.
std::optional<std::u16string> optionalText(const std::vector<Variant>& args, std::size_t index)
{
    if (builtins::isMissing(args, index))
        return std::nullopt;
    return textOf(valueOf(args[index])).toStdU16String();
}

const char16_t* pointerOf(const std::optional<std::u16string>& text) { return text ? text->c_str() : nullptr; }

} // namespace

// MsgBox(prompt [, buttons [, title [, helpfile, context]]]) and
// InputBox(prompt [, title [, default [, xpos, ypos [, helpfile, context]]]]); help files and positions mean
// nothing to the hosts here.
Variant Interpreter::callDialog(Binding::IntrinsicKind kind, const std::vector<ExprPtr>& args, Frame& frame)
{
    const bool message = kind == Binding::MsgBox;
    if (args.empty() || args.size() > (message ? 5u : 7u))
        raiseError(error::WrongArgumentCount);
    const std::vector<Variant> values = evalArgs(args, frame);
    if (builtins::isMissing(values, 0))
        raiseError(error::WrongArgumentCount);
    const std::u16string prompt = textOf(valueOf(values[0])).toStdU16String();
    if (message) {
        const std::int32_t style = builtins::optionalLong(values, 1, 0);
        const std::optional<std::u16string> title = optionalText(values, 2);
        std::int32_t answer = MessageBoxStyle::AnswerOk;
        if (!m_dialogs || FAILED(m_dialogs->ShowMessage(prompt.c_str(), pointerOf(title), style, &answer)))
            raiseError(error::PermissionDenied);
        return Variant(std::int16_t(answer));
    }
    const std::optional<std::u16string> title = optionalText(values, 1);
    const std::optional<std::u16string> initial = optionalText(values, 2);
    BSTR typed = nullptr;
    if (!m_dialogs || FAILED(m_dialogs->AskText(prompt.c_str(), pointerOf(title), pointerOf(initial), &typed)))
        raiseError(error::PermissionDenied);
    // A cancelled prompt gives empty text.
    const QString text = fromBstr(typed);
    freeBstr(typed);
    return Variant(text);
}

} // namespace vbscript
