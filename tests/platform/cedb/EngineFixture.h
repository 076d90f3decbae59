#pragma once
// A fresh database for each test, a file in a fresh device root or a database on the tests' server,
// and short ways to run statements on it.
#include "platform/cedb/Engine.h"
#include "support/TempRoot.h"
#include "support/TestServer.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <vector>

enum class EngineKind { File, Server };

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override { useEngine(EngineKind::File); }

    void TearDown() override
    {
        // The server database goes with the test: the engine lets go of its connection first.
        cedb::Connection::create()->Close();
    }

    void useEngine(EngineKind kind)
    {
        if (kind == EngineKind::Server) {
            const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
            server = std::make_unique<TestServerDatabase>(QString::fromUtf8(test->test_suite_name()) + u'.' +
                                                          QString::fromUtf8(test->name()));
            ASSERT_TRUE(server->error().isEmpty()) << server->error().toStdString();
            path = server->address();
        }
        const QString target = kind == EngineKind::Server ? path : QStringLiteral("\\Test");
        auto creator = cedb::Recordset::create();
        ASSERT_EQ(creator->Open(QStringLiteral("Create Database '") + target + u'\'', QString(), 0, 1,
                                cedb::adCmdUnknown),
                  S_OK)
            << cedb::lastError().description.toStdString();
    }

    HRESULT run(const QString& sql, int cursor = 0, int lock = 1)
    {
        return cedb::Recordset::create()->Open(sql, path, cursor, lock, cedb::adCmdUnknown);
    }

    // Runs `count` INSERT statements, the i-th made by `statement`, in one transaction.
    template <typename Statement> void insertMany(int count, Statement statement)
    {
        auto connection = cedb::Connection::create();
        ASSERT_EQ(connection->BeginTrans(path), S_OK);
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(run(statement(i)), S_OK);
        ASSERT_EQ(connection->CommitTrans(path), S_OK);
    }

    std::shared_ptr<cedb::Recordset> open(const QString& sql, int cursor = 2, int lock = 3)
    {
        auto recordset = cedb::Recordset::create();
        EXPECT_EQ(recordset->Open(sql, path, cursor, lock, cedb::adCmdUnknown), S_OK) << sql.toStdString();
        return recordset;
    }

    static QString text(const Variant& value) { return value.isNull() ? QStringLiteral("<null>") : value.toString(); }

    static Variant field(const std::shared_ptr<cedb::Recordset>& recordset, int index)
    {
        std::shared_ptr<cedb::Fields> fields;
        std::shared_ptr<cedb::Field> item;
        Variant value;
        recordset->get_Fields(fields);
        if (fields->get_Item(Variant(std::int32_t(index)), item) == S_OK)
            item->get_Value(value);
        return value;
    }

    static HRESULT put(const std::shared_ptr<cedb::Recordset>& recordset, int index, const Variant& value)
    {
        std::shared_ptr<cedb::Fields> fields;
        std::shared_ptr<cedb::Field> item;
        recordset->get_Fields(fields);
        const HRESULT hr = fields->get_Item(Variant(std::int32_t(index)), item);
        return FAILED(hr) ? hr : item->put_Value(value);
    }

    static bool eof(const std::shared_ptr<cedb::Recordset>& recordset)
    {
        VARIANT_BOOL flag = VARIANT_FALSE;
        return FAILED(recordset->get_EOF(flag)) || flag == VARIANT_TRUE;
    }

    // Every record as one line of texts joined by "|"; Null shows as <null>.
    std::vector<QString> rows(const QString& sql)
    {
        std::vector<QString> lines;
        auto recordset = open(sql, 0, 1);
        std::shared_ptr<cedb::Fields> fields;
        std::int32_t count = 0;
        if (FAILED(recordset->get_Fields(fields)) || FAILED(fields->get_Count(count)))
            return lines;
        for (; !eof(recordset); recordset->MoveNext()) {
            QStringList values;
            for (int i = 0; i < count; ++i)
                values << text(field(recordset, i));
            lines.push_back(values.join(QLatin1Char('|')));
        }
        return lines;
    }

    TempRoot root;
    std::unique_ptr<TestServerDatabase> server;
    QString path = QStringLiteral("\\Test.cdb");
};

// A fixture whose tests run once on a file and once on a server database, with the same results.
class BothEngines : public EngineFixture, public ::testing::WithParamInterface<EngineKind> {
protected:
    void SetUp() override { useEngine(GetParam()); }
};

inline void PrintTo(EngineKind kind, std::ostream* out)
{
    *out << (kind == EngineKind::File ? "file" : "server");
}

inline std::string engineName(const ::testing::TestParamInfo<EngineKind>& info)
{
    return info.param == EngineKind::File ? "File" : "Server";
}

#define VARNEL_ON_BOTH_ENGINES(Suite)                                                                             \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::Values(EngineKind::File, EngineKind::Server), engineName)

using Lines = std::vector<QString>;

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
