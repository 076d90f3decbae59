#include "app/shell/SampleForm.h"

#include "forms/format/CtrlProps.h"

namespace {

struct Placed {
    int kind;
    QList<std::pair<const char*, QString>> values;
    int left, top, right, bottom;
};

PropertySet place(const Placed& control)
{
    PropertySet set = BuildPropertySet(control.kind);
    for (const auto& [name, value] : control.values)
        SetProperty(set, QString::fromLatin1(name), value);
    SetLocation(set, control.left, control.top, control.right, control.bottom);
    return set;
}

PropertySet label(const char* name, const char* caption, const char* parent, int left, int top)
{
    return place({ControlKind::Label,
                  {{"Name", name}, {"Caption", caption}, {"ParentId", parent}, {"Border Style", "No"},
                   {"Bkgnd Color", "15790320"}},
                  left, top, left + 60, top + 18});
}

PropertySet textBox(const char* field, const char* parent, int left, int top, int right, int bottom = 0)
{
    return place({ControlKind::TextBox,
                  {{"Name", field}, {"Control Source", QStringLiteral("Products.") + field}, {"ParentId", parent}},
                  left, top, right, bottom ? bottom : top + 20});
}

} // namespace

QString sampleFormText()
{
    PropertySet form = BuildPropertySet(ControlKind::FormProps);
    SetProperty(form, QStringLiteral("Caption"), QStringLiteral("Product Card"));
    SetProperty(form, QStringLiteral("SQL Source"), QStringLiteral("Products"));
    SetProperty(form, QStringLiteral("Back Color"), QStringLiteral("15790320"));

    PropertySet notes = textBox("Notes", "T11", 5, 10, 215, 190);
    SetProperty(notes, QStringLiteral("MultiLine"), QStringLiteral("Yes"));
    SetProperty(notes, QStringLiteral("ScrollBars"), QStringLiteral("Yes"));
    const QList<PropertySet> controls = {
        place({ControlKind::TabControl, {{"Name", "Pages"}, {"TabNames", "Product,Notes"}}, 5, 25, 235, 260}),
        label("ProductLabel", "Product", "T10", 5, 10),
        place({ControlKind::ComboBox, {{"Name", "Product"}, {"Control Source", "Products.Product"}, {"ParentId", "T10"}},
               70, 8, 215, 30}),
        label("PriceLabel", "Price", "T10", 5, 40),
        textBox("Price", "T10", 70, 38, 150),
        place({ControlKind::GroupBox, {{"Name", "Stock"}, {"Caption", "Stock"}, {"ParentId", "T10"}}, 5, 70, 215, 190}),
        label("InStockLabel", "In stock", "G1", 10, 25),
        textBox("InStock", "G1", 75, 23, 150),
        place({ControlKind::CheckBox,
               {{"Name", "Discontinued"}, {"Caption", "Discontinued"}, {"Control Source", "Products.Discontinued"},
                {"ParentId", "G1"}, {"Bkgnd Color", "15790320"}},
               10, 60, 190, 80}),
        notes,
    };
    return SerialiseForm(form, controls).value_or(QString());
}
