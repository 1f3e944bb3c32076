// The host's windows kept in step with the model.
#include "ide/ui/HostUi.h"

#include "ide/EditHistory.h"
#include "ide/Form.h"
#include "ide/Ide.h"
#include "ide/IdeHost.h"
#include "ide/PlatformPath.h"
#include "ide/Keyboard.h"
#include "ide/ui/AddIns.h"
#include "ide/ui/CodeView.h"
#include "ide/ui/DesignerView.h"
#include "ide/ui/FindWindow.h"
#include "ide/ui/KeyEvents.h"
#include "ide/ui/MainWindow.h"
#include "ide/ui/ProjectWindow.h"
#include "ide/ui/PropertiesWindow.h"
#include "ide/ui/ToolboxWindow.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/VbError.h"
#include "platform/qt/WindowBinding.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>
#include <set>

namespace qm::ide {
namespace {

/// AppActivate and SendKeys on screen: activation through the registry (the window follows),
/// keys as key events to the active window, exactly as a person's keys arrive.
class HostKeyboard final : public platform::KeyboardTarget
{
public:
    explicit HostKeyboard(HostUi &ui)
        : m_ui(ui)
        , m_model(ui.ide())
    {}
    void activate(std::string_view caption) override
    {
        m_model.activate(caption);
        m_ui.sync();
    }
    void sendKeys(std::string_view keys, bool) override { m_ui.sendKeyEvents(keys); }

private:
    HostUi &m_ui;
    IdeKeyboard m_model;
};

/// A form's design and .frx now, sharing the .frx of the state seen last when it is unchanged.
FormState formState(const Component &component, const FormHistory &history)
{
    return history.capture(component.designText(), component.frx());
}

/// Brings a form's design back to a state taken by formState, byte for byte.
void restoreFormState(Component &component, const FormState &state)
{
    component.restoreDesign(state.design);
    component.setFrx(state.frx ? std::optional<std::string>(*state.frx) : std::nullopt);
}

} // namespace

struct HostUi::History
{
    std::weak_ptr<Component> owner;
    bool codeSeen = false;
    TextHistory code;
    bool formSeen = false;
    FormHistory form;
};

std::string describeFailure(const std::exception &error)
{
    if (const auto *vb = dynamic_cast<const platform::VbError *>(&error))
        return vb->description.empty() ? "Error " + std::to_string(vb->number) : vb->description;
    return error.what();
}

// --- HostWindow ---------------------------------------------------------------------------

HostWindow::HostWindow(HostUi &ui)
    : QWidget(nullptr, Qt::Window)
    , m_ui(ui)
{}

bool deliverKeyEvent(HostUi &ui, QKeyEvent &event, QWidget &receiver)
{
    std::optional<platform::KeyChord> chord = chordOfKeyEvent(event);
    if (!chord)
        return false;
    // The key came to this window, so it has the focus, whatever the window manager told us.
    if (platform::WindowBinding *f = platform::WindowBinding::of(*receiver.window())) {
        if (platform::windowRegistry().activeWindow() != f->handle())
            platform::windowRegistry().activate(f->handle());
    }
    ui.deliverKey(*chord);
    return true;
}

void HostWindow::keyPressEvent(QKeyEvent *event)
{
    if (deliverKeyEvent(m_ui, *event, *this))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void HostWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (platform::WindowBinding *f = platform::WindowBinding::of(*this)) {
        platform::WindowHandle h = f->handle();
        m_ui.guard("Close", [&] { m_ui.ide().closeWindow(h); });
    }
}

// --- HostUi -------------------------------------------------------------------------------

HostUi::HostUi(Ide &ide)
    : m_ide(ide)
    , m_host(std::make_unique<IdeHost>(ide))
{
    m_addIns = std::make_unique<AddInManager>(*m_host);
    m_main = std::make_unique<MainWindow>(*this);
    m_project = std::make_unique<ProjectWindow>(*this);
    m_properties = std::make_unique<PropertiesWindow>(*this);
    m_toolbox = std::make_unique<ToolboxWindow>(*this);
    m_find = std::make_unique<FindWindow>(*this);
    platform::WindowBinding::follow(*m_main, ide.mainWindow());
    platform::WindowBinding::follow(*m_project, ide.projectWindow());
    platform::WindowBinding::follow(*m_properties, ide.propertiesWindow());
    platform::WindowBinding::follow(*m_toolbox, ide.toolboxWindow());
    m_keyboard = std::make_unique<HostKeyboard>(*this);
    m_previousKeyboard = platform::ui().keyboardTarget();
    platform::ui().setKeyboardTarget(m_keyboard.get());
    sync();
}

HostUi::~HostUi()
{
    m_addIns.reset(); // add-ins go before the windows they know
    if (platform::ui().keyboardTarget() == m_keyboard.get())
        platform::ui().setKeyboardTarget(m_previousKeyboard);
    for (auto &[handle, view] : m_views)
        delete view.data();
    m_views.clear();
}

host::Host &HostUi::host()
{
    return *m_host;
}

CodeWindow *HostUi::codeWindowOf(platform::WindowHandle handle)
{
    if (handle == 0 || !m_ide.project())
        return nullptr;
    for (const ComponentPtr &c : m_ide.project()->components()) {
        CodeWindow *cw = m_ide.codeWindowOf(*c);
        if (cw && cw->window == handle)
            return cw;
    }
    return nullptr;
}

DesignerWindow *HostUi::designerOf(platform::WindowHandle handle)
{
    if (handle == 0 || !m_ide.project())
        return nullptr;
    for (const ComponentPtr &c : m_ide.project()->components()) {
        DesignerWindow *d = m_ide.designerOf(*c);
        if (d && d->window == handle)
            return d;
    }
    return nullptr;
}

CodeView *HostUi::codeView(const Component &component)
{
    CodeWindow *cw = m_ide.codeWindowOf(component);
    if (!cw)
        return nullptr;
    auto at = m_views.find(cw->window);
    return at == m_views.end() ? nullptr : qobject_cast<CodeView *>(at->second.data());
}

DesignerView *HostUi::designerView(const Component &component)
{
    DesignerWindow *d = m_ide.designerOf(component);
    if (!d)
        return nullptr;
    auto at = m_views.find(d->window);
    return at == m_views.end() ? nullptr : qobject_cast<DesignerView *>(at->second.data());
}

QWidget *HostUi::widgetOf(platform::WindowHandle handle) const
{
    if (handle == 0)
        return nullptr;
    if (handle == m_ide.mainWindow())
        return m_main.get();
    if (handle == m_ide.projectWindow())
        return m_project.get();
    if (handle == m_ide.propertiesWindow())
        return m_properties.get();
    if (handle == m_ide.toolboxWindow())
        return m_toolbox.get();
    auto at = m_views.find(handle);
    return at == m_views.end() ? nullptr : at->second.data();
}

void HostUi::sync()
{
    if (m_syncing || m_ended)
        return;
    m_syncing = true;
    observeEdits();
    // The captions name the project as it stands: a project saved under a new name changes them.
    platform::WindowRegistry &registry = platform::windowRegistry();
    if (platform::windowCaption(m_ide.mainWindow()) != m_ide.mainCaption())
        registry.setCaption(m_ide.mainWindow(), m_ide.mainCaption());
    if (Project *project = m_ide.project()) {
        const std::string caption = "Project - " + project->name();
        if (platform::windowCaption(m_ide.projectWindow()) != caption)
            registry.setCaption(m_ide.projectWindow(), caption);
    }
    std::set<platform::WindowHandle> live;
    if (Project *project = m_ide.project()) {
        for (const ComponentPtr &c : project->components()) {
            if (CodeWindow *cw = m_ide.codeWindowOf(*c)) {
                live.insert(cw->window);
                if (!m_views.count(cw->window)) {
                    auto *view = new CodeView(*this, cw->window);
                    m_views[cw->window] = view;
                    platform::WindowBinding::follow(*view, cw->window)->apply();
                }
            }
            if (DesignerWindow *d = m_ide.designerOf(*c)) {
                live.insert(d->window);
                if (!m_views.count(d->window)) {
                    auto *view = new DesignerView(*this, d->window);
                    m_views[d->window] = view;
                    view->refresh();
                    platform::WindowBinding::follow(*view, d->window)->apply();
                }
            }
        }
    }
    for (auto it = m_views.begin(); it != m_views.end();) {
        if (live.count(it->first)) {
            ++it;
            continue;
        }
        if (QWidget *view = it->second.data()) {
            view->hide();
            view->deleteLater();
        }
        it = m_views.erase(it);
    }
    for (auto &[handle, view] : m_views) {
        if (!view)
            continue;
        if (auto *code = qobject_cast<CodeView *>(view.data()))
            code->refresh();
        else if (auto *designer = qobject_cast<DesignerView *>(view.data()))
            designer->refresh();
    }
    m_project->refresh();
    m_properties->refresh();
    m_toolbox->refresh();
    m_find->refresh();
    for (QWidget *w :
         {static_cast<QWidget *>(m_main.get()), static_cast<QWidget *>(m_project.get()),
          static_cast<QWidget *>(m_properties.get()), static_cast<QWidget *>(m_toolbox.get())}) {
        if (platform::WindowBinding *f = platform::WindowBinding::of(*w))
            f->apply();
    }
    for (auto &[handle, view] : m_views) {
        if (view) {
            if (platform::WindowBinding *f = platform::WindowBinding::of(*view))
                f->apply();
        }
    }
    // The active window last, so that it ends up in front.
    if (QWidget *active = widgetOf(platform::windowRegistry().activeWindow())) {
        if (platform::WindowBinding *f = platform::WindowBinding::of(*active))
            f->apply();
    }
    m_syncing = false;
    emit synced();
}

void HostUi::deliverKey(const platform::KeyChord &chord)
{
    if (takeEditKey(chord)) {
        if (m_sendingKeys == 0)
            sync();
        return;
    }
    if (m_sendingKeys == 0) {
        guard("Microsoft Visual Basic", [&] { m_ide.deliverKey(chord); });
        return;
    }
    // Inside a run of sent keys the windows catch up once, at its end, unless a key opens or
    // closes a window (the next key goes to it).
    const std::size_t windows = m_ide.codeWindowCount() + m_ide.designerCount();
    const platform::WindowHandle active = platform::windowRegistry().activeWindow();
    try {
        m_ide.deliverKey(chord);
    } catch (const std::exception &e) {
        showError("Microsoft Visual Basic", e);
    }
    if (windows != m_ide.codeWindowCount() + m_ide.designerCount() ||
        active != platform::windowRegistry().activeWindow())
        sync();
}

void HostUi::sendKeyEvents(std::string_view keys)
{
    // The whole text is parsed first: malformed keys deliver nothing.
    const std::vector<platform::KeyChord> chords = platform::parseSendKeys(keys);
    struct Batch
    {
        int &depth;
        explicit Batch(int &d)
            : depth(d)
        {
            ++depth;
        }
        ~Batch() { --depth; }
    } batch(m_sendingKeys);
    for (const platform::KeyChord &chord : chords) {
        platform::WindowHandle active = platform::windowRegistry().activeWindow();
        QWidget *target = widgetOf(active);
        if (!target) {
            // A window of an add-in: its focus widget takes the key as Qt would give it.
            for (QWidget *top : QApplication::topLevelWidgets()) {
                platform::WindowBinding *binding = platform::WindowBinding::of(*top);
                if (binding && binding->handle() == active && top->isVisible()) {
                    target = top->focusWidget() ? top->focusWidget() : top;
                    break;
                }
            }
        } else if (auto *code = qobject_cast<CodeView *>(target)) {
            target = code->text();
        }
        if (!target) {
            // No window of ours is active: the model decides (it ignores the key).
            deliverKey(chord);
            continue;
        }
        std::unique_ptr<QKeyEvent> press = keyEventOfChord(chord);
        QCoreApplication::sendEvent(target, press.get());
        QKeyEvent release(QEvent::KeyRelease, press->key(), press->modifiers(), press->text());
        QCoreApplication::sendEvent(target, &release);
    }
    sync();
}

void HostUi::showError(std::string_view title, const std::exception &error)
{
    // Files the message names are named as the system writes them.
    std::string message = describeFailure(error);
    if (const Project *project = m_ide.project(); project && !project->isNew())
        message = withPlatformPaths(std::move(message), project->directory());
    platform::ui().msgBox(message, platform::mb::Critical, title);
}

bool HostUi::openProject(std::string_view path)
{
    try {
        m_ide.openProject(path);
    } catch (const std::exception &e) {
        // The message names the file, as the system spells it.
        std::string message = describeFailure(e);
        const std::string shown = platformPath(path);
        if (message.find(shown) == std::string::npos)
            message += ": " + shown;
        platform::ui().msgBox(message, platform::mb::Critical, "Open Project");
        sync();
        return false;
    }
    sync();
    return true;
}

bool HostUi::saveProject()
{
    Project *project = m_ide.project();
    if (!project)
        return false;
    bool ok = true;
    if (project->isNew()) {
        platform::FileDialogRequest request;
        request.title = "Save Project As";
        request.filter = "Project Files (*.vbp)|*.vbp";
        request.fileName = project->name() + ".vbp";
        std::optional<std::string> path = platform::ui().saveFileDialog(request);
        if (!path)
            return false;
        ok = guard("Save Project", [&] { m_ide.saveProjectAs(*path); });
        return ok;
    }
    // Components first, through the host's own Save File, so that the add-ins hear of them.
    for (const ComponentPtr &c : std::vector<ComponentPtr>(project->components())) {
        if (!c->isModified() && !c->isNew())
            continue;
        ok = guard("Save Project",
                   [&] {
                       m_ide.selectComponent(c);
                       m_ide.runCommand(IdeCommand::SaveFile);
                   }) &&
             ok;
        if (c->isModified() || c->isNew())
            return false; // cancelled or failed; the message was shown
    }
    if (project->isModified())
        ok = guard("Save Project", [&] { project->save(); }) && ok;
    return ok;
}

bool HostUi::askToSaveChanges()
{
    Project *project = m_ide.project();
    if (!project)
        return true;
    auto ask = [](const std::string &question) {
        return platform::ui().msgBox(question,
                                     platform::mb::YesNoCancel | platform::mb::Exclamation,
                                     "Microsoft Visual Basic");
    };
    observeEdits();
    bool anyChanged = false;
    bool keptAny = false; // a changed file the programmer chose not to save
    for (const ComponentPtr &c : std::vector<ComponentPtr>(project->components())) {
        if (!isChanged(*c))
            continue;
        anyChanged = true;
        const int answer = ask("Save changes to " + c->name() + "?");
        if (answer == platform::mb::Cancel)
            return false;
        if (answer != platform::mb::Yes) {
            keptAny = true;
            continue;
        }
        guard("Save File", [&] {
            m_ide.selectComponent(c);
            m_ide.runCommand(IdeCommand::SaveFile);
        });
        if (c->isModified() || c->isNew())
            return false; // not saved (cancelled or failed; the message was shown)
    }
    // The project file itself: a new project once something in it changed, a saved one when
    // its text is not what its file holds.
    bool projectChanged = anyChanged;
    if (!project->isNew()) {
        try {
            projectChanged = platform::readFile(project->fileName()) != project->text();
        } catch (const std::exception &) {
            projectChanged = true;
        }
    }
    if (!projectChanged)
        return true;
    const int answer = ask("Save changes to the project " + project->name() + "?");
    if (answer == platform::mb::Cancel)
        return false;
    if (answer != platform::mb::Yes)
        return true;
    if (keptAny && !project->isNew()) {
        // Only the project file: the files answered No stay as they are on disk.
        return guard("Save Project", [&] {
            platform::writeFile(project->fileName(), project->text());
        });
    }
    return saveProject();
}

bool HostUi::isChanged(const Component &component) const
{
    if (!component.isNew())
        return component.isModified();
    // A component never saved counts as changed once it differs from how it began.
    auto at = m_pristine.find(&component);
    return at == m_pristine.end() || at->second != component.text();
}

bool HostUi::prepareClose(bool askToSave)
{
    if (askToSave && !askToSaveChanges())
        return false;
    m_addIns->disconnectAll();
    sync();
    return true;
}

void HostUi::endHost()
{
    if (m_ended)
        return;
    m_ended = true;
    // Every window goes: the host's own, its editors, and whatever an add-in left up.
    for (auto &[handle, view] : m_views) {
        if (view)
            view->hide();
    }
    for (QWidget *w : {static_cast<QWidget *>(m_find.get()), static_cast<QWidget *>(m_toolbox.get()),
                       static_cast<QWidget *>(m_properties.get()),
                       static_cast<QWidget *>(m_project.get()), static_cast<QWidget *>(m_main.get())})
        w->hide();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->hide();
    }
    // exit, not quit: quit asks each window to close, and the host's windows refuse.
    QCoreApplication::exit(0);
}

