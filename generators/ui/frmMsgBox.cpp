// The message box designer window.
#include "generators/ui/frmMsgBox.h"

#include "common/ErrorReports.h"
#include "common/WindowNames.h"
#include "generators/ui/DesignerControls.h"
#include "generators/ui/PaintCode.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm::generators {
namespace {

using ui::named;

QRadioButton *option(QWidget *frame, QVBoxLayout *layout, const char *name, const char *caption)
{
    auto *button = platform::optionButton(frame, name, caption);
    layout->addWidget(button);
    return button;
}

QToolButton *iconButton(QWidget *parent, const char *name, QStyle::StandardPixmap pixmap)
{
    auto *button = named(new QToolButton(parent), name, "Select MsgBox Icon");
    button->setIcon(parent->style()->standardIcon(pixmap));
    button->setIconSize(QSize(32, 32));
    button->setCheckable(true);
    return button;
}

} // namespace

frmMsgBox::frmMsgBox(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(platform::toQString(common::window::MsgBox));
    setWindowTitle(QStringLiteral("Quillmark MsgBox Designer"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    // Load: the values start again on every load; selecting the initial options runs their
    // events as a click would, which leaves only Button 1 enabled.
    m_boxKind = 'S';
    m_buttonStyle = 0;
    m_icon = 16;
    m_modal = 0;
    rbOk->setChecked(true);
    rbMsgboxStatement->setChecked(true);
    rbButton1->setChecked(true);
    txtMessage->setPlainText(QStringLiteral("Type lines and press Enter for Multiline\n"));
    showIconChoice();

    adjustSize();
    platform::CenterForm(*this);
}

frmMsgBox::~frmMsgBox() = default;

void frmMsgBox::buildControls()
{
    auto *titleLabel = new QLabel(QStringLiteral("Title"), this);
    txtTitle = named(new QLineEdit(QStringLiteral("MsgBox Caption"), this), "txtTitle");
    titleLabel->setBuddy(txtTitle);
    auto *messageLabel = new QLabel(QStringLiteral("Message (Press Enter for Multi-Lines)"), this);
    txtMessage = named(new QPlainTextEdit(this), "txtMessage");
    txtMessage->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtMessage->setMinimumHeight(platform::twipsToPixels(1200, this));
    messageLabel->setBuddy(txtMessage);

    fraButtons = named(new QGroupBox(QStringLiteral("MsgBox Buttons"), this), "fraButtons",
                       "Select Answer Options");
    auto *buttonsLayout = new QVBoxLayout(fraButtons);
    rbOk = option(fraButtons, buttonsLayout, "rbOk", "Ok");
    rbOkcancel = option(fraButtons, buttonsLayout, "rbOkcancel", "Ok, Cancel");
    rbAbortRetryIgnore = option(fraButtons, buttonsLayout, "rbAbortRetryIgnore", "Abort, Retry, Ignore");
    rbYesNoCancel = option(fraButtons, buttonsLayout, "rbYesNoCancel", "Yes, No, Cancel");
    rbYesNo = option(fraButtons, buttonsLayout, "rbYesNo", "Yes, No");
    rbRetryCancel = option(fraButtons, buttonsLayout, "rbRetryCancel", "Retry, Cancel");

    fraBoxType = named(new QGroupBox(QStringLiteral("Box Type"), this), "fraBoxType",
                       "Select Function to receive answer");
    auto *kindLayout = new QVBoxLayout(fraBoxType);
    rbMsgboxFunction = option(fraBoxType, kindLayout, "rbMsgboxFunction", "MsgBox Function");
    rbMsgboxStatement = option(fraBoxType, kindLayout, "rbMsgboxStatement", "MsgBox Statement");

    fraDefaultButton = platform::frame(this, "fraDefaultButton", "Default Button");
    auto *defaultLayout = new QVBoxLayout(fraDefaultButton);
    rbButton1 = option(fraDefaultButton, defaultLayout, "rbButton1", "Button 1");
    rbButton2 = option(fraDefaultButton, defaultLayout, "rbButton2", "Button 2");
    rbButton3 = option(fraDefaultButton, defaultLayout, "rbButton3", "Button 3");

    auto *iconLabel = new QLabel(QStringLiteral("Select Icon"), this);
    pbStop = iconButton(this, "pbStop", QStyle::SP_MessageBoxCritical);
    pbQuestion = iconButton(this, "pbQuestion", QStyle::SP_MessageBoxQuestion);
    pbExclamation = iconButton(this, "pbExclamation", QStyle::SP_MessageBoxWarning);
    pbInfo = iconButton(this, "pbInfo", QStyle::SP_MessageBoxInformation);
    chkSystemModal = named(new QCheckBox(QStringLiteral("System Modal"), this), "chkSystemModal",
                           "Create System Modal MsgBox");

    pbTest = platform::commandButton(this, "pbTest", "Test", "Preview the MsgBox");
    pbShowCode = platform::commandButton(this, "pbShowCode", "Show Code", "Show generated code");
    pbPaintIt =
        platform::commandButton(this, "pbPaintIt", "Paint It", "Paste to the previous code window");
    pbExit = platform::commandButton(this, "pbExit", "Exit", "Exit without code paste");
    pbHelp = ui::helpButton(this);
    picProduct = ui::productButton(this);

    platform::installDialogBehaviour(*txtTitle);
    platform::installDialogBehaviour(*txtMessage, platform::EnterKey::MovesOnNewLineShifted);

    auto *frames = new QHBoxLayout;
    frames->addWidget(fraButtons);
    auto *kindAndDefault = new QVBoxLayout;
    kindAndDefault->addWidget(fraBoxType);
    kindAndDefault->addWidget(fraDefaultButton);
    frames->addLayout(kindAndDefault);

    auto *icons = new QHBoxLayout;
    icons->addWidget(iconLabel);
    for (QToolButton *button : {pbStop, pbQuestion, pbExclamation, pbInfo})
        icons->addWidget(button);
    icons->addStretch();
    icons->addWidget(chkSystemModal);

    auto *left = new QVBoxLayout;
    left->addWidget(titleLabel);
    left->addWidget(txtTitle);
    left->addWidget(messageLabel);
    left->addWidget(txtMessage, 1);
    left->addLayout(frames);
    left->addLayout(icons);

    auto *commands =
        ui::commandColumn({pbTest, pbShowCode, pbPaintIt, pbExit}, pbHelp, picProduct);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(commands);

    // An option's Click runs when it becomes the selected one, by the mouse, the keyboard or
    // the program, as the runtime's option buttons do.
    auto onSelect = [this](QRadioButton *button, void (frmMsgBox::*slot)()) {
        connect(button, &QRadioButton::toggled, this, [this, slot](bool on) {
            if (on)
                (this->*slot)();
        });
    };
    onSelect(rbOk, &frmMsgBox::rbOk_Click);
    onSelect(rbOkcancel, &frmMsgBox::rbOkcancel_Click);
    onSelect(rbAbortRetryIgnore, &frmMsgBox::rbAbortRetryIgnore_Click);
    onSelect(rbYesNoCancel, &frmMsgBox::rbYesNoCancel_Click);
    onSelect(rbYesNo, &frmMsgBox::rbYesNo_Click);
    onSelect(rbRetryCancel, &frmMsgBox::rbRetryCancel_Click);
    onSelect(rbMsgboxFunction, &frmMsgBox::rbMsgboxFunction_Click);
    onSelect(rbMsgboxStatement, &frmMsgBox::rbMsgboxStatement_Click);
    connect(pbStop, &QToolButton::clicked, this, &frmMsgBox::pbStop_Click);
    connect(pbQuestion, &QToolButton::clicked, this, &frmMsgBox::pbQuestion_Click);
    connect(pbExclamation, &QToolButton::clicked, this, &frmMsgBox::pbExclamation_Click);
    connect(pbInfo, &QToolButton::clicked, this, &frmMsgBox::pbInfo_Click);
    connect(chkSystemModal, &QCheckBox::toggled, this, &frmMsgBox::chkSystemModal_Click);
    connect(pbTest, &QPushButton::clicked, this, &frmMsgBox::pbTest_Click);
    connect(pbShowCode, &QPushButton::clicked, this, &frmMsgBox::pbShowCode_Click);
    connect(pbPaintIt, &QPushButton::clicked, this, &frmMsgBox::pbPaintIt_Click);
    connect(pbExit, &QPushButton::clicked, this, &frmMsgBox::pbExit_Click);
    connect(pbHelp, &QToolButton::clicked, this, &frmMsgBox::pbHelp_Click);
    connect(picProduct, &QToolButton::clicked, this, &frmMsgBox::picProduct_Click);
}

void frmMsgBox::EnableDefaultButtons(std::int16_t iButtonCount)
{
    QRadioButton *const buttons[] = {rbButton1, rbButton2, rbButton3};
    for (int i = 0; i < 3; ++i) {
        const bool enabled = i < iButtonCount;
        buttons[i]->setEnabled(enabled);
        // A box has no default button beyond its last one: a selected option that goes grey
        // would otherwise still count when the code is generated.
        if (!enabled && buttons[i]->isChecked())
            rbButton1->setChecked(true);
    }
}

MsgBoxDesign frmMsgBox::design() const
{
    MsgBoxDesign d;
    d.kind = m_boxKind;
    d.buttons = m_buttonStyle;
    d.defaultButton = rbButton1->isChecked() ? 0 : rbButton2->isChecked() ? 256 : 512;
    d.icon = m_icon;
    d.modal = m_modal;
    d.title = platform::fromQString(txtTitle->text());
    d.message = messageText();
    return d;
}

std::string frmMsgBox::SetUpPaintProc()
{
    std::string code;
    common::guarded("SetUpPaintProc", [&] { code = generators::SetUpPaintProc(design()); });
    return code;
}

void frmMsgBox::TestMsgBoxProc()
{
    common::guarded("TestMsgBoxProc", [&] {
        const MsgBoxDesign d = design();
        // The live box shows the title exactly as typed; only the code trims it.
        platform::ui().msgBox(msgBoxTestText(d.message), msgBoxFlags(d), d.title);
    });
}

std::string frmMsgBox::messageText() const
{
    QString text = txtMessage->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return platform::fromQString(text);
}

void frmMsgBox::setButtonStyle(std::int16_t style, std::int16_t buttonCount)
{
    m_buttonStyle = style;
    EnableDefaultButtons(buttonCount);
}

void frmMsgBox::rbOk_Click() { setButtonStyle(0, 1); }
void frmMsgBox::rbOkcancel_Click() { setButtonStyle(1, 2); }
void frmMsgBox::rbAbortRetryIgnore_Click() { setButtonStyle(2, 3); }
void frmMsgBox::rbYesNoCancel_Click() { setButtonStyle(3, 3); }
void frmMsgBox::rbYesNo_Click() { setButtonStyle(4, 2); }
void frmMsgBox::rbRetryCancel_Click() { setButtonStyle(5, 2); }
void frmMsgBox::rbMsgboxFunction_Click() { m_boxKind = 'F'; }
void frmMsgBox::rbMsgboxStatement_Click() { m_boxKind = 'S'; }

void frmMsgBox::setIcon(std::int16_t icon)
{
    m_icon = icon;
    showIconChoice();
}

void frmMsgBox::pbStop_Click() { setIcon(16); }
void frmMsgBox::pbQuestion_Click() { setIcon(32); }
void frmMsgBox::pbExclamation_Click() { setIcon(48); }
void frmMsgBox::pbInfo_Click() { setIcon(64); }

void frmMsgBox::showIconChoice()
{
    // A system-modal box carries no icon, so none shows as chosen while it is checked.
    const int shown = m_modal == 0 ? m_icon : 0;
    pbStop->setChecked(shown == 16);
    pbQuestion->setChecked(shown == 32);
    pbExclamation->setChecked(shown == 48);
    pbInfo->setChecked(shown == 64);
}

void frmMsgBox::chkSystemModal_Click()
{
    if (chkSystemModal->isChecked()) {
        m_modal = 4096;
        m_icon = 0;
    } else {
        m_modal = 0;
        m_icon = 16;
    }
    showIconChoice();
}

void frmMsgBox::pbTest_Click()
{
    TestMsgBoxProc();
}

void frmMsgBox::pbShowCode_Click()
{
    const std::string code = SetUpPaintProc();
    if (!code.empty())
        showCodePreview(*this, code);
}

void frmMsgBox::pbPaintIt_Click()
{
    const std::string code = SetUpPaintProc();
    if (!code.empty())
        paintCode(*this, code, "pbPaintIt_Click");
}

void frmMsgBox::pbExit_Click()
{
    close();
}

void frmMsgBox::pbHelp_Click()
{
    common::guarded("pbHelp_Click", [] {
        platform::ui().sendKeys("{F1}", false);
        platform::ui().processEvents();
    });
}

void frmMsgBox::picProduct_Click()
{
    common::guarded("picProduct_Click", [] { platform::showProductHelp(); });
}

} // namespace qm::generators
