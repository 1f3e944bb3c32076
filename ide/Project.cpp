#include "ide/Project.h"

#include "ide/FormParser.h"
#include "ide/Property.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <algorithm>

namespace qm::ide {

using platform::equalsIgnoreCase;
using platform::VbError;
namespace err = platform::err;

namespace {

bool isAbsolute(std::string_view path)
{
    return (path.size() >= 2 && path[1] == ':') ||
           (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

// A project line that names a component: "Form=Main.frm", "Module=Tools; TOOLS.BAS",
// "Class=Account; Account.cls", and in a .mak file also a bare "MAIN.FRM".
bool readEntry(std::string_view text, ProjectEntry &entry, std::string &error)
{
    std::string_view line = trimTrailing(trimLeading(text));
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        auto kind = componentKindOfPath(line);
        if (!kind || line.find_first_of("\"") != std::string_view::npos)
            return false;
        entry.kind = *kind;
        entry.key.clear();
        entry.file = std::string(line);
        return true;
    }
    std::string_view key = trimTrailing(line.substr(0, eq));
    std::string_view value = trimLeading(line.substr(eq + 1));
    if (equalsIgnoreCase(key, "Form"))
        entry.kind = ComponentKind::Form;
    else if (equalsIgnoreCase(key, "Module"))
        entry.kind = ComponentKind::Module;
    else if (equalsIgnoreCase(key, "Class"))
        entry.kind = ComponentKind::Class;
    else
        return false;
    entry.key = std::string(key);
    entry.module.clear();
    if (entry.kind != ComponentKind::Form) {
        size_t semi = value.find(';');
        if (semi != std::string_view::npos) {
            entry.module = std::string(trimTrailing(value.substr(0, semi)));
            value = trimLeading(value.substr(semi + 1));
        }
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (value.empty()) {
        error = "the line names no file";
        return false;
    }
    entry.file = std::string(value);
    return true;
}

const char *extensionOf(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::Form:
        return ".frm";
    case ComponentKind::Module:
        return ".bas";
    case ComponentKind::Class:
        return ".cls";
    }
    return "";
}

const char *defaultBase(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::Form:
        return "Form";
    case ComponentKind::Module:
        return "Module";
    case ComponentKind::Class:
        return "Class";
    }
    return "";
}

} // namespace

std::vector<ProjectEntry> parseProjectEntries(std::string_view bytes,
                                              std::string_view fileName,
                                              std::vector<LoadProblem> *problems)
{
    std::vector<ProjectEntry> entries;
    LineSplitter lines(bytes);
    TextLine line;
    while (lines.next(line)) {
        ProjectEntry entry;
        std::string error;
        if (readEntry(line.text, entry, error)) {
            entry.lineNumber = line.number;
            entries.push_back(std::move(entry));
        } else if (!error.empty() && problems) {
            problems->push_back({std::string(fileName), line.number, error});
        }
    }
    return entries;
}

std::unique_ptr<Project> Project::createNew(ProjectFormat format)
{
    std::unique_ptr<Project> project(new Project);
    project->m_format = format;
    if (format == ProjectFormat::Vbp)
        project->m_lines.push_back({"Type=Exe", "\r\n", nullptr});
    project->m_savedText = project->text();
    return project;
}

std::unique_ptr<Project> Project::load(std::string_view productPath)
{
    std::string bytes = platform::readFile(productPath);
    return fromText(productPath, bytes);
}

std::unique_ptr<Project> Project::fromText(std::string_view productPath, std::string_view bytes)
{
    std::unique_ptr<Project> project(new Project);
    project->m_fileName = std::string(productPath);
    project->m_format =
        platform::endsWithIgnoreCase(productPath, ".mak") ? ProjectFormat::Mak : ProjectFormat::Vbp;
    std::string dir = platform::directoryPart(productPath);
    DirectoryCache listings;
    LineSplitter lines(bytes);
    TextLine line;
    while (lines.next(line)) {
        Line kept{std::string(line.text), std::string(line.eol), nullptr};
        ProjectEntry entry;
        std::string error;
        if (readEntry(line.text, entry, error)) {
            std::string path = isAbsolute(entry.file) || dir.empty()
                                   ? entry.file
                                   : platform::joinPath(dir, entry.file);
            try {
                ComponentPtr component = Component::load(path, listings);
                for (const LoadProblem &p : component->problems())
                    project->m_problems.push_back(p);
                kept.component = component.get();
                project->m_components.push_back(std::move(component));
            } catch (const VbError &e) {
                project->m_problems.push_back(
                    {std::string(productPath), line.number,
                     e.number == err::FileNotFound
                         ? "the component " + entry.file + " was not found; it is left out"
                         : e.description + "; the component is left out"});
            }
        } else if (!error.empty()) {
            project->m_problems.push_back({std::string(productPath), line.number, error});
        }
        project->m_lines.push_back(std::move(kept));
    }
    project->m_savedText = std::string(bytes);
    return project;
}

std::string Project::directory() const
{
    return platform::directoryPart(m_fileName);
}

std::string Project::name() const
{
    for (const Line &line : m_lines) {
        std::string_view text = trimLeading(line.text);
        if (platform::startsWithIgnoreCase(text, "Name=")) {
            std::string_view value = trimTrailing(text.substr(5));
            if (auto unquoted = unquoteText(value))
                return *unquoted;
            return std::string(value);
        }
    }
    if (m_fileName.empty())
        return "Project1";
    std::string file = platform::fileNamePart(m_fileName);
    size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

ComponentPtr Project::findComponent(std::string_view name) const
{
    for (const ComponentPtr &c : m_components)
        if (equalsIgnoreCase(c->name(), name))
            return c;
    return nullptr;
}

ComponentPtr Project::findComponentByPath(std::string_view productPath) const
{
    std::string wanted = platform::resolvePath(productPath).lexically_normal().string();
    for (const ComponentPtr &c : m_components)
        if (!c->path().empty() &&
            platform::resolvePath(c->path()).lexically_normal().string() == wanted)
            return c;
    return nullptr;
}

std::string Project::lineFor(const Component &component) const
{
    std::string file;
    if (component.isNew()) {
        file = component.name() + extensionOf(component.kind());
    } else {
        std::string dir = directory();
        std::string componentDir = platform::directoryPart(component.path());
        if (!dir.empty() && platform::resolvePath(dir) == platform::resolvePath(componentDir))
            file = platform::fileNamePart(component.path());
        else
            file = component.path();
    }
    switch (component.kind()) {
    case ComponentKind::Form:
        return "Form=" + file;
    case ComponentKind::Module:
        return "Module=" + component.name() + "; " + file;
    case ComponentKind::Class:
        return "Class=" + component.name() + "; " + file;
    }
    return {};
}

ComponentPtr Project::addFile(std::string_view productPath)
{
    if (findComponentByPath(productPath))
        throw VbError(err::InvalidProcedureCall,
                      std::string(productPath) + " is already part of the project");
    ComponentPtr component = Component::load(productPath);
    // The new line goes after the last component line, or at the end.
    auto at = m_lines.end();
    for (auto it = m_lines.begin(); it != m_lines.end(); ++it) {
        ProjectEntry entry;
        std::string error;
        if (readEntry(it->text, entry, error))
            at = it + 1;
    }
    if (at != m_lines.begin() && at == m_lines.end() && !m_lines.empty() &&
        m_lines.back().eol.empty())
        m_lines.back().eol = "\r\n";
    m_lines.insert(at, Line{lineFor(*component), "\r\n", component.get()});
    m_components.push_back(component);
    return component;
}

ComponentPtr Project::addNew(ComponentKind kind)
{
    std::string name;
    for (int n = 1;; ++n) {
        name = defaultBase(kind) + std::to_string(n);
        if (!findComponent(name))
            break;
    }
    ComponentPtr component = Component::createNew(kind, name);
    if (!m_lines.empty() && m_lines.back().eol.empty())
        m_lines.back().eol = "\r\n";
    auto at = m_lines.end();
    for (auto it = m_lines.begin(); it != m_lines.end(); ++it) {
        ProjectEntry entry;
        std::string error;
        if (readEntry(it->text, entry, error))
            at = it + 1;
    }
    m_lines.insert(at, Line{lineFor(*component), "\r\n", component.get()});
    m_components.push_back(component);
    return component;
}

void Project::removeComponent(const Component &component)
{
    m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(),
                                 [&](const Line &line) { return line.component == &component; }),
                  m_lines.end());
    m_components.erase(std::remove_if(m_components.begin(), m_components.end(),
                                      [&](const ComponentPtr &c) { return c.get() == &component; }),
                       m_components.end());
}

