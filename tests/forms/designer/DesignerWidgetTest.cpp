// The designer's wiring: taps and drags on the surface place, select, move and size controls, tab
// pages take what is placed on them, the menus run the design's commands, and the "Edit Form" window
// edits properties through the grid and saves.
#include "forms/runtime/FormFixture.h"

#include "forms/CAutoForm.h"
#include "forms/controls/CFormControl.h"
#include "forms/controls/CFormTabCtrl.h"
#include "forms/designer/CChooseMacroDlg.h"
#include "forms/designer/CCombinationGridCtrl.h"
#include "forms/designer/CEditFormDlg.h"
#include "forms/designer/CFormSourceDlg.h"
#include "forms/designer/CNewFormView.h"
#include "forms/designer/DesignSurface.h"
#include "platform/device/DevicePath.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace fieldtypes;

namespace {

class DesignerWidgetTest : public FormFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "forms_designer_widget_tests";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }
    void SetUp() override
    {
        createTable("Customers", {field("Name", kText), field("Active", kBoolean)});
        ASSERT_TRUE(run("INSERT INTO XNSysMacros (MacroName, Event, Arguments) VALUES ('Greet', '', '')"));
        view.startNew("Customers", false);
        view.resize(400, 500);
        view.show();
        messages.clear();
    }
    DesignSurface* surface() { return view.surface(); }
    void drag(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mousePress(surface(), Qt::LeftButton, modifiers, from);
        QMouseEvent move(QEvent::MouseMove, to, surface()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(surface(), &move);
        QTest::mouseRelease(surface(), Qt::LeftButton, modifiers, to);
    }
    void tap(const QPoint& at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(surface(), Qt::LeftButton, modifiers, at);
    }
    ControlRect rect(int index) { return view.design().rectOf(index); }

    CNewFormView view{context};
};

TEST_F(DesignerWidgetTest, TheToolStaysPressedAndEachDragPlacesAControl)
{
    view.toolAction(ControlKind::TextBox)->trigger();
    EXPECT_TRUE(view.toolAction(ControlKind::TextBox)->isChecked());
    drag({10, 10}, {110, 30});
    drag({10, 50}, {110, 70});
    ASSERT_EQ(view.design().controls().size(), 2);
    EXPECT_EQ(rect(0), (ControlRect{10, 10, 110, 30}));
    EXPECT_EQ(rect(1), (ControlRect{10, 50, 110, 70}));
    // A design-mode text box says it is not bound.
    EXPECT_EQ(surface()->controlWidget(0)->text(), "Unbound");
    // Pressing the tool again returns to selecting.
    view.toolAction(ControlKind::TextBox)->trigger();
    EXPECT_EQ(surface()->tool(), DesignSurface::kSelectTool);
    tap({20, 15});
    tap({20, 55}, Qt::ShiftModifier);
    EXPECT_EQ(view.design().selection(), (QList<int>{0, 1}));
    EXPECT_TRUE(view.commandAction(CNewFormView::AlignLefts)->isEnabled());
}

TEST_F(DesignerWidgetTest, DraggingMovesTheSelectionAndAHandleResizesTheReference)
{
    view.chooseTool(ControlKind::Label);
    drag({20, 20}, {80, 40});
    view.chooseTool(DesignSurface::kSelectTool);
    drag({30, 30}, {50, 60});
    EXPECT_EQ(rect(0), (ControlRect{40, 50, 100, 70}));
    // The bottom right handle.
    drag({99, 69}, {119, 79});
    EXPECT_EQ(rect(0), (ControlRect{40, 50, 120, 80}));
    view.run(CNewFormView::Undo);
    EXPECT_EQ(rect(0), (ControlRect{40, 50, 100, 70}));
    view.run(CNewFormView::NudgeRight);
    EXPECT_EQ(rect(0), (ControlRect{45, 50, 105, 70}));
    tap({200, 300});
    EXPECT_TRUE(view.design().selection().isEmpty());
    EXPECT_FALSE(view.commandAction(CNewFormView::NudgeRight)->isEnabled());
}

