// The editor window: its controls and menus, opening and saving, module mode, and the text
// tools on its selection.
#include "codetext/ui/frmEdit32.h"

#include "codetext/Comment.h"
#include "codetext/EditorText.h"
#include "codetext/Find.h"
#include "codetext/Indent.h"
#include "codetext/ModuleSave.h"
#include "codetext/Print.h"
#include "codetext/XBase.h"
#include "codetext/ui/EditorDialogs.h"
#include "common/ErrorReports.h"
#include "common/Settings.h"
#include "common/WindowNames.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace qm::codetext {
namespace {

using platform::mb::Critical;
using platform::mb::Exclamation;

constexpr const char *kFilters[] = {
    "Program (*.bas)|*.bas", "Program (*.prg)|*.prg", "Forms (*.frm)|*.frm",
    "Program (*.VBP)|*.VBP", "Program (*.mak)|*.mak", "Class (*.cls)|*.cls",
    "All Files (*.*)|*.*",
};

void tell(const common::UserMessage &message)
{
    common::showMessage(message);
}

// Unexpected failures of the text operations: the error text, "Quillmark Error".
void guardedText(const std::function<void()> &body)
{
    common::guardedWith(
        [](const platform::VbError &e) { return common::productErrorReport(e.description); }, body);
}

// The cursor's selection as file text: the text box's paragraph breaks become CR LF.
std::string selectedFileText(const QTextCursor &cursor)
{
    QString selected = cursor.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return fromEditorText(platform::fromQString(selected), "\r\n");
}

// Puts the cursor's selection on the clipboard; false when nothing is selected.
bool copySelection(const QTextCursor &cursor)
{
    if (!cursor.hasSelection())
        return false;
    platform::ui().clipboardSetText(selectedFileText(cursor));
    return true;
}

int confirmSave(const std::string &path)
{
    return platform::ui().msgBox("The text in [" + path +
                                     "] has changed.\n\rDo you want to save "
                                     "the changes?",
                                 platform::mb::YesNoCancel | Exclamation, "Confirm Save");
}

QPushButton *toolButton(QWidget *parent, const char *name, const char *caption, const char *tip)
{
    auto *button = platform::commandButton(parent, name, caption, tip);
    button->setFocusPolicy(Qt::NoFocus);
    // Small picture-sized buttons, as on a toolbar.
    button->setFixedWidth(
        std::max(32, button->fontMetrics().horizontalAdvance(button->text()) + 16));
    return button;
}

} // namespace

frmEdit32::frmEdit32(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(platform::toQString(common::window::Editor));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quillmark Editor"));

    panToolbar = new QFrame(this);
    panToolbar->setObjectName(QStringLiteral("panToolbar"));
    panToolbar->setFrameShape(QFrame::StyledPanel);
    cbProc = new QComboBox(panToolbar);
    cbProc->setObjectName(QStringLiteral("cbProc"));
    cbProc->setMinimumContentsLength(28);
    tbComment = toolButton(panToolbar, "tbComment", "'", "Comment Selected Text");
    tbUncomment = toolButton(panToolbar, "tbUncomment", "x'", "Uncomment Selected Text");
    Command3D1 = toolButton(panToolbar, "Command3D1", "->", "Indent Selected Text");
    Command3D2 = toolButton(panToolbar, "Command3D2", "xB", "Convert Selected Text xBase to VB");
    tbPrint = toolButton(panToolbar, "tbPrint", "Print", "Print Selected Text");
    Command3D3 = toolButton(panToolbar, "Command3D3", "+", "Concatenate to Clipboard");
    tbFindDiff = toolButton(panToolbar, "tbFindDiff", "Diff", "Find Difference");
    auto *bar = new QHBoxLayout(panToolbar);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(new QLabel(QStringLiteral("Procedure"), panToolbar));
    bar->addWidget(cbProc);
    for (QPushButton *b :
         {tbComment, tbUncomment, Command3D1, Command3D2, tbPrint, Command3D3, tbFindDiff})
        bar->addWidget(b);
    bar->addStretch();

    txtEdit = new QPlainTextEdit(this);
    txtEdit->setObjectName(QStringLiteral("txtEdit"));
    // The product's fixed-pitch screen font does not exist here: the system's fixed font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    txtEdit->setFont(font);
    txtEdit->setLineWrapMode(QPlainTextEdit::NoWrap);

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    buildMenus();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(panToolbar);
    layout->addWidget(txtEdit);
    resize(720, 520);
    platform::CenterForm(*this);

    connect(txtEdit, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            m_dirty = true;
    });
    connect(tbComment, &QPushButton::clicked, this, &frmEdit32::tbComment_Click);
    connect(tbUncomment, &QPushButton::clicked, this, &frmEdit32::tbUncomment_Click);
    connect(Command3D1, &QPushButton::clicked, this, &frmEdit32::Command3D1_Click);
    connect(Command3D2, &QPushButton::clicked, this, &frmEdit32::Command3D2_Click);
    connect(tbPrint, &QPushButton::clicked, this, &frmEdit32::tbPrint_Click);
    connect(Command3D3, &QPushButton::clicked, this, &frmEdit32::Command3D3_Click);
    connect(cbProc, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            cbProc_Click();
    });
    cbProc->installEventFilter(this);
}

