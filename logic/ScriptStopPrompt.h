#pragma once
// The program's script watch: a run that is still going after a few seconds of its own brings up a small
// "Stop script" box; its button or Escape stops the script. Meanwhile the script runs on a worker
// thread, and what it asks of forms and message boxes comes back to this thread; the time it waits
// for those does not count.
#include "logic/ScriptRunClock.h"
#include "logic/ScriptWatch.h"

class QWidget;

class ScriptStopPrompt : public ScriptWatch {
public:
    explicit ScriptStopPrompt(QWidget* parent, int delayMilliseconds = 3000);

    bool watch(const std::function<void()>& run, const std::function<void()>& stop) override;
    void uiCallStarted() override { m_clock.pause(); }
    void uiCallEnded() override { m_clock.resume(); }

private:
    QWidget* m_parent;
    int m_delay;
    ScriptRunClock m_clock;
};
