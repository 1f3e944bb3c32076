// The Errors page of frmApperTab: local error traps, the module error handler and the control
// structure analyzer.
#pragma once

#include "generators/ui/frmIFAnalyzer.h"

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace qm::generators {

class ErrorsPage final : public QWidget
{
    Q_OBJECT

public:
    explicit ErrorsPage(QWidget *parent = nullptr);

    QPushButton *pbSubErrorTrapping;
    QPushButton *pbDefaultErrHandler;
    QPushButton *pbRemove;
    QPushButton *pbIfAnalyzer;

    /// The analyzer window this page opened, while it is open.
    frmIFAnalyzer *analyzer() const { return m_analyzer; }

public slots:
    void pbSubErrorTrapping_Click();
    void pbDefaultErrHandler_Click();
    void pbRemove_Click();
    void pbIfAnalyzer_Click();

private:
    QPointer<frmIFAnalyzer> m_analyzer;
};

} // namespace qm::generators
