// The description entry, the notice window and the cloned-procedure editor.
#include "library/ui/LibraryDialogs.h"

#include "common/HostRoundTrip.h"
#include "common/WindowNames.h"
#include "library/FormRewrite.h"
#include "library/ObjectStore.h"
#include "platform/UiRuntime.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::library {

frmObjFWDesc::frmObjFWDesc(bool askName, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(platform::toQString(common::window::ControlSetDescription));
    setWindowTitle("Object Frameworks Description");
    auto *form = new QFormLayout;
    txtControlSetName = platform::named(new QLineEdit(this), "txtControlSetName");
    txtControlSetName->setEnabled(askName);
    txtDescription = platform::named(new QLineEdit(this), "txtDescription");
    // Room for a description of a line, and for the whole title above it.
    txtDescription->setMinimumWidth(240);
    form->addRow("Control Set Name", txtControlSetName);
    form->addRow("Description", txtDescription);
    pbSave = platform::commandButton(this, "pbSave", "Save");
    pbCancel = platform::commandButton(this, "pbCancel", "Cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(pbSave);
    buttons->addWidget(pbCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(pbSave, &QPushButton::clicked, this, &QDialog::accept);
    connect(pbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::pair<std::string, std::string>> frmObjFWDesc::ask(bool askName, QWidget *parent)
{
    frmObjFWDesc dialog(askName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::make_pair(platform::fromQString(dialog.txtControlSetName->text()),
                          platform::fromQString(dialog.txtDescription->text()));
}

frmStopGo::frmStopGo(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(platform::toQString(common::window::StopGo));
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = platform::named(new QLabel(this), "Label1");
    Label1->setWordWrap(true);
    pbProceed = platform::commandButton(this, "pbProceed", "Proceed");
    pbCancel = platform::commandButton(this, "pbCancel", "Cancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(pbProceed);
    buttons->addWidget(pbCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    connect(pbProceed, &QPushButton::clicked, this, [this] {
        emit proceeded();
        close();
    });
    connect(pbCancel, &QPushButton::clicked, this, &QWidget::close);
}

void frmStopGo::setNotice(const QString &caption, const QString &text)
{
    setWindowTitle(caption);
    Label1->setText(text);
}

frmEditProc::frmEditProc(const std::string &procedure, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_originalName(GetNameFromProc(procedure))
{
    setObjectName(platform::toQString(common::window::EditProc));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Edit Cloned Procedure");
    lblNote = platform::label(this, "lblNote",
                              "Changes will be pasted as edited, except change to name will be "
                              "reflected in Function Returns Automatically.");
    lblNote->setWordWrap(true);
    txtProc = platform::named(new QPlainTextEdit(this), "txtProc");
    txtProc->setPlainText(platform::toQString(procedure));
    pbCopy = platform::commandButton(this, "pbCopy", "Copy to Clipboard");
    pbPaste = platform::commandButton(this, "pbPaste", "Paste to Cursor on Active Form");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(pbCopy);
    buttons->addWidget(pbPaste);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblNote);
    layout->addWidget(txtProc);
    layout->addLayout(buttons);
    connect(pbCopy, &QPushButton::clicked, this, &frmEditProc::pbCopy_Click);
    connect(pbPaste, &QPushButton::clicked, this, &frmEditProc::pbPaste_Click);
}

std::string frmEditProc::editedText() const
{
    std::string text = platform::fromQString(txtProc->toPlainText());
    // The editor holds LF line ends; the host's code takes CR LF.
    std::string crlf;
    for (char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    const std::string newName = GetNameFromProc(crlf);
    if (m_originalName.empty() || newName.empty() || newName == m_originalName)
        return crlf;
    return renameProcedure(crlf, m_originalName, newName);
}

void frmEditProc::pbCopy_Click()
{
    common::HostRoundTrip("pbCopy_Click").putOnClipboard(editedText());
}

void frmEditProc::pbPaste_Click()
{
    common::HostRoundTrip("pbPaste_Click").returnText(editedText());
}

} // namespace qm::library
