// The stand-in IDE's model: project, windows, keys, commands and notifications.
#include "ide/Ide.h"

#include "ide/Form.h"
#include "ide/PlatformPath.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <algorithm>

namespace qm::ide {
namespace {

using platform::VbError;
using platform::WindowHandle;
namespace err = platform::err;

platform::WindowRegistry &registry()
{
    return platform::windowRegistry();
}

std::string defaultFileName(const Component &component)
{
    switch (component.kind()) {
    case ComponentKind::Form:
        return component.name() + ".frm";
    case ComponentKind::Module:
        return component.name() + ".bas";
    case ComponentKind::Class:
        return component.name() + ".cls";
    }
    return component.name();
}

const char *fileFilter(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::Form:
        return "Form Files (*.frm)|*.frm";
    case ComponentKind::Module:
        return "Basic Files (*.bas)|*.bas";
    case ComponentKind::Class:
        return "Class Files (*.cls)|*.cls";
    }
    return "";
}

class IdeMenuLine;

class IdeSubMenu final : public host::SubMenu
{
public:
    explicit IdeSubMenu(std::string caption)
        : m_caption(std::move(caption))
    {}
    std::string caption() const override { return m_caption; }
    std::shared_ptr<host::MenuLine> addMenuItem(std::string_view caption) override;
    int count() const override { return static_cast<int>(m_lines.size()); }
    std::shared_ptr<host::MenuLine> item(int index) const override;
    void detach() { m_attached = false; }
    bool isAttached() const { return m_attached; }
    std::shared_ptr<IdeMenuLine> line(std::string_view caption) const;

private:
    std::string m_caption;
    std::vector<std::shared_ptr<IdeMenuLine>> m_lines;
    bool m_attached = true;
};

class IdeMenuLine final : public host::MenuLine
{
public:
    IdeMenuLine(std::string caption, const IdeSubMenu *owner)
        : m_caption(std::move(caption))
        , m_owner(owner)
    {}
    std::string caption() const override { return m_caption; }
    host::ConnectionId connectEvents(host::MenuCommand &command) override
    {
        host::ConnectionId id = nextConnectionId();
        m_commands.emplace_back(id, &command);
        return id;
    }
    void disconnectEvents(host::ConnectionId id) override
    {
        auto at = std::find_if(m_commands.begin(), m_commands.end(),
                               [id](const auto &c) { return c.first == id; });
        if (at == m_commands.end())
            throw VbError(err::InvalidProcedureCall);
        m_commands.erase(at);
    }
    void click() const
    {
        if (!m_owner->isAttached())
            return;
        // A command may disconnect itself (or others) while it runs.
        auto commands = m_commands;
        for (const auto &c : commands)
            c.second->AfterClick();
    }

private:
    std::string m_caption;
    const IdeSubMenu *m_owner;
    std::vector<std::pair<host::ConnectionId, host::MenuCommand *>> m_commands;
};

std::shared_ptr<host::MenuLine> IdeSubMenu::item(int index) const
{
    if (index < 0 || index >= count())
        throw VbError(err::SubscriptOutOfRange);
    return m_lines[static_cast<std::size_t>(index)];
}

std::shared_ptr<host::MenuLine> IdeSubMenu::addMenuItem(std::string_view caption)
{
    auto line = std::make_shared<IdeMenuLine>(std::string(caption), this);
    m_lines.push_back(line);
    return line;
}

std::shared_ptr<IdeMenuLine> IdeSubMenu::line(std::string_view caption) const
{
    for (const auto &l : m_lines) {
        if (l->caption() == caption)
            return l;
    }
    return nullptr;
}

} // namespace

host::ConnectionId nextConnectionId()
{
    static host::ConnectionId next = 1;
    return next++;
}

// --- menu -------------------------------------------------------------------------------------

std::shared_ptr<host::SubMenu> IdeMenu::addSubMenu(std::string_view caption)
{
    auto menu = std::make_shared<IdeSubMenu>(std::string(caption));
    m_subMenus.push_back(menu);
    return menu;
}

void IdeMenu::removeSubMenu(const host::SubMenu &subMenu)
{
    auto at = std::find_if(m_subMenus.begin(), m_subMenus.end(),
                           [&](const auto &m) { return m.get() == &subMenu; });
    if (at == m_subMenus.end())
        throw VbError(err::InvalidProcedureCall);
    static_cast<IdeSubMenu &>(**at).detach();
    m_subMenus.erase(at);
}

