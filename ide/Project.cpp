#include "ide/Project.h"

#include "ide/FormParser.h"
#include "ide/Property.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <algorithm>
#include <filesystem>
#include <optional>

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

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

size_t skipBlanks(std::string_view text, size_t at)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    return at;
}

// Keys of project lines whose value is (or holds) a file, relative to the project's folder.
constexpr std::string_view kFileKeys[] = {"Form",         "Module",       "Class",    "UserControl",
                                          "UserDocument", "PropertyPage", "Designer", "RelatedDoc",
                                          "ResFile32",    "ResFile",      "HelpFile", "Path32"};

// Where the file part of a line that names a file starts and how long it is (quotes left
// out); nothing for other lines. A Reference line names its file between its third and fourth
// "#" ("*\G{...}#2.0#0#..\stdole2.tlb#OLE Automation"), or after "*\A" for a project.
std::optional<std::pair<size_t, size_t>> fileSpan(std::string_view text)
{
    size_t begin = skipBlanks(text, 0);
    size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        std::string_view line = trimTrailing(text.substr(begin));
        if (line.empty() || !componentKindOfPath(line) || line.find('"') != std::string_view::npos)
            return std::nullopt;
        return std::make_pair(begin, line.size());
    }
    std::string_view key = trimTrailing(text.substr(begin, eq - begin));
    size_t start = skipBlanks(text, eq + 1);
    size_t end = trimTrailing(text).size();
    if (equalsIgnoreCase(key, "Reference")) {
        std::string_view value = text.substr(start, end > start ? end - start : 0);
        if (platform::startsWithIgnoreCase(value, "*\\A")) {
            start += 3;
        } else {
            size_t from = start;
            for (int n = 0; n < 3; ++n) {
                size_t hash = text.find('#', from);
                if (hash == std::string_view::npos || hash >= end)
                    return std::nullopt;
                from = hash + 1;
            }
            size_t next = text.find('#', from);
            if (next == std::string_view::npos || next > end)
                return std::nullopt;
            start = from;
            end = next;
        }
    } else {
        bool known = false;
        for (std::string_view fileKey : kFileKeys)
            known = known || equalsIgnoreCase(key, fileKey);
        if (!known)
            return std::nullopt;
        if (equalsIgnoreCase(key, "Module") || equalsIgnoreCase(key, "Class")) {
            size_t semi = text.find(';', start);
            if (semi != std::string_view::npos && semi < end)
                start = skipBlanks(text, semi + 1);
        }
    }
    if (end > start + 1 && text[start] == '"' && text[end - 1] == '"') {
        ++start;
        --end;
    }
    // A quote left over (an unclosed or inner one) means the value is no file name.
    if (end <= start || text.substr(start, end - start).find('"') != std::string_view::npos)
        return std::nullopt;
    return std::make_pair(start, end - start);
}

// A product path as a root ("", a drive "C:", or "\\server\share") and its elements, made
// absolute from the working directory and with "." and ".." taken out.
struct PathElements
{
    std::string drive;
    std::string share;
    std::vector<std::string> parts;
};

void appendElements(std::string_view path, std::vector<std::string> &parts)
{
    size_t pos = 0;
    while (pos <= path.size()) {
        size_t end = pos;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        std::string_view element = path.substr(pos, end - pos);
        pos = end + 1;
        if (element.empty() || element == ".")
            continue;
        if (element == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.emplace_back(element);
    }
}

PathElements splitPath(std::string_view path)
{
    PathElements out;
    if (path.size() >= 2 && path[1] == ':' && platform::isAsciiLetter(path[0])) {
        out.drive = platform::toUpper(std::string(path.substr(0, 2)));
        path.remove_prefix(2);
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]) && out.drive.empty()) {
        std::vector<std::string> server;
        appendElements(path, server);
        for (size_t i = 0; i < server.size(); ++i) {
            if (i < 2)
                out.share += "\\" + server[i];
            else
                out.parts.push_back(server[i]);
        }
        out.share = "\\" + out.share;
        return out;
    }
    if (path.empty() || !isSeparator(path[0])) {
        std::error_code ec;
        std::string cwd = std::filesystem::current_path(ec).generic_string();
        appendElements(cwd, out.parts);
    }
    appendElements(path, out.parts);
    return out;
}

bool sameRoot(const PathElements &a, const PathElements &b)
{
    // The file layer ignores drive letters, so only two different ones part two paths.
    if (!a.drive.empty() && !b.drive.empty() && a.drive != b.drive)
        return false;
    return equalsIgnoreCase(a.share, b.share);
}

