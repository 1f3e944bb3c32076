// The splash and about windows.
#include "shell/ui/frmSplash.h"

#include "common/ErrorReports.h"
#include "common/Settings.h"
#include "common/WindowNames.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"
#include "shell/Version.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::shell {

namespace {

QLabel *
label(const QString &text, const char *name, QWidget *parent, int pointSize = 0, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    if (pointSize || bold) {
        QFont font = l->font();
        if (pointSize)
            font.setPointSize(pointSize);
        font.setBold(bold);
        l->setFont(font);
    }
    return l;
}

QLabel *picture(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QStringLiteral("picProduct"));
    l->setPixmap(platform::productPicture(48));
    return l;
}

} // namespace

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(platform::toQString(common::window::Splash));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setStyleSheet(QStringLiteral("frmSplash { background: white; border: 2px solid #30305a; }"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(18, 18, 18, 18);
    row->addWidget(picture(this), 0, Qt::AlignTop);
    auto *column = new QVBoxLayout;
    lblProductName = label(platform::toQString(splashVersionText(programVersion())),
                           "lblProductName", this, 16, true);
    lbl32Bit = label(QStringLiteral("(32 Bit)"), "lbl32Bit", this);
    const auto &s = common::settings();
    lblProgrammer = label(platform::toQString(s.programmer()), "lblProgrammer", this);
    lblCompany = label(platform::toQString(s.company()), "lblCompany", this);
    column->addWidget(lblProductName);
    column->addWidget(lbl32Bit);
    column->addSpacing(10);
    column->addWidget(lblProgrammer);
    column->addWidget(lblCompany);
    row->addLayout(column);
    adjustSize();
    platform::CenterForm(*this);
    platform::registerWindow(*this, "QuillmarkForm");
}

frmAbout::frmAbout(QWidget *parent)
    : QWidget(parent, Qt::Dialog)
{
    setObjectName(platform::toQString(common::window::About));
    setWindowTitle(QStringLiteral("About Quillmark"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    top->addWidget(picture(this), 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->addWidget(label(QStringLiteral("Quillmark"), "lblProductName", this, 14, true));
    lblHost = label(QStringLiteral("Visual Basic 4.0/32"), "lblHost", this);
    lblVersion = label(platform::toQString(aboutVersionText(programVersion())), "lblVersion", this);
    texts->addWidget(lblHost);
    texts->addWidget(lblVersion);
    top->addLayout(texts);
    layout->addLayout(top);

    // The name signs comment and change blocks; both show on the splash window.
    auto *form = new QFormLayout;
    const auto &s = common::settings();
    txtProgrammer = new QLineEdit(platform::toQString(s.programmer()), this);
    txtProgrammer->setObjectName(QStringLiteral("txtProgrammer"));
    txtProgrammer->setMaxLength(static_cast<int>(common::kNameWidth));
    txtCompany = new QLineEdit(platform::toQString(s.company()), this);
    txtCompany->setObjectName(QStringLiteral("txtCompany"));
    txtCompany->setMaxLength(static_cast<int>(common::kNameWidth));
    platform::installDialogBehaviour(*txtProgrammer);
    platform::installDialogBehaviour(*txtCompany);
    form->addRow(QStringLiteral("&Programmer:"), txtProgrammer);
    form->addRow(QStringLiteral("C&ompany:"), txtCompany);
    layout->addLayout(form);

    auto *buttons = new QHBoxLayout;
    pbSaveNames = new QPushButton(QStringLiteral("&Save Names"), this);
    pbSaveNames->setObjectName(QStringLiteral("pbSaveNames"));
    pbClose = new QPushButton(QStringLiteral("Close"), this);
    pbClose->setObjectName(QStringLiteral("pbClose"));
    buttons->addStretch();
    buttons->addWidget(pbSaveNames);
    buttons->addWidget(pbClose);
    layout->addLayout(buttons);
    connect(pbSaveNames, &QPushButton::clicked, this, &frmAbout::pbSaveNames_Click);
    connect(pbClose, &QPushButton::clicked, this, &frmAbout::pbClose_Click);
    adjustSize();
    platform::CenterForm(*this);
    platform::registerWindow(*this, "QuillmarkForm");
}

void frmAbout::pbSaveNames_Click()
{
    common::guarded("pbSaveNames_Click", [&] {
        common::storeNames(platform::fromQString(txtProgrammer->text()),
                           platform::fromQString(txtCompany->text()));
        txtProgrammer->setText(platform::toQString(common::settings().programmer()));
        txtCompany->setText(platform::toQString(common::settings().company()));
    });
}

void frmAbout::pbClose_Click()
{
    close();
}

} // namespace qm::shell
