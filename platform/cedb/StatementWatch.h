#pragma once
// A statement that works long (a sort or a filter over many records, done inside one step) reports
// to a watch now and then while it runs, so that the program can show that it is busy and let the user
// stop it. The engine serves one thread and one caller at a time: while the watch runs, every call into
// the engine is refused, so that nothing the watch lets happen (a repaint, a timer) reaches a statement
// half done.
#include <functional>

namespace cedb {

// Answers false to stop the statement; the engine call that ran it then fails with E_ABORT.
using StatementWatch = std::function<bool()>;

// Installs `watch` for every statement that follows (empty for none) and returns the previous one.
StatementWatch setStatementWatch(StatementWatch watch);

// True while the watch runs; the engine's entry points refuse then.
bool insideStatementWatch();

namespace detail {
// The SQLite progress handler of every open file.
int statementProgress(void*);
// How many virtual-machine steps pass between two calls of the watch: small enough that it comes
// several times a second on a slow machine, large enough to cost nothing measurable.
constexpr int kStepsBetweenCalls = 20000;
} // namespace detail

} // namespace cedb
