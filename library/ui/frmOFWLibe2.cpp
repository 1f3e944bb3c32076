// "Object Frameworks": the five lists of the object library and the Clone && Gen Code tab.
#include "library/ui/frmOFWLibe2.h"

#include "codetext/Capture.h"
#include "common/ErrorReports.h"
#include "common/ProgramState.h"
#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "generators/ProcedureGlue.h"
#include "library/LibraryGlue.h"
#include "library/ui/LibraryDialogs.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qm::library {
namespace {

QGroupBox *frame(QWidget *parent, const char *caption, std::initializer_list<QWidget *> widgets)
{
    auto *box = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(box);
    for (QWidget *w : widgets)
        layout->addWidget(w);
    return box;
}

// The extension a stored object of a kind is cloned under.
const char *cloneExtension(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Modules:
        return "BAS";
    case ObjectKind::Classes:
        return "CLS";
    default:
        return "FRM";
    }
}

} // namespace

frmOFWLibe2::frmOFWLibe2(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QString::fromLatin1(common::window::Library.data(),
                                      static_cast<int>(common::window::Library.size())));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Object Frameworks");

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName("SSTab1");
    m_listPage = buildListTab();
    for (const char *caption : {"Procs", "Controls", "Forms", "Modules", "Classes"})
        SSTab1->addTab(new QWidget, caption);
    SSTab1->addTab(buildCloneTab(), "Clone && Gen Code");

    pbStayOnTop = platform::commandButton(this, "pbStayOnTop", "Set Stay On Top");
    pbClose = platform::commandButton(this, "pbClose", "Close");
    pbHelp = platform::commandButton(this, "pbHelp", "Help");
    auto *windowButtons = new QHBoxLayout;
    windowButtons->addWidget(pbStayOnTop);
    windowButtons->addStretch();
    windowButtons->addWidget(pbHelp);
    windowButtons->addWidget(pbClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(windowButtons);

    connect(SSTab1, &QTabWidget::currentChanged, this, &frmOFWLibe2::SSTab1_Click);
    connect(Outline1, &QListWidget::itemSelectionChanged, this, &frmOFWLibe2::Outline1_Click);
    connect(pbCaptureObject, &QPushButton::clicked, this, &frmOFWLibe2::pbCaptureObject_Click);
    connect(pbPasteObject, &QPushButton::clicked, this, &frmOFWLibe2::pbPasteObject_Click);
    connect(pbDeleteObject, &QPushButton::clicked, this, &frmOFWLibe2::pbDeleteObject_Click);
    connect(pbNext, &QPushButton::clicked, this, &frmOFWLibe2::pbNext_Click);
    connect(pbFinish, &QPushButton::clicked, this, &frmOFWLibe2::pbFinish_Click);
    connect(pbCancel, &QPushButton::clicked, this, &frmOFWLibe2::pbCancel_Click);
    connect(pbCopyControls, &QPushButton::clicked, this, &frmOFWLibe2::pbCopyControls_Click);
    connect(pbPasteControls, &QPushButton::clicked, this, &frmOFWLibe2::pbPasteControls_Click);
    connect(pbCopyMenu, &QPushButton::clicked, this, &frmOFWLibe2::pbCopyMenu_Click);
    connect(pbPasteMenu, &QPushButton::clicked, this, &frmOFWLibe2::pbPasteMenu_Click);
    connect(pbCloneProc, &QPushButton::clicked, this, &frmOFWLibe2::pbCloneProc_Click);
    connect(pbCloneForm, &QPushButton::clicked, this, &frmOFWLibe2::pbCloneForm_Click);
    connect(pbPastetoForm, &QPushButton::clicked, this, &frmOFWLibe2::pbPastetoForm_Click);
    connect(pbDeleteControls, &QPushButton::clicked, this, &frmOFWLibe2::pbDeleteControls_Click);
    connect(pbDocTemplate, &QPushButton::clicked, this, &frmOFWLibe2::pbDocTemplate_Click);
    connect(pbNewProcedure, &QPushButton::clicked, this, &frmOFWLibe2::pbNewProcedure_Click);
    connect(pbStayOnTop, &QPushButton::clicked, this, &frmOFWLibe2::pbStayOnTop_Click);
    connect(pbHelp, &QPushButton::clicked, this, &frmOFWLibe2::pbHelp_Click);
    connect(pbClose, &QPushButton::clicked, this, &QWidget::close);

    SSTab1_Click(0);
    platform::CenterForm(*this);
}