// A pressed tool places controls on free ground only: a control under the pointer is selected and
// moved, a handle sizes it, and the inside of a group box takes a new control.
TEST_F(DesignerWidgetTest, WithAToolPressedAControlIsStillSelectedMovedAndSized)
{
    view.chooseTool(ControlKind::TextBox);
    drag({10, 10}, {110, 30});
    drag({30, 20}, {50, 60});
    ASSERT_EQ(view.design().controls().size(), 1);
    EXPECT_EQ(rect(0), (ControlRect{30, 50, 130, 70}));
    // The bottom right handle.
    drag({129, 69}, {149, 79});
    EXPECT_EQ(rect(0), (ControlRect{30, 50, 150, 80}));
    EXPECT_TRUE(view.toolAction(ControlKind::TextBox)->isChecked());
    tap({20, 150});
    ASSERT_EQ(view.design().controls().size(), 2);
    EXPECT_EQ(view.design().selection(), QList<int>{1});
    tap({40, 60});
    EXPECT_EQ(view.design().selection(), QList<int>{0});
    EXPECT_EQ(view.design().controls().size(), 2);

    view.chooseTool(ControlKind::GroupBox);
    drag({10, 200}, {210, 300});
    view.chooseTool(ControlKind::CheckBox);
    tap({30, 240});
    ASSERT_EQ(view.design().controls().size(), 4);
    EXPECT_EQ(GetProperty(view.design().controls().at(3), "ParentId"), "G1");
}

// A bound box says what it is bound to whole, or by its field's name where that does not fit.
TEST_F(DesignerWidgetTest, ABoundBoxShowsItsWholeSourceOrItsFieldsName)
{
    view.chooseTool(ControlKind::TextBox);
    drag({10, 10}, {230, 30});
    drag({10, 50}, {70, 70});
    view.chooseTool(DesignSurface::kSelectTool);
    ASSERT_TRUE(view.design().setProperty(0, "Control Source", "Name - Text"));
    ASSERT_TRUE(view.design().setProperty(1, "Control Source", "Name - Text"));
    surface()->refresh();
    EXPECT_EQ(surface()->controlWidget(0)->text(), "Bound: Customers.Name");
    EXPECT_EQ(surface()->controlWidget(1)->text(), "Name");
}

TEST_F(DesignerWidgetTest, AControlPlacedOnASecondTabPageLandsOnIt)
{
    view.chooseTool(ControlKind::TabControl);
    // (0, 0) would be taken for the surface's centre.
    drag({1, 1}, {221, 201});
    auto* tabs = qobject_cast<CFormTabCtrl*>(surface()->controlWidget(0));
    ASSERT_TRUE(tabs);
    view.chooseTool(DesignSurface::kSelectTool);
    const QRect second = tabs->tabBar()->tabRect(1);
    tap(tabs->tabBar()->mapTo(surface(), second.center()));
    view.chooseTool(ControlKind::CheckBox);
    drag({20, 60}, {120, 80});
    ASSERT_EQ(view.design().controls().size(), 2);
    EXPECT_EQ(GetProperty(view.design().controls().at(1), "ParentId"), "T11");
    EXPECT_EQ(rect(1), (ControlRect{14, 34, 114, 54}));
    // The surface draws its controls anew after each change.
    tabs = qobject_cast<CFormTabCtrl*>(surface()->controlWidget(0));
    EXPECT_EQ(surface()->controlWidget(1)->parentWidget(), tabs->page(1));

    view.chooseTool(DesignSurface::kSelectTool);
    tap({100, 10});
    EXPECT_EQ(view.design().selection(), QList<int>{0});
    view.run(CNewFormView::Delete);
    EXPECT_EQ(messages.texts(), QStringList{"Do you want to delete the Selected Control"});
    EXPECT_TRUE(view.design().controls().isEmpty());
}