// --- undo and redo ------------------------------------------------------------------------

void HostUi::observeEdits()
{
    Project *project = m_ide.project();
    if (project != m_historyProject) {
        m_histories.clear();
        m_pristine.clear();
        m_historyProject = project;
        if (project) {
            for (const ComponentPtr &c : project->components()) {
                if (c->isNew())
                    m_pristine[c.get()] = c->text();
            }
        }
    }
    for (auto it = m_histories.begin(); it != m_histories.end();) {
        if (it->second->owner.expired())
            it = m_histories.erase(it);
        else
            ++it;
    }
    if (!project)
        return;
    for (const ComponentPtr &c : project->components()) {
        CodeWindow *cw = m_ide.codeWindowOf(*c);
        DesignerWindow *d = c->form() ? m_ide.designerOf(*c) : nullptr;
        if (!cw && !d)
            continue;
        std::unique_ptr<History> &h = m_histories[c.get()];
        if (!h) {
            h = std::make_unique<History>();
            h->owner = c;
        }
        if (cw) {
            if (!h->codeSeen)
                h->code.reset(cw->buffer, cw->pane->caret());
            else
                h->code.observe(cw->buffer, cw->pane->caret());
            h->codeSeen = true;
        }
        if (d) {
            if (!h->formSeen)
                h->form.reset(formState(*c, h->form));
            else
                h->form.observe(formState(*c, h->form));
            h->formSeen = true;
        }
    }
}

