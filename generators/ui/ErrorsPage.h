// The Errors page of frmApperTab: local error traps, the module error handler and the control
// structure analyzer.
#pragma once

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

public slots:
    void pbSubErrorTrapping_Click();
    void pbDefaultErrHandler_Click();
    void pbRemove_Click();
    void pbIfAnalyzer_Click();
};

} // namespace qm::generators