frmEdit32::~frmEdit32() = default;

QAction *frmEdit32::addEntry(QMenu *menu, const char *name, const char *caption)
{
    QAction *action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    m_entries[action->objectName()] = action;
    return action;
}

QAction *frmEdit32::menuEntry(const QString &name) const
{
    auto it = m_entries.find(name);
    return it == m_entries.end() ? nullptr : it->second;
}

void frmEdit32::buildMenus()
{
    auto submenu = [this](QMenu *parentMenu, const char *name, const char *caption) {
        QMenu *menu = parentMenu ? parentMenu->addMenu(QString::fromLatin1(caption))
                                 : menuBar->addMenu(QString::fromLatin1(caption));
        menu->setObjectName(QString::fromLatin1(name));
        m_entries[menu->objectName()] = menu->menuAction();
        return menu;
    };
    auto on = [this](QAction *action, auto slot) {
        connect(action, &QAction::triggered, this, slot);
    };

    QMenu *file = submenu(nullptr, "mnuFile", "&File");
    addEntry(file, "mnuFileNew", "File &New"); // leaves the text and the file as they are
    QMenu *open = submenu(file, "mnuFileOpen", "&File Open");
    const std::pair<const char *, const char *> wholeEntries[] = {
        {"mnuFileBas", ".&BAS Files"},  {"mnuFilePrg", ".&PRG Files"},
        {"mnuFileFRM", ".&FRM Files"},  {"mnuVbp", "&.VBP"},
        {"mnuMakFiles", ".&MAK Files"}, {"mnuClsFiles", ".&CLS Files"},
        {"mnuFillAll", "&All Files"},
    };
    int filter = 1;
    for (const auto &[name, caption] : wholeEntries) {
        const int index = filter++;
        on(addEntry(open, name, caption), [this, index] { openWithDialog(index, false); });
    }
    QMenu *module = submenu(file, "mnuOpenModule", "&Module Open");
    const std::tuple<const char *, const char *, int> moduleEntries[] = {
        {"mnuBasFiles", ".&BAS Files", 1},
        {"mnuFrmFilesn", ".&FRM Files", 3},
        {"mnuCls", ".&CLS Files", 6},
        {"mnuPrgFiles", ".&PRG Files", 2},
    };
    for (const auto &[name, caption, index] : moduleEntries) {
        const int filterIndex = index;
        on(addEntry(module, name, caption),
           [this, filterIndex] { openWithDialog(filterIndex, true); });
    }
    on(addEntry(file, "mnuFileClose", "&Close"), &frmEdit32::mnuFileClose_Click);
    on(addEntry(file, "mnuFileSave", "&Save"), &frmEdit32::mnuFileSave_Click);
    on(addEntry(file, "mnuSaveAs", "Save &As"), &frmEdit32::mnuSaveAs_Click);
    on(addEntry(file, "mnuPrint", "&Print Selected Text"), &frmEdit32::PrintSelectedText);
    on(addEntry(file, "mnuFileExit", "E&xit"), [this] { close(); });

    QMenu *edit = submenu(nullptr, "mnuEdit", "&Edit");
    on(addEntry(edit, "mnuCut", "Cu&t"), &frmEdit32::mnuCut_Click);
    on(addEntry(edit, "mnuCopy", "&Copy"), &frmEdit32::mnuCopy_Click);
    on(addEntry(edit, "mnuConcatenate", "C&oncatenate"), &frmEdit32::ConcatenateText);
    on(addEntry(edit, "mnuClear", "C&lear"), &frmEdit32::mnuClear_Click);
    on(addEntry(edit, "mnuPaste", "&Paste"), &frmEdit32::mnuPaste_Click);
    on(addEntry(edit, "mnuDeleteText", "&Delete All Text"), &frmEdit32::mnuDeleteText_Click);
    on(addEntry(edit, "mnjSelectAll", "&Select All"), &frmEdit32::mnjSelectAll_Click);
    addEntry(edit, "mnuSelectCut", "S&elect && Cut");
    on(addEntry(edit, "mnuFind", "&Find"), &frmEdit32::mnuFind_Click);
    on(addEntry(edit, "mnuFindNext", "Find &Next"), &frmEdit32::mnuFindNext_Click);
    on(addEntry(edit, "mnuReplace", "Replace"), &frmEdit32::mnuReplace_Click);

    QMenu *options = submenu(nullptr, "mnuOptions", "&Options");
    on(addEntry(options, "mnuComment", "&Comment"), &frmEdit32::CommentLines);
    on(addEntry(options, "mnuUncomment", "&Uncomment"), &frmEdit32::UncommentLines);
    on(addEntry(options, "mnuIndent", "&Indent Selected Text"), &frmEdit32::IndentLines);
    on(addEntry(options, "mnuConvert", "&Convert Selected xBase Text"),
       &frmEdit32::ConvertXBaseProc);
    addEntry(options, "mnuFindDiff", "Find &Difference");
    addEntry(options, "menuFontSizeToggle", "Font Size &Toggle");

    QMenu *windows = submenu(nullptr, "mnuWindows", "&Window");
    addEntry(windows, "mnuTile", "&Tile");
    addEntry(windows, "mnuCascade", "&Cascade");

    QMenu *help = submenu(nullptr, "mnuHelp", "&Help");
    on(addEntry(help, "mnuHelponHelp", "&Help"), [] { platform::showProductHelp(); });
    on(addEntry(help, "mnuAbout", "&About Tb Quillmark"), [] {
        platform::ui().msgBox("Quillmark Editor", platform::mb::Information, "About Quillmark");
    });
}

