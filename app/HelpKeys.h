#pragma once
// F1 and the Help buttons: wherever the keyboard is, F1 opens the help guide at the place of the window
// around it; a dialog that has a place in the guide and a button row gains a Help button that opens it
// there too. Installed on the application once.
#include <QObject>
#include <QString>

#include <functional>

class HelpKeys : public QObject {
    Q_OBJECT
public:
    // `open` shows the guide at a place (openHelpTopic in the program, a recorder in tests).
    explicit HelpKeys(std::function<void(const QString&)> open, QObject* parent = nullptr)
        : QObject(parent), m_open(std::move(open))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addHelpButton(QWidget* dialog);

    std::function<void(const QString&)> m_open;
};
