#pragma once
// Stand-ins for what the database window calls below it: they record what they are asked and answer
// from what the test prepared.
#include "app/shell/ShellServices.h"

#include <QHash>

class FakeDatabase : public DatabaseService {
public:
    bool isOpen() const override { return !m_openPath.isEmpty(); }
    QString openPath() const override { return m_openPath; }
    bool createDatabase(const QString& path) override
    {
        calls << "create " + path;
        if (failCreate)
            return false;
        m_openPath = path;
        files << path;
        return true;
    }
    bool openDatabase(const QString& path) override
    {
        calls << "open " + path;
        if (!files.contains(path))
            return false;
        m_openPath = path;
        return true;
    }
    void closeDatabase() override
    {
        if (isOpen())
            calls << "close";
        m_openPath.clear();
    }
    bool deleteDatabase(const QString& path) override
    {
        calls << "delete " + path;
        // Like a device whose engine holds the open file.
        if (path == m_openPath || !files.contains(path))
            return false;
        files.removeAll(path);
        return true;
    }
    void checkCatalogue() override { calls << "check"; }
    void relistTables() override { calls << "relist"; }
    QString copyDatabaseTo(const QString& target) override
    {
        calls << "copy " + target;
        return copyFailure;
    }
    bool execute(const QString& sql) override
    {
        statements << sql;
        return !failing.contains(sql);
    }
    std::optional<QList<QStringList>> select(const QString& sql) override
    {
        statements << sql;
        if (failing.contains(sql))
            return std::nullopt;
        return results.value(sql);
    }
    std::optional<int> recordCount(const QString& table) override
    {
        if (!counts.contains(table))
            return std::nullopt;
        return counts.value(table);
    }
    bool createTable(const QString& name, const QList<FieldDefinition>&) override
    {
        calls << "create table " + name;
        return isOpen();
    }
    bool deleteTable(const QString& name) override
    {
        calls << "delete table " + name;
        return isOpen() && !failing.contains("delete table " + name);
    }
    bool setNextAutoNumber(const QString& table, const QString& field, int next) override
    {
        calls << QStringLiteral("counter %1.%2 %3").arg(table, field).arg(next);
        return isOpen();
    }

    QStringList files;
    QStringList calls;
    QStringList statements;
    QStringList failing;
    QHash<QString, QList<QStringList>> results;
    QHash<QString, int> counts;
    bool failCreate = false;
    QString copyFailure; // what copyDatabaseTo answers

private:
    QString m_openPath;
};

class FakeRecent : public RecentDatabases {
public:
    QStringList entries() const override { return list; }
    void add(const QString& path) override
    {
        list.removeAll(path);
        list.prepend(path);
        while (list.size() > 4)
            list.removeLast();
    }
    void remove(int index) override { list.removeAt(index); }
    QStringList list;
};

class FakePlatform : public ShellPlatform {
public:
    QString browseForFile(const BrowseRequest& request) override
    {
        requests << request;
        return browseAnswer;
    }
    QString chooseNewDatabase() override { return newDatabaseAnswer; }
    QString chooseServerDatabase(const QString& title) override
    {
        serverTitles << title;
        return serverAnswer;
    }
    std::optional<QString> askPassword(const QString& why) override
    {
        passwordQuestions << why;
        if (passwordAnswers.isEmpty())
            return std::nullopt;
        return passwordAnswers.takeFirst();
    }
    QString chooseFormFile(const QString& formName) override
    {
        formFileOffers << formName;
        return formFileAnswer;
    }
    QString chooseProcedure(const QString& moduleName, const QStringList& procedures) override
    {
        procedureOffers << moduleName + ": " + procedures.join(", ");
        return procedureAnswer;
    }
    void startHelp(const QString& commandLine) override { help << commandLine; }
    void releaseHotKeys() override { hotKeysTaken = false; }
    void takeHotKeys() override { hotKeysTaken = true; }
    void quit() override { quitCalled = true; }
    void openTableDesigner() override { ++designerOpened; }
    void openIndexManager(const QString& table) override { indexManagerTables << table; }
    void openOptions() override { ++optionsOpened; }
    bool openDeletedTables() override
    {
        ++deletedTablesOpened;
        return tableRestored;
    }

    QList<BrowseRequest> requests;
    QString browseAnswer;
    QString newDatabaseAnswer;
    QStringList serverTitles;
    QString serverAnswer;
    QStringList passwordQuestions;
    QStringList passwordAnswers;
    QStringList formFileOffers;
    QString formFileAnswer;
    QStringList procedureOffers;
    QString procedureAnswer;
    QStringList help;
    bool hotKeysTaken = true;
    bool quitCalled = false;
    int designerOpened = 0;
    QStringList indexManagerTables;
    int optionsOpened = 0;
    int deletedTablesOpened = 0;
    bool tableRestored = false; // what the deleted tables answer
};
