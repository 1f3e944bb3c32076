// frmSplash, shown while the add-in connects, and frmAbout ("&About Quillmark"), where the
// programmer also sets the name and company the add-in signs with.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qm::shell {

class frmSplash final : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    QLabel *lblProductName;
    QLabel *lbl32Bit;
    QLabel *lblProgrammer;
    QLabel *lblCompany;
};

class frmAbout final : public QWidget
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *lblHost;
    QLabel *lblVersion;
    QLineEdit *txtProgrammer;
    QLineEdit *txtCompany;
    QPushButton *pbSaveNames;
    QPushButton *pbClose;

public slots:
    void pbSaveNames_Click();
    void pbClose_Click();
};

} // namespace qm::shell
