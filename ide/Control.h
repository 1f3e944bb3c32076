// A control (or menu, or the form itself) of a form file: its place in the Begin/End tree, its
// property lines exactly as the file wrote them, and its properties by name with the defaults
// of its class.
#pragma once

#include "ide/Property.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

class Control;
class FormFile;
struct ControlClass;
struct PropertyBlock;

/// One "Name = value" line of a control or property block, kept byte for byte.
struct PropertyLine
{
    std::string name;   ///< as written ("Caption"; "name" in the Font block of a 4.00 file)
    std::string lead;   ///< the line up to the value: "   Caption         =   "
    std::string value;  ///< the raw value: "\"OK\"", "-1  'True"
    std::string eol;    ///< the line end as read: "\r\n", "\n", "\r", or "" at the end of file
    int lineNumber = 0; ///< 1-based line of the file it was read from; 0 for added lines
};

/// One entry of a control's body or a property block, in file order.
struct FormItem
{
    enum class Kind { Property, Block, Child, Raw };
    Kind kind = Kind::Raw;
    PropertyLine property;                ///< Kind::Property
    std::shared_ptr<PropertyBlock> block; ///< Kind::Block
    std::shared_ptr<Control> child;       ///< Kind::Child
    std::string raw;                      ///< Kind::Raw: a blank or unreadable line, kept as is
    std::string eol;                      ///< Kind::Raw
};

/// A BeginProperty ... EndProperty block ("Font", "Panels", ...), possibly nested.
struct PropertyBlock
{
    std::string name;      ///< "Font"
    std::string beginLine; ///< the whole BeginProperty line without its line end
    std::string beginEol;
    std::vector<FormItem> items;
    std::string endLine; ///< the whole EndProperty line without its line end
    std::string endEol;
    int lineNumber = 0;

    /// The property line of a name (letter case ignored); null when the block has none.
    PropertyLine *find(std::string_view name);
    const PropertyLine *find(std::string_view name) const;
};

using ControlPtr = std::shared_ptr<Control>;

class Control : public std::enable_shared_from_this<Control>
{
public:
    /// The control's Name, without its index.
    const std::string &name() const { return m_name; }
    /// The class without its library: "CommandButton", "Form", "Menu", "SSCommand".
    std::string className() const;
    /// The class as the file wrote it: "VB.CommandButton", "Threed.SSCommand", or
    /// "CommandButton" in a 4.00 file.
    const std::string &qualifiedClassName() const { return m_class; }
    /// The library part of the class ("VB", "Threed"); empty in a 4.00 file's own classes.
    std::string libraryName() const;
    /// True for the standard classes whose property sets the model knows.
    bool isKnownClass() const { return m_classInfo != nullptr; }
    bool isMenu() const;
    bool isForm() const;

    /// The Index of a control-array member; nothing for a control that is not in an array.
    std::optional<int> index() const;
    /// Name, or Name(Index) for an array member.
    std::string displayName() const;

    /// The containing control (the form for top-level controls, the menu for submenus); null
    /// for the form itself.
    Control *parent() const { return m_parent; }
    /// The form file the control belongs to; null for a control not placed on a form.
    FormFile *form() const { return m_form; }
    /// The child controls and menus in file order.
    std::vector<ControlPtr> children() const;

    /// True when the control has the property: a dotted name reaches into a block
    /// ("Font.Bold"). Letter case ignored.
    bool hasProperty(std::string_view name) const;
    /// The typed value: as written in the file, else the class default. Throws VbError 438 for
    /// a property the control does not have, 343 for Index of a control that is not in an array.
    Value property(std::string_view name) const;
    /// The raw value text as written in the file, else the default as the file writer would
    /// write it. Throws as property().
    std::string propertyText(std::string_view name) const;
    /// True when the file holds a line for the property (it does not use the default).
    bool isWritten(std::string_view name) const;

    /// Sets a property: rewrites its line, or adds one where the file had the default.
    /// Setting TabIndex renumbers the other controls of the form; setting Name renames the
    /// control. Throws VbError 438 for a property the control does not have, 380 for a value
    /// the property does not take, 13 for a value of the wrong kind.
    void setProperty(std::string_view name, const Value &value);
    /// Sets the raw value text of a property line as it stands (the caller formats it).
    void setPropertyText(std::string_view name, std::string_view rawValue);

    /// Typed shortcuts: valueToLong/valueToBool/valueToText of property().
    std::int32_t number(std::string_view name) const;
    bool boolean(std::string_view name) const;
    std::string text(std::string_view name) const;

    /// The names of the property lines and blocks the file holds for this control, in order.
    std::vector<std::string> writtenProperties() const;
    /// The names of every property the control has: its class's set, or for an unknown class
    /// the extender properties and those its file holds.
    std::vector<std::string> propertyNames() const;

    /// The body of the control as kept from the file (properties, blocks, children).
    const std::vector<FormItem> &items() const { return m_items; }
    /// 1-based line of the Begin line in the file; 0 for a control not read from a file.
    int lineNumber() const { return m_lineNumber; }
    /// The control's text as the form file holds it, children included, from its Begin line to
    /// its End line.
    std::string text() const;

private:
    friend class FormFile;
    friend class FormParser;
    friend class ControlEditor;

    struct Info;
    Info info(std::string_view name) const;
    Value blockProperty(std::string_view block, std::string_view member, std::string *raw) const;
    void setBlockProperty(std::string_view block, std::string_view member, const Value &value);
    void writeRaw(std::string_view name,
                  const std::string &raw,
                  const char *defaultRaw,
                  PropertyType type);
    void setTabIndex(std::int32_t position);
    std::string newLineLead(std::string_view name,
                            const std::vector<FormItem> &items,
                            std::string_view outerIndent) const;
    std::string lineEnd() const;
    void appendText(std::string &out) const;

    std::string m_class;
    std::string m_name;
    std::string m_headerLead; ///< "   Begin VB.CommandButton "
    std::string m_headerTail; ///< what follows the name on the Begin line (often one blank)
    std::string m_headerEol;
    std::string m_endLine; ///< "   End"
    std::string m_endEol;
    std::vector<FormItem> m_items;
    const ControlClass *m_classInfo = nullptr;
    Control *m_parent = nullptr;
    FormFile *m_form = nullptr;
    int m_lineNumber = 0;
};

/// The property set of a standard class.
struct ControlProperty
{
    const char *name;
    PropertyType type;
    const char *defaultRaw; ///< the default as raw text; nullptr for one the model derives
};

struct ControlClass
{
    const char *name; ///< "CommandButton"
    std::vector<ControlProperty> properties;
    /// True when the class takes part in the form's tab order (has TabIndex).
    bool hasTabIndex() const;
    const ControlProperty *find(std::string_view propertyName) const;
};

/// The standard class of a name ("CommandButton", letter case ignored, with or without "VB.");
/// null for a class the model does not know.
const ControlClass *findControlClass(std::string_view className);

/// The extender properties every control has, whatever its class.
const std::vector<ControlProperty> &extenderProperties();

} // namespace qm::ide