TEST_F(DesignerWidgetTest, TheEditFormWindowEditsPropertiesAndSaves)
{
    view.chooseTool(ControlKind::CheckBox);
    drag({10, 10}, {110, 30});
    DatabaseFormStore store(context);
    CEditFormDlg dialog(view.design(), view.catalogue(), store);
    EXPECT_EQ(dialog.controlList()->currentText(), "CheckBox0");
    EXPECT_EQ(dialog.typeLabel()->text(), "CheckBox");
    CCombinationGridCtrl* grid = dialog.grid();
    const int source = grid->rowOf("Control Source");
    EXPECT_EQ(grid->choices(source, 1), (QStringList{"", "Name - Text", "Active - Boolean"}));
    EXPECT_EQ(grid->choices(grid->rowOf("Alignment"), 1), (QStringList{"Left", "Centre", "Right"}));
    grid->commitEdit(source, 1, "Active - Boolean");
    QApplication::processEvents();
    EXPECT_EQ(grid->text(source, 1), "Customers.Active");

    // A refused name goes; the grid shows the name the control keeps.
    grid->commitEdit(grid->rowOf("Name"), 1, "Is Active");
    QApplication::processEvents();
    EXPECT_EQ(messages.texts().last(), "Invalid Control Name : Is Active");
    EXPECT_EQ(grid->text(grid->rowOf("Name"), 1), "CheckBox0");
    dialog.setHandler(grid->rowOf("OnClick"), "Greet");
    EXPECT_EQ(GetProperty(view.design().controls().at(0), "OnClick"), "Greet");

    dialog.formPropsButton()->click();
    EXPECT_EQ(dialog.controlList()->currentText(), "FormProps");
    EXPECT_EQ(grid->choices(grid->rowOf("SQL Source"), 1), (QStringList{"", "Customers"}));
    messages.clear();
    EXPECT_FALSE(dialog.save());
    EXPECT_EQ(messages.texts(), QStringList{"Enter the name"});
    dialog.nameEdit()->setText(QStringLiteral("Clients"));
    EXPECT_TRUE(dialog.save());
    EXPECT_EQ(messages.texts().last(), "Form created successfully");
    ASSERT_TRUE(store.findForm("Clients"));
    EXPECT_EQ(store.findForm("Clients")->ctrlProps, view.design().storedText());
}

