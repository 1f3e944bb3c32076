// The code finder window: a search over a project's or a directory's files that stops at each
// hit, steps on with Find Next and jumps to a hit in the host's code window.
#pragma once

#include "search/CodeFinder.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace qm::search {

/// What the finder keeps while the add-in is loaded, from one window to the next.
struct CodeFinderSettings
{
    std::string searchText;
    std::string projectPath;
    std::string directory; ///< without a trailing separator
};
CodeFinderSettings &codeFinderSettings();

/// "Quillmark Code Finder". The search runs in slices from the event loop and waits at each hit
/// while the window stays responsive; the window deletes itself when it is closed.
class frmCodeFinder final : public QWidget
{
    Q_OBJECT

public:
    explicit frmCodeFinder(QWidget *parent = nullptr);
    ~frmCodeFinder() override;

    /// The search state: 1 a hit is shown and the search waits, 2 continue, 3 close requested,
    /// 5 stop requested; 0 before any of them.
    std::int16_t searchState() const { return m_searchState; }
    /// True while a search is under way (scanning or waiting at a hit).
    bool isSearching() const { return m_cursor != nullptr; }

    QMenuBar *menuBar;
    QAction *mnuSelectProject;
    QAction *mnuSelectDirectory;
    QAction *mnuExit;
    QAction *mnuFindFind;
    QAction *mnuFindNext;
    QAction *mnuStopSearch;
    QLineEdit *txtCode;
    QLabel *lblFile;
    QLabel *lblProcedure;
    QLabel *lblLineNumber;
    QLabel *lblSearchPath;
    QGroupBox *fraFindType;
    QRadioButton *rbAllInstances;
    QRadioButton *rbShowDefinitions;
    QRadioButton *rbShowAssignments;
    QPushButton *pbSelectProject;
    QPushButton *pbSelectDirectory;
    QPushButton *pbFind;
    QPushButton *pbFindNext;
    QPushButton *pbStopSearch;
    QPushButton *pbLoadCodeEditor;
    QPushButton *pbClose;

public slots:
    void pbSelectProject_Click();
    void pbSelectDirectory_Click();
    void pbFind_Click();
    void pbFindNext_Click();
    void pbStopSearch_Click();
    void pbLoadCodeEditor_Click();
    void pbClose_Click();
    void mnuSelectProject_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void selectProject(const char *filter);
    void showSearchPath();
    void startSearch();
    void continueSearch();
    void endSearch();
    FindKind findKind() const;

    std::unique_ptr<SearchCursor> m_cursor;
    QTimer *m_slice;
    std::int16_t m_searchState = 0;
    size_t m_shownFile = SIZE_MAX;
    bool m_hitShown = false;
    std::string m_procedure;
    int64_t m_lineNumber = 0;
};

} // namespace qm::search