QWidget *frmOFWLibe2::buildListTab()
{
    auto *page = new QWidget(this);
    Outline1 = new QListWidget(page);
    Outline1->setObjectName("Outline1");
    lblListType = new QLabel("Object List", page);
    lblListType->setObjectName("lblListType");
    lblDescription = new QLabel("Object Description", page);
    lblDescription->setObjectName("lblDescription");
    txtProcDesc = new QPlainTextEdit(page);
    txtProcDesc->setObjectName("txtProcDesc");
    txtProcDesc->setReadOnly(true);
    pbCaptureObject = platform::commandButton(page, "pbCaptureObject", "Save");
    pbPasteObject = platform::commandButton(page, "pbPasteObject", "Paste");
    pbDeleteObject = platform::commandButton(page, "pbDeleteObject", "Delete");
    pbNext = platform::commandButton(page, "pbNext", "Next =>");
    pbFinish = platform::commandButton(page, "pbFinish", "Finish");
    pbCancel = platform::commandButton(page, "pbCancel", "Cancel");
    for (QPushButton *b : {pbNext, pbFinish, pbCancel})
        b->setEnabled(false);

    auto *grid = new QGridLayout(page);
    grid->addWidget(lblListType, 0, 0);
    grid->addWidget(Outline1, 1, 0, 3, 1);
    grid->addWidget(lblDescription, 0, 1);
    grid->addWidget(txtProcDesc, 1, 1);
    auto *buttons = new QGridLayout;
    buttons->addWidget(pbCaptureObject, 0, 0);
    buttons->addWidget(pbPasteObject, 0, 1);
    buttons->addWidget(pbDeleteObject, 0, 2);
    buttons->addWidget(pbNext, 1, 0);
    buttons->addWidget(pbFinish, 1, 1);
    buttons->addWidget(pbCancel, 1, 2);
    grid->addLayout(buttons, 2, 1);
    return page;
}

QWidget *frmOFWLibe2::buildCloneTab()
{
    auto *page = new QWidget(this);
    pbCopyControls = platform::commandButton(page, "pbCopyControls", "Copy");
    pbPasteControls = platform::commandButton(page, "pbPasteControls", "Paste");
    pbCopyMenu = platform::commandButton(page, "pbCopyMenu", "Copy");
    pbPasteMenu = platform::commandButton(page, "pbPasteMenu", "Paste");
    pbCloneProc = platform::commandButton(page, "pbCloneProc", "Proc");
    pbCloneForm = platform::commandButton(page, "pbCloneForm", "Form");
    chkSelectonFocus = new QCheckBox("Select on Focus", page);
    chkSelectonFocus->setObjectName("chkSelectonFocus");
    chkEntertoTab = new QCheckBox("Enter => Tab", page);
    chkEntertoTab->setObjectName("chkEntertoTab");
    chkKillbeeponEnter = new QCheckBox("KillBeep on Enter", page);
    chkKillbeeponEnter->setObjectName("chkKillbeeponEnter");
    pbPastetoForm = platform::commandButton(page, "pbPastetoForm", "Paste to Form");
    pbDeleteControls = platform::commandButton(page, "pbDeleteControls", "Controls && Code");
    pbDocTemplate = platform::commandButton(page, "pbDocTemplate", "Document Proc");
    pbNewProcedure = platform::commandButton(page, "pbNewProcedure", "New Procedure");

    auto *grid = new QGridLayout(page);
    grid->addWidget(frame(page, "Controls && Code", {pbCopyControls, pbPasteControls}), 0, 0);
    grid->addWidget(frame(page, "Menu && Code", {pbCopyMenu, pbPasteMenu}), 0, 1);
    grid->addWidget(frame(page, "Clone", {pbCloneProc, pbCloneForm}), 0, 2);
    grid->addWidget(frame(page, "Behind Text Boxes",
                          {chkSelectonFocus, chkEntertoTab, chkKillbeeponEnter, pbPastetoForm}),
                    1, 0);
    grid->addWidget(frame(page, "Delete", {pbDeleteControls}), 1, 1);
    grid->addWidget(frame(page, "Gen && Doc Procs", {pbDocTemplate, pbNewProcedure}), 1, 2);
    return page;
}

