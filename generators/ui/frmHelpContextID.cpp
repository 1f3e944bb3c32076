// The help context window.
#include "generators/ui/frmHelpContextID.h"

#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/WindowNames.h"
#include "generators/HelpTopics.h"
#include "generators/ui/DesignerControls.h"
#include "host/Host.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>

namespace qm::generators {

using ui::named;

namespace {

constexpr int kStop = platform::mb::Critical;

// The number of the combo's text, or the problem with it told; nothing changes then.
bool readContextNumber(const QComboBox &combo, std::int16_t &number)
{
    const std::string item = platform::fromQString(combo.currentText());
    const ContextNumber read = contextNumberOf(item);
    if (read.status == ContextNumber::NoComma) {
        platform::ui().msgBox("Your RTF File has no Context IDs!", kStop, "Invalid RTF");
        return false;
    }
    if (read.status == ContextNumber::NotANumber) {
        platform::ui().msgBox("The Context ID \"" + read.text +
                                  "\" is not a whole number from -32768 to 32767!",
                              kStop, "Invalid RTF");
        return false;
    }
    number = read.value;
    return true;
}

} // namespace

frmHelpContextID::frmHelpContextID(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(platform::toQString(common::window::HelpContext));
    setWindowTitle(QStringLiteral("Set Help Context ID"));
    setAttribute(Qt::WA_DeleteOnClose);
    // On top of the host, but the host keeps the focus when the window appears.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto *topicLabel = new QLabel(QStringLiteral("Select Help Topic:"), this);
    cbSelectHelpTopic = named(new QComboBox(this), "cbSelectHelpTopic");
    cbSelectHelpTopic->setEditable(true);
    cbSelectHelpTopic->setMinimumContentsLength(40);
    cbSelectHelpTopic->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    topicLabel->setBuddy(cbSelectHelpTopic);
    pbOpenRTF = platform::commandButton(this, "pbOpenRTF", "Open Context File");
    pbSetIndex = platform::commandButton(this, "pbSetIndex", "Set Index");
    pbClose = platform::commandButton(this, "pbClose", "Close");
    pbHelp = ui::helpButton(this);
    picProduct = ui::productButton(this);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {pbOpenRTF, pbSetIndex, pbClose})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(pbHelp);
    buttons->addWidget(picProduct);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(topicLabel);
    layout->addWidget(cbSelectHelpTopic);
    layout->addLayout(buttons);

    connect(pbOpenRTF, &QPushButton::clicked, this, &frmHelpContextID::pbOpenRTF_Click);
    connect(pbSetIndex, &QPushButton::clicked, this, &frmHelpContextID::pbSetIndex_Click);
    connect(pbClose, &QPushButton::clicked, this, &frmHelpContextID::pbClose_Click);
    connect(cbSelectHelpTopic, &QComboBox::activated, this,
            &frmHelpContextID::cbSelectHelpTopic_Click);
    connect(pbHelp, &QToolButton::clicked, this, [] { ui::sendContextHelp(); });
    connect(picProduct, &QToolButton::clicked, this, [] { ui::openProductHelp(); });

    adjustSize();
    platform::CenterForm(*this);
}

frmHelpContextID::~frmHelpContextID() = default;

void frmHelpContextID::LoadContextIds()
{
    platform::FileDialogRequest request;
    request.title = "Open File";
    request.filter = "Include (*.hh;*.bas;*.rtf)|*.hh;*.bas;*.rtf";
    std::optional<std::string> path;
    common::ignoreErrors([&] { path = platform::ui().openFileDialog(request); });
    if (!path || platform::trimBlanks(*path).empty()) {
        close();
        return;
    }

    // The file is read whole at once, so nothing stays open whatever happens next.
    std::string text;
    try {
        text = platform::readFile(*path);
    } catch (const platform::VbError &) {
        platform::ui().msgBox("Can't open Help Context File: \n" + *path, kStop,
                              "Project File Error");
        close();
        return;
    }

    cbSelectHelpTopic->clear();
    const char kind = contextFileKind(*path);
    if (kind == 0) {
        platform::ui().msgBox("Unknown Context ID File Type!", kStop, "Unknown File Type");
        close();
        return;
    }
    common::guarded("LoadContextIds", [&] {
        for (const std::string &item : contextTopics(text, kind))
            cbSelectHelpTopic->addItem(platform::toQString(item));
        if (cbSelectHelpTopic->count() == 0) {
            platform::ui().msgBox("Your RTF File has no Context IDs!", kStop, "Invalid RTF");
            return;
        }
        cbSelectHelpTopic->setCurrentIndex(0);
        const ContextNumber first =
            contextNumberOf(platform::fromQString(cbSelectHelpTopic->currentText()));
        // A first topic without a usable number keeps the number as it was: type mismatch.
        if (first.status != ContextNumber::Ok)
            throw platform::VbError(13);
        m_contextNumber = first.value;
    });
}

void frmHelpContextID::pbOpenRTF_Click()
{
    LoadContextIds();
}

void frmHelpContextID::cbSelectHelpTopic_Click()
{
    readContextNumber(*cbSelectHelpTopic, m_contextNumber);
}

void frmHelpContextID::pbSetIndex_Click()
{
    host::Host *host = common::programState().host;
    host::ControlList controls;
    bool haveForm = host != nullptr;
    if (host) {
        try {
            controls = host->selectedControls();
        } catch (const platform::VbError &) {
            haveForm = false;
        }
    }
    if (!haveForm) {
        platform::ui().msgBox("No form is active: open a form and select its controls first.",
                              platform::mb::Exclamation, "Set Help Context ID");
        return;
    }
    const int number = m_contextNumber;
    for (const host::ControlPtr &control : controls) {
        // A control without one of the properties keeps going with the next.
        common::ignoreErrors([&] { control->setProperty("WhatsThisHelpID", number); });
        common::ignoreErrors([&] { control->setProperty("HelpContextID", number); });
    }
}

void frmHelpContextID::pbClose_Click()
{
    close();
}

} // namespace qm::generators
