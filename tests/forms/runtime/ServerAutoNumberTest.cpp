// Eight programs adding records to one table of a server database at once, each through a form as a
// user would: every record gets an AutoNumber of its own.
#include "tables/TableFixture.h"

#include "tables/FieldCatalogue.h"
#include "tables/FieldTypes.h"

#include <QProcess>

#include <memory>
#include <set>

namespace {

FieldDefinition field(const QString& name, const QString& type)
{
    return {name, type, fieldtypes::propertyTemplate(type)};
}

TEST(ServerAutoNumberTest, EightProgramsAddingAtOnceNeverGetTheSameNumber)
{
    TempRoot root;
    MessageRecorder messages;
    TestServerDatabase server(QStringLiteral("ServerAutoNumberTest"));
    ASSERT_TRUE(server.error().isEmpty()) << server.error().toStdString();
    CAppContext context;
    RecordingTablesList tables;
    ASSERT_TRUE(CreateDatabase(context, tables, server.address()));
    ASSERT_TRUE(fDBInit(context, tables));
    ASSERT_TRUE(FieldCatalogue(context, QStringLiteral("Items"))
                    .CreateTableFromFields({field("ID", fieldtypes::kAutoNumber), field("Name", fieldtypes::kText)}, {}));

    constexpr int kPrograms = 8, kRecords = 500;
    std::vector<std::unique_ptr<QProcess>> programs;
    for (int p = 0; p < kPrograms; ++p) {
        QStringList arguments{QStringLiteral("form"), QStringLiteral("run"),
                              server.address() + QStringLiteral("&application_name=adder%1").arg(p),
                              QStringLiteral("--auto"), QStringLiteral("Items")};
        for (int r = 0; r < kRecords; ++r)
            arguments << QStringLiteral("new") << QStringLiteral("set") << QStringLiteral("Name")
                      << QStringLiteral("p%1r%2").arg(p).arg(r) << QStringLiteral("save");
        programs.push_back(std::make_unique<QProcess>());
        programs.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programs.back()->start(QStringLiteral(VARNEL_CLI_PATH), arguments);
    }
    for (auto& program : programs) {
        if (!program->waitForFinished(240000))
            program->kill();
        EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program->exitCode(), 0);
    }

    CDbRecordset records(context.connection, context.databasePath());
    ASSERT_TRUE(records.Open(QStringLiteral("SELECT ID, Name FROM Items"), 0, 1));
    std::set<int> numbers;
    std::set<QString> names;
    int count = 0;
    for (; !records.IsEOF(); records.MoveNext(), ++count) {
        numbers.insert(records.GetFieldString(0).toInt());
        names.insert(records.GetFieldString(1));
    }
    EXPECT_EQ(count, kPrograms * kRecords) << "every program stored every record";
    EXPECT_EQ(names.size(), size_t(kPrograms * kRecords));
    EXPECT_EQ(numbers.size(), size_t(kPrograms * kRecords)) << "no AutoNumber was handed out twice";
    CloseDatabase(context);
}

} // namespace