std::vector<std::string> IdeMenu::captions() const
{
    std::vector<std::string> out;
    for (const auto &m : m_subMenus)
        out.push_back(m->caption());
    return out;
}

std::shared_ptr<host::SubMenu> IdeMenu::find(std::string_view caption) const
{
    for (const auto &m : m_subMenus) {
        if (m->caption() == caption)
            return m;
    }
    return nullptr;
}

bool IdeMenu::click(std::string_view subMenu, std::string_view line)
{
    auto menu = std::static_pointer_cast<IdeSubMenu>(find(subMenu));
    if (!menu)
        return false;
    auto l = menu->line(line);
    if (!l)
        return false;
    l->click();
    return true;
}

// --- the IDE ----------------------------------------------------------------------------------

Ide::Ide()
    : m_menu(std::make_unique<IdeMenu>())
{
    registerWindows();
    newProject();
}

Ide::~Ide()
{
    closeAllComponentWindows();
    for (WindowHandle h : {m_toolbox, m_properties, m_projectWindow, m_main})
        registry().remove(h);
}

void Ide::registerWindows()
{
    // The start-up layout of a 1280 x 800 screen, outer positions: the main window across the
    // top, the project and properties windows at the right, the add-in's palette (133, 100 by
    // default) under the main window, the toolbox at the left under the palette (wide enough
    // for a title bar's buttons and caption), the code windows and designers between.
    m_main = registry().add("Microsoft Visual Basic [design]", wndclass::Main, 0, 0, 1280, 56);
    m_projectWindow = registry().add("Project", wndclass::Project, 1020, 100, 256, 250);
    m_properties = registry().add("Properties", wndclass::Properties, 1020, 392, 256, 380);
    m_toolbox = registry().add("Toolbox", wndclass::Toolbox, 0, 160, 176, 124);
    registry().activate(m_main);
}

std::string Ide::mainCaption() const
{
    std::string name = m_project ? m_project->name() : std::string("Project1");
    return name + " - Microsoft Visual Basic [design]";
}

void Ide::updateCaptions()
{
    registry().setCaption(m_main, mainCaption());
    registry().setCaption(m_projectWindow,
                          "Project - " + (m_project ? m_project->name() : std::string()));
}

template<typename Notify> void Ide::notify(Notify &&notification)
{
    // A receiver may disconnect while it is told.
    auto receivers = m_receivers;
    for (auto &entry : receivers) {
        if (m_receivers.count(entry.first))
            notification(*entry.second);
    }
}

void Ide::closeAllComponentWindows()
{
    for (auto &cw : m_codeWindows)
        registry().remove(cw->window);
    for (auto &d : m_designers)
        registry().remove(d->window);
    m_codeWindows.clear();
    m_designers.clear();
    m_lastPosition.reset();
    m_find.close();
    m_selected.reset();
}

void Ide::openProject(std::string_view path)
{
    std::string name(path);
    bool cancelDefault = false;
    notify([&](host::FileControlEvents &r) { r.DoGetOpenProjectName(name, cancelDefault); });
    std::unique_ptr<Project> project = Project::load(name);
    closeAllComponentWindows();
    m_project = std::move(project);
    if (!m_project->components().empty())
        m_selected = m_project->components().front();
    updateCaptions();
    if (!m_project->problems().empty()) {
        std::string message;
        for (const LoadProblem &p : m_project->problems()) {
            if (!message.empty())
                message += '\n';
            LoadProblem shown = p; // the files as this system writes them
            shown.file = platformPath(p.file);
            shown.message = withPlatformPaths(p.message, m_project->directory());
            message += shown.text();
        }
        platform::ui().msgBox(message, platform::mb::Exclamation, "Open Project");
    }
    registry().activate(m_projectWindow);
}

void Ide::newProject()
{
    closeAllComponentWindows();
    m_project = Project::createNew();
    ComponentPtr form = m_project->addNew(ComponentKind::Form);
    updateCaptions();
    showDesigner(form);
}

