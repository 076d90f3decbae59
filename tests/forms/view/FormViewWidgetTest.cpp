// The form view's wiring: a widget per control of the session, what the session's controls show,
// what the user types and ticks going back, containers, the position label and the commands.
#include "forms/runtime/FormFixture.h"

#include "forms/CAutoForm.h"
#include "forms/controls/CFormButton.h"
#include "forms/controls/CFormComboBox.h"
#include "forms/controls/CFormEdit.h"
#include "forms/controls/CFormGroupBox.h"
#include "forms/controls/CFormTabCtrl.h"
#include "support/MenuText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

namespace {

void typeInto(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.unicode() < 128 ? QChar(c).toUpper().unicode() : 0, Qt::NoModifier,
                        QString(c));
        QApplication::sendEvent(target, &press);
    }
}

class FormViewTest : public ShopFormFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "forms_view_widget_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }
    CFormEdit* edit(const QString& name) const
    {
        return qobject_cast<CFormEdit*>(view->controlWidget(view->session().controlIndex(name)));
    }
    // Shows the form "Shop" in an active window and types `city` over the first record's City; its box.
    QLineEdit* typeCityInShownForm(const QString& city)
    {
        EXPECT_TRUE(view->openForm("Shop"));
        view->show();
        QApplication::setActiveWindow(view.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(view.get()));
        QLineEdit* typed = edit("City")->lineEdit();
        typed->setFocus();
        typed->selectAll();
        typeInto(typed, city);
        return typed;
    }

    std::unique_ptr<CAutoForm> view = std::make_unique<CAutoForm>(context);
};

TEST_F(FormViewTest, AStoredFormShowsItsControlsOverTheFirstRecord)
{
    ASSERT_TRUE(view->openForm("Shop"));
    EXPECT_EQ(view->positionLabel()->text(), "1/3");
    ASSERT_TRUE(edit("Name"));
    EXPECT_EQ(edit("Name")->text(), "Ann");
    EXPECT_EQ(edit("Age")->characterClass(), CharacterClass::Integer);
    EXPECT_FALSE(edit("ID")->isEnabled()) << "an AutoNumber field is not typed into";
    auto* active = qobject_cast<CFormButton*>(view->controlWidget(view->session().controlIndex("Active")));
    ASSERT_TRUE(active);
    EXPECT_TRUE(active->isTicked());
    EXPECT_EQ(view->controlWidget(0)->text(), "Customers");

    view->run(CAutoForm::NextRecord);
    EXPECT_EQ(view->positionLabel()->text(), "2/3");
    EXPECT_EQ(edit("Name")->text(), "Bob");
    EXPECT_FALSE(active->isTicked());
}

TEST_F(FormViewTest, TypingAndTickingReachTheRecordWhenTheFormMovesOn)
{
    ASSERT_TRUE(view->openForm("Shop"));
    edit("City")->lineEdit()->selectAll();
    typeInto(edit("City")->lineEdit(), "Ann O'Brien-José");
    edit("Age")->lineEdit()->selectAll();
    typeInto(edit("Age")->lineEdit(), "x-4x2");
    EXPECT_EQ(edit("Age")->text(), "-42");
    edit("Age")->lineEdit()->selectAll();
    typeInto(edit("Age")->lineEdit(), "7");
    qobject_cast<CFormButton*>(view->controlWidget(view->session().controlIndex("Active")))->button()->click();

    view->run(CAutoForm::NextRecord);
    EXPECT_EQ(customers().first(), QStringList({"1", "Ann", "Ann O'Brien-José", "7", "1.5", "0"}));
}

TEST_F(FormViewTest, ControlsLieInTheTabPagesAndGroupBoxesTheirParentIdNames)
{
    storeForm("Paged", "Customers",
              {control(ControlKind::TabControl, "Pages", {}, {{"TabNames", "Main,More"}}),
               control(ControlKind::TextBox, "Name", "Customers.Name", {{"ParentId", "T11"}}),
               control(ControlKind::GroupBox, "Where", {}, {{"ParentId", "T10"}}),
               control(ControlKind::TextBox, "City", "Customers.City", {{"ParentId", "G1"}})});
    ASSERT_TRUE(view->openForm("Paged"));
    auto* pages = qobject_cast<CFormTabCtrl*>(view->controlWidget(0));
    auto* group = qobject_cast<CFormGroupBox*>(view->controlWidget(2));
    ASSERT_TRUE(pages && group);
    EXPECT_EQ(edit("Name")->parentWidget(), pages->page(1));
    EXPECT_EQ(group->parentWidget(), pages->page(0));
    EXPECT_EQ(edit("City")->parentWidget(), group->container());
    EXPECT_EQ(edit("City")->text(), "Oslo");
}

