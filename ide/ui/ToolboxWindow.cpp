// The toolbox.
#include "ide/ui/ToolboxWindow.h"

#include "ide/ui/HostUi.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QToolButton>

namespace qm::ide {
namespace {

struct Tool
{
    const char *cls;
    const char *label; // what the button shows
    const char *tip;
};

const Tool kTools[] = {
    {"", "\xe2\x86\x96", "Pointer"},
    {"PictureBox", "Pic", "PictureBox"},
    {"Label", "A", "Label"},
    {"TextBox", "ab|", "TextBox"},
    {"Frame", "[xy]", "Frame"},
    {"CommandButton", "Cmd", "CommandButton"},
    {"CheckBox", "\xe2\x98\x91", "CheckBox"},
    {"OptionButton", "\xe2\x97\x89", "OptionButton"},
    {"ComboBox", "Cbo", "ComboBox"},
    {"ListBox", "Lst", "ListBox"},
    {"HScrollBar", "\xe2\x87\x94", "HScrollBar"},
    {"VScrollBar", "\xe2\x87\x95", "VScrollBar"},
    {"Timer", "\xe2\x8f\xb1", "Timer"},
    {"Shape", "\xe2\x97\x87", "Shape"},
    {"Line", "\\", "Line"},
    {"Image", "Img", "Image"},
};

} // namespace

const std::vector<const char *> &toolboxClasses()
{
    static const std::vector<const char *> classes = [] {
        std::vector<const char *> out;
        for (const Tool &t : kTools)
            out.push_back(t.cls);
        return out;
    }();
    return classes;
}

ToolboxWindow::ToolboxWindow(HostUi &ui)
    : HostWindow(ui)
{
    setObjectName(QStringLiteral("vbToolbox"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    int i = 0;
    for (const Tool &t : kTools) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("tool") +
                         (t.cls[0] ? QString::fromLatin1(t.cls) : QStringLiteral("Pointer")));
        b->setText(QString::fromUtf8(t.label));
        b->setToolTip(QString::fromLatin1(t.tip));
        b->setCheckable(true);
        b->setFixedSize(26, 26);
        b->setFocusPolicy(Qt::NoFocus);
        m_group->addButton(b, i);
        grid->addWidget(b, i / 2, i % 2);
        ++i;
    }
    grid->setRowStretch(i / 2 + 1, 1);
    connect(m_group, &QButtonGroup::idClicked, this,
            [this](int id) { m_ui.setCurrentTool(kTools[id].cls); });
    refresh();
}

void ToolboxWindow::refresh()
{
    int i = 0;
    for (const Tool &t : kTools) {
        if (m_ui.currentTool() == t.cls) {
            if (QAbstractButton *b = m_group->button(i))
                b->setChecked(true);
            return;
        }
        ++i;
    }
}

} // namespace qm::ide
