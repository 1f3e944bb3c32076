// frmShowChanges, "Show Changes": the filters and the scope of the change report.
#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qm::changes {

class frmShowChanges final : public QDialog
{
    Q_OBJECT

public:
    explicit frmShowChanges(QWidget *parent = nullptr);
    ~frmShowChanges() override;

    QLineEdit *txtProgrammer;
    QLineEdit *txtStartDate;
    QLineEdit *txtEndDate;
    QGroupBox *fraWhichChanges;
    QRadioButton *rbCurrentFile;
    QRadioButton *rbAllFiles;
    QPushButton *pbOk;
    QPushButton *pbCancel;
    QPushButton *pbHelp;

public slots:
    void pbOk_Click();
    void pbCancel_Click();
    void pbHelp_Click();
};

} // namespace qm::changes
