// The Tab Order page and its buttons.
#include "layout/ui/TabOrderPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::layout {
namespace {

QPushButton *button(const char *name, const char *caption, const char *tip, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromLatin1(tip));
    return b;
}

QGroupBox *frame(const char *name, const char *caption, QWidget *parent)
{
    auto *f = new QGroupBox(QString::fromLatin1(caption), parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

} // namespace

TabOrderPage::TabOrderPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);

    fraManual = frame("fraManual", "Manual Setting", this);
    auto *manual = new QVBoxLayout(fraManual);
    tbMark = button("tbMark", "Mark Controls To Be Tabbed",
                    "Add the selected controls, in order, to the marked controls", fraManual);
    tbSetOrder =
        button("tbSetOrder", "Set Marked Control's Tab Order",
               "Give the marked controls the first tab positions in the order marked", fraManual);
    tbClearMarkedControls = button("tbClearMarkedControls", " Clear Marked Controls Collection",
                                   "Forget the marked controls", fraManual);
    manual->addWidget(tbMark);
    manual->addWidget(tbSetOrder);
    manual->addWidget(tbClearMarkedControls);
    manual->addStretch();

    auto *right = new QVBoxLayout;
    fraAutomatic = frame("fraAutomatic", "Automatic Setting", this);
    auto *automatic = new QVBoxLayout(fraAutomatic);
    pbAutoLeft =
        button("pbAutoLeft", "By Columns",
               "Tab order of the selected controls column by column, left to right", fraAutomatic);
    pbAutoTop =
        button("pbAutoTop", "By Rows",
               "Tab order of the selected controls row by row, top to bottom", fraAutomatic);
    automatic->addWidget(pbAutoLeft);
    automatic->addWidget(pbAutoTop);

    fraTabStops = frame("fraTabStops", "Tab Stops", this);
    auto *stops = new QHBoxLayout(fraTabStops);
    pbOn = button("pbOn", "On", "The selected controls stop the Tab key", fraTabStops);
    pbOff = button("pbOff", "Off", "The Tab key passes over the selected controls", fraTabStops);
    stops->addWidget(pbOn);
    stops->addWidget(pbOff);

    right->addWidget(fraAutomatic);
    right->addWidget(fraTabStops);
    right->addStretch();
    layout->addWidget(fraManual);
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
