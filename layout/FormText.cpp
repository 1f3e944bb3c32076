// A form file as lines, edited one property line at a time.
#include "layout/FormText.h"

#include "common/ErrorReports.h"
#include "platform/FormLines.h"
#include "platform/Runtime.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace qm::layout {

using platform::equalsIgnoreCase;

namespace {

// Containers and property blocks nest a few levels deep in real forms; far deeper nesting is
// not a form the host wrote.
constexpr int MaxDepth = 200;

bool isBlankOrTab(char c)
{
    return c == ' ' || c == '\t';
}

using platform::trimLeadingSpace;
using platform::trimTrailingSpace;

std::string leadingBlanks(std::string_view text)
{
    return std::string(text.substr(0, text.size() - trimLeadingSpace(text).size()));
}

bool startsWithKeyword(std::string_view trimmed, std::string_view keyword)
{
    return platform::startsWithIgnoreCase(trimmed, keyword) &&
           (trimmed.size() == keyword.size() || isBlankOrTab(trimmed[keyword.size()]));
}

bool isKeywordLine(std::string_view text, std::string_view keyword)
{
    return equalsIgnoreCase(platform::trimSpace(text), keyword);
}

[[noreturn]] void notAForm(const std::string &why)
{
    throw common::UserMessageError({"File Error", "Not a form description: " + why, 16});
}

// The number a raw value holds ("1200", "-1  'True", "120.5"); nothing for other text.
std::optional<std::int32_t> parseNumber(std::string_view raw)
{
    std::size_t quote = raw.find('\'');
    std::string_view text = platform::trimSpace(raw.substr(0, quote));
    if (text.empty() || text.size() > 40)
        return std::nullopt;
    std::size_t i = 0;
    if (text[0] == '-' || text[0] == '+')
        ++i;
    bool digits = false, point = false;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (platform::isAsciiDigit(text[k])) {
            digits = true;
        } else if (text[k] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    const double value = platform::roundHalfEven(std::strtod(std::string(text).c_str(), nullptr));
    if (value < -2147483648.0 || value > 2147483647.0)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The layout properties of the standard classes.
enum : unsigned {
    L = 1u << 0,
    T = 1u << 1,
    W = 1u << 2,
    H = 1u << 3,
    TI = 1u << 4,
    TS = 1u << 5,
    TX = 1u << 6,
    CA = 1u << 7,
    AP = 1u << 8,
    BS = 1u << 9,
    FO = 1u << 10,
    Extender = L | T | W | H | TI | TS,
};

struct ClassEntry
{
    const char *name;
    unsigned mask;
};

constexpr ClassEntry Classes[] = {
    {"CommandButton", L | T | W | H | TI | TS | CA | AP | FO},
    {"Label", L | T | W | H | TI | CA | AP | BS | FO},
    {"TextBox", L | T | W | H | TI | TS | TX | AP | FO},
    {"Frame", L | T | W | H | TI | CA | AP | FO},
    {"CheckBox", L | T | W | H | TI | TS | CA | AP | FO},
    {"OptionButton", L | T | W | H | TI | TS | CA | AP | FO},
    {"ComboBox", L | T | W | H | TI | TS | TX | AP | FO},
    {"ListBox", L | T | W | H | TI | TS | AP | FO},
    {"HScrollBar", L | T | W | H | TI | TS},
    {"VScrollBar", L | T | W | H | TI | TS},
    {"Timer", L | T},
    {"DriveListBox", L | T | W | H | TI | TS | AP | FO},
    {"DirListBox", L | T | W | H | TI | TS | AP | FO},
    {"FileListBox", L | T | W | H | TI | TS | AP | FO},
    {"Shape", L | T | W | H | BS},
    {"Line", 0},
    {"Image", L | T | W | H | AP},
    {"PictureBox", L | T | W | H | TI | TS | AP | FO},
    {"Data", L | T | W | H | CA | AP | FO},
    {"OLE", L | T | W | H | TI | TS | AP | BS},
    {"Menu", CA},
    {"Form", 0},
    {"MDIForm", 0},
};

struct PropertyEntry
{
    const char *name;
    unsigned bit;
};

constexpr PropertyEntry Properties[] = {
    {"Left", L},        {"Top", T},        {"Width", W}, {"Height", H},
    {"TabIndex", TI},   {"TabStop", TS},   {"Text", TX}, {"Caption", CA},
    {"Appearance", AP}, {"BackStyle", BS}, {"Font", FO},
};

const PropertyEntry *propertyEntry(std::string_view name)
{
    for (const PropertyEntry &p : Properties)
        if (equalsIgnoreCase(p.name, name))
            return &p;
    return nullptr;
}

// The default Font block of a control that has none, as the host writes it.
std::vector<std::string> defaultFontLines(bool version4, std::string_view indent)
{
    std::string inner = std::string(indent) + "   ";
    auto line = [&](const char *name, const char *value) {
        std::string n = version4 ? platform::toLower(name) : std::string(name);
        n.resize(16, ' ');
        return inner + n + "=   " + value;
    };
    std::vector<std::string> out;
    out.push_back(std::string(indent) +
                  (version4 ? "BeginProperty Font "
                            : "BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} "));
    out.push_back(line("Name", "\"MS Sans Serif\""));
    if (version4) {
        out.push_back(line("Charset", "0"));
        out.push_back(line("Weight", "700"));
        out.push_back(line("Size", "8.25"));
    } else {
        out.push_back(line("Size", "8.25"));
        out.push_back(line("Charset", "0"));
        out.push_back(line("Weight", "700"));
    }
    out.push_back(line("Underline", "0   'False"));
    out.push_back(line("Italic", "0   'False"));
    out.push_back(line("Strikethrough", "0   'False"));
    out.push_back(std::string(indent) + "EndProperty");
    return out;
}

// The lead of a new property line: indented as the first property line of the items (else one
// step inside `outerIndent`), the name padded to 16 columns, "=   ".
template<typename Items>
std::string newLineLead(std::string_view name, const Items &items, std::string_view outerIndent)
{
    std::string indent = std::string(outerIndent) + "   ";
    for (const auto &item : items)
        if (item.kind == std::decay_t<decltype(item)>::Kind::Property) {
            indent = leadingBlanks(item.lead);
            break;
        }
    return platform::propertyLineLead(indent, name);
}

class Parser
{
public:
    explicit Parser(std::string_view bytes)
        : m_bytes(bytes)
    {}

    // The next line, or false at the end of the text.
    bool next(std::string_view &text, std::string_view &eol)
    {
        if (m_pos >= m_bytes.size())
            return false;
        std::size_t end = m_bytes.find_first_of("\r\n", m_pos);
        if (end == std::string_view::npos) {
            text = m_bytes.substr(m_pos);
            eol = {};
            m_pos = m_bytes.size();
            return true;
        }
        text = m_bytes.substr(m_pos, end - m_pos);
        std::size_t eolSize =
            m_bytes[end] == '\r' && end + 1 < m_bytes.size() && m_bytes[end + 1] == '\n' ? 2 : 1;
        eol = m_bytes.substr(end, eolSize);
        m_pos = end + eolSize;
        return true;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

} // namespace

namespace {

// Splits a "Name = value" line into its lead and its value; false for another line.
template<typename Item> bool parseProperty(std::string_view text, std::string_view eol, Item &item)
{
    std::string_view trimmed = trimLeadingSpace(text);
    std::size_t n = 0;
    while (n < trimmed.size() && !isBlankOrTab(trimmed[n]) && trimmed[n] != '=')
        ++n;
    if (n == 0)
        return false;
    std::size_t at = text.size() - trimmed.size() + n;
    while (at < text.size() && isBlankOrTab(text[at]))
        ++at;
    if (at >= text.size() || text[at] != '=')
        return false;
    ++at;
    while (at < text.size() && isBlankOrTab(text[at]))
        ++at;
    item.kind = Item::Kind::Property;
    item.name = std::string(trimmed.substr(0, n));
    item.lead = std::string(text.substr(0, at));
    item.value = std::string(text.substr(at));
    item.line.eol = std::string(eol);
    return true;
}

template<typename Item> void readBlock(Parser &lines, Item &block, int depth)
{
    if (depth > MaxDepth)
        notAForm("property blocks nested too deep");
    std::string_view text, eol;
    while (lines.next(text, eol)) {
        std::string_view trimmed = trimLeadingSpace(text);
        if (startsWithKeyword(trimmed, "BeginProperty")) {
            Item inner;
            inner.kind = Item::Kind::Block;
            std::string_view rest = trimLeadingSpace(trimmed.substr(13));
            std::size_t n = 0;
            while (n < rest.size() && !isBlankOrTab(rest[n]))
                ++n;
            inner.name = std::string(rest.substr(0, n));
            inner.line = {std::string(text), std::string(eol)};
            readBlock(lines, inner, depth + 1);
            block.items.push_back(std::move(inner));
            continue;
        }
        if (isKeywordLine(text, "EndProperty")) {
            block.endLine = {std::string(text), std::string(eol)};
            return;
        }
        if (startsWithKeyword(trimmed, "Begin") || isKeywordLine(text, "End"))
            notAForm("'BeginProperty " + block.name + "' has no 'EndProperty'");
        Item item;
        if (!parseProperty(text, eol, item)) {
            item.kind = Item::Kind::Raw;
            item.line = {std::string(text), std::string(eol)};
        }
        block.items.push_back(std::move(item));
    }
    notAForm("'BeginProperty " + block.name + "' has no 'EndProperty'");
}

} // namespace

FormText::FormText(std::string_view bytes)
{
    Parser lines(bytes);
    std::string_view text, eol;
    bool begun = false;
    while (lines.next(text, eol)) {
        std::string_view trimmed = trimLeadingSpace(text);
        if (startsWithKeyword(trimmed, "Begin")) {
            begun = true;
            break;
        }
        if (m_prefix.empty() && startsWithKeyword(trimmed, "VERSION"))
            m_version = std::string(platform::trimSpace(trimmed.substr(7)));
        m_prefix.push_back({std::string(text), std::string(eol)});
    }
    if (!begun)
        notAForm("no 'Begin' line");

    // Reads the node whose Begin line is `header`, and what it holds, recursively.
    auto readNode = [&](auto &self, std::string_view header, std::string_view headerEol,
                        int depth) -> std::size_t {
        if (depth > MaxDepth)
            notAForm("controls nested too deep");
        Node node;
        node.header = {std::string(header), std::string(headerEol)};
        std::string_view rest = trimLeadingSpace(trimLeadingSpace(header).substr(5));
        std::size_t n = 0;
        while (n < rest.size() && !isBlankOrTab(rest[n]))
            ++n;
        node.qualifiedClass = std::string(rest.substr(0, n));
        rest = trimLeadingSpace(rest.substr(n));
        n = 0;
        while (n < rest.size() && !isBlankOrTab(rest[n]))
            ++n;
        node.name = std::string(rest.substr(0, n));
        const std::size_t index = m_nodes.size();
        m_nodes.push_back(std::move(node));
        std::vector<Item> items;
        std::string_view t, e;
        while (lines.next(t, e)) {
            std::string_view trimmed = trimLeadingSpace(t);
            if (startsWithKeyword(trimmed, "BeginProperty")) {
                Item block;
                block.kind = Item::Kind::Block;
                std::string_view after = trimLeadingSpace(trimmed.substr(13));
                std::size_t k = 0;
                while (k < after.size() && !isBlankOrTab(after[k]))
                    ++k;
                block.name = std::string(after.substr(0, k));
                block.line = {std::string(t), std::string(e)};
                readBlock(lines, block, 1);
                items.push_back(std::move(block));
                continue;
            }
            if (startsWithKeyword(trimmed, "Begin")) {
                Item child;
                child.kind = Item::Kind::Child;
                child.child = self(self, t, e, depth + 1);
                items.push_back(std::move(child));
                continue;
            }
            if (isKeywordLine(t, "End")) {
                m_nodes[index].items = std::move(items);
                m_nodes[index].end = {std::string(t), std::string(e)};
                return index;
            }
            if (isKeywordLine(t, "EndProperty"))
                notAForm("'EndProperty' without 'BeginProperty'");
            Item item;
            if (!parseProperty(t, e, item)) {
                item.kind = Item::Kind::Raw;
                item.line = {std::string(t), std::string(e)};
            }
            items.push_back(std::move(item));
        }
        notAForm("'Begin " + m_nodes[index].name + "' has no 'End'");
    };
    readNode(readNode, text, eol, 0);
    while (lines.next(text, eol))
        m_suffix.push_back({std::string(text), std::string(eol)});
}

void FormText::appendItems(const std::vector<Item> &items, std::string &out) const
{
    for (const Item &item : items) {
        switch (item.kind) {
        case Item::Kind::Property:
            out += item.lead;
            out += item.value;
            out += item.line.eol;
            break;
        case Item::Kind::Block:
            out += item.line.text;
            out += item.line.eol;
            appendItems(item.items, out);
            out += item.endLine.text;
            out += item.endLine.eol;
            break;
        case Item::Kind::Child:
            appendNode(item.child, out);
            break;
        case Item::Kind::Raw:
            out += item.line.text;
            out += item.line.eol;
            break;
        }
    }
}

void FormText::appendNode(std::size_t node, std::string &out) const
{
    const Node &n = m_nodes[node];
    out += n.header.text;
    out += n.header.eol;
    appendItems(n.items, out);
    out += n.end.text;
    out += n.end.eol;
}

std::string FormText::text() const
{
    std::string out;
    for (const Line &line : m_prefix)
        out += line.text + line.eol;
    appendNode(0, out);
    for (const Line &line : m_suffix)
        out += line.text + line.eol;
    return out;
}

std::optional<std::size_t> FormText::findControl(std::string_view name) const
{
    for (std::size_t i = 1; i < m_nodes.size(); ++i)
        if (equalsIgnoreCase(displayName(i - 1), name))
            return i - 1;
    return std::nullopt;
}

std::string FormText::displayName(std::size_t control) const
{
    const std::size_t node = control + 1;
    const Item *index = findLine(node, "Index");
    if (!index)
        return m_nodes[node].name;
    std::optional<std::int32_t> i = parseNumber(index->value);
    return i ? m_nodes[node].name + "(" + std::to_string(*i) + ")" : m_nodes[node].name;
}

std::string FormText::className(std::size_t control) const
{
    const std::string &cls = m_nodes[control + 1].qualifiedClass;
    std::size_t dot = cls.rfind('.');
    return dot == std::string::npos ? cls : cls.substr(dot + 1);
}

const FormText::Item *FormText::findLine(std::size_t node, std::string_view name) const
{
    for (const Item &item : m_nodes[node].items)
        if (item.kind == Item::Kind::Property && equalsIgnoreCase(item.name, name))
            return &item;
    return nullptr;
}

FormText::Item *FormText::findLine(std::size_t node, std::string_view name)
{
    return const_cast<Item *>(static_cast<const FormText *>(this)->findLine(node, name));
}

FormText::Item *FormText::findBlock(std::size_t node, std::string_view name)
{
    for (Item &item : m_nodes[node].items)
        if (item.kind == Item::Kind::Block && equalsIgnoreCase(item.name, name))
            return &item;
    return nullptr;
}

bool FormText::isKnownClass(std::size_t node) const
{
    std::string_view cls = m_nodes[node].qualifiedClass;
    if (platform::startsWithIgnoreCase(cls, "VB."))
        cls.remove_prefix(3);
    if (cls.find('.') != std::string_view::npos)
        return false;
    for (const ClassEntry &entry : Classes)
        if (equalsIgnoreCase(entry.name, cls))
            return true;
    return false;
}

unsigned FormText::classMask(std::size_t node) const
{
    std::string_view cls = m_nodes[node].qualifiedClass;
    if (platform::startsWithIgnoreCase(cls, "VB."))
        cls.remove_prefix(3);
    for (const ClassEntry &entry : Classes)
        if (equalsIgnoreCase(entry.name, cls))
            return entry.mask;
    return Extender;
}

bool FormText::isVersion4() const
{
    return m_version.substr(0, 2) == "4.";
}

std::string FormText::lineEnd(std::size_t node) const
{
    return m_nodes[node].header.eol.empty() ? std::string("\r\n") : m_nodes[node].header.eol;
}

bool FormText::hasProperty(std::size_t control, std::string_view name) const
{
    const std::size_t node = control + 1;
    const PropertyEntry *entry = propertyEntry(name);
    if (entry && (classMask(node) & entry->bit))
        return true;
    if (isKnownClass(node))
        return false;
    if (equalsIgnoreCase(name, "Font"))
        return const_cast<FormText *>(this)->findBlock(node, "Font") != nullptr;
    return findLine(node, name) != nullptr;
}

std::optional<std::int32_t> FormText::number(std::size_t control, std::string_view name) const
{
    if (!hasProperty(control, name))
        return std::nullopt;
    const std::size_t node = control + 1;
    if (const Item *line = findLine(node, name))
        return parseNumber(line->value);
    if (equalsIgnoreCase(name, "Appearance"))
        return 1;
    if (equalsIgnoreCase(name, "BackStyle"))
        return equalsIgnoreCase(className(control), "Shape") ? 0 : 1;
    if (equalsIgnoreCase(name, "TabStop"))
        return -1;
    return 0;
}

void FormText::writeRaw(std::size_t node,
                        std::string_view name,
                        std::string raw,
                        std::optional<std::int32_t> defaultNumber,
                        std::string_view defaultRaw,
                        bool keepDefault)
{
    if (Item *line = findLine(node, name)) {
        line->value = std::move(raw);
        return;
    }
    if (!keepDefault && (defaultNumber ? parseNumber(raw) == defaultNumber : raw == defaultRaw))
        return; // the file leaves defaults out
    Node &n = m_nodes[node];
    Item item;
    item.kind = Item::Kind::Property;
    const PropertyEntry *entry = propertyEntry(name);
    item.name = entry ? entry->name : std::string(name);
    item.lead = newLineLead(item.name, n.items, leadingBlanks(n.header.text));
    item.value = std::move(raw);
    item.line.eol = lineEnd(node);
    // Properties are written in name order, before the child controls; "_" lines stay first.
    const std::string upper = platform::toUpper(item.name);
    auto at = n.items.end();
    for (auto it = n.items.begin(); it != n.items.end(); ++it) {
        if (it->kind == Item::Kind::Child) {
            at = it;
            break;
        }
        if (it->kind == Item::Kind::Raw)
            continue;
        if (!it->name.empty() && it->name[0] == '_')
            continue;
        if (platform::toUpper(it->name) > upper) {
            at = it;
            break;
        }
    }
    n.items.insert(at, std::move(item));
}

bool FormText::setNumber(std::size_t control, std::string_view name, std::int32_t value)
{
    if (!hasProperty(control, name))
        return false;
    const std::size_t node = control + 1;
    if (const Item *line = findLine(node, name); line && parseNumber(line->value) == value)
        return true;
    writeRaw(node, name, std::to_string(value), 0, {});
    return true;
}

void FormText::writeNumberLine(std::size_t control, std::string_view name, std::int32_t value)
{
    writeRaw(control + 1, name, std::to_string(value), 0, {}, true);
}

bool FormText::setEnum(std::size_t control, std::string_view name, std::int32_t value)
{
    static const char *const appearance[] = {"Flat", "3D"};
    static const char *const backStyle[] = {"Transparent", "Opaque"};
    if (!hasProperty(control, name) || value < 0 || value > 1)
        return false;
    const bool isAppearance = equalsIgnoreCase(name, "Appearance");
    if (!isAppearance && !equalsIgnoreCase(name, "BackStyle"))
        return false;
    std::string raw = std::to_string(value);
    raw.append(raw.size() < 3 ? 3 - raw.size() : 1, ' ');
    raw += '\'';
    raw += isAppearance ? appearance[value] : backStyle[value];
    const std::int32_t fallback = isAppearance                                    ? 1
                                  : equalsIgnoreCase(className(control), "Shape") ? 0
                                                                                  : 1;
    writeRaw(control + 1, name, std::move(raw), fallback, {});
    return true;
}

bool FormText::setText(std::size_t control, std::string_view name, std::string_view value)
{
    if (!hasProperty(control, name))
        return false;
    writeRaw(control + 1, name, platform::quoteText(value), std::nullopt, "\"\"");
    return true;
}

bool FormText::setBold(std::size_t control, bool bold)
{
    const std::size_t node = control + 1;
    if (!hasProperty(control, "Font"))
        return false;
    Item *block = findBlock(node, "Font");
    if (!block) {
        if (!bold)
            return true; // the default font is not bold
        Node &n = m_nodes[node];
        const std::string indent =
            leadingBlanks(newLineLead("Font", n.items, leadingBlanks(n.header.text)));
        const std::string eol = lineEnd(node);
        std::string text;
        for (const std::string &line : defaultFontLines(isVersion4(), indent))
            text += line + eol;
        Parser lines(text);
        std::string_view t, e;
        lines.next(t, e);
        Item fresh;
        fresh.kind = Item::Kind::Block;
        fresh.name = "Font";
        fresh.line = {std::string(t), std::string(e)};
        readBlock(lines, fresh, 1);
        auto at = n.items.end();
        for (auto it = n.items.begin(); it != n.items.end(); ++it) {
            if (it->kind == Item::Kind::Child) {
                at = it;
                break;
            }
            if (it->kind != Item::Kind::Raw && !it->name.empty() && it->name[0] != '_' &&
                platform::toUpper(it->name) > "FONT") {
                at = it;
                break;
            }
        }
        n.items.insert(at, std::move(fresh));
        return true;
    }
    auto findIn = [block](std::string_view name) -> Item * {
        for (Item &item : block->items)
            if (item.kind == Item::Kind::Property && equalsIgnoreCase(item.name, name))
                return &item;
        return nullptr;
    };
    if (Item *line = findIn("Bold")) {
        line->value = bold ? "-1  'True" : "0   'False";
        return true;
    }
    const std::string raw = bold ? "700" : "400";
    if (Item *line = findIn("Weight")) {
        line->value = raw;
        return true;
    }
    const std::string name = isVersion4() ? "weight" : "Weight";
    Item item;
    item.kind = Item::Kind::Property;
    item.name = name;
    item.lead = newLineLead(name, block->items, leadingBlanks(block->line.text));
    item.value = raw;
    item.line.eol = block->line.eol.empty() ? lineEnd(node) : block->line.eol;
    block->items.push_back(std::move(item));
    return true;
}

std::vector<std::size_t> FormText::tabOrder() const
{
    std::vector<std::pair<std::int32_t, std::size_t>> order;
    for (std::size_t control = 0; control < controlCount(); ++control) {
        const std::size_t node = control + 1;
        if (equalsIgnoreCase(className(control), "Menu") || !hasProperty(control, "TabIndex"))
            continue;
        // A control of a class the editor does not know is in the tab order when its lines give
        // it a TabIndex or a size: controls invisible at run time have neither.
        if (!isKnownClass(node) && !findLine(node, "TabIndex") && !findLine(node, "Width") &&
            !findLine(node, "Height"))
            continue;
        order.emplace_back(number(control, "TabIndex").value_or(0), control);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<std::size_t> out;
    out.reserve(order.size());
    for (const auto &entry : order)
        out.push_back(entry.second);
    return out;
}

} // namespace qm::layout
