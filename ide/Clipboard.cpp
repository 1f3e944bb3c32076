#include "ide/Clipboard.h"

#include "ide/Form.h"
#include "ide/FormParser.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <algorithm>
#include <map>
#include <set>

namespace qm::ide {

using platform::VbError;

namespace {

const char *const FrxDataKey = "FrxData ";

std::string frxKey(const FrxReference &ref)
{
    return platform::toUpper(ref.file) + ":" + std::to_string(ref.offset);
}

std::string toHex(std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::optional<std::string> fromHex(std::string_view hex)
{
    if (hex.size() % 2)
        return std::nullopt;
    std::string out;
    out.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        int hi = platform::hexDigitValue(hex[i]), lo = platform::hexDigitValue(hex[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
    }
    return out;
}

// Every property line of a list of items, blocks included.
template<typename F> void forEachLine(std::vector<FormItem> &items, F &&f)
{
    std::vector<std::vector<FormItem> *> lists{&items};
    while (!lists.empty()) {
        std::vector<FormItem> *list = lists.back();
        lists.pop_back();
        for (FormItem &item : *list) {
            if (item.kind == FormItem::Kind::Property)
                f(item.property);
            else if (item.kind == FormItem::Kind::Block)
                lists.push_back(&item.block->items);
        }
    }
}

std::vector<Control *> treeOf(Control &root)
{
    std::vector<Control *> out;
    std::vector<Control *> work{&root};
    while (!work.empty()) {
        Control *c = work.back();
        work.pop_back();
        out.push_back(c);
        std::vector<ControlPtr> kids = c->children();
        for (auto it = kids.rbegin(); it != kids.rend(); ++it)
            work.push_back(it->get());
    }
    return out;
}

int depthOf(const Control *c)
{
    int depth = 0;
    for (; c && c->parent(); c = c->parent())
        ++depth;
    return depth;
}

std::string reindented(std::string_view line, size_t strip, std::string_view add)
{
    size_t blanks = line.size() - trimLeading(line).size();
    size_t remove = std::min(strip, blanks);
    return std::string(add) + std::string(line.substr(remove));
}

} // namespace

// Reaches into a control's lines to rename and re-indent pasted controls.
class ControlEditor
{
public:
    static std::vector<FormItem> &items(Control &c) { return c.m_items; }
    static void rename(Control &c, const std::string &name) { c.m_name = name; }
    static size_t indentOf(const Control &c)
    {
        return c.m_headerLead.size() - trimLeading(c.m_headerLead).size();
    }

    static void reindent(Control &root, size_t strip, const std::string &add)
    {
        for (Control *c : treeOf(root)) {
            c->m_headerLead = reindented(c->m_headerLead, strip, add);
            c->m_endLine = reindented(c->m_endLine, strip, add);
            std::vector<std::vector<FormItem> *> lists{&c->m_items};
            while (!lists.empty()) {
                std::vector<FormItem> *list = lists.back();
                lists.pop_back();
                for (FormItem &item : *list) {
                    switch (item.kind) {
                    case FormItem::Kind::Property:
                        item.property.lead = reindented(item.property.lead, strip, add);
                        break;
                    case FormItem::Kind::Block:
                        item.block->beginLine = reindented(item.block->beginLine, strip, add);
                        item.block->endLine = reindented(item.block->endLine, strip, add);
                        lists.push_back(&item.block->items);
                        break;
                    case FormItem::Kind::Raw:
                        if (!item.raw.empty())
                            item.raw = reindented(item.raw, strip, add);
                        break;
                    case FormItem::Kind::Child:
                        break;
                    }
                }
            }
        }
    }
};

std::string controlsToText(const std::vector<ControlPtr> &controls)
{
    std::set<const Control *> chosen;
    for (const ControlPtr &c : controls)
        chosen.insert(c.get());
    std::string out;
    std::map<std::string, std::string> blobs; // key → "FrxData" line
    for (const ControlPtr &c : controls) {
        bool inside = false;
        for (const Control *p = c->parent(); p; p = p->parent())
            if (chosen.count(p))
                inside = true;
        if (inside)
            continue;
        // Written with the control's own indentation removed, so it pastes at any depth.
        size_t strip = ControlEditor::indentOf(*c);
        std::string text = c->text();
        LineSplitter lines(text);
        TextLine line;
        while (lines.next(line)) {
            out += reindented(line.text, strip, "");
            out += "\r\n";
        }
        // Binary properties: the bytes from each reference to the next one the form makes (or
        // the end of the .frx), which is where the host stores one property's data.
        FormFile *form = c->form();
        const std::optional<std::string> *frx = form ? form->frx() : nullptr;
        if (!frx || !*frx)
            continue;
        std::set<std::uint32_t> offsets;
        std::vector<ControlPtr> all = form->controls();
        all.push_back(form->root());
        for (const ControlPtr &any : all)
            forEachLine(ControlEditor::items(*any), [&](PropertyLine &pl) {
                if (auto ref = parseFrxReference(pl.value))
                    offsets.insert(ref->offset);
            });
        const std::string &bytes = **frx;
        for (Control *member : treeOf(*c))
            forEachLine(ControlEditor::items(*member), [&](PropertyLine &pl) {
                auto ref = parseFrxReference(pl.value);
                if (!ref || ref->offset >= bytes.size())
                    return;
                auto next = offsets.upper_bound(ref->offset);
                size_t end =
                    next == offsets.end() ? bytes.size() : std::min<size_t>(*next, bytes.size());
                FrxReference plain = *ref;
                plain.dollar = false;
                blobs[frxKey(*ref)] =
                    FrxDataKey + formatFrxReference(plain) + " " +
                    toHex(std::string_view(bytes).substr(ref->offset, end - ref->offset));
            });
    }
    for (const auto &[key, line] : blobs)
        out += line + "\r\n";
    return out;
}

bool isControlsText(std::string_view text)
{
    LineSplitter lines(text);
    TextLine line;
    while (lines.next(line)) {
        std::string_view t = trimLeading(line.text);
        if (trimTrailing(t).empty())
            continue;
        return startsWithKeyword(t, "Begin") && !startsWithKeyword(t, "BeginProperty");
    }
    return false;
}

PasteResult pasteControls(FormFile &form, std::string_view text, Control *container)
{
    if (container && container->form() != &form)
        throw VbError(platform::err::InvalidProcedureCall,
                      "the container is not a control of the form");
    std::vector<std::string> outside;
    std::vector<ControlPtr> pasted = FormParser(text, "Clipboard", nullptr).parseControls(&outside);
    if (pasted.empty())
        throw VbError(InvalidFileFormat, "Clipboard: the text holds no controls");

    std::map<std::string, std::string> blobs;
    for (const std::string &line : outside) {
        std::string_view t = trimTrailing(trimLeading(line));
        if (!platform::startsWithIgnoreCase(t, FrxDataKey))
            continue;
        t.remove_prefix(std::string_view(FrxDataKey).size());
        size_t space = t.rfind(' ');
        if (space == std::string_view::npos)
            continue;
        auto ref = parseFrxReference(t.substr(0, space));
        auto bytes = fromHex(t.substr(space + 1));
        if (ref && bytes)
            blobs[frxKey(*ref)] = *bytes;
    }

    PasteResult result;
    Control *parent = container ? container : form.root().get();
    std::string indent((static_cast<size_t>(depthOf(parent)) + 1) * 3, ' ');

    // Names: a name the form has, or one already given in this paste, moves to the next free
    // number; members of one array keep one name.
    std::set<std::string> taken;
    taken.insert(platform::toUpper(form.root()->name()));
    for (const ControlPtr &c : form.controls())
        taken.insert(platform::toUpper(c->name()));
    std::map<std::string, std::string> renamed;
    for (const ControlPtr &top : pasted) {
        for (Control *c : treeOf(*top)) {
            std::string key = platform::toUpper(c->name());
            auto found = renamed.find(key);
            if (found == renamed.end()) {
                std::string name = c->name();
                if (taken.count(key)) {
                    size_t stemEnd = name.size();
                    while (stemEnd > 0 && platform::isAsciiDigit(name[stemEnd - 1]))
                        --stemEnd;
                    for (unsigned n = 1;; ++n) {
                        std::string candidate = name.substr(0, stemEnd) + std::to_string(n);
                        if (!taken.count(platform::toUpper(candidate))) {
                            name = candidate;
                            break;
                        }
                    }
                }
                taken.insert(platform::toUpper(name));
                found = renamed.emplace(key, name).first;
            }
            ControlEditor::rename(*c, found->second);

            // Binary properties move into this form's .frx; without their bytes they fall back
            // to the default rather than point at another form's data.
            std::vector<FormItem> &items = ControlEditor::items(*c);
            std::vector<std::string> dropped;
            forEachLine(items, [&](PropertyLine &pl) {
                auto ref = parseFrxReference(pl.value);
                if (!ref)
                    return;
                auto blob = blobs.find(frxKey(*ref));
                std::optional<std::uint32_t> offset;
                if (blob != blobs.end())
                    offset = form.appendFrx(blob->second);
                if (!offset) {
                    dropped.push_back(pl.name);
                    pl.name.clear();
                    return;
                }
                FrxReference moved{form.frxFileName(), *offset, ref->dollar};
                pl.value = formatFrxReference(moved);
            });
            if (!dropped.empty()) {
                std::vector<std::vector<FormItem> *> lists{&items};
                while (!lists.empty()) {
                    std::vector<FormItem> *list = lists.back();
                    lists.pop_back();
                    list->erase(std::remove_if(list->begin(), list->end(),
                                               [](const FormItem &item) {
                                                   return item.kind == FormItem::Kind::Property &&
                                                          item.property.name.empty();
                                               }),
                                list->end());
                    for (FormItem &item : *list)
                        if (item.kind == FormItem::Kind::Block)
                            lists.push_back(&item.block->items);
                }
                for (const std::string &name : dropped)
                    result.skipped.push_back(
                        c->displayName() + "." + name +
                        ": its binary data did not come along; the default is used");
            }
        }
        ControlEditor::reindent(*top, ControlEditor::indentOf(*top), indent);
        form.addControl(top, parent);
        result.pasted.push_back(top);
    }
    // Pasted controls join the end of the tab order, in the order they were pasted.
    for (const ControlPtr &top : pasted)
        for (Control *c : treeOf(*top))
            if (!c->isMenu() && c->hasProperty("TabIndex"))
                c->setProperty("TabIndex", 32767);
    return result;
}

} // namespace qm::ide
