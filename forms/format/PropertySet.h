#pragma once
// One control's properties, or the form's own: the kind and the catalogue's names with their values,
// every value a text whatever it encodes. A set is always made by BuildPropertySet; stored text only
// replaces values by position.
#include <QString>
#include <QStringList>

// The stored codes of the control kinds. 14 has no stored name and is never created.
namespace ControlKind {
enum : int {
    Unknown = -1,
    TextBox = 0,
    Label = 1,
    CommandButton = 2,
    CheckBox = 3,
    RadioButton = 4,
    ComboBox = 5,
    ListBox = 6,
    ListView = 7,
    GridControl = 8,
    TabControl = 9,
    DateTime = 10,
    PictureBox = 11,
    Shape = 12,
    Line = 13,
    ListControl = 15,
    FormProps = 16,
    GroupBox = 17,
};
}

struct PropertySet {
    int kind = ControlKind::Unknown;
    QStringList names;
    QStringList values;

    qsizetype count() const { return values.size(); }
    bool isEmpty() const { return values.isEmpty(); }
};

// A control's rectangle as placed in the designer, in form pixels.
struct ControlRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const ControlRect&) const = default;
};

// The catalogue's names and defaults for the kind; an empty set for a code without a catalogue.
PropertySet BuildPropertySet(int kind);

// The stored type name of a kind, empty for 14, 16 and unknown codes.
QString KindName(int kind);
// The kind of a stored type name, compared without regard to case; -1 when unknown.
int KindFromName(const QString& name);

// The value of the first property of exactly that name (case matters); empty when absent.
QString GetProperty(const PropertySet& set, const QString& name);
// Replaces that value; false when the set has no property of that name.
bool SetProperty(PropertySet& set, const QString& name, const QString& value);

// The rectangle kept in the last four values: Top, Left, Bottom, Right.
ControlRect GetLocation(const PropertySet& set);
void SetLocation(PropertySet& set, int left, int top, int right, int bottom);

// Name and Control Source, found without regard to the case of the property name.
QString ControlName(const PropertySet& set);
QString ControlSource(const PropertySet& set);
// The field part of a Control Source: the text after its first "."; empty when unbound.
QString ControlSourceField(const QString& controlSource);

// True when the property names an event ("On..."), whose value is a macro or module name.
bool IsEventProperty(const QString& name);

// The decimal value at the start of a text, as stored numbers and colours are read: leading blanks and
// one sign are taken, the conversion stops at the first non-digit, and no digits give 0.
int LeadingNumber(const QString& text);
// "Yes"/"No" and the enumerated texts are compared without regard to case.
bool IsYes(const QString& value);
bool SameText(const QString& a, const QString& b);
