// The picture clipper's window.
#include "clipper/ui/frmImageClip.h"

#include "clipper/ui/IconApi.h"
#include "common/ErrorReports.h"
#include "common/WindowNames.h"
#include "platform/FileSystem.h"
#include "platform/UiRuntime.h"
#include "platform/qt/FileSystemRoots.h"
#include "platform/qt/Forms.h"
#include "platform/qt/NamedControls.h"
#include "platform/qt/QtText.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>

namespace qm::clipper {

namespace {

constexpr int kCellsPerRow = 12;
constexpr int kPitch = 510;
constexpr int kLeft = 90;
constexpr int kIconTop = 2640;
constexpr int kPictureTop = 2670;
constexpr int kBoxSize = 480;
constexpr int kBaseHeight = 3615;
constexpr int kWidth = 7800;
constexpr int kMaxIcons = 36;
constexpr int kMaxPictures = 48;

bool containsIgnoringCase(const QString &text, const char *part)
{
    return text.contains(QLatin1String(part), Qt::CaseInsensitive);
}

} // namespace

using platform::named;

PictureBox::PictureBox(int index, QWidget *parent)
    : QLabel(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("picIcon(%1)").arg(index));
    const int side = platform::twipsToPixels(kBoxSize, parent);
    setFixedSize(side, side);
    setImage(QImage());
}

void PictureBox::setImage(const QImage &picture)
{
    // The box keeps an image of its own size, as a picture box's persistent graphics.
    m_image = QImage(size(), QImage::Format_ARGB32);
    m_image.fill(Qt::transparent);
    if (!picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, picture);
    }
    setPixmap(QPixmap::fromImage(m_image));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    emit clicked(m_index);
}

frmImageClip::frmImageClip(QWidget *parent)
    : QWidget(parent)
    , Label1(platform::label(this, "Label1", "Select an EXE or DLL or ICO File to Show its Icons"))
    , Label2(platform::label(this, "Label2", "Click the Icon and Copy to place on Clipboard"))
    , Drive1(named(new QComboBox(this), "Drive1"))
    , Dir1(named(new QListWidget(this), "Dir1"))
    , File1(named(new QListWidget(this), "File1"))
    , pbCopyToClip(platform::commandButton(this, "pbCopyToClip", "Copy", "Copy to Clipboard"))
    , pbLoadAllPictures(platform::commandButton(
          this, "pbLoadAllPictures", "Load All Pictures", "Load all picture files"))
    , pbClose(platform::commandButton(this, "pbClose", "Close", "Close Form"))
    , pbHelp(named(new QToolButton(this), "pbHelp", "Help"))
    , picProduct(named(new QToolButton(this), "picProduct", "Quillmark Help"))
{
    setObjectName(platform::toQString(common::window::ImageClip));
    setWindowTitle(QStringLiteral("Quillmark Picture Clipper"));
    pbHelp->setText(QStringLiteral("?"));
    picProduct->setIcon(QIcon(platform::productPicture(32)));
    picProduct->setIconSize(QSize(32, 32));
    picProduct->setAutoRaise(true);

    place(Label1, 90, 60, 6000, 255);
    place(Drive1, 90, 360, 2900, 315);
    place(Dir1, 90, 720, 2900, 1440);
    place(File1, 3090, 360, 3060, 1800);
    place(Label2, 90, 2250, 6000, 255);
    place(pbCopyToClip, 6300, 360, 1350, 375);
    place(pbLoadAllPictures, 6300, 780, 1350, 375);
    place(pbClose, 6300, 1200, 1350, 375);
    place(pbHelp, 6300, 1680, 480, 480);
    place(picProduct, 6900, 1680, 480, 480);
    fitButtonColumn();

    // Element 0 of the picture boxes, placed at design time.
    addElement(0, kIconTop);
    m_picIcon[0]->hide();
    setHeightFor(0);

    Drive1->addItems(platform::fileSystemRoots());
    setPath(QDir::currentPath());

    connect(Drive1, &QComboBox::activated, this, &frmImageClip::Drive1_Change);
    // A folder or file is picked by a click or by the keyboard. Queued for the folders: the lists
    // are rebuilt for the new folder, which must not happen inside the list's own signal.
    connect(Dir1, &QListWidget::currentItemChanged, this, &frmImageClip::Dir1_Change,
            Qt::QueuedConnection);
    connect(File1, &QListWidget::currentItemChanged, this, &frmImageClip::File1_Click);
    connect(pbCopyToClip, &QPushButton::clicked, this, &frmImageClip::pbCopyToClip_Click);
    connect(pbLoadAllPictures, &QPushButton::clicked, this, &frmImageClip::pbLoadAllPictures_Click);
    connect(pbClose, &QPushButton::clicked, this, &frmImageClip::pbClose_Click);
    connect(pbHelp, &QToolButton::clicked, this, &frmImageClip::pbHelp_Click);
    connect(picProduct, &QToolButton::clicked, this, &frmImageClip::picProduct_Click);
}

void frmImageClip::place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(platform::twipsToPixels(left, this), platform::twipsToPixels(top, this),
                         platform::twipsToPixels(width, this),
                         platform::twipsToPixels(height, this));
}

void frmImageClip::fitButtonColumn()
{
    // The captions decide the column's width where the font is wider than the design's; the
    // window grows by the same amount, so nothing is cut off on the right.
    int width = pbCopyToClip->width();
    for (const QPushButton *button : {pbCopyToClip, pbLoadAllPictures, pbClose})
        width = std::max(width, button->sizeHint().width());
    m_extraWidth = width - pbCopyToClip->width();
    for (QPushButton *button : {pbCopyToClip, pbLoadAllPictures, pbClose})
        button->resize(width, button->height());
}

