// The editor's Find and Find & Replace dialogs, and the window that edits an extra clipboard.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace qm::codetext {

struct SearchState;

/// How the editor shows its dialogs modally: exec() unless a test or script replaces it.
using ModalRunner = std::function<void(QDialog &)>;
ModalRunner &modalRunner();
/// Shows a dialog modally through the runner.
void showModal(QDialog &dialog);

/// "Find": the text, the letter case and the direction of the editor's search.
class frmFind final : public QDialog
{
    Q_OBJECT

public:
    explicit frmFind(SearchState &state, QWidget *parent = nullptr);

    QLineEdit *Text1;
    QCheckBox *chkCase;
    QGroupBox *fraDirection;
    QRadioButton *optDirection[2];
    QPushButton *cmdFind;
    QPushButton *cmdcancel;

public slots:
    void optDirection_Click(int Index);
    void cmdFind_Click();
    void cmdcancel_Click();

private:
    SearchState &m_state;
};

/// "Find & Replace".
class frmReplace final : public QDialog
{
    Q_OBJECT

public:
    explicit frmReplace(SearchState &state, QWidget *parent = nullptr);

    QLineEdit *txtFindWhat;
    QLineEdit *txtReplaceWith;
    QCheckBox *chkCaseSensitive;
    QPushButton *pbReplace;
    QPushButton *pbCancel;

public slots:
    void pbReplace_Click();
    void pbCancel_Click();

private:
    SearchState &m_state;
};

/// "Edit Quillmark Clipboard #N".
class frmEditClip final : public QDialog
{
    Q_OBJECT

public:
    explicit frmEditClip(QWidget *parent = nullptr);

    /// Shows `sText` for clipboard `sNumber` ("1" to "3") modally; returns the edited text when
    /// saved, the text given otherwise.
    std::string EditClipText(const std::string &sNumber, const std::string &sText);

    QPlainTextEdit *Text1;
    QPushButton *pbSave;
    QPushButton *pbExit;

public slots:
    void pbSave_Click();
    void pbExit_Click();

private:
    std::string m_result;
};

} // namespace qm::codetext
