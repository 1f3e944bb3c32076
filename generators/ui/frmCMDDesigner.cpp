// The common dialog designer window.
#include "generators/ui/frmCMDDesigner.h"

#include "common/ErrorReports.h"
#include "common/WindowNames.h"
#include "generators/ui/DesignerControls.h"
#include "generators/ui/PaintCode.h"
#include "platform/Help.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm::generators {

using ui::named;

void CommonDialogControl::setAction(int action)
{
    platform::FileDialogRequest request;
    request.title = DialogTitle;
    request.filter = Filter;
    request.fileName = Filename;
    request.flags = Flags;
    switch (action) {
    case dialog::OpenFile:
        platform::ui().openFileDialog(request);
        break;
    case dialog::SaveAs:
        platform::ui().saveFileDialog(request);
        break;
    case dialog::Color:
        platform::ui().commonDialog(platform::CommonDialogKind::Color, DialogTitle, Flags);
        break;
    case dialog::Font:
        platform::ui().commonDialog(platform::CommonDialogKind::Font, DialogTitle, Flags);
        break;
    case dialog::Printer:
        platform::ui().commonDialog(platform::CommonDialogKind::Printer, DialogTitle, Flags);
        break;
    case dialog::Help:
        // The programmer's help file is not at hand here: the product's own help stands in.
        platform::showUserGuide();
        break;
    default:
        break;
    }
}

frmCMDDesigner::frmCMDDesigner(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(platform::toQString(common::window::CommonDialog));
    setWindowTitle(QStringLiteral("Quillmark Common Dialog Designer"));
    setAttribute(Qt::WA_DeleteOnClose);

    fraDialogType = platform::frame(this, "fraDialogType", "Dialog Type");
    auto *kinds = new QVBoxLayout(fraDialogType);
    auto option = [&](const char *name, const char *caption, int kind) {
        auto *button = platform::optionButton(fraDialogType, name, caption);
        kinds->addWidget(button);
        // A kind's Click runs when its option becomes the selected one.
        connect(button, &QRadioButton::toggled, this, [this, kind](bool on) {
            if (on)
                chooseKind(kind);
        });
        return button;
    };
    rbOpenFile = option("rbOpenFile", "Open File Dialog", dialog::OpenFile);
    rbSaveAs = option("rbSaveAs", "Save As Dialog", dialog::SaveAs);
    rbColor = option("rbColor", "Color Dialog", dialog::Color);
    rbFont = option("rbFont", "Font Dialog", dialog::Font);
    rbPrinter = option("rbPrinter", "Printer Dialog", dialog::Printer);
    rbHelp = option("rbHelp", "Help Function", dialog::Help);

    lblDialogCaption =
        named(new QLabel(platform::toQString(dialogCaptionLabel(dialog::None)), this),
              "lblDialogCaption");
    txtTitle = named(new QLineEdit(QStringLiteral("Open"), this), "txtTitle");
    // With a buddy the label shows "&&" as one ampersand.
    lblDialogCaption->setBuddy(txtTitle);
    auto *filterLabel = new QLabel(QStringLiteral("Filter"), this);
    cbFilter = named(new QComboBox(this), "cbFilter");
    cbFilter->setEditable(true);
    for (std::string_view filter : dialogFilters())
        cbFilter->addItem(platform::toQString(filter));
    cbFilter->setCurrentIndex(-1); // no entry chosen on load: the filter starts empty
    cbFilter->setEditText(QString());
    filterLabel->setBuddy(cbFilter);
    auto *flagsLabel = new QLabel(QStringLiteral("Flags (Multiple Selections Allowable)"), this);
    lbFlagList = named(new QListWidget(this), "lbFlagList");
    lbFlagList->setSelectionMode(QAbstractItemView::MultiSelection);
    flagsLabel->setBuddy(lbFlagList);

    pbTest = platform::commandButton(this, "pbTest", "Test");
    pbShowCode = platform::commandButton(this, "pbShowCode", "Show Code");
    pbPaintIt = platform::commandButton(this, "pbPaintIt", "Paint It");
    pbExit = platform::commandButton(this, "pbExit", "Exit");
    pbHelp = ui::helpButton(this);
    picProduct = ui::productButton(this);
    platform::installDialogBehaviour(*txtTitle);

    auto *fields = new QVBoxLayout;
    fields->addWidget(lblDialogCaption);
    fields->addWidget(txtTitle);
    fields->addWidget(filterLabel);
    fields->addWidget(cbFilter);
    fields->addWidget(flagsLabel);
    fields->addWidget(lbFlagList, 1);

    auto *commands = ui::commandColumn({pbTest, pbShowCode, pbPaintIt, pbExit}, pbHelp, picProduct);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(fraDialogType);
    layout->addLayout(fields, 1);
    layout->addLayout(commands);

    connect(pbTest, &QPushButton::clicked, this, &frmCMDDesigner::pbTest_Click);
    connect(pbShowCode, &QPushButton::clicked, this, &frmCMDDesigner::pbShowCode_Click);
    connect(pbPaintIt, &QPushButton::clicked, this, &frmCMDDesigner::pbPaintIt_Click);
    connect(pbExit, &QPushButton::clicked, this, &frmCMDDesigner::pbExit_Click);
    connect(pbHelp, &QToolButton::clicked, this, [] { ui::sendContextHelp(); });
    connect(picProduct, &QToolButton::clicked, this, [] { ui::openProductHelp(); });

    adjustSize();
    platform::CenterForm(*this);
}

