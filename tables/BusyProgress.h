#pragma once
// What the user sees of long work over the records: a busy cursor once it outlasts a moment, and after
// half a second a box that says what is going on, with Cancel. The box is modal, so that nothing else
// can be asked of the records meanwhile.
#include "data/LongWork.h"

#include <QPointer>

#include <memory>

class QProgressDialog;
class QWidget;

class BusyProgress : public LongWork {
public:
    static constexpr std::chrono::milliseconds kCursorAfter{150};
    static constexpr std::chrono::milliseconds kBoxAfter{500};

    explicit BusyProgress(QWidget* window);
    ~BusyProgress() override;

    void begin(const QString& what) override;
    bool keepGoing(std::chrono::milliseconds elapsed) override;
    void end() override;

    // The box on show, null when there is none.
    QProgressDialog* box() const { return m_box.get(); }

private:
    QPointer<QWidget> m_window;
    QString m_what;
    bool m_cursor = false;
    std::unique_ptr<QProgressDialog> m_box;
};