void Ide::reloadProject()
{
    if (!m_project || m_project->isNew())
        throw VbError(err::PathFileAccessError);
    std::unique_ptr<Project> project = Project::load(m_project->fileName());
    closeAllComponentWindows();
    m_project = std::move(project);
    if (!m_project->components().empty())
        m_selected = m_project->components().front();
    updateCaptions();
}

void Ide::saveProjectAs(std::string_view path)
{
    if (!m_project)
        throw VbError(err::ObjectNotSet);
    const std::vector<std::string> written = m_project->saveAs(path);
    // The components written go through the same notice as Save File; the project file itself
    // is not a file Save File writes.
    const std::string projectFile = m_project->fileName();
    for (const std::string &file : written) {
        if (file != projectFile)
            notify([&](host::FileControlEvents &r) { r.AfterWriteFile(file, true); });
    }
}

ComponentPtr Ide::addFile(std::string_view path)
{
    if (!m_project)
        throw VbError(err::ObjectNotSet);
    ComponentPtr component = m_project->addFile(path);
    m_selected = component;
    std::string added = component->path();
    notify([&](host::FileControlEvents &r) { r.AfterAddFile(added); });
    return component;
}

// --- windows ----------------------------------------------------------------------------------

CodeWindow *Ide::codeWindowOf(const Component &component)
{
    for (auto &cw : m_codeWindows) {
        if (cw->component.get() == &component)
            return cw.get();
    }
    return nullptr;
}

DesignerWindow *Ide::designerOf(const Component &component)
{
    for (auto &d : m_designers) {
        if (d->designer->component().get() == &component)
            return d.get();
    }
    return nullptr;
}

CodeWindow &Ide::showCode(const ComponentPtr &component)
{
    if (!component)
        throw VbError(err::ObjectNotSet);
    m_selected = component;
    if (CodeWindow *cw = codeWindowOf(*component)) {
        registry().activate(cw->window);
        m_lastKeyWindow = cw->window;
        return *cw;
    }
    auto cw = std::make_unique<CodeWindow>();
    cw->component = component;
    cw->buffer = component->code();
    cw->pane = std::make_unique<CodePane>(cw->buffer);
    CodeWindow *raw = cw.get();
    cw->pane->setOnChanged([raw] { raw->component->setCode(raw->buffer); });
    int offset = static_cast<int>(m_codeWindows.size()) * 24;
    cw->window = registry().add(component->name() + " (Code)", wndclass::Code, 184 + offset,
                                170 + offset, 600, 400);
    m_codeWindows.push_back(std::move(cw));
    registry().activate(raw->window);
    m_lastKeyWindow = raw->window;
    return *raw;
}

DesignerWindow &Ide::showDesigner(const ComponentPtr &component)
{
    if (!component)
        throw VbError(err::ObjectNotSet);
    if (DesignerWindow *d = designerOf(*component)) {
        m_selected = component;
        registry().activate(d->window);
        m_lastKeyWindow = d->window;
        return *d;
    }
    auto d = std::make_unique<DesignerWindow>();
    d->designer = std::make_unique<Designer>(component);
    m_selected = component;
    int offset = static_cast<int>(m_designers.size()) * 24;
    d->window = registry().add(component->name() + " (Form)", wndclass::Designer, 208 + offset,
                               200 + offset, 480, 360);
    DesignerWindow *raw = d.get();
    m_designers.push_back(std::move(d));
    registry().activate(raw->window);
    m_lastKeyWindow = raw->window;
    return *raw;
}

WindowHandle Ide::keyWindow() const
{
    WindowHandle active = registry().activeWindow();
    auto isChild = [this](WindowHandle h) {
        if (h == m_projectWindow || h == m_toolbox || h == m_properties)
            return true;
        for (const auto &cw : m_codeWindows) {
            if (cw->window == h)
                return true;
        }
        for (const auto &d : m_designers) {
            if (d->window == h)
                return true;
        }
        return false;
    };
    if (isChild(active)) {
        m_lastKeyWindow = active;
        return active;
    }
    if (active != m_main || active == 0)
        return 0;
    return isChild(m_lastKeyWindow) ? m_lastKeyWindow : m_main;
}

CodeWindow *Ide::activeCodeWindow()
{
    WindowHandle h = keyWindow();
    for (auto &cw : m_codeWindows) {
        if (cw->window == h)
            return cw.get();
    }
    return nullptr;
}