void frmOFWLibe2::SSTab1_Click(int tab)
{
    if (tab < 0 || tab > 4)
        return;
    // One list page serves the five tabs: it moves to the tab shown.
    auto *holder = SSTab1->widget(tab);
    if (!holder->layout())
        new QVBoxLayout(holder);
    holder->layout()->addWidget(m_listPage);
    m_listPage->show();
    m_listType = static_cast<ObjectKind>(tab);
    lblListType->setText(kindInfo(m_listType).listLabel);
    LoadObjectList();
}

void frmOFWLibe2::LoadObjectList()
{
    m_records.clear();
    txtProcDesc->clear();
    Outline1->clear();
    auto *root = new QListWidgetItem(kindInfo(m_listType).rootItem, Outline1);
    QFont bold = root->font();
    bold.setBold(true);
    root->setFont(bold);
    m_records = library::LoadObjectList(m_listType);
    for (const ProcNameObj &record : m_records)
        new QListWidgetItem(platform::toQString(record.ProcName), Outline1);
    if (!m_records.empty())
        txtProcDesc->setPlainText(platform::toQString(m_records.front().ProcDesc));
}

std::optional<std::size_t> frmOFWLibe2::selectedRecord() const
{
    const QList<QListWidgetItem *> selected = Outline1->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const int index = Outline1->row(selected.front()) - 1;
    if (index < 0 || static_cast<std::size_t>(index) >= m_records.size())
        return std::nullopt;
    return static_cast<std::size_t>(index);
}

void frmOFWLibe2::Outline1_Click()
{
    if (const std::optional<std::size_t> record = selectedRecord())
        txtProcDesc->setPlainText(platform::toQString(m_records[*record].ProcDesc));
}

void frmOFWLibe2::pbCaptureObject_Click()
{
    bool stored = false;
    switch (m_listType) {
    case ObjectKind::Procs:
        stored = CaptureProcedure([this]() -> std::optional<std::string> {
            auto answer = frmObjFWDesc::ask(false, this);
            if (!answer)
                return std::nullopt;
            return answer->second;
        });
        break;
    case ObjectKind::Controls:
        stored =
            CaptureControlSet(m_copiedControls, [this] { return frmObjFWDesc::ask(true, this); });
        break;
    default:
        stored = CaptureFile(m_listType, [this] { return frmObjFWDesc::ask(true, this); });
        break;
    }
    if (stored)
        LoadObjectList();
}

void frmOFWLibe2::pbPasteObject_Click()
{
    const std::optional<std::size_t> record = selectedRecord();
    if (!record) {
        common::showMessage({"No Object Selected", "Please click on the name of an object.",
                             platform::mb::Exclamation});
        return;
    }
    const ProcNameObj &object = m_records[*record];
    switch (m_listType) {
    case ObjectKind::Procs:
        PasteProcedure(object);
        break;
    case ObjectKind::Controls:
        if (!isPlainAlias(object.ProcAlias) ||
            !platform::fileExists(programLibrary().pathOf(object.ProcAlias))) {
            common::showMessage(
                {"Get Object Failed", "Can't open " + object.ProcAlias, platform::mb::Critical});
            return;
        }
        if (!OpenControlSet(programLibrary().pathOf(object.ProcAlias)))
            return;
        pbPasteObject->setEnabled(false);
        pbNext->setEnabled(true);
        pbCancel->setEnabled(true);
        showNotice("Select Desired Controls",
                   "Please Select Controls To Be Copied, and Press Next=>, or press Cancel on "
                   "Object Frameworks form.");
        break;
    default:
        if (!isPlainAlias(object.ProcAlias) ||
            !platform::fileExists(programLibrary().pathOf(object.ProcAlias))) {
            common::showMessage(
                {"Get Object Failed", "Can't open " + object.ProcAlias, platform::mb::Critical});
            return;
        }
        CloneObject(cloneExtension(m_listType), programLibrary().pathOf(object.ProcAlias));
        break;
    }
}

void frmOFWLibe2::pbDeleteObject_Click()
{
    const std::optional<std::size_t> record = selectedRecord();
    if (!record) {
        common::showMessage({"No Object Selected", "Please click on the name of an object.",
                             platform::mb::Exclamation});
        return;
    }
    if (DeleteObject(m_listType, *record))
        LoadObjectList();
}

