#pragma once
// A small shop for the query tests: customers and their orders, with a relation between them, opened in the
// application context with its catalogue, so every generated statement is run on the engine as well.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "data/DatabaseLifecycle.h"
#include "data/HeadlessDatabaseWindow.h"
#include "logic/queries/QueryDesign.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <ostream>

// Failures print the texts themselves.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class QueryDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        HeadlessDatabaseWindow window;
        ASSERT_TRUE(CreateDatabase(context, window, QStringLiteral("\\Shop.cdb")));
        ASSERT_TRUE(fDBInit(context, window));
        for (const char* sql : {
                 "CREATE TABLE Customers (CustID int, Name varchar(40), City varchar(40))",
                 "CREATE TABLE Orders (OrderID int, CustID int, Qty int, Price double, Description varchar(40))",
                 "INSERT INTO Customers VALUES (1, 'O''Brien', 'Cork')",
                 "INSERT INTO Customers VALUES (2, 'Smith, John', 'Zoë Town')",
                 "INSERT INTO Customers VALUES (3, 'Müller', 'Köln')",
                 "INSERT INTO Orders VALUES (10, 1, 7, 2.5, 'Nails')",
                 "INSERT INTO Orders VALUES (11, 1, 3, 10.0, 'Saw')",
                 "INSERT INTO Orders VALUES (12, 2, 9, 1.25, 'Screws')",
                 "INSERT INTO Orders VALUES (13, 3, 1, 99.5, 'Drill')",
                 "INSERT INTO XNSysRelations (LeftTable, RightTable, LeftField, RightField) VALUES "
                 "('Customers', 'Orders', 'CustID', 'CustID')",
             })
            ASSERT_TRUE(exec(QString::fromUtf8(sql))) << sql;
        // The new tables' fields get their catalogue rows.
        ASSERT_TRUE(fDBInit(context, window));
    }

    bool exec(const QString& sql)
    {
        CDbRecordset statement(context.connection, context.databasePath());
        return statement.Open(sql, 0, 1);
    }

    // Every record of the statement's result, its values joined by "|"; a failed statement gives "failed".
    QStringList records(const QString& sql)
    {
        CDbRecordset result(context.connection, context.databasePath());
        if (!result.Open(sql, 0, 1))
            return {QStringLiteral("failed")};
        QStringList rows;
        for (; !result.IsEOF(); result.MoveNext()) {
            QStringList values;
            for (std::int32_t i = 0; i < result.GetFieldCount(); ++i)
                values << result.GetFieldString(i);
            rows << values.join(QLatin1Char('|'));
        }
        return rows;
    }

    static QueryColumn column(const char* table, const char* field)
    {
        QueryColumn made;
        made.table = QString::fromUtf8(table);
        made.field = QString::fromUtf8(field);
        return made;
    }

    TempRoot root;
    CAppContext context;
};
