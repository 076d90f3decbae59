#pragma once
#include <QObject>

// Takes over the keys that stand for the hardware buttons 193 to 207 (Ctrl+Alt+1 to Ctrl+Alt+5) while the program's window is
// active: their presses go to whoever listens to hotKey() and nowhere else. Released on exit.
class HotKeyGrabber : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~HotKeyGrabber() override;

    void take();
    void release();
    bool isTaken() const { return m_taken; }

signals:
    void hotKey(int virtualKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_taken = false;
};
