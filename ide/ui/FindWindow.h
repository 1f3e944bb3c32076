// The host's Find dialog on screen: it shows the model's dialog while it is open (the text to
// find and the scope) and hands every key typed into it to the host, as sent keys go.
#pragma once

#include "ide/ui/HostWindow.h"

class QLineEdit;
class QRadioButton;

namespace qm::ide {

class FindWindow final : public HostWindow
{
    Q_OBJECT

public:
    explicit FindWindow(HostUi &ui);
    /// Shows the dialog while the model's is open, with its text and scope.
    void refresh();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLineEdit *m_findWhat = nullptr;
    QRadioButton *m_scopes[3] = {};
};

} // namespace qm::ide