bool sameDirectory(std::string_view a, std::string_view b)
{
    PathElements x = splitPath(a), y = splitPath(b);
    if (!sameRoot(x, y) || x.parts.size() != y.parts.size())
        return false;
    for (size_t i = 0; i < x.parts.size(); ++i)
        if (!equalsIgnoreCase(x.parts[i], y.parts[i]))
            return false;
    return true;
}

} // namespace

std::string relativeProductPath(std::string_view filePath, std::string_view directory)
{
    PathElements file = splitPath(filePath);
    PathElements dir = splitPath(directory);
    auto join = [](const std::vector<std::string> &parts, size_t from) {
        std::string out;
        for (size_t i = from; i < parts.size(); ++i) {
            if (!out.empty())
                out += '\\';
            out += parts[i];
        }
        return out;
    };
    if (!sameRoot(file, dir)) {
        std::string root = file.share.empty() ? file.drive : file.share;
        return root + "\\" + join(file.parts, 0);
    }
    size_t common = 0;
    while (common < dir.parts.size() && common + 1 < file.parts.size() &&
           equalsIgnoreCase(dir.parts[common], file.parts[common]))
        ++common;
    std::string out;
    for (size_t i = common; i < dir.parts.size(); ++i)
        out += "..\\";
    return out + join(file.parts, common);
}

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
    int bare = 0, keyed = 0;
    while (lines.next(line)) {
        Line kept{std::string(line.text), std::string(line.eol), nullptr};
        if (auto span = fileSpan(line.text)) {
            kept.fileStart = span->first;
            kept.fileLength = span->second;
        }
        ProjectEntry entry;
        std::string error;
        if (readEntry(line.text, entry, error)) {
            ++(entry.key.empty() ? bare : keyed);
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
    // Only a project that names all its components by file alone is of the old format.
    project->m_bareNames = bare > 0 && keyed == 0;
    project->m_savedText = std::string(bytes);
    project->m_lineEnd = uniformLineEnd(bytes).value_or("\r\n");
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
    if (component.isNew())
        file = component.name() + extensionOf(component.kind());
    else if (directory().empty())
        file = component.path();
    else
        file = relativeProductPath(component.path(), directory());
    // An old .MAK names its components by their files alone.
    if (m_bareNames)
        return file;
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

Project::Line Project::newLine(const Component &component) const
{
    Line line{lineFor(component), m_lineEnd, &component};
    if (auto span = fileSpan(line.text)) {
        line.fileStart = span->first;
        line.fileLength = span->second;
    }
    return line;
}

// The new line goes after the last component line, or at the end.
void Project::insertComponentLine(const Component &component)
{
    auto at = m_lines.end();
    for (auto it = m_lines.begin(); it != m_lines.end(); ++it) {
        ProjectEntry entry;
        std::string error;
        if (readEntry(it->text, entry, error))
            at = it + 1;
    }
    if (at != m_lines.begin() && at == m_lines.end() && m_lines.back().eol.empty())
        m_lines.back().eol = m_lineEnd;
    m_lines.insert(at, newLine(component));
}

ComponentPtr Project::addFile(std::string_view productPath)
{
    if (findComponentByPath(productPath))
        throw VbError(err::InvalidProcedureCall,
                      std::string(productPath) + " is already part of the project");
    ComponentPtr component = Component::load(productPath);
    insertComponentLine(*component);
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
    insertComponentLine(*component);
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
                if (line.component == c.get()) {
                    std::string eol = line.eol;
                    line = newLine(*c);
                    line.eol = eol;
                }
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
    const std::string oldName = m_fileName;
    const std::vector<Line> oldLines = m_lines;
    const ProjectFormat oldFormat = m_format;
    const std::string oldSaved = m_savedText;
    const std::string oldDir = directory();

    m_fileName = std::string(productPath);
    m_format =
        platform::endsWithIgnoreCase(productPath, ".mak") ? ProjectFormat::Mak : ProjectFormat::Vbp;
    const std::string newDir = directory();
    if (oldName.empty() || !sameDirectory(oldDir, newDir)) {
        for (Line &line : m_lines) {
            if (line.fileStart == std::string::npos || (line.component && line.component->isNew()))
                continue;
            std::string target;
            if (line.component) {
                target = line.component->path();
            } else {
                std::string written = line.text.substr(line.fileStart, line.fileLength);
                target = isAbsolute(written) || oldDir.empty()
                             ? written
                             : platform::joinPath(oldDir, written);
            }
            std::string file = relativeProductPath(target, newDir);
            line.text.replace(line.fileStart, line.fileLength, file);
            line.fileLength = file.size();
        }
    }
    m_savedText.clear();
    try {
        return save();
    } catch (...) {
        m_fileName = oldName;
        m_lines = oldLines;
        m_format = oldFormat;
        m_savedText = oldSaved;
        throw;
    }
}

} // namespace qm::ide
