// The "Cleanup" page of frmApperTab: Delete Comments with its two options, and Delete Dead
// Events.
#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qm::changes {

class CleanupPage final : public QWidget
{
    Q_OBJECT

public:
    explicit CleanupPage(QWidget *parent = nullptr);

    QGroupBox *fraTypeComments;
    QRadioButton *rbAllComments;
    QRadioButton *rbQuillmarkBlocked;
    QPushButton *pbDeleteCommentedCode;
    QGroupBox *fraDelete;
    QPushButton *pbDeleteDeadEvents;

public slots:
    void pbDeleteCommentedCode_Click();
    void pbDeleteDeadEvents_Click();
};

} // namespace qm::changes
