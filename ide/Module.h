// Module (.bas) and class (.cls) files, and the Attribute lines and code that end every
// component file: kept byte for byte, with the code as the code window shows it.
#pragma once

#include "ide/Component.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

/// One "Attribute VB_Name = "Form1"" line.
struct AttributeLine
{
    std::string name;  ///< VB_Name
    std::string lead;  ///< "Attribute VB_Name = "
    std::string value; ///< "\"Form1\""
    std::string eol;
};

/// The part of a file after its header: the Attribute lines that open it, then the code.
class CodeSection
{
public:
    /// Reads from bytes (the rest of a file after its header).
    static CodeSection parse(std::string_view bytes);

    const std::vector<AttributeLine> &attributes() const { return m_attributes; }
    /// The raw value of an attribute (letter case ignored); nothing when there is no line.
    std::optional<std::string> attribute(std::string_view name) const;
    /// Rewrites an attribute's value, or adds an "Attribute name = value" line after the others.
    void setAttribute(std::string_view name, std::string_view rawValue);

    const std::string &code() const { return m_code; }
    void setCode(std::string code) { m_code = std::move(code); }

    /// The line end of the file's own lines, when it uses one kind only: lines added since
    /// (typed code, a new attribute) are written with it.
    void setLineEnd(std::string eol) { m_lineEnd = std::move(eol); }

    std::string text() const;

private:
    std::vector<AttributeLine> m_attributes;
    std::string m_code;
    std::string m_lineEnd;
};

class ModuleFile
{
public:
    /// Reads a module or class file. A class's VERSION/BEGIN ... END header is kept as read;
    /// a header that does not end throws VbError InvalidFileFormat naming fileName and line.
    static std::unique_ptr<ModuleFile> parse(ComponentKind kind,
                                             std::string_view bytes,
                                             std::string_view fileName,
                                             std::vector<LoadProblem> *problems = nullptr);
    static std::unique_ptr<ModuleFile> createNew(ComponentKind kind, std::string_view name);

    ComponentKind kind() const { return m_kind; }
    /// The unquoted VB_Name; empty when the file has none.
    std::string name() const;
    void setName(std::string_view name);

    /// The raw text before the Attribute lines (a class's VERSION/BEGIN ... END block).
    const std::string &header() const { return m_header; }
    CodeSection &section() { return m_section; }
    const CodeSection &section() const { return m_section; }
    const std::string &code() const { return m_section.code(); }
    void setCode(std::string code) { m_section.setCode(std::move(code)); }

    std::string text() const { return m_header + m_section.text(); }

private:
    ComponentKind m_kind = ComponentKind::Module;
    std::string m_header;
    CodeSection m_section;
};

} // namespace qm::ide
