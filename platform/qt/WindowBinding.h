// Ties a real Qt top-level window to its entry in the window registry, both ways: the window's
// moves, sizes, caption, visibility and activation update the entry, and the window functions'
// changes to the entry move, show, raise or pin the window.
#pragma once

#include "platform/WindowRegistry.h"

#include <QObject> // the binding filters its window's events

#include <string>

class QWidget;

namespace qm::platform {

class WindowBinding final : public QObject
{
public:
    /// Registers `window` (with its current caption and geometry) under a class name. The
    /// binding is a child of the window and unregisters it when either goes away.
    WindowBinding(QWidget &window, std::string className);
    ~WindowBinding() override;

    WindowHandle handle() const { return m_handle; }

    /// The binding of a window, or nullptr when it has none.
    static WindowBinding *of(const QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyEntry(const WindowInfo &info);
    void storeGeometry();

    QWidget &m_window;
    WindowHandle m_handle = 0;
    bool m_applying = false; // the entry is being applied to the window: ignore its echo
};

/// Registers a window under a class name; shorthand for a new WindowBinding.
WindowHandle registerWindow(QWidget &window, const std::string &className);

} // namespace qm::platform
