// Shell windows for the shell's tests: they only record what the shell asks of them.
#pragma once

#include "shell/ShellWindows.h"
#include "tests/support/FakeHost.h"

#include <string>
#include <string_view>

namespace qm::test {

/// Windows that only record what the shell asks of them.
class FakeShellWindows : public shell::ShellWindows
{
public:
    explicit FakeShellWindows(Log &log)
        : m_log(log)
    {}
    int left = 2000, top = 0;
    bool maximized = false;
    bool paletteShown = false;

    void showSplash() override { m_log.add("show frmSplash"); }
    void unloadSplash() override { m_log.add("unload frmSplash"); }
    void showPalette() override
    {
        m_log.add("show frmTAB2");
        paletteShown = true;
    }
    void unloadPalette() override
    {
        m_log.add("unload frmTAB2");
        paletteShown = false;
    }
    bool isPaletteMaximized() const override { return maximized; }
    void restorePalette() override
    {
        m_log.add("restore frmTAB2");
        maximized = false;
        left = restoredLeft;
        top = restoredTop;
    }
    int paletteLeft() const override { return left; }
    int paletteTop() const override { return top; }
    void loadTooltipWindow() override { m_log.add("load frmTT"); }
    void unloadTooltipWindow() override { m_log.add("unload frmTT"); }
    void showAbout() override { m_log.add("show frmAbout"); }
    bool showToolWindow(std::string_view name) override
    {
        m_log.add("show " + std::string(name));
        return true;
    }
    void unloadToolWindow(std::string_view name) override
    {
        m_log.add("unload " + std::string(name));
    }

    int restoredLeft = 0, restoredTop = 0;

private:
    Log &m_log;
};

} // namespace qm::test
