// The Track Changes page and its buttons.
#include "changes/ui/TrackChangesPage.h"

#include "changes/TrackChangesGlue.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "platform/qt/NamedControls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::changes {

TrackChangesPage::TrackChangesPage(QWidget *parent)
    : QWidget(parent)
{
    auto *trackLayout = new QHBoxLayout(this);
    fraDocumentBlock = new QGroupBox(QStringLiteral("Document Block"), this);
    fraDocumentBlock->setObjectName(QStringLiteral("fraDocumentBlock"));
    auto *docLayout = new QVBoxLayout(fraDocumentBlock);
    pbBlockanAdd = platform::commandButton(fraDocumentBlock, "pbBlockanAdd", "Addition");
    pbChangeBlock = platform::commandButton(fraDocumentBlock, "pbChangeBlock", "Change");
    pbCommentDeletion = platform::commandButton(fraDocumentBlock, "pbCommentDeletion", "Deletion");
    docLayout->addWidget(pbBlockanAdd);
    docLayout->addWidget(pbChangeBlock);
    docLayout->addWidget(pbCommentDeletion);
    fraTrackChanges = new QGroupBox(QStringLiteral("Track Changes"), this);
    fraTrackChanges->setObjectName(QStringLiteral("fraTrackChanges"));
    auto *changesLayout = new QVBoxLayout(fraTrackChanges);
    SSCommand3 = platform::commandButton(fraTrackChanges, "SSCommand3", "Delete Blocking");
    changesLayout->addWidget(SSCommand3);
    pbShowChanges = platform::commandButton(fraTrackChanges, "pbShowChanges", "Show Changes");
    changesLayout->addWidget(pbShowChanges);
    changesLayout->addStretch();
    trackLayout->addWidget(fraDocumentBlock);
    trackLayout->addWidget(fraTrackChanges);

    connect(pbBlockanAdd, &QPushButton::clicked, this, &TrackChangesPage::pbBlockanAdd_Click);
    connect(pbChangeBlock, &QPushButton::clicked, this, &TrackChangesPage::pbChangeBlock_Click);
    connect(pbCommentDeletion, &QPushButton::clicked, this,
            &TrackChangesPage::pbCommentDeletion_Click);
    connect(SSCommand3, &QPushButton::clicked, this, &TrackChangesPage::SSCommand3_Click);
    connect(pbShowChanges, &QPushButton::clicked, this, &TrackChangesPage::pbShowChanges_Click);
}

void TrackChangesPage::pbBlockanAdd_Click()
{
    changes::pbBlockanAdd_Click();
}

void TrackChangesPage::pbChangeBlock_Click()
{
    changes::pbChangeBlock_Click();
}

void TrackChangesPage::pbCommentDeletion_Click()
{
    changes::pbCommentDeletion_Click();
}

void TrackChangesPage::SSCommand3_Click()
{
    changes::SSCommand3_Click();
}

void TrackChangesPage::pbShowChanges_Click()
{
    // One dialog at a time: a second click brings the open one forward. It is a child window
    // of frmApperTab and unloads with it.
    common::toolRegistry().showWindow(common::window::ShowChanges);
}

} // namespace qm::changes
