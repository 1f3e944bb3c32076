// The control structure analyzer window.
#include "generators/ui/frmIFAnalyzer.h"

#include "codetext/Print.h"
#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/WindowNames.h"
#include "generators/Analyzer.h"
#include "generators/ProcedureGlue.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::generators {
frmIFAnalyzer::frmIFAnalyzer(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(platform::toQString(common::window::IFAnalyzer));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Control Structure Analyzer"));
    resize(640, 480);

    // The text box fills the window; the buttons follow its lower edge when it is resized.
    auto *layout = new QVBoxLayout(this);
    txtIfAnalyzer = new QPlainTextEdit(this);
    txtIfAnalyzer->setObjectName(QStringLiteral("txtIfAnalyzer"));
    txtIfAnalyzer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtIfAnalyzer->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(txtIfAnalyzer, 1);
    auto *buttons = new QHBoxLayout;
    pbPrint = platform::commandButton(this, "pbPrint", "Print");
    pbSave = platform::commandButton(this, "pbSave", "Save");
    pbClose = platform::commandButton(this, "pbClose", "Close");
    buttons->addWidget(pbPrint);
    buttons->addWidget(pbSave);
    buttons->addStretch();
    buttons->addWidget(pbClose);
    layout->addLayout(buttons);

    connect(pbPrint, &QPushButton::clicked, this, &frmIFAnalyzer::pbPrint_Click);
    connect(pbSave, &QPushButton::clicked, this, &frmIFAnalyzer::pbSave_Click);
    connect(pbClose, &QPushButton::clicked, this, &frmIFAnalyzer::pbClose_Click);

    platform::CenterForm(*this);
    Form_Load();
}

void frmIFAnalyzer::Form_Load()
{
    const std::optional<std::string> code = copyProcedure("Form_Load", kAnalyzerSelectKeys);
    if (!code)
        return;
    common::guarded("Form_Load", [&] { m_report = AnalyzeControlStructures(*code); });
    txtIfAnalyzer->setPlainText(platform::toQString(m_report));
}

void frmIFAnalyzer::pbPrint_Click()
{
    common::guarded("pbPrint_Click", [&] { codetext::PrintText(m_report); });
}

void frmIFAnalyzer::pbSave_Click()
{
    // An empty report would only delete the selection.
    if (m_report.empty()) {
        close();
        return;
    }
    common::HostRoundTrip("pbSave_Click").returnText(m_report);
    close();
}

void frmIFAnalyzer::pbClose_Click()
{
    close();
}

} // namespace qm::generators