void frmOFWLibe2::showNotice(const char *caption, const char *text)
{
    if (!m_notice) {
        auto *notice = new frmStopGo(this);
        notice->pbProceed->hide();
        connect(notice, &QObject::destroyed, this, [this] { m_notice = nullptr; });
        m_notice = notice;
    }
    static_cast<frmStopGo *>(m_notice)->setNotice(caption, text);
    m_notice->show();
}

void frmOFWLibe2::endWizard()
{
    if (m_notice)
        m_notice->close();
    pbPasteObject->setEnabled(true);
    for (QPushButton *b : {pbNext, pbFinish, pbCancel})
        b->setEnabled(false);
}

void frmOFWLibe2::pbNext_Click()
{
    std::vector<std::string> copied = GetControlsAndCode();
    if (copied.empty())
        return;
    m_copiedControls = std::move(copied);
    pbNext->setEnabled(false);
    pbFinish->setEnabled(true);
    showNotice("Select Destination Form",
               "Please display and set focus to the form which should receive the code.  Next "
               "Click Finish.");
}

void frmOFWLibe2::pbFinish_Click()
{
    PasteControlsAndCode(m_copiedControls);
    endWizard();
}

void frmOFWLibe2::pbCancel_Click()
{
    endWizard();
}

void frmOFWLibe2::pbCopyControls_Click()
{
    std::vector<std::string> copied = GetControlsAndCode();
    if (!copied.empty())
        m_copiedControls = std::move(copied);
}

void frmOFWLibe2::pbPasteControls_Click()
{
    PasteControlsAndCode(m_copiedControls);
}

void frmOFWLibe2::pbCopyMenu_Click()
{
    const std::optional<std::string> file = platform::ui().openFileDialog(
        {"Get File Where Menu Is", "Forms (*.frm)|*.frm", 1, {}, {}, 0});
    if (!file)
        return;
    if (!platform::fileExists(*file)) {
        common::showMessage({"Open Error", "Can't open file: " + *file, platform::mb::Critical});
        return;
    }
    m_copiedMenu = *file;
    common::showMessage(
        {"", "Select Form to receive Menu and click Paste Menu.", platform::mb::Information});
}

void frmOFWLibe2::pbPasteMenu_Click()
{
    PasteMenuProc(m_copiedMenu);
}

void frmOFWLibe2::pbCloneProc_Click()
{
    common::recordHostState();
    const std::string procedure = codetext::CaptureCurrentProc();
    if (procedure.find_first_not_of(" \t\r\n") == std::string::npos)
        return;
    auto *editor = new frmEditProc(procedure, this);
    editor->show();
}

void frmOFWLibe2::pbCloneForm_Click()
{
    CloneObject("FRM");
}

void frmOFWLibe2::pbPastetoForm_Click()
{
    TextBoxOptions options;
    options.enterToTab = chkEntertoTab->isChecked();
    options.selectOnFocus = chkSelectonFocus->isChecked();
    options.killBeep = chkKillbeeponEnter->isChecked();
    PasteTextBoxCode(options);
}

void frmOFWLibe2::pbDeleteControls_Click()
{
    auto *notice = new frmStopGo(this);
    notice->setNotice("Confirm Delete Controls",
                      "All forms and Code Windows must be closed except the form on which the "
                      "controls to be deleted reside.  This form and the Project Window only must "
                      "be open.  If this is done, click Proceed, otherwise click Cancel.");
    connect(notice, &frmStopGo::proceeded, this, [] { DeleteSelectedControls(); });
    notice->show();
}

void frmOFWLibe2::pbDocTemplate_Click()
{
    generators::pbDocTemplate_Click();
}

void frmOFWLibe2::pbNewProcedure_Click()
{
    common::toolRegistry().showWindow(common::window::NewProcedure);
}

void frmOFWLibe2::pbStayOnTop_Click()
{
    const bool onTop = !(windowFlags() & Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    pbStayOnTop->setText(onTop ? "Set Not On Top" : "Set Stay On Top");
    show();
}

void frmOFWLibe2::pbHelp_Click()
{
    common::recordHostState();
    auto &ui = platform::ui();
    common::ignoreErrors([&] {
        ui.activate(common::programState().hostCaption);
        ui.sendKeys("{F1}", false);
    });
}

} // namespace qm::library
