#pragma once
// The small one-line prompts (Go To, Filter/Sort by, Enter Data, Save Query, the parameter prompt) go
// through askText. The program installs a responder that opens a small dialog; tests install one that
// records the request and answers from a script.
#include <QString>

#include <functional>
#include <optional>

namespace framework {

struct PromptRequest {
    QString title;
    QString prompt;
    QString initialText;
    // The text of the accepting button ("OK" when empty).
    QString buttonText;
};

// The entered text, or nullopt when the prompt was cancelled.
using PromptResponder = std::function<std::optional<QString>(const PromptRequest&)>;

// With no responder installed every prompt counts as cancelled.
std::optional<QString> askText(const PromptRequest& request);

// Installs the responder and returns the previous one.
PromptResponder setPromptResponder(PromptResponder responder);

} // namespace framework
