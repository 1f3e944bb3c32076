// "Object Frameworks": the object library's five lists and the Clone && Gen Code tab.
#pragma once

#include "library/ObjectStore.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QListWidget;

namespace qm::library {

class frmOFWLibe2 final : public QWidget
{
    Q_OBJECT

public:
    explicit frmOFWLibe2(QWidget *parent = nullptr);

    /// The list type: the current tab while it is one of the five lists.
    ObjectKind listType() const { return m_listType; }
    /// The records shown, in outline order.
    const std::vector<ProcNameObj> &records() const { return m_records; }

    QTabWidget *SSTab1;
    /// The outline: row 0 is the kind's root item, row i + 1 record i.
    QListWidget *Outline1;
    QLabel *lblListType;
    QLabel *lblDescription;
    QPlainTextEdit *txtProcDesc;
    QPushButton *pbCaptureObject;
    QPushButton *pbPasteObject;
    QPushButton *pbDeleteObject;
    QPushButton *pbNext;
    QPushButton *pbFinish;
    QPushButton *pbCancel;
    QPushButton *pbCopyControls;
    QPushButton *pbPasteControls;
    QPushButton *pbCopyMenu;
    QPushButton *pbPasteMenu;
    QPushButton *pbCloneProc;
    QPushButton *pbCloneForm;
    QCheckBox *chkSelectonFocus;
    QCheckBox *chkEntertoTab;
    QCheckBox *chkKillbeeponEnter;
    QPushButton *pbPastetoForm;
    QPushButton *pbDeleteControls;
    QPushButton *pbDocTemplate;
    QPushButton *pbNewProcedure;
    QPushButton *pbStayOnTop;
    QPushButton *pbClose;
    QPushButton *pbHelp;

public slots:
    void SSTab1_Click(int tab);
    void Outline1_Click();
    void pbCaptureObject_Click();
    void pbPasteObject_Click();
    void pbDeleteObject_Click();
    void pbNext_Click();
    void pbFinish_Click();
    void pbCancel_Click();
    void pbCopyControls_Click();
    void pbPasteControls_Click();
    void pbCopyMenu_Click();
    void pbPasteMenu_Click();
    void pbCloneProc_Click();
    void pbCloneForm_Click();
    void pbPastetoForm_Click();
    void pbDeleteControls_Click();
    void pbDocTemplate_Click();
    void pbNewProcedure_Click();
    void pbStayOnTop_Click();
    void pbHelp_Click();

private:
    QWidget *buildListTab();
    QWidget *buildCloneTab();
    /// The record selected in the outline; nothing for the root or no selection.
    std::optional<std::size_t> selectedRecord() const;
    void LoadObjectList();

    ObjectKind m_listType = ObjectKind::Procs;
    std::vector<ProcNameObj> m_records;
    QWidget *m_listPage = nullptr;
    std::string m_copiedMenu;
    std::vector<std::string> m_copiedControls;
    /// The wizard's notice window while a control set is pasted.
    QWidget *m_notice = nullptr;
    void showNotice(const char *caption, const char *text);
    void endWizard();
};

} // namespace qm::library
