// The input box designer window.
#include "generators/ui/frmInputBox.h"

#include "common/ErrorReports.h"
#include "common/WindowNames.h"
#include "generators/ui/DesignerControls.h"
#include "generators/ui/PaintCode.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm::generators {

using ui::named;

frmInputBox::frmInputBox(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(platform::toQString(common::window::InputBox));
    setWindowTitle(QStringLiteral("Quillmark Input Box Designer"));
    setAttribute(Qt::WA_DeleteOnClose);

    const InputBoxDesign initial;
    auto *promptLabel = new QLabel(QStringLiteral("Prompt Text"), this);
    txtPromptText = named(new QPlainTextEdit(this), "txtPromptText");
    txtPromptText->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtPromptText->setMinimumHeight(platform::twipsToPixels(1200, this));
    txtPromptText->setPlainText(QStringLiteral("Your message should be entered here.\n"));
    promptLabel->setBuddy(txtPromptText);
    auto *defaultLabel = new QLabel(QStringLiteral("Default Input Text"), this);
    txtDefaultInputText =
        named(new QLineEdit(platform::toQString(initial.defaultText), this), "txtDefaultInputText");
    defaultLabel->setBuddy(txtDefaultInputText);
    auto *captionLabel = new QLabel(QStringLiteral("Window Caption"), this);
    txtWindowCaption =
        named(new QLineEdit(platform::toQString(initial.caption), this), "txtWindowCaption");
    captionLabel->setBuddy(txtWindowCaption);

    pbTest = platform::commandButton(this, "pbTest", "Test");
    pbShowCode = platform::commandButton(this, "pbShowCode", "Show Code");
    pbPaintIt = platform::commandButton(this, "pbPaintIt", "Paint It");
    pbCancel = platform::commandButton(this, "pbCancel", "Cancel");
    pbHelp = ui::helpButton(this);
    picProduct = ui::productButton(this);

    platform::installDialogBehaviour(*txtPromptText, platform::EnterKey::MovesOnNewLineShifted);
    platform::installDialogBehaviour(*txtDefaultInputText);
    platform::installDialogBehaviour(*txtWindowCaption);

    auto *texts = new QVBoxLayout;
    texts->addWidget(promptLabel);
    texts->addWidget(txtPromptText, 1);
    texts->addWidget(defaultLabel);
    texts->addWidget(txtDefaultInputText);
    texts->addWidget(captionLabel);
    texts->addWidget(txtWindowCaption);

    auto *commands =
        ui::commandColumn({pbTest, pbShowCode, pbPaintIt, pbCancel}, pbHelp, picProduct);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(texts, 1);
    layout->addLayout(commands);

    connect(pbTest, &QPushButton::clicked, this, &frmInputBox::pbTest_Click);
    connect(pbShowCode, &QPushButton::clicked, this, &frmInputBox::pbShowCode_Click);
    connect(pbPaintIt, &QPushButton::clicked, this, &frmInputBox::pbPaintIt_Click);
    connect(pbCancel, &QPushButton::clicked, this, &frmInputBox::pbCancel_Click);
    connect(pbHelp, &QToolButton::clicked, this, [] { ui::sendContextHelp(); });
    connect(picProduct, &QToolButton::clicked, this, [] { ui::openProductHelp(); });

    adjustSize();
    platform::CenterForm(*this);
}

frmInputBox::~frmInputBox() = default;

InputBoxDesign frmInputBox::design() const
{
    QString prompt = txtPromptText->toPlainText();
    prompt.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return {platform::fromQString(prompt), platform::fromQString(txtWindowCaption->text()),
            platform::fromQString(txtDefaultInputText->text())};
}

std::string frmInputBox::generateCode()
{
    std::string code;
    common::guarded("pbShowCode_Click", [&] { code = inputBoxCode(design()); });
    return code;
}

void frmInputBox::pbTest_Click()
{
    common::guarded("pbTest_Click", [&] {
        // The live box shows the texts exactly as typed; only the code trims them.
        const InputBoxDesign d = design();
        platform::ui().inputBox(d.prompt, d.caption, d.defaultText);
    });
}

void frmInputBox::pbShowCode_Click()
{
    const std::string code = generateCode();
    if (!code.empty())
        showCodePreview(*this, code);
}

void frmInputBox::pbPaintIt_Click()
{
    const std::string code = generateCode();
    if (!code.empty())
        paintCode(*this, code, "pbPaintIt_Click");
}

void frmInputBox::pbCancel_Click()
{
    close();
}

} // namespace qm::generators
