#include "ide/Component.h"

#include "ide/Form.h"
#include "ide/Module.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/VbError.h"

#include <filesystem>

namespace qm::ide {

using platform::VbError;
namespace err = platform::err;

std::string LoadProblem::text() const
{
    std::string out = file;
    if (line > 0)
        out += "(" + std::to_string(line) + ")";
    out += ": " + message;
    return out;
}

std::optional<ComponentKind> componentKindOfPath(std::string_view productPath)
{
    if (platform::endsWithIgnoreCase(productPath, ".frm"))
        return ComponentKind::Form;
    if (platform::endsWithIgnoreCase(productPath, ".bas"))
        return ComponentKind::Module;
    if (platform::endsWithIgnoreCase(productPath, ".cls"))
        return ComponentKind::Class;
    return std::nullopt;
}

namespace {

// The companion of a form file: the same name with the extension .frx.
std::string companionPath(std::string_view formPath)
{
    std::string name = platform::fileNamePart(formPath);
    size_t dot = name.rfind('.');
    std::string base = dot == std::string::npos ? name : name.substr(0, dot);
    std::string dir = platform::directoryPart(formPath);
    return dir.empty() ? base + ".frx" : platform::joinPath(dir, base + ".frx");
}

} // namespace

std::shared_ptr<Component> Component::fromText(ComponentKind kind,
                                               std::string_view productPath,
                                               std::string_view bytes,
                                               std::optional<std::string> frx)
{
    std::shared_ptr<Component> c(new Component);
    c->m_kind = kind;
    c->m_path = std::string(productPath);
    std::string shown = productPath.empty() ? std::string("(new)") : std::string(productPath);
    if (kind == ComponentKind::Form) {
        c->m_form = FormFile::parse(bytes, shown, &c->m_problems);
        c->m_frx = std::move(frx);
        c->m_form->attachFrx(&c->m_frx);
        if (!productPath.empty())
            c->m_form->setFrxFileName(platform::fileNamePart(companionPath(productPath)));
    } else {
        c->m_module = ModuleFile::parse(kind, bytes, shown, &c->m_problems);
    }
    c->m_savedText = std::string(bytes);
    c->m_savedFrx = c->m_frx;
    c->m_written = !productPath.empty();
    return c;
}

std::optional<std::string> DirectoryCache::find(std::string_view productPath)
{
    std::string dir = platform::directoryPart(productPath);
    auto it = m_directories.find(dir);
    if (it == m_directories.end()) {
        std::map<std::string, std::string> names;
        std::error_code ec;
        std::filesystem::path resolved =
            dir.empty() ? std::filesystem::path(".") : platform::resolvePath(dir);
        for (std::filesystem::directory_iterator entry(resolved, ec), end; !ec && entry != end;
             entry.increment(ec)) {
            std::string name = entry->path().filename().string();
            names.emplace(platform::toUpper(name), name);
        }
        it = m_directories.emplace(dir, std::move(names)).first;
    }
    auto found = it->second.find(platform::toUpper(platform::fileNamePart(productPath)));
    if (found == it->second.end())
        return std::nullopt;
    return dir.empty() ? found->second : platform::joinPath(dir, found->second);
}

std::shared_ptr<Component> Component::load(std::string_view productPath)
{
    DirectoryCache cache;
    return load(productPath, cache);
}

std::shared_ptr<Component> Component::load(std::string_view productPath, DirectoryCache &cache)
{
    auto kind = componentKindOfPath(productPath);
    if (!kind)
        throw VbError(err::InvalidProcedureCall,
                      std::string(productPath) + ": not a form, module or class file");
    std::string bytes = platform::readFile(productPath);
    std::optional<std::string> frx;
    if (*kind == ComponentKind::Form) {
        if (auto companion = cache.find(companionPath(productPath)))
            frx = platform::readFile(*companion);
    }
    return fromText(*kind, productPath, bytes, std::move(frx));
}

std::shared_ptr<Component>
Component::createNew(ComponentKind kind, std::string_view name, std::string_view version)
{
    std::shared_ptr<Component> c(new Component);
    c->m_kind = kind;
    if (kind == ComponentKind::Form) {
        c->m_form = FormFile::createNew(name, version);
        c->m_form->attachFrx(&c->m_frx);
        c->m_form->setFrxFileName(std::string(name) + ".frx");
    } else {
        c->m_module = ModuleFile::createNew(kind, name);
    }
    c->m_savedText = c->text();
    return c;
}

std::string Component::name() const
{
    if (m_form)
        return m_form->name();
    std::string name = m_module->name();
    if (!name.empty() || m_path.empty())
        return name;
    // An older module has no VB_Name: it is known by its file's base name.
    std::string file = platform::fileNamePart(m_path);
    return file.substr(0, file.rfind('.'));
}

const std::string &Component::code() const
{
    return m_form ? m_form->code() : m_module->code();
}

void Component::setCode(std::string code)
{
    if (m_form)
        m_form->setCode(std::move(code));
    else
        m_module->setCode(std::move(code));
}

void Component::setFrx(std::optional<std::string> bytes)
{
    m_frx = std::move(bytes);
}

std::string Component::frxPath() const
{
    if (m_kind != ComponentKind::Form || m_path.empty())
        return {};
    return companionPath(m_path);
}

std::string Component::designText() const
{
    if (!m_form)
        throw VbError(err::InvalidProcedureCall);
    return m_form->root()->text();
}

void Component::restoreDesign(std::string_view design)
{
    if (!m_form)
        throw VbError(err::InvalidProcedureCall);
    const std::string file = m_form->text();
    const std::string block = m_form->root()->text();
    // The preamble (VERSION and Object lines) cannot hold the form's whole block, so its first
    // occurrence is the block itself.
    const std::size_t begin = file.find(block);
    if (begin == std::string::npos)
        throw VbError(err::InvalidProcedureCall);
    std::string bytes = file.substr(0, begin);
    bytes += design;
    bytes.append(file, begin + block.size(), std::string::npos);
    std::unique_ptr<FormFile> form =
        FormFile::parse(bytes, m_path.empty() ? std::string("(new)") : m_path);
    form->setFrxFileName(m_form->frxFileName());
    form->attachFrx(&m_frx);
    // Controls someone still holds leave the old form rather than point into a freed one.
    for (const ControlPtr &child : m_form->root()->children())
        m_form->removeControl(*child);
    m_form = std::move(form);
}

std::string Component::text() const
{
    return m_form ? m_form->text() : m_module->text();
}

bool Component::isModified() const
{
    return !m_written || m_frx != m_savedFrx || text() != m_savedText;
}

std::vector<std::string> Component::writeTo(const std::string &path)
{
    std::string bytes = text();
    std::vector<std::string> written;
    platform::writeFile(path, bytes);
    written.push_back(path);
    if (m_kind == ComponentKind::Form && m_frx) {
        std::string companion = companionPath(path);
        platform::writeFile(companion, *m_frx);
        written.push_back(companion);
    }
    m_savedText = std::move(bytes);
    m_savedFrx = m_frx;
    m_written = true;
    return written;
}

std::vector<std::string> Component::save()
{
    if (m_path.empty())
        throw VbError(err::PathFileAccessError,
                      name() + " has never been saved; it needs a file name");
    // Lines the reader did not understand are kept where they stood: they never stop a save.
    if (!isModified())
        return {};
    return writeTo(m_path);
}

std::vector<std::string> Component::saveAs(std::string_view productPath)
{
    if (productPath.empty())
        throw VbError(err::BadFileNameOrNumber);
    std::string newCompanion = platform::fileNamePart(companionPath(productPath));
    if (m_form && !platform::equalsIgnoreCase(m_form->frxFileName(), newCompanion))
        m_form->renameFrxReferences(newCompanion);
    m_path = std::string(productPath);
    return writeTo(m_path);
}

} // namespace qm::ide
