#include "ide/Control.h"

#include "ide/ControlTables.h"
#include "ide/Form.h"
#include "ide/FormParser.h"
#include "platform/FormLines.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <algorithm>
#include <cstring>

namespace qm::ide {

using platform::equalsIgnoreCase;
using platform::VbError;
namespace err = platform::err;

namespace {

constexpr int ObjectNotAnArray = 343;

PropertyLine *findLine(std::vector<FormItem> &items, std::string_view name)
{
    for (FormItem &item : items)
        if (item.kind == FormItem::Kind::Property && equalsIgnoreCase(item.property.name, name))
            return &item.property;
    return nullptr;
}

const PropertyLine *findLine(const std::vector<FormItem> &items, std::string_view name)
{
    return findLine(const_cast<std::vector<FormItem> &>(items), name);
}

PropertyBlock *findBlock(const std::vector<FormItem> &items, std::string_view name)
{
    for (const FormItem &item : items)
        if (item.kind == FormItem::Kind::Block && equalsIgnoreCase(item.block->name, name))
            return item.block.get();
    return nullptr;
}

// Where a dotted name splits into a block and its member ("Font.Bold"); npos when the name has
// no dot or names a line of its own ("Tab(0).ControlEnabled").
size_t memberDot(const std::vector<FormItem> &items, std::string_view name)
{
    size_t dot = name.find('.');
    if (dot == std::string_view::npos || findLine(items, name))
        return std::string_view::npos;
    return dot;
}

const ControlProperty *findIn(const std::vector<ControlProperty> &props, std::string_view name)
{
    for (const ControlProperty &p : props)
        if (equalsIgnoreCase(p.name, name))
            return &p;
    return nullptr;
}

// The typed value of a raw text read as a property of a type.
Value typedValue(std::string_view raw, PropertyType type)
{
    switch (type) {
    case PropertyType::Text:
        if (auto text = unquoteText(raw))
            return *text;
        return std::string(trimTrailing(trimLeading(raw)));
    case PropertyType::Binary:
        return std::string(trimTrailing(trimLeading(raw)));
    case PropertyType::Boolean: {
        Value v = parseValue(raw);
        if (auto i = std::get_if<std::int32_t>(&v))
            return *i != 0;
        if (auto d = std::get_if<double>(&v))
            return *d != 0;
        return v;
    }
    case PropertyType::Single: {
        Value v = parseValue(raw);
        if (auto i = std::get_if<std::int32_t>(&v))
            return static_cast<double>(*i);
        return v;
    }
    default:
        return parseValue(raw);
    }
}

// Texts that would break the one-line-per-property layout of the file.
void checkOneLine(std::string_view text)
{
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        throw VbError(err::InvalidPropertyValue);
}

std::string leadingBlanks(std::string_view text)
{
    return std::string(text.substr(0, text.size() - trimLeading(text).size()));
}

bool validName(std::string_view name)
{
    if (name.empty() || name.size() > 40 || !platform::isAsciiLetter(name[0]))
        return false;
    for (char c : name)
        if (!platform::isAsciiLetter(c) && !platform::isAsciiDigit(c) && c != '_')
            return false;
    return true;
}

} // namespace

PropertyLine *PropertyBlock::find(std::string_view propertyName)
{
    return findLine(items, propertyName);
}

const PropertyLine *PropertyBlock::find(std::string_view propertyName) const
{
    return findLine(items, propertyName);
}

struct Control::Info
{
    bool found = false;
    PropertyType type = PropertyType::Other;
    const char *defaultRaw = nullptr;
    bool written = false;
};

std::string Control::className() const
{
    size_t dot = m_class.rfind('.');
    return dot == std::string::npos ? m_class : m_class.substr(dot + 1);
}

std::string Control::libraryName() const
{
    size_t dot = m_class.rfind('.');
    return dot == std::string::npos ? std::string() : m_class.substr(0, dot);
}

bool Control::isMenu() const
{
    return equalsIgnoreCase(className(), "Menu");
}

bool Control::isForm() const
{
    return equalsIgnoreCase(className(), "Form") || equalsIgnoreCase(className(), "MDIForm");
}

std::optional<int> Control::index() const
{
    const PropertyLine *line = findLine(m_items, "Index");
    if (!line)
        return std::nullopt;
    Value v = parseValue(line->value);
    if (auto i = std::get_if<std::int32_t>(&v))
        return *i;
    return std::nullopt;
}

std::string Control::displayName() const
{
    auto i = index();
    return i ? m_name + "(" + std::to_string(*i) + ")" : m_name;
}

std::vector<ControlPtr> Control::children() const
{
    std::vector<ControlPtr> out;
    for (const FormItem &item : m_items)
        if (item.kind == FormItem::Kind::Child)
            out.push_back(item.child);
    return out;
}

Control::Info Control::info(std::string_view name) const
{
    Info result;
    const PropertyLine *line = findLine(m_items, name);
    result.written = line != nullptr;
    const ControlProperty *def = nullptr;
    if (m_classInfo)
        def = m_classInfo->find(name);
    else
        def = findIn(extenderProperties(), name);
    if (def) {
        result.found = true;
        result.type = def->type;
        result.defaultRaw = def->defaultRaw;
    } else if (line) {
        result.found = true;
        result.type = guessType(line->value);
    }
    return result;
}

bool Control::hasProperty(std::string_view name) const
{
    size_t dot = memberDot(m_items, name);
    if (dot != std::string_view::npos) {
        try {
            blockProperty(name.substr(0, dot), name.substr(dot + 1), nullptr);
            return true;
        } catch (const VbError &) {
            return false;
        }
    }
    if (equalsIgnoreCase(name, "Name"))
        return true;
    if (equalsIgnoreCase(name, "Font"))
        return findBlock(m_items, "Font") || (m_classInfo && m_classInfo->find("Font"));
    return info(name).found;
}

Value Control::blockProperty(std::string_view block,
                             std::string_view member,
                             std::string *raw) const
{
    PropertyBlock *b = findBlock(m_items, block);
    bool isFont = equalsIgnoreCase(block, "Font");
    if (!b && !(isFont && m_classInfo && m_classInfo->find("Font")))
        throw VbError(err::PropertyNotSupported);
    if (!isFont) {
        const PropertyLine *line = b->find(member);
        if (!line)
            throw VbError(err::PropertyNotSupported);
        if (raw)
            *raw = line->value;
        return parseValue(line->value);
    }
    const ControlProperty *def = findIn(tables::fontProperties(), member);
    if (!def)
        throw VbError(err::PropertyNotSupported);
    const PropertyLine *line = b ? b->find(member) : nullptr;
    if (!line && equalsIgnoreCase(member, "Bold")) {
        // Bold follows the weight when the block has no Bold line of its own.
        const PropertyLine *weight = b ? b->find("Weight") : nullptr;
        bool bold = false;
        if (weight) {
            Value w = parseValue(weight->value);
            try {
                bold = valueToLong(w) >= 600;
            } catch (const VbError &) {
                bold = false;
            }
        }
        if (raw)
            *raw = formatValue(PropertyType::Boolean, bold);
        return bold;
    }
    std::string_view text =
        line ? std::string_view(line->value) : std::string_view(def->defaultRaw);
    if (raw)
        *raw = std::string(text);
    return typedValue(text, def->type);
}

Value Control::property(std::string_view name) const
{
    size_t dot = memberDot(m_items, name);
    if (dot != std::string_view::npos)
        return blockProperty(name.substr(0, dot), name.substr(dot + 1), nullptr);
    if (equalsIgnoreCase(name, "Name"))
        return m_name;
    if (equalsIgnoreCase(name, "Index")) {
        auto i = index();
        if (!i)
            throw VbError(ObjectNotAnArray, "Object not an array");
        return static_cast<std::int32_t>(*i);
    }
    if (equalsIgnoreCase(name, "Font"))
        return blockProperty("Font", "Name", nullptr);
    Info i = info(name);
    if (!i.found)
        throw VbError(err::PropertyNotSupported);
    if (const PropertyLine *line = findLine(m_items, name))
        return typedValue(line->value, i.type);
    if (!i.defaultRaw) {
        if (equalsIgnoreCase(name, "Caption") || equalsIgnoreCase(name, "LinkTopic"))
            return m_name;
        return Value{};
    }
    return typedValue(i.defaultRaw, i.type);
}

std::string Control::propertyText(std::string_view name) const
{
    size_t dot = memberDot(m_items, name);
    if (dot != std::string_view::npos) {
        std::string raw;
        blockProperty(name.substr(0, dot), name.substr(dot + 1), &raw);
        return raw;
    }
    if (equalsIgnoreCase(name, "Name"))
        return m_name;
    if (equalsIgnoreCase(name, "Index") && !index())
        throw VbError(ObjectNotAnArray, "Object not an array");
    Info i = info(name);
    if (!i.found)
        throw VbError(err::PropertyNotSupported);
    if (const PropertyLine *line = findLine(m_items, name))
        return line->value;
    if (!i.defaultRaw)
        return quoteText(m_name);
    return i.defaultRaw;
}

bool Control::isWritten(std::string_view name) const
{
    size_t dot = memberDot(m_items, name);
    if (dot != std::string_view::npos) {
        PropertyBlock *b = findBlock(m_items, name.substr(0, dot));
        return b && b->find(name.substr(dot + 1));
    }
    return findLine(m_items, name) || findBlock(m_items, name);
}

std::int32_t Control::number(std::string_view name) const
{
    return valueToLong(property(name));
}

bool Control::boolean(std::string_view name) const
{
    return valueToBool(property(name));
}

std::string Control::text(std::string_view name) const
{
    return valueToText(property(name));
}

std::vector<std::string> Control::writtenProperties() const
{
    std::vector<std::string> out;
    for (const FormItem &item : m_items) {
        if (item.kind == FormItem::Kind::Property)
            out.push_back(item.property.name);
        else if (item.kind == FormItem::Kind::Block)
            out.push_back(item.block->name);
    }
    return out;
}

std::vector<std::string> Control::propertyNames() const
{
    std::vector<std::string> out;
    auto add = [&out](const std::string &name) {
        for (const std::string &n : out)
            if (equalsIgnoreCase(n, name))
                return;
        out.push_back(name);
    };
    if (m_classInfo) {
        for (const ControlProperty &p : m_classInfo->properties)
            add(p.name);
    } else {
        for (const ControlProperty &p : extenderProperties())
            add(p.name);
    }
    for (const std::string &name : writtenProperties())
        add(name);
    return out;
}

std::string Control::lineEnd() const
{
    return m_headerEol.empty() ? std::string("\r\n") : m_headerEol;
}

std::string Control::newLineLead(std::string_view name,
                                 const std::vector<FormItem> &items,
                                 std::string_view outerIndent) const
{
    std::string indent;
    bool found = false;
    for (const FormItem &item : items)
        if (item.kind == FormItem::Kind::Property) {
            indent = leadingBlanks(item.property.lead);
            found = true;
            break;
        }
    if (!found)
        indent = std::string(outerIndent) + "   ";
    return platform::propertyLineLead(indent, name);
}

void Control::writeRaw(std::string_view name,
                       const std::string &raw,
                       const char *defaultRaw,
                       PropertyType type)
{
    if (PropertyLine *line = findLine(m_items, name)) {
        line->value = raw;
        return;
    }
    if (defaultRaw && typedValue(raw, type) == typedValue(defaultRaw, type))
        return; // the file leaves defaults out
    FormItem item;
    item.kind = FormItem::Kind::Property;
    item.property.name = std::string(name);
    item.property.lead = newLineLead(name, m_items, leadingBlanks(m_headerLead));
    item.property.value = raw;
    item.property.eol = lineEnd();
    // Properties are written in name order, before the child controls; "_" lines stay first.
    auto at = m_items.end();
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (it->kind == FormItem::Kind::Child) {
            at = it;
            break;
        }
        std::string_view other;
        if (it->kind == FormItem::Kind::Property)
            other = it->property.name;
        else if (it->kind == FormItem::Kind::Block)
            other = it->block->name;
        else
            continue;
        if (!other.empty() && other[0] == '_')
            continue;
        if (platform::toUpper(other) > platform::toUpper(name)) {
            at = it;
            break;
        }
    }
    m_items.insert(at, std::move(item));
}

