// A component of a project: a form (.frm with its .frx), a module (.bas) or a class (.cls),
// read from its file or new and never saved; and the problems met while reading files.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

class FormFile;
class ModuleFile;

enum class ComponentKind { Form, Module, Class };

/// Something a reader skipped or could not understand, with where it was.
struct LoadProblem
{
    std::string file; ///< the file as named in messages (its product path)
    int line = 0;     ///< 1-based; 0 when the problem is not on one line (a missing file)
    std::string message;

    /// "Form1.frm(12): message", or "Form1.frm: message" without a line.
    std::string text() const;
};

/// The error number of a file the model cannot read (Invalid file format); the VbError's
/// description names the file and line.
inline constexpr int InvalidFileFormat = 321;

/// The files of directories, listed once each: a project of many forms finds their .frx
/// companions without listing its directory again for every form.
class DirectoryCache
{
public:
    /// The product path of a file as it is spelt on disk (letter case ignored), or nothing
    /// when the directory has no such file.
    std::optional<std::string> find(std::string_view productPath);

private:
    std::map<std::string, std::map<std::string, std::string>> m_directories;
};

class Component
{
public:
    /// Reads a component file; the kind comes from its extension (.frm, .bas, .cls, letter case
    /// ignored). A form reads its .frx beside it when there is one. Throws VbError 53 for a
    /// missing file, InvalidFileFormat for a file that cannot be read at all (the description
    /// names the file and line); problems it could read past are in problems().
    static std::shared_ptr<Component> load(std::string_view productPath);
    /// As load, looking for the .frx companion through a cache of directory listings.
    static std::shared_ptr<Component> load(std::string_view productPath, DirectoryCache &cache);
    /// A component from bytes (no file is read; an .frx may be given).
    static std::shared_ptr<Component> fromText(ComponentKind kind,
                                               std::string_view productPath,
                                               std::string_view bytes,
                                               std::optional<std::string> frx = std::nullopt);
    /// A new, never saved component named name (Form1, Module1, Class1) in the given file
    /// version ("5.00"; "4.00" writes 4.00 forms).
    static std::shared_ptr<Component>
    createNew(ComponentKind kind, std::string_view name, std::string_view version = "5.00");

    ComponentKind kind() const { return m_kind; }
    /// The VB_Name of the file (the form's Name for a 4.00 form without one, the file's base
    /// name for a module or class without one).
    std::string name() const;
    /// The product path of the file; empty for a component never saved.
    const std::string &path() const { return m_path; }
    bool isNew() const { return m_path.empty(); }

    /// The form's document; null for modules and classes.
    FormFile *form() const { return m_form.get(); }
    /// The module's or class's document; null for forms.
    ModuleFile *module() const { return m_module.get(); }

    /// The code after the description and Attribute lines, as the code window shows it.
    const std::string &code() const;
    void setCode(std::string code);

    /// The .frx bytes as read (nothing when the form has no .frx).
    const std::optional<std::string> &frx() const { return m_frx; }
    void setFrx(std::optional<std::string> bytes);
    /// The .frx path beside the form file (same base name, extension .frx); empty otherwise.
    std::string frxPath() const;

    /// A form's design as the file writes it: the form's Begin ... End block.
    std::string designText() const;
    /// Puts back a design taken by designText(): the form's block becomes exactly those bytes,
    /// the lines before it and the code after it stay. The form is read again, so controls
    /// held from before are no longer on it. Throws VbError 5 for a module or class, and
    /// what the form reader throws.
    void restoreDesign(std::string_view design);

    /// The whole file as it would be written now.
    std::string text() const;
    /// True when the text or the .frx differs from what was read or last saved.
    bool isModified() const;

    /// Writes the file (and its .frx, when it has one) if modified or never written, with the
    /// file layer's writeFile; returns the paths written, the form file before its .frx. Lines
    /// the reader did not understand are written back as they were read. Throws VbError 75 for
    /// a component never saved (use saveAs).
    std::vector<std::string> save();
    /// Writes the component under a new path, which it keeps; always writes.
    std::vector<std::string> saveAs(std::string_view productPath);

    /// What the reader skipped, in file order.
    const std::vector<LoadProblem> &problems() const { return m_problems; }

private:
    Component() = default;
    std::vector<std::string> writeTo(const std::string &path);

    ComponentKind m_kind = ComponentKind::Module;
    std::string m_path;
    std::unique_ptr<FormFile> m_form;
    std::unique_ptr<ModuleFile> m_module;
    std::optional<std::string> m_frx;
    std::string m_savedText;
    std::optional<std::string> m_savedFrx;
    bool m_written = false;
    std::vector<LoadProblem> m_problems;
};

using ComponentPtr = std::shared_ptr<Component>;

/// The kind of a component file from its extension; nothing for another extension.
std::optional<ComponentKind> componentKindOfPath(std::string_view productPath);

} // namespace qm::ide
