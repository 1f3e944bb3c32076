// The Cleanup page's buttons run the cleanup commands; the page shows their notice.
#include "changes/ui/CleanupPage.h"

#include "changes/CleanupGlue.h"
#include "changes/ui/frmPleaseWait.h"
#include "platform/qt/NamedControls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm::changes {
CleanupPage::CleanupPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabCleanup"));
    fraTypeComments = new QGroupBox(QStringLiteral("Type Comments"), this);
    fraTypeComments->setObjectName(QStringLiteral("fraTypeComments"));
    rbAllComments = new QRadioButton(QStringLiteral("All Comments"), fraTypeComments);
    rbAllComments->setObjectName(QStringLiteral("rbAllComments"));
    rbQuillmarkBlocked = new QRadioButton(QStringLiteral("Quillmark"), fraTypeComments);
    rbQuillmarkBlocked->setObjectName(QStringLiteral("rbQuillmarkBlocked"));
    // The option that takes out less is the one a stray click runs with.
    rbQuillmarkBlocked->setChecked(true);
    pbDeleteCommentedCode =
        platform::commandButton(fraTypeComments, "pbDeleteCommentedCode", "Delete Comments");
    auto *comments = new QVBoxLayout(fraTypeComments);
    comments->addWidget(rbAllComments);
    comments->addWidget(rbQuillmarkBlocked);
    comments->addWidget(pbDeleteCommentedCode);

    fraDelete = new QGroupBox(QStringLiteral("Delete"), this);
    fraDelete->setObjectName(QStringLiteral("fraDelete"));
    pbDeleteDeadEvents = platform::commandButton(fraDelete, "pbDeleteDeadEvents", "Dead Events");
    auto *dead = new QVBoxLayout(fraDelete);
    dead->addWidget(pbDeleteDeadEvents);
    dead->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraTypeComments);
    layout->addWidget(fraDelete);

    connect(pbDeleteCommentedCode, &QPushButton::clicked, this,
            &CleanupPage::pbDeleteCommentedCode_Click);
    connect(pbDeleteDeadEvents, &QPushButton::clicked, this,
            &CleanupPage::pbDeleteDeadEvents_Click);
}

void CleanupPage::pbDeleteCommentedCode_Click()
{
    DeleteCommentedCode(rbAllComments->isChecked());
}

void CleanupPage::pbDeleteDeadEvents_Click()
{
    // The wait for the host's notice lets events run: a second click must not start another.
    pbDeleteDeadEvents->setEnabled(false);
    const std::optional<Notice> notice = DeleteDeadEventsProc();
    pbDeleteDeadEvents->setEnabled(true);
    if (notice)
        frmPleaseWait::showNotice(window(), notice->caption, notice->text);
}

} // namespace qm::changes
