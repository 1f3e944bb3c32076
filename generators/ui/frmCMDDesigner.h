// The common dialog designer: the programmer picks a dialog kind, its caption, a filter and
// flag constants; the designer writes the statements that drive a CommonDialog1 control, shows
// the dialog live on its own CommonDialog1, previews the code or pastes it.
#pragma once

#include "generators/CommonDialog.h"

#include <QWidget>

#include <cstdint>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace qm::generators {

/// The designer's own common dialog control: its properties, and Action, which shows the
/// dialog through the user-interface runtime.
struct CommonDialogControl
{
    std::string DialogTitle;
    std::string Filename;
    std::string Filter;
    std::int32_t Flags = 0;
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::string HelpFile;
    int HelpCommand = 0;

    /// Shows the dialog of an Action number (1 open ... 6 help); its result is not used.
    void setAction(int action);
};

/// "Quillmark Common Dialog Designer". Deletes itself when it is closed.
class frmCMDDesigner final : public QWidget
{
    Q_OBJECT

public:
    explicit frmCMDDesigner(QWidget *parent = nullptr);
    ~frmCMDDesigner() override;

    /// The sum of the selected lines' values; 0 after a failure, which is reported.
    std::int32_t GetFlags();
    /// The value texts of the selected lines joined by " Or ".
    std::string flagsText() const;
    /// The kind, caption, filter and selected lines as the generator takes them.
    CommonDialogDesign design() const;
    /// The generated code; empty for no kind or after a failure.
    std::string generateCode();
    /// Shows the chosen dialog on CommonDialog1.
    void TestDialog();
    int dialogKind() const { return m_kind; }

    QGroupBox *fraDialogType;
    QRadioButton *rbOpenFile;
    QRadioButton *rbSaveAs;
    QRadioButton *rbColor;
    QRadioButton *rbFont;
    QRadioButton *rbPrinter;
    QRadioButton *rbHelp;
    QLabel *lblDialogCaption;
    QLineEdit *txtTitle;
    QComboBox *cbFilter;
    QListWidget *lbFlagList;
    QPushButton *pbTest;
    QPushButton *pbShowCode;
    QPushButton *pbPaintIt;
    QPushButton *pbExit;
    QToolButton *pbHelp;
    QToolButton *picProduct;
    CommonDialogControl CommonDialog1;

public slots:
    void pbTest_Click();
    void pbShowCode_Click();
    void pbPaintIt_Click();
    void pbExit_Click();

private:
    void chooseKind(int kind);
    std::vector<std::string> selectedLines() const;

    int m_kind = dialog::None;
};

} // namespace qm::generators
