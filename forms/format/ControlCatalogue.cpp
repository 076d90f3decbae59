// The properties of every control kind in stored order, with their defaults. The order is the stored
// order: a control record carries exactly these values, by position.
#include "forms/format/PropertySet.h"

#include <array>
#include <utility>
#include <vector>

namespace {

using Entry = std::pair<const char*, const char*>;

const char* const kFont = "Tahoma-11-FALSE-FALSE-FALSE-FALSE";
const char* const kWhite = "16777215";

struct KindEntry {
    int kind;
    const char* typeName;
    std::vector<Entry> properties;
};

std::vector<Entry> withPosition(std::vector<Entry> entries)
{
    for (const char* side : {"Top", "Left", "Bottom", "Right"})
        entries.emplace_back(side, "");
    return entries;
}

std::vector<Entry> buttonProperties()
{
    return withPosition({{"Alignment", ""}, {"Bkgnd Color", kWhite}, {"Caption", ""}, {"Control Source", ""},
                         {"Enabled", "Yes"}, {"Font Info", kFont}, {"Location", ""}, {"Name", ""},
                         {"Tab Index", ""}, {"Tab Stop", "No"}, {"Tag", ""}, {"Visible", "Yes"},
                         {"Subform", "MainForm"}, {"ParentId", ""}, {"OnClick", ""}, {"OnGotFocus", ""},
                         {"OnLostFocus", ""}});
}

std::vector<Entry> listViewProperties(bool listControl)
{
    std::vector<Entry> entries = {
        {"Control Source", ""}, {"Enabled", "Yes"}, {"Font Info", kFont}, {"Hide Column Headers", "No"},
        {"Hide Selection", "No"}, {"Label Edit", "No"}, {"Label Wrap", "No"}, {"Location", ""},
        {"MultiSelect", "No"}, {"Name", ""}, {"Sort Order", "None"}, {"Sorted", "No"}, {"Tab Index", ""},
        {"Tab Stop", "No"}, {"Tag", ""}, {"View", listControl ? "Report" : ""}, {"Visible", "Yes"}};
    if (listControl)
        entries.insert(entries.end(), {{"Subform", "MainForm"}, {"ParentId", ""}, {"OnColumnClick", ""},
                                       {"OnGotFocus", ""}, {"OnListItmClick", ""}, {"OnLostFocus", ""}});
    return withPosition(std::move(entries));
}

const std::vector<KindEntry>& catalogue()
{
    static const std::vector<KindEntry> kinds = {
        {ControlKind::TextBox, "TextBox",
         withPosition({{"Bkgnd Color", kWhite}, {"Border Style", "Yes"}, {"Control Source", ""},
                       {"Default Value", ""}, {"Enabled", "Yes"}, {"Font Info", kFont}, {"Location", ""},
                       {"Locked", ""}, {"Max Length", ""}, {"MultiLine", "No"}, {"Name", ""}, {"ScrollBars", "No"},
                       {"Tab Index", ""}, {"Tab Stop", "No"}, {"Tag", ""}, {"Text Alignment", "Left"},
                       {"Visible", "Yes"}, {"Subform", "MainForm"}, {"ParentId", ""}, {"OnChange", ""},
                       {"OnGotFocus", ""}, {"OnLostFocus", ""}})},
        {ControlKind::Label, "Label",
         withPosition({{"Alignment", "Left"}, {"Bkgnd Color", kWhite}, {"Border Style", "Yes"}, {"Caption", ""},
                       {"Control Source", ""}, {"Enabled", "Yes"}, {"Font Info", kFont}, {"Location", ""},
                       {"Name", ""}, {"Tag", ""}, {"Visible", "Yes"}, {"Word wrap", "No"}, {"Subform", "MainForm"},
                       {"ParentId", ""}, {"OnClick", ""}})},
        {ControlKind::CommandButton, "CommandButton",
         withPosition({{"Bkgnd Color", kWhite}, {"Caption", ""}, {"Control Source", ""}, {"Default Button", "No"},
                       {"Enabled", "Yes"}, {"Font Info", kFont}, {"Location", ""}, {"Name", ""}, {"Tab Index", ""},
                       {"Tab Stop", "No"}, {"Tag", ""}, {"Visible", "Yes"}, {"Subform", "MainForm"},
                       {"ParentId", ""}, {"OnClick", ""}, {"OnGotFocus", ""}, {"OnLostFocus", ""}})},
        {ControlKind::CheckBox, "CheckBox", buttonProperties()},
        {ControlKind::RadioButton, "RadioButton", buttonProperties()},
        {ControlKind::ComboBox, "ComboBox",
         withPosition({{"Bkgnd Color", kWhite}, {"Control Source", ""}, {"Enabled", "Yes"}, {"Font Info", kFont},
                       {"Location", ""}, {"Locked", "No"}, {"Name", ""}, {"Sorted", "No"}, {"Style", ""},
                       {"Tab Index", ""}, {"Tab Stop", "No"}, {"Tag", ""}, {"Visible", "Yes"},
                       {"Subform", "MainForm"}, {"ParentId", ""}, {"OnChange", ""}, {"OnClick", ""},
                       {"OnDropDown", ""}, {"OnGotFocus", ""}, {"OnLostFocus", ""}, {"OnScroll", ""}})},
        {ControlKind::ListBox, "ListBox",
         withPosition({{"Bkgnd Color", kWhite}, {"Columns", "0"}, {"Control Source", ""}, {"Enabled", "Yes"},
                       {"Font Info", kFont}, {"Location", ""}, {"Name", ""}, {"Sorted", "No"}, {"Tab Index", ""},
                       {"Tab Stop", "No"}, {"Tag", ""}, {"Visible", "Yes"}, {"Multi Select", "No"},
                       {"Subform", "MainForm"}, {"ParentId", ""}, {"OnChange", ""}, {"OnClick", ""},
                       {"OnDoubleClick", ""}, {"OnGotFocus", ""}, {"OnLostFocus", ""}, {"OnScroll", ""}})},
        {ControlKind::ListView, "ListView", listViewProperties(false)},
        {ControlKind::GridControl, "GridControl",
         withPosition({{"Allow Additions", "No"}, {"Allow Deletions", "No"}, {"Allow Edits", "No"},
                       {"Back Color", kWhite}, {"Back Color Background", ""}, {"Back Color Selection", ""},
                       {"Control Source", ""}, {"Column Width", "50"}, {"Columns", "0"}, {"Enabled", "Yes"},
                       {"Fill Style", ""}, {"Focus Rectangle", "No"}, {"Font Info", kFont}, {"Fore Color", ""},
                       {"Fore Color Selection", ""}, {"Grid Color", ""}, {"Grid Line Width", ""},
                       {"Grid Lines", "No"}, {"Highlight", "No"}, {"Linked Field", ""}, {"Location", ""},
                       {"Name", ""}, {"Redraw", "Yes"}, {"Scroll Bars", "Yes"}, {"Scroll Track", "No"},
                       {"Selection Mode", ""}, {"Tab Index", ""}, {"Tab Stop", "No"}, {"Tag", ""}, {"ParentId", ""},
                       {"OnClick", ""}, {"OnEnterCell", ""}, {"OnGotFocus", ""}, {"OnLeaveCell", ""},
                       {"OnLostFocus", ""}, {"OnRecordAdd", ""}})},
        {ControlKind::TabControl, "TabControl",
         withPosition({{"Enabled", "Yes"}, {"Font Info", kFont}, {"Location", ""}, {"Multi Row", "No"}, {"Name", ""},
                       {"Style", "TabTabs"}, {"Tab Fixed Height", "Yes"}, {"Tab Fixed Width", "Yes"},
                       {"Tab Index", ""}, {"Tab Stop", "No"}, {"Tab Width Style", "TabJustified"},
                       {"TabNames", "Tab1,Tab2"}, {"Tag", ""}, {"Visible", "Yes"}, {"OnClick", ""},
                       {"OnGotFocus", ""}, {"OnLostFocus", ""}})},
        {ControlKind::DateTime, "DateTime",
         withPosition({{"Control Source", ""}, {"Location", ""}, {"Name", ""}, {"Style", "ShortDate"},
                       {"Tab Index", ""}, {"Tab Stop", "No"}, {"Tag", ""}, {"Visible", "Yes"},
                       {"Subform", "MainForm"}, {"ParentId", ""}, {"OnChange", ""}, {"OnDropDown", ""},
                       {"OnGotFocus", ""}, {"OnLostFocus", ""}})},
        {ControlKind::PictureBox, "PictureBox",
         withPosition({{"AutoSize", "Yes"}, {"Bkgnd Color", kWhite}, {"Border Style", ""}, {"Center", "Yes"},
                       {"ClipLeft", "No"}, {"Clip", "No"}, {"ClipHeight", ""}, {"ClipTop", ""}, {"ClipWidth", ""},
                       {"Command Button", "No"}, {"FocusRect", "No"}, {"FontInfo", ""}, {"ImageHeight", ""},
                       {"ImageWidth", ""}, {"Location", ""}, {"Mirror", "None"}, {"Name", ""}, {"Overlay", "No"},
                       {"OverlayLeft", ""}, {"OverlayTop", ""}, {"Picture", ""}, {"Resize", "No"},
                       {"ResizeHeight", ""}, {"ResizeWidth", ""}, {"Rotation", "None"}, {"Scroll", "No"},
                       {"ScrollBars", "None"}, {"ScrollX", ""}, {"ScrollY", ""}, {"Stretch", "No"}, {"Tag", ""},
                       {"Visible", "Yes"}, {"Subform", "MainForm"}, {"ParentId", ""}, {"OnClick", ""},
                       {"OnDoubleClick", ""}, {"OnGotFocus", ""}, {"OnLostFocus", ""}, {"OnTapAndHold", ""},
                       {"OnScroll", ""}})},
        {ControlKind::Shape, "Shape",
         withPosition({{"Bkgnd Color", kWhite}, {"Back Style", ""}, {"Border Color", ""}, {"Border Style", "Yes"},
                       {"Border Width", ""}, {"Fill Color", kWhite}, {"Fill Style", ""}, {"Location", ""},
                       {"Name", ""}, {"Tag", ""}, {"Visible", "Yes"}, {"Subform", "MainForm"}, {"ParentId", ""}})},
        {ControlKind::Line, "Line",
         {{"Border Color", ""}, {"Border Style", ""}, {"Border Width", ""}, {"Name", ""}, {"Tag", ""},
          {"Visible", "Yes"}, {"X1", ""}, {"X2", ""}, {"Y1", ""}, {"Y2", ""}}},
        {ControlKind::ListControl, "ListControl", listViewProperties(true)},
        {ControlKind::FormProps, "FormProps",
         {{"Allow Additions", "Yes"}, {"Allow Deletions", "Yes"}, {"Allow Edits", "Yes"}, {"Allow Filters", "Yes"},
          {"Back Color", kWhite}, {"Caption", ""}, {"Close Button", "Yes"}, {"Confirm Additions", "Yes"},
          {"Confirm Deletions", "Yes"}, {"Navigation Menu", "Yes"}, {"Raise SIP on open", "No"},
          {"ScrollBars", "Yes"}, {"SQL Source", ""}, {"Tag", ""}}},
        {ControlKind::GroupBox, "GroupBox",
         withPosition({{"Bkgnd Color", kWhite}, {"Border Style", "Yes"}, {"Bound Objects", ""},
                       {"Control Source", ""}, {"Caption", ""}, {"Enabled", "Yes"}, {"Location", ""},
                       {"Font Info", kFont}, {"Name", ""}, {"Tag", ""}, {"Visible", "Yes"}, {"Subform", "MainForm"},
                       {"ParentId", ""}, {"OnClick", ""}, {"OnGotFocus", ""}, {"OnLostFocus", ""}})},
    };
    return kinds;
}

const KindEntry* entryOf(int kind)
{
    for (const KindEntry& entry : catalogue())
        if (entry.kind == kind)
            return &entry;
    return nullptr;
}

} // namespace

PropertySet BuildPropertySet(int kind)
{
    PropertySet set;
    const KindEntry* entry = entryOf(kind);
    if (!entry)
        return set;
    set.kind = kind;
    for (const auto& [name, value] : entry->properties) {
        set.names << QString::fromLatin1(name);
        set.values << QString::fromLatin1(value);
    }
    return set;
}

// The form's own record never stands as a control record, so its type name is never written.
QString KindName(int kind)
{
    const KindEntry* entry = entryOf(kind);
    return entry && kind != ControlKind::FormProps ? QString::fromLatin1(entry->typeName) : QString();
}

int KindFromName(const QString& name)
{
    if (name.isEmpty())
        return ControlKind::Unknown;
    for (const KindEntry& entry : catalogue())
        if (name.compare(QLatin1String(entry.typeName), Qt::CaseInsensitive) == 0)
            return entry.kind;
    return ControlKind::Unknown;
}
