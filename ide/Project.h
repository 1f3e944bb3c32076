// Project files (.vbp and .mak): the Form=, Module= and Class= lines that name components,
// every other line kept as it is, and the components they load.
#pragma once

#include "ide/Component.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

enum class ProjectFormat { Vbp, Mak };

/// One line of a project file that names a component.
struct ProjectEntry
{
    ComponentKind kind = ComponentKind::Form;
    std::string key;    ///< "Form", "Module", "Class" as written
    std::string module; ///< the name before ";" of a Module= or Class= line (may be empty)
    std::string file;   ///< the path as written (relative to the project, or absolute)
    int lineNumber = 0;
};

/// The component lines of a project text, in order; lines it cannot read are reported and
/// left out. Pure: reads no file.
std::vector<ProjectEntry> parseProjectEntries(std::string_view bytes,
                                              std::string_view fileName,
                                              std::vector<LoadProblem> *problems = nullptr);

class Project
{
public:
    /// Reads a project file and loads its components. A component that is missing or cannot
    /// be read is left out and reported in problems(); its line stays in the project file.
    /// Throws VbError 53 for a missing project file.
    static std::unique_ptr<Project> load(std::string_view productPath);
    /// A project from bytes: the components are loaded relative to productPath's directory.
    static std::unique_ptr<Project> fromText(std::string_view productPath, std::string_view bytes);
    /// A new, never saved project (with no components).
    static std::unique_ptr<Project> createNew(ProjectFormat format = ProjectFormat::Vbp);

    /// The project file's product path; empty for a project never saved.
    const std::string &fileName() const { return m_fileName; }
    bool isNew() const { return m_fileName.empty(); }
    ProjectFormat format() const { return m_format; }
    /// The directory of the project file; empty for a never saved project.
    std::string directory() const;
    /// The Name= value of a .vbp, else the project file's base name, "Project1" when new.
    std::string name() const;

    const std::vector<ComponentPtr> &components() const { return m_components; }
    /// The component of a name (letter case ignored); null when there is none.
    ComponentPtr findComponent(std::string_view name) const;
    /// The component read from a file (resolved paths compared); null when there is none.
    ComponentPtr findComponentByPath(std::string_view productPath) const;

    /// Reads a component file and adds it (with a project line). Throws VbError 53 for a
    /// missing file, InvalidFileFormat for one that cannot be read, 5 for a file that is not
    /// a form, module or class or one the project already holds.
    ComponentPtr addFile(std::string_view productPath);
    /// Adds a new, never saved component with the next free default name (Form1, Module1,
    /// Class1, ...).
    ComponentPtr addNew(ComponentKind kind);
    /// Takes a component out of the project (its file is left alone).
    void removeComponent(const Component &component);

    /// The project file text as it would be written now.
    std::string text() const;
    bool isModified() const;

    /// Writes each changed component and then the project file when changed; returns the
    /// paths written in order (a form before its .frx); new components are written beside
    /// the project under their default file names. Throws VbError 75 for a project never saved,
    /// 58 when a new component's file exists already; in those cases nothing is written.
    std::vector<std::string> save();
    /// Writes the project under a new file name, which it keeps. Changed components are saved
    /// first, in their own files, as save() does; new components are written beside the new
    /// project file under their default file names (Form1.frm). Every line that names a file
    /// (components, resource file, related documents, references) is rewritten relative to the
    /// new folder, with backslashes; a file on another drive or root keeps an absolute path.
    /// On failure the project keeps its old name and lines.
    std::vector<std::string> saveAs(std::string_view productPath);

    /// What reading the project and its components skipped.
    const std::vector<LoadProblem> &problems() const { return m_problems; }

private:
    Project() = default;
    struct Line
    {
        std::string text;
        std::string eol;
        const Component *component = nullptr; ///< the component the line names, if any
        size_t fileStart = std::string::npos; ///< where the file the line names starts in text
        size_t fileLength = 0;
    };
    std::string lineFor(const Component &component) const;
    Line newLine(const Component &component) const;
    void insertComponentLine(const Component &component);

    std::string m_fileName;
    ProjectFormat m_format = ProjectFormat::Vbp;
    std::vector<Line> m_lines;
    std::vector<ComponentPtr> m_components;
    std::string m_savedText;
    std::vector<LoadProblem> m_problems;
    bool m_bareNames = false;       ///< an old .MAK that names its components by file alone
    std::string m_lineEnd = "\r\n"; ///< the line end of the file's own lines
};

/// The path of a file as a project in `directory` names it: relative to that folder with
/// backslashes ("..\lib\Tools.bas"), or absolute when the file lies on another drive or
/// root. Relative paths on either side are taken from the working directory.
std::string relativeProductPath(std::string_view filePath, std::string_view directory);

} // namespace qm::ide
