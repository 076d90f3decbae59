#include "forms/designer/CNewFormView.h"

#include "forms/designer/CEditFormDlg.h"
#include "forms/designer/CSubFormsDlg.h"
#include "forms/designer/DesignSurface.h"
#include "data/FontOptions.h"
#include "data/ProfileSettings.h"
#include "platform/framework/MessageBox.h"
#include "platform/framework/Profile.h"
#include "widgets/CColorChooser.h"
#include "widgets/CFontDialog.h"
#include "widgets/ViewKeys.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

struct ToolEntry {
    const char* text;
    int kind;
};

// The toolbox in its order, with its own spellings.
const ToolEntry kTools[] = {
    {"TextBox", ControlKind::TextBox},       {"Label", ControlKind::Label},
    {"Button", ControlKind::CommandButton},  {"RadioButton", ControlKind::RadioButton},
    {"CheckBox", ControlKind::CheckBox},     {"ComboBox", ControlKind::ComboBox},
    {"LictBox", ControlKind::ListBox},       {"ListControl", ControlKind::ListControl},
    {"Grid Control", ControlKind::GridControl}, {"TabControl", ControlKind::TabControl},
    {"DateTimeControl", ControlKind::DateTime}, {"Picture", ControlKind::PictureBox},
    {"GroupBox", ControlKind::GroupBox},     {"Shapes", ControlKind::Shape},
    {"Line", ControlKind::Line},
};

struct CommandEntry {
    CNewFormView::Command command;
    const char* menu;
    const char* text;
    QKeySequence::StandardKey key;
};

const CommandEntry kCommands[] = {
    {CNewFormView::Undo, "Edit Control", "Undo", QKeySequence::Undo},
    {CNewFormView::Redo, "Edit Control", "Redo", QKeySequence::Redo},
    {CNewFormView::Copy, "Edit Control", "Copy", QKeySequence::Copy},
    {CNewFormView::Cut, "Edit Control", "Cut", QKeySequence::Cut},
    {CNewFormView::Paste, "Edit Control", "Paste", QKeySequence::Paste},
    {CNewFormView::Delete, "Edit Control", "Delete", QKeySequence::Delete},
    {CNewFormView::DeleteAll, "Edit Control", "Delete All", QKeySequence::UnknownKey},
    {CNewFormView::Properties, "Edit Control", "Properties", QKeySequence::UnknownKey},
    {CNewFormView::AlignLefts, "Align", "Lefts", QKeySequence::UnknownKey},
    {CNewFormView::AlignCenters, "Align", "Centers", QKeySequence::UnknownKey},
    {CNewFormView::AlignRights, "Align", "Rights", QKeySequence::UnknownKey},
    {CNewFormView::AlignTops, "Align", "Tops", QKeySequence::UnknownKey},
    {CNewFormView::AlignMiddles, "Align", "Middles", QKeySequence::UnknownKey},
    {CNewFormView::AlignBottoms, "Align", "Bottoms", QKeySequence::UnknownKey},
    {CNewFormView::SameWidth, "Make Same Size", "Width", QKeySequence::UnknownKey},
    {CNewFormView::SameHeight, "Make Same Size", "Height", QKeySequence::UnknownKey},
    {CNewFormView::SameBoth, "Make Same Size", "Both", QKeySequence::UnknownKey},
    {CNewFormView::SendToBack, "Order", "Send to Back", QKeySequence::UnknownKey},
    {CNewFormView::SendBack, "Order", "Send Back", QKeySequence::UnknownKey},
    {CNewFormView::BringForward, "Order", "Bring Forward", QKeySequence::UnknownKey},
    {CNewFormView::BringToFront, "Order", "Bring to Front", QKeySequence::UnknownKey},
    {CNewFormView::CentreHorizontally, "Center in Form", "Horizantally", QKeySequence::UnknownKey},
    {CNewFormView::CentreVertically, "Center in Form", "Vertically", QKeySequence::UnknownKey},
    {CNewFormView::NudgeLeft, "Nudge", "Left", QKeySequence::UnknownKey},
    {CNewFormView::NudgeRight, "Nudge", "Right", QKeySequence::UnknownKey},
    {CNewFormView::NudgeUp, "Nudge", "Up", QKeySequence::UnknownKey},
    {CNewFormView::NudgeDown, "Nudge", "Down", QKeySequence::UnknownKey},
    {CNewFormView::ChangeFont, "Font / Color", "Change Font", QKeySequence::UnknownKey},
    {CNewFormView::FontColor, "Font / Color", "Font Color", QKeySequence::UnknownKey},
    {CNewFormView::BackgroundColor, "Font / Color", "Background Color", QKeySequence::UnknownKey},
    {CNewFormView::ForegroundColor, "Font / Color", "Foreground Color", QKeySequence::UnknownKey},
    {CNewFormView::SaveForm, "Form", "Save Form", QKeySequence::Save},
    {CNewFormView::CloseForm, "Form", "Close Form", QKeySequence::UnknownKey},
    {CNewFormView::Exit, "Form", "Exit", QKeySequence::UnknownKey},
};

