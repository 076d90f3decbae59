#include "filebrowser/browser/BrowserSession.h"

#include "filebrowser/browser/FolderPaths.h"
#include "filebrowser/browser/Patterns.h"
#include "filebrowser/browser/RowSorting.h"

#include <algorithm>
#include <utility>

namespace browser {

namespace {

const QString kEveryEntry = QStringLiteral("*.*");

bool lessIgnoringCase(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

}  // namespace

BrowserSession::BrowserSession(const BrowserRequest& request)
    : m_request(request), m_filterEntries(browser::filterEntries(request.filters))
{
    if (!m_filterEntries.isEmpty())
        m_selectedFilter = 0;
    listFolder(request.defaultDirectory);
    sortRows(m_rows, m_folderCount, Name, true);
    if (savesFile())
        m_fileNameText = request.suggestedName;
}

void BrowserSession::listFolder(const QString& folder)
{
    clearRows();
    const QString listed = canonicalPath(folder);
    addPathEntry(listed);
    addFolderRows(listed);
    m_activePattern = activePatternFrom(filterText(), m_activePattern);
    if (m_request.showOnlyFolders)
        return;
    // A name in the box is the file to choose, not a pattern: it leaves the filter as it is.
    if (isWildcard(m_fileNameText))
        m_activePattern = m_fileNameText;
    for (const FolderEntry& entry : findEntries(withTrailingSeparator(m_pathText) + kEveryEntry)) {
        if (!entry.isFolder && listsFile(entry.name, m_activePattern))
            m_rows.append(makeRow(entry));
    }
}

void BrowserSession::choosePathEntry(qsizetype index)
{
    if (index >= 0 && index < m_pathEntries.size())
        listFolder(m_pathEntries[index]);
}

void BrowserSession::up()
{
    listFolder(folderAbove(m_pathText));
}

void BrowserSession::chooseFilter(qsizetype index)
{
    if (index < 0 || index >= m_filterEntries.size())
        return;
    m_selectedFilter = index;
    m_fileNameText.clear();
    listFolder(currentFolder());
}

void BrowserSession::chooseViewStyle(ViewStyle style)
{
    m_viewStyle = style;
    listFolder(currentFolder());
    sortRows(m_rows, m_folderCount, Name, false);
}

void BrowserSession::clickHeader(Column column)
{
    m_descending = !m_descending;
    m_selectedRow = -1;
    sortRows(m_rows, m_folderCount, column, m_descending);
}

void BrowserSession::editPathText(const QString& text)
{
    m_pathText = text;
}

void BrowserSession::editFileName(const QString& text)
{
    m_fileNameText = text;
    m_selectedRow = -1;
}

void BrowserSession::enterPath()
{
    m_notFound.clear();
    openCandidate(canonicalPath(m_pathText), false);
}

void BrowserSession::selectRow(qsizetype row)
{
    m_selectedRow = row >= 0 && row < m_rows.size() ? row : -1;
}

void BrowserSession::tapRow(qsizetype row)
{
    selectRow(row);
    if (m_selectedRow >= 0 && !m_rows[m_selectedRow].isFolder())
        m_fileNameText = m_rows[m_selectedRow].name();
}

void BrowserSession::doubleTapRow(qsizetype row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    const BrowserRow tapped = m_rows[row];
    if (tapped.isFolder())
        listFolder(tapped.devicePath);
    else
        choose(tapped);
}

void BrowserSession::ok()
{
    m_notFound.clear();
    const QString folder = withTrailingSeparator(m_pathText);
    const bool useTypedText = m_fileNameText.contains(u'*') || m_selectedRow < 0;
    const QString name = useTypedText ? m_fileNameText : m_rows[m_selectedRow].name();
    const QString candidate = folder + name;
    if (candidate.contains(u'*'))
        listWildcard(folder, candidate);
    else
        // A name typed from the root ("\Docs\Sales.cdb") names that entry, not one below this folder.
        openCandidate(name.startsWith(u'\\') || name.startsWith(u'/') ? name : candidate, useTypedText);
    m_result.recordedFolder = currentFolder();
}

void BrowserSession::cancel()
{
    m_result.chosen = false;
    m_ended = true;
}

void BrowserSession::addPathEntry(const QString& folder)
{
    auto same = std::find_if(m_pathEntries.begin(), m_pathEntries.end(), [&](const QString& entry) {
        return QString::compare(entry, folder, Qt::CaseInsensitive) == 0;
    });
    if (same == m_pathEntries.end())
        same = m_pathEntries.insert(std::upper_bound(m_pathEntries.begin(), m_pathEntries.end(), folder, lessIgnoringCase),
                                    folder);
    m_selectedPathEntry = same - m_pathEntries.begin();
    m_pathText = *same;
}

void BrowserSession::addFolderRows(const QString& folder)
{
    for (const FolderEntry& entry : findEntries(withTrailingSeparator(folder) + kEveryEntry)) {
        if (entry.isFolder)
            m_rows.append(makeRow(entry));
    }
    m_folderCount = m_rows.size();
}

void BrowserSession::clearRows()
{
    m_rows.clear();
    m_folderCount = 0;
    m_selectedRow = -1;
}

QString BrowserSession::currentFolder() const
{
    return m_selectedPathEntry >= 0 ? m_pathEntries[m_selectedPathEntry] : m_pathText;
}

QString BrowserSession::filterText() const
{
    return m_selectedFilter >= 0 ? m_filterEntries[m_selectedFilter] : kEveryEntry;
}

void BrowserSession::choose(const BrowserRow& row)
{
    // A file to write over is the answer only once the user agrees.
    if (savesFile())
        m_replacing = row;
    else
        chooseFile(row.name(), row.devicePath);
}

void BrowserSession::chooseFile(const QString& name, const QString& devicePath)
{
    m_result.chosen = true;
    m_result.fileName = name;
    m_result.filePath = devicePath;
    m_ended = true;
}

QString BrowserSession::replaceQuestion() const
{
    return m_replacing ? QStringLiteral("%1\nThis file already exists.\nDo you want to replace it?").arg(m_replacing->name())
                       : QString();
}

void BrowserSession::answerReplace(bool replace)
{
    const std::optional<BrowserRow> row = std::exchange(m_replacing, std::nullopt);
    if (row && replace)
        chooseFile(row->name(), row->devicePath);
}

bool BrowserSession::chooseNewFile(const QString& candidate)
{
    QString path = canonicalPath(candidate);
    if (path.endsWith(u'\\'))
        return false;
    if (!path.mid(path.lastIndexOf(u'\\') + 1).contains(u'.')) {
        path += u'.' + m_request.saveExtension;
        // "Shop" names "Shop.cdb", which may be there already.
        if (const std::optional<FolderEntry> entry = lookupEntry(path)) {
            if (entry->isFolder)
                return false;
            choose(makeRow(*entry));
            return true;
        }
    }
    const std::optional<FolderEntry> folder = lookupEntry(folderAbove(path));
    if (!folder || !folder->isFolder)
        return false;
    chooseFile(path.mid(path.lastIndexOf(u'\\') + 1), path);
    return true;
}

void BrowserSession::openCandidate(const QString& candidate, bool typedName)
{
    const std::optional<FolderEntry> entry = lookupEntry(candidate);
    if (!entry) {
        if (savesFile() && typedName && !m_fileNameText.isEmpty() && chooseNewFile(candidate))
            return;
        m_notFound = typedName && !m_fileNameText.isEmpty() ? m_fileNameText : candidate;
        return;
    }
    if (entry->isFolder) {
        // The folder's name has done its work; left in the box it would stand for a file in the folder.
        if (typedName)
            m_fileNameText.clear();
        listFolder(entry->devicePath);
    } else {
        choose(makeRow(*entry));
    }
}

QString BrowserSession::notFoundMessage() const
{
    return QStringLiteral("%1\nThis file or folder does not exist.").arg(m_notFound);
}

void BrowserSession::listWildcard(const QString& folder, const QString& candidate)
{
    clearRows();
    addFolderRows(folder);
    if (m_request.showOnlyFolders)
        return;
    for (const FolderEntry& entry : findEntries(candidate)) {
        if (!entry.isFolder && !exceedsSizeLimit(entry))
            m_rows.append(makeRow(entry));
    }
}

bool BrowserSession::exceedsSizeLimit(const FolderEntry& entry) const
{
    return m_request.maxFilesize != -1 && entry.size > m_request.maxFilesize;
}

}  // namespace browser
