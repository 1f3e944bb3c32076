// The add-in's own code editor: a whole file, or a module one procedure at a time, with the
// text tools on its selection.
#pragma once

#include "codetext/ModuleDivision.h"

#include <QWidget>

#include <map>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace qm::codetext {

/// "Quillmark Editor".
class frmEdit32 final : public QWidget
{
    Q_OBJECT

public:
    explicit frmEdit32(QWidget *parent = nullptr);
    ~frmEdit32() override;

    QFrame *panToolbar;
    QComboBox *cbProc;
    QPushButton *tbComment;
    QPushButton *tbUncomment;
    QPushButton *Command3D1;
    QPushButton *Command3D2;
    QPushButton *tbPrint;
    QPushButton *Command3D3;
    QPushButton *tbFindDiff;
    QPlainTextEdit *txtEdit;
    QMenuBar *menuBar;

    /// A menu entry by its name ("mnuFileSave"), or nullptr.
    QAction *menuEntry(const QString &name) const;

    /// Opens a file: whole, or divided into its procedures (module mode). False when it could
    /// not be opened (the reason was shown).
    bool openFile(const std::string &path, bool moduleMode);
    /// The text box's text as bytes, lines separated by LF.
    std::string editorText() const;
    const std::string &currentPath() const { return m_path; }
    bool isModuleMode() const { return m_moduleMode; }
    bool isDirty() const { return m_dirty; }
    const std::string &currentProcedure() const { return m_procedure; }

    void CommentLines();
    void UncommentLines();
    void IndentLines();
    void ConvertXBaseProc();
    void ConcatenateText();
    void PrintSelectedText();
    void Find();
    void FindNext();
    void Replace();

public slots:
    void tbComment_Click();
    void tbUncomment_Click();
    void Command3D1_Click();
    void Command3D2_Click();
    void tbPrint_Click();
    void Command3D3_Click();
    void cbProc_Click();
    void mnuFileSave_Click();
    void mnuSaveAs_Click();
    void mnuFileClose_Click();
    void mnuFind_Click();
    void mnuFindNext_Click();
    void mnuReplace_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuClear_Click();
    void mnuDeleteText_Click();
    void mnjSelectAll_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addEntry(QMenu *menu, const char *name, const char *caption);
    void buildMenus();
    /// Asks about a changed text before it would be dropped: Yes saves it (asking for a path
    /// when there is none), No drops it. False when the programmer cancelled or the save failed.
    bool settleChangedText();
    void openWithDialog(int filterIndex, bool moduleMode);
    void setEditorText(const std::string &bytes);
    void loadEntry(int index);
    void fillProcedureList();
    void selectListEntry(int index);
    std::string selectionOrAll(bool &empty);
    void pasteOverSelection(const std::string &text);
    void transformSelection(const char *emptyMessage, std::string (*transform)(std::string_view));
    bool saveTo(const std::string &destination);
    void updateCaption();
    void resetFile();

    std::map<QString, QAction *> m_entries;
    std::string m_path;
    bool m_moduleMode = false;
    bool m_dirty = false;
    bool m_loading = false;
    std::string m_fileBytes;  ///< the file as opened or last saved
    std::string m_loadedText; ///< the text box's text right after loading
    std::string m_lineEnd = "\r\n";
    std::vector<ModuleEntry> m_division;
    std::string m_procedure;
    int m_procedureIndex = -1;
};

/// The largest file the editor opens whole.
inline constexpr size_t kLargestWholeFile = 16 * 1024 * 1024;

} // namespace qm::codetext
