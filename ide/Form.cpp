#include "ide/Form.h"

#include "ide/FormParser.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <algorithm>
#include <set>

namespace qm::ide {

using platform::equalsIgnoreCase;
using platform::VbError;

namespace {

// Containers nest far less deeply than this in any real form; a deeper file is refused rather
// than walked recursively.
constexpr size_t MaxNesting = 200;

// Property names hold an index and a member path as part of the name: "TabCaption(0)",
// "Tab(0).Control(1)".
bool isNameChar(char c)
{
    return platform::isAsciiLetter(c) || platform::isAsciiDigit(c) || c == '_' || c == '.' ||
           c == '(' || c == ')';
}

void setItemLineEnds(std::vector<FormItem> &items, const std::string &eol)
{
    for (FormItem &item : items) {
        switch (item.kind) {
        case FormItem::Kind::Property:
            item.property.eol = eol;
            break;
        case FormItem::Kind::Raw:
            item.eol = eol;
            break;
        case FormItem::Kind::Block:
            item.block->beginEol = eol;
            item.block->endEol = eol;
            setItemLineEnds(item.block->items, eol);
            break;
        case FormItem::Kind::Child:
            break; // the caller walks the children
        }
    }
}

void collect(const Control &control, std::vector<ControlPtr> &out)
{
    for (const FormItem &item : control.items())
        if (item.kind == FormItem::Kind::Child) {
            out.push_back(item.child);
            collect(*item.child, out);
        }
}

} // namespace

// ---- lines ----

bool LineSplitter::next(TextLine &line)
{
    if (m_pos >= m_text.size())
        return false;
    size_t end = m_text.find_first_of("\r\n", m_pos);
    line.number = ++m_number;
    if (end == std::string_view::npos) {
        line.text = m_text.substr(m_pos);
        line.eol = {};
        m_pos = m_text.size();
    } else {
        line.text = m_text.substr(m_pos, end - m_pos);
        size_t eolLength =
            (m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n') ? 2 : 1;
        line.eol = m_text.substr(end, eolLength);
        m_pos = end + eolLength;
    }
    line.end = m_pos;
    return true;
}

std::string_view trimLeading(std::string_view text)
{
    return platform::trimLeadingSpace(text);
}

std::string_view trimTrailing(std::string_view text)
{
    return platform::trimTrailingSpace(text);
}

std::optional<std::string> uniformLineEnd(std::string_view text)
{
    std::optional<std::string> found;
    LineSplitter lines(text);
    TextLine line;
    while (lines.next(line)) {
        if (line.eol.empty())
            continue;
        if (found && *found != line.eol)
            return std::nullopt;
        if (!found)
            found = std::string(line.eol);
    }
    return found;
}

bool startsWithKeyword(std::string_view trimmed, std::string_view keyword)
{
    if (!platform::startsWithIgnoreCase(trimmed, keyword))
        return false;
    return trimmed.size() == keyword.size() || trimmed[keyword.size()] == ' ' ||
           trimmed[keyword.size()] == '\t';
}

// ---- parser ----

void FormParser::fail(int line, const std::string &message) const
{
    LoadProblem p{m_fileName, line, message};
    throw VbError(InvalidFileFormat, p.text());
}

void FormParser::problem(int line, const std::string &message)
{
    if (m_problems)
        m_problems->push_back({m_fileName, line, message});
}

ControlPtr FormParser::makeControl(const TextLine &header)
{
    std::string_view text = header.text;
    size_t pos = text.size() - trimLeading(text).size();
    pos += 5; // "Begin"
    auto skipBlanks = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
    };
    auto word = [&] {
        size_t start = pos;
        while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t')
            ++pos;
        return text.substr(start, pos - start);
    };
    skipBlanks();
    std::string_view cls = word();
    skipBlanks();
    size_t nameStart = pos;
    std::string_view name = word();
    if (cls.empty() || name.empty())
        fail(header.number, "the line '" +
                                std::string(trimTrailing(trimLeading(text)).substr(0, 80)) +
                                "' names no class and control");
    auto control = std::shared_ptr<Control>(new Control);
    control->m_class = std::string(cls);
    control->m_name = std::string(name);
    control->m_headerLead = std::string(text.substr(0, nameStart));
    control->m_headerTail = std::string(text.substr(pos));
    control->m_headerEol = std::string(header.eol);
    control->m_lineNumber = header.number;
    return control;
}

std::shared_ptr<PropertyBlock> FormParser::makeBlock(const TextLine &header)
{
    auto block = std::make_shared<PropertyBlock>();
    std::string_view rest = trimLeading(trimLeading(header.text).substr(13)); // "BeginProperty"
    size_t end = rest.find_first_of(" \t");
    block->name = std::string(rest.substr(0, end));
    block->beginLine = std::string(header.text);
    block->beginEol = std::string(header.eol);
    block->lineNumber = header.number;
    if (block->name.empty())
        fail(header.number, "'BeginProperty' names no property");
    return block;
}

bool FormParser::parseProperty(const TextLine &line, PropertyLine &out)
{
    std::string_view text = line.text;
    size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return false;
    std::string_view name = trimTrailing(trimLeading(text.substr(0, eq)));
    if (name.empty() || !(platform::isAsciiLetter(name[0]) || name[0] == '_'))
        return false;
    for (char c : name)
        if (!isNameChar(c))
            return false;
    size_t valueStart = eq + 1;
    while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t'))
        ++valueStart;
    out.name = std::string(name);
    out.lead = std::string(text.substr(0, valueStart));
    out.value = std::string(text.substr(valueStart));
    out.eol = std::string(line.eol);
    out.lineNumber = line.number;
    return true;
}

ControlPtr FormParser::parseTree(const TextLine &header)
{
    struct Open
    {
        Control *control;
        PropertyBlock *block;
    };
    ControlPtr root = makeControl(header);
    std::vector<Open> open{{root.get(), nullptr}};
    TextLine line;
    while (m_lines.next(line)) {
        std::string_view trimmed = trimTrailing(trimLeading(line.text));
        Open &current = open.back();
        std::vector<FormItem> &items =
            current.block ? current.block->items : current.control->m_items;
        if (startsWithKeyword(trimmed, "BeginProperty")) {
            if (open.size() >= MaxNesting)
                fail(line.number, "the description nests too deeply");
            FormItem item;
            item.kind = FormItem::Kind::Block;
            item.block = makeBlock(line);
            PropertyBlock *block = item.block.get();
            items.push_back(std::move(item));
            open.push_back({current.control, block});
        } else if (equalsIgnoreCase(trimmed, "EndProperty")) {
            if (!current.block)
                fail(line.number, "'EndProperty' without 'BeginProperty'");
            current.block->endLine = std::string(line.text);
            current.block->endEol = std::string(line.eol);
            open.pop_back();
        } else if (startsWithKeyword(trimmed, "Begin")) {
            if (current.block)
                fail(line.number, "'Begin' inside the property block '" + current.block->name +
                                      "' of line " + std::to_string(current.block->lineNumber));
            if (open.size() >= MaxNesting)
                fail(line.number, "the description nests too deeply");
            FormItem item;
            item.kind = FormItem::Kind::Child;
            item.child = makeControl(line);
            Control *child = item.child.get();
            items.push_back(std::move(item));
            open.push_back({child, nullptr});
        } else if (equalsIgnoreCase(trimmed, "End")) {
            if (current.block)
                fail(line.number, "'End' inside the property block '" + current.block->name +
                                      "' of line " + std::to_string(current.block->lineNumber) +
                                      " (no 'EndProperty')");
            current.control->m_endLine = std::string(line.text);
            current.control->m_endEol = std::string(line.eol);
            open.pop_back();
            if (open.empty())
                return root;
        } else {
            FormItem item;
            if (!trimmed.empty() && parseProperty(line, item.property)) {
                item.kind = FormItem::Kind::Property;
            } else {
                if (!trimmed.empty())
                    problem(line.number, "cannot read the line '" +
                                             std::string(trimmed.substr(0, 80)) +
                                             "'; it is kept as it is");
                item.kind = FormItem::Kind::Raw;
                item.raw = std::string(line.text);
                item.eol = std::string(line.eol);
            }
            items.push_back(std::move(item));
        }
    }
    const Open &unclosed = open.back();
    if (unclosed.block)
        fail(unclosed.block->lineNumber, "the file ends inside the property block '" +
                                             unclosed.block->name + "' (no 'EndProperty')");
    fail(unclosed.control->m_lineNumber,
         "the file ends before the 'End' of '" + unclosed.control->m_name + "'");
}

void FormParser::link(Control &control, FormFile *form, Control *parent)
{
    std::vector<std::pair<Control *, Control *>> work{{&control, parent}};
    while (!work.empty()) {
        auto [c, p] = work.back();
        work.pop_back();
        c->m_form = form;
        c->m_parent = p;
        c->m_classInfo = findControlClass(c->m_class);
        for (FormItem &item : c->m_items)
            if (item.kind == FormItem::Kind::Child)
                work.push_back({item.child.get(), c});
    }
}

std::unique_ptr<FormFile> FormParser::parseForm()
{
    std::unique_ptr<FormFile> form(new FormFile);
    TextLine line;
    if (!m_lines.next(line) || !startsWithKeyword(trimLeading(line.text), "VERSION"))
        fail(1, "not a form file: it does not start with a VERSION line");
    std::string_view version = trimLeading(trimLeading(line.text).substr(7));
    form->m_version = std::string(version.substr(0, version.find_first_of(" \t")));
    form->m_preamble.append(line.text).append(line.eol);
    while (true) {
        if (!m_lines.next(line))
            fail(line.number, "the file has no form description ('Begin' line)");
        std::string_view trimmed = trimLeading(line.text);
        if (startsWithKeyword(trimmed, "Begin"))
            break;
        if (startsWithKeyword(trimmed, "BeginProperty") ||
            equalsIgnoreCase(trimTrailing(trimmed), "End"))
            fail(line.number, "'" + std::string(trimTrailing(trimmed).substr(0, 40)) +
                                  "' before the form's 'Begin'");
        form->m_preamble.append(line.text).append(line.eol);
    }
    form->m_root = parseTree(line);
    link(*form->m_root, form.get(), nullptr);
    form->m_section = CodeSection::parse(m_bytes.substr(m_lines.position()));
    if (auto eol = uniformLineEnd(m_bytes))
        form->m_section.setLineEnd(*eol);
    return form;
}

std::vector<ControlPtr> FormParser::parseControls(std::vector<std::string> *outside)
{
    std::vector<ControlPtr> controls;
    TextLine line;
    while (m_lines.next(line)) {
        std::string_view trimmed = trimLeading(line.text);
        if (startsWithKeyword(trimmed, "Begin") && !startsWithKeyword(trimmed, "BeginProperty")) {
            controls.push_back(parseTree(line));
            link(*controls.back(), nullptr, nullptr);
        } else if (outside) {
            outside->emplace_back(line.text);
        }
    }
    return controls;
}

std::shared_ptr<PropertyBlock> FormParser::parseBlock()
{
    TextLine line;
    if (!m_lines.next(line) || !startsWithKeyword(trimLeading(line.text), "BeginProperty"))
        fail(1, "not a property block");
    // Parse the block as the only item of a scratch control.
    Control scratch;
    std::vector<FormItem> &items = scratch.m_items;
    FormItem item;
    item.kind = FormItem::Kind::Block;
    item.block = makeBlock(line);
    std::vector<PropertyBlock *> open{item.block.get()};
    items.push_back(item);
    while (!open.empty() && m_lines.next(line)) {
        std::string_view trimmed = trimTrailing(trimLeading(line.text));
        if (startsWithKeyword(trimmed, "BeginProperty")) {
            FormItem inner;
            inner.kind = FormItem::Kind::Block;
            inner.block = makeBlock(line);
            PropertyBlock *b = inner.block.get();
            open.back()->items.push_back(std::move(inner));
            open.push_back(b);
        } else if (equalsIgnoreCase(trimmed, "EndProperty")) {
            open.back()->endLine = std::string(line.text);
            open.back()->endEol = std::string(line.eol);
            open.pop_back();
        } else {
            FormItem p;
            if (parseProperty(line, p.property))
                p.kind = FormItem::Kind::Property;
            else {
                p.kind = FormItem::Kind::Raw;
                p.raw = std::string(line.text);
                p.eol = std::string(line.eol);
            }
            open.back()->items.push_back(std::move(p));
        }
    }
    if (!open.empty())
        fail(line.number, "the property block does not end");
    return item.block;
}

// ---- the form file ----

FormFile::~FormFile() = default;

void FormFile::setLineEnds(Control &control, const std::string &eol)
{
    std::vector<Control *> work{&control};
    while (!work.empty()) {
        Control *c = work.back();
        work.pop_back();
        c->m_headerEol = eol;
        c->m_endEol = eol;
        setItemLineEnds(c->m_items, eol);
        for (FormItem &item : c->m_items)
            if (item.kind == FormItem::Kind::Child)
                work.push_back(item.child.get());
    }
}

std::unique_ptr<FormFile> FormFile::parse(std::string_view bytes,
                                          std::string_view fileName,
                                          std::vector<LoadProblem> *problems)
{
    return FormParser(bytes, fileName, problems).parseForm();
}

std::unique_ptr<FormFile> FormFile::createNew(std::string_view name, std::string_view version)
{
    std::string n(name);
    bool v4 = version.substr(0, 2) == "4.";
    std::string text = "VERSION " + std::string(version) + "\r\n";
    text += std::string(v4 ? "Begin Form " : "Begin VB.Form ") + n + " \r\n";
    text += "   Caption         =   " + quoteText(n) + "\r\n";
    text += "   ClientHeight    =   3195\r\n";
    text += "   ClientLeft      =   60\r\n";
    text += "   ClientTop       =   345\r\n";
    text += "   ClientWidth     =   4680\r\n";
    text += "   LinkTopic       =   " + quoteText(n) + "\r\n";
    text += "   ScaleHeight     =   3195\r\n";
    text += "   ScaleWidth      =   4680\r\n";
    text += "End\r\n";
    text += "Attribute VB_Name = " + quoteText(n) + "\r\n";
    if (!v4) {
        text += "Attribute VB_GlobalNameSpace = False\r\n";
        text += "Attribute VB_Creatable = False\r\n";
        text += "Attribute VB_PredeclaredId = True\r\n";
        text += "Attribute VB_Exposed = False\r\n";
    } else {
        text += "Attribute VB_Creatable = False\r\n";
        text += "Attribute VB_Exposed = False\r\n";
    }
    return parse(text, n + ".frm");
}

bool FormFile::isVersion4() const
{
    return m_version.substr(0, 2) == "4.";
}

std::vector<ControlPtr> FormFile::controls() const
{
    std::vector<ControlPtr> out;
    if (m_root)
        collect(*m_root, out);
    return out;
}

ControlPtr FormFile::findControl(std::string_view name, std::optional<int> index) const
{
    for (const ControlPtr &c : controls())
        if (equalsIgnoreCase(c->name(), name) && c->index() == index)
            return c;
    return nullptr;
}

bool FormFile::hasName(std::string_view name) const
{
    if (m_root && equalsIgnoreCase(m_root->name(), name))
        return true;
    for (const ControlPtr &c : controls())
        if (equalsIgnoreCase(c->name(), name))
            return true;
    return false;
}

std::string FormFile::freeName(std::string_view base) const
{
    if (!hasName(base))
        return std::string(base);
    size_t stemEnd = base.size();
    while (stemEnd > 0 && platform::isAsciiDigit(base[stemEnd - 1]))
        --stemEnd;
    std::string stem(base.substr(0, stemEnd));
    std::set<std::string> taken;
    taken.insert(platform::toUpper(m_root ? m_root->name() : std::string()));
    for (const ControlPtr &c : controls())
        taken.insert(platform::toUpper(c->name()));
    for (unsigned n = 1;; ++n) {
        std::string candidate = stem + std::to_string(n);
        if (!taken.count(platform::toUpper(candidate)))
            return candidate;
    }
}

std::vector<ControlPtr> FormFile::tabOrder() const
{
    std::vector<std::pair<std::int32_t, ControlPtr>> order;
    for (const ControlPtr &c : controls()) {
        if (c->isMenu() || !c->hasProperty("TabIndex"))
            continue;
        // A control of a class the model does not know is in the tab order when its file gives
        // it a TabIndex or a size: controls invisible at run time (a common dialog) have neither.
        if (!c->isKnownClass() && !c->isWritten("TabIndex") && !c->isWritten("Width") &&
            !c->isWritten("Height"))
            continue;
        std::int32_t value = 0;
        try {
            value = c->number("TabIndex");
        } catch (const VbError &) {
            value = 0; // an unreadable TabIndex sorts first, as a 0 would
        }
        order.emplace_back(value, c);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<ControlPtr> out;
    out.reserve(order.size());
    for (auto &entry : order)
        out.push_back(entry.second);
    return out;
}

ControlPtr FormFile::addControl(const ControlPtr &control, Control *container)
{
    Control *parent = container ? container : m_root.get();
    FormItem item;
    item.kind = FormItem::Kind::Child;
    item.child = control;
    // Child blocks follow the container's own properties; menus come after the controls.
    auto at = parent->m_items.end();
    if (!control->isMenu())
        for (auto it = parent->m_items.begin(); it != parent->m_items.end(); ++it)
            if (it->kind == FormItem::Kind::Child && it->child->isMenu()) {
                at = it;
                break;
            }
    parent->m_items.insert(at, std::move(item));
    FormParser::link(*control, this, parent);
    // A new control's lines end as its container's lines do (LF in a file of LF lines).
    setLineEnds(*control, parent->lineEnd());
    return control;
}

void FormFile::removeControl(const Control &control)
{
    ControlPtr keep = const_cast<Control &>(control).shared_from_this();
    std::vector<Control *> work;
    if (m_root)
        work.push_back(m_root.get());
    while (!work.empty()) {
        Control *container = work.back();
        work.pop_back();
        auto &items = container->m_items;
        for (auto it = items.begin(); it != items.end(); ++it) {
            if (it->kind != FormItem::Kind::Child)
                continue;
            if (it->child.get() == &control) {
                items.erase(it);
                FormParser::link(*keep, nullptr, nullptr);
                return;
            }
            work.push_back(it->child.get());
        }
    }
}

std::string FormFile::frxFileName() const
{
    std::string found;
    std::vector<const Control *> work;
    if (m_root)
        work.push_back(m_root.get());
    while (!work.empty() && found.empty()) {
        const Control *c = work.back();
        work.pop_back();
        std::vector<const std::vector<FormItem> *> lists{&c->items()};
        while (!lists.empty() && found.empty()) {
            const std::vector<FormItem> *items = lists.back();
            lists.pop_back();
            for (const FormItem &item : *items) {
                if (item.kind == FormItem::Kind::Property) {
                    if (auto ref = parseFrxReference(item.property.value)) {
                        found = ref->file;
                        break;
                    }
                } else if (item.kind == FormItem::Kind::Block) {
                    lists.push_back(&item.block->items);
                } else if (item.kind == FormItem::Kind::Child) {
                    work.push_back(item.child.get());
                }
            }
        }
    }
    if (!found.empty())
        return found;
    if (!m_frxName.empty())
        return m_frxName;
    return name() + ".frx";
}

void FormFile::renameFrxReferences(std::string_view newFileName)
{
    std::vector<Control *> work;
    if (m_root)
        work.push_back(m_root.get());
    while (!work.empty()) {
        Control *c = work.back();
        work.pop_back();
        std::vector<std::vector<FormItem> *> lists{&c->m_items};
        while (!lists.empty()) {
            std::vector<FormItem> *items = lists.back();
            lists.pop_back();
            for (FormItem &item : *items) {
                if (item.kind == FormItem::Kind::Property) {
                    if (auto ref = parseFrxReference(item.property.value)) {
                        ref->file = std::string(newFileName);
                        item.property.value = formatFrxReference(*ref);
                    }
                } else if (item.kind == FormItem::Kind::Block) {
                    lists.push_back(&item.block->items);
                } else if (item.kind == FormItem::Kind::Child) {
                    work.push_back(item.child.get());
                }
            }
        }
    }
    m_frxName = std::string(newFileName);
}

std::vector<std::string> FormFile::objectLines() const
{
    std::vector<std::string> out;
    LineSplitter lines(m_preamble);
    TextLine line;
    while (lines.next(line))
        if (platform::startsWithIgnoreCase(trimLeading(line.text), "Object"))
            out.emplace_back(line.text);
    return out;
}

std::string FormFile::name() const
{
    if (auto attr = m_section.attribute("VB_Name"))
        if (auto text = unquoteText(*attr))
            return *text;
    return m_root ? m_root->name() : std::string();
}

std::optional<std::uint32_t> FormFile::appendFrx(std::string_view bytes)
{
    if (!m_frx)
        return std::nullopt;
    if (!*m_frx)
        *m_frx = std::string();
    auto offset = static_cast<std::uint32_t>((*m_frx)->size());
    (*m_frx)->append(bytes);
    return offset;
}

std::string FormFile::text() const
{
    std::string out = m_preamble;
    if (m_root)
        out += m_root->text();
    out += m_section.text();
    return out;
}

} // namespace qm::ide
