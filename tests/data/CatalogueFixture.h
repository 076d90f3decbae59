#pragma once
// A fresh device with an application context, a windowless database window and a message recorder, and
// short ways to run statements on the open database and read results as text.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"

#include "support/MessageRecorder.h"
#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <QList>
#include <QStringList>

class CatalogueFixture : public ::testing::Test {
protected:
    // Creates the database at `path` and runs the catalogue check, as New Database does.
    void createDatabase(const QString& path = QStringLiteral("\\Sales.cdb"))
    {
        ASSERT_TRUE(CreateDatabase(context, window, path));
        fDBInit(context, window);
    }

    bool run(const QString& sql)
    {
        CDbRecordset statement(context.connection, context.databasePath());
        return statement.Open(sql, 0, 1);
    }

    // Every row of the result, each column as text.
    QList<QStringList> rows(const QString& sql)
    {
        CDbRecordset result(context.connection, context.databasePath());
        QList<QStringList> all;
        if (!result.Open(sql, 0, 1))
            return all;
        while (!result.IsEOF()) {
            QStringList row;
            for (int column = 0; column < result.GetFieldCount(); ++column)
                row << result.GetFieldString(column);
            all << row;
            if (!result.MoveNext())
                break;
        }
        return all;
    }

    // One column of every row.
    QStringList column(const QString& sql, int index)
    {
        QStringList values;
        for (const QStringList& row : rows(sql))
            values << row.value(index);
        return values;
    }

    QString tableId(const QString& name)
    {
        for (const QStringList& row : rows(QStringLiteral("SELECT * FROM MSysTables")))
            if (row.value(0) == name)
                return row.value(1);
        return QString();
    }

    // The field property rows of a table, ordered by FieldID.
    QList<QStringList> fieldProperties(const QString& table)
    {
        return rows(QStringLiteral("SELECT * FROM XNSysFields WHERE TableID = %1 ORDER BY FieldID").arg(tableId(table)));
    }

    void reopen() { ASSERT_TRUE(OpenDatabase(context, window, context.databasePath())); }

    TempRoot root;
    MessageRecorder messages;
    CAppContext context;
    HeadlessDatabaseWindow window;
};
