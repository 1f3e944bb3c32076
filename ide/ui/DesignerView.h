// A form designer window: the form and its controls drawn at their positions (frames and
// pictures holding their own controls), its menu bar, selection by click, Shift- or Ctrl-click
// and rubber band, moving by dragging and resizing by the selection's handles.
#pragma once

#include "ide/ui/HostWindow.h"

#include "ide/Control.h"
#include "platform/WindowRegistry.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

namespace qm::ide {

class Designer;

class DesignerView final : public HostWindow
{
    Q_OBJECT

public:
    DesignerView(HostUi &ui, platform::WindowHandle window);
    platform::WindowHandle window() const { return m_window; }
    void refresh();

    /// Where a control lies in the window, in pixels (its container's offsets added); empty for
    /// a control that is not drawn (menus, the form).
    QRect controlRect(const Control &control) const;
    /// The innermost drawn control under a point, or null for the form.
    ControlPtr controlAt(QPoint point) const;
    /// The height of the menu bar drawn above the form's client area (0 without menus).
    int menuBarHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Drag { None, Move, Resize, Band, Draw };
    Designer *designer() const;
    QPoint origin(const Control &control) const; ///< the client offset of a control's container
    int handleAt(QPoint point) const;
    void fitToForm();
    void finishDrag(QPoint at);
    void showMenu(int index);

    platform::WindowHandle m_window;
    Drag m_drag = Drag::None;
    QPoint m_pressAt;
    QPoint m_now;
    int m_handle = -1;
    ControlPtr m_pressed;
    bool m_fitted = false;
};

/// The handle rectangles of a control's rectangle, clockwise from the top left.
std::vector<QRect> handleRects(const QRect &rect);
/// A rectangle resized by dragging a handle (index as handleRects) by delta; never narrower or
/// lower than a pixel.
QRect resizedRect(const QRect &rect, int handle, QPoint delta);

} // namespace qm::ide
