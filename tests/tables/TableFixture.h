#pragma once
// A fresh database under a temporary device root, opened in an application context, with a tables
// list that only records what the catalogue check and the designer put into it.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/DatabaseWindowSink.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"
#include "support/TestServer.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class RecordingTablesList : public DatabaseWindowSink {
public:
    void clearTablesList() override { rows.clear(); }
    void clearSecondList() override {}
    void addTableRow(int, const QString& name, const QString&, const QString&, const QString& tableId) override
    {
        rows.append({name, tableId});
    }
    int tableRowCount() const override { return int(rows.size()); }
    QString tableRowId(int row) const override { return rows.value(row).value(1); }
    void setCountLabels(const QString&, const QString&) override {}
    void showListPanes() override {}

    QList<QStringList> rows; // name, id
};

class TableFixture : public ::testing::Test {
protected:
    TableFixture() { EXPECT_TRUE(CreateDatabase(context, tables, database.path())); fDBInit(context, tables); messages.clear(); }

    // Every row of a statement, each column as text.
    QList<QStringList> select(const QString& sql)
    {
        QList<QStringList> rows;
        CDbRecordset records(context.connection, context.databasePath());
        if (!records.Open(sql, 0, 1))
            return rows;
        for (; !records.IsEOF(); records.MoveNext()) {
            QStringList row;
            for (int i = 0; i < records.GetFieldCount(); ++i)
                row << records.GetFieldString(i);
            rows << row;
        }
        return rows;
    }
    bool run(const QString& sql)
    {
        CDbRecordset statement(context.connection, context.databasePath());
        return statement.Open(sql, 0, 1);
    }
    // One catalogue column of every field of the table, in FieldID order.
    QStringList catalogueColumn(const QString& tableId, const QString& column)
    {
        QStringList values;
        for (const QStringList& row : select(QStringLiteral("Select ") + column +
                                             QStringLiteral(" From XNSysFields Where TableID = ") + tableId +
                                             QStringLiteral(" ORDER BY FIELDID ASC")))
            values << row.value(0);
        return values;
    }

    TempRoot root;
    TestDatabase database{QStringLiteral("\\Test.cdb")};
    MessageRecorder messages;
    CAppContext context;
    RecordingTablesList tables;
};