void frmImageClip::setPath(const QString &path)
{
    QDir dir(path);
    if (!dir.exists())
        return;
    m_path = QDir::cleanPath(dir.absolutePath());
    const QSignalBlocker blockFolders(Dir1);
    const QSignalBlocker blockFiles(File1);
    Dir1->clear();
    Dir1->setToolTip(m_path);
    if (!dir.isRoot())
        Dir1->addItem(QStringLiteral(".."));
    Dir1->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    File1->clear();
    dir.setNameFilters({QStringLiteral("*.exe"), QStringLiteral("*.dll"), QStringLiteral("*.bmp"),
                        QStringLiteral("*.ico")});
    File1->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void frmImageClip::Drive1_Change()
{
    // A root that cannot be read is ignored, as a drive without medium is.
    setPath(Drive1->currentText());
}

void frmImageClip::Dir1_Change()
{
    const QListWidgetItem *item = Dir1->currentItem();
    if (!item)
        return;
    setPath(QDir(m_path).filePath(item->text()));
}

PictureBox *frmImageClip::addElement(int index, int top)
{
    auto *box = new PictureBox(index, this);
    box->move(platform::twipsToPixels(kLeft + (index % kCellsPerRow) * kPitch, this),
              platform::twipsToPixels(top + (index / kCellsPerRow) * kPitch, this));
    connect(box, &PictureBox::clicked, this, &frmImageClip::picIcon_Click);
    m_picIcon.push_back(box);
    return box;
}

void frmImageClip::removeElements()
{
    while (m_picIcon.size() > 1) {
        PictureBox *box = m_picIcon.back();
        m_picIcon.pop_back();
        // Out of the window at once: the element no longer exists for anyone looking for it.
        box->hide();
        box->setParent(nullptr);
        box->deleteLater();
    }
    m_picIcon[0]->hide();
    // The clicked element may be gone; element 0 is always there.
    if (std::size_t(m_clicked) >= m_picIcon.size())
        m_clicked = 0;
}

void frmImageClip::setHeightFor(int count)
{
    const int rows = (count + kCellsPerRow - 1) / kCellsPerRow;
    m_heightTwips = rows <= 1 ? kBaseHeight : kBaseHeight + (rows - 1) * kPitch;
    setFixedSize(platform::twipsToPixels(kWidth, this) + m_extraWidth,
                 platform::twipsToPixels(m_heightTwips, this));
}

void frmImageClip::File1_Click()
{
    const QListWidgetItem *item = File1->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    const std::string fullName =
        platform::joinPath(platform::fromQString(m_path), platform::fromQString(name));
    if (!containsIgnoringCase(name, ".exe") && !containsIgnoringCase(name, ".dll") &&
        !containsIgnoringCase(name, ".ico") && !containsIgnoringCase(name, ".bmp")) {
        common::showMessage(
            common::UserMessage{"Select Error", "File must be an EXE or DLL or ICO or BMP!", 16});
        return;
    }
    if (containsIgnoringCase(name, ".bmp")) {
        m_picIcon[0]->setImage(LoadPicture(fullName));
        m_picIcon[0]->show();
        return;
    }
    removeElements();
    const int count = int(std::min<HICON>(ExtractIconA(0, fullName, -1), kMaxIcons));
    setHeightFor(count);
    platform::ui().processEvents();
    for (int i = 1; i < count; ++i)
        addElement(i, kIconTop)->hide();
    for (int i = 0; i < count; ++i) {
        PictureBox *box = m_picIcon[std::size_t(i)];
        const HICON icon = ExtractIconA(0, fullName, i);
        box->setImage(QImage());
        DrawIcon(&box->image(), 0, 0, icon);
        box->setPixmap(QPixmap::fromImage(box->image()));
        box->show();
        DestroyIcon(icon);
    }
}

void frmImageClip::picIcon_Click(int index)
{
    m_clicked = index;
}

void frmImageClip::pbLoadAllPictures_Click()
{
    removeElements();
    QStringList pictures;
    for (int i = 0; i < File1->count() && pictures.size() < kMaxPictures; ++i) {
        const QString name = File1->item(i)->text();
        if (containsIgnoringCase(name, ".ico") || containsIgnoringCase(name, ".bmp"))
            pictures << name;
    }
    const int count = int(pictures.size());
    setHeightFor(count);
    platform::ui().processEvents();
    for (int i = 1; i < count; ++i)
        addElement(i, kPictureTop);
    for (int i = 0; i < count; ++i) {
        PictureBox *box = m_picIcon[std::size_t(i)];
        box->setImage(LoadPicture(
            platform::joinPath(platform::fromQString(m_path), platform::fromQString(pictures[i]))));
        box->show();
    }
}

void frmImageClip::pbCopyToClip_Click()
{
    platform::ui().clipboardClear();
    // The picture goes through a bitmap file, as it always has; the file lives in a folder of
    // the user's own for temporary files, not in whatever the current directory is.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return;
    const QImage image = m_picIcon[std::size_t(m_clicked)]->image();
    if (!image.save(folder.filePath(QStringLiteral("test.BMP")), "BMP"))
        return;
    const std::string saved = platform::joinPath(platform::fromQString(folder.path()), "test.bmp");
    const QImage loaded(QString::fromStdString(platform::resolvePath(saved).string()));
    if (!loaded.isNull())
        QGuiApplication::clipboard()->setImage(loaded);
}

void frmImageClip::pbClose_Click()
{
    close();
}

void frmImageClip::pbHelp_Click()
{
    common::guarded("pbHelp_Click", [] {
        platform::ui().sendKeys("{F1}", false);
        platform::ui().processEvents();
    });
}

void frmImageClip::picProduct_Click()
{
    common::guarded("picProduct_Click", [] { platform::showProductHelp(); });
}

} // namespace qm::clipper
