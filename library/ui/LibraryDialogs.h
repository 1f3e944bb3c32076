// The object library's small windows: the description entry, the notice window of the
// wizard and of Delete Controls, and the editor of a cloned procedure.
#pragma once

#include <QDialog>
#include <QWidget>

#include <optional>
#include <string>
#include <utility>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qm::library {

/// "Object Frameworks Description": a name and a description; for procedures only the latter.
class frmObjFWDesc final : public QDialog
{
    Q_OBJECT

public:
    explicit frmObjFWDesc(bool askName, QWidget *parent = nullptr);

    /// Shows the dialog modally; the name and description typed, or nothing when cancelled.
    static std::optional<std::pair<std::string, std::string>> ask(bool askName, QWidget *parent);

    QLineEdit *txtControlSetName;
    QLineEdit *txtDescription;
    QPushButton *pbSave;
    QPushButton *pbCancel;
};

/// The notice window: a caption and a text set by the caller, Proceed and Cancel.
class frmStopGo final : public QWidget
{
    Q_OBJECT

public:
    explicit frmStopGo(QWidget *parent = nullptr);
    void setNotice(const QString &caption, const QString &text);

    QLabel *Label1;
    QPushButton *pbProceed;
    QPushButton *pbCancel;

signals:
    void proceeded();
};

/// "Edit Cloned Procedure": the captured procedure to edit; a new name is carried into the
/// function's return assignments when it is copied or pasted.
class frmEditProc final : public QWidget
{
    Q_OBJECT

public:
    explicit frmEditProc(const std::string &procedure, QWidget *parent = nullptr);
    /// The text as edited, with the procedure's return assignments following its new name.
    std::string editedText() const;

    QLabel *lblNote;
    QPlainTextEdit *txtProc;
    QPushButton *pbCopy;
    QPushButton *pbPaste;

public slots:
    void pbCopy_Click();
    void pbPaste_Click();

private:
    std::string m_originalName;
};

} // namespace qm::library
