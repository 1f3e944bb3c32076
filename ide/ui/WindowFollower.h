// Ties a Qt window to a window-registry entry the IDE model made and owns: the model's entry
// moves, shows, hides, renames and raises the window, and the window's own moves, sizes and
// activation go back into the entry. Unlike platform::WindowBinding it never registers or
// removes the entry; the model does.
#pragma once

#include "platform/WindowRegistry.h"

#include <QObject> // the follower filters its window's events

class QWidget;

namespace qm::ide {

class WindowFollower final : public QObject
{
public:
    WindowFollower(QWidget &window, platform::WindowHandle handle);
    ~WindowFollower() override;

    platform::WindowHandle handle() const { return m_handle; }
    /// Brings the window into line with its entry (caption, geometry, visibility).
    void apply();

    /// The follower of a window, or nullptr.
    static WindowFollower *of(const QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyEntry(const platform::WindowInfo &info);

    QWidget &m_window;
    platform::WindowHandle m_handle;
    bool m_applying = false;
};

} // namespace qm::ide
