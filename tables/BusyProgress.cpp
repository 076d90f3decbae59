#include "tables/BusyProgress.h"

#include "platform/framework/MessageBox.h"

#include <QApplication>
#include <QProgressDialog>
#include <QWidget>

BusyProgress::BusyProgress(QWidget* window) : m_window(window) {}

BusyProgress::~BusyProgress() { end(); }

void BusyProgress::begin(const QString& what) { m_what = what; }

bool BusyProgress::keepGoing(std::chrono::milliseconds elapsed)
{
    if (!m_cursor && elapsed >= kCursorAfter) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_cursor = true;
    }
    if (!m_box && elapsed >= kBoxAfter) {
        // The work's length is not known: the bar only shows that it goes on.
        m_box = std::make_unique<QProgressDialog>(m_what, QStringLiteral("Cancel"), 0, 0, m_window);
        m_box->setWindowTitle(framework::applicationCaption());
        m_box->setWindowModality(Qt::ApplicationModal);
        m_box->setMinimumDuration(0);
        m_box->show();
    }
    if (!m_box)
        return true;
    // The window repaints and Cancel can be pressed; the engine refuses anything else meanwhile.
    QApplication::processEvents();
    return !m_box->wasCanceled();
}

void BusyProgress::end()
{
    // The keys go back to the window the box stood over, as they do when a dialog closes.
    if (m_box && m_window)
        m_window->window()->activateWindow();
    m_box.reset();
    if (m_cursor)
        QApplication::restoreOverrideCursor();
    m_cursor = false;
}
