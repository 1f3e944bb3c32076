// The window registry: a list of windows and their Z order, and the window functions over it.
#include "platform/WindowRegistry.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstring>

namespace qm::platform {

WindowHandle WindowRegistry::add(
    std::string caption, std::string className, int left, int top, int width, int height)
{
    Entry e;
    e.info.handle = m_nextHandle;
    m_nextHandle += 2;
    e.info.caption = std::move(caption);
    e.info.className = std::move(className);
    e.info.left = left;
    e.info.top = top;
    e.info.width = width;
    e.info.height = height;
    m_windows.push_back(std::move(e));
    WindowHandle handle = m_windows.back().info.handle;
    placeFront(handle);
    return handle;
}

void WindowRegistry::remove(WindowHandle handle)
{
    if (!contains(handle))
        return;
    if (m_active == handle)
        activateNextVisible(handle);
    unlink(handle);
    m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(),
                                   [handle](const Entry &e) { return e.info.handle == handle; }),
                    m_windows.end());
    if (m_active == handle)
        m_active = 0;
}

void WindowRegistry::clear()
{
    m_windows.clear();
    m_order.clear();
    m_active = 0;
}

const WindowInfo *WindowRegistry::find(WindowHandle handle) const
{
    for (const Entry &e : m_windows) {
        if (e.info.handle == handle)
            return &e.info;
    }
    return nullptr;
}

WindowRegistry::Entry *WindowRegistry::entry(WindowHandle handle)
{
    for (Entry &e : m_windows) {
        if (e.info.handle == handle)
            return &e;
    }
    return nullptr;
}

void WindowRegistry::setCaption(WindowHandle handle, std::string caption)
{
    if (Entry *e = entry(handle))
        e->info.caption = std::move(caption);
}

void WindowRegistry::setGeometry(WindowHandle handle, int left, int top, int width, int height)
{
    if (Entry *e = entry(handle)) {
        e->info.left = left;
        e->info.top = top;
        e->info.width = width;
        e->info.height = height;
    }
}

void WindowRegistry::unlink(WindowHandle handle)
{
    m_order.erase(std::remove(m_order.begin(), m_order.end(), handle), m_order.end());
}

void WindowRegistry::placeFront(WindowHandle handle)
{
    unlink(handle);
    bool topmost = find(handle)->topmost;
    auto at = m_order.begin();
    if (!topmost) {
        at = std::find_if(m_order.begin(), m_order.end(),
                          [this](WindowHandle h) { return !find(h)->topmost; });
    }
    m_order.insert(at, handle);
}

void WindowRegistry::placeBack(WindowHandle handle)
{
    unlink(handle);
    m_order.push_back(handle);
}

void WindowRegistry::placeAfter(WindowHandle handle, WindowHandle after)
{
    if (handle == after)
        return;
    unlink(handle);
    auto at = std::find(m_order.begin(), m_order.end(), after);
    m_order.insert(at == m_order.end() ? at : at + 1, handle);
}

void WindowRegistry::activateNextVisible(WindowHandle leaving)
{
    for (WindowHandle h : m_order) {
        const WindowInfo *info = find(h);
        if (h != leaving && info->visible && info->state != WindowState::Minimized) {
            m_active = h;
            return;
        }
    }
    m_active = 0;
}

void WindowRegistry::activate(WindowHandle handle)
{
    if (!contains(handle))
        return;
    placeFront(handle);
    m_active = handle;
    notify(handle);
}

WindowHandle WindowRegistry::findByCaption(std::string_view caption) const
{
    for (WindowHandle h : m_order) {
        if (equalsIgnoreCase(find(h)->caption, caption))
            return h;
    }
    if (caption.empty())
        return 0;
    for (WindowHandle h : m_order) {
        if (startsWithIgnoreCase(find(h)->caption, caption))
            return h;
    }
    return 0;
}

WindowHandle WindowRegistry::findByClass(std::string_view className) const
{
    for (WindowHandle h : m_order) {
        if (find(h)->className == className)
            return h;
    }
    return 0;
}

void WindowRegistry::setObserver(WindowHandle handle,
                                 std::function<void(const WindowInfo &)> observer)
{
    if (Entry *e = entry(handle))
        e->observer = std::move(observer);
}

void WindowRegistry::notify(WindowHandle handle)
{
    Entry *e = entry(handle);
    if (!e || !e->observer)
        return;
    // The observer may change the registry; call a copy with a copy of the window.
    auto observer = e->observer;
    WindowInfo info = e->info;
    observer(info);
}

WindowHandle WindowRegistry::getWindow(WindowHandle handle, int relation) const
{
    if (m_order.empty())
        return 0;
    switch (relation) {
    case gw::First:
        return m_order.front();
    case gw::Last:
        return m_order.back();
    case gw::Next:
    case gw::Previous: {
        auto at = std::find(m_order.begin(), m_order.end(), handle);
        if (at == m_order.end())
            return 0;
        if (relation == gw::Next)
            return (at + 1 == m_order.end()) ? 0 : *(at + 1);
        return (at == m_order.begin()) ? 0 : *(at - 1);
    }
    default:
        return 0;
    }
}

