#pragma once
// The program's answers to messages and prompts: real modal dialogs over the active window.
namespace framework {

// Installs the message-box and prompt responders that open dialogs. Needs a QApplication.
void installWidgetDialogs();

} // namespace framework
