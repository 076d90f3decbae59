#pragma once
// A script's MsgBox and InputBox in the program: the framework's message box and prompt, shown on the
// user-interface thread whichever thread runs the script, so that tests answer them as any other message.
#include <QString>

#include <cstdint>
#include <optional>

// The button pressed, as MsgBox returns it; `style` is MsgBox's buttons argument and a null title stands for
// the application's caption.
std::int32_t ShowScriptMessage(const QString& text, const QString& title, std::int32_t style);
// The text typed, or nullopt when the prompt was cancelled.
std::optional<QString> AskScriptText(const QString& prompt, const QString& title, const QString& initial);
