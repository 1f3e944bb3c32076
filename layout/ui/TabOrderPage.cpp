// The Tab Order page and its buttons.
#include "layout/ui/TabOrderPage.h"
#include "platform/qt/NamedControls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::layout {
TabOrderPage::TabOrderPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);

    fraManual = platform::frame(this, "fraManual", "Manual Setting");
    auto *manual = new QVBoxLayout(fraManual);
    tbMark = platform::commandButton(fraManual, "tbMark", "Mark Controls To Be Tabbed",
                                     "Add the selected controls, in order, to the marked controls");
    tbSetOrder = platform::commandButton(
        fraManual, "tbSetOrder", "Set Marked Control's Tab Order",
        "Give the marked controls the first tab positions in the order marked");
    tbClearMarkedControls =
        platform::commandButton(fraManual, "tbClearMarkedControls",
                                " Clear Marked Controls Collection", "Forget the marked controls");
    manual->addWidget(tbMark);
    manual->addWidget(tbSetOrder);
    manual->addWidget(tbClearMarkedControls);
    manual->addStretch();

    auto *right = new QVBoxLayout;
    fraAutomatic = platform::frame(this, "fraAutomatic", "Automatic Setting");
    auto *automatic = new QVBoxLayout(fraAutomatic);
    pbAutoLeft = platform::commandButton(
        fraAutomatic, "pbAutoLeft", "By Columns",
        "Tab order of the selected controls column by column, left to right");
    pbAutoTop =
        platform::commandButton(fraAutomatic, "pbAutoTop", "By Rows",
                                "Tab order of the selected controls row by row, top to bottom");
    automatic->addWidget(pbAutoLeft);
    automatic->addWidget(pbAutoTop);

    fraTabStops = platform::frame(this, "fraTabStops", "Tab Stops");
    auto *stops = new QHBoxLayout(fraTabStops);
    pbOn = platform::commandButton(fraTabStops, "pbOn", "On",
                                   "The selected controls stop the Tab key");
    pbOff = platform::commandButton(fraTabStops, "pbOff", "Off",
                                    "The Tab key passes over the selected controls");
    stops->addWidget(pbOn);
    stops->addWidget(pbOff);

    right->addWidget(fraAutomatic);
    right->addWidget(fraTabStops);
    right->addStretch();
    layout->addWidget(fraManual, 0, Qt::AlignTop);
    layout->addLayout(right);

    connect(tbMark, &QPushButton::clicked, this, &TabOrderPage::tbMark_Click);
    connect(tbSetOrder, &QPushButton::clicked, this, &TabOrderPage::tbSetOrder_Click);
    connect(tbClearMarkedControls, &QPushButton::clicked, this,
            &TabOrderPage::tbClearMarkedControls_Click);
    connect(pbAutoLeft, &QPushButton::clicked, this, &TabOrderPage::pbAutoLeft_Click);
    connect(pbAutoTop, &QPushButton::clicked, this, &TabOrderPage::pbAutoTop_Click);
    connect(pbOn, &QPushButton::clicked, this, &TabOrderPage::pbOn_Click);
    connect(pbOff, &QPushButton::clicked, this, &TabOrderPage::pbOff_Click);
}

void TabOrderPage::tbMark_Click()
{
    m_tool.Mark();
}

void TabOrderPage::tbSetOrder_Click()
{
    m_tool.SetMarkedOrder();
}

void TabOrderPage::tbClearMarkedControls_Click()
{
    ClearMarkedControlsCollection();
}

void TabOrderPage::pbAutoLeft_Click()
{
    m_tool.AutoOrder(TabOrderBy::Columns);
}

void TabOrderPage::pbAutoTop_Click()
{
    m_tool.AutoOrder(TabOrderBy::Rows);
}

void TabOrderPage::pbOn_Click()
{
    m_tool.SetTabStops(true);
}

void TabOrderPage::pbOff_Click()
{
    m_tool.SetTabStops(false);
}

} // namespace qm::layout
