#include "forms/CAutoForm.h"

#include "data/CAppContext.h"
#include "data/KeyAction.h"
#include "forms/controls/CFormComboBox.h"
#include "forms/controls/CFormEdit.h"
#include "forms/controls/ContainerPlacement.h"
#include "forms/controls/ControlFactory.h"
#include "forms/controls/ControlLook.h"
#include "forms/format/Containers.h"
#include "reports/FormDocument.h"
#include "tables/CAdvancedFilterDlg.h"
#include "tables/CFindReplace1.h"
#include "tables/DatasheetFilter.h"
#include "tables/RecordCommands.h"
#include "tables/TableFormColours.h"

#include "tables/HistoryActions.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
// The device's screen: stored geometry is in its pixels.
constexpr int kSurfaceWidth = 240;
constexpr int kSurfaceHeight = 320;
const QRect kCaptionRect(28, 5, 172, 15);
// Above each control of an automatic form stands its field's name.
constexpr int kFieldNameHeight = 16;

// Events the session raises itself when it takes the user's text, tick or focus.
bool sessionRaises(const CFormControl* widget, const QString& event)
{
    if (event == QLatin1String("OnChange") || event == QLatin1String("OnGotFocus") ||
        event == QLatin1String("OnLostFocus"))
        return true;
    return event == QLatin1String("OnClick") &&
           (widget->kind() == ControlKind::CheckBox || widget->kind() == ControlKind::RadioButton);
}
} // namespace

CAutoForm::CAutoForm(CAppContext& context, QWidget* parent)
    : QWidget(parent), m_session(context), m_colours(tableFormColours(context.tableForm)), m_filter(std::make_unique<DatasheetFilter>(m_session)),
      m_menus(new QMenuBar(this)), m_strip(new QToolBar(this)), m_position(new QLabel(this)),
      m_scroller(new QScrollArea(this)), m_surface(new QWidget), m_caption(new QLabel(m_surface)),
      m_recordPrinter(this, [this]() -> std::unique_ptr<PrintDocument> {
          return std::make_unique<FormDocument>(FormPicture::of(m_session),
                                                PageFrame{m_formName, QString(), QDate::currentDate()});
      }),
      m_allPrinter(this, [this, &context] { return formRecordsDocument(context, m_formName, m_automatic, false); })
{
    setObjectName(QStringLiteral("formView"));
    m_session.setListener(this);
    m_position->setObjectName(QStringLiteral("positionLabel"));
    m_caption->setObjectName(QStringLiteral("captionLabel"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setGeometry(kCaptionRect);
    m_surface->setObjectName(QStringLiteral("formSurface"));
    m_surface->setMinimumSize(kSurfaceWidth, kSurfaceHeight);
    m_scroller->setWidget(m_surface);
    m_scroller->setWidgetResizable(true);
    buildCommands();
    new HistoryActions(context, m_session, this, m_menus, m_menus->actions().value(0)->menu(),
                       [this] { m_session.requery(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menus);
    layout->addWidget(m_strip);
    layout->addWidget(m_scroller, 1);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followFocus(now); });
}

CAutoForm::~CAutoForm()
{
    m_session.setListener(nullptr);
    m_session.close();
}

bool CAutoForm::openForm(const QString& name)
{
    setWindowTitle(name);
    m_formName = name;
    m_automatic = false;
    return m_session.openForm(name);
}

bool CAutoForm::openAutoForm(const QString& source)
{
    setWindowTitle(source);
    m_formName = source;
    m_automatic = true;
    return m_session.openAutoForm(source);
}

namespace {
const char* const kRecords = "&Records";
const char* const kPrint = "&Print";
const char* const kTools = "&Tools";

using R = RecordCommand;
using V = CAutoForm;
const RecordCommandEntry kCommands[] = {
    {.command = V::NewRecord, .menu = kRecords, .shared = R::Add, .text = "New Record", .onStrip = true},
    {.command = V::DeleteRecord, .menu = kRecords, .shared = R::Delete},
    {.command = V::FirstRecord, .menu = kRecords, .shared = R::First, .onStrip = true},
    {.command = V::PreviousRecord, .menu = kRecords, .shared = R::Previous, .onStrip = true},
    {.command = V::NextRecord, .menu = kRecords, .shared = R::Next, .onStrip = true},
    {.command = V::LastRecord, .menu = kRecords, .shared = R::Last, .onStrip = true},
    {.command = V::GoToRecord, .menu = kRecords, .shared = R::GoTo, .text = "Go To Record"},
    {.command = V::Close, .menu = kRecords, .shared = R::Close},
    {.command = V::PrintRecord, .menu = kPrint, .shared = R::Print, .text = "Print Record..."},
    {.command = V::PrintAll, .menu = kPrint, .shared = R::Print, .text = "Print All Records..."},
    {.command = V::PreviewRecord, .menu = kPrint, .shared = R::Preview, .text = "Preview Record"},
    {.command = V::PreviewAll, .menu = kPrint, .shared = R::Preview, .text = "Preview All Records"},
    {.command = V::ExportRecordPdf, .menu = kPrint, .shared = R::ExportPdf, .text = "Export Record to PDF..."},
    {.command = V::ExportAllPdf, .menu = kPrint, .shared = R::ExportPdf, .text = "Export All Records to PDF..."},
    {.command = V::FilterIncluding, .menu = kTools, .shared = R::FilterIncluding},
    {.command = V::FilterExcluding, .menu = kTools, .shared = R::FilterExcluding},
    {.command = V::AdvancedFilter, .menu = kTools, .shared = R::AdvancedFilter},
    {.command = V::RemoveFilter, .menu = kTools, .shared = R::RemoveFilter},
    {.command = V::SortAscending, .menu = kTools, .shared = R::SortAscending},
    {.command = V::SortDescending, .menu = kTools, .shared = R::SortDescending},
    {.command = V::Find, .menu = kTools, .shared = R::Find},
};
} // namespace

void CAutoForm::buildCommands()
{
    m_strip->setObjectName(QStringLiteral("formStrip"));
    m_strip->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_actions = buildRecordCommands(*this, *m_menus, *m_strip, kCommands, [this](int command) { run(Command(command)); });
    m_strip->addWidget(m_position);
}

void CAutoForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        run(Close);
        return;
    }
    QWidget::keyPressEvent(event);
}

