// The host's main window: its menu bar (File, Edit, View, Add-Ins, Help) and tool bar. The
// menu commands that have accelerators run through the host's key map, as the keys do.
#pragma once

#include <QMainWindow>

class QMenu;

namespace qm::ide {

class HostUi;

class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(HostUi &ui);

    QMenu *fileMenu() const { return m_file; }
    QMenu *editMenu() const { return m_edit; }
    QMenu *viewMenu() const { return m_view; }
    QMenu *addInsMenu() const { return m_addIns; }
    QMenu *helpMenu() const { return m_help; }
    /// Rebuilds the Add-Ins menu: the registered add-ins with their connection, then the
    /// submenus the connected add-ins added.
    void rebuildAddInsMenu();
    /// The menu action of a path of captions ("File", "Save Project"); accelerator marks (&)
    /// and shortcut texts are ignored. nullptr when there is none.
    QAction *findAction(const QStringList &path) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *
    addKeyAction(QMenu *menu, const QString &text, const char *keys, const QString &shortcutText);
    void openProjectDialog();
    void toggleFullModuleView(bool on);

    HostUi &m_ui;
    QMenu *m_file = nullptr;
    QMenu *m_edit = nullptr;
    QMenu *m_view = nullptr;
    QMenu *m_addIns = nullptr;
    QMenu *m_help = nullptr;
};

/// A caption without its accelerator marks and shortcut text ("&Save File\tCtrl+S" gives
/// "Save File"; "&&" stays one "&").
QString plainCaption(const QString &caption);

} // namespace qm::ide