DesignerWindow *Ide::activeDesigner()
{
    WindowHandle h = keyWindow();
    for (auto &d : m_designers) {
        if (d->window == h)
            return d.get();
    }
    return nullptr;
}

ComponentPtr Ide::activeComponent() const
{
    WindowHandle h = keyWindow();
    for (const auto &cw : m_codeWindows) {
        if (cw->window == h)
            return cw->component;
    }
    for (const auto &d : m_designers) {
        if (d->window == h)
            return d->designer->component();
    }
    if (m_selected && m_project) {
        const auto &all = m_project->components();
        if (std::find(all.begin(), all.end(), m_selected) != all.end())
            return m_selected;
    }
    return nullptr;
}

void Ide::selectComponent(const ComponentPtr &component)
{
    m_selected = component;
    registry().activate(m_projectWindow);
    m_lastKeyWindow = m_projectWindow;
}

ComponentPtr Ide::activeFormComponent() const
{
    ComponentPtr component = activeComponent();
    return (component && component->form()) ? component : nullptr;
}

void Ide::closeWindow(WindowHandle window)
{
    if (window == m_toolbox || window == m_properties) {
        registry().showWindow(window, platform::sw::Hide);
        return;
    }
    for (auto it = m_codeWindows.begin(); it != m_codeWindows.end(); ++it) {
        if ((*it)->window == window) {
            registry().remove(window);
            m_codeWindows.erase(it);
            return;
        }
    }
    for (auto it = m_designers.begin(); it != m_designers.end(); ++it) {
        if ((*it)->window == window) {
            registry().remove(window);
            m_designers.erase(it);
            return;
        }
    }
}

void Ide::closeFrontWindow()
{
    // With the main window active, Close Window closes the host window in front; the project
    // window stays.
    for (WindowHandle h : registry().zOrder()) {
        const platform::WindowInfo *info = registry().find(h);
        if (h == m_main || h == m_projectWindow || !info->visible)
            continue;
        bool ours = (h == m_toolbox || h == m_properties);
        for (const auto &cw : m_codeWindows)
            ours = ours || cw->window == h;
        for (const auto &d : m_designers)
            ours = ours || d->window == h;
        if (ours) {
            closeWindow(h);
            return;
        }
    }
}

// --- keys and commands ------------------------------------------------------------------------

void Ide::deliverKey(const platform::KeyChord &chord)
{
    if (m_find.isOpen()) {
        switch (m_find.applyKey(chord)) {
        case FindDialog::Action::FindNext:
            m_find.close();
            findNextAndTell();
            break;
        case FindDialog::Action::Cancel:
            m_find.close();
            break;
        case FindDialog::Action::None:
            break;
        }
        return;
    }
    WindowHandle target = keyWindow();
    if (target == 0)
        return;
    if (std::optional<IdeCommand> command = m_keyMap.commandFor(chord)) {
        runCommand(*command);
        return;
    }
    if (CodeWindow *cw = activeCodeWindow()) {
        cw->pane->applyKey(chord);
        return;
    }
    if (DesignerWindow *d = activeDesigner())
        d->designer->applyKey(chord);
}

void Ide::runCommand(IdeCommand command)
{
    ComponentPtr component = activeComponent();
    switch (command) {
    case IdeCommand::SaveFile:
        if (component)
            saveFile(component);
        break;
    case IdeCommand::RemoveFile:
        if (component)
            removeFile(component);
        break;
    case IdeCommand::Print:
        m_actions.push_back("print " + (component ? component->name() : std::string()));
        break;
    case IdeCommand::ProjectWindow:
        registry().showWindow(m_projectWindow, platform::sw::ShowNormal);
        m_lastKeyWindow = m_projectWindow;
        break;
    case IdeCommand::Toolbox:
        registry().showWindow(m_toolbox, platform::sw::ShowNormal);
        m_lastKeyWindow = m_toolbox;
        break;
    case IdeCommand::Find: {
        std::string initial = m_lastSearch;
        if (CodeWindow *cw = activeCodeWindow()) {
            std::string selected = cw->pane->selectedText();
            if (!selected.empty() && selected.find_first_of("\r\n") == std::string::npos)
                initial = selected;
        }
        m_find.open(initial);
        break;
    }
    case IdeCommand::CodeView:
        if (component)
            showCode(component);
        break;
    case IdeCommand::FormView:
        if (component && component->form())
            showDesigner(component);
        break;
    case IdeCommand::LastPosition:
        goToLastPosition();
        break;
    case IdeCommand::CloseWindow: {
        WindowHandle active = registry().activeWindow();
        if (active == m_main)
            closeFrontWindow();
        else if (active != m_projectWindow)
            closeWindow(active);
        break;
    }
    case IdeCommand::Help:
        // The host's help is the add-in's user guide, at its contents.
        m_actions.push_back("help");
        platform::showUserGuide();
        break;
    }
}

