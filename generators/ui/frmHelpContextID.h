// The help context window: reads the topics of a help project's file, lets the programmer pick
// one and writes its context number into the selected controls of the active form.
#pragma once

#include <QWidget>

#include <cstdint>

class QComboBox;
class QPushButton;
class QToolButton;

namespace qm::generators {

/// "Set Help Context ID". Stays on top of the host's windows without taking the focus when it
/// opens; deletes itself when it is closed.
class frmHelpContextID final : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelpContextID(QWidget *parent = nullptr);
    ~frmHelpContextID() override;

    /// Asks for the context file, reads its topics into the list and takes the first one's
    /// number. Closes the window when no usable file is chosen.
    void LoadContextIds();
    /// The number Set Index writes.
    std::int16_t contextNumber() const { return m_contextNumber; }

    QComboBox *cbSelectHelpTopic;
    QPushButton *pbOpenRTF;
    QPushButton *pbSetIndex;
    QPushButton *pbClose;
    QToolButton *pbHelp;
    QToolButton *picProduct;

public slots:
    void pbOpenRTF_Click();
    void cbSelectHelpTopic_Click();
    void pbSetIndex_Click();
    void pbClose_Click();

private:
    std::int16_t m_contextNumber = 0;
};

} // namespace qm::generators
