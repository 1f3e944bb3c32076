// The windows the add-in's shell shows: the splash, the palette with its tooltip window, the
// about window, and the tool windows by name. The Qt windows implement this; tests use a fake.
#pragma once

#include <string_view>

namespace qm::shell {

class ShellWindows
{
public:
    virtual ~ShellWindows() = default;

    virtual void showSplash() = 0;
    virtual void unloadSplash() = 0;

    /// Shows frmTAB2 modeless (loading it places it from the palette position).
    virtual void showPalette() = 0;
    virtual void unloadPalette() = 0;
    virtual bool isPaletteMaximized() const = 0;
    virtual void restorePalette() = 0;
    /// The palette's Left and Top in twips.
    virtual int paletteLeft() const = 0;
    virtual int paletteTop() const = 0;

    virtual void loadTooltipWindow() = 0;
    virtual void unloadTooltipWindow() = 0;

    virtual void showAbout() = 0;

    /// Shows a tool window by its name ("frmMsgBox"); false when this build has no such window
    /// yet, in which case nothing is shown.
    virtual bool showToolWindow(std::string_view name) = 0;
    virtual void unloadToolWindow(std::string_view name) = 0;
};

} // namespace qm::shell
