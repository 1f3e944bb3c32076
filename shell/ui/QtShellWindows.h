// The shell's windows on Qt: the splash, the palette and its tooltip window, the about window,
// and every tool window by name, built from what the tool folders register. Creating it
// registers the tool folders' windows and pages, and lets the tools show windows through it.
#pragma once

#include "common/ToolRegistry.h"
#include "shell/ShellWindows.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

namespace qm::shell {

class frmTAB2;
class frmTT;
class frmSplash;

class QtShellWindows final : public ShellWindows
{
public:
    QtShellWindows();
    ~QtShellWindows() override;

    void showSplash() override;
    void unloadSplash() override;
    void showPalette() override;
    void unloadPalette() override;
    bool isPaletteMaximized() const override;
    void restorePalette() override;
    int paletteLeft() const override;
    int paletteTop() const override;
    void loadTooltipWindow() override;
    void unloadTooltipWindow() override;
    void showAbout() override;
    bool showToolWindow(std::string_view name) override;
    void unloadToolWindow(std::string_view name) override;

    frmTAB2 *palette() const;
    frmTT *tooltipWindow() const;
    /// A tool window that is open, or nullptr.
    QWidget *toolWindow(std::string_view name) const;

    /// Registers the windows and pages of every tool folder this build has (again).
    static void registerToolFolders();

private:
    struct LoadedWindow
    {
        QPointer<QWidget> window;
        const QObject *identity; // still comparable once the window is being destroyed
    };

    QWidget *createToolWindow(std::string_view name);
    void toolWindowUnloaded(const std::string &name, const QObject *identity, bool destroyed);

    QPointer<frmSplash> m_splash;
    QPointer<frmTAB2> m_palette;
    QPointer<frmTT> m_tooltip;
    QPointer<QWidget> m_about;
    std::map<std::string, LoadedWindow, std::less<>> m_toolWindows;
    QObject m_connections; // what the tool windows tell this object dies with it
    common::ToolRegistry::ShowWindow m_previousShowWindow; // given back when these windows go
};

} // namespace qm::shell
