// Starting and loading a form, placing controls, the selection and the undo history.
#include "forms/designer/FormDesign.h"

#include "forms/format/AutoFormLayout.h"
#include "forms/format/CtrlProps.h"

#include <algorithm>

namespace {

const QString kMainForm = QStringLiteral("MainForm");

// The label Auto Add Captions, or an automatic form, sets above a new control.
constexpr int kCaptionHeight = 15;
// An automatic form stands each control under the label of its field.
constexpr int kAutoTop = kAutoFormTop + kCaptionHeight;
// Enough to undo a long session's work, without keeping every state of it.
constexpr qsizetype kUndoDepth = 200;

} // namespace

FormDesign::FormDesign(const DesignCatalogue* catalogue) : m_catalogue(catalogue) { reset(); }

void FormDesign::reset()
{
    m_state = {BuildPropertySet(ControlKind::FormProps), {}, {}, {}};
    m_formName.clear();
    m_changed = false;
    m_selection.clear();
    m_currentSubform = kMainForm;
    m_undo.clear();
    m_redo.clear();
}

void FormDesign::startNew(const QString& tableSource, bool autoForm)
{
    reset();
    m_state.tableSource = tableSource;
    SetProperty(m_state.form, QStringLiteral("SQL Source"), tableSource);
    if (!autoForm || !m_catalogue)
        return;
    const QList<SourceField> fields = m_catalogue->fields(tableSource);
    for (qsizetype n = 0; n < fields.size(); ++n) {
        const SourceField& field = fields.at(n);
        const int kind = AutoControlKind(field.odbcType, field.hasLookup);
        // A field's name names its control unless it holds what a control name may not.
        const QString name = ValidateObjectName(field.name) ? field.name : proposedName(kind);
        const PropertySet control = AutoFormControl(tableSource, field.name, kind, name, int(n), kAutoTop);
        m_state.controls << control;
        // A box shows a value without saying whose: its label names the field; a check box says it itself.
        if (kind == ControlKind::CheckBox) {
            SetProperty(m_state.controls.last(), QStringLiteral("Caption"), field.name);
            continue;
        }
        PropertySet label = BuildPropertySet(ControlKind::Label);
        SetProperty(label, QStringLiteral("Name"), proposedName(ControlKind::Label));
        SetProperty(label, QStringLiteral("Caption"), field.name);
        SetProperty(label, QStringLiteral("Border Style"), QStringLiteral("No"));
        const ControlRect below = GetLocation(control);
        SetLocation(label, below.left, below.top - kCaptionHeight, below.right, below.top);
        m_state.controls << label;
    }
}

void FormDesign::load(const QString& formName, const QString& tableSource, const QString& ctrlProps)
{
    reset();
    const ParsedForm parsed = ParseForm(ctrlProps);
    m_state.form = parsed.form;
    m_state.tableSource = tableSource;
    // A record of an unknown kind is not stored again, so it is not shown either.
    for (const PropertySet& control : parsed.controls)
        if (!control.isEmpty())
            m_state.controls << control;
    m_formName = formName;
    collectSubforms();
}

// Each subform's source is the part before the "." of its controls' Control Source.
void FormDesign::collectSubforms()
{
    for (const PropertySet& control : m_state.controls) {
        const QString subform = GetProperty(control, QStringLiteral("Subform"));
        const QString source = ControlSource(control).section(QLatin1Char('.'), 0, 0);
        if (!subform.isEmpty() && !SameText(subform, kMainForm) && !m_state.subforms.contains(subform))
            m_state.subforms.insert(subform, source);
    }
}

const PropertySet& FormDesign::propertiesOf(int target) const
{
    return target == kFormTarget ? m_state.form : m_state.controls.at(target);
}

QString FormDesign::storedText() const { return SerialiseForm(m_state.form, m_state.controls).value_or(QString()); }

QString FormDesign::proposedName(int kind) const
{
    QStringList names;
    for (const PropertySet& control : m_state.controls)
        names << ControlName(control);
    for (qsizetype n = m_state.controls.size();; ++n) {
        const QString name = KindName(kind) + QString::number(n);
        if (!names.contains(name, Qt::CaseInsensitive))
            return name;
    }
}

