// The message box designer: the programmer composes a box, tries it, previews its code or
// pastes the code into the code window the designer was opened from.
#pragma once

#include "generators/MsgBox.h"

#include <QWidget>

#include <cstdint>
#include <string>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace qm::generators {

/// "Quillmark MsgBox Designer". The window deletes itself when it is closed (Exit, Paint It or
/// the close box); whoever opens it keeps a QPointer.
class frmMsgBox final : public QWidget
{
    Q_OBJECT

public:
    explicit frmMsgBox(QWidget *parent = nullptr);
    ~frmMsgBox() override;

    /// Enables the first `iButtonCount` (1 to 3) default-button options and disables the rest.
    /// A selected option that is disabled passes the selection to Button 1.
    void EnableDefaultButtons(std::int16_t iButtonCount);
    /// The generated code; empty after a failure, which is reported.
    std::string SetUpPaintProc();
    /// Shows the composed box through the user-interface runtime; the answer is not used.
    void TestMsgBoxProc();

    /// The designer's values and texts as the generator takes them.
    MsgBoxDesign design() const;

    QLineEdit *txtTitle;
    QPlainTextEdit *txtMessage;
    QCheckBox *chkSystemModal;
    QGroupBox *fraButtons;
    QRadioButton *rbOk;
    QRadioButton *rbOkcancel;
    QRadioButton *rbAbortRetryIgnore;
    QRadioButton *rbYesNoCancel;
    QRadioButton *rbYesNo;
    QRadioButton *rbRetryCancel;
    QGroupBox *fraBoxType;
    QRadioButton *rbMsgboxFunction;
    QRadioButton *rbMsgboxStatement;
    QGroupBox *fraDefaultButton;
    QRadioButton *rbButton1;
    QRadioButton *rbButton2;
    QRadioButton *rbButton3;
    QToolButton *pbStop;
    QToolButton *pbQuestion;
    QToolButton *pbExclamation;
    QToolButton *pbInfo;
    QPushButton *pbTest;
    QPushButton *pbShowCode;
    QPushButton *pbPaintIt;
    QPushButton *pbExit;
    QToolButton *pbHelp;
    QToolButton *picProduct;

public slots:
    void rbOk_Click();
    void rbOkcancel_Click();
    void rbAbortRetryIgnore_Click();
    void rbYesNoCancel_Click();
    void rbYesNo_Click();
    void rbRetryCancel_Click();
    void rbMsgboxFunction_Click();
    void rbMsgboxStatement_Click();
    void pbStop_Click();
    void pbQuestion_Click();
    void pbExclamation_Click();
    void pbInfo_Click();
    void chkSystemModal_Click();
    void pbTest_Click();
    void pbShowCode_Click();
    void pbPaintIt_Click();
    void pbExit_Click();
    void pbHelp_Click();
    void picProduct_Click();

private:
    void buildControls();
    void setButtonStyle(std::int16_t style, std::int16_t buttonCount);
    void setIcon(std::int16_t icon);
    void showIconChoice();
    std::string messageText() const;

    char m_boxKind = 'S';
    std::int16_t m_buttonStyle = 0;
    std::int16_t m_icon = 16;
    std::int16_t m_modal = 0;
};

} // namespace qm::generators
