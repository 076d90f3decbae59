#include "forms/format/AutoFormLayout.h"

#include "data/OdbcType.h"

int AutoControlKind(int odbcType, bool hasLookup)
{
    if (odbcType == odbc::Boolean)
        return ControlKind::CheckBox;
    if (odbcType == odbc::DateTime)
        return ControlKind::DateTime;
    return hasLookup ? ControlKind::ComboBox : ControlKind::TextBox;
}

PropertySet AutoFormControl(const QString& source, const QString& field, int kind, const QString& name, int row,
                            int firstTop)
{
    PropertySet control = BuildPropertySet(kind);
    SetProperty(control, QStringLiteral("Name"), name);
    SetProperty(control, QStringLiteral("Control Source"), source + QLatin1Char('.') + field);
    // The rows of the device's screen: 40 pixels apart, each control 17 high across x 10 to 210.
    const int top = firstTop + row * 40;
    SetLocation(control, 10, top, 210, top + 17);
    return control;
}
