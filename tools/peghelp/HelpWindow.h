#pragma once
#include "tools/peghelp/HelpContents.h"

#include <QMainWindow>

class QSplitter;
class QTextBrowser;
class QTreeWidget;

// The help viewer's window: the file's contents at the left, its text at the right, and Back,
// Forward and Contents above.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows a help file at a place in it (its start when the place is empty or unknown).
    void showFile(const QString& path, const QString& anchor);
    void showMissing(const QString& path);
    void goTo(const QString& anchor);

private:
    void fillContents(const QList<HelpEntry>& entries);
    void markCurrent(const QString& anchor);

    QSplitter* m_splitter = nullptr;
    QTreeWidget* m_contents = nullptr;
    QTextBrowser* m_text = nullptr;
};
