// The "Controls" window's frame and its Track Changes tab.
#include "shell/ui/frmApperTab.h"

#include "changes/TrackChangesCommands.h"
#include "common/ErrorReports.h"
#include "common/HostWindows.h"
#include "common/ProgramState.h"
#include "platform/qt/WindowBinding.h"
#include "shell/Connector.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::shell {

namespace {

QPushButton *button(const char *name, const char *caption, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A tab whose tools arrive with a later release of the add-in.
QWidget *placeholderTab(const char *name, const char *what)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    auto *layout = new QVBoxLayout(page);
    auto *label = new QLabel(QString::fromLatin1(what), page);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    layout->addWidget(label);
    return page;
}

} // namespace

frmApperTab::frmApperTab(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                  Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmApperTab"));
    setWindowTitle(QStringLiteral("Controls"));
    setAttribute(Qt::WA_DeleteOnClose);
    common::programState().setWindowOpen("frmApperTab", true);

    auto *layout = new QVBoxLayout(this);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(
        placeholderTab("tabAppear",
                       "Alignment, size, spacing and appearance of the selected controls."),
        QStringLiteral("Appear"));
    SSTab1->addTab(placeholderTab("tabTabOrder", "Tab order of the active form's controls."),
                   QStringLiteral("Tab Order"));
    SSTab1->addTab(placeholderTab("tabMultiClip", "Three extra clipboards."),
                   QStringLiteral("MultiClip"));
    SSTab1->addTab(placeholderTab("tabErrors", "Error traps and the control structure analyzer."),
                   QStringLiteral("Errors"));
    SSTab1->addTab(
        placeholderTab("tabCleanup", "Removal of comments and of dead event procedures."),
        QStringLiteral("Cleanup"));

    auto *track = new QWidget;
    track->setObjectName(QStringLiteral("tabTrackChanges"));
    auto *trackLayout = new QHBoxLayout(track);
    fraDocumentBlock = new QGroupBox(QStringLiteral("Document Block"), track);
    fraDocumentBlock->setObjectName(QStringLiteral("fraDocumentBlock"));
    auto *docLayout = new QVBoxLayout(fraDocumentBlock);
    pbBlockanAdd = button("pbBlockanAdd", "Addition", fraDocumentBlock);
    pbChangeBlock = button("pbChangeBlock", "Change", fraDocumentBlock);
    pbCommentDeletion = button("pbCommentDeletion", "Deletion", fraDocumentBlock);
    docLayout->addWidget(pbBlockanAdd);
    docLayout->addWidget(pbChangeBlock);
    docLayout->addWidget(pbCommentDeletion);
    fraTrackChanges = new QGroupBox(QStringLiteral("Track Changes"), track);
    fraTrackChanges->setObjectName(QStringLiteral("fraTrackChanges"));
    auto *changesLayout = new QVBoxLayout(fraTrackChanges);
    SSCommand3 = button("SSCommand3", "Delete Blocking", fraTrackChanges);
    changesLayout->addWidget(SSCommand3);
    changesLayout->addStretch();
    trackLayout->addWidget(fraDocumentBlock);
    trackLayout->addWidget(fraTrackChanges);
    SSTab1->addTab(track, QStringLiteral("Track Changes"));
    layout->addWidget(SSTab1);

    pbStayOnTop = button("pbStayOnTop", "Set Stay On Top", this);
    layout->addWidget(pbStayOnTop, 0, Qt::AlignRight);

    connect(pbStayOnTop, &QPushButton::clicked, this, &frmApperTab::pbStayOnTop_Click);
    connect(pbBlockanAdd, &QPushButton::clicked, this, &frmApperTab::pbBlockanAdd_Click);
    connect(pbChangeBlock, &QPushButton::clicked, this, &frmApperTab::pbChangeBlock_Click);
    connect(pbCommentDeletion, &QPushButton::clicked, this, &frmApperTab::pbCommentDeletion_Click);
    connect(SSCommand3, &QPushButton::clicked, this, &frmApperTab::SSCommand3_Click);

    resize(420, 240);
    platform::registerWindow(*this, "QuillmarkForm");
}

frmApperTab::~frmApperTab()
{
    common::programState().setWindowOpen("frmApperTab", false);
}

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
    platform::WindowHandle self = platform::WindowBinding::of(*this)->handle();
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

void frmApperTab::pbBlockanAdd_Click()
{
    changes::pbBlockanAdd_Click();
}

void frmApperTab::pbChangeBlock_Click()
{
    changes::pbChangeBlock_Click();
}

void frmApperTab::pbCommentDeletion_Click()
{
    changes::pbCommentDeletion_Click();
}

void frmApperTab::SSCommand3_Click()
{
    changes::SSCommand3_Click();
}

} // namespace qm::shell