std::string Project::text() const
{
    std::string out;
    for (const Line &line : m_lines) {
        out += line.text;
        out += line.eol;
    }
    return out;
}

bool Project::isModified() const
{
    if (m_fileName.empty() || text() != m_savedText)
        return true;
    for (const ComponentPtr &c : m_components)
        if (c->isModified())
            return true;
    return false;
}

std::vector<std::string> Project::save()
{
    if (m_fileName.empty())
        throw VbError(err::PathFileAccessError,
                      "the project has never been saved; it needs a file name");
    std::vector<std::string> written;
    std::string dir = directory();
    // Everything that cannot be written is found before anything is written.
    for (const ComponentPtr &c : m_components) {
        if (c->isNew()) {
            std::string path = dir.empty()
                                   ? c->name() + extensionOf(c->kind())
                                   : platform::joinPath(dir, c->name() + extensionOf(c->kind()));
            if (platform::fileExists(path))
                throw VbError(err::FileAlreadyExists, path + " already exists; the new component " +
                                                          c->name() + " is not written over it");
        } else if (!c->problems().empty() && c->isModified()) {
            throw VbError(InvalidFileFormat, c->path() + " was read with problems (" +
                                                 c->problems().front().text() +
                                                 "); nothing is written");
        }
    }
    for (const ComponentPtr &c : m_components) {
        std::vector<std::string> paths;
        if (c->isNew()) {
            std::string path = dir.empty()
                                   ? c->name() + extensionOf(c->kind())
                                   : platform::joinPath(dir, c->name() + extensionOf(c->kind()));
            paths = c->saveAs(path);
            for (Line &line : m_lines)
                if (line.component == c.get())
                    line.text = lineFor(*c);
        } else {
            paths = c->save();
        }
        written.insert(written.end(), paths.begin(), paths.end());
    }
    std::string bytes = text();
    if (bytes != m_savedText || !platform::fileExists(m_fileName)) {
        platform::writeFile(m_fileName, bytes);
        m_savedText = bytes;
        written.push_back(m_fileName);
    }
    return written;
}

std::vector<std::string> Project::saveAs(std::string_view productPath)
{
    if (productPath.empty())
        throw VbError(err::BadFileNameOrNumber);
    std::string oldDir = directory();
    m_fileName = std::string(productPath);
    m_format =
        platform::endsWithIgnoreCase(productPath, ".mak") ? ProjectFormat::Mak : ProjectFormat::Vbp;
    // Lines of saved components that named them relative to the old directory are rewritten.
    std::string newDir = directory();
    if (!platform::equalsIgnoreCase(oldDir, newDir)) {
        for (Line &line : m_lines)
            if (line.component && !line.component->isNew())
                line.text = lineFor(*line.component);
    }
    m_savedText.clear();
    return save();
}

} // namespace qm::ide
