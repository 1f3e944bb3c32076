// The "Tab Order" page of frmApperTab: marking controls and applying their order, the automatic
// orders by columns and by rows, and the tab stops.
#pragma once

#include "layout/LayoutGlue.h"

#include <QWidget>

class QGroupBox;
class QPushButton;

namespace qm::layout {

class TabOrderPage final : public QWidget
{
    Q_OBJECT

public:
    explicit TabOrderPage(QWidget *parent = nullptr);

    QGroupBox *fraManual;
    QPushButton *tbMark;
    QPushButton *tbSetOrder;
    QPushButton *tbClearMarkedControls;
    QGroupBox *fraAutomatic;
    QPushButton *pbAutoLeft;
    QPushButton *pbAutoTop;
    QGroupBox *fraTabStops;
    QPushButton *pbOn;
    QPushButton *pbOff;

    /// Empties the marked-controls collection.
    void ClearMarkedControlsCollection() { m_tool.ClearMarkedControlsCollection(); }
    std::size_t markedCount() const { return m_tool.markedCount(); }

public slots:
    void tbMark_Click();
    void tbSetOrder_Click();
    void tbClearMarkedControls_Click();
    void pbAutoLeft_Click();
    void pbAutoTop_Click();
    void pbOn_Click();
    void pbOff_Click();

private:
    TabOrderTool m_tool;
};

} // namespace qm::layout
