// The picture clipper: the icons of a program, library or icon file, or the pictures of a folder,
// as a grid of picture boxes; the one clicked goes to the clipboard.
#pragma once

#include <QLabel>
#include <QWidget>

#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class QToolButton;

namespace qm::clipper {

/// One element of the picIcon control array: a 32 x 32 picture box that reports its clicks.
class PictureBox final : public QLabel
{
    Q_OBJECT

public:
    PictureBox(int index, QWidget *parent);
    int index() const { return m_index; }
    /// The image the box shows (its picture, or what was drawn into it).
    QImage &image() { return m_image; }
    void setImage(const QImage &image);

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_index;
    QImage m_image;
};

class frmImageClip final : public QWidget
{
    Q_OBJECT

public:
    explicit frmImageClip(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QComboBox *Drive1;
    QListWidget *Dir1;
    QListWidget *File1;
    QPushButton *pbCopyToClip;
    QPushButton *pbLoadAllPictures;
    QPushButton *pbClose;
    QToolButton *pbHelp;
    QToolButton *picProduct;

    /// The elements of picIcon in existence, element 0 first.
    const std::vector<PictureBox *> &picIcon() const { return m_picIcon; }
    /// The window height last set for the grid, in twips.
    int heightTwips() const { return m_heightTwips; }
    /// The folder the file list shows.
    QString path() const { return m_path; }
    void setPath(const QString &path);

public slots:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void picIcon_Click(int index);
    void pbCopyToClip_Click();
    void pbLoadAllPictures_Click();
    void pbClose_Click();
    void pbHelp_Click();
    void picProduct_Click();

private:
    void removeElements();
    void setHeightFor(int count);
    void fitButtonColumn();
    PictureBox *addElement(int index, int top);
    void place(QWidget *control, int left, int top, int width, int height);

    std::vector<PictureBox *> m_picIcon;
    int m_clicked = 0;
    int m_heightTwips = 0;
    int m_extraWidth = 0;
    QString m_path;
};

} // namespace qm::clipper
