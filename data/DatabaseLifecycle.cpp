#include "data/DatabaseLifecycle.h"

#include "data/CDbRecordset.h"
#include "data/DataHistory.h"
#include "data/SqlText.h"
#include "platform/cedb/DatabaseCopy.h"
#include "platform/cedb/Engine.h"
#include "platform/cedb/ServerAddress.h"
#include "platform/device/Files.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/RecentFileList.h"

#include <functional>

namespace {

// The path without its extension. Only a "." in the file's own name starts an extension, so a folder
// like "\My.Data" never cuts the path short.
QString withoutExtension(const QString& path)
{
    if (cedb::isServerAddress(path))
        return path;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return dot > separator ? path.left(dot) : path;
}

// Why the file at `path` cannot be opened as a database, in words for its user; empty when it can.
QString unusableFileText(const QString& path)
{
    const cedb::FileCheck check = cedb::checkFile(path);
    // A server's address may hold a password: the check's words name the server without it.
    if (cedb::isServerAddress(path) && check.problem != cedb::FileProblem::None)
        return check.detail;
    switch (check.problem) {
    case cedb::FileProblem::None: return {};
    case cedb::FileProblem::Unreadable: return path + QStringLiteral(" cannot be read: ") + check.detail;
    case cedb::FileProblem::NotADatabase: return path + QStringLiteral(" is not a database.");
    case cedb::FileProblem::Truncated:
        return path + QStringLiteral(" is truncated, cut short by a copy or transfer that did not finish: ") +
               check.detail + QLatin1Char('.');
    case cedb::FileProblem::Damaged: return path + QStringLiteral(" is damaged: ") + check.detail;
    }
    return {};
}

} // namespace

bool CreateDatabase(CAppContext& context, DatabaseWindowSink& window, const QString& path)
{
    CloseDatabase(context);
    context.openDatabase = std::make_shared<COpenDatabase>(path);

    CDbRecordset creator(context.connection);
    const bool created =
        creator.Open(QStringLiteral("Create Database ") + sqlQuoted(withoutExtension(path)), 0, 1);
    window.setCountLabels(QStringLiteral("0"), QStringLiteral("0"));
    if (!created)
        CloseDatabase(context);
    return created;
}

namespace {

// Makes the database at `path` by `make` on a temporary file beside it, moved over `path` only once
// `make` succeeded, so that a failure leaves the old file as it was.
bool replaceWhenMade(const QString& path, const std::function<bool(const QString&)>& make)
{
    const QString stem = withoutExtension(path);
    const QString temporary = stem + QStringLiteral(".new") + path.mid(stem.size());
    // A file left there by an attempt that was cut short is ours to replace.
    if (device::fileExists(temporary))
        device::deleteFile(temporary);
    if (!make(temporary) || !device::replaceFile(temporary, path)) {
        if (device::fileExists(temporary))
            device::deleteFile(temporary);
        return false;
    }
    return true;
}

} // namespace

bool CreateDatabaseInPlace(CAppContext& context, DatabaseWindowSink& window, const QString& path)
{
    // A server database is made in the empty database there, which holds nothing to keep.
    if (cedb::isServerAddress(path))
        return CreateDatabase(context, window, path);
    const bool made = replaceWhenMade(path, [&](const QString& temporary) {
        const bool created = CreateDatabase(context, window, temporary);
        CloseDatabase(context);
        return created;
    });
    if (made)
        context.openDatabase = std::make_shared<COpenDatabase>(path);
    return made;
}

QString CopyDatabase(const QString& source, const QString& target)
{
    const auto copy = [&source](const QString& into) { return SUCCEEDED(cedb::copyDatabase(source, into)); };
    if (cedb::isServerAddress(target) ? copy(target) : replaceWhenMade(target, copy))
        return {};
    const QString why = cedb::lastError().description;
    return why.isEmpty() ? QStringLiteral("%1 cannot be written.").arg(target) : why;
}

bool OpenDatabase(CAppContext& context, DatabaseWindowSink& window, const QString& path)
{
    window.showListPanes();
    if (!cedb::isServerAddress(path) && !device::fileExists(path)) {
        framework::showMessage(QStringLiteral("Database doesn't exist."));
        return false;
    }
    // The new file is tried before the open one is let go: a file that cannot be used leaves the open
    // database open, and its window as it was.
    if (const QString why = unusableFileText(path); !why.isEmpty()) {
        framework::showMessage(QStringLiteral("Unable to execute command : fDBInit\n") + why);
        return false;
    }
    const std::shared_ptr<COpenDatabase> previous = context.openDatabase;
    CloseDatabase(context);
    context.openDatabase = std::make_shared<COpenDatabase>(path);
    // A file the engine cannot read is not a database to keep open or to offer again.
    if (!fDBInit(context, window)) {
        context.openDatabase = previous;
        if (previous)
            relistTables(context, window);
        return false;
    }
    framework::RecentFileList().add(path);
    DataHistory(context).applyKeptLimits();
    return true;
}

bool CloseDatabase(CAppContext& context)
{
    context.openDatabase.reset();
    return true;
}

bool DeleteDatabase(const QString& path)
{
    device::setLastError(device::ErrorSuccess);
    const bool deleted = device::deleteFile(path);
    if (!deleted || device::lastError() != device::ErrorSuccess)
        return false;

    // From the bottom up, so that removing an entry never moves another past the walk.
    framework::RecentFileList recent;
    for (int index = recent.size() - 1; index >= 0; --index)
        if (recent[index] == path)
            recent.remove(index);
    return true;
}