int FormDesign::place(int kind, const ControlRect& rect, const ContainerLink& container, bool autoCaption)
{
    if (KindName(kind).isEmpty() || kind == ControlKind::Line)
        return -1;
    remember();
    const QString parentId = ParentIdOf(m_state.controls, container);
    const auto build = [&](int buildKind, const ControlRect& at) {
        PropertySet control = BuildPropertySet(buildKind);
        SetProperty(control, QStringLiteral("Name"), proposedName(buildKind));
        SetLocation(control, at.left, at.top, at.right, at.bottom);
        SetProperty(control, QStringLiteral("ParentId"), parentId);
        SetProperty(control, QStringLiteral("Subform"), m_currentSubform);
        m_state.controls << control;
        return int(m_state.controls.size() - 1);
    };
    const int index = build(kind, rect);
    const QString name = ControlName(m_state.controls.at(index));
    if (autoCaption && (kind == ControlKind::CommandButton || kind == ControlKind::Label)) {
        SetProperty(m_state.controls[index], QStringLiteral("Caption"), name);
    } else if (autoCaption && isNew() && kind != ControlKind::GroupBox) {
        const int top = std::max(0, rect.top - kCaptionHeight);
        const int label = build(ControlKind::Label, {rect.left, top, rect.right, top + kCaptionHeight});
        SetProperty(m_state.controls[label], QStringLiteral("Caption"), name);
    }
    m_selection = {index};
    return index;
}

int FormDesign::placeLine(int x1, int y1, int x2, int y2)
{
    remember();
    PropertySet line = BuildPropertySet(ControlKind::Line);
    SetProperty(line, QStringLiteral("Name"), proposedName(ControlKind::Line));
    SetProperty(line, QStringLiteral("X1"), QString::number(x1));
    SetProperty(line, QStringLiteral("Y1"), QString::number(y1));
    SetProperty(line, QStringLiteral("X2"), QString::number(x2));
    SetProperty(line, QStringLiteral("Y2"), QString::number(y2));
    m_state.controls << line;
    m_selection = {int(m_state.controls.size() - 1)};
    return m_selection.first();
}

bool FormDesign::hasRect(int index) const
{
    return index >= 0 && index < m_state.controls.size() &&
           m_state.controls.at(index).names.contains(QStringLiteral("Top"));
}

ControlRect FormDesign::rectOf(int index) const
{
    const PropertySet& control = m_state.controls.at(index);
    if (hasRect(index))
        return GetLocation(control);
    // A line's rectangle is the box around its two ends.
    const auto value = [&control](const char* name) { return LeadingNumber(GetProperty(control, QLatin1String(name))); };
    return {std::min(value("X1"), value("X2")), std::min(value("Y1"), value("Y2")), std::max(value("X1"), value("X2")),
            std::max(value("Y1"), value("Y2"))};
}

ContainerLink FormDesign::containerOf(int index) const { return ResolveContainers(m_state.controls).value(index); }

QSize FormDesign::containerSize(const ContainerLink& container) const
{
    if (container.container < 0 || container.container >= m_state.controls.size())
        return {kFormWidth, kFormHeight};
    const ControlRect rect = GetLocation(m_state.controls.at(container.container));
    // A tab page lies 5 pixels in from the sides and 25 below the top, under the tabs.
    if (m_state.controls.at(container.container).kind == ControlKind::TabControl)
        return {rect.width() - 10, rect.height() - 30};
    return {rect.width(), rect.height()};
}

void FormDesign::select(int index, bool add)
{
    if (index < 0 || index >= m_state.controls.size())
        return;
    if (!add)
        m_selection.clear();
    m_selection.removeAll(index);
    m_selection << index;
}

void FormDesign::assignSubform(const QString& name, const QString& source)
{
    if (name.isEmpty() || SameText(name, kMainForm) || m_state.subforms.value(name) == source)
        return;
    remember();
    m_state.subforms.insert(name, source);
}

void FormDesign::setCurrentSubform(const QString& name)
{
    m_currentSubform = name.isEmpty() || !m_state.subforms.contains(name) ? kMainForm : name;
}

void FormDesign::remember()
{
    m_undo << m_state;
    if (m_undo.size() > kUndoDepth)
        m_undo.removeFirst();
    m_redo.clear();
    m_changed = true;
}

void FormDesign::restore(State state)
{
    m_state = std::move(state);
    m_changed = true;
    m_selection.removeIf([this](int index) { return index >= m_state.controls.size(); });
}

void FormDesign::undo()
{
    if (m_undo.isEmpty())
        return;
    m_redo << m_state;
    restore(m_undo.takeLast());
}

void FormDesign::redo()
{
    if (m_redo.isEmpty())
        return;
    m_undo << m_state;
    restore(m_redo.takeLast());
}
