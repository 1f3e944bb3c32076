// The input box designer: the programmer types the prompt, caption and default answer of an
// input box, tries it, previews its code or pastes the code where the designer was opened from.
#pragma once

#include "generators/InputBox.h"

#include <QWidget>

#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace qm::generators {

/// "Quillmark Input Box Designer". Deletes itself when it is closed (Cancel, Paint It or the
/// close box).
class frmInputBox final : public QWidget
{
    Q_OBJECT

public:
    explicit frmInputBox(QWidget *parent = nullptr);
    ~frmInputBox() override;

    /// The three texts as typed (the prompt's line breaks as CR LF).
    InputBoxDesign design() const;
    /// The generated code; empty after a failure, which is reported.
    std::string generateCode();

    QPlainTextEdit *txtPromptText;
    QLineEdit *txtDefaultInputText;
    QLineEdit *txtWindowCaption;
    QPushButton *pbTest;
    QPushButton *pbShowCode;
    QPushButton *pbPaintIt;
    QPushButton *pbCancel;
    QToolButton *pbHelp;
    QToolButton *picProduct;

public slots:
    void pbTest_Click();
    void pbShowCode_Click();
    void pbPaintIt_Click();
    void pbCancel_Click();
};

} // namespace qm::generators
