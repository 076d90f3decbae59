// The sample database copied to a server database and back by varnel-cli: the same tables, the same
// records and the same catalogue rows, forms, queries and field properties included.
#include "app/ContextDatabase.h"
#include "app/shell/DatabaseWindowModel.h"
#include "app/shell/SampleDatabase.h"
#include "data/CAppContext.h"
#include "platform/cedb/Engine.h"
#include "support/MessageRecorder.h"
#include "support/TempRoot.h"
#include "support/TestServer.h"

#include <QDir>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Every record of every table the database lists, engine tables first, as lines of text.
QStringList everything(const QString& database)
{
    QStringList lines;
    const auto records = [&](const QString& source) {
        QStringList rows;
        auto recordset = cedb::Recordset::create();
        if (recordset->Open(source, database, 0, 1, cedb::adCmdUnknown) != S_OK)
            return QStringList{QStringLiteral("cannot open ") + source};
        std::shared_ptr<cedb::Fields> fields;
        std::int32_t count = 0;
        recordset->get_Fields(fields);
        fields->get_Count(count);
        for (VARIANT_BOOL eof = VARIANT_FALSE; recordset->get_EOF(eof) == S_OK && eof == VARIANT_FALSE;
             recordset->MoveNext()) {
            QStringList values;
            for (int i = 0; i < count; ++i) {
                std::shared_ptr<cedb::Field> field;
                Variant value;
                fields->get_Item(Variant(std::int32_t(i)), field);
                field->get_Value(value);
                values << (value.isNull() ? QStringLiteral("<null>") : value.toString());
            }
            rows << values.join(u'|');
        }
        return rows;
    };
    for (const QString& table : records(QStringLiteral("SELECT TableName FROM MSysTables"))) {
        lines << QStringLiteral("== ") + table;
        lines << records(QLatin1Char('\'') + table + QLatin1Char('\''));
    }
    return lines;
}

// Runs varnel-cli; a failure it did not `expect` fails the test with what it said.
int cli(const QStringList& args, QString* out = nullptr, bool expectFailure = false)
{
    QProcess process;
    process.start(QStringLiteral(VARNEL_CLI_PATH), args);
    process.waitForFinished(120000);
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (process.exitCode() != 0 && !expectFailure)
        ADD_FAILURE() << process.readAllStandardError().toStdString();
    return process.exitCode();
}

TEST(ServerCopy, TheSampleDatabaseGoesToTheServerAndBackWhole)
{
    TempRoot root;
    MessageRecorder messages;
    QDir(QString::fromStdString(root.path().string())).mkpath("Documents");
    CAppContext context;
    DatabaseWindowModel model;
    ContextDatabase database(context, model);
    const QString sample = QStringLiteral("\\Documents\\Sample.cdb");
    ASSERT_TRUE(buildSampleDatabase(database, sample));
    const QString host = QString::fromStdString(root.path().string());
    const QString sampleFile = host + QStringLiteral("/Documents/Sample.cdb");
    const QString backFile = host + QStringLiteral("/Back.cdb");

    TestServerDatabase server(QStringLiteral("ServerCopy.SampleRoundTrip"));
    ASSERT_TRUE(server.error().isEmpty()) << server.error().toStdString();
    ASSERT_EQ(cli({QStringLiteral("copy"), sampleFile, server.address()}), 0);
    ASSERT_EQ(cli({QStringLiteral("copy"), server.address(), backFile}), 0);

    const QStringList original = everything(sample);
    ASSERT_GT(original.size(), 40);
    EXPECT_EQ(everything(server.address()), original);
    EXPECT_EQ(everything(QStringLiteral("\\Back.cdb")), original);
    QString tablesBefore, tablesOnServer, tablesAfter;
    cli({QStringLiteral("tables"), sampleFile}, &tablesBefore);
    cli({QStringLiteral("tables"), server.address()}, &tablesOnServer);
    cli({QStringLiteral("tables"), backFile}, &tablesAfter);
    EXPECT_FALSE(tablesBefore.isEmpty());
    EXPECT_EQ(tablesOnServer, tablesBefore);
    EXPECT_EQ(tablesAfter, tablesBefore);

    // A copy never goes over a database that holds one already.
    EXPECT_NE(cli({QStringLiteral("copy"), sampleFile, server.address()}, nullptr, true), 0);
    cedb::Connection::create()->Close();
}

} // namespace