// --- opening ---------------------------------------------------------------------------------

bool frmEdit32::settleChangedText()
{
    if (!m_dirty)
        return true;
    const int answer = confirmSave(m_path);
    if (answer == platform::mb::Cancel)
        return false;
    if (answer != platform::mb::Yes)
        return true;
    if (!m_path.empty())
        return saveTo(m_path);
    platform::FileDialogRequest request;
    request.filter = kFilters[6];
    std::optional<std::string> path;
    common::ignoreErrors([&] { path = platform::ui().saveFileDialog(request); });
    if (!path || path->empty())
        return false;
    m_path = *path;
    return saveTo(*path);
}

void frmEdit32::openWithDialog(int filterIndex, bool moduleMode)
{
    // Opening another file would drop a changed text: it is asked about first.
    if (!settleChangedText())
        return;
    platform::FileDialogRequest request;
    request.filter = kFilters[filterIndex - 1];
    std::optional<std::string> path;
    common::ignoreErrors([&] { path = platform::ui().openFileDialog(request); });
    if (!path || path->empty())
        return;
    openFile(*path, moduleMode);
}

std::string frmEdit32::editorText() const
{
    // The raw text keeps every character (the plain text would turn no-break spaces into
    // blanks); the text box separates its lines with paragraph separators.
    QString raw = txtEdit->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return platform::fromQString(raw);
}

void frmEdit32::setEditorText(const std::string &bytes)
{
    m_loading = true;
    txtEdit->setPlainText(platform::toQString(bytes));
    m_loading = false;
    m_loadedText = editorText();
    m_dirty = false;
}

bool frmEdit32::openFile(const std::string &path, bool moduleMode)
{
    std::string bytes;
    try {
        if (!platform::fileExists(path))
            throw common::UserMessageError(common::fileOpenErrorReport(path));
        bytes = platform::readFile(path);
    } catch (const common::UserMessageError &e) {
        tell(e.message);
        return false;
    } catch (const platform::VbError &e) {
        tell(common::fileReadErrorReport(e.number, e.description));
        return false;
    }
    if (bytes.size() > kLargestWholeFile && !moduleMode) {
        tell({"File Error",
              "The file " + path + " is too large for the editor (" + std::to_string(bytes.size()) +
                  " bytes; the largest it opens whole is 16 MB). Open it through Module Open.",
              Critical});
        return false;
    }
    std::vector<ModuleEntry> division;
    if (moduleMode) {
        if (looksBinary(bytes)) {
            tell(binaryFileMessage());
            return false;
        }
        try {
            division = divideModule(bytes, moduleKindOf(path));
        } catch (const common::UserMessageError &e) {
            tell(e.message);
            return false;
        }
    }

    m_path = path;
    m_moduleMode = moduleMode;
    m_fileBytes = std::move(bytes);
    m_lineEnd = lineEndOf(m_fileBytes);
    m_division = std::move(division);
    m_procedure.clear();
    m_procedureIndex = -1;
    if (!moduleMode) {
        fillProcedureList();
        setEditorText(toEditorText(m_fileBytes));
        updateCaption();
        return true;
    }
    fillProcedureList();
    loadEntry(0);
    return true;
}

