#pragma once
// The delimited text dialogs of the database window, over the program's window.
#include "app/shell/TextTransfer.h"
#include "data/CAppContext.h"

#include <QPointer>
#include <QWidget>

class DesktopTextTransfer : public TextTransfer {
public:
    explicit DesktopTextTransfer(CAppContext& context) : m_context(context) {}
    void setWindow(QWidget* window) { m_window = window; }

    std::optional<QString> importFile(const QString& path) override;
    void exportSource(const QString& source) override;
    void exportDatabase() override;

private:
    CAppContext& m_context;
    QPointer<QWidget> m_window;
};