bool WindowRegistry::setWindowPos(
    WindowHandle handle, WindowHandle insertAfter, int x, int y, int cx, int cy, int flags)
{
    Entry *e = entry(handle);
    if (!e)
        return false;
    WindowInfo &info = e->info;
    if (!(flags & swpflag::NoMove)) {
        info.left = x;
        info.top = y;
    }
    if (!(flags & swpflag::NoSize)) {
        info.width = std::max(cx, 0);
        info.height = std::max(cy, 0);
    }
    if (flags & swpflag::ShowWindow)
        info.visible = true;
    if (flags & swpflag::HideWindow)
        info.visible = false;
    if (!(flags & swpflag::NoZOrder)) {
        switch (insertAfter) {
        case insertafter::Top:
            placeFront(handle);
            break;
        case insertafter::Bottom:
            info.topmost = false;
            placeBack(handle);
            break;
        case insertafter::TopMost:
            info.topmost = true;
            placeFront(handle);
            break;
        case insertafter::NoTopMost:
            info.topmost = false;
            placeFront(handle);
            break;
        default:
            if (const WindowInfo *after = find(insertAfter)) {
                info.topmost = after->topmost;
                placeAfter(handle, insertAfter);
            }
            break;
        }
    }
    if (!(flags & swpflag::NoActivate) && info.visible)
        m_active = handle;
    else if ((flags & swpflag::HideWindow) && m_active == handle)
        activateNextVisible(handle);
    notify(handle);
    return true;
}

WindowHandle WindowRegistry::setFocus(WindowHandle handle)
{
    if (!contains(handle))
        return 0;
    WindowHandle previous = m_active;
    activate(handle);
    return previous;
}

bool WindowRegistry::showWindow(WindowHandle handle, int command)
{
    Entry *e = entry(handle);
    if (!e)
        return false;
    bool wasVisible = e->info.visible;
    bool activateIt = false;
    switch (command) {
    case sw::Hide:
        e->info.visible = false;
        if (m_active == handle)
            activateNextVisible(handle);
        break;
    case sw::ShowNormal:
    case sw::Restore:
        e->info.visible = true;
        e->info.state = WindowState::Normal;
        activateIt = true;
        break;
    case sw::ShowMinimized:
    case sw::ShowMinNoActive:
    case sw::Minimize:
        e->info.visible = true;
        e->info.state = WindowState::Minimized;
        if (m_active == handle)
            activateNextVisible(handle);
        break;
    case sw::ShowMaximized:
        e->info.visible = true;
        e->info.state = WindowState::Maximized;
        activateIt = true;
        break;
    case sw::Show:
        e->info.visible = true;
        activateIt = true;
        break;
    case sw::ShowNoActivate:
    case sw::ShowNa:
        e->info.visible = true;
        break;
    default:
        return wasVisible;
    }
    if (activateIt)
        activate(handle);
    else
        notify(handle);
    return wasVisible;
}

WindowRegistry &windowRegistry()
{
    static WindowRegistry registry;
    return registry;
}

namespace {

int copyText(const std::string &text, char *buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return 0;
    std::size_t n = std::min(text.size(), static_cast<std::size_t>(bufferSize - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // namespace

WindowHandle GetWindow(WindowHandle handle, int relation)
{
    return windowRegistry().getWindow(handle, relation);
}

int GetWindowTextLengthA(WindowHandle handle)
{
    const WindowInfo *info = windowRegistry().find(handle);
    return info ? static_cast<int>(info->caption.size()) : 0;
}

int GetWindowTextA(WindowHandle handle, char *buffer, int bufferSize)
{
    const WindowInfo *info = windowRegistry().find(handle);
    if (!info) {
        copyText({}, buffer, bufferSize);
        return 0;
    }
    return copyText(info->caption, buffer, bufferSize);
}

int GetClassNameA(WindowHandle handle, char *buffer, int bufferSize)
{
    const WindowInfo *info = windowRegistry().find(handle);
    if (!info) {
        copyText({}, buffer, bufferSize);
        return 0;
    }
    return copyText(info->className, buffer, bufferSize);
}

int SetWindowPos(
    WindowHandle handle, WindowHandle insertAfter, int x, int y, int cx, int cy, int flags)
{
    return windowRegistry().setWindowPos(handle, insertAfter, x, y, cx, cy, flags) ? 1 : 0;
}

WindowHandle SetFocus(WindowHandle handle)
{
    return windowRegistry().setFocus(handle);
}

int ShowWindow(WindowHandle handle, int command)
{
    return windowRegistry().showWindow(handle, command) ? 1 : 0;
}

std::string windowCaption(WindowHandle handle)
{
    const WindowInfo *info = windowRegistry().find(handle);
    return info ? info->caption : std::string();
}

std::string windowClassName(WindowHandle handle)
{
    const WindowInfo *info = windowRegistry().find(handle);
    return info ? info->className : std::string();
}

} // namespace qm::platform