void Ide::saveFile(const ComponentPtr &component)
{
    std::vector<std::string> written;
    std::string target = component->path();
    try {
        if (component->isNew()) {
            platform::FileDialogRequest request;
            request.title = "Save File As";
            request.filter = fileFilter(component->kind());
            request.initialDirectory = m_project ? m_project->directory() : std::string();
            request.fileName = defaultFileName(*component);
            std::optional<std::string> path = platform::ui().saveFileDialog(request);
            if (!path)
                return;
            target = *path;
            written = component->saveAs(*path);
        } else {
            written = component->save();
            // An unchanged file is not written again, but the host still reports it saved.
            if (written.empty()) {
                written.push_back(component->path());
                if (component->frx())
                    written.push_back(component->frxPath());
            }
        }
    } catch (const VbError &e) {
        notify([&](host::FileControlEvents &r) { r.AfterWriteFile(target, false); });
        platform::ui().msgBox(
            m_project ? withPlatformPaths(e.description, m_project->directory()) : e.description,
            platform::mb::Exclamation, "Save File");
        return;
    }
    for (const std::string &path : written)
        notify([&](host::FileControlEvents &r) { r.AfterWriteFile(path, true); });
}

void Ide::removeFile(const ComponentPtr &component)
{
    if (!m_project)
        return;
    if (component->isModified()) {
        int answer = platform::ui().msgBox("Save changes to " + component->name() + "?",
                                           platform::mb::YesNoCancel | platform::mb::Exclamation,
                                           "Remove File");
        if (answer == platform::mb::Cancel)
            return;
        if (answer == platform::mb::Yes) {
            saveFile(component);
            if (component->isModified() || component->isNew())
                return; // not saved: keep it rather than lose the changes
        }
    }
    if (CodeWindow *cw = codeWindowOf(*component))
        closeWindow(cw->window);
    if (DesignerWindow *d = designerOf(*component))
        closeWindow(d->window);
    std::string path = component->path();
    m_project->removeComponent(*component);
    if (m_selected == component)
        m_selected = m_project->components().empty() ? nullptr : m_project->components().front();
    notify([&](host::FileControlEvents &r) { r.AfterRemoveFile(path); });
}

