// Creating, showing and unloading the shell's windows.
#include "shell/ui/QtShellWindows.h"

#include "changes/ui/ChangesUi.h"
#include "clipper/ui/ClipperUi.h"
#include "codetext/ui/CodetextUi.h"
#include "common/ProgramState.h"
#include "common/ToolRegistry.h"
#include "generators/ui/GeneratorsUi.h"
#include "layout/ui/LayoutUi.h"
#include "library/ui/LibraryUi.h"
#include "platform/qt/WindowBinding.h"
#include "search/ui/SearchUi.h"
#include "shell/ui/ShellUi.h"
#include "shell/ui/frmApperTab.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/frmTAB2.h"
#include "shell/ui/frmTT.h"

#include <QApplication>
#include <QCloseEvent>

#include <utility>

namespace qm::shell {

namespace {

// Each tool folder's registration of its windows and pages. A new tool folder adds its line.
// clang-format off
constexpr void (*kToolFolders[])(common::ToolRegistry &) = {
    &changes::registerUi,
    &clipper::registerUi,
    &codetext::registerUi,
    &generators::registerUi,
    &layout::registerUi,
    &library::registerUi,
    &search::registerUi,
    &shell::registerUi,
};
// clang-format on

void unload(QWidget *window)
{
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

// Watches a tool window for its unload: a close the window accepts, or its deletion.
class UnloadWatch final : public QObject
{
public:
    UnloadWatch(QWidget &window, std::function<void()> unloaded)
        : QObject(&window)
        , m_unloaded(std::move(unloaded))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Close || watched != parent())
            return QObject::eventFilter(watched, event);
        // The window's own handler decides first: a close it refuses is no unload. The event
        // is handled here, so it is not handed to the window a second time.
        watched->event(event);
        if (event->isAccepted() && m_unloaded)
            std::exchange(m_unloaded, {})(); // once: the window is no tool window any more
        return true;
    }

private:
    std::function<void()> m_unloaded;
};

} // namespace

QtShellWindows::QtShellWindows()
{
    registerToolFolders();
    m_previousShowWindow = common::toolRegistry().setShowWindow(
        [this](std::string_view name) { return showToolWindow(name); });
}

QtShellWindows::~QtShellWindows()
{
    common::toolRegistry().setShowWindow(std::move(m_previousShowWindow));
    delete m_tooltip;
    delete m_palette;
    delete m_splash;
    delete m_about;
    auto loaded = std::move(m_toolWindows);
    m_toolWindows.clear();
    for (auto &[name, entry] : loaded) {
        common::programState().setWindowOpen(name, false);
        delete entry.window.data();
    }
}

void QtShellWindows::showSplash()
{
    if (!m_splash)
        m_splash = new frmSplash;
    m_splash->show();
    QApplication::processEvents();
}

void QtShellWindows::unloadSplash()
{
    unload(m_splash);
    m_splash = nullptr;
}

void QtShellWindows::showPalette()
{
    if (!m_palette)
        m_palette = new frmTAB2;
    m_palette->show();
}

void QtShellWindows::unloadPalette()
{
    unload(m_palette);
    m_palette = nullptr;
}

bool QtShellWindows::isPaletteMaximized() const
{
    return m_palette && m_palette->isMaximized();
}

void QtShellWindows::restorePalette()
{
    if (m_palette)
        m_palette->showNormal();
}

int QtShellWindows::paletteLeft() const
{
    return m_palette ? m_palette->leftTwips() : 0;
}

int QtShellWindows::paletteTop() const
{
    return m_palette ? m_palette->topTwips() : 0;
}

void QtShellWindows::loadTooltipWindow()
{
    if (!m_tooltip && m_palette)
        m_tooltip = new frmTT(*m_palette);
}

void QtShellWindows::unloadTooltipWindow()
{
    unload(m_tooltip);
    m_tooltip = nullptr;
}

void QtShellWindows::showAbout()
{
    if (!m_about)
        m_about = new frmAbout;
    m_about->show();
    m_about->raise();
}

frmTAB2 *QtShellWindows::palette() const
{
    return m_palette;
}

frmTT *QtShellWindows::tooltipWindow() const
{
    return m_tooltip;
}

QWidget *QtShellWindows::toolWindow(std::string_view name) const
{
    auto it = m_toolWindows.find(name);
    return it == m_toolWindows.end() ? nullptr : it->second.window.data();
}

void QtShellWindows::registerToolFolders()
{
    for (auto registerFolder : kToolFolders)
        registerFolder(common::toolRegistry());
}

// The window is loaded: its open flag is set and it has its window-registry entry; a window
// whose owner is loaded is the owner's child window. When it unloads (a close it accepts, or its
// deletion, its owner's included) the flag is cleared, unless a newer window of the same name
// has taken the flag over by then.
QWidget *QtShellWindows::createToolWindow(std::string_view name)
{
    const common::ToolWindow *tool = common::toolRegistry().window(name);
    if (!tool || !tool->create)
        return nullptr;
    QWidget *window = tool->create();
    if (!window)
        return nullptr;
    const std::string key(name);
    window->setObjectName(QString::fromStdString(key));
    if (QWidget *owner = tool->owner.empty() ? nullptr : toolWindow(tool->owner))
        window->setParent(owner, window->windowFlags() | Qt::Window);
    if (!platform::WindowBinding::of(*window))
        platform::registerWindow(*window, "QuillmarkForm");
    m_toolWindows[key] = {window, window};
    common::programState().setWindowOpen(key, true);
    new UnloadWatch(*window, [this, key, window] { toolWindowUnloaded(key, window, false); });
    QObject::connect(window, &QObject::destroyed, &m_connections,
                     [this, key](QObject *gone) { toolWindowUnloaded(key, gone, true); });
    return window;
}

void QtShellWindows::toolWindowUnloaded(const std::string &name,
                                        const QObject *identity,
                                        bool destroyed)
{
    auto it = m_toolWindows.find(name);
    if (it == m_toolWindows.end() || it->second.identity != identity)
        return; // unloaded before, or a newer window has the name now
    QWidget *window = it->second.window.data();
    m_toolWindows.erase(it);
    common::programState().setWindowOpen(name, false);
    // A window closed without deleting itself is unloaded all the same.
    if (!destroyed && window && !window->testAttribute(Qt::WA_DeleteOnClose))
        window->deleteLater();
}

bool QtShellWindows::showToolWindow(std::string_view name)
{
    QWidget *window = toolWindow(name);
    if (!window)
        window = createToolWindow(name);
    if (!window)
        return false;
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void QtShellWindows::unloadToolWindow(std::string_view name)
{
    QWidget *window = toolWindow(name);
    if (!window)
        return;
    QPointer<QWidget> guard = window;
    window->close();
    // A window that refuses to close is unloaded all the same.
    toolWindowUnloaded(std::string(name), window, false);
    unload(guard.data());
}

} // namespace qm::shell
