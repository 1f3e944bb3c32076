// The toolbox: the pointer and the standard controls, one of which the next drag on a form
// designer draws.
#pragma once

#include "ide/ui/HostWindow.h"

class QButtonGroup;

namespace qm::ide {

class ToolboxWindow final : public HostWindow
{
    Q_OBJECT

public:
    explicit ToolboxWindow(HostUi &ui);
    /// Shows the current tool as pressed.
    void refresh();

private:
    QButtonGroup *m_group = nullptr;
};

/// The classes the toolbox offers, in its order ("" is the pointer).
const std::vector<const char *> &toolboxClasses();

} // namespace qm::ide