// Commands that act on the selection.
bool needsSelection(CNewFormView::Command command)
{
    switch (command) {
    case CNewFormView::Copy:
    case CNewFormView::Cut:
    case CNewFormView::Delete:
    case CNewFormView::SendToBack:
    case CNewFormView::SendBack:
    case CNewFormView::BringForward:
    case CNewFormView::BringToFront:
    case CNewFormView::CentreHorizontally:
    case CNewFormView::CentreVertically:
    case CNewFormView::NudgeLeft:
    case CNewFormView::NudgeRight:
    case CNewFormView::NudgeUp:
    case CNewFormView::NudgeDown:
    case CNewFormView::ChangeFont:
    case CNewFormView::FontColor:
    case CNewFormView::BackgroundColor:
    case CNewFormView::ForegroundColor: return true;
    default: return command <= CNewFormView::SameBoth;
    }
}

} // namespace

CNewFormView::CNewFormView(CAppContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_catalogue(context), m_store(context), m_design(&m_catalogue),
      m_menus(new QMenuBar(this)), m_toolbox(new QToolBar(this)), m_toolGroup(new QActionGroup(this)),
      m_surface(new DesignSurface(m_design))
{
    setObjectName(QStringLiteral("formDesigner"));
    buildToolbox();
    buildMenus();
    auto* scroller = new QScrollArea(this);
    scroller->setWidget(m_surface);
    scroller->setWidgetResizable(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menus);
    layout->addWidget(m_toolbox);
    layout->addWidget(scroller, 1);
    connect(m_surface, &DesignSurface::designChanged, this, &CNewFormView::updateCommands);
    connect(m_surface, &DesignSurface::selectionChanged, this, &CNewFormView::updateCommands);
    connect(m_surface, &DesignSurface::propertiesRequested, this, &CNewFormView::openProperties);
    updateCommands();
}

void CNewFormView::buildToolbox()
{
    m_toolbox->setObjectName(QStringLiteral("toolbox"));
    m_toolbox->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // A pressed tool stays pressed until another is chosen; pressing it again returns to selecting.
    m_toolGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const ToolEntry& entry : kTools) {
        QAction* action = m_toolbox->addAction(QString::fromLatin1(entry.text));
        action->setCheckable(true);
        m_toolGroup->addAction(action);
        m_tools.insert(entry.kind, action);
        connect(action, &QAction::triggered, this, [this, kind = entry.kind](bool on) {
            chooseTool(on ? kind : DesignSurface::kSelectTool);
        });
    }
    QAction* subforms = m_toolbox->addAction(QStringLiteral("SubForm"));
    connect(subforms, &QAction::triggered, this, &CNewFormView::editSubforms);
}

