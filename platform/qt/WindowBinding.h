// Ties a real Qt top-level window to its entry in the window registry, both ways. An owning
// binding registers the window itself: the window's moves, sizes, caption, visibility and
// activation update the entry, and the entry goes when the binding does. A following binding
// ties the window to an entry someone else made and owns (the IDE model registers its windows):
// the entry's caption, geometry and visibility are applied to the window, and only the window's
// moves, sizes and activation go back into the entry. In both modes the window functions'
// changes to the entry move, show, raise or pin the window.
#pragma once

#include "platform/WindowRegistry.h"

#include <QObject> // the binding filters its window's events
#include <QtGlobal>

#include <string>

class QWidget;

namespace qm::platform {

class WindowBinding final : public QObject
{
public:
    /// Owning: registers `window` (with its current caption and geometry) under a class name.
    /// The binding is a child of the window and unregisters it when either goes away.
    WindowBinding(QWidget &window, std::string className);
    /// Following: ties `window` to the entry `handle`; the binding is a child of the window.
    static WindowBinding *follow(QWidget &window, WindowHandle handle);
    ~WindowBinding() override;

    WindowHandle handle() const { return m_handle; }
    bool isOwning() const { return m_owning; }
    /// Brings the window into line with its entry (caption, geometry, visibility).
    void apply();

    /// The binding of a window, or nullptr when it has none.
    static WindowBinding *of(const QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowBinding(QWidget &window, WindowHandle handle);
    void watch();
    void windowChanged(const QEvent &event);
    void applyEntry(const WindowInfo &info);
    void storeGeometry();
    /// Whether a system activation of the window is the window manager focusing it late, soon
    /// after it was mapped, when another window was activated since it was shown or last
    /// active.
    bool isStaleActivation() const;
    /// Gives the system focus back to the window the registry holds active.
    static void reassertActiveWindow();

    QWidget &m_window;
    WindowHandle m_handle = 0;
    bool m_owning = true;
    bool m_applying = false; // the entry is being applied to the window: ignore its echo
    // The activations counted when the window was shown or last became active, and when it
    // was shown: a window manager's focus for a window it maps may come after later ones.
    unsigned m_activationsSeen = 0;
    qint64 m_shownAt = -1; ///< milliseconds of a monotonic clock; -1 before it is shown
};

/// Registers a window under a class name; shorthand for a new owning WindowBinding.
WindowHandle registerWindow(QWidget &window, const std::string &className);

} // namespace qm::platform
