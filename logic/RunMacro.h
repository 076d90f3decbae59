#pragma once
// Runs macros: the handler an event names, over the form view that raised it.
#include <QString>

class CAppContext;
class MacroForm;

// How deep macros (and the modules run in their place) may start one another through the events
// their actions cause, before the deepest is refused.
inline constexpr int kMacroChainLimit = 16;

// Runs the macro of that name on the form; `control` is the index of the control whose event started
// it, -1 when the form itself started it. When no single macro has that name, the script module of
// that name runs instead, acting on this form.
void RunMacro(CAppContext& context, MacroForm& form, const QString& name, int control = -1);

// The message of a macro that stops at `row` (1-based) because its action could not be carried out.
QString MacroStopText(const QString& macro, int row, const QString& action, const QString& reason);
