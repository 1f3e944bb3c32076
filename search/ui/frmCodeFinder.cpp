// The code finder window.
#include "search/ui/frmCodeFinder.h"

#include "common/ProgramState.h"
#include "common/WindowNames.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"
#include "search/SearchGlue.h"
#include "search/ui/frmSelectDirectory.h"

#include <QAction>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace qm::search {
namespace {

namespace mb = platform::mb;

constexpr std::int16_t kWaiting = 1;
constexpr std::int16_t kContinue = 2;
constexpr std::int16_t kClose = 3;
constexpr std::int16_t kStop = 5;
constexpr int kBusy = 11;
constexpr int kDefaultPointer = 0;

// How long one slice of the search may hold the event loop, and how much it reads between
// looks at the clock.
constexpr qint64 kSliceMilliseconds = 30;
constexpr size_t kSliceBytes = 1024 * 1024;

using platform::commandButton;
using platform::named;

QLabel *valueLabel(QWidget *parent, const char *name)
{
    auto *label = named(new QLabel(parent), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(platform::twipsToPixels(4800, parent));
    return label;
}

std::string withoutTrailingSeparator(std::string path)
{
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    return path;
}

} // namespace

CodeFinderSettings &codeFinderSettings()
{
    static CodeFinderSettings settings;
    return settings;
}

frmCodeFinder::frmCodeFinder(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_slice(new QTimer(this))
{
    setObjectName(platform::toQString(common::window::CodeFinder));
    setWindowTitle(QStringLiteral("Quillmark Code Finder"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    m_slice->setSingleShot(true);
    connect(m_slice, &QTimer::timeout, this, &frmCodeFinder::continueSearch);

    // Opened by its menu command the finder searches the host's project.
    const common::ProgramState &state = common::programState();
    if (state.codeFinderProjectMode && !state.currentProjectFileName.empty())
        codeFinderSettings().projectPath = state.currentProjectFileName;
    showSearchPath();

    adjustSize();
    platform::CenterForm(*this);
}

frmCodeFinder::~frmCodeFinder()
{
    if (m_cursor)
        platform::ui().setMousePointer(kDefaultPointer);
}

void frmCodeFinder::buildControls()
{
    menuBar = named(new QMenuBar(this), "menuBar");
    QMenu *file = menuBar->addMenu(QStringLiteral("&File"));
    mnuSelectProject =
        named(file->addAction(QStringLiteral("Select &Project")), "mnuSelectProject");
    mnuSelectDirectory =
        named(file->addAction(QStringLiteral("Select &Directory")), "mnuSelectDirectory");
    file->addSeparator();
    mnuExit = named(file->addAction(QStringLiteral("E&xit")), "mnuExit");
    QMenu *find = menuBar->addMenu(QStringLiteral("F&ind"));
    mnuFindFind = named(find->addAction(QStringLiteral("&Find")), "mnuFindFind");
    mnuFindNext = named(find->addAction(QStringLiteral("Find &Next")), "mnuFindNext");
    mnuStopSearch = named(find->addAction(QStringLiteral("&Stop Search")), "mnuStopSearch");

    txtCode = named(new QLineEdit(this), "txtCode");
    txtCode->setReadOnly(true);
    txtCode->setMinimumWidth(platform::twipsToPixels(7200, this));
    platform::installDialogBehaviour(*txtCode);
    lblFile = valueLabel(this, "lblFile");
    lblProcedure = valueLabel(this, "lblProcedure");
    lblLineNumber = valueLabel(this, "lblLineNumber");
    lblSearchPath = valueLabel(this, "lblSearchPath");

    fraFindType = platform::frame(this, "fraFindType", "Find Type");
    auto *kinds = new QVBoxLayout(fraFindType);
    rbAllInstances = platform::optionButton(fraFindType, "rbAllInstances", "All Instances");
    rbShowDefinitions =
        platform::optionButton(fraFindType, "rbShowDefinitions", "Show Definitions");
    rbShowAssignments =
        platform::optionButton(fraFindType, "rbShowAssignments", "Show Assignments");
    for (QRadioButton *option : {rbAllInstances, rbShowDefinitions, rbShowAssignments})
        kinds->addWidget(option);
    rbAllInstances->setChecked(true);

    pbSelectProject = commandButton(this, "pbSelectProject", "Select Project");
    pbSelectDirectory = commandButton(this, "pbSelectDirectory", "Select Directory");
    pbFind = commandButton(this, "pbFind", "Find");
    pbFindNext = commandButton(this, "pbFindNext", "Find Next");
    pbStopSearch = commandButton(this, "pbStopSearch", "Stop Search");
    pbLoadCodeEditor = commandButton(this, "pbLoadCodeEditor", "Show Code Window");
    pbClose = commandButton(this, "pbClose", "Close");

    auto *found = new QFormLayout;
    found->addRow(QStringLiteral("File:"), lblFile);
    found->addRow(QStringLiteral("Procedure:"), lblProcedure);
    found->addRow(QStringLiteral("Line Number:"), lblLineNumber);
    found->addRow(QStringLiteral("Search Path:"), lblSearchPath);

    auto *left = new QVBoxLayout;
    left->addWidget(txtCode);
    left->addLayout(found);
    auto *where = new QHBoxLayout;
    where->addWidget(pbSelectProject);
    where->addWidget(pbSelectDirectory);
    where->addStretch();
    left->addLayout(where);
    left->addWidget(fraFindType);
    left->addStretch();

    auto *commands = new QVBoxLayout;
    for (QPushButton *b : {pbFind, pbFindNext, pbStopSearch, pbLoadCodeEditor, pbClose})
        commands->addWidget(b);
    commands->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(left, 1);
    layout->addLayout(commands);

    connect(pbSelectProject, &QPushButton::clicked, this, &frmCodeFinder::pbSelectProject_Click);
    connect(pbSelectDirectory, &QPushButton::clicked, this,
            &frmCodeFinder::pbSelectDirectory_Click);
    connect(pbFind, &QPushButton::clicked, this, &frmCodeFinder::pbFind_Click);
    connect(pbFindNext, &QPushButton::clicked, this, &frmCodeFinder::pbFindNext_Click);
    connect(pbStopSearch, &QPushButton::clicked, this, &frmCodeFinder::pbStopSearch_Click);
    connect(pbLoadCodeEditor, &QPushButton::clicked, this, &frmCodeFinder::pbLoadCodeEditor_Click);
    connect(pbClose, &QPushButton::clicked, this, &frmCodeFinder::pbClose_Click);
    connect(mnuSelectProject, &QAction::triggered, this, &frmCodeFinder::mnuSelectProject_Click);
    connect(mnuSelectDirectory, &QAction::triggered, this, &frmCodeFinder::pbSelectDirectory_Click);
    connect(mnuExit, &QAction::triggered, this, &frmCodeFinder::pbClose_Click);
    // The Find menu follows its buttons, Find disabled with its button while a search runs.
    connect(mnuFindFind, &QAction::triggered, this, [this] {
        if (pbFind->isEnabled())
            pbFind_Click();
    });
    connect(mnuFindNext, &QAction::triggered, this, &frmCodeFinder::pbFindNext_Click);
    connect(mnuStopSearch, &QAction::triggered, this, &frmCodeFinder::pbStopSearch_Click);
}

void frmCodeFinder::showSearchPath()
{
    const CodeFinderSettings &settings = codeFinderSettings();
    lblSearchPath->setText(platform::toQString(
        common::programState().codeFinderProjectMode ? settings.projectPath : settings.directory));
}

void frmCodeFinder::selectProject(const char *filter)
{
    platform::FileDialogRequest request;
    request.title = "Select Project";
    request.filter = filter;
    std::optional<std::string> path = platform::ui().openFileDialog(request);
    if (!path)
        return;
    codeFinderSettings().projectPath = *path;
    common::programState().codeFinderProjectMode = true;
    showSearchPath();
}

void frmCodeFinder::pbSelectProject_Click()
{
    selectProject("MAK Files (*.MAK;*.VBP)|*.mak;*.vbp");
}

void frmCodeFinder::mnuSelectProject_Click()
{
    selectProject("MAK Files (*.MAK)|*.mak");
}

void frmCodeFinder::pbSelectDirectory_Click()
{
    QPointer<frmCodeFinder> self(this);
    std::optional<std::string> chosen =
        frmSelectDirectory::choose(this, codeFinderSettings().directory);
    if (!self)
        return;
    if (chosen)
        codeFinderSettings().directory = withoutTrailingSeparator(*chosen);
    common::programState().codeFinderProjectMode = false;
    showSearchPath();
}

void frmCodeFinder::pbFind_Click()
{
    QPointer<frmCodeFinder> self(this);
    std::string text =
        platform::ui().inputBox("Please enter the search string that you wish to find.",
                                "Enter Search Pattern", "search pattern");
    if (!self)
        return;
    codeFinderSettings().searchText = std::move(text);
    startSearch();
}

void frmCodeFinder::pbFindNext_Click()
{
    if (codeFinderSettings().searchText.empty()) {
        platform::ui().msgBox("You have not entered a search string!", mb::Critical,
                              "Search Aborted");
        return;
    }
    const bool waiting = m_cursor && m_searchState == kWaiting;
    m_searchState = kContinue;
    if (waiting)
        continueSearch();
}

void frmCodeFinder::pbStopSearch_Click()
{
    pbFind->setEnabled(true);
    m_searchState = kStop;
    endSearch();
}

void frmCodeFinder::pbClose_Click()
{
    close();
}

void frmCodeFinder::closeEvent(QCloseEvent *event)
{
    m_searchState = kClose;
    endSearch();
    QWidget::closeEvent(event);
}

void frmCodeFinder::pbLoadCodeEditor_Click()
{
    if (m_hitShown)
        ShowCodeWindow(m_procedure, m_lineNumber);
}

FindKind frmCodeFinder::findKind() const
{
    if (rbShowDefinitions->isChecked())
        return FindKind::Definitions;
    if (rbShowAssignments->isChecked())
        return FindKind::Assignments;
    return FindKind::AllInstances;
}

void frmCodeFinder::startSearch()
{
    endSearch();
    pbFind->setEnabled(false);
    m_searchState = 0; // a stop asked of the last search does not end this one
    m_shownFile = SIZE_MAX;
    const CodeFinderSettings &settings = codeFinderSettings();
    std::vector<SearchFile> files;
    platform::ui().setMousePointer(kBusy);
    if (common::programState().codeFinderProjectMode) {
        std::string project;
        try {
            project = platform::readFile(settings.projectPath);
        } catch (const platform::VbError &) {
            platform::ui().setMousePointer(kDefaultPointer);
            QPointer<frmCodeFinder> self(this);
            platform::ui().msgBox("Can't open " + settings.projectPath, mb::Critical, "File Error");
            if (self)
                pbFind->setEnabled(true);
            return;
        }
        files = projectSearchFiles(project, settings.projectPath);
    } else {
        files = directorySearchFiles(settings.directory);
    }
    m_cursor = std::make_unique<SearchCursor>(std::move(files), settings.searchText, findKind());
    continueSearch();
}

void frmCodeFinder::continueSearch()
{
    QElapsedTimer clock;
    clock.start();
    platform::ui().setMousePointer(kBusy);
    while (m_cursor) {
        if (m_searchState == kClose || m_searchState == kStop) {
            endSearch();
            return;
        }
        const SearchCursor::Step step = m_cursor->next(kSliceBytes);
        if (step != SearchCursor::Step::Done && m_cursor->fileIndex() != m_shownFile) {
            m_shownFile = m_cursor->fileIndex();
            lblFile->setText(platform::toQString(m_cursor->file().name));
        }
        switch (step) {
        case SearchCursor::Step::Hit: {
            const SearchHit &hit = m_cursor->hit();
            m_searchState = kWaiting;
            m_procedure = hit.procedure;
            m_lineNumber = hit.lineNumber;
            m_hitShown = true;
            txtCode->setText(platform::toQString(hit.line));
            txtCode->setCursorPosition(0);
            lblLineNumber->setText(QString::number(hit.lineNumber));
            lblProcedure->setText(platform::toQString(hit.procedure));
            platform::ui().setMousePointer(kDefaultPointer);
            return;
        }
        case SearchCursor::Step::CantOpen: {
            QPointer<frmCodeFinder> self(this);
            platform::ui().msgBox("Can't open " + m_cursor->file().path, mb::Critical,
                                  "File Error");
            if (!self)
                return;
            break;
        }
        case SearchCursor::Step::Paused:
            if (clock.elapsed() >= kSliceMilliseconds) {
                m_slice->start(0);
                return;
            }
            break;
        case SearchCursor::Step::Done: {
            endSearch();
            QPointer<frmCodeFinder> self(this);
            platform::ui().msgBox("No more instances of search string\ncan be found.",
                                  mb::Exclamation, "Search Complete");
            if (self)
                pbFind->setEnabled(true);
            return;
        }
        }
    }
}

void frmCodeFinder::endSearch()
{
    m_slice->stop();
    if (!m_cursor)
        return;
    m_cursor.reset();
    platform::ui().setMousePointer(kDefaultPointer);
}

} // namespace qm::search
