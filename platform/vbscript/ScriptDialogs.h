#pragma once
// The language's own dialogs, MsgBox and InputBox, are the host's to show: the engine asks its site for
// IScriptSiteDialogs (this engine's interface, not the platform's) and hands it what the script wrote. A
// site that does not offer it has no dialogs, and both functions raise "Permission denied" there.
#include "platform/automation/interfaces.h"

#include <cstdint>
#include <vector>

constexpr IID IID_IScriptSiteDialogs = {0x5C0D1A7E, 0x2B44, 0x4E61, {0x9A, 0x3F, 0x61, 0x0B, 0x7D, 0x12, 0xC4, 0x58}};

struct IScriptSiteDialogs : IUnknown {
    // `style` is MsgBox's buttons argument; `title` is null when the script gave none. `answer` gets the
    // pressed button's value as MsgBox returns it (vbOK 1 ... vbNo 7).
    virtual HRESULT ShowMessage(LPCOLESTR text, LPCOLESTR title, std::int32_t style, std::int32_t* answer) = 0;
    // `text` gets what the user typed, or stays null when the user cancelled.
    virtual HRESULT AskText(LPCOLESTR prompt, LPCOLESTR title, LPCOLESTR initial, BSTR* text) = 0;

protected:
    ~IScriptSiteDialogs() = default;
};

namespace vbscript {

// MsgBox's buttons argument taken apart, and the values it returns.
struct MessageBoxStyle {
    enum Buttons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
    enum Icon { NoIcon, Critical, Question, Exclamation, Information };
    enum Answer { AnswerOk = 1, AnswerCancel, AnswerAbort, AnswerRetry, AnswerIgnore, AnswerYes, AnswerNo };

    Buttons buttons = Ok;
    Icon icon = NoIcon;
    int defaultButton = 0;   // counted from 0; past the box's last button Enter presses the first

    static MessageBoxStyle of(std::int32_t style);
    // What each button of the box returns, in the order the box shows them.
    std::vector<Answer> answers() const;
    Answer defaultAnswer() const;
};

} // namespace vbscript
