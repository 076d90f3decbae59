#pragma once
// A fresh database with the modules catalogue table, open in an application context.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"
#include "support/TempRoot.h"

#include <QStringList>

#include <gtest/gtest.h>

class ModuleDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        CDbRecordset creator(context.connection);
        ASSERT_TRUE(creator.Open(QStringLiteral("Create Database '\\Data'"), 0, 1));
        context.openDatabase = std::make_shared<COpenDatabase>(QStringLiteral("\\Data.cdb"));
        ASSERT_TRUE(run(QStringLiteral("CREATE TABLE 'XNSysModules' (ModuleName varchar(15),Source text)")));
    }

    bool run(const QString& sql)
    {
        CDbRecordset recordset(context.connection, context.databasePath());
        return recordset.Open(sql, 0, 1);
    }

    // Every module as "name=source", in stored order.
    QStringList modules()
    {
        QStringList rows;
        CDbRecordset recordset(context.connection, context.databasePath());
        if (!recordset.Open(QStringLiteral("SELECT * FROM XNSysModules"), 0, 1))
            return rows;
        for (recordset.MoveFirst(); !recordset.IsEOF(); recordset.MoveNext())
            rows << recordset.GetFieldString(0) + QLatin1Char('=') + recordset.GetFieldString(1);
        return rows;
    }

    TempRoot root;
    CAppContext context;
};