void CNewFormView::buildMenus()
{
    QHash<QString, QMenu*> menus;
    QMenu* toolboxMenu = m_menus->addMenu(QStringLiteral("Toolbox"));
    toolboxMenu->addActions(m_toolGroup->actions());
    for (const CommandEntry& entry : kCommands) {
        const QString menuName = QString::fromLatin1(entry.menu);
        if (!menus.contains(menuName))
            menus.insert(menuName, m_menus->addMenu(menuName));
        if (entry.command == CloseForm) {
            m_subformMenu = menus.value(menuName)->addMenu(QStringLiteral("Subforms"));
            connect(m_subformMenu, &QMenu::aboutToShow, this, &CNewFormView::fillSubformMenu);
        }
        QAction* action = menus.value(menuName)->addAction(QString::fromLatin1(entry.text));
        if (entry.key != QKeySequence::UnknownKey) {
            action->setShortcut(entry.key);
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, command = entry.command] { run(command); });
        m_actions.insert(entry.command, action);
    }
    // Ctrl+W closes as in the other views; Alt+Enter opens the properties, as it does on a desktop.
    for (const auto& [command, keys] :
         {std::pair{CloseForm, QList<QKeySequence>{closeViewKey()}},
          std::pair{Properties, QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_Return),
                                                    QKeySequence(Qt::ALT | Qt::Key_Enter)}}}) {
        QAction* action = m_actions.value(command);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
}

void CNewFormView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        run(CloseForm);
        return;
    }
    QWidget::keyPressEvent(event);
}

void CNewFormView::fillSubformMenu()
{
    m_subformMenu->clear();
    connect(m_subformMenu->addAction(QStringLiteral("<Edit Subforms>")), &QAction::triggered, this,
            [this] { run(EditSubforms); });
    const QStringList names = QStringList{QStringLiteral("Main")} + m_design.subforms().keys();
    for (const QString& name : names) {
        QAction* action = m_subformMenu->addAction(name);
        action->setCheckable(true);
        action->setChecked(name == m_design.currentSubform() ||
                           (name == QLatin1String("Main") && m_design.currentSubform() == QLatin1String("MainForm")));
        connect(action, &QAction::triggered, this, [this, name] { m_design.setCurrentSubform(name); });
    }
}

void CNewFormView::startNew(const QString& tableSource, bool autoForm)
{
    m_design.startNew(tableSource, autoForm);
    setWindowTitle(QStringLiteral("New Form"));
    changed();
}

bool CNewFormView::editForm(const QString& name)
{
    const std::optional<FormRow> row = m_store.findForm(name);
    if (!row)
        return false;
    m_design.load(row->name, row->tableSource, row->ctrlProps);
    setWindowTitle(row->name);
    changed();
    return true;
}

void CNewFormView::chooseTool(int kind)
{
    if (QAction* action = m_tools.value(kind))
        action->setChecked(true);
    else if (QAction* pressed = m_toolGroup->checkedAction())
        pressed->setChecked(false);
    m_surface->setAutoCaption(framework::GetProfileString(QStringLiteral("TABLEFORM_OPTIONS"),
                                                          QStringLiteral("AutoAddCaption"),
                                                          QStringLiteral("FALSE")) == QLatin1String("TRUE"));
    m_surface->setTool(kind);
}

