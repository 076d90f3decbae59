#pragma once
// A script's global code may run for long (an endless loop is one typing slip away). RunScript hands
// that part of the run to the installed watch, which can offer the user a way to stop it; without one
// the code simply runs on the calling thread.
#include <functional>

class ScriptWatch {
public:
    virtual ~ScriptWatch() = default;
    // Calls `run` and returns when it has returned, true when the watch stopped it; what `run` throws is
    // thrown again to the caller. `stop` ends the script at its next statement and may be called from any
    // thread; a stopped script ends with a script error.
    virtual bool watch(const std::function<void()>& run, const std::function<void()>& stop) = 0;
    // The script waits for the window thread (a message box of its own, say) between these two calls;
    // that time is the user's, not the script's. Called on the script's thread.
    virtual void uiCallStarted() {}
    virtual void uiCallEnded() {}
};

// Installs the watch (null for none) and returns the previous one.
ScriptWatch* setScriptWatch(ScriptWatch* watch);
ScriptWatch* scriptWatch();

// Calls `call` on the user-interface thread and waits for it: what a script asks of forms and message
// boxes must happen there even while the watch runs the script elsewhere. What `call` throws is thrown
// again to the caller.
void onUiThread(const std::function<void()>& call);
