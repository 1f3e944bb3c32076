// The folder picker of the code finder.
#include "search/ui/frmSelectDirectory.h"

#include "common/WindowNames.h"
#include "platform/qt/FileSystemRoots.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qm::search {
namespace {

std::function<void(frmSelectDirectory &)> &modalHook()
{
    static std::function<void(frmSelectDirectory &)> hook;
    return hook;
}

constexpr int kPathRole = Qt::UserRole;

} // namespace

DirListBox::DirListBox(QWidget *parent)
    : QListWidget(parent)
{
    // Queued: the list is rebuilt for the new path, which must not happen inside its own signal.
    connect(
        this, &QListWidget::currentItemChanged, this,
        [this](QListWidgetItem *item) {
            if (item && item->data(kPathRole).toString() != m_path)
                setPath(item->data(kPathRole).toString());
        },
        Qt::QueuedConnection);
}

void DirListBox::setPath(const QString &path)
{
    QDir dir(path);
    if (!dir.exists())
        return;
    m_path = QDir::cleanPath(dir.absolutePath());
    const QSignalBlocker blocker(this);
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The folders from the root down, each shown by its whole path.
    QStringList chain;
    for (QDir up(m_path);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    QListWidgetItem *current = nullptr;
    for (const QString &folder : chain) {
        current = new QListWidgetItem(open, folder, this);
        current->setData(kPathRole, folder);
    }
    const QFileInfoList subfolders =
        dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : subfolders) {
        auto *item = new QListWidgetItem(closed, info.fileName(), this);
        item->setData(kPathRole, info.absoluteFilePath());
    }
    setCurrentItem(current);
    emit pathChanged(m_path);
}

frmSelectDirectory::frmSelectDirectory(QWidget *parent)
    : QDialog(parent)
    , lblDrive(new QLabel(QStringLiteral("Select Drive"), this))
    , Drive1(new QComboBox(this))
    , lblDirectory(new QLabel(QStringLiteral("Select Directory"), this))
    , Dir1(new DirListBox(this))
    , Command3D1(new QPushButton(QStringLiteral("Select"), this))
{
    setObjectName(platform::toQString(common::window::SelectDirectory));
    setWindowTitle(QStringLiteral("Select Directory"));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Command3D1->setObjectName(QStringLiteral("Command3D1"));
    lblDrive->setBuddy(Drive1);
    lblDirectory->setBuddy(Dir1);
    Drive1->addItems(platform::fileSystemRoots());
    Dir1->setMinimumSize(platform::twipsToPixels(4800, this), platform::twipsToPixels(3600, this));
    Dir1->setPath(QDir::currentPath());

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDrive);
    layout->addWidget(Drive1);
    layout->addWidget(lblDirectory);
    layout->addWidget(Dir1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command3D1);
    layout->addLayout(buttons);

    connect(Drive1, &QComboBox::activated, this, &frmSelectDirectory::Drive1_Change);
    connect(Command3D1, &QPushButton::clicked, this, &frmSelectDirectory::Command3D1_Click);
    Dir1->setToolTip(Dir1->path());
    connect(Dir1, &DirListBox::pathChanged, Dir1, &QWidget::setToolTip);

    adjustSize();
    platform::CenterForm(*this);
}

std::optional<std::string> frmSelectDirectory::choose(QWidget *parent, const std::string &directory)
{
    QPointer<frmSelectDirectory> window = new frmSelectDirectory(parent);
    if (!directory.empty())
        window->Dir1->setPath(platform::toQString(directory));
    window->setModal(true);
    if (!modalHook()) {
        window->exec();
    } else {
        window->show();
        modalHook()(*window);
        if (window)
            window->close();
    }
    std::optional<std::string> selected = window ? window->m_selected : std::nullopt;
    delete window.data();
    return selected;
}

void frmSelectDirectory::setModalHook(std::function<void(frmSelectDirectory &)> hook)
{
    modalHook() = std::move(hook);
}

void frmSelectDirectory::Drive1_Change()
{
    Dir1->setPath(Drive1->currentText());
}

void frmSelectDirectory::Command3D1_Click()
{
    m_selected = platform::fromQString(Dir1->path());
    accept();
}

} // namespace qm::search
