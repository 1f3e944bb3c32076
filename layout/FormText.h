// A form file as lines: the Begin/End tree of its controls and their property lines, edited
// one property line at a time. Every byte it is not asked to change comes out as it went in;
// a property the file leaves at its default is added where the host writes it. No host, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::layout {

class FormText
{
public:
    /// Reads a form file. Throws common::UserMessageError ("File Error") for text that is not
    /// a form description (no Begin line, an unclosed Begin or BeginProperty, a stray End).
    explicit FormText(std::string_view bytes);

    /// The file's bytes with the changes made.
    std::string text() const;

    /// The controls and menus of the form, the form itself excluded, in file order (a
    /// container before what it holds). Each is named by its place in this list.
    std::size_t controlCount() const { return m_nodes.size() - 1; }
    /// The control whose name is `name` ("Text1", or "Option1(2)" for a member of an array);
    /// letter case ignored.
    std::optional<std::size_t> findControl(std::string_view name) const;
    /// Name, or Name(Index) for an array member.
    std::string displayName(std::size_t control) const;
    /// The class without its library ("CommandButton").
    std::string className(std::size_t control) const;

    /// True when the control has the property: its class's set (for a class the form editor
    /// does not know, the properties every control has and those its lines give it).
    bool hasProperty(std::size_t control, std::string_view name) const;
    /// A whole-number property as written, else its default; nothing when the control lacks it
    /// or the line holds no number.
    std::optional<std::int32_t> number(std::size_t control, std::string_view name) const;

    /// True when the control has a line for the property (it does not use the default).
    bool isWritten(std::size_t control, std::string_view name) const
    {
        return findLine(control + 1, name) != nullptr;
    }

    /// Left, Top, Width, Height, TabIndex... False when the control lacks the property.
    bool setNumber(std::size_t control, std::string_view name, std::int32_t value);
    /// Writes a whole-number property's line, adding one even for the default value.
    void writeNumberLine(std::size_t control, std::string_view name, std::int32_t value);
    /// Appearance (0 Flat, 1 3D), BackStyle (0 Transparent, 1 Opaque).
    bool setEnum(std::size_t control, std::string_view name, std::int32_t value);
    /// Text, Caption.
    bool setText(std::size_t control, std::string_view name, std::string_view value);
    /// The Bold attribute of the control's font: its Bold line, else its Weight line (700 or
    /// 400); a control without a Font block gets the default block when made bold.
    bool setBold(std::size_t control, bool bold);

    /// The controls that take part in the tab order, by TabIndex, equal ones in file order.
    std::vector<std::size_t> tabOrder() const;

private:
    struct Line
    {
        std::string text;
        std::string eol;
    };
    struct Item
    {
        enum class Kind { Property, Block, Child, Raw };
        Kind kind = Kind::Raw;
        std::string name;  ///< Property and Block
        std::string lead;  ///< Property: the line up to its value
        std::string value; ///< Property: the raw value
        Line line;         ///< Raw: the line; Block: its BeginProperty line; Property: eol only
        std::vector<Item> items; ///< Block
        Line endLine;            ///< Block
        std::size_t child = 0;   ///< Child: the node
    };
    struct Node
    {
        std::string qualifiedClass;
        std::string name;
        Line header;
        std::vector<Item> items;
        Line end;
    };

    const Item *findLine(std::size_t node, std::string_view name) const;
    Item *findLine(std::size_t node, std::string_view name);
    Item *findBlock(std::size_t node, std::string_view name);
    unsigned classMask(std::size_t node) const;
    bool isKnownClass(std::size_t node) const;
    bool isVersion4() const;
    std::string lineEnd(std::size_t node) const;
    /// Writes a raw value: rewrites the line, or adds one unless the value is the default.
    void writeRaw(std::size_t node,
                  std::string_view name,
                  std::string raw,
                  std::optional<std::int32_t> defaultNumber,
                  std::string_view defaultRaw,
                  bool keepDefault = false);
    void appendItems(const std::vector<Item> &items, std::string &out) const;
    void appendNode(std::size_t node, std::string &out) const;

    std::string m_version;
    std::vector<Line> m_prefix; ///< the lines before the form's Begin
    std::vector<Line> m_suffix; ///< the lines after the form's End (attributes, code)
    std::vector<Node> m_nodes;  ///< [0] the form, then its controls in file order
};

} // namespace qm::layout
