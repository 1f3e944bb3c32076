// The new procedure window.
#include "generators/ui/frmNewProcedure.h"

#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/WindowNames.h"
#include "generators/NewProc.h"
#include "generators/ProcedureGlue.h"
#include "host/Host.h"
#include "platform/AppFiles.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm::generators {
namespace {

using platform::named;

std::string withCrLf(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string withoutCr(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\r')
            out += c;
    }
    return out;
}

} // namespace

frmNewProcedure::frmNewProcedure(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(platform::toQString(common::window::NewProcedure));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("New Procedure"));
    resize(560, 440);

    auto *layout = new QVBoxLayout(this);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("New Proc Name"), this));
    Text1 = named(new QLineEdit(QStringLiteral("NewProcName"), this), "Text1");
    nameRow->addWidget(Text1, 1);
    layout->addLayout(nameRow);

    auto *options = new QHBoxLayout;
    auto *type = platform::frame(this, "fraType", "Type");
    auto *typeLayout = new QVBoxLayout(type);
    rbFunction = platform::optionButton(type, "rbFunction", "Function");
    rbSub = platform::optionButton(type, "rbSub", "Sub");
    rbSub->setChecked(true);
    typeLayout->addWidget(rbFunction);
    typeLayout->addWidget(rbSub);
    auto *scope = platform::frame(this, "fraScope", "Scope");
    auto *scopeLayout = new QVBoxLayout(scope);
    rbPrivate = platform::optionButton(scope, "rbPrivate", "Private");
    rbPublic = platform::optionButton(scope, "rbPublic", "Public");
    scopeLayout->addWidget(rbPrivate);
    scopeLayout->addWidget(rbPublic);
    options->addWidget(type);
    options->addWidget(scope);
    layout->addLayout(options);

    layout->addWidget(new QLabel(QStringLiteral("Procedure Template Code"), this));
    Text2 = named(new QPlainTextEdit(this), "Text2");
    Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Code, in the fixed font of the other code boxes: the header's rules line up.
    Text2->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(Text2, 1);

    auto *buttons = new QHBoxLayout;
    Command1 = platform::commandButton(this, "Command1", "Paste to Active Form");
    Command3 = platform::commandButton(this, "Command3", "Paste To Module Cursor");
    Command2 = platform::commandButton(this, "Command2", "Cancel");
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addStretch();
    buttons->addWidget(Command2);
    layout->addLayout(buttons);

    platform::installDialogBehaviour(*Text1);
    Text1->installEventFilter(this);
    // A click on an option that is already chosen changes nothing, as with option buttons.
    const auto onChosen = [this](QRadioButton *option, void (frmNewProcedure::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onChosen(rbFunction, &frmNewProcedure::rbFunction_Click);
    onChosen(rbSub, &frmNewProcedure::rbSub_Click);
    onChosen(rbPrivate, &frmNewProcedure::rbPrivate_Click);
    onChosen(rbPublic, &frmNewProcedure::rbPublic_Click);
    connect(Command1, &QPushButton::clicked, this, &frmNewProcedure::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmNewProcedure::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &frmNewProcedure::Command2_Click);

    Form_Load();
}

void frmNewProcedure::Form_Load()
{
    platform::CenterForm(*this);
    common::guarded("Form_Load", [&] {
        const common::ProgramSettings &s = common::settings();
        const NewProcLoad load{s.keywords.Author, s.keywords.DateCreated, s.programmer(),
                               generatorDate()};
        showWorkingText(loadNewProcedure(readNewProcTemplate(), load));
    });
    Text1->setSelection(0, 11);
}

std::string frmNewProcedure::workingText() const
{
    return withCrLf(platform::fromQString(Text2->toPlainText()));
}

void frmNewProcedure::showWorkingText(const std::string &text)
{
    Text2->setPlainText(platform::toQString(withoutCr(text)));
}

bool frmNewProcedure::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1 && event->type() == QEvent::FocusOut)
        Text1_LostFocus();
    return QWidget::eventFilter(watched, event);
}

void frmNewProcedure::Text1_LostFocus()
{
    const std::string name = platform::fromQString(Text1->text());
    const std::string text = workingText();
    const std::string named = applyProcedureName(text, name);
    if (named != text)
        showWorkingText(named);
}

void frmNewProcedure::rbFunction_Click()
{
    showWorkingText(applyFunctionKind(workingText()));
}

void frmNewProcedure::rbSub_Click()
{
    showWorkingText(applySubKind(workingText()));
}

void frmNewProcedure::rbPrivate_Click()
{
    showWorkingText(applyPrivateScope(workingText()));
}

void frmNewProcedure::rbPublic_Click()
{
    showWorkingText(applyPublicScope(workingText()));
}

void frmNewProcedure::Command1_Click()
{
    const std::string text = workingText();
    std::string path;
    common::ignoreErrors(
        [&] { path = platform::appFilePath("tempcode.txt", platform::AppFile::Written); });
    if (!path.empty()) {
        common::ignoreErrors([&] { platform::deleteFile(path); });
        common::ignoreErrors([&] { platform::writeFile(path, text + "\r\n"); });
        common::ignoreErrors([] { platform::ui().processEvents(); });
        common::ignoreErrors([&] {
            if (host::Host *host = common::programState().host)
                host->insertFileIntoActiveForm(path);
        });
    }
    close();
}

void frmNewProcedure::Command3_Click()
{
    const std::string text = workingText();
    common::HostRoundTrip("Command3_Click").skipFailingSteps().insert([&] { return text; });
    close();
}

void frmNewProcedure::Command2_Click()
{
    close();
}

} // namespace qm::generators
