#include "forms/designer/CCombinationGridCtrl.h"

#include "forms/controls/ControlLook.h"
#include "forms/designer/FormDesign.h"
#include "forms/designer/PropertyRules.h"

#include <QHeaderView>

CCombinationGridCtrl::CCombinationGridCtrl(QWidget* parent) : CGridCtrl(parent)
{
    setObjectName(QStringLiteral("propertyGrid"));
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
}

void CCombinationGridCtrl::showProperties(const FormDesign& design, int target, const QStringList& sources)
{
    m_target = target;
    const PropertySet& properties = design.propertiesOf(target);
    // The rows held another control's properties: none of their choice lists, buttons or colours stays.
    clearContents();
    setGridSize(int(properties.count()), 2);
    setColumnTitle(0, QStringLiteral("Property"));
    setColumnTitle(1, QStringLiteral("Value"));
    setWidth(0, 110);
    for (int row = 0; row < properties.count(); ++row) {
        const QString& name = properties.names.at(row);
        const QString& value = properties.values.at(row);
        setText(row, 0, name);
        setReadOnly(row, 0, true);
        setText(row, 1, value);
        if (target == FormDesign::kFormTarget && name == QLatin1String("SQL Source"))
            setChoices(row, 1, QStringList{QString()} + sources, {}, true);
        else if (target != FormDesign::kFormTarget && name == QLatin1String("Control Source"))
            setChoices(row, 1, QStringList{QString()} + design.fieldEntries(target), {}, true);
        else if (const QStringList choices = PropertyChoices(properties.kind, name); !choices.isEmpty())
            setChoices(row, 1, choices);
        if (IsEventProperty(name) || IsColourProperty(name) || name == QLatin1String("Font Info"))
            setBuilderButton(row, 1, true);
        if (IsColourProperty(name)) {
            // An empty colour shows white.
            const QColor colour = value.isEmpty() ? QColor(Qt::white) : StoredColor(value);
            item(row, 1)->setBackground(colour);
            item(row, 1)->setForeground(colour.lightness() < 128 ? Qt::white : Qt::black);
        }
    }
    widenColumnsToFit();
}

int CCombinationGridCtrl::rowOf(const QString& name) const
{
    for (int row = 0; row < rowCount(); ++row)
        if (text(row, 0) == name)
            return row;
    return -1;
}
