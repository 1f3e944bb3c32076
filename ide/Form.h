// Form files (VERSION 4.00, 5.00, 6.00): the VERSION and Object= lines, the nested Begin/End
// tree of the form, its controls and menus, then the Attribute lines and the code. A file read
// and written unchanged is byte-identical.
#pragma once

#include "ide/Component.h"
#include "ide/Control.h"
#include "ide/Module.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

class FormFile
{
public:
    /// Reads a form file. Unbalanced Begin/End, a truncated description or a file without a
    /// form throw VbError InvalidFileFormat whose description names fileName and the line;
    /// lines inside a control that are not "Name = value" are kept as they are and reported in
    /// problems.
    static std::unique_ptr<FormFile> parse(std::string_view bytes,
                                           std::string_view fileName,
                                           std::vector<LoadProblem> *problems = nullptr);
    /// A new form of a version ("4.00" writes "Begin Form Form1", later ones "Begin VB.Form").
    static std::unique_ptr<FormFile> createNew(std::string_view name,
                                               std::string_view version = "5.00");

    FormFile(const FormFile &) = delete;
    FormFile &operator=(const FormFile &) = delete;
    ~FormFile();

    /// "4.00", "5.00", "6.00" as the VERSION line has it.
    const std::string &version() const { return m_version; }
    bool isVersion4() const;

    /// The form itself (class Form or MDIForm).
    const ControlPtr &root() const { return m_root; }
    /// Every control and menu of the form (not the form), in file order, children after their
    /// container.
    std::vector<ControlPtr> controls() const;
    /// The control of a name (letter case ignored) and index; null when there is none.
    ControlPtr findControl(std::string_view name, std::optional<int> index = std::nullopt) const;
    /// True when a control (or the form) has the name (letter case ignored).
    bool hasName(std::string_view name) const;
    /// The name to give a new control that would be called base: base itself when free,
    /// else base with its trailing digits replaced by the next free number (Command1 →
    /// Command2 → ...).
    std::string freeName(std::string_view base) const;

    /// The controls of the form's tab order (those with a TabIndex; of an unknown class, those
    /// whose file gives them a TabIndex or a size), ordered by TabIndex and then file order.
    std::vector<ControlPtr> tabOrder() const;

    /// Adds a control parsed from text (a Begin ... End block) at the end of a container (the
    /// form when null). The control is taken as it stands; see Clipboard.h to paste.
    ControlPtr addControl(const ControlPtr &control, Control *container = nullptr);
    /// Takes a control (with its children) off the form.
    void removeControl(const Control &control);

    /// The Object= lines (third-party libraries), raw, in order.
    std::vector<std::string> objectLines() const;

    CodeSection &section() { return m_section; }
    const CodeSection &section() const { return m_section; }
    const std::string &code() const { return m_section.code(); }
    void setCode(std::string code) { m_section.setCode(std::move(code)); }
    /// The form's name: VB_Name when the file has it, else the root control's Name.
    std::string name() const;

    /// The .frx companion the form's binary properties point into; the component attaches its
    /// bytes (null for a form not held by a component). Used by the clipboard text to carry
    /// binary properties from one form to another.
    const std::optional<std::string> *frx() const { return m_frx; }
    void attachFrx(std::optional<std::string> *frx) { m_frx = frx; }
    /// Appends bytes to the attached companion (creating it) and returns their offset;
    /// nothing when no companion is attached.
    std::optional<std::uint32_t> appendFrx(std::string_view bytes);

    /// The file name (no directory) that new binary properties refer to: the one the form's
    /// references use, else the one the component set, else the form's name + ".frx".
    std::string frxFileName() const;
    void setFrxFileName(std::string fileName) { m_frxName = std::move(fileName); }
    /// Points every .frx reference of the form at a companion of a new file name (save as).
    void renameFrxReferences(std::string_view newFileName);

    /// The file as it would be written now.
    std::string text() const;

private:
    friend class FormParser;
    FormFile() = default;
    static void setLineEnds(Control &control, const std::string &eol);

    std::string m_version;
    std::string m_preamble; ///< raw lines before the form's Begin line
    ControlPtr m_root;
    CodeSection m_section;
    std::optional<std::string> *m_frx = nullptr;
    std::string m_frxName;
};

} // namespace qm::ide
