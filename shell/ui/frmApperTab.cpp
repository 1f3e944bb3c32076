// The "Controls" window's frame: its tabs in their fixed order, filled with the tools' pages.
#include "shell/ui/frmApperTab.h"

#include "common/ErrorReports.h"
#include "common/HostWindows.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string_view>

namespace qm::shell {

namespace {

// A tab whose tools arrive with a later release of the add-in.
QWidget *placeholderTab(const char *what)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *label = new QLabel(QString::fromLatin1(what), page);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    layout->addWidget(label);
    return page;
}

// The tabs in their fixed order: the page a tool folder registers, its caption, and what the
// tab says while no tool has contributed its page.
struct TabSpec
{
    std::string_view page;
    const char *caption;
    const char *placeholder;
};
constexpr TabSpec kTabs[] = {
    {common::page::Appear, "Appear",
     "Alignment, size, spacing and appearance of the selected controls."},
    {common::page::TabOrder, "Tab Order", "Tab order of the active form's controls."},
    {common::page::MultiClip, "MultiClip", "Three extra clipboards."},
    {common::page::Errors, "Errors", "Error traps and the control structure analyzer."},
    {common::page::Cleanup, "Cleanup", "Removal of comments and of dead event procedures."},
    {common::page::TrackChanges, "Track Changes", "Change-block markers."},
};

QWidget *pageFor(const TabSpec &tab)
{
    const common::ToolPage *page = common::toolRegistry().page(common::window::ApperTab, tab.page);
    QWidget *contents = page && page->create ? page->create() : nullptr;
    if (!contents)
        contents = placeholderTab(tab.placeholder);
    contents->setObjectName(platform::toQString(tab.page));
    return contents;
}

} // namespace

frmApperTab::frmApperTab(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                  Qt::CustomizeWindowHint)
{
    setObjectName(platform::toQString(common::window::ApperTab));
    setWindowTitle(QStringLiteral("Controls"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    for (const TabSpec &tab : kTabs)
        SSTab1->addTab(pageFor(tab), QString::fromLatin1(tab.caption));
    layout->addWidget(SSTab1);

    pbStayOnTop = platform::commandButton(this, "pbStayOnTop", "Set Stay On Top");
    layout->addWidget(pbStayOnTop, 0, Qt::AlignRight);
    connect(pbStayOnTop, &QPushButton::clicked, this, &frmApperTab::pbStayOnTop_Click);
    resize(420, 240);
}

frmApperTab::~frmApperTab() = default;

void frmApperTab::placeInBottomRightCorner()
{
    common::ignoreErrors([&] {
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect area = screen->geometry();
        const QSize outer = frameGeometry().size();
        move(area.right() + 1 - outer.width(), area.bottom() + 1 - outer.height());
    });
}

void frmApperTab::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        placeInBottomRightCorner();
    }
}

void frmApperTab::pbStayOnTop_Click()
{
    const platform::WindowBinding *binding = platform::WindowBinding::of(*this);
    const platform::WindowHandle self = binding ? binding->handle() : 0;
    m_onTop = !m_onTop;
    if (m_onTop) {
        common::SetOnTop(self);
        pbStayOnTop->setText(QStringLiteral("Set Not On Top"));
    } else {
        common::SetNotOnTop(self);
        pbStayOnTop->setText(QStringLiteral("Set Stay On Top"));
    }
    // The palette stays above everything, this window included.
    const platform::WindowHandle palette =
        platform::windowRegistry().findByClass("QuillmarkPalette");
    if (palette)
        common::SetOnTop(palette);
}

} // namespace qm::shell
