// Registry entry <-> Qt window, for windows the model registers.
#include "ide/ui/WindowFollower.h"

#include "platform/qt/QtText.h"

#include <QEvent>
#include <QWidget>

namespace qm::ide {
namespace {

platform::WindowRegistry &registry()
{
    return platform::windowRegistry();
}

} // namespace

WindowFollower::WindowFollower(QWidget &window, platform::WindowHandle handle)
    : QObject(&window)
    , m_window(window)
    , m_handle(handle)
{
    setObjectName(QStringLiteral("qm_window_follower"));
    registry().setObserver(m_handle,
                           [this](const platform::WindowInfo &info) { applyEntry(info); });
    window.installEventFilter(this);
}

WindowFollower::~WindowFollower()
{
    if (registry().contains(m_handle))
        registry().setObserver(m_handle, {});
}

WindowFollower *WindowFollower::of(const QWidget &window)
{
    return window.findChild<WindowFollower *>(QStringLiteral("qm_window_follower"),
                                              Qt::FindDirectChildrenOnly);
}

void WindowFollower::apply()
{
    if (const platform::WindowInfo *info = registry().find(m_handle))
        applyEntry(*info);
}

bool WindowFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window || m_applying || !registry().contains(m_handle))
        return QObject::eventFilter(watched, event);
    m_applying = true;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize: {
        if (m_window.isVisible() && !m_window.isMinimized() && !m_window.isMaximized()) {
            // The outer position (where the frame starts) and the size of the contents.
            registry().setGeometry(m_handle, m_window.x(), m_window.y(), m_window.width(),
                                   m_window.height());
        }
        break;
    }
    case QEvent::WindowActivate:
        if (registry().activeWindow() != m_handle)
            registry().activate(m_handle);
        break;
    case QEvent::Close:
        // Closing a host window goes through the model (the main window handles its own).
        break;
    default:
        break;
    }
    m_applying = false;
    return QObject::eventFilter(watched, event);
}

void WindowFollower::applyEntry(const platform::WindowInfo &info)
{
    if (m_applying)
        return;
    m_applying = true;
    const QString caption = platform::toQString(info.caption);
    if (m_window.windowTitle() != caption)
        m_window.setWindowTitle(caption);
    const bool onTop = m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (onTop != info.topmost)
        m_window.setWindowFlag(Qt::WindowStaysOnTopHint, info.topmost);
    if (info.state == platform::WindowState::Normal && info.width > 0 && info.height > 0) {
        if (m_window.pos() != QPoint(info.left, info.top))
            m_window.move(info.left, info.top);
        if (m_window.size() != QSize(info.width, info.height))
            m_window.resize(info.width, info.height);
    }
    if (!info.visible) {
        if (m_window.isVisible())
            m_window.hide();
    } else {
        switch (info.state) {
        case platform::WindowState::Minimized:
            if (!m_window.isMinimized())
                m_window.showMinimized();
            break;
        case platform::WindowState::Maximized:
            if (!m_window.isMaximized())
                m_window.showMaximized();
            break;
        case platform::WindowState::Normal:
            if (!m_window.isVisible() || m_window.isMinimized() || m_window.isMaximized())
                m_window.showNormal();
            break;
        }
    }
    if (registry().activeWindow() == m_handle && info.visible) {
        m_window.raise();
        m_window.activateWindow();
    }
    m_applying = false;
}

} // namespace qm::ide
