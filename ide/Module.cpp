#include "ide/Module.h"

#include "ide/FormParser.h"
#include "ide/Property.h"
#include "platform/Text.h"
#include "platform/VbError.h"

namespace qm::ide {

using platform::equalsIgnoreCase;
using platform::VbError;

CodeSection CodeSection::parse(std::string_view bytes)
{
    CodeSection section;
    LineSplitter lines(bytes);
    TextLine line;
    size_t codeStart = 0;
    while (lines.next(line)) {
        std::string_view text = line.text;
        if (!startsWithKeyword(text, "Attribute"))
            break;
        size_t eq = text.find('=');
        if (eq == std::string_view::npos)
            break;
        std::string_view name = trimTrailing(trimLeading(text.substr(9, eq - 9)));
        if (name.empty())
            break;
        size_t valueStart = eq + 1;
        while (valueStart < text.size() && text[valueStart] == ' ')
            ++valueStart;
        AttributeLine attr;
        attr.name = std::string(name);
        attr.lead = std::string(text.substr(0, valueStart));
        attr.value = std::string(text.substr(valueStart));
        attr.eol = std::string(line.eol);
        section.m_attributes.push_back(std::move(attr));
        codeStart = line.end;
    }
    section.m_code = std::string(bytes.substr(codeStart));
    return section;
}

std::optional<std::string> CodeSection::attribute(std::string_view name) const
{
    for (const AttributeLine &attr : m_attributes)
        if (equalsIgnoreCase(attr.name, name))
            return attr.value;
    return std::nullopt;
}

void CodeSection::setAttribute(std::string_view name, std::string_view rawValue)
{
    for (AttributeLine &attr : m_attributes)
        if (equalsIgnoreCase(attr.name, name)) {
            attr.value = std::string(rawValue);
            return;
        }
    AttributeLine attr;
    attr.name = std::string(name);
    attr.lead = "Attribute " + attr.name + " = ";
    attr.value = std::string(rawValue);
    attr.eol = m_lineEnd.empty() ? std::string("\r\n") : m_lineEnd;
    // A last line without its line end gets one before a line follows it.
    if (!m_attributes.empty() && m_attributes.back().eol.empty())
        m_attributes.back().eol = attr.eol;
    m_attributes.push_back(std::move(attr));
}

std::string CodeSection::text() const
{
    std::string out;
    for (const AttributeLine &attr : m_attributes) {
        out += attr.lead;
        out += attr.value;
        out += attr.eol;
    }
    if (m_lineEnd.empty()) {
        out += m_code;
        return out;
    }
    // Lines typed into the code window end with CR LF; they take the file's own line end.
    for (size_t pos = 0; pos < m_code.size();) {
        size_t end = m_code.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            out.append(m_code, pos, std::string::npos);
            break;
        }
        out.append(m_code, pos, end - pos).append(m_lineEnd);
        pos = end +
              (m_code[end] == '\r' && end + 1 < m_code.size() && m_code[end + 1] == '\n' ? 2 : 1);
    }
    return out;
}

std::unique_ptr<ModuleFile> ModuleFile::parse(ComponentKind kind,
                                              std::string_view bytes,
                                              std::string_view fileName,
                                              std::vector<LoadProblem> *problems)
{
    auto module = std::make_unique<ModuleFile>();
    module->m_kind = kind;
    size_t headerEnd = 0;
    LineSplitter lines(bytes);
    TextLine line;
    if (lines.next(line) && startsWithKeyword(trimLeading(line.text), "VERSION")) {
        // VERSION 1.0 CLASS, then BEGIN ... END with the class's settings.
        int versionLine = line.number;
        bool ended = false;
        while (lines.next(line)) {
            if (equalsIgnoreCase(trimTrailing(trimLeading(line.text)), "END")) {
                ended = true;
                break;
            }
        }
        if (!ended)
            throw VbError(InvalidFileFormat, LoadProblem{std::string(fileName), versionLine,
                                                         "the class header has no END line"}
                                                 .text());
        headerEnd = line.end;
    }
    module->m_header = std::string(bytes.substr(0, headerEnd));
    module->m_section = CodeSection::parse(bytes.substr(headerEnd));
    if (auto eol = uniformLineEnd(bytes))
        module->m_section.setLineEnd(*eol);
    (void)
        problems; // nothing in a module is skipped: every line is either header, attribute or code
    return module;
}

std::unique_ptr<ModuleFile> ModuleFile::createNew(ComponentKind kind, std::string_view name)
{
    std::string text;
    if (kind == ComponentKind::Class) {
        text = "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\nEND\r\n";
        text += "Attribute VB_Name = " + quoteText(name) + "\r\n";
        text += "Attribute VB_GlobalNameSpace = False\r\n";
        text += "Attribute VB_Creatable = True\r\n";
        text += "Attribute VB_PredeclaredId = False\r\n";
        text += "Attribute VB_Exposed = False\r\n";
    } else {
        text = "Attribute VB_Name = " + quoteText(name) + "\r\n";
    }
    return parse(kind, text, name);
}

std::string ModuleFile::name() const
{
    if (auto raw = m_section.attribute("VB_Name")) {
        if (auto text = unquoteText(*raw))
            return *text;
        return std::string(trimTrailing(*raw));
    }
    return {};
}

void ModuleFile::setName(std::string_view name)
{
    m_section.setAttribute("VB_Name", quoteText(name));
}

} // namespace qm::ide