void frmEdit32::fillProcedureList()
{
    m_loading = true;
    cbProc->clear();
    for (const auto &entry : m_division)
        cbProc->addItem(platform::toQString(entry.name));
    m_loading = false;
}

void frmEdit32::selectListEntry(int index)
{
    m_loading = true;
    cbProc->setCurrentIndex(index);
    m_loading = false;
}

void frmEdit32::loadEntry(int index)
{
    if (index < 0 || index >= static_cast<int>(m_division.size()))
        return;
    const ModuleEntry &entry = m_division[static_cast<size_t>(index)];
    LoadedEntry loaded;
    try {
        loaded = codetext::loadEntry(m_fileBytes, entry);
    } catch (const common::UserMessageError &e) {
        tell(e.message);
        setEditorText({});
        m_procedure = entry.name;
        m_procedureIndex = index;
        selectListEntry(index);
        updateCaption();
        return;
    }
    if (loaded.warning)
        tell(*loaded.warning);
    setEditorText(toEditorText(loaded.text));
    m_procedure = entry.name;
    m_procedureIndex = index;
    selectListEntry(index);
    updateCaption();
}

void frmEdit32::updateCaption()
{
    if (m_path.empty()) {
        setWindowTitle(QStringLiteral("Quillmark Editor"));
        return;
    }
    std::string caption = "QM: ";
    if (m_moduleMode)
        caption += std::string(platform::trimBlanks(m_procedure)) + " of ";
    caption += platform::toUpper(m_path);
    setWindowTitle(platform::toQString(caption));
}

void frmEdit32::cbProc_Click()
{
    const int chosen = cbProc->currentIndex();
    if (!m_moduleMode || chosen < 0)
        return;
    if (m_dirty) {
        platform::ui().msgBox("The currenty entity has been changed,\nto save, use the File Save "
                              "Menu.\nYou will not be prompted again unless\nadditional changes "
                              "are made!",
                              Exclamation, "Save or Lose Changes");
        m_dirty = false;
        selectListEntry(m_procedureIndex);
        return;
    }
    if (chosen == m_procedureIndex)
        return;
    loadEntry(chosen);
}

