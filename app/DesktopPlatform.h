#pragma once
// The platform services of the database window on a Linux desktop: the file browser component, the
// save dialog, device files, the help viewer, the hot keys and the end of the program.
#include "app/HotKeyGrabber.h"
#include "app/shell/ShellServices.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class DesktopPlatform : public ShellPlatform {
public:
    void setWindow(QWidget* window) { m_window = window; }
    HotKeyGrabber& hotKeys() { return m_hotKeys; }

    QString browseForFile(const BrowseRequest& request) override;
    QString chooseNewDatabase() override;
    QString chooseServerDatabase(const QString& title) override;
    std::optional<QString> askPassword(const QString& why) override;
    QString chooseFormFile(const QString& formName) override;
    QString chooseProcedure(const QString& moduleName, const QStringList& procedures) override;
    void startHelp(const QString& commandLine) override;
    void releaseHotKeys() override { m_hotKeys.release(); }
    void takeHotKeys() override { m_hotKeys.take(); }
    void quit() override;
    void setTableDesigner(std::function<void()> open) { m_tableDesigner = std::move(open); }
    void setIndexManager(std::function<void(const QString&)> open) { m_indexManager = std::move(open); }
    void openIndexManager(const QString& table) override
    {
        if (m_indexManager)
            m_indexManager(table);
    }
    void openTableDesigner() override
    {
        if (m_tableDesigner)
            m_tableDesigner();
    }
    void setOptionsSheet(std::function<void()> open) { m_optionsSheet = std::move(open); }
    void openOptions() override
    {
        if (m_optionsSheet)
            m_optionsSheet();
    }

    void setDeletedTables(std::function<bool()> open) { m_deletedTables = std::move(open); }
    bool openDeletedTables() override { return m_deletedTables && m_deletedTables(); }

private:
    QPointer<QWidget> m_window;
    QString m_lastServerDatabase; // the dialog starts from it; it holds no password
    HotKeyGrabber m_hotKeys;
    std::function<void()> m_tableDesigner;
    std::function<void(const QString&)> m_indexManager;
    std::function<void()> m_optionsSheet;
    std::function<bool()> m_deletedTables;
};