void Control::setTabIndex(std::int32_t position)
{
    if (!m_form) {
        writeRaw("TabIndex", std::to_string(position), "0", PropertyType::Integer);
        return;
    }
    std::vector<ControlPtr> order = m_form->tabOrder();
    auto self = std::find_if(order.begin(), order.end(),
                             [this](const ControlPtr &c) { return c.get() == this; });
    ControlPtr me = self != order.end() ? *self : shared_from_this();
    if (self != order.end())
        order.erase(self);
    size_t at = std::min(static_cast<size_t>(position), order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), me);
    for (size_t i = 0; i < order.size(); ++i) {
        Control &c = *order[i];
        bool had = findLine(c.m_items, "TabIndex") != nullptr;
        std::int32_t current = 0;
        try {
            current = c.number("TabIndex");
        } catch (const VbError &) {
            current = -1;
        }
        if (current == static_cast<std::int32_t>(i) && (had || i == 0))
            continue;
        c.writeRaw("TabIndex", std::to_string(i), "0", PropertyType::Integer);
    }
}

void Control::setBlockProperty(std::string_view block, std::string_view member, const Value &value)
{
    PropertyBlock *b = findBlock(m_items, block);
    bool isFont = equalsIgnoreCase(block, "Font");
    if (!b && !(isFont && m_classInfo && m_classInfo->find("Font")))
        throw VbError(err::PropertyNotSupported);
    if (!isFont) {
        PropertyLine *line = b->find(member);
        if (!line)
            throw VbError(err::PropertyNotSupported);
        std::string raw = formatValue(guessType(line->value), value);
        checkOneLine(raw);
        line->value = raw;
        return;
    }
    const ControlProperty *def = findIn(tables::fontProperties(), member);
    if (!def)
        throw VbError(err::PropertyNotSupported);
    bool v4 = m_form ? m_form->isVersion4() : false;
    std::string memberName = v4 ? platform::toLower(def->name) : std::string(def->name);
    std::string raw;
    std::string lineName = memberName;
    if (equalsIgnoreCase(member, "Bold")) {
        bool bold = valueToBool(value);
        if (b && b->find("Bold")) {
            raw = formatValue(PropertyType::Boolean, bold);
        } else {
            lineName = v4 ? "weight" : "Weight";
            raw = bold ? "700" : "400";
        }
    } else {
        raw = formatValue(def->type, value);
        checkOneLine(raw);
    }
    if (!b) {
        if (typedValue(raw, def->type) == typedValue(def->defaultRaw, def->type) ||
            (equalsIgnoreCase(lineName, "Weight") && raw == "400"))
            return; // the default font already has it
        std::string version = m_form ? m_form->version() : std::string("5.00");
        std::string text = tables::defaultFontBlock(version, "", lineEnd(), false);
        std::shared_ptr<PropertyBlock> fresh = FormParser(text, "", nullptr).parseBlock();
        // Indent the new block as the control's own lines.
        std::string indent =
            leadingBlanks(newLineLead("Font", m_items, leadingBlanks(m_headerLead)));
        fresh->beginLine = indent + fresh->beginLine;
        fresh->endLine = indent + fresh->endLine;
        for (FormItem &item : fresh->items)
            if (item.kind == FormItem::Kind::Property)
                item.property.lead = indent + item.property.lead;
        FormItem item;
        item.kind = FormItem::Kind::Block;
        item.block = fresh;
        auto at = m_items.end();
        for (auto it = m_items.begin(); it != m_items.end(); ++it) {
            if (it->kind == FormItem::Kind::Child) {
                at = it;
                break;
            }
            std::string_view other =
                it->kind == FormItem::Kind::Property ? std::string_view(it->property.name)
                : it->kind == FormItem::Kind::Block  ? std::string_view(it->block->name)
                                                     : std::string_view();
            if (!other.empty() && other[0] != '_' && platform::toUpper(other) > "FONT") {
                at = it;
                break;
            }
        }
        b = m_items.insert(at, std::move(item))->block.get();
    }
    if (PropertyLine *line = b->find(lineName)) {
        line->value = raw;
        return;
    }
    FormItem item;
    item.kind = FormItem::Kind::Property;
    item.property.name = lineName;
    item.property.lead = newLineLead(lineName, b->items, leadingBlanks(b->beginLine));
    item.property.value = raw;
    item.property.eol = b->beginEol.empty() ? lineEnd() : b->beginEol;
    b->items.push_back(std::move(item));
}

