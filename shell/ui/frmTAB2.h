// frmTAB2, the tool palette: fifteen buttons for the most frequent operations on the host, a
// move button, and the tooltip logic the tooltip window frmTT shows.
#pragma once

#include "platform/WindowRegistry.h"
#include "shell/PaletteLogic.h"

#include <QWidget>

#include <array>

namespace qm::shell {

class PaletteButton;
class frmTT;

class frmTAB2 final : public QWidget
{
    Q_OBJECT

public:
    explicit frmTAB2(QWidget *parent = nullptr);
    ~frmTAB2() override;

    PaletteButton *tbComment;
    PaletteButton *tbUncomment;
    PaletteButton *tbIndent;
    PaletteButton *tbprint;
    PaletteButton *tbConcatenate;
    PaletteButton *tbCloseWindows;
    PaletteButton *tbTileVertical;
    PaletteButton *tbLastPosition;
    PaletteButton *tbFindDefinition;
    PaletteButton *tbFindModifiers;
    PaletteButton *tbDebugWindow;
    PaletteButton *tbToolbox;
    PaletteButton *tbSeTabOrder;
    PaletteButton *tbPrintOrient;
    PaletteButton *tbMinimize;

    /// The button with a tip number (1-15).
    PaletteButton *button(int tipNumber) const;

    /// The palette's window functions.
    void MinimizeToolBar();
    void SetOnTop();
    void SetNotOnTop();
    void TurnOnToolTips();
    void TurnOffToolTips();

    /// The tooltip window this palette drives (set when frmTT loads).
    void setTooltipWindow(frmTT *window) { m_tooltipWindow = window; }
    /// One tick of the tooltip timer, in the palette's twips.
    TooltipTick tooltipTick();
    TooltipState &tooltipState() { return m_tips; }

    /// Left and Top in twips, as the settings file keeps them.
    int leftTwips() const;
    int topTwips() const;
    platform::WindowHandle handle() const { return m_handle; }
    bool isMoving() const { return m_moving; }

public slots:
    void tbComment_Click();
    void tbUncomment_Click();
    void tbIndent_Click();
    void tbprint_Click();
    void tbConcatenate_MouseUp(int Button, int X, int Y);
    void tbCloseWindows_MouseUp(int Button, int X, int Y);
    void tbTileVertical_MouseUp(int Button, int X, int Y);
    void tbLastPosition_MouseUp(int Button, int X, int Y);
    void tbFindDefinition_Click();
    void tbFindModifiers_Click();
    void tbDebugWindow_Click();
    void tbToolbox_Click();
    void tbSeTabOrder_MouseUp(int Button, int X, int Y);
    void tbPrintOrient_MouseDown(int Button, int X, int Y);
    void tbPrintOrient_MouseMove(int Button, int X, int Y);
    void tbPrintOrient_MouseUp(int Button, int X, int Y);
    void tbMinimize_MouseUp(int Button, int X, int Y);

protected:
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void placeOnLoad();
    void buttonMouseMove(int tipNumber);
    void closePalette();
    void findSelection(const char *suffix);

    std::array<PaletteButton *, 15> m_buttons{};
    TooltipState m_tips;
    frmTT *m_tooltipWindow = nullptr;
    platform::WindowHandle m_handle = 0;
    bool m_firstActivation = true;
    bool m_minimized = false;
    bool m_moving = false;
};

} // namespace qm::shell