bool frmEdit32::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the procedure list moves on to the text.
    if (watched == cbProc && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtEdit->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- saving ----------------------------------------------------------------------------------

bool frmEdit32::saveTo(const std::string &destination)
{
    const std::string text = editorText();
    auto &ui = platform::ui();
    try {
        if (m_moduleMode) {
            const std::string replacement = fromEditorText(text, m_lineEnd);
            ModuleSaved saved =
                saveModuleEntry({m_path, destination, m_procedure, replacement,
                                 static_cast<size_t>(std::max(m_procedureIndex, 0))});
            m_fileBytes = platform::readFile(destination);
            m_path = destination;
            m_division = std::move(saved.entries);
            fillProcedureList();
            // The entry now starting where the text went. When the text no longer starts an
            // entry of its own (its header was deleted), the entry before it is loaded instead,
            // so the box never holds a text that a later save would put in the wrong place.
            size_t index = 0;
            for (size_t i = 0; i < m_division.size(); ++i) {
                if (m_division[i].start <= saved.start)
                    index = i;
            }
            if (m_division[index].start != saved.start) {
                loadEntry(static_cast<int>(index));
                return true;
            }
            m_procedureIndex = static_cast<int>(index);
            m_procedure = m_division[index].name;
            selectListEntry(m_procedureIndex);
        } else {
            ui.setMousePointer(11);
            // An unedited text writes the file's own bytes back, whatever the box could not show.
            const std::string bytes =
                text == m_loadedText ? m_fileBytes : fromEditorText(text, m_lineEnd);
            try {
                saveWholeFile(destination, bytes);
            } catch (...) {
                ui.setMousePointer(0);
                throw;
            }
            ui.setMousePointer(0);
            m_fileBytes = bytes;
            m_path = destination;
        }
    } catch (const common::UserMessageError &e) {
        tell(e.message);
        return false;
    } catch (const platform::VbError &e) {
        tell({"File Error", "Can't write file: " + destination + "\n" + e.description, Critical});
        return false;
    }
    m_loadedText = text;
    m_dirty = false;
    updateCaption();
    return true;
}

void frmEdit32::mnuFileSave_Click()
{
    if (m_path.empty() || txtEdit->document()->isEmpty())
        return;
    saveTo(m_path);
}

void frmEdit32::mnuSaveAs_Click()
{
    platform::FileDialogRequest request;
    request.filter = kFilters[6];
    std::optional<std::string> path;
    common::ignoreErrors([&] { path = platform::ui().saveFileDialog(request); });
    if (!path || path->empty())
        return;
    if (m_path.empty()) {
        // A text typed into an empty editor becomes a file of its own.
        m_moduleMode = false;
        m_path = *path;
    }
    saveTo(*path);
}

void frmEdit32::resetFile()
{
    m_path.clear();
    m_moduleMode = false;
    m_division.clear();
    m_fileBytes.clear();
    m_procedure.clear();
    m_procedureIndex = -1;
    fillProcedureList();
    setEditorText({});
    updateCaption();
}

void frmEdit32::mnuFileClose_Click()
{
    if (m_dirty) {
        const int answer = confirmSave(m_path);
        if (answer == platform::mb::Cancel)
            return;
        if (answer == platform::mb::Yes && !m_path.empty()) {
            if (!platform::fileExists(m_path)) {
                tell({"Close Error", "Can't open " + m_path + "!", Critical});
                return;
            }
            try {
                platform::copyFile(m_path, closeBackupPath(m_path));
            } catch (const platform::VbError &) {
                tell({"File Error", "Can't make backup file!", Critical});
                return;
            }
            if (!saveTo(m_path))
                return;
        }
    }
    resetFile();
}

void frmEdit32::closeEvent(QCloseEvent *event)
{
    if (m_dirty) {
        const int answer = confirmSave(m_path);
        if (answer == platform::mb::Cancel) {
            event->ignore();
            return;
        }
        if (answer == platform::mb::Yes) {
            platform::FileDialogRequest request;
            request.filter = kFilters[6];
            request.fileName = platform::fileNamePart(m_path);
            request.initialDirectory = platform::directoryPart(m_path);
            std::optional<std::string> path;
            common::ignoreErrors([&] { path = platform::ui().saveFileDialog(request); });
            if (!path || path->empty()) {
                event->ignore();
                return;
            }
            if (m_path.empty())
                m_path = *path;
            if (!saveTo(*path)) {
                event->ignore();
                return;
            }
        }
    }
    event->accept();
    QWidget::closeEvent(event);
}

// --- the text tools --------------------------------------------------------------------------

std::string frmEdit32::selectionOrAll(bool &empty)
{
    QTextCursor cursor = txtEdit->textCursor();
    empty = false;
    if (!cursor.hasSelection()) {
        if (txtEdit->document()->isEmpty()) {
            empty = true;
            return {};
        }
        cursor.select(QTextCursor::Document);
        txtEdit->setTextCursor(cursor);
    }
    return selectedFileText(cursor);
}

void frmEdit32::pasteOverSelection(const std::string &text)
{
    // The result goes on the clipboard and then over the selection, as the paste key would.
    common::ignoreErrors([&] { platform::ui().clipboardSetText(text); });
    txtEdit->textCursor().insertText(platform::toQString(toEditorText(text)));
}

void frmEdit32::transformSelection(const char *emptyMessage,
                                   std::string (*transform)(std::string_view))
{
    guardedText([&] {
        bool empty = false;
        const std::string selected = selectionOrAll(empty);
        if (empty)
            throw common::UserMessageError({"Error", emptyMessage, Exclamation});
        pasteOverSelection(transform(selected));
    });
}

void frmEdit32::CommentLines()
{
    transformSelection("You have no text to comment!", &codetext::CommentLines);
}

void frmEdit32::UncommentLines()
{
    transformSelection("You have no text to uncomment!", &codetext::UncommentLines);
}

void frmEdit32::IndentLines()
{
    guardedText([&] {
        bool empty = false;
        const std::string selected = selectionOrAll(empty);
        // The engine raises the editor's message for an empty text.
        pasteOverSelection(codetext::IndentLines(selected, common::settings().tabSize));
    });
}

void frmEdit32::ConvertXBaseProc()
{
    common::guarded("ConvertXBaseProc", [&] {
        auto conversion = codetext::ConvertXBaseProc(selectedFileText(txtEdit->textCursor()));
        if (!conversion)
            return;
        if (conversion->failure)
            tell(*conversion->failure);
        pasteOverSelection(conversion->text);
    });
}

void frmEdit32::ConcatenateText()
{
    guardedText([&] {
        bool empty = false;
        const std::string selected = selectionOrAll(empty);
        if (empty)
            throw common::UserMessageError(
                {"Error", "You have no text to concatenate!", Exclamation});
        auto &ui = platform::ui();
        ui.clipboardSetText(ui.clipboardText() + selected);
    });
}

void frmEdit32::PrintSelectedText()
{
    bool empty = false;
    const std::string selected = selectionOrAll(empty);
    if (empty) {
        tell({"Error", "You have no text selected!", Exclamation});
        return;
    }
    PrintText(selected);
}

void frmEdit32::tbComment_Click()
{
    CommentLines();
    txtEdit->setFocus();
}

void frmEdit32::tbUncomment_Click()
{
    UncommentLines();
    txtEdit->setFocus();
}

void frmEdit32::Command3D1_Click()
{
    IndentLines();
    txtEdit->setFocus();
}

void frmEdit32::Command3D2_Click()
{
    ConvertXBaseProc();
    txtEdit->setFocus();
}

void frmEdit32::tbPrint_Click()
{
    PrintSelectedText();
    txtEdit->setFocus();
}

void frmEdit32::Command3D3_Click()
{
    ConcatenateText();
    txtEdit->setFocus();
}

// --- edit commands ---------------------------------------------------------------------------

void frmEdit32::mnuCut_Click()
{
    guardedText([&] {
        QTextCursor cursor = txtEdit->textCursor();
        if (copySelection(cursor))
            cursor.removeSelectedText();
    });
}

void frmEdit32::mnuCopy_Click()
{
    guardedText([&] { copySelection(txtEdit->textCursor()); });
}

void frmEdit32::mnuPaste_Click()
{
    guardedText([&] {
        const std::string text = platform::ui().clipboardText();
        txtEdit->textCursor().insertText(platform::toQString(toEditorText(text)));
    });
}

void frmEdit32::mnuClear_Click()
{
    common::ignoreErrors([] { platform::ui().clipboardClear(); });
}

void frmEdit32::mnuDeleteText_Click()
{
    setEditorText({});
}

void frmEdit32::mnjSelectAll_Click()
{
    txtEdit->selectAll();
}

// --- find and replace ------------------------------------------------------------------------

void frmEdit32::Find()
{
    guardedText([&] {
        SearchState &state = editorSearch();
        if (state.searchText.empty())
            return;
        const std::string text = editorText();
        QTextCursor cursor = txtEdit->textCursor();
        const auto match = findText(text, static_cast<size_t>(cursor.selectionStart()), state);
        if (!match) {
            tell(cannotFindMessage(state.searchText));
            return;
        }
        cursor.setPosition(static_cast<int>(*match));
        cursor.setPosition(static_cast<int>(*match + state.searchText.size()),
                           QTextCursor::KeepAnchor);
        txtEdit->setTextCursor(cursor);
    });
}

void frmEdit32::FindNext()
{
    if (!editorSearch().searchText.empty())
        Find();
}

void frmEdit32::Replace()
{
    guardedText([&] {
        const SearchState &state = editorSearch();
        if (state.searchText.empty())
            return;
        const std::string text = editorText();
        const std::string replaced = replaceText(text, state);
        if (replaced == text)
            return;
        QTextCursor cursor(txtEdit->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(platform::toQString(replaced));
    });
}

void frmEdit32::mnuFind_Click()
{
    SearchState &state = editorSearch();
    frmFind dialog(state, this);
    const QString selected = txtEdit->textCursor().selectedText();
    // Without a selection the dialog offers the text searched for last.
    dialog.Text1->setText(selected.isEmpty() ? platform::toQString(state.searchText) : selected);
    state.newSearch = true;
    showModal(dialog);
    Find();
}

void frmEdit32::mnuFindNext_Click()
{
    FindNext();
}

void frmEdit32::mnuReplace_Click()
{
    frmReplace dialog(editorSearch(), this);
    showModal(dialog);
    if (!editorSearch().searchText.empty())
        Replace();
}

} // namespace qm::codetext
