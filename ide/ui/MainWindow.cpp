// The main window and its menus.
#include "ide/ui/MainWindow.h"

#include "host/Host.h"
#include "ide/Ide.h"
#include "ide/ui/AddIns.h"
#include "ide/ui/HostUi.h"
#include "ide/ui/HostWindow.h"
#include "ide/ui/KeyEvents.h"
#include "platform/SendKeys.h"
#include "platform/UiRuntime.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QToolButton>

#include <optional>

namespace qm::ide {
namespace {

void deliverKeys(HostUi &ui, const char *keys)
{
    for (const platform::KeyChord &chord : platform::parseSendKeys(keys))
        ui.deliverKey(chord);
}

} // namespace

QString plainCaption(const QString &caption)
{
    QString text = caption.section(QLatin1Char('\t'), 0, 0);
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

MainWindow::MainWindow(HostUi &ui)
    : m_ui(ui)
{
    setObjectName(QStringLiteral("vbMain"));
    // Only the menu bar and the tool bar: the host's other windows stand on their own.
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("toolBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    auto tool = [&](const char *name, const QString &text, const QString &tip,
                    std::function<void()> run) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [run] { run(); });
        row->addWidget(b);
    };
    tool("tbOpen", tr("Open"), tr("Open Project"), [this] { openProjectDialog(); });
    tool("tbSave", tr("Save"), tr("Save Project"), [this] { m_ui.saveProject(); });
    tool("tbCode", tr("Code"), tr("View Code"), [this] { deliverKeys(m_ui, "{F7}"); });
    tool("tbForm", tr("Form"), tr("View Form"), [this] { deliverKeys(m_ui, "+{F7}"); });
    tool("tbProject", tr("Project"), tr("Project Window"), [this] { deliverKeys(m_ui, "^r"); });
    tool("tbProperties", tr("Properties"), tr("Properties Window"), [this] {
        platform::windowRegistry().showWindow(m_ui.ide().propertiesWindow(),
                                              platform::sw::ShowNormal);
        m_ui.sync();
    });
    tool("tbToolbox", tr("Toolbox"), tr("Toolbox"), [this] { deliverKeys(m_ui, "^t"); });
    row->addStretch(1);
    setCentralWidget(bar);

    m_file = menuBar()->addMenu(tr("&File"));
    m_file->addAction(tr("&New Project"), this, [this] {
        if (m_ui.prepareClose(true)) {
            m_ui.guard("New Project", [this] { m_ui.ide().newProject(); });
            m_ui.addIns().connectRegistered();
            m_ui.sync();
        }
    });
    m_file->addAction(tr("&Open Project..."), this, [this] { openProjectDialog(); });
    m_file->addSeparator();
    m_file->addAction(tr("Sa&ve Project"), this, [this] { m_ui.saveProject(); });
    m_file->addAction(tr("Save Project As..."), this, [this] {
        platform::FileDialogRequest request;
        request.title = "Save Project As";
        request.filter = "Project Files (*.vbp)|*.vbp";
        if (Project *p = m_ui.ide().project())
            request.fileName = p->name() + ".vbp";
        if (std::optional<std::string> path = platform::ui().saveFileDialog(request))
            m_ui.guard("Save Project As", [&] { m_ui.ide().saveProjectAs(*path); });
    });
    m_file->addSeparator();
    m_file->addAction(tr("&Add File..."), this, [this] {
        platform::FileDialogRequest request;
        request.title = "Add File";
        request.filter = "Form, Module and Class Files (*.frm;*.bas;*.cls)|*.frm;*.bas;*.cls";
        if (Project *p = m_ui.ide().project())
            request.initialDirectory = p->directory();
        if (std::optional<std::string> path = platform::ui().openFileDialog(request))
            m_ui.guard("Add File", [&] { m_ui.ide().addFile(*path); });
    });
    addKeyAction(m_file, tr("&Save File"), "^s", tr("Ctrl+S"));
    addKeyAction(m_file, tr("&Remove File"), "^{DEL}", tr("Ctrl+Del"));
    m_file->addSeparator();
    addKeyAction(m_file, tr("&Print..."), "^p", tr("Ctrl+P"));
    m_file->addSeparator();
    m_file->addAction(tr("E&xit"), this, [this] { close(); });

