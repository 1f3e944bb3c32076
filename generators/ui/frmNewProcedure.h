// "New Procedure": the skeleton of a new procedure from the template newproc.txt, filled in
// step by step and handed to the host.
#pragma once

#include <QWidget>

#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace qm::generators {

class frmNewProcedure final : public QWidget
{
    Q_OBJECT

public:
    explicit frmNewProcedure(QWidget *parent = nullptr);

    QLineEdit *Text1;
    QPlainTextEdit *Text2;
    QRadioButton *rbFunction;
    QRadioButton *rbSub;
    QRadioButton *rbPrivate;
    QRadioButton *rbPublic;
    QPushButton *Command1;
    QPushButton *Command3;
    QPushButton *Command2;

    /// The working text as it would be pasted: Text2's text, lines ended by CR LF.
    std::string workingText() const;

public slots:
    void Text1_LostFocus();
    void rbFunction_Click();
    void rbSub_Click();
    void rbPrivate_Click();
    void rbPublic_Click();
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void showWorkingText(const std::string &text);
};

} // namespace qm::generators
