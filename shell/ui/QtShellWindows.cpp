// Creating, showing and unloading the shell's windows.
#include "shell/ui/QtShellWindows.h"

#include "generators/ui/frmMsgBox.h"
#include "platform/qt/WindowBinding.h"
#include "shell/ui/frmApperTab.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/frmTAB2.h"
#include "shell/ui/frmTT.h"

#include <QApplication>

namespace qm::shell {

namespace {

using Factory = std::function<QWidget *()>;

// The tool windows this build has, by name; the menu commands of the others show nothing.
const std::map<std::string, Factory, std::less<>> &toolWindowFactories()
{
    static const std::map<std::string, Factory, std::less<>> factories = {
        {"frmApperTab",
         [] {
             return new frmApperTab;
         }},
        {"frmMsgBox",
         [] {
             return new generators::frmMsgBox;
         }},
    };
    return factories;
}

void unload(QWidget *window)
{
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

} // namespace

QtShellWindows::QtShellWindows() = default;

QtShellWindows::~QtShellWindows()
{
    delete m_tooltip;
    delete m_palette;
    delete m_splash;
    delete m_about;
    for (auto &[name, window] : m_toolWindows)
        delete window;
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

QWidget *QtShellWindows::toolWindow(std::string_view name) const
{
    auto it = m_toolWindows.find(name);
    return it == m_toolWindows.end() ? nullptr : it->second.data();
}

bool QtShellWindows::showToolWindow(std::string_view name)
{
    QWidget *window = toolWindow(name);
    if (!window) {
        const auto &factories = toolWindowFactories();
        auto factory = factories.find(name);
        if (factory == factories.end())
            return false;
        window = factory->second();
        if (!platform::WindowBinding::of(*window))
            platform::registerWindow(*window, "QuillmarkForm");
        m_toolWindows[std::string(name)] = window;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

void QtShellWindows::unloadToolWindow(std::string_view name)
{
    auto it = m_toolWindows.find(name);
    if (it == m_toolWindows.end())
        return;
    if (QWidget *window = it->second) {
        window->close();
        unload(window);
    }
    m_toolWindows.erase(it);
}

} // namespace qm::shell
