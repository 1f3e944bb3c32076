// The Errors page and its buttons.
#include "generators/ui/ErrorsPage.h"

#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "generators/ProcedureGlue.h"
#include "platform/qt/NamedControls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::generators {
ErrorsPage::ErrorsPage(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    pbSubErrorTrapping =
        platform::commandButton(this, "pbSubErrorTrapping", "Paste Proc Err Handling");
    pbDefaultErrHandler =
        platform::commandButton(this, "pbDefaultErrHandler", "Paste Module Error Handler");
    pbRemove = platform::commandButton(this, "pbRemove", "Remove Local Error Code");
    pbIfAnalyzer = platform::commandButton(this, "pbIfAnalyzer", "Control Structure Analyzer");
    for (QPushButton *b : {pbSubErrorTrapping, pbDefaultErrHandler, pbRemove, pbIfAnalyzer})
        layout->addWidget(b);
    layout->addStretch();

    connect(pbSubErrorTrapping, &QPushButton::clicked, this, &ErrorsPage::pbSubErrorTrapping_Click);
    connect(pbDefaultErrHandler, &QPushButton::clicked, this,
            &ErrorsPage::pbDefaultErrHandler_Click);
    connect(pbRemove, &QPushButton::clicked, this, &ErrorsPage::pbRemove_Click);
    connect(pbIfAnalyzer, &QPushButton::clicked, this, &ErrorsPage::pbIfAnalyzer_Click);
}

void ErrorsPage::pbSubErrorTrapping_Click()
{
    generators::pbSubErrorTrapping_Click();
}

void ErrorsPage::pbDefaultErrHandler_Click()
{
    generators::pbDefaultErrHandler_Click();
}

void ErrorsPage::pbRemove_Click()
{
    generators::pbRemove_Click();
}

void ErrorsPage::pbIfAnalyzer_Click()
{
    // One analyzer at a time: an open one, which belongs to the selection it was opened on, is
    // raised. It is a child window of frmApperTab and unloads with it.
    common::toolRegistry().showWindow(common::window::IFAnalyzer);
}

} // namespace qm::generators