void CAutoForm::run(Command command)
{
    switch (command) {
    case NewRecord: m_session.newRecord(); break;
    case DeleteRecord: m_session.deleteCurrentRecord(); break;
    case FirstRecord: m_session.firstRecord(); break;
    case PreviousRecord: m_session.previousRecord(); break;
    case NextRecord: m_session.nextRecord(); break;
    case LastRecord: m_session.lastRecord(); break;
    case GoToRecord: m_session.moveToRecord(); break;
    case FilterIncluding: m_session.filterIncluding(); break;
    case FilterExcluding: m_session.filterExcluding(); break;
    case AdvancedFilter:
        if (m_session.settleRecord())
            CAdvancedFilterDlg::run(this, m_session, *m_filter);
        break;
    case RemoveFilter: m_session.removeFilter(); break;
    case SortAscending: m_session.sortAscending(); break;
    case SortDescending: m_session.sortDescending(); break;
    case Find: m_session.find(); break;
    case Close: m_session.closeAsking(); break;
    case PrintRecord: m_recordPrinter.print(); break;
    case PrintAll: m_allPrinter.print(); break;
    case PreviewRecord: m_recordPrinter.preview(); break;
    case PreviewAll: m_allPrinter.preview(); break;
    case ExportRecordPdf: m_recordPrinter.exportPdf(); break;
    case ExportAllPdf: m_allPrinter.exportPdf(); break;
    }
}

void CAutoForm::runMacroWhenShown(const QString& macroName)
{
    QTimer::singleShot(0, this, [this, macroName] { m_session.runMacro(macroName); });
}

void CAutoForm::performKeyAction(int action)
{
    // The record actions are the session's; what is left moves the view.
    if (m_session.performKeyAction(action) || scrollForKeyAction(*m_scroller, action))
        return;
    // The caret moves by one character in the focused text box.
    auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (line && action == keyaction::NextChar)
        line->cursorForward(false);
    else if (line && action == keyaction::PreviousChar)
        line->cursorBackward(false);
}

void CAutoForm::clearWidgets()
{
    qDeleteAll(m_decorations);
    m_decorations.clear();
    // Containers delete the controls placed in them; deleting later what they already took would
    // free twice, so every widget is detached first. A macro may replace the form from the click of one
    // of its buttons, so the widgets go once that click has returned, and hear nothing more meanwhile.
    for (CFormControl* widget : m_widgets) {
        if (!widget)
            continue;
        widget->disconnect(this);
        widget->setParent(nullptr);
        widget->deleteLater();
    }
    m_widgets.clear();
}

void CAutoForm::controlsCreated()
{
    clearWidgets();
    const QList<FormControl>& controls = m_session.controls();
    for (int i = 0; i < controls.size(); ++i) {
        CFormControl* widget = CreateFormControl(controls.at(i).properties, i, m_surface);
        m_widgets << widget;
        if (!widget)
            continue;
        widget->setStoredColours(m_session.isCustom());
        if (auto* edit = qobject_cast<CFormEdit*>(widget)) {
            edit->setCharacterClass(controls.at(i).charClass);
            edit->setInputMask(controls.at(i).rules.inputMask);
        } else if (auto* combo = qobject_cast<CFormComboBox*>(widget)) {
            // A lookup's items are shown as they are, not through the mask of the value they stand for.
            combo->setInputMask(controls.at(i).itemValues.isEmpty() ? controls.at(i).rules.inputMask : QString());
        }
        wire(widget, i);
    }
    placeInContainers();
    if (!m_session.isCustom())
        showFieldNames();
    showSurface();
    for (int i = 0; i < controls.size(); ++i)
        controlChanged(i);
    positionChanged();
}

