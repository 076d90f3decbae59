#include "platform/framework/Prompts.h"

#include <utility>

namespace framework {

namespace {
PromptResponder& currentResponder()
{
    static PromptResponder responder;
    return responder;
}
} // namespace

std::optional<QString> askText(const PromptRequest& request)
{
    const PromptResponder& responder = currentResponder();
    return responder ? responder(request) : std::nullopt;
}

PromptResponder setPromptResponder(PromptResponder responder)
{
    return std::exchange(currentResponder(), std::move(responder));
}

} // namespace framework
