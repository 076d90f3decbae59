#include "forms/designer/PropertyRules.h"

#include "forms/format/PropertySet.h"

namespace {

QStringList yesNo() { return {QStringLiteral("Yes"), QStringLiteral("No")}; }

// Flags whose catalogue default is empty still take "Yes" or "No".
bool isFlagWithoutDefault(int kind, const QString& name)
{
    return name == QLatin1String("Locked") ||
           (kind == ControlKind::ComboBox && name == QLatin1String("Style"));
}

} // namespace

QStringList PropertyChoices(int kind, const QString& name)
{
    const QStringList alignment = {QStringLiteral("Left"), QStringLiteral("Centre"), QStringLiteral("Right")};
    if (name == QLatin1String("Text Alignment"))
        return alignment;
    if (name == QLatin1String("Alignment"))
        return kind == ControlKind::Label
                   ? QStringList{QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}
                   : alignment;
    if (name == QLatin1String("Style") && kind == ControlKind::TabControl)
        return {QStringLiteral("TabButtons"), QStringLiteral("TabTabs")};
    if (name == QLatin1String("Style") && kind == ControlKind::DateTime)
        return {QStringLiteral("ShortDate"), QStringLiteral("LongDate"), QStringLiteral("Time")};
    if (name == QLatin1String("Tab Width Style"))
        return {QStringLiteral("TabJustified"), QStringLiteral("NonJustified")};
    if (name == QLatin1String("View"))
        return {QStringLiteral("List"), QStringLiteral("Report")};
    if (name == QLatin1String("Sort Order"))
        return {QStringLiteral("Ascending"), QStringLiteral("Descending"), QStringLiteral("None")};
    if (name == QLatin1String("Rotation"))
        return {QStringLiteral("None"), QStringLiteral("90 Deg"), QStringLiteral("180 Deg"), QStringLiteral("270 Deg")};
    if (name == QLatin1String("Mirror"))
        return {QStringLiteral("None"), QStringLiteral("Horizontal"), QStringLiteral("Vertical"), QStringLiteral("Both")};
    if (isFlagWithoutDefault(kind, name))
        return yesNo();
    const QString fallback = GetProperty(BuildPropertySet(kind), name);
    if (fallback == QLatin1String("Yes") || fallback == QLatin1String("No"))
        return yesNo();
    return {};
}

bool IsColourProperty(const QString& name)
{
    static const QStringList colours = {
        QStringLiteral("Bkgnd Color"),     QStringLiteral("Back Color"),  QStringLiteral("Back Color Background"),
        QStringLiteral("Back Color Selection"), QStringLiteral("Fore Color"), QStringLiteral("Fore Color Selection"),
        QStringLiteral("Grid Color")};
    return colours.contains(name);
}

BindingCheck CheckBinding(int kind, const QString& entry)
{
    // Only the type part counts: a field named "DateTimeNote" is still a text.
    const qsizetype dash = entry.lastIndexOf(QLatin1String(" - "));
    const QString type = dash < 0 ? entry : entry.mid(dash + 3);
    const auto holds = [&type](const char* name) { return type.contains(QLatin1String(name)); };
    switch (kind) {
    case ControlKind::DateTime: return holds("DateTime") ? BindingCheck::Binds : BindingCheck::Refused;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return holds("Boolean") ? BindingCheck::Binds : BindingCheck::Ask;
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::Label:
        return holds("DateTime") || holds("Boolean") || holds("OLE Obj") ? BindingCheck::Ask : BindingCheck::Binds;
    default: return BindingCheck::Binds;
    }
}
