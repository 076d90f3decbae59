#pragma once

#include "filebrowser/browser/BrowserRequest.h"
#include "filebrowser/browser/BrowserRow.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace browser {

enum class ViewStyle { List, Details, Icon, Tiles };

// Everything the chooser knows while it runs and everything the user can do to it. The window only
// shows this state and forwards taps, so all behaviour is here.
class BrowserSession {
public:
    explicit BrowserSession(const BrowserRequest& request);

    const QString& title() const { return m_request.title; }
    const QList<BrowserRow>& rows() const { return m_rows; }
    qsizetype folderCount() const { return m_folderCount; }
    const QStringList& pathEntries() const { return m_pathEntries; }
    qsizetype selectedPathEntry() const { return m_selectedPathEntry; }
    const QString& pathText() const { return m_pathText; }
    const QStringList& filterEntries() const { return m_filterEntries; }
    qsizetype selectedFilter() const { return m_selectedFilter; }
    const QString& fileNameText() const { return m_fileNameText; }
    const QString& activePattern() const { return m_activePattern; }
    bool descending() const { return m_descending; }
    ViewStyle viewStyle() const { return m_viewStyle; }
    qsizetype selectedRow() const { return m_selectedRow; }
    bool ended() const { return m_ended; }
    const BrowserResult& result() const { return m_result; }
    // The name the last Ok or path entry looked for and did not find; empty when it found it.
    const QString& notFound() const { return m_notFound; }
    QString notFoundMessage() const;
    // Naming a file to write: the request asked for it (a save extension).
    bool savesFile() const { return !m_request.saveExtension.isEmpty(); }
    // A chosen file that exists waits for the user's word before it is the answer; empty when none does.
    QString replaceQuestion() const;
    void answerReplace(bool replace);

    // Navigation: the folder's rows replace the list and the folder becomes the path box's selection.
    void listFolder(const QString& folder);
    void choosePathEntry(qsizetype index);
    void up();
    void chooseFilter(qsizetype index);
    void chooseViewStyle(ViewStyle style);
    void clickHeader(Column column);

    // What the user types into the path box and the file-name box. Typing a name deselects the row, so
    // Ok takes the name typed.
    void editPathText(const QString& text);
    void editFileName(const QString& text);
    // Enter in the path box: a folder typed there opens, a file is chosen.
    void enterPath();

    void selectRow(qsizetype row);
    void tapRow(qsizetype row);
    void doubleTapRow(qsizetype row);
    void ok();
    void cancel();

private:
    void addPathEntry(const QString& folder);
    void addFolderRows(const QString& folder);
    void clearRows();
    QString currentFolder() const;
    QString filterText() const;
    void choose(const BrowserRow& row);
    void chooseFile(const QString& name, const QString& devicePath);
    // A typed name that is not there, to be written: false when it cannot be (no such folder).
    bool chooseNewFile(const QString& candidate);
    void openCandidate(const QString& candidate, bool typedName);
    void listWildcard(const QString& folder, const QString& candidate);
    bool exceedsSizeLimit(const FolderEntry& entry) const;

    BrowserRequest m_request;
    QList<BrowserRow> m_rows;
    qsizetype m_folderCount = 0;
    QStringList m_pathEntries;
    qsizetype m_selectedPathEntry = -1;
    QString m_pathText;
    QStringList m_filterEntries;
    qsizetype m_selectedFilter = -1;
    QString m_fileNameText;
    QString m_activePattern;
    // Set means descending. The start's listing is descending by Name, so the first header click turns
    // to ascending and visibly changes the order.
    bool m_descending = true;
    ViewStyle m_viewStyle = ViewStyle::Details;
    qsizetype m_selectedRow = -1;
    bool m_ended = false;
    QString m_notFound;
    std::optional<BrowserRow> m_replacing;
    BrowserResult m_result;
};

}  // namespace browser
