// Registry entry <-> Qt window, owning or following.
#include "platform/qt/WindowBinding.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace qm::platform {
namespace {

// How often the activation went to another window (by the program or by the system), and the
// window that has it.
unsigned g_activations = 0;
WindowHandle g_lastActivated = 0;

void noteActivation(WindowHandle handle)
{
    if (g_lastActivated == handle)
        return;
    ++g_activations;
    g_lastActivated = handle;
}

// How long after a window is shown a window manager's focus for it may still come late.
constexpr qint64 kMapFocusMilliseconds = 1500;

qint64 nowMilliseconds()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

} // namespace

WindowBinding::WindowBinding(QWidget &window, std::string className)
    : QObject(&window)
    , m_window(window)
{
    WindowRegistry &registry = windowRegistry();
    m_handle = registry.add(fromQString(window.windowTitle()), std::move(className), window.x(),
                            window.y(), window.width(), window.height());
    m_applying = true;
    if (!window.isVisible())
        registry.showWindow(m_handle, sw::Hide);
    m_applying = false;
    watch();
}

WindowBinding::WindowBinding(QWidget &window, WindowHandle handle)
    : QObject(&window)
    , m_window(window)
    , m_handle(handle)
    , m_owning(false)
{
    watch();
}

WindowBinding *WindowBinding::follow(QWidget &window, WindowHandle handle)
{
    return new WindowBinding(window, handle);
}

void WindowBinding::watch()
{
    setObjectName(QStringLiteral("qm_window_binding"));
    windowRegistry().setObserver(m_handle, [this](const WindowInfo &info) { applyEntry(info); });
    m_window.installEventFilter(this);
}

WindowBinding::~WindowBinding()
{
    WindowRegistry &registry = windowRegistry();
    if (m_owning)
        registry.remove(m_handle);
    else if (registry.contains(m_handle))
        registry.setObserver(m_handle, {});
}

WindowBinding *WindowBinding::of(const QWidget &window)
{
    return window.findChild<WindowBinding *>(QStringLiteral("qm_window_binding"),
                                             Qt::FindDirectChildrenOnly);
}

void WindowBinding::apply()
{
    if (const WindowInfo *info = windowRegistry().find(m_handle))
        applyEntry(*info);
}

// The entry holds the window's outer position (where its frame starts, as the system's window
// functions count it) and the size of its contents.
void WindowBinding::storeGeometry()
{
    const QPoint at = m_window.pos();
    windowRegistry().setGeometry(m_handle, at.x(), at.y(), m_window.width(), m_window.height());
}

bool WindowBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Show) {
        m_activationsSeen = g_activations;
        m_shownAt = nowMilliseconds();
    }
    if (watched == &m_window && !m_applying && windowRegistry().contains(m_handle)) {
        m_applying = true; // changes made here must not be applied back to the window
        windowChanged(*event);
        m_applying = false;
    }
    return QObject::eventFilter(watched, event);
}

void WindowBinding::windowChanged(const QEvent &event)
{
    WindowRegistry &registry = windowRegistry();
    switch (event.type()) {
    case QEvent::Move:
    case QEvent::Resize:
        // A followed window's entry keeps its normal geometry while it is minimized or hidden.
        if (m_owning ||
            (m_window.isVisible() && !m_window.isMinimized() && !m_window.isMaximized()))
            storeGeometry();
        return;
    case QEvent::WindowActivate:
        if (isStaleActivation()) {
            // On a real display a newly mapped window gets the focus from the window manager
            // in its own time (an activation asked for before it was mapped waits for the map),
            // possibly after another window was activated: that later choice stands, as it
            // would had the window been focused at once.
            reassertActiveWindow();
            return;
        }
        if (m_owning || registry.activeWindow() != m_handle)
            registry.activate(m_handle);
        noteActivation(m_handle);
        m_activationsSeen = g_activations;
        return;
    default:
        break;
    }
    // Caption and visibility of a followed window are its owner's to change.
    if (!m_owning)
        return;
    switch (event.type()) {
    case QEvent::WindowTitleChange:
        registry.setCaption(m_handle, fromQString(m_window.windowTitle()));
        break;
    case QEvent::Show:
        registry.showWindow(m_handle, sw::ShowNa);
        storeGeometry();
        break;
    case QEvent::Hide:
        registry.showWindow(m_handle, sw::Hide);
        break;
    case QEvent::WindowStateChange:
        if (m_window.isMinimized())
            registry.showWindow(m_handle, sw::ShowMinNoActive);
        else if (m_window.isMaximized())
            registry.showWindow(m_handle, sw::ShowMaximized);
        else if (m_window.isVisible())
            registry.showWindow(m_handle, sw::ShowNa);
        break;
    default:
        break;
    }
}

void WindowBinding::applyEntry(const WindowInfo &info)
{
    if (m_applying)
        return;
    m_applying = true;
    if (!m_owning) {
        const QString caption = toQString(info.caption);
        if (m_window.windowTitle() != caption)
            m_window.setWindowTitle(caption);
    }
    const bool onTop = m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (onTop != info.topmost) {
        // Changing a window flag hides the window; show it again where it was.
        m_window.setWindowFlag(Qt::WindowStaysOnTopHint, info.topmost);
        if (info.visible)
            m_window.show();
    }
    // An entry the owner made without a size leaves the window's own size.
    const bool sized = m_owning || (info.width > 0 && info.height > 0);
    if (info.state == WindowState::Normal && sized) {
        if (m_window.pos() != QPoint(info.left, info.top))
            m_window.move(info.left, info.top);
        if (m_window.size() != QSize(info.width, info.height))
            m_window.resize(info.width, info.height);
    }
    if (!info.visible && m_window.isVisible()) {
        m_window.hide();
    } else if (info.visible) {
        switch (info.state) {
        case WindowState::Minimized:
            if (!m_window.isMinimized())
                m_window.showMinimized();
            break;
        case WindowState::Maximized:
            if (!m_window.isMaximized())
                m_window.showMaximized();
            break;
        case WindowState::Normal:
            if (!m_window.isVisible() || m_window.isMinimized() || m_window.isMaximized())
                m_window.showNormal();
            break;
        }
    }
    if (windowRegistry().activeWindow() == m_handle && info.visible) {
        noteActivation(m_handle);
        m_window.raise();
        m_window.activateWindow();
    }
    m_applying = false;
}

bool WindowBinding::isStaleActivation() const
{
    if (m_shownAt < 0 || g_activations == m_activationsSeen)
        return false;
    const WindowRegistry &registry = windowRegistry();
    const WindowHandle active = registry.activeWindow();
    if (active == m_handle || !registry.contains(active))
        return false;
    return nowMilliseconds() - m_shownAt < kMapFocusMilliseconds;
}

void WindowBinding::reassertActiveWindow()
{
    const WindowHandle active = windowRegistry().activeWindow();
    for (QWidget *top : QApplication::topLevelWidgets()) {
        const WindowBinding *binding = of(*top);
        if (binding && binding->m_handle == active && top->isVisible()) {
            top->activateWindow();
            return;
        }
    }
}

WindowHandle registerWindow(QWidget &window, const std::string &className)
{
    return (new WindowBinding(window, className))->handle();
}

} // namespace qm::platform
