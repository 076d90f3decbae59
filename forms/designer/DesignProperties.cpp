// Editing one property in the property grid, with the checks of names, bindings and lengths.
#include "forms/designer/FormDesign.h"

#include "forms/designer/PropertyRules.h"
#include "forms/format/CtrlProps.h"
#include "platform/framework/MessageBox.h"

namespace {

const QString kControlSource = QStringLiteral("Control Source");
const QString kEntrySeparator = QStringLiteral(" - ");

void tell(const QString& text) { framework::showMessage(text); }

bool ask(const QString& question)
{
    return framework::showMessage(question, QString(), framework::Buttons::YesNo, framework::Icon::Question) ==
           framework::Answer::Yes;
}

// The field a Control Source value names: an entry of the list ("City - Text"), a bound value
// ("Customers.City") or the bare field name.
QString fieldNamed(const QString& value, const QString& source)
{
    const qsizetype separator = value.lastIndexOf(kEntrySeparator);
    const QString name = separator < 0 ? value : value.left(separator);
    const QString prefix = source + QLatin1Char('.');
    return name.startsWith(prefix, Qt::CaseInsensitive) ? name.mid(prefix.size()) : name;
}

} // namespace

QString FormDesign::sourceOf(int target) const
{
    if (target == kFormTarget)
        return m_state.tableSource;
    const QString subform = GetProperty(propertiesOf(target), QStringLiteral("Subform"));
    if (subform.isEmpty() || SameText(subform, QStringLiteral("MainForm")))
        return m_state.tableSource;
    return m_state.subforms.value(subform);
}

QStringList FormDesign::fieldEntries(int target) const
{
    QStringList entries;
    if (m_catalogue)
        for (const SourceField& field : m_catalogue->fields(sourceOf(target)))
            entries << field.entry();
    return entries;
}

std::optional<SourceField> FormDesign::boundField(int target) const
{
    const QString field = ControlSourceField(ControlSource(propertiesOf(target)));
    if (!m_catalogue || field.isEmpty())
        return std::nullopt;
    for (const SourceField& candidate : m_catalogue->fields(sourceOf(target)))
        if (candidate.name.compare(field, Qt::CaseInsensitive) == 0)
            return candidate;
    return std::nullopt;
}

bool FormDesign::setProperty(int target, const QString& name, const QString& value)
{
    if (target != kFormTarget && (target < 0 || target >= m_state.controls.size()))
        return false;
    const PropertySet& properties = propertiesOf(target);
    if (!properties.names.contains(name))
        return false;
    if (!IsStorableValue(value)) {
        tell(QStringLiteral("A property value cannot contain ~ or |"));
        return false;
    }
    if (GetProperty(properties, name) == value)
        return true;
    if (target != kFormTarget && name == QLatin1String("Name") && !ValidateObjectName(value)) {
        tell(QStringLiteral("Invalid Control Name : ") + value);
        return false;
    }
    if (target != kFormTarget && name == kControlSource)
        return bindControl(target, value);
    QString taken = value;
    if (properties.kind == ControlKind::TextBox && name == QLatin1String("Max Length"))
        checkMaxLength(target, taken);
    remember();
    SetProperty(target == kFormTarget ? m_state.form : m_state.controls[target], name, taken);
    // The form's SQL Source is its record source.
    if (target == kFormTarget && name == QLatin1String("SQL Source"))
        m_state.tableSource = taken;
    return true;
}

bool FormDesign::bindControl(int target, const QString& value)
{
    const QString source = sourceOf(target);
    const int kind = m_state.controls.at(target).kind;
    QString bound = value;
    // A grid names the source of its records, not a field.
    if (!value.isEmpty() && kind != ControlKind::GridControl && m_catalogue) {
        const QString name = fieldNamed(value, source);
        std::optional<SourceField> field;
        for (const SourceField& candidate : m_catalogue->fields(source))
            if (candidate.name.compare(name, Qt::CaseInsensitive) == 0)
                field = candidate;
        if (!field) {
            tell(QStringLiteral("The field is not in the form's record source : ") + name);
            return false;
        }
        switch (CheckBinding(kind, field->entry())) {
        case BindingCheck::Refused: tell(QStringLiteral("Control type & data type mismatch")); return false;
        case BindingCheck::Ask:
            if (!ask(QStringLiteral("Control type & data type mismatch, continue?")))
                return false;
            break;
        case BindingCheck::Binds: break;
        }
        bound = source + QLatin1Char('.') + field->name;
    }
    remember();
    SetProperty(m_state.controls[target], kControlSource, bound);
    return true;
}

bool FormDesign::checkMaxLength(int target, QString& value) const
{
    const std::optional<SourceField> field = boundField(target);
    if (!field || field->length <= 0 || LeadingNumber(value) <= field->length)
        return true;
    tell(QStringLiteral("Length cannot exceed Max Length"));
    value = QString::number(field->length);
    return false;
}