frmCMDDesigner::~frmCMDDesigner() = default;

void frmCMDDesigner::chooseKind(int kind)
{
    cbFilter->setEnabled(kind == dialog::OpenFile || kind == dialog::SaveAs);
    lblDialogCaption->setText(platform::toQString(dialogCaptionLabel(kind)));
    m_kind = kind;
    lbFlagList->clear();
    txtTitle->setText(platform::toQString(dialogInitialTitle(kind)));
    for (std::string_view line : dialogFlagLines(kind))
        lbFlagList->addItem(platform::toQString(line));
}

std::vector<std::string> frmCMDDesigner::selectedLines() const
{
    std::vector<std::string> lines;
    for (int row = 0; row < lbFlagList->count(); ++row) {
        const QListWidgetItem *item = lbFlagList->item(row);
        if (item->isSelected())
            lines.push_back(platform::fromQString(item->text()));
    }
    return lines;
}

std::int32_t frmCMDDesigner::GetFlags()
{
    std::int32_t flags = 0;
    common::guarded("GetFlags", [&] { flags = dialogFlagsValue(selectedLines()); });
    return flags;
}

std::string frmCMDDesigner::flagsText() const
{
    return dialogFlagsText(selectedLines());
}

CommonDialogDesign frmCMDDesigner::design() const
{
    return {m_kind, platform::fromQString(txtTitle->text()),
            platform::fromQString(cbFilter->currentText()), selectedLines()};
}

std::string frmCMDDesigner::generateCode()
{
    std::string code;
    common::guarded("pbShowCode_Click", [&] { code = commonDialogCode(design()); });
    return code;
}

void frmCMDDesigner::TestDialog()
{
    common::guarded("pbTest_Click", [&] {
        CommonDialogControl &cd = CommonDialog1;
        const std::string caption = platform::fromQString(txtTitle->text());
        switch (m_kind) {
        case dialog::OpenFile:
        case dialog::SaveAs:
            cd.DialogTitle = caption;
            cd.Filename.clear();
            cd.Filter = platform::fromQString(cbFilter->currentText());
            cd.Flags = GetFlags();
            cd.setAction(m_kind);
            break;
        case dialog::Color:
            cd.DialogTitle = caption;
            cd.Flags = GetFlags();
            cd.setAction(m_kind);
            break;
        case dialog::Font: {
            cd.DialogTitle = caption;
            const std::int32_t flags = GetFlags();
            cd.Flags = flags == 0 ? (1 | 2) : flags;
            common::ignoreErrors([&] { cd.setAction(m_kind); });
            break;
        }
        case dialog::Printer:
            cd.DialogTitle = caption;
            common::ignoreErrors([&] {
                cd.Flags = GetFlags();
                cd.Min = 1;
                cd.Max = 32767;
                cd.setAction(m_kind);
            });
            break;
        case dialog::Help:
            cd.HelpFile = caption;
            cd.HelpCommand = 3;
            cd.Flags = GetFlags();
            cd.setAction(m_kind);
            break;
        default:
            break;
        }
    });
}

void frmCMDDesigner::pbTest_Click()
{
    TestDialog();
}

void frmCMDDesigner::pbShowCode_Click()
{
    // Before a kind is chosen the preview shows the empty code.
    showCodePreview(*this, generateCode());
}

void frmCMDDesigner::pbPaintIt_Click()
{
    const std::string code = generateCode();
    if (!code.empty())
        paintCode(*this, code, "pbPaintIt_Click");
}

void frmCMDDesigner::pbExit_Click()
{
    close();
}

} // namespace qm::generators
