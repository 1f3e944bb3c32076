// The project window: the project's forms, modules and classes, with View Code and View Form.
#pragma once

#include "ide/ui/HostWindow.h"

#include "ide/Component.h"

class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;

namespace qm::ide {

class ProjectWindow final : public HostWindow
{
    Q_OBJECT

public:
    explicit ProjectWindow(HostUi &ui);

    /// Lists the components again when the project changed, and marks the active one.
    void refresh();
    QTreeWidget *tree() const { return m_tree; }
    /// The component of a tree line; null for a folder line.
    ComponentPtr componentOf(const QTreeWidgetItem *item) const;

private:
    void viewCode();
    void viewObject();
    void openItem(QTreeWidgetItem *item);
    ComponentPtr current() const;

    QTreeWidget *m_tree = nullptr;
    QToolButton *m_viewCode = nullptr;
    QToolButton *m_viewObject = nullptr;
    std::vector<ComponentPtr> m_shown;
    const void *m_shownProject = nullptr;
};

} // namespace qm::ide
