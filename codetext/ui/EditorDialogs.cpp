// The Find, Find & Replace and clipboard editing dialogs.
#include "codetext/ui/EditorDialogs.h"

#include "codetext/EditorText.h"
#include "codetext/Find.h"
#include "common/WindowNames.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm::codetext {

using platform::named;

ModalRunner &modalRunner()
{
    static ModalRunner runner = [](QDialog &dialog) {
        dialog.exec();
    };
    return runner;
}

void showModal(QDialog &dialog)
{
    modalRunner()(dialog);
}

frmFind::frmFind(SearchState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(platform::toQString(common::window::Find));
    setWindowTitle(QStringLiteral("Find"));
    Text1 = named(new QLineEdit(this), "Text1");
    auto *label = new QLabel(QStringLiteral("Fi&nd What:"), this);
    label->setBuddy(Text1);
    chkCase = platform::checkBox(this, "chkCase", "Match &Case");
    fraDirection = platform::frame(this, "fraDirection", "Direction");
    optDirection[0] = platform::optionButton(fraDirection, "optDirection(0)", "&Up");
    optDirection[1] = platform::optionButton(fraDirection, "optDirection(1)", "&Down");
    auto *directions = new QHBoxLayout(fraDirection);
    directions->addWidget(optDirection[0]);
    directions->addWidget(optDirection[1]);
    cmdFind = platform::commandButton(this, "cmdFind", "&Find");
    cmdFind->setDefault(true);
    cmdcancel = platform::commandButton(this, "cmdcancel", "Cancel");

    auto *grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(Text1, 0, 1, 1, 2);
    grid->addWidget(cmdFind, 0, 3);
    grid->addWidget(chkCase, 1, 0, 1, 2);
    grid->addWidget(fraDirection, 1, 2);
    grid->addWidget(cmdcancel, 1, 3);

    chkCase->setChecked(state.caseSensitive);
    optDirection[state.direction == 0 ? 0 : 1]->setChecked(true);
    platform::installDialogBehaviour(*Text1);
    connect(optDirection[0], &QRadioButton::clicked, this, [this] { optDirection_Click(0); });
    connect(optDirection[1], &QRadioButton::clicked, this, [this] { optDirection_Click(1); });
    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &frmFind::cmdcancel_Click);
}

void frmFind::optDirection_Click(int Index)
{
    m_state.direction = Index;
}

void frmFind::cmdFind_Click()
{
    m_state.searchText = platform::fromQString(Text1->text());
    m_state.caseSensitive = chkCase->isChecked();
    accept();
}

void frmFind::cmdcancel_Click()
{
    // Cancel keeps the search as it was; the editor then searches for the text in force.
    reject();
}

frmReplace::frmReplace(SearchState &state, QWidget *parent)
    : QDialog(parent)
    , m_state(state)
{
    setObjectName(platform::toQString(common::window::Replace));
    setWindowTitle(QStringLiteral("Find & Replace"));
    txtFindWhat = named(new QLineEdit(this), "txtFindWhat");
    txtReplaceWith = named(new QLineEdit(this), "txtReplaceWith");
    chkCaseSensitive = platform::checkBox(this, "chkCaseSensitive", "Case Sensitive");
    pbReplace = platform::commandButton(this, "pbReplace", "Replace");
    pbReplace->setDefault(true);
    pbCancel = platform::commandButton(this, "pbCancel", "Cancel");

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Find What"), this), 0, 0);
    grid->addWidget(txtFindWhat, 0, 1);
    grid->addWidget(pbReplace, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Replace With"), this), 1, 0);
    grid->addWidget(txtReplaceWith, 1, 1);
    grid->addWidget(pbCancel, 1, 2);
    grid->addWidget(chkCaseSensitive, 2, 1);

    txtFindWhat->setText(platform::toQString(state.searchText));
    txtReplaceWith->setText(platform::toQString(state.replacement));
    chkCaseSensitive->setChecked(state.caseSensitive);
    platform::installDialogBehaviour(*txtFindWhat);
    platform::installDialogBehaviour(*txtReplaceWith);
    connect(pbReplace, &QPushButton::clicked, this, &frmReplace::pbReplace_Click);
    connect(pbCancel, &QPushButton::clicked, this, &frmReplace::pbCancel_Click);
}

void frmReplace::pbReplace_Click()
{
    m_state.caseSensitive = chkCaseSensitive->isChecked();
    m_state.searchText = platform::fromQString(txtFindWhat->text());
    m_state.replacement = platform::fromQString(txtReplaceWith->text());
    accept();
}

void frmReplace::pbCancel_Click()
{
    m_state.searchText.clear();
    m_state.replacement.clear();
    reject();
}

frmEditClip::frmEditClip(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(platform::toQString(common::window::EditClip));
    setWindowTitle(QStringLiteral("Edit Quillmark Clipboard #1"));
    Text1 = named(new QPlainTextEdit(this), "Text1");
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    pbSave = platform::commandButton(this, "pbSave", "Save && Exit");
    pbExit = platform::commandButton(this, "pbExit", "Exit w/o Save");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(pbSave);
    buttons->addWidget(pbExit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addLayout(buttons);
    resize(480, 320);
    connect(pbSave, &QPushButton::clicked, this, &frmEditClip::pbSave_Click);
    connect(pbExit, &QPushButton::clicked, this, &frmEditClip::pbExit_Click);
}

std::string frmEditClip::EditClipText(const std::string &sNumber, const std::string &sText)
{
    m_result = sText;
    Text1->setPlainText(platform::toQString(toEditorText(sText)));
    setWindowTitle(platform::toQString("Edit Quillmark Clipboard #" + sNumber));
    platform::CenterForm(*this);
    showModal(*this);
    return m_result;
}

void frmEditClip::pbSave_Click()
{
    // The clipboards hold code as the host pastes it: lines ended by CR LF.
    m_result = fromEditorText(platform::fromQString(Text1->toPlainText()), "\r\n");
    accept();
}

void frmEditClip::pbExit_Click()
{
    reject();
}

} // namespace qm::codetext