HostUi::History *HostUi::activeHistory(bool &code)
{
    const Component *component = nullptr;
    if (CodeWindow *cw = m_ide.activeCodeWindow()) {
        component = cw->component.get();
        code = true;
    } else if (DesignerWindow *d = m_ide.activeDesigner()) {
        component = d->designer->component().get();
        code = false;
    }
    auto at = component ? m_histories.find(component) : m_histories.end();
    return at == m_histories.end() ? nullptr : at->second.get();
}

bool HostUi::undoOrRedo(bool redo)
{
    observeEdits();
    bool code = false;
    History *h = activeHistory(code);
    if (!h)
        return false;
    if (code) {
        CodeWindow *cw = m_ide.activeCodeWindow();
        auto step = redo ? h->code.redo() : h->code.undo();
        if (!step)
            return false;
        m_ide.setCode(cw->component, step->first);
        cw->pane->setCaret(step->second);
        h->code.observe(cw->buffer, cw->pane->caret());
        return true;
    }
    DesignerWindow *d = m_ide.activeDesigner();
    const ComponentPtr c = d->designer->component();
    const FormState now = formState(*c, h->form);
    std::optional<FormState> state = redo ? h->form.redo(now) : h->form.undo(now);
    if (!state)
        return false;
    const bool restored = guard(redo ? "Redo" : "Undo", [&] { restoreFormState(*c, *state); });
    d->designer->clearSelection();
    h->form.settle(formState(*c, h->form));
    return restored;
}

