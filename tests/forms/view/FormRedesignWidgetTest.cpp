// Another program on the server database redesigns the table a form on show is over: the form says so
// and opens again in the table's new design, at its next action or when it is next idle, and nothing
// typed is written into the old design or read over while it waits to be stored.
#include "forms/runtime/FormFixture.h"

#include "data/COpenDatabase.h"
#include "forms/CAutoForm.h"
#include "forms/controls/CFormEdit.h"
#include "platform/cedb/ServerAccess.h"

#include <QApplication>
#include <QLabel>
#include <QThread>

namespace {

class FormRedesignTest : public ShopFormFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "forms_view_server_widget_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }
    void SetUp() override
    {
        if (!TestDatabase::onServer())
            GTEST_SKIP() << "nobody else can change a file's design under its form";
        ShopFormFixture::SetUp();
    }
    CFormEdit* edit(const QString& name) const
    {
        return qobject_cast<CFormEdit*>(view->controlWidget(view->session().controlIndex(name)));
    }
    // The other program's statement, once this one has heard of it through the server.
    void asOtherProgram(const QString& sql)
    {
        const QString otherAddress = context.databasePath() + QStringLiteral("&application_name=other");
        CAppContext otherContext;
        otherContext.openDatabase = std::make_shared<COpenDatabase>(otherAddress);
        ASSERT_TRUE(CDbRecordset(otherContext.connection, otherAddress).Open(sql, 0, 1));
        for (int i = 0; i < 500 && !cedb::otherProgramsWrote(context.databasePath()); ++i)
            QThread::msleep(10);
    }

    std::unique_ptr<CAutoForm> view = std::make_unique<CAutoForm>(context);
    const QString redesigned =
        QStringLiteral("The design of table Customers was changed by another user; it is opened again.");
};

TEST_F(FormRedesignTest, TheNextMoveSaysSoAndOpensTheFormAgainWithoutWritingTheEdit)
{
    ASSERT_TRUE(view->openForm("Shop"));
    view->run(CAutoForm::NextRecord);
    messages.clear();
    asOtherProgram("ALTER TABLE Customers ADD Email varchar(40)");

    ASSERT_TRUE(view->session().typeText(view->session().controlIndex("City"), "Pisa"));
    view->run(CAutoForm::NextRecord);
    EXPECT_EQ(messages.texts(), QStringList{redesigned});
    EXPECT_EQ(customers()[1], QStringList({"2", "Bob", "Rome", "40", "2.5", "0"}))
        << "nothing written into the old design";
    EXPECT_EQ(view->positionLabel()->text(), "2/3") << "the form stays on its record";
    ASSERT_TRUE(edit("City"));
    EXPECT_EQ(edit("City")->text(), "Rome");

    // Opened again, the form edits the table as it is now, and says nothing more.
    messages.clear();
    ASSERT_TRUE(view->session().typeText(view->session().controlIndex("City"), "Pisa"));
    view->run(CAutoForm::NextRecord);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(customers()[1], QStringList({"2", "Bob", "Pisa", "40", "2.5", "0"}));
    EXPECT_EQ(view->positionLabel()->text(), "3/3");
}

TEST_F(FormRedesignTest, AnIdleFormOpensAgainButTypingWaitsForTheNextAction)
{
    ASSERT_TRUE(view->openAutoForm("Customers"));
    view->run(CAutoForm::LastRecord);
    messages.clear();
    asOtherProgram("ALTER TABLE Customers ADD Email varchar(40)");
    EXPECT_TRUE(view->session().reread());
    EXPECT_EQ(messages.texts(), QStringList{redesigned});
    EXPECT_EQ(view->positionLabel()->text(), "3/3");
    EXPECT_TRUE(edit("Email")) << "the automatic form shows the new field";
    EXPECT_EQ(edit("Name")->text(), "Cy");

    messages.clear();
    ASSERT_TRUE(view->session().typeText(view->session().controlIndex("Name"), "Cyd"));
    asOtherProgram("ALTER TABLE Customers DROP Email");
    EXPECT_FALSE(view->session().reread()) << "the typing is not read over";
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(edit("Name")->text(), "Cyd");
    view->run(CAutoForm::FirstRecord);
    EXPECT_EQ(messages.texts(), QStringList{redesigned});
    EXPECT_EQ(customers()[2][1], "Cy");
    EXPECT_FALSE(edit("Email"));
}

TEST_F(FormRedesignTest, AnotherTablesDesignOrRecordsChangeNothingOfTheForm)
{
    ASSERT_TRUE(view->openForm("Shop"));
    messages.clear();
    asOtherProgram("CREATE TABLE Other (X int)");
    asOtherProgram("INSERT INTO Customers (ID, Name) VALUES (9, 'Dee')");
    EXPECT_TRUE(view->session().reread());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'\n').toStdString();
    EXPECT_EQ(view->positionLabel()->text(), "1/4");
    ASSERT_TRUE(view->session().typeText(view->session().controlIndex("City"), "Bergen"));
    view->run(CAutoForm::NextRecord);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(customers()[0][2], "Bergen");
}

} // namespace