// "Control Props" is the way to the form's page and back to the control's; Close and Escape leave the
// window with every finished cell kept.
TEST_F(DesignerWidgetTest, ControlPropsSwitchesBetweenThePagesAndCloseOrEscapeLeaves)
{
    view.chooseTool(ControlKind::TextBox);
    drag({10, 10}, {110, 30});
    drag({10, 50}, {110, 70});
    DatabaseFormStore store(context);
    CEditFormDlg dialog(view.design(), view.catalogue(), store);
    dialog.show();
    EXPECT_EQ(dialog.controlList()->currentText(), "TextBox1");
    dialog.formPropsButton()->click();
    EXPECT_EQ(dialog.controlList()->currentText(), "FormProps");
    EXPECT_EQ(dialog.typeLabel()->text(), "FormProps");
    dialog.formPropsButton()->click();
    EXPECT_EQ(dialog.controlList()->currentText(), "TextBox1");
    EXPECT_EQ(dialog.typeLabel()->text(), "TextBox");
    // The control chosen in the list is the one the button comes back to.
    dialog.showTarget(0);
    dialog.formPropsButton()->click();
    dialog.formPropsButton()->click();
    EXPECT_EQ(dialog.controlList()->currentText(), "TextBox0");

    CCombinationGridCtrl* grid = dialog.grid();
    grid->commitEdit(grid->rowOf("Name"), 1, "City");
    QApplication::processEvents();
    ASSERT_TRUE(dialog.closeButton());
    EXPECT_EQ(dialog.closeButton()->text(), "Close");
    dialog.closeButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(GetProperty(view.design().controls().at(0), "Name"), "City");

    CEditFormDlg again(view.design(), view.catalogue(), store);
    again.show();
    QApplication::setActiveWindow(&again);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
    again.grid()->setFocus();
    QTest::keyClick(again.grid(), Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
}

// Ctrl+S stores a form that has its name at once, as every designer saves; a new one has none yet, so
// its properties open for it. Alt+Enter opens them too.
TEST_F(DesignerWidgetTest, CtrlSSavesTheFormAndAltEnterOpensItsProperties)
{
    // The offscreen platform, unlike a window manager, gives the window back no focus once a dialog over
    // it has closed.
    const auto activate = [this] {
        QApplication::setActiveWindow(&view);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus();
    };
    activate();
    view.chooseTool(ControlKind::TextBox);
    drag({10, 10}, {110, 30});
    QStringList opened;
    const auto answerDialog = [&](const QString& name) {
        QTimer::singleShot(0, [&opened, name] {
            auto* dialog = qobject_cast<CEditFormDlg*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened << dialog->windowTitle();
            if (!name.isEmpty()) {
                dialog->nameEdit()->setText(name);
                dialog->save();
            }
            dialog->reject();
        });
    };
    answerDialog("Clients");
    QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(opened, QStringList{"Edit Form"});
    DatabaseFormStore store(context);
    ASSERT_TRUE(store.findForm("Clients"));
    EXPECT_EQ(view.windowTitle(), "Clients");

    view.chooseTool(ControlKind::Label);
    drag({10, 50}, {110, 70});
    ASSERT_TRUE(view.design().isChanged());
    activate();
    messages.clear();
    QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(opened.size(), 1) << "a named form is saved without its properties";
    EXPECT_EQ(messages.texts(), QStringList{"Form saved successfully"});
    EXPECT_EQ(store.findForm("Clients")->ctrlProps, view.design().storedText());
    EXPECT_FALSE(view.design().isChanged());

    answerDialog({});
    QTest::keyClick(&view, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(opened.size(), 2);
    EXPECT_EQ(view.commandAction(CNewFormView::Properties)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Return));
    EXPECT_EQ(view.commandAction(CNewFormView::SaveForm)->shortcut(), QKeySequence(QKeySequence::Save));
}

// The grid shows one control after another in the same rows: a row keeps no choice list of the
// control shown before, so a text typed into it is taken as typed.
TEST_F(DesignerWidgetTest, ATextPropertyTakesTheTextTypedWhateverTheRowOfferedBefore)
{
    view.chooseTool(ControlKind::TextBox);
    drag({10, 10}, {110, 30});
    view.chooseTool(ControlKind::CommandButton);
    drag({10, 50}, {110, 70});
    view.design().select(0);
    DatabaseFormStore store(context);
    CEditFormDlg dialog(view.design(), view.catalogue(), store);
    dialog.show();
    dialog.showTarget(1);
    CCombinationGridCtrl* grid = dialog.grid();
    const int caption = grid->rowOf("Caption");
    EXPECT_TRUE(grid->choices(caption, 1).isEmpty());
    grid->setCurrentCell(caption, 1);
    grid->editItem(grid->item(caption, 1));
    // The cell's editor: a list when the row offers choices, else a line.
    QWidget* editor = grid->findChild<QComboBox*>();
    if (!editor)
        editor = grid->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "Next");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(GetProperty(view.design().controls().at(1), "Caption"), "Next");
    EXPECT_EQ(grid->choices(grid->rowOf("Default Button"), 1), (QStringList{"Yes", "No"}));

    // Enter ends the edit of a cell, not the window's work: nothing is saved or asked for.
    dialog.showTarget(0);
    const int source = grid->rowOf("Control Source");
    grid->setCurrentCell(source, 1);
    grid->editItem(grid->item(source, 1));
    auto* list = grid->findChild<QComboBox*>();
    ASSERT_TRUE(list && list->lineEdit());
    QTest::keyClicks(list->lineEdit(), "Name - Text");
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(ControlSource(view.design().controls().at(0)), "Customers.Name");
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join("|").toStdString();
}

TEST_F(DesignerWidgetTest, ClosingAChangedFormAsksToSaveIt)
{
    view.chooseTool(ControlKind::TextBox);
    drag({10, 10}, {110, 30});
    messages.answer(framework::Answer::No);
    view.run(CNewFormView::CloseForm);
    EXPECT_EQ(messages.texts(), QStringList{"Do you want to save the form ?"});
    EXPECT_EQ(messages.messages().front().buttons, framework::Buttons::YesNo);
}