void Control::setProperty(std::string_view name, const Value &value)
{
    size_t dot = memberDot(m_items, name);
    if (dot != std::string_view::npos) {
        setBlockProperty(name.substr(0, dot), name.substr(dot + 1), value);
        return;
    }
    if (equalsIgnoreCase(name, "Name")) {
        std::string newName = valueToText(value);
        if (!validName(newName))
            throw VbError(err::InvalidPropertyValue);
        // Two controls of one form never share a name unless they are one array.
        if (m_form && !equalsIgnoreCase(newName, m_name) && m_form->hasName(newName))
            throw VbError(err::InvalidPropertyValue,
                          "The name " + newName + " is already used on the form");
        m_name = newName;
        if (m_form && !m_parent && m_form->section().attribute("VB_Name"))
            m_form->section().setAttribute("VB_Name", quoteText(newName));
        return;
    }
    if (equalsIgnoreCase(name, "Font")) {
        setBlockProperty("Font", "Name", value);
        return;
    }
    if (equalsIgnoreCase(name, "Index")) {
        std::int32_t i = valueToLong(value);
        if (i < 0 || i > 32767)
            throw VbError(err::InvalidPropertyValue);
        if (PropertyLine *line = findLine(m_items, "Index"))
            line->value = std::to_string(i);
        else
            writeRaw("Index", std::to_string(i), nullptr, PropertyType::Integer);
        return;
    }
    Info i = info(name);
    if (!i.found)
        throw VbError(err::PropertyNotSupported);
    // A property the file writes under another letter case keeps the file's spelling.
    std::string lineName(name);
    if (const PropertyLine *line = findLine(m_items, name))
        lineName = line->name;
    else if (m_classInfo)
        lineName = m_classInfo->find(name)->name;
    else if (const ControlProperty *ext = findIn(extenderProperties(), name))
        lineName = ext->name;

    std::string raw;
    switch (i.type) {
    case PropertyType::Text:
    case PropertyType::Other:
        raw = i.type == PropertyType::Text ? quoteText(valueToText(value)) : valueToText(value);
        break;
    case PropertyType::Integer: {
        std::int32_t n = valueToLong(value);
        if (equalsIgnoreCase(name, "TabIndex")) {
            if (n < 0 || n > 32767)
                throw VbError(err::InvalidPropertyValue);
            setTabIndex(n);
            return;
        }
        raw = std::to_string(n);
        break;
    }
    case PropertyType::Enum: {
        std::int32_t n = valueToLong(value);
        bool known = false;
        auto label = tables::enumName(className(), name, n, &known);
        if (known && !label)
            throw VbError(err::InvalidPropertyValue);
        if (!known) {
            // Keep the comment style of the line the file has, without a name for the value.
            raw = std::to_string(n);
        } else {
            raw = formatValue(PropertyType::Enum, n, *label);
        }
        break;
    }
    case PropertyType::Binary: {
        std::string text = valueToText(value);
        if (text.empty()) {
            auto it = std::find_if(m_items.begin(), m_items.end(), [&](const FormItem &item) {
                return item.kind == FormItem::Kind::Property &&
                       equalsIgnoreCase(item.property.name, name);
            });
            if (it != m_items.end())
                m_items.erase(it);
            return;
        }
        if (!parseFrxReference(text))
            throw VbError(err::InvalidPropertyValue);
        raw = text;
        break;
    }
    default:
        raw = formatValue(i.type, value);
        break;
    }
    checkOneLine(raw);
    writeRaw(lineName, raw, i.defaultRaw, i.type);
}

