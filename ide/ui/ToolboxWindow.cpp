// The toolbox.
#include "ide/ui/ToolboxWindow.h"

#include "ide/ui/HostUi.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include <string>

namespace qm::ide {
namespace {

struct Tool
{
    const char *cls;
    const char *tip;
};

const Tool kTools[] = {
    {"", "Pointer"},
    {"PictureBox", "PictureBox"},
    {"Label", "Label"},
    {"TextBox", "TextBox"},
    {"Frame", "Frame"},
    {"CommandButton", "CommandButton"},
    {"CheckBox", "CheckBox"},
    {"OptionButton", "OptionButton"},
    {"ComboBox", "ComboBox"},
    {"ListBox", "ListBox"},
    {"HScrollBar", "HScrollBar"},
    {"VScrollBar", "VScrollBar"},
    {"Timer", "Timer"},
    {"Shape", "Shape"},
    {"Line", "Line"},
    {"Image", "Image"},
};

constexpr int kColumns = 4;
constexpr int kButton = 28;
constexpr int kIcon = 20;

/// The picture of a tool, drawn as the control looks on a form.
QIcon toolIcon(const std::string &cls)
{
    QPixmap pixmap(kIcon, kIcon);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink(0, 0, 0);
    const QColor face(192, 192, 192);
    const QColor field(255, 255, 255);
    const QColor sky(0, 128, 128);
    p.setPen(ink);
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    auto box = [&](QRect r, QColor fill) {
        p.fillRect(r, fill);
        p.drawRect(r);
    };
    if (cls.empty()) { // the arrow of the pointer
        const QPoint arrow[] = {{5, 2}, {5, 16}, {9, 12}, {12, 18}, {14, 17}, {11, 11}, {16, 11}};
        p.setBrush(ink);
        p.drawPolygon(arrow, 7);
    } else if (cls == "PictureBox") {
        box({2, 3, 15, 13}, field);
        p.fillRect(QRect(3, 4, 14, 6), sky);
        p.setBrush(QColor(0, 128, 0));
        const QPoint hill[] = {{3, 15}, {9, 8}, {16, 15}};
        p.drawPolygon(hill, 3);
    } else if (cls == "Label") {
        font.setPixelSize(16);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(0, 0, kIcon, kIcon), Qt::AlignCenter, QStringLiteral("A"));
    } else if (cls == "TextBox") {
        box({1, 4, 17, 11}, field);
        p.drawText(QRect(2, 4, 14, 11), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ab"));
        p.drawLine(15, 6, 15, 13);
    } else if (cls == "Frame") {
        // The caption breaks the top edge.
        p.drawLine(2, 6, 3, 6);
        p.drawLine(15, 6, 17, 6);
        p.drawLine(2, 6, 2, 17);
        p.drawLine(17, 6, 17, 17);
        p.drawLine(2, 17, 17, 17);
        p.drawText(QRect(3, 0, 13, 11), Qt::AlignCenter, QStringLiteral("xy"));
    } else if (cls == "CommandButton") {
        box({1, 5, 17, 10}, face);
        p.setPen(field);
        p.drawLine(2, 6, 17, 6);
        p.drawLine(2, 6, 2, 14);
        p.setPen(ink);
        p.drawLine(2, 14, 17, 14);
    } else if (cls == "CheckBox") {
        box({4, 4, 11, 11}, field);
        p.drawLine(6, 9, 8, 12);
        p.drawLine(8, 12, 13, 6);
    } else if (cls == "OptionButton") {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(field);
        p.drawEllipse(QRect(4, 4, 11, 11));
        p.setBrush(ink);
        p.drawEllipse(QRect(8, 8, 3, 3));
    } else if (cls == "ComboBox") {
        box({1, 2, 17, 6}, field);
        box({13, 2, 5, 6}, face);
        box({1, 9, 17, 9}, field);
        p.drawLine(3, 12, 12, 12);
        p.drawLine(3, 15, 10, 15);
    } else if (cls == "ListBox") {
        box({2, 2, 15, 15}, field);
        for (int y : {5, 9, 13})
            p.drawLine(4, y, 14, y);
    } else if (cls == "HScrollBar") {
        box({1, 6, 17, 7}, face);
        p.drawLine(5, 6, 5, 13);
        p.drawLine(14, 6, 14, 13);
        p.fillRect(QRect(7, 8, 4, 4), ink);
    } else if (cls == "VScrollBar") {
        box({6, 1, 7, 17}, face);
        p.drawLine(6, 5, 13, 5);
        p.drawLine(6, 14, 13, 14);
        p.fillRect(QRect(8, 7, 4, 4), ink);
    } else if (cls == "Timer") {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(field);
        p.drawEllipse(QRect(2, 3, 15, 15));
        p.drawLine(9, 10, 9, 5);
        p.drawLine(9, 10, 13, 12);
        p.fillRect(QRect(7, 0, 5, 2), ink);
    } else if (cls == "Shape") {
        p.setBrush(QColor(128, 128, 255));
        p.drawRect(2, 8, 9, 9);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(QRect(8, 2, 9, 9));
    } else if (cls == "Line") {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawLine(3, 16, 16, 3);
    } else if (cls == "Image") {
        box({2, 3, 15, 13}, field);
        p.setBrush(QColor(255, 255, 0));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawEllipse(QRect(10, 5, 5, 5));
        p.setBrush(QColor(0, 128, 0));
        const QPoint hill[] = {{3, 15}, {8, 9}, {13, 15}};
        p.drawPolygon(hill, 3);
    }
    p.end();
    return QIcon(pixmap);
}

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
        b->setIcon(toolIcon(t.cls));
        b->setIconSize(QSize(kIcon, kIcon));
        b->setToolTip(QString::fromLatin1(t.tip));
        b->setCheckable(true);
        b->setFixedSize(kButton, kButton);
        b->setFocusPolicy(Qt::NoFocus);
        m_group->addButton(b, i);
        grid->addWidget(b, i / kColumns, i % kColumns);
        ++i;
    }
    grid->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
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
