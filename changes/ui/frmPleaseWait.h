// frmPleaseWait: the small notice window the change report and the cleanup show when they are
// done ("No changes were found!", "Dead Events Deleted").
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace qm::changes {

class frmPleaseWait final : public QDialog
{
    Q_OBJECT

public:
    explicit frmPleaseWait(QWidget *parent = nullptr);

    /// Shows the notice modally: it keeps the programmer's input until it is closed, without
    /// holding up the caller (which has nothing left to do). Lines of `text` are joined by LF.
    static void showNotice(QWidget *parent, const std::string &caption, const std::string &text);
    /// For tests: when set, showNotice hands the shown window to the hook and closes it after.
    static void setNoticeHook(std::function<void(frmPleaseWait &)> hook);

    QLabel *lblMessage;
    QPushButton *pbOk;

public slots:
    void pbOk_Click();
};

} // namespace qm::changes