TEST_F(FormViewTest, AnAutomaticFormNamesEachFieldAboveItsControl)
{
    ASSERT_TRUE(view->openAutoForm("Customers"));
    const QList<QLabel*> labels = view->surface()->findChildren<QLabel*>();
    QStringList names;
    for (const QLabel* label : labels)
        if (label != view->captionLabel())
            names << label->text();
    EXPECT_EQ(names, QStringList({"ID", "Name", "City", "Age", "Price", "Active"}));
    EXPECT_EQ(edit("Name")->geometry().top() - edit("ID")->geometry().top(), 40);
    for (const QLabel* label : labels)
        EXPECT_GE(label->y(), 0) << label->text().toStdString();
    EXPECT_EQ(edit("City")->text(), "Oslo");
}

TEST_F(FormViewTest, TableFormColoursPaintAnAutomaticFormAndTheSelectionOfEveryForm)
{
    context.tableForm.BackGround = 0x0000FF;       // red
    context.tableForm.CellColor = 0x00FFFF;        // yellow
    context.tableForm.OnSelectionColor = 0xFF0000; // blue
    view = std::make_unique<CAutoForm>(context);
    ASSERT_TRUE(view->openAutoForm("Customers"));
    EXPECT_EQ(view->surface()->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_TRUE(view->surface()->autoFillBackground());
    EXPECT_EQ(edit("Name")->lineEdit()->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(edit("Name")->lineEdit()->palette().color(QPalette::Highlight), QColor(Qt::blue));

    // A stored form keeps the background it was designed with and takes the selection.
    ASSERT_TRUE(view->openForm("Shop"));
    EXPECT_NE(view->surface()->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(view->surface()->palette().color(QPalette::Highlight), QColor(Qt::blue));
}

TEST_F(FormViewTest, DefaultTableFormColoursLeaveAnAutomaticFormTheDesktopsColours)
{
    context.tableForm.BackGround = 0xCDFFCD;
    context.tableForm.OnSelectionColor = 0xF647B4;
    view = std::make_unique<CAutoForm>(context);
    ASSERT_TRUE(view->openAutoForm("Customers"));
    EXPECT_EQ(view->surface()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(view->surface()->palette().color(QPalette::Highlight),
              QApplication::palette().color(QPalette::Highlight));
}

TEST_F(FormViewTest, AComboBoxOfALookupListsTheNamesAndAPickStoresTheNumber)
{
    createProductsWithSupplierLookup();
    storeForm("Stock", "Products", {control(ControlKind::ComboBox, "Supplier", "Products.SupplierID")});
    ASSERT_TRUE(view->openForm("Stock"));
    auto* combo = qobject_cast<CFormComboBox*>(view->controlWidget(0));
    ASSERT_TRUE(combo);
    ASSERT_EQ(combo->comboBox()->count(), 2);
    EXPECT_EQ(combo->comboBox()->itemText(0), "Acme");
    EXPECT_EQ(combo->text(), "Zoë & Co");
    combo->comboBox()->setCurrentIndex(0);
    emit combo->comboBox()->activated(0);
    view->run(CAutoForm::NextRecord);
    EXPECT_EQ(select("SELECT Name, SupplierID FROM Products"), QList<QStringList>({{"Pen", "1"}}));
    EXPECT_EQ(combo->text(), "Acme");
}

TEST_F(FormViewTest, GoToAsksForTheNumberAndCloseLeavesTheForm)
{
    ASSERT_TRUE(view->openForm("Shop"));
    QList<framework::PromptRequest> asked;
    framework::setPromptResponder([&asked](const framework::PromptRequest& request) {
        asked << request;
        return std::optional<QString>("3");
    });
    view->run(CAutoForm::GoToRecord);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked.first().title, "Go To");
    EXPECT_EQ(asked.first().buttonText, "GO");
    EXPECT_EQ(view->positionLabel()->text(), "3/3");
    EXPECT_EQ(edit("Name")->text(), "Cy");

    QSignalSpy closed(view.get(), &CAutoForm::closed);
    view->run(CAutoForm::Close);
    EXPECT_TRUE(closed.wait(1000));
}

// The menus' keys: Ctrl++ adds a record; Ctrl+W and Ctrl+F stand beside Close and Find.
TEST_F(FormViewTest, EachKeyOfTheMenusRunsItsCommand)
{
    ASSERT_TRUE(view->openForm("Shop"));
    view->show();
    QApplication::setActiveWindow(view.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    EXPECT_EQ(view->commandAction(CAutoForm::NewRecord)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    EXPECT_EQ(view->commandAction(CAutoForm::DeleteRecord)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    EXPECT_EQ(view->commandAction(CAutoForm::Find)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(view->commandAction(CAutoForm::Close)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    auto* name = view->surface()->findChildren<QLineEdit*>().value(1);
    ASSERT_TRUE(name);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_TRUE(view->session().isAdding());
    EXPECT_TRUE(messages.texts().isEmpty());
}

// Escape and Ctrl+W leave the form from the control being typed in; what was typed is not lost: they
// ask, and Yes saves it as a move to another record saves it.
TEST_F(FormViewTest, EscapeAndCtrlWCloseTheFormKeepingWhatWasTyped)
{
    const QList<std::pair<Qt::Key, QString>> keys = {{Qt::Key_Escape, "Oxford"}, {Qt::Key_W, "Paris"}};
    for (const auto& [key, city] : keys) {
        view = std::make_unique<CAutoForm>(context);
        QLineEdit* typed = typeCityInShownForm(city);
        QSignalSpy closed(view.get(), &CAutoForm::closed);
        messages.answer(framework::Answer::Yes);
        QTest::keyClick(typed, key, key == Qt::Key_W ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_TRUE(closed.wait(1000)) << city.toStdString();
        EXPECT_EQ(customers().first().value(2), city);
    }
    EXPECT_EQ(messages.texts(), QStringList(2, "Do you want to save the current record?"));
}

// Cancel keeps the form and the typing; Escape on a record as stored closes at once.
TEST_F(FormViewTest, EscapeOnTypingTheUserKeepsStaysOpen)
{
    QLineEdit* typed = typeCityInShownForm("Oxford");
    QSignalSpy closed(view.get(), &CAutoForm::closed);
    messages.answer(framework::Answer::Cancel);
    QTest::keyClick(typed, Qt::Key_Escape);
    EXPECT_FALSE(closed.wait(200));
    EXPECT_EQ(typed->text(), "Oxford");
    EXPECT_EQ(customers().first().value(2), "Oslo");
    typed->selectAll();
    typeInto(typed, "Oslo");
    messages.clear();
    QTest::keyClick(typed, Qt::Key_Escape);
    EXPECT_TRUE(closed.wait(1000));
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
}

} // namespace

// What the menus and the strip read, the Edit menu aside, whose texts name the step Undo would take.
TEST_F(FormViewTest, TheMenusAndTheStripReadAsTheFormViewsOwn)
{
    ASSERT_TRUE(view->openForm("Shop"));
    auto* menus = view->findChild<QMenuBar*>();
    ASSERT_TRUE(menus);
    QStringList lines = menuText(*menus);
    lines.removeIf([](const QString& line) { return line.startsWith("&Edit:"); });
    EXPECT_EQ(lines, QStringList({"&Records: New Record, Delete Record, First Record, Previous Record, Next Record, "
                                  "Last Record, Go To Record, Close, -, Record History, Deleted Records",
                                  "&Print: Print Record..., Print All Records..., Preview Record, Preview All Records, "
                                  "Export Record to PDF..., Export All Records to PDF...",
                                  "&Tools: Filter Including, Filter Excluding, Advanced Filter / Sort, Remove Filter, "
                                  "Sort Ascending, Sort Descending, Find"}));
    auto* strip = view->findChild<QToolBar*>("formStrip");
    ASSERT_TRUE(strip);
    EXPECT_EQ(stripText(*strip), QStringList({"New", "|<", "<", ">", ">|"}));
}
