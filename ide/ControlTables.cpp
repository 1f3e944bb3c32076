#include "ide/ControlTables.h"

#include "platform/Text.h"

#include <map>
#include <string>
#include <vector>

namespace qm::ide {

using platform::equalsIgnoreCase;

namespace {

using PT = PropertyType;

// Type and default of every property name the standard classes use; per-class differences are
// overridden in the class lists below.
const std::map<std::string, ControlProperty, std::less<>> &commonProperties()
{
    static const std::map<std::string, ControlProperty, std::less<>> table = [] {
        std::map<std::string, ControlProperty, std::less<>> t;
        auto add = [&t](const char *name, PT type, const char *def) {
            t[name] = {name, type, def};
        };
        add("Align", PT::Enum, "0  'None");
        add("Alignment", PT::Enum, "0  'Left Justify");
        add("Appearance", PT::Enum, "1  '3D");
        add("Archive", PT::Boolean, "-1  'True");
        add("AutoActivate", PT::Enum, "2  'Double-Click");
        add("AutoRedraw", PT::Boolean, "0   'False");
        add("AutoSize", PT::Boolean, "0   'False");
        add("BackColor", PT::Color, "&H8000000F&");
        add("BackStyle", PT::Enum, "1  'Opaque");
        add("BOFAction", PT::Enum, "0  'Move First");
        add("BorderColor", PT::Color, "&H80000008&");
        add("BorderStyle", PT::Enum, "0  'None");
        add("BorderWidth", PT::Integer, "1");
        add("Cancel", PT::Boolean, "0   'False");
        add("Caption", PT::Text, "\"\"");
        add("Checked", PT::Boolean, "0   'False");
        add("Class", PT::Text, "\"\"");
        add("ClientHeight", PT::Integer, "3195");
        add("ClientLeft", PT::Integer, "60");
        add("ClientTop", PT::Integer, "345");
        add("ClientWidth", PT::Integer, "4680");
        add("ClipControls", PT::Boolean, "-1  'True");
        add("Columns", PT::Integer, "0");
        add("Connect", PT::Text, "\"Access\"");
        add("ControlBox", PT::Boolean, "-1  'True");
        add("DatabaseName", PT::Text, "\"\"");
        add("DataField", PT::Text, "\"\"");
        add("DataSource", PT::Text, "\"\"");
        add("Default", PT::Boolean, "0   'False");
        add("DisabledPicture", PT::Binary, "");
        add("DisplayType", PT::Enum, "0  'Content");
        add("DownPicture", PT::Binary, "");
        add("DragIcon", PT::Binary, "");
        add("DragMode", PT::Enum, "0  'Manual");
        add("DrawMode", PT::Enum, "13  'Copy Pen");
        add("DrawStyle", PT::Enum, "0  'Solid");
        add("DrawWidth", PT::Integer, "1");
        add("Enabled", PT::Boolean, "-1  'True");
        add("EOFAction", PT::Enum, "0  'Move Last");
        add("Exclusive", PT::Boolean, "0   'False");
        add("FillColor", PT::Color, "&H00000000&");
        add("FillStyle", PT::Enum, "1  'Transparent");
        add("FontTransparent", PT::Boolean, "-1  'True");
        add("ForeColor", PT::Color, "&H80000012&");
        add("HasDC", PT::Boolean, "-1  'True");
        add("Height", PT::Integer, "0");
        add("HelpContextID", PT::Integer, "0");
        add("Hidden", PT::Boolean, "0   'False");
        add("HideSelection", PT::Boolean, "-1  'True");
        add("Icon", PT::Binary, "");
        add("IntegralHeight", PT::Boolean, "-1  'True");
        add("Interval", PT::Integer, "0");
        add("ItemData", PT::Binary, "");
        add("KeyPreview", PT::Boolean, "0   'False");
        add("LargeChange", PT::Integer, "1");
        add("Left", PT::Integer, "0");
        add("LinkItem", PT::Text, "\"\"");
        add("LinkMode", PT::Enum, "0  'None");
        add("LinkTimeout", PT::Integer, "50");
        add("LinkTopic", PT::Text, "\"\"");
        add("List", PT::Binary, "");
        add("Locked", PT::Boolean, "0   'False");
        add("MaskColor", PT::Color, "&H00C0C0C0&");
        add("Max", PT::Integer, "32767");
        add("MaxButton", PT::Boolean, "-1  'True");
        add("MaxLength", PT::Integer, "0");
        add("MDIChild", PT::Boolean, "0   'False");
        add("Min", PT::Integer, "0");
        add("MinButton", PT::Boolean, "-1  'True");
        add("MouseIcon", PT::Binary, "");
        add("MousePointer", PT::Enum, "0  'Default");
        add("Moveable", PT::Boolean, "-1  'True");
        add("MultiLine", PT::Boolean, "0   'False");
        add("MultiSelect", PT::Enum, "0  'None");
        add("Negotiate", PT::Boolean, "0   'False");
        add("NegotiateMenus", PT::Boolean, "-1  'True");
        add("NegotiatePosition", PT::Enum, "0  'None");
        add("Normal", PT::Boolean, "-1  'True");
        add("OLEDragMode", PT::Enum, "0  'Manual");
        add("OLEDropMode", PT::Enum, "0  'None");
        add("OLETypeAllowed", PT::Enum, "2  'Either");
        add("Options", PT::Integer, "0");
        add("Palette", PT::Binary, "");
        add("PaletteMode", PT::Enum, "0  'Halftone");
        add("PasswordChar", PT::Text, "\"\"");
        add("Pattern", PT::Text, "\"*.*\"");
        add("Picture", PT::Binary, "");
        add("ReadOnly", PT::Boolean, "-1  'True");
        add("RecordsetType", PT::Enum, "1  'Dynaset");
        add("RecordSource", PT::Text, "\"\"");
        add("RightToLeft", PT::Boolean, "0   'False");
        add("ScaleHeight", PT::Single, "3195");
        add("ScaleLeft", PT::Single, "0");
        add("ScaleMode", PT::Enum, "1  'Twip");
        add("ScaleTop", PT::Single, "0");
        add("ScaleWidth", PT::Single, "4680");
        add("ScrollBars", PT::Enum, "0  'None");
        add("Shape", PT::Enum, "0  'Rectangle");
        add("Shortcut", PT::Other, "");
        add("ShowInTaskbar", PT::Boolean, "-1  'True");
        add("SizeMode", PT::Enum, "0  'Clip");
        add("SmallChange", PT::Integer, "1");
        add("Sorted", PT::Boolean, "0   'False");
        add("SourceDoc", PT::Text, "\"\"");
        add("SourceItem", PT::Text, "\"\"");
        add("StartUpPosition", PT::Enum, "0  'Manual");
        add("Stretch", PT::Boolean, "0   'False");
        add("Style", PT::Enum, "0  'Standard");
        add("System", PT::Boolean, "0   'False");
        add("TabIndex", PT::Integer, "0");
        add("TabStop", PT::Boolean, "-1  'True");
        add("Tag", PT::Text, "\"\"");
        add("Text", PT::Text, "\"\"");
        add("ToolTipText", PT::Text, "\"\"");
        add("Top", PT::Integer, "0");
        add("UseMaskColor", PT::Boolean, "0   'False");
        add("UseMnemonic", PT::Boolean, "-1  'True");
        add("Value", PT::Integer, "0");
        add("Visible", PT::Boolean, "-1  'True");
        add("WhatsThisButton", PT::Boolean, "0   'False");
        add("WhatsThisHelp", PT::Boolean, "0   'False");
        add("WhatsThisHelpID", PT::Integer, "0");
        add("Width", PT::Integer, "0");
        add("WindowList", PT::Boolean, "0   'False");
        add("WindowState", PT::Enum, "0  'Normal");
        add("WordWrap", PT::Boolean, "0   'False");
        add("X1", PT::Integer, "0");
        add("X2", PT::Integer, "0");
        add("Y1", PT::Integer, "0");
        add("Y2", PT::Integer, "0");
        // Index and Name are read from the Begin line and the Index line; Font is a block.
        add("Index", PT::Integer, nullptr);
        add("Name", PT::Text, nullptr);
        add("Font", PT::Other, nullptr);
        return t;
    }();
    return table;
}

struct Override
{
    const char *name;
    PT type;
    const char *def;
};

ControlClass
makeClass(const char *name, std::string_view properties, std::vector<Override> overrides = {})
{
    ControlClass cls{name, {}};
    size_t pos = 0;
    while (pos < properties.size()) {
        size_t end = properties.find(' ', pos);
        if (end == std::string_view::npos)
            end = properties.size();
        std::string_view prop = properties.substr(pos, end - pos);
        pos = end + 1;
        if (prop.empty())
            continue;
        ControlProperty entry{};
        bool found = false;
        for (const Override &o : overrides)
            if (prop == o.name) {
                entry = {o.name, o.type, o.def};
                found = true;
            }
        if (!found) {
            auto it = commonProperties().find(prop);
            if (it == commonProperties().end())
                continue; // a name missing from the common table is a mistake in this file
            entry = it->second;
        }
        cls.properties.push_back(entry);
    }
    return cls;
}

const char *const WindowColor = "&H80000005&";
const char *const WindowTextColor = "&H80000008&";

const std::vector<ControlClass> &standardClasses()
{
    static const std::vector<ControlClass> classes = {
        makeClass(
            "Form",
            "Name Appearance AutoRedraw BackColor BorderStyle Caption ClientHeight ClientLeft "
            "ClientTop ClientWidth ClipControls ControlBox DrawMode DrawStyle DrawWidth Enabled "
            "FillColor FillStyle Font FontTransparent ForeColor HasDC Height HelpContextID Icon "
            "KeyPreview Left LinkMode LinkTopic MaxButton MDIChild MinButton MouseIcon "
            "MousePointer Moveable NegotiateMenus OLEDropMode Palette PaletteMode Picture "
            "RightToLeft ScaleHeight ScaleLeft ScaleMode ScaleTop ScaleWidth ShowInTaskbar "
            "StartUpPosition Tag Top Visible WhatsThisButton WhatsThisHelp Width WindowState",
            {{"BorderStyle", PT::Enum, "2  'Sizable"}, {"Caption", PT::Text, nullptr}}),
        makeClass(
            "MDIForm",
            "Name Appearance AutoShowChildren BackColor Caption ClientHeight ClientLeft ClientTop "
            "ClientWidth Enabled Height HelpContextID Icon Left LinkMode LinkTopic MouseIcon "
            "MousePointer Moveable NegotiateToolbars OLEDropMode Picture RightToLeft ScrollBars "
            "StartUpPosition Tag Top Visible WhatsThisHelp Width WindowState",
            {{"BackColor", PT::Color, "&H8000000C&"},
             {"Caption", PT::Text, nullptr},
             {"AutoShowChildren", PT::Boolean, "-1  'True"},
             {"NegotiateToolbars", PT::Boolean, "-1  'True"},
             {"ScrollBars", PT::Boolean, "-1  'True"}}),
        makeClass(
            "CommandButton",
            "Name Appearance BackColor Cancel Caption Default DisabledPicture DownPicture "
            "DragIcon DragMode Enabled Font Height HelpContextID Index Left MaskColor MouseIcon "
            "MousePointer OLEDropMode Picture RightToLeft Style TabIndex TabStop Tag ToolTipText "
            "Top UseMaskColor Visible WhatsThisHelpID Width"),
        makeClass(
            "Label",
            "Name Alignment Appearance AutoSize BackColor BackStyle BorderStyle Caption DataField "
            "DataSource DragIcon DragMode Enabled Font ForeColor Height Index Left LinkItem "
            "LinkMode LinkTimeout LinkTopic MouseIcon MousePointer OLEDropMode RightToLeft "
            "TabIndex Tag ToolTipText Top UseMnemonic Visible WhatsThisHelpID Width WordWrap"),
        makeClass("TextBox",
                  "Name Alignment Appearance BackColor BorderStyle DataField DataSource DragIcon "
                  "DragMode Enabled Font ForeColor Height HelpContextID HideSelection Index Left "
                  "LinkItem LinkMode LinkTimeout LinkTopic Locked MaxLength MouseIcon MousePointer "
                  "MultiLine OLEDragMode OLEDropMode PasswordChar RightToLeft ScrollBars TabIndex "
                  "TabStop Tag Text ToolTipText Top Visible WhatsThisHelpID Width",
                  {{"BackColor", PT::Color, WindowColor},
                   {"ForeColor", PT::Color, WindowTextColor},
                   {"BorderStyle", PT::Enum, "1  'Fixed Single"}}),
        makeClass(
            "Frame",
            "Name Appearance BackColor BorderStyle Caption ClipControls DragIcon DragMode Enabled "
            "Font ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode "
            "RightToLeft TabIndex Tag ToolTipText Top Visible WhatsThisHelpID Width",
            {{"BorderStyle", PT::Enum, "1  'Fixed Single"}}),
        makeClass(
            "CheckBox",
            "Name Alignment Appearance BackColor Caption DataField DataSource DisabledPicture "
            "DownPicture DragIcon DragMode Enabled Font ForeColor Height HelpContextID Index Left "
            "MaskColor MouseIcon MousePointer OLEDropMode Picture RightToLeft Style TabIndex "
            "TabStop Tag ToolTipText Top UseMaskColor Value Visible WhatsThisHelpID Width",
            {{"Value", PT::Enum, "0  'Unchecked"}}),
        makeClass(
            "OptionButton",
            "Name Alignment Appearance BackColor Caption DisabledPicture DownPicture DragIcon "
            "DragMode Enabled Font ForeColor Height HelpContextID Index Left MaskColor MouseIcon "
            "MousePointer OLEDropMode Picture RightToLeft Style TabIndex TabStop Tag ToolTipText "
            "Top UseMaskColor Value Visible WhatsThisHelpID Width",
            {{"Value", PT::Boolean, "0   'False"}}),
        makeClass(
            "ComboBox",
            "Name Appearance BackColor DataField DataSource DragIcon DragMode Enabled Font "
            "ForeColor Height HelpContextID Index IntegralHeight ItemData Left List Locked "
            "MouseIcon MousePointer OLEDragMode OLEDropMode RightToLeft Sorted Style TabIndex "
            "TabStop Tag Text ToolTipText Top Visible WhatsThisHelpID Width",
            {{"BackColor", PT::Color, WindowColor},
             {"ForeColor", PT::Color, WindowTextColor},
             {"Style", PT::Enum, "0  'Dropdown Combo"}}),
        makeClass(
            "ListBox",
            "Name Appearance BackColor Columns DataField DataSource DragIcon DragMode Enabled "
            "Font ForeColor Height HelpContextID Index IntegralHeight ItemData Left List "
            "MouseIcon MousePointer MultiSelect OLEDragMode OLEDropMode RightToLeft Sorted Style "
            "TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width",
            {{"BackColor", PT::Color, WindowColor}, {"ForeColor", PT::Color, WindowTextColor}}),
        makeClass(
            "HScrollBar",
            "Name DragIcon DragMode Enabled Height HelpContextID Index LargeChange Left Max Min "
            "MouseIcon MousePointer RightToLeft SmallChange TabIndex TabStop Tag Top Value "
            "Visible WhatsThisHelpID Width"),
        makeClass(
            "VScrollBar",
            "Name DragIcon DragMode Enabled Height HelpContextID Index LargeChange Left Max Min "
            "MouseIcon MousePointer RightToLeft SmallChange TabIndex TabStop Tag Top Value "
            "Visible WhatsThisHelpID Width"),
        makeClass("Timer", "Name Enabled Index Interval Left Tag Top"),
        makeClass(
            "DriveListBox",
            "Name Appearance BackColor DragIcon DragMode Enabled Font ForeColor Height "
            "HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag "
            "ToolTipText Top Visible WhatsThisHelpID Width",
            {{"BackColor", PT::Color, WindowColor}, {"ForeColor", PT::Color, WindowTextColor}}),
        makeClass(
            "DirListBox",
            "Name Appearance BackColor DragIcon DragMode Enabled Font ForeColor Height "
            "HelpContextID Index Left MouseIcon MousePointer OLEDragMode OLEDropMode TabIndex "
            "TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width",
            {{"BackColor", PT::Color, WindowColor}, {"ForeColor", PT::Color, WindowTextColor}}),
        makeClass(
            "FileListBox",
            "Name Appearance Archive BackColor DragIcon DragMode Enabled Font ForeColor Height "
            "HelpContextID Hidden Index Left MouseIcon MousePointer MultiSelect Normal "
            "OLEDragMode OLEDropMode Pattern ReadOnly System TabIndex TabStop Tag ToolTipText "
            "Top Visible WhatsThisHelpID Width",
            {{"BackColor", PT::Color, WindowColor}, {"ForeColor", PT::Color, WindowTextColor}}),
        makeClass("Shape",
                  "Name BackColor BackStyle BorderColor BorderStyle BorderWidth DrawMode FillColor "
                  "FillStyle Height Index Left Shape Tag Top Visible Width",
                  {{"BackStyle", PT::Enum, "0  'Transparent"},
                   {"BorderStyle", PT::Enum, "1  'Solid"},
                   {"BackColor", PT::Color, WindowColor}}),
        makeClass("Line",
                  "Name BorderColor BorderStyle BorderWidth DrawMode Index Tag Visible X1 X2 Y1 Y2",
                  {{"BorderStyle", PT::Enum, "1  'Solid"}}),
        makeClass(
            "Image",
            "Name Appearance BorderStyle DataField DataSource DragIcon DragMode Enabled Height "
            "Index Left MouseIcon MousePointer OLEDragMode OLEDropMode Picture Stretch Tag "
            "ToolTipText Top Visible WhatsThisHelpID Width"),
        makeClass(
            "PictureBox",
            "Name Align Appearance AutoRedraw AutoSize BackColor BorderStyle ClipControls "
            "DataField DataSource DragIcon DragMode DrawMode DrawStyle DrawWidth Enabled "
            "FillColor FillStyle Font FontTransparent ForeColor HasDC Height HelpContextID Index "
            "Left LinkItem LinkMode LinkTimeout LinkTopic MouseIcon MousePointer Negotiate "
            "OLEDragMode OLEDropMode Picture RightToLeft ScaleHeight ScaleLeft ScaleMode ScaleTop "
            "ScaleWidth TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width",
            {{"BorderStyle", PT::Enum, "1  'Fixed Single"}}),
        makeClass(
            "Data",
            "Name Align Appearance BackColor BOFAction Caption Connect DatabaseName "
            "DefaultCursorType DefaultType DragIcon DragMode Enabled EOFAction Exclusive Font "
            "ForeColor Height Index Left MouseIcon MousePointer Negotiate OLEDropMode Options "
            "ReadOnly RecordsetType RecordSource RightToLeft Tag ToolTipText Top Visible "
            "WhatsThisHelpID Width",
            {{"ReadOnly", PT::Boolean, "0   'False"},
             {"DefaultCursorType", PT::Enum, "0  'DefaultCursor"},
             {"DefaultType", PT::Enum, "2  'UseJet"}}),
        makeClass(
            "OLE",
            "Name Appearance AutoActivate BackColor BackStyle BorderStyle Class DataField "
            "DataSource DisplayType DragIcon DragMode Enabled Height HelpContextID Index Left "
            "MouseIcon MousePointer OLEDropMode OLETypeAllowed SizeMode SourceDoc SourceItem "
            "TabIndex TabStop Tag Top Visible WhatsThisHelpID Width",
            {{"BorderStyle", PT::Enum, "1  'Fixed Single"}}),
        makeClass("Menu",
                  "Name Caption Checked Enabled HelpContextID Index NegotiatePosition Shortcut Tag "
                  "Visible WindowList"),
    };
    return classes;
}

using Names = std::vector<const char *>;

const Names *enumNames(std::string_view className, std::string_view property)
{
    static const Names appearance = {"Flat", "3D"};
    static const Names backStyle = {"Transparent", "Opaque"};
    static const Names formBorder = {"None",         "Fixed Single",     "Sizable",
                                     "Fixed Dialog", "Fixed ToolWindow", "Sizable ToolWindow"};
    static const Names lineBorder = {"Transparent", "Solid",        "Dash",        "Dot",
                                     "Dash-Dot",    "Dash-Dot-Dot", "Inside Solid"};
    static const Names border = {"None", "Fixed Single"};
    static const Names alignment = {"Left Justify", "Right Justify", "Center"};
    static const Names dragMode = {"Manual", "Automatic"};
    static const Names scrollBars = {"None", "Horizontal", "Vertical", "Both"};
    static const Names windowState = {"Normal", "Minimized", "Maximized"};
    static const Names startUp = {"Manual", "CenterOwner", "CenterScreen", "Windows Default"};
    static const Names scaleMode = {"User",      "Twip", "Point",      "Pixel",
                                    "Character", "Inch", "Millimeter", "Centimeter"};
    static const Names checkValue = {"Unchecked", "Checked", "Grayed"};
    static const Names buttonStyle = {"Standard", "Graphical"};
    static const Names mousePointer = {"Default",
                                       "Arrow",
                                       "Cross",
                                       "I-Beam",
                                       "Icon",
                                       "Size",
                                       "Size NE SW",
                                       "Size N S",
                                       "Size NW SE",
                                       "Size W E",
                                       "Up Arrow",
                                       "Hourglass",
                                       "No Drop",
                                       "Arrow and Hourglass",
                                       "Arrow and Question",
                                       "Size All"};
    auto is = [&](const char *name) {
        return equalsIgnoreCase(property, name);
    };
    if (is("Appearance"))
        return &appearance;
    if (is("BackStyle"))
        return &backStyle;
    if (is("BorderStyle")) {
        if (equalsIgnoreCase(className, "Form"))
            return &formBorder;
        if (equalsIgnoreCase(className, "Shape") || equalsIgnoreCase(className, "Line"))
            return &lineBorder;
        return &border;
    }
    if (is("Alignment"))
        return &alignment;
    if (is("DragMode"))
        return &dragMode;
    if (is("ScrollBars") && !equalsIgnoreCase(className, "MDIForm"))
        return &scrollBars;
    if (is("WindowState"))
        return &windowState;
    if (is("StartUpPosition"))
        return &startUp;
    if (is("ScaleMode"))
        return &scaleMode;
    if (is("Value") && equalsIgnoreCase(className, "CheckBox"))
        return &checkValue;
    if (is("Style") &&
        (equalsIgnoreCase(className, "CommandButton") || equalsIgnoreCase(className, "CheckBox") ||
         equalsIgnoreCase(className, "OptionButton")))
        return &buttonStyle;
    if (is("MousePointer"))
        return &mousePointer;
    return nullptr;
}

} // namespace

bool ControlClass::hasTabIndex() const
{
    return find("TabIndex") != nullptr;
}

const ControlProperty *ControlClass::find(std::string_view propertyName) const
{
    for (const ControlProperty &p : properties)
        if (equalsIgnoreCase(p.name, propertyName))
            return &p;
    return nullptr;
}

const ControlClass *findControlClass(std::string_view className)
{
    if (platform::startsWithIgnoreCase(className, "VB."))
        className.remove_prefix(3);
    for (const ControlClass &cls : standardClasses())
        if (equalsIgnoreCase(cls.name, className))
            return &cls;
    return nullptr;
}

const std::vector<ControlProperty> &extenderProperties()
{
    static const std::vector<ControlProperty> props = {
        {"Name", PT::Text, nullptr},
        {"Left", PT::Integer, "0"},
        {"Top", PT::Integer, "0"},
        {"Width", PT::Integer, "0"},
        {"Height", PT::Integer, "0"},
        {"TabIndex", PT::Integer, "0"},
        {"TabStop", PT::Boolean, "-1  'True"},
        {"Visible", PT::Boolean, "-1  'True"},
        {"Index", PT::Integer, nullptr},
        {"Tag", PT::Text, "\"\""},
        {"HelpContextID", PT::Integer, "0"},
        {"WhatsThisHelpID", PT::Integer, "0"},
    };
    return props;
}

namespace tables {

std::optional<std::string>
enumName(std::string_view className, std::string_view property, std::int32_t value, bool *known)
{
    const Names *names = enumNames(className, property);
    if (known)
        *known = names != nullptr;
    if (!names)
        return std::nullopt;
    if (equalsIgnoreCase(property, "MousePointer") && value == 99)
        return std::string("Custom");
    if (value < 0 || static_cast<size_t>(value) >= names->size())
        return std::nullopt;
    return std::string((*names)[static_cast<size_t>(value)]);
}

const std::vector<ControlProperty> &fontProperties()
{
    static const std::vector<ControlProperty> props = {
        {"Name", PT::Text, "\"MS Sans Serif\""},
        {"Size", PT::Single, "8.25"},
        {"Charset", PT::Integer, "0"},
        {"Weight", PT::Integer, "400"},
        {"Underline", PT::Boolean, "0   'False"},
        {"Italic", PT::Boolean, "0   'False"},
        {"Strikethrough", PT::Boolean, "0   'False"},
        {"Bold", PT::Boolean, "0   'False"},
    };
    return props;
}

std::string
defaultFontBlock(std::string_view version, std::string_view indent, std::string_view eol, bool bold)
{
    bool v4 = version.substr(0, 2) == "4." || version.empty() || version[0] < '4';
    std::string in(indent);
    std::string inner = in + "   ";
    auto line = [&](const char *name, const char *value) {
        std::string n = name;
        if (v4)
            n = platform::toLower(n);
        n.resize(16, ' ');
        return inner + n + "=   " + value + std::string(eol);
    };
    std::string out = in + (v4 ? "BeginProperty Font "
                               : "BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} ");
    out += eol;
    out += line("Name", "\"MS Sans Serif\"");
    if (v4) {
        out += line("Charset", "0");
        out += line("Weight", bold ? "700" : "400");
        out += line("Size", "8.25");
    } else {
        out += line("Size", "8.25");
        out += line("Charset", "0");
        out += line("Weight", bold ? "700" : "400");
    }
    out += line("Underline", "0   'False");
    out += line("Italic", "0   'False");
    out += line("Strikethrough", "0   'False");
    out += in + "EndProperty" + std::string(eol);
    return out;
}

} // namespace tables
} // namespace qm::ide