void CNewFormView::run(Command command)
{
    using Align = FormDesign::Align;
    switch (command) {
    case AlignLefts: m_design.align(Align::Lefts); break;
    case AlignCenters: m_design.align(Align::Centers); break;
    case AlignRights: m_design.align(Align::Rights); break;
    case AlignTops: m_design.align(Align::Tops); break;
    case AlignMiddles: m_design.align(Align::Middles); break;
    case AlignBottoms: m_design.align(Align::Bottoms); break;
    case SameWidth: m_design.makeSameSize(FormDesign::Size::Width); break;
    case SameHeight: m_design.makeSameSize(FormDesign::Size::Height); break;
    case SameBoth: m_design.makeSameSize(FormDesign::Size::Both); break;
    case Copy: m_design.copy(); break;
    case Cut: m_design.cut(); break;
    case Paste: m_design.paste(); break;
    case Delete: m_design.deleteSelection(); break;
    case DeleteAll: m_design.deleteAll(); break;
    case Properties: openProperties(); return;
    case SaveForm: saveForm(); return;
    case Undo: m_design.undo(); break;
    case Redo: m_design.redo(); break;
    case SendToBack: m_design.reorder(FormDesign::Order::SendToBack); break;
    case SendBack: m_design.reorder(FormDesign::Order::SendBack); break;
    case BringForward: m_design.reorder(FormDesign::Order::BringForward); break;
    case BringToFront: m_design.reorder(FormDesign::Order::BringToFront); break;
    case CentreHorizontally: m_design.centreInForm(FormDesign::Centre::Horizontally); break;
    case CentreVertically: m_design.centreInForm(FormDesign::Centre::Vertically); break;
    case NudgeLeft: m_design.nudge(FormDesign::Direction::Left); break;
    case NudgeRight: m_design.nudge(FormDesign::Direction::Right); break;
    case NudgeUp: m_design.nudge(FormDesign::Direction::Up); break;
    case NudgeDown: m_design.nudge(FormDesign::Direction::Down); break;
    case ChangeFont: chooseFont(); break;
    // No catalogue kind keeps a text colour but the grid, whose Fore Color is its text's colour.
    case FontColor:
    case ForegroundColor: chooseColour(QStringLiteral("Fore Color")); break;
    case BackgroundColor: chooseColour(QStringLiteral("Bkgnd Color")); break;
    case EditSubforms: editSubforms(); return;
    case MainForm: m_design.setCurrentSubform({}); return;
    case CloseForm:
    case Exit:
        closeForm();
        m_closing = true;
        emit closed();
        return;
    }
    changed();
}

void CNewFormView::chooseFont()
{
    if (const std::optional<FontChoice> font = CFontDialog::ask(loadFontChoice(profile::Form), this))
        m_design.setSelectionProperty(QStringLiteral("Font Info"), fontInfoText(*font));
}

void CNewFormView::chooseColour(const QString& property)
{
    const int reference = m_design.reference();
    if (reference < 0)
        return;
    const QString current = GetProperty(m_design.controls().at(reference), property);
    const unsigned colour = chooseColor(current.isEmpty() ? 0xFFFFFFu : unsigned(LeadingNumber(current)), this);
    m_design.setSelectionProperty(property, QString::number(colour));
}

void CNewFormView::changed()
{
    m_surface->refresh();
    updateCommands();
}

void CNewFormView::updateCommands()
{
    const bool selected = !m_design.selection().isEmpty();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        if (needsSelection(it.key()))
            it.value()->setEnabled(selected);
    m_actions.value(Undo)->setEnabled(m_design.canUndo());
    m_actions.value(Redo)->setEnabled(m_design.canRedo());
    m_actions.value(Paste)->setEnabled(m_design.canPaste());
    m_actions.value(DeleteAll)->setEnabled(!m_design.controls().isEmpty());
}

void CNewFormView::openProperties()
{
    CEditFormDlg dialog(m_design, m_catalogue, m_store, this);
    connect(&dialog, &CEditFormDlg::designChanged, this, &CNewFormView::changed);
    dialog.exec();
    if (!m_design.isNew())
        setWindowTitle(m_design.formName());
    changed();
}

void CNewFormView::saveForm()
{
    if (m_design.isNew()) {
        openProperties();
        return;
    }
    m_design.save(m_store, m_design.formName());
    changed();
}

void CNewFormView::editSubforms()
{
    CSubFormsDlg dialog(m_design, m_catalogue.sources(), this);
    dialog.exec();
    updateCommands();
}

bool CNewFormView::closeForm()
{
    // A form changed since its last save is asked about too, not only one never saved: its later
    // edits would be lost without a word.
    if ((m_design.isNew() || m_design.isChanged()) &&
        framework::showMessage(QStringLiteral("Do you want to save the form ?"), QString(), framework::Buttons::YesNo,
                               framework::Icon::Question) == framework::Answer::Yes)
        openProperties();
    return true;
}

void CNewFormView::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        closeForm();
    }
    event->accept();
}