std::size_t HostUi::frxCopiesHeld(const Component &component) const
{
    auto at = m_histories.find(&component);
    return at == m_histories.end() ? 0 : at->second->form.frxCopies();
}

bool HostUi::undo()
{
    const bool done = undoOrRedo(false);
    sync();
    return done;
}

bool HostUi::redo()
{
    const bool done = undoOrRedo(true);
    sync();
    return done;
}

bool HostUi::canUndo()
{
    observeEdits();
    bool code = false;
    History *h = activeHistory(code);
    return h && (code ? h->code.canUndo() : h->form.canUndo());
}

bool HostUi::canRedo()
{
    observeEdits();
    bool code = false;
    History *h = activeHistory(code);
    return h && (code ? h->code.canRedo() : h->form.canRedo());
}

bool HostUi::takeEditKey(const platform::KeyChord &chord)
{
    if (m_ide.findDialog().isOpen())
        return false;
    const bool ctrl = chord.modifiers == platform::keymod::Ctrl;
    const bool alt = chord.modifiers == platform::keymod::Alt;
    const char c = chord.key == platform::Key::Char ? platform::toLowerAscii(chord.ch) : '\0';
    const bool editor = m_ide.activeCodeWindow() || m_ide.activeDesigner();
    if (editor && ((ctrl && c == 'z') || (alt && chord.key == platform::Key::Backspace))) {
        undoOrRedo(false);
        return true;
    }
    if (editor && ctrl && c == 'y') {
        undoOrRedo(true);
        return true;
    }
    if (chord.key == platform::Key::F3 && chord.modifiers == 0 && m_ide.activeCodeWindow()) {
        // Find Next: the last text searched for, from after the match found last.
        m_ide.findNextAndTell();
        return true;
    }
    if (ctrl && c == 'a') {
        // Select All: the whole of what the code window shows.
        if (CodeWindow *cw = m_ide.activeCodeWindow()) {
            const auto [from, to] = cw->pane->shownRange();
            cw->pane->select(from, to);
            return true;
        }
    }
    return false;
}

void HostUi::setCurrentTool(std::string tool)
{
    m_tool = std::move(tool);
    m_toolbox->refresh();
}

} // namespace qm::ide
