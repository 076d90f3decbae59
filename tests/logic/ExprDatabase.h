#pragma once
// A database of small tables for the expression tests, opened in the application context.
#include "data/CAppContext.h"
#include "data/CDbRecordset.h"

#include "support/TempRoot.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

class ExprDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        CDbRecordset creator(context.connection);
        ASSERT_TRUE(creator.Open(QStringLiteral("Create Database '\\Exprs'"), 0, 1));
        context.openDatabase = std::make_shared<COpenDatabase>(QStringLiteral("\\Exprs.cdb"));
    }

    void run(std::initializer_list<const char*> statements)
    {
        for (const char* sql : statements) {
            CDbRecordset recordset(context.connection, context.databasePath());
            ASSERT_TRUE(recordset.Open(QString::fromUtf8(sql), 0, 1)) << sql;
        }
    }

    TempRoot root;
    CAppContext context;
};