Ide::FindResult Ide::findNext()
{
    const std::string what = m_find.findWhat();
    if (what.empty() || !m_project)
        return FindResult::NotFound;
    m_lastSearch = what;
    ComponentPtr start = activeComponent();
    if (!start && !m_project->components().empty())
        start = m_project->components().front();
    if (!start)
        return FindResult::NotFound;

    auto codeOf = [this](const ComponentPtr &c) -> std::string {
        if (CodeWindow *cw = codeWindowOf(*c))
            return cw->buffer;
        return c->code();
    };
    std::size_t from = 0;
    std::size_t lo = 0;
    std::size_t hi = std::string::npos;
    if (CodeWindow *cw = codeWindowOf(*start)) {
        from = std::max(cw->pane->caret(), cw->pane->anchor());
        if (m_find.scope() == FindDialog::Scope::CurrentProcedure && cw->pane->procedureView()) {
            lo = cw->pane->shownRange().first;
            hi = cw->pane->shownRange().second;
        }
    }

    auto found = [&](const ComponentPtr &c, std::size_t at, FindResult result) {
        rememberPosition();
        CodeWindow &cw = showCode(c);
        cw.pane->select(at, at + what.size());
        return result;
    };
    auto search = [&](const std::string &code, std::size_t begin, std::size_t end) {
        std::size_t at = platform::findIgnoreCase(code, what, begin);
        if (at == std::string::npos || (end != std::string::npos && at + what.size() > end))
            return std::string::npos;
        return at;
    };

    std::string code = codeOf(start);
    if (std::size_t at = search(code, std::max(from, lo), hi); at != std::string::npos)
        return found(start, at, FindResult::Found);
    if (m_find.scope() == FindDialog::Scope::CurrentProject) {
        // The components after the start one are ahead; those before it are reached only by
        // going round from the last to the first.
        const auto &all = m_project->components();
        auto it = std::find(all.begin(), all.end(), start);
        std::size_t first = (it == all.end()) ? 0 : static_cast<std::size_t>(it - all.begin());
        for (std::size_t k = 1; k < all.size(); ++k) {
            const std::size_t index = (first + k) % all.size();
            const ComponentPtr &c = all[index];
            std::string other = codeOf(c);
            if (std::size_t at = search(other, 0, std::string::npos); at != std::string::npos)
                return found(c, at, index > first ? FindResult::Found : FindResult::Wrapped);
        }
    }
    // Wrap around to the start of the scope. A search that began there has not wrapped.
    if (std::size_t at = search(code, lo, std::min(hi, from + what.size()));
        at != std::string::npos)
        return found(start, at, from > lo ? FindResult::Wrapped : FindResult::Found);
    return FindResult::NotFound;
}

void Ide::findNextAndTell()
{
    // The procedure scope holds only while the code window shows one procedure.
    FindDialog::Scope scope = m_find.scope();
    if (scope == FindDialog::Scope::CurrentProcedure) {
        ComponentPtr start = activeComponent();
        CodeWindow *cw = start ? codeWindowOf(*start) : nullptr;
        if (!cw || !cw->pane->procedureView())
            scope = FindDialog::Scope::CurrentModule;
    }
    switch (findNext()) {
    case FindResult::Found:
        return;
    case FindResult::NotFound:
        platform::ui().msgBox("Specified text not found.", platform::mb::Information, "Find");
        return;
    case FindResult::Wrapped:
        break;
    }
    const char *region = scope == FindDialog::Scope::CurrentProcedure ? "procedure"
                         : scope == FindDialog::Scope::CurrentProject ? "project"
                                                                      : "module";
    platform::ui().msgBox(std::string("The search passed the end of the ") + region +
                              " and continued from the beginning.",
                          platform::mb::Information, "Find");
}

void Ide::rememberPosition()
{
    if (CodeWindow *cw = activeCodeWindow())
        m_lastPosition = Position{cw->component, cw->pane->caret()};
}

void Ide::goToLastPosition()
{
    if (!m_lastPosition)
        return;
    ComponentPtr component = m_lastPosition->component.lock();
    std::size_t caret = m_lastPosition->caret;
    if (!component || !m_project)
        return;
    const auto &all = m_project->components();
    if (std::find(all.begin(), all.end(), component) == all.end())
        return;
    rememberPosition();
    CodeWindow &cw = showCode(component);
    cw.pane->setCaret(caret);
}

// --- the add-in side --------------------------------------------------------------------------

host::ConnectionId Ide::connectFileControl(host::FileControlEvents &receiver)
{
    host::ConnectionId id = nextConnectionId();
    m_receivers[id] = &receiver;
    return id;
}

void Ide::disconnectFileControl(host::ConnectionId id)
{
    if (m_receivers.erase(id) == 0)
        throw VbError(err::InvalidProcedureCall);
}

void Ide::setCode(const ComponentPtr &component, std::string code)
{
    if (CodeWindow *cw = codeWindowOf(*component)) {
        cw->pane->resetText(std::move(code));
        component->setCode(cw->buffer);
        return;
    }
    component->setCode(std::move(code));
}

void Ide::insertFileIntoActiveForm(std::string_view path)
{
    ComponentPtr form = activeFormComponent();
    if (!form)
        throw VbError(err::ObjectNotSet);
    std::string text = platform::readFile(path);
    if (CodeWindow *cw = codeWindowOf(*form)) {
        cw->pane->appendText(text);
        return;
    }
    std::string code = form->code();
    CodePane pane(code);
    pane.appendText(text);
    form->setCode(std::move(code));
}

} // namespace qm::ide