void Control::setPropertyText(std::string_view name, std::string_view rawValue)
{
    checkOneLine(rawValue);
    size_t dot = memberDot(m_items, name);
    if (dot != std::string_view::npos) {
        PropertyBlock *b = findBlock(m_items, name.substr(0, dot));
        PropertyLine *line = b ? b->find(name.substr(dot + 1)) : nullptr;
        if (!line)
            throw VbError(err::PropertyNotSupported);
        line->value = std::string(rawValue);
        return;
    }
    Info i = info(name);
    if (!i.found || equalsIgnoreCase(name, "Name"))
        throw VbError(err::PropertyNotSupported);
    if (PropertyLine *line = findLine(m_items, name)) {
        line->value = std::string(rawValue);
        return;
    }
    writeRaw(name, std::string(rawValue), nullptr, i.type);
}

namespace {
void appendBlock(const PropertyBlock &block, std::string &out);

void appendItems(const std::vector<FormItem> &items, std::string &out);

void appendBlock(const PropertyBlock &block, std::string &out)
{
    out += block.beginLine;
    out += block.beginEol;
    appendItems(block.items, out);
    out += block.endLine;
    out += block.endEol;
}
} // namespace

void Control::appendText(std::string &out) const
{
    out += m_headerLead;
    out += m_name;
    out += m_headerTail;
    out += m_headerEol;
    for (const FormItem &item : m_items) {
        switch (item.kind) {
        case FormItem::Kind::Property:
            out += item.property.lead;
            out += item.property.value;
            out += item.property.eol;
            break;
        case FormItem::Kind::Block:
            appendBlock(*item.block, out);
            break;
        case FormItem::Kind::Child:
            item.child->appendText(out);
            break;
        case FormItem::Kind::Raw:
            out += item.raw;
            out += item.eol;
            break;
        }
    }
    out += m_endLine;
    out += m_endEol;
}

namespace {
void appendItems(const std::vector<FormItem> &items, std::string &out)
{
    for (const FormItem &item : items) {
        if (item.kind == FormItem::Kind::Property) {
            out += item.property.lead;
            out += item.property.value;
            out += item.property.eol;
        } else if (item.kind == FormItem::Kind::Block) {
            appendBlock(*item.block, out);
        } else if (item.kind == FormItem::Kind::Raw) {
            out += item.raw;
            out += item.eol;
        }
    }
}
} // namespace

std::string Control::text() const
{
    std::string out;
    appendText(out);
    return out;
}

} // namespace qm::ide