void CAutoForm::wire(CFormControl* widget, int index)
{
    connect(widget, &CFormControl::edited, this, [this, widget, index] {
        if (m_mirroring)
            return;
        const FormControl& control = m_session.controls().at(index);
        if (control.isTickable())
            m_session.setTicked(index, widget->isTicked());
        else
            m_session.setControlText(index, widget->text());
    });
    connect(widget, &CFormControl::eventRaised, this, [this, widget, index](const QString& event) {
        if (!sessionRaises(widget, event))
            m_session.raiseEvent(index, event);
    });
}

// A control whose ParentId names a tab page or a group box moves inside it, keeping its rectangle
// in the container's own pixels.
void CAutoForm::placeInContainers()
{
    QList<int> kinds;
    for (const FormControl& control : m_session.controls())
        kinds << control.kind();
    for (CFormControl* widget : m_widgets) {
        if (!widget)
            continue;
        const ParentRef parent = ParseParentId(GetProperty(widget->properties(), QStringLiteral("ParentId")));
        const int container = ContainerIndex(kinds, parent);
        if (!placeInside(widget, holderOf(m_widgets.value(container), parent.page)))
            continue;
        widget->setHidden(!IsYes(GetProperty(widget->properties(), QStringLiteral("Visible"))));
    }
}

void CAutoForm::showFieldNames()
{
    // The first row moves down when its name would not fit above it.
    int shift = 0;
    for (CFormControl* widget : m_widgets)
        if (widget)
            shift = std::max(shift, kFieldNameHeight + 2 - widget->y());
    for (CFormControl* widget : m_widgets)
        if (widget)
            widget->move(widget->x(), widget->y() + shift);
    for (CFormControl* widget : m_widgets) {
        if (!widget)
            continue;
        auto* name = new QLabel(widget->name(), m_surface);
        name->setGeometry(widget->x(), widget->y() - kFieldNameHeight - 2, widget->width(), kFieldNameHeight);
        name->show();
        m_decorations << name;
    }
}

void CAutoForm::showSurface()
{
    const QString caption = m_session.caption();
    m_caption->setText(caption);
    m_caption->setVisible(!caption.isEmpty());
    QPalette colours = m_surface->palette();
    if (m_session.isCustom()) {
        colours.setColor(QPalette::Window,
                         StoredColor(GetProperty(m_session.formProperties(), QStringLiteral("Back Color"))));
        GridColours selection;
        selection.selection = m_colours.selection;
        colours = paletteWith(colours, selection);
    } else {
        colours = paletteWith(QApplication::palette(m_surface), m_colours);
    }
    m_surface->setPalette(colours);
    m_surface->setAutoFillBackground(m_session.isCustom() || m_colours.background);
    const bool scrolls = !SameText(GetProperty(m_session.formProperties(), QStringLiteral("ScrollBars")),
                                   QStringLiteral("No"));
    m_scroller->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    m_scroller->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    QRect used(0, 0, kSurfaceWidth, kSurfaceHeight);
    for (CFormControl* widget : m_widgets)
        if (widget && widget->parentWidget() == m_surface)
            used |= widget->geometry();
    m_surface->setMinimumSize(used.right() + 5, used.bottom() + 5);
}

void CAutoForm::controlChanged(int index)
{
    CFormControl* widget = m_widgets.value(index);
    if (!widget || index >= m_session.controls().size())
        return;
    const FormControl& control = m_session.controls().at(index);
    m_mirroring = true;
    widget->setEnabled(control.enabled && !SameText(GetProperty(control.properties, QStringLiteral("Enabled")),
                                                      QStringLiteral("No")));
    widget->setItems(control.items);
    // A label without a Control Source keeps its caption.
    const bool showsValue = control.kind() != ControlKind::Label || !ControlSource(control.properties).isEmpty();
    if (control.isTickable())
        widget->setTicked(control.ticked);
    else if (showsValue && widget->text() != control.text)
        widget->setText(control.text);
    m_mirroring = false;
}

void CAutoForm::positionChanged()
{
    m_position->setText(m_session.positionText());
    m_position->setEnabled(m_session.position() > 0);
}

void CAutoForm::focusControl(int index, bool selectAll)
{
    CFormControl* widget = m_widgets.value(index);
    if (!widget || !widget->focusTarget())
        return;
    widget->focusTarget()->setFocus();
    m_scroller->ensureWidgetVisible(widget);
    if (!selectAll)
        return;
    if (auto* line = qobject_cast<QLineEdit*>(widget->focusTarget()))
        line->selectAll();
    else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget->focusTarget()))
        lines->selectAll();
}

void CAutoForm::followFocus(QWidget* now)
{
    for (int i = 0; i < m_widgets.size(); ++i) {
        CFormControl* widget = m_widgets.at(i);
        if (widget && now && (now == widget->focusTarget() || widget->isAncestorOf(now))) {
            m_session.setFocus(i);
            return;
        }
    }
}

// The session may still be running the script that closed the form: the view goes once it returns.
void CAutoForm::formClosed()
{
    QTimer::singleShot(0, this, &CAutoForm::closed);
}

void CAutoForm::findRequested()
{
    CFindReplace1 dialog(m_session, this);
    dialog.exec();
}