TEST_F(DesignerWidgetTest, TheSmallWindowsOfferWhatTheDatabaseHolds)
{
    CFormSourceDlg source(view.catalogue().sources());
    EXPECT_EQ(source.windowTitle(), "Form Source");
    EXPECT_EQ(source.sourceList()->count(), 1);
    EXPECT_FALSE(source.autoForm());
    source.sourceList()->setCurrentRow(0);
    EXPECT_EQ(source.source(), "Customers");

    CChooseMacroDlg choose(view.catalogue().macros(), {"Tidy"});
    EXPECT_EQ(choose.windowTitle(), "Choose Macro/Module");
    ASSERT_EQ(choose.macroList()->count(), 2);
    EXPECT_EQ(choose.macroList()->item(0)->text(), "");
    choose.moduleList()->setCurrentRow(0);
    EXPECT_EQ(choose.chosen(), "Tidy");
    choose.macroList()->setCurrentRow(0);
    EXPECT_EQ(choose.chosen(), "");
}

} // namespace

namespace {

// With VARNEL_SHOTS set, pictures of the designer, its property grid and the designed form running go
// into that folder; the folder also gets a copy of the database, so the stored row can be read.
TEST_F(DesignerWidgetTest, PicturesOfTheDesignerAndTheRunningForm)
{
    const QString folder = qEnvironmentVariable("VARNEL_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "VARNEL_SHOTS names no folder";
    ASSERT_TRUE(run("INSERT INTO Customers (Name, Active) VALUES ('Zoë O''Neil', true)"));
    view.grab().save(folder + "/designer-empty.png");

    const QList<int> kinds = {ControlKind::Label,    ControlKind::TextBox,  ControlKind::CommandButton,
                              ControlKind::CheckBox, ControlKind::RadioButton, ControlKind::ComboBox,
                              ControlKind::ListBox,  ControlKind::DateTime, ControlKind::PictureBox,
                              ControlKind::Shape,    ControlKind::ListControl, ControlKind::GridControl,
                              ControlKind::GroupBox, ControlKind::TabControl};
    for (int i = 0; i < kinds.size(); ++i) {
        view.chooseTool(kinds[i]);
        const int column = i % 2;
        const int row = i / 2;
        drag({5 + column * 120, 5 + row * 44}, {115 + column * 120, (kinds[i] >= ControlKind::ListBox ? 45 : 25) + row * 44});
    }
    view.chooseTool(ControlKind::Line);
    drag({5, 315}, {230, 315});
    view.chooseTool(DesignSurface::kSelectTool);
    FormDesign& design = view.design();
    design.setProperty(0, "Caption", QStringLiteral("Fiche « client »"));
    design.setProperty(1, "Control Source", "Name - Text");
    design.setProperty(2, "Caption", "Say hi");
    design.setProperty(2, "OnClick", "Greet");
    design.setProperty(3, "Control Source", "Active - Boolean");
    design.setProperty(3, "Caption", QStringLiteral("Actif"));
    design.setProperty(FormDesign::kFormTarget, "Caption", QStringLiteral("Clients d'été"));
    design.select(1);
    view.run(CNewFormView::NudgeDown);
    view.grab().save(folder + "/designer-every-kind.png");

    DatabaseFormStore store(context);
    CEditFormDlg dialog(view.design(), view.catalogue(), store);
    dialog.nameEdit()->setText(QStringLiteral("ClientsÉté"));
    dialog.show();
    dialog.grab().save(folder + "/designer-property-grid.png");
    ASSERT_TRUE(dialog.save());

    CAutoForm running(context);
    ASSERT_TRUE(running.openForm(QStringLiteral("ClientsÉté")));
    running.resize(260, 400);
    running.show();
    running.grab().save(folder + "/designer-form-running.png");
    QFile::remove(folder + "/designer.cdb");
    QFile::copy(device::toHostPath(context.databasePath()).value_or(QString()), folder + "/designer.cdb");
}

} // namespace
