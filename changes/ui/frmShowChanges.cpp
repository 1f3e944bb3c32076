// The Show Changes dialog: its boxes start with the programmer's own name and today, and OK
// writes the report and hands it to the text viewer.
#include "changes/ui/frmShowChanges.h"

#include "changes/CleanupGlue.h"
#include "changes/ui/frmPleaseWait.h"
#include "common/Settings.h"
#include "common/WindowNames.h"
#include "platform/Dates.h"
#include "platform/Help.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm::changes {
namespace {

QPushButton *button(const char *name, const char *caption, QWidget *parent)
{
    auto *b = platform::commandButton(parent, name, caption);
    b->setAutoDefault(false);
    return b;
}

QLineEdit *textBox(const char *name, QWidget *parent)
{
    auto *box = platform::named(new QLineEdit(parent), name);
    platform::installDialogBehaviour(*box);
    return box;
}

} // namespace

frmShowChanges::frmShowChanges(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(platform::toQString(common::window::ShowChanges));
    setWindowTitle(QStringLiteral("Show Changes"));
    setAttribute(Qt::WA_DeleteOnClose);

    txtProgrammer = textBox("txtProgrammer", this);
    txtStartDate = textBox("txtStartDate", this);
    txtEndDate = textBox("txtEndDate", this);
    fraWhichChanges = new QGroupBox(QStringLiteral("Which Changes"), this);
    fraWhichChanges->setObjectName(QStringLiteral("fraWhichChanges"));
    rbCurrentFile = new QRadioButton(QStringLiteral("Current File"), fraWhichChanges);
    rbCurrentFile->setObjectName(QStringLiteral("rbCurrentFile"));
    rbAllFiles = new QRadioButton(QStringLiteral("All Files"), fraWhichChanges);
    rbAllFiles->setObjectName(QStringLiteral("rbAllFiles"));
    rbCurrentFile->setChecked(true);
    pbOk = button("pbOk", "OK", this);
    pbCancel = button("pbCancel", "Cancel", this);
    pbHelp = button("pbHelp", "Help", this);

    auto *which = new QVBoxLayout(fraWhichChanges);
    which->addWidget(rbCurrentFile);
    which->addWidget(rbAllFiles);
    auto *boxes = new QGridLayout;
    boxes->addWidget(new QLabel(QStringLiteral("Programmer - Blank = All"), this), 0, 0, 1, 3);
    boxes->addWidget(txtProgrammer, 1, 0, 1, 3);
    boxes->addWidget(new QLabel(QStringLiteral("Date Range - Blank = All"), this), 2, 0, 1, 3);
    boxes->addWidget(new QLabel(QStringLiteral("Start"), this), 3, 0);
    boxes->addWidget(txtStartDate, 3, 1);
    boxes->addWidget(txtEndDate, 3, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(pbOk);
    buttons->addWidget(pbCancel);
    buttons->addWidget(pbHelp);
    buttons->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(boxes);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(fraWhichChanges);

    connect(pbOk, &QPushButton::clicked, this, &frmShowChanges::pbOk_Click);
    connect(pbCancel, &QPushButton::clicked, this, &frmShowChanges::pbCancel_Click);
    connect(pbHelp, &QPushButton::clicked, this, &frmShowChanges::pbHelp_Click);

    // Form_Load: the own name and today in both date boxes.
    const std::string today =
        platform::formatDate(platform::today(), "mm/dd/yyyy", platform::dateSeparator());
    txtProgrammer->setText(platform::toQString(common::settings().programmer()));
    txtStartDate->setText(platform::toQString(today));
    txtEndDate->setText(platform::toQString(today));

    adjustSize();
    platform::CenterForm(*this);
    platform::registerWindow(*this, "QuillmarkForm");
}

frmShowChanges::~frmShowChanges() = default;

void frmShowChanges::pbOk_Click()
{
    ShowChangesRequest request;
    request.programmer = platform::fromQString(txtProgrammer->text());
    request.startDate = platform::fromQString(txtStartDate->text());
    request.endDate = platform::fromQString(txtEndDate->text());
    request.allFiles = rbAllFiles->isChecked();
    const ReportOutcome outcome = runChangeReport(request);
    QWidget *owner = parentWidget();
    close();
    if (outcome == ReportOutcome::NoneFound)
        frmPleaseWait::showNotice(owner, {}, "No changes were found!");
}

void frmShowChanges::pbCancel_Click()
{
    close();
}

void frmShowChanges::pbHelp_Click()
{
    platform::showUserGuide(common::window::ShowChanges);
}

} // namespace qm::changes
