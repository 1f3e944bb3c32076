// The process's registry of tool windows and pages.
#include "common/ToolRegistry.h"

#include <algorithm>
#include <utility>

namespace qm::common {

void ToolRegistry::add(ToolContribution contribution)
{
    for (ToolWindow &w : contribution.windows)
        add(std::move(w));
    for (ToolPage &p : contribution.pages)
        add(std::move(p));
}

void ToolRegistry::add(ToolWindow window)
{
    auto same = [&](const ToolWindow &w) {
        return w.name == window.name;
    };
    auto it = std::find_if(m_windows.begin(), m_windows.end(), same);
    if (it != m_windows.end())
        *it = std::move(window);
    else
        m_windows.push_back(std::move(window));
}

void ToolRegistry::add(ToolPage page)
{
    auto same = [&](const ToolPage &p) {
        return p.frame == page.frame && p.tab == page.tab;
    };
    auto it = std::find_if(m_pages.begin(), m_pages.end(), same);
    if (it != m_pages.end())
        *it = std::move(page);
    else
        m_pages.push_back(std::move(page));
}

const ToolWindow *ToolRegistry::window(std::string_view name) const
{
    for (const ToolWindow &w : m_windows)
        if (w.name == name)
            return &w;
    return nullptr;
}

const ToolPage *ToolRegistry::page(std::string_view frame, std::string_view tab) const
{
    for (const ToolPage &p : m_pages)
        if (p.frame == frame && p.tab == tab)
            return &p;
    return nullptr;
}

void ToolRegistry::clear()
{
    m_windows.clear();
    m_pages.clear();
}

bool ToolRegistry::showWindow(std::string_view name) const
{
    return m_showWindow && m_showWindow(name);
}

ToolRegistry::ShowWindow ToolRegistry::setShowWindow(ShowWindow show)
{
    return std::exchange(m_showWindow, std::move(show));
}

ToolRegistry &toolRegistry()
{
    static ToolRegistry shared;
    return shared;
}

} // namespace qm::common
