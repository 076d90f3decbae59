#pragma once
// A file with the table People (stored as t4), and short ways to undo, redo and look at what SQLite holds.
#include "EngineFixture.h"
#include "platform/cedb/Database.h"
#include "platform/cedb/History.h"
#include "platform/device/DevicePath.h"
#include "support/OtherProgram.h"

#include <sqlite3.h>

class HistoryFixture : public EngineFixture {
protected:
    void SetUp() override
    {
        EngineFixture::SetUp();
        ASSERT_EQ(run("CREATE TABLE People (Name varchar(200), Notes text, Born datetime, Member bit, Score float, "
                      "Visits int)"),
                  S_OK);
    }

    // The table's rows as SQLite holds them, every value with its storage class.
    Lines stored()
    {
        return inFile("SELECT rowid, quote(c1), quote(c2), quote(c3), quote(c4), quote(c5), quote(c6) FROM t4 ORDER BY rowid");
    }

    // What `sql` reads from the file through SQLite itself, the columns of each row joined by '|'.
    Lines inFile(const char* sql)
    {
        Lines lines;
        sqlite3* db = nullptr;
        sqlite3_open_v2(device::toHostPath(path)->toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList values;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
            lines.push_back(values.join(QLatin1Char('|')));
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return lines;
    }

    bool undo(int steps = 1)
    {
        QString message;
        const bool done = cedb::history::undo(path, steps, message);
        lastMessage = message;
        return done;
    }

    bool redo()
    {
        QString message;
        const bool done = cedb::history::redo(path, message);
        lastMessage = message;
        return done;
    }

    // Runs `sql` as one named command.
    void command(const QString& name, const QStringList& statements)
    {
        auto connection = cedb::Connection::create();
        ASSERT_EQ(connection->BeginCommand(path, name), S_OK);
        for (const QString& sql : statements)
            ASSERT_EQ(run(sql), S_OK) << sql.toStdString();
        ASSERT_EQ(connection->EndCommand(path), S_OK);
    }

    // Writes `values` (by field index) into every record of People `where` says, through a recordset.
    void set(const QString& where, const std::vector<std::pair<int, Variant>>& values)
    {
        auto records = open("SELECT * FROM People WHERE " + where);
        for (; !eof(records); records->MoveNext()) {
            for (const auto& [field, value] : values)
                ASSERT_EQ(put(records, field, value), S_OK);
            ASSERT_EQ(records->Update(), S_OK) << cedb::lastError().description.toStdString();
        }
    }

    // The same as one named command.
    void setAs(const QString& name, const QString& where, const std::vector<std::pair<int, Variant>>& values)
    {
        auto connection = cedb::Connection::create();
        ASSERT_EQ(connection->BeginCommand(path, name), S_OK);
        set(where, values);
        ASSERT_EQ(connection->EndCommand(path), S_OK);
    }

    QString lastMessage;
};

// Field indexes of People.
enum { kName, kNotes, kBorn, kMember, kScore, kVisits };