    m_edit = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = addKeyAction(m_edit, tr("&Undo"), "^z", tr("Ctrl+Z"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    QAction *redo = addKeyAction(m_edit, tr("&Redo"), "^y", tr("Ctrl+Y"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    connect(m_edit, &QMenu::aboutToShow, this, [this, undo, redo] {
        undo->setEnabled(m_ui.canUndo());
        redo->setEnabled(m_ui.canRedo());
    });
    m_edit->addSeparator();
    addKeyAction(m_edit, tr("Cu&t"), "^x", tr("Ctrl+X"));
    addKeyAction(m_edit, tr("&Copy"), "^c", tr("Ctrl+C"));
    addKeyAction(m_edit, tr("&Paste"), "^v", tr("Ctrl+V"));
    addKeyAction(m_edit, tr("De&lete"), "{DEL}", tr("Del"));
    addKeyAction(m_edit, tr("Select &All"), "^a", tr("Ctrl+A"));
    m_edit->addSeparator();
    addKeyAction(m_edit, tr("&Find..."), "^f", tr("Ctrl+F"));
    addKeyAction(m_edit, tr("Find &Next"), "{F3}", tr("F3"));

    m_view = menuBar()->addMenu(tr("&View"));
    addKeyAction(m_view, tr("&Code"), "{F7}", tr("F7"));
    addKeyAction(m_view, tr("F&orm"), "+{F7}", tr("Shift+F7"));
    addKeyAction(m_view, tr("&Last Position"), "^+{F2}", tr("Ctrl+Shift+F2"));
    m_view->addSeparator();
    addKeyAction(m_view, tr("Pro&ject"), "^r", tr("Ctrl+R"));
    m_view->addAction(tr("Propert&ies"), this, [this] {
        platform::windowRegistry().showWindow(m_ui.ide().propertiesWindow(),
                                              platform::sw::ShowNormal);
        m_ui.sync();
    });
    addKeyAction(m_view, tr("&Toolbox"), "^t", tr("Ctrl+T"));
    m_view->addSeparator();
    QAction *full = m_view->addAction(tr("&Full Module View"));
    full->setObjectName(QStringLiteral("mnuFullModuleView"));
    full->setCheckable(true);
    connect(full, &QAction::toggled, this, [this](bool on) { toggleFullModuleView(on); });
    m_view->addSeparator();
    addKeyAction(m_view, tr("Close &Window"), "^{F4}", tr("Ctrl+F4"));

    m_addIns = menuBar()->addMenu(tr("&Add-Ins"));
    connect(m_addIns, &QMenu::aboutToShow, this, [this] { rebuildAddInsMenu(); });
    rebuildAddInsMenu();

    m_help = menuBar()->addMenu(tr("&Help"));
    addKeyAction(m_help, tr("&Contents"), "{F1}", tr("F1"));
    m_help->addAction(tr("&About the Host"), this, [] {
        platform::ui().msgBox("A stand-in host for classic Basic projects and their add-ins.",
                              platform::mb::Information, "About");
    });
    setFocusPolicy(Qt::StrongFocus);
}

QAction *MainWindow::addKeyAction(QMenu *menu,
                                  const QString &text,
                                  const char *keys,
                                  const QString &shortcutText)
{
    // The shortcut is only shown: the key itself comes through the host's key map, for a person
    // and for sent keys alike.
    QAction *action = menu->addAction(text + QLatin1Char('\t') + shortcutText);
    connect(action, &QAction::triggered, this, [this, keys] { deliverKeys(m_ui, keys); });
    return action;
}

void MainWindow::openProjectDialog()
{
    // The project open now goes: its changes are asked for first, as every way out asks.
    if (!m_ui.askToSaveChanges())
        return;
    platform::FileDialogRequest request;
    request.title = "Open Project";
    request.filter = "Project Files (*.vbp;*.mak)|*.vbp;*.mak|All Files (*.*)|*.*";
    if (Project *p = m_ui.ide().project())
        request.initialDirectory = p->directory();
    std::optional<std::string> path = platform::ui().openFileDialog(request);
    if (!path)
        return;
    m_ui.openProject(*path);
}

void MainWindow::toggleFullModuleView(bool on)
{
    if (Project *project = m_ui.ide().project()) {
        for (const ComponentPtr &c : project->components()) {
            if (CodeWindow *cw = m_ui.ide().codeWindowOf(*c))
                cw->pane->setProcedureView(!on);
        }
    }
    m_ui.sync();
}

void MainWindow::rebuildAddInsMenu()
{
    m_addIns->clear();
    AddInManager &addIns = m_ui.addIns();
    for (const AddInManager::Entry &entry : addIns.entries()) {
        QAction *a = m_addIns->addAction(platform::toQString(entry.programId));
        a->setCheckable(true);
        a->setChecked(entry.connected);
        a->setEnabled(entry.registeredClass || entry.connected);
        a->setToolTip(entry.connected ? tr("Connected: click to disconnect")
                                      : tr("Not connected: click to connect"));
        const std::string id = entry.programId;
        connect(a, &QAction::triggered, this, [this, id](bool on) {
            // Run after the menu has closed: a disconnection rebuilds this menu.
            QMetaObject::invokeMethod(
                this,
                [this, id, on] {
                    if (on)
                        m_ui.addIns().connect(id);
                    else
                        m_ui.addIns().disconnect(id);
                    m_ui.sync();
                },
                Qt::QueuedConnection);
        });
    }
    if (addIns.entries().empty()) {
        QAction *none = m_addIns->addAction(tr("(No add-ins registered)"));
        none->setEnabled(false);
    }
    IdeMenu &menu = m_ui.ide().addInMenu();
    const std::vector<std::string> captions = menu.captions();
    if (!captions.empty())
        m_addIns->addSeparator();
    for (const std::string &caption : captions) {
        std::shared_ptr<host::SubMenu> sub = menu.find(caption);
        if (!sub)
            continue;
        QMenu *qsub = m_addIns->addMenu(platform::toQString(caption));
        for (int i = 0; i < sub->count(); ++i) {
            const std::string line = sub->item(i)->caption();
            QAction *a = qsub->addAction(platform::toQString(line));
            connect(a, &QAction::triggered, this, [this, caption, line] {
                m_ui.guard(caption, [&] { m_ui.ide().addInMenu().click(caption, line); });
            });
        }
    }
}

QAction *MainWindow::findAction(const QStringList &path) const
{
    if (path.isEmpty())
        return nullptr;
    const QList<QAction *> top = menuBar()->actions();
    QList<QAction *> level = top;
    QAction *found = nullptr;
    for (int i = 0; i < path.size(); ++i) {
        found = nullptr;
        for (QAction *a : level) {
            if (a->isSeparator())
                continue;
            if (plainCaption(a->text()).compare(plainCaption(path[i]), Qt::CaseInsensitive) == 0) {
                found = a;
                break;
            }
        }
        if (!found)
            return nullptr;
        if (i + 1 < path.size()) {
            if (!found->menu())
                return nullptr;
            if (found->menu() == m_addIns)
                const_cast<MainWindow *>(this)->rebuildAddInsMenu();
            level = found->menu()->actions();
        }
    }
    return found;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (deliverKeyEvent(m_ui, *event, *this))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_ui.prepareClose(true)) {
        event->ignore();
        return;
    }
    event->accept();
    m_ui.endHost();
}

} // namespace qm::ide
