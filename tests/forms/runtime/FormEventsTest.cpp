// Control events run the script module named in the event property, and the module's form methods
// act on the form that raised the event.
#include "FormFixture.h"

#include "logic/ScriptForm.h"

namespace {

class FormEventsTest : public ShopFormFixture {
protected:
    void SetUp() override
    {
        ShopFormFixture::SetUp();
        addModule("GoLast", "LastRecord()");
        addModule("Stamp", "SetFieldValue \"Note\", \"RECNUM() * 10\"");
        addModule("Leave", "CloseForm \"0\"");
        storeForm("Scripted", "Customers",
                  {control(ControlKind::TextBox, "Name", "Customers.Name",
                           {{"OnGotFocus", "Stamp"}, {"OnChange", "GoLast"}}),
                   control(ControlKind::TextBox, "Note"),
                   control(ControlKind::CommandButton, "Close", {}, {{"OnClick", "Leave"}}),
                   control(ControlKind::CommandButton, "Idle", {}, {{"OnClick", "NoSuchModule"}})});
        ASSERT_TRUE(openForm("Scripted"));
    }
    void addModule(const QString& name, const QString& source)
    {
        CDbRecordset modules(context.connection, context.databasePath());
        ASSERT_TRUE(modules.Open("XNSysModules", 2, 3));
        ASSERT_TRUE(modules.AddNew());
        modules.SetFieldString(0, name);
        modules.SetFieldString(1, source);
        ASSERT_TRUE(modules.Update());
    }
};

TEST_F(FormEventsTest, HandlersRunWhenTheirEventsHappen)
{
    form.nextRecord();
    form.setFocus(index("Name"));
    EXPECT_EQ(text("Note"), "20");
    EXPECT_EQ(form.positionText(), "2/3");
    // Changing the name runs GoLast, which saves the change before it moves.
    ASSERT_TRUE(type("Name", "Bea"));
    EXPECT_EQ(form.positionText(), "3/3");
    EXPECT_EQ(customers()[1][1], "Bea");
    form.raiseEvent(index("Idle"), "OnClick");
    EXPECT_TRUE(messages.texts().isEmpty());
    form.raiseEvent(index("Close"), "OnClick");
    EXPECT_TRUE(view.closed);
    EXPECT_FALSE(form.isOpen());
}

TEST_F(FormEventsTest, ScriptsReachNoFormOutsideItsEvents)
{
    EXPECT_EQ(currentScriptForm(), nullptr);
    form.setFocus(index("Name"));
    EXPECT_EQ(currentScriptForm(), nullptr);
}

} // namespace
