// The folder picker of the code finder: the roots a user starts from and the folders below.
#pragma once

#include <QDialog>
#include <QListWidget>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace qm::search {

/// The directory list: the folders from the root down to its path, then the path's subfolders.
/// Picking one (a click, or the keyboard) makes it the path.
class DirListBox final : public QListWidget
{
    Q_OBJECT

public:
    explicit DirListBox(QWidget *parent = nullptr);
    /// The folder the list shows, a native absolute path.
    QString path() const { return m_path; }
    void setPath(const QString &path);

signals:
    void pathChanged(const QString &path);

private:
    QString m_path;
};

/// "Select Directory": Drive1 lists the file-system roots (the root, the home folder, mounted
/// volumes), Dir1 the folders; Select (Command3D1) takes Dir1's path.
class frmSelectDirectory final : public QDialog
{
    Q_OBJECT

public:
    explicit frmSelectDirectory(QWidget *parent = nullptr);

    /// Shows the window modally over `parent` starting at `directory` (when it exists) and
    /// returns the folder selected, or nothing when it was closed without Select.
    static std::optional<std::string> choose(QWidget *parent, const std::string &directory);
    /// For tests: when set, choose shows the window without a modal loop and hands it to the
    /// hook; what the hook leaves selected is the answer.
    static void setModalHook(std::function<void(frmSelectDirectory &)> hook);

    QLabel *lblDrive;
    QComboBox *Drive1;
    QLabel *lblDirectory;
    DirListBox *Dir1;
    QPushButton *Command3D1;

public slots:
    void Drive1_Change();
    void Command3D1_Click();

private:
    std::optional<std::string> m_selected;
};

} // namespace qm::search
