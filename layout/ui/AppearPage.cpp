// The Appear page and its buttons.
#include "layout/ui/AppearPage.h"

#include "layout/ui/LayoutIcons.h"
#include "platform/qt/NamedControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::layout {
namespace {

QPushButton *textButton(const QString &name, const char *caption, const char *tip, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(name);
    b->setToolTip(QString::fromLatin1(tip));
    return b;
}

QPushButton *
pictureButton(const QString &name, LayoutPicture picture, const char *tip, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setIcon(layoutIcon(picture));
    b->setIconSize(QSize(24, 24));
    b->setFixedSize(QSize(36, 32));
    b->setToolTip(QString::fromLatin1(tip));
    b->setAccessibleName(QString::fromLatin1(tip));
    return b;
}

QString element(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A label over a row of buttons.
QVBoxLayout *group(QLabel *caption, std::initializer_list<QPushButton *> buttons)
{
    auto *column = new QVBoxLayout;
    column->addWidget(caption);
    auto *row = new QHBoxLayout;
    for (QPushButton *b : buttons)
        row->addWidget(b);
    row->addStretch();
    column->addLayout(row);
    column->addStretch();
    return column;
}

} // namespace

AppearPage::AppearPage(QWidget *parent)
    : QWidget(parent)
{
    using P = LayoutPicture;
    static const char *const alignTips[] = {
        "Align the left edges of the selected controls",
        "Align the tops of the selected controls",
        "Align the bottoms of the selected controls",
        "Align the right edges of the selected controls",
    };
    static const P alignPictures[] = {P::AlignLeft, P::AlignTop, P::AlignBottom, P::AlignRight};
    static const char *const sizeTips[] = {
        "Give the selected controls the same width",
        "Give the selected controls the same height",
        "Give the selected controls the same width and height",
    };
    static const P sizePictures[] = {P::SameWidth, P::SameHeight, P::SameSize};

    lblAlign = platform::label(this, "lblAlign", "Align");
    for (int i = 0; i < 4; ++i)
        pbAlign[i] = pictureButton(element("pbAlign", i), alignPictures[i], alignTips[i], this);
    lblSize = platform::label(this, "lblSize", "Size");
    for (int i = 0; i < 3; ++i)
        pbSize[i] = pictureButton(element("pbSize", i), sizePictures[i], sizeTips[i], this);
    lblSpace = platform::label(this, "lblSpace", "Space");
    pbSpaceHorizontal =
        pictureButton(QStringLiteral("pbSpaceHorizontal"), P::SpaceHorizontal,
                      "Space the selected controls across as the first two are", this);
    pbSpaceVertical = pictureButton(QStringLiteral("pbSpaceVertical"), P::SpaceVertical,
                                    "Space the selected controls down as the first two are", this);

    fraSizeSpace = new QGroupBox(QStringLiteral("Size && Space"), this);
    fraSizeSpace->setObjectName(QStringLiteral("fraSizeSpace"));
    pbDistributeHorizontal =
        pictureButton(QStringLiteral("pbDistributeHorizontal"), P::DistributeHorizontal,
                      "Equal gaps across the width the selected controls cover", fraSizeSpace);
    pbDistributeVertical =
        pictureButton(QStringLiteral("pbDistributeVertical"), P::DistributeVertical,
                      "Equal gaps down the height the selected controls cover", fraSizeSpace);
    pbFillHorizontal = pictureButton(
        QStringLiteral("pbFillHorizontal"), P::FillHorizontal,
        "Equal widths, edge to edge, across the width the selected controls cover", fraSizeSpace);
    pbFillVertical = pictureButton(
        QStringLiteral("pbFillVertical"), P::FillVertical,
        "Equal heights, edge to edge, down the height the selected controls cover", fraSizeSpace);
    auto *sizeSpace = new QGridLayout(fraSizeSpace);
    sizeSpace->addWidget(pbDistributeHorizontal, 0, 0);
    sizeSpace->addWidget(pbDistributeVertical, 0, 1);
    sizeSpace->addWidget(pbFillHorizontal, 1, 0);
    sizeSpace->addWidget(pbFillVertical, 1, 1);
    pbUndo = pictureButton(QStringLiteral("pbUndo"), P::Undo,
                           "Undo the last alignment, size or spacing", this);

    lblFont = platform::label(this, "lblFont", "Font");
    pbFontBold = pictureButton(QStringLiteral("pbFontBold"), P::Bold,
                               "Bold font for the selected controls", this);
    pbFontRegular = textButton(QStringLiteral("pbFontRegular"), "Reg",
                               "Regular (not bold) font for the selected controls", this);
    lblAppear = platform::label(this, "lblAppear", "Appear");
    pbAppear3D = textButton(QStringLiteral("pbAppear3D"), "3D",
                            "Three-dimensional look for the selected controls", this);
    pbAppearFlat = textButton(QStringLiteral("pbAppearFlat"), "Flat",
                              "Flat look for the selected controls", this);
    lblText = platform::label(this, "lblText", "Text or Caption");
    pbClearText = pictureButton(QStringLiteral("pbClearText"), P::ClearText,
                                "Empty the text and caption of the selected controls", this);

    fraReference = new QGroupBox(QStringLiteral("Reference Control"), this);
    fraReference->setObjectName(QStringLiteral("fraReference"));
    pbSetRefObj =
        textButton(QStringLiteral("pbSetRefObj"), "Select",
                   "Align and size on the first selected control from now on", fraReference);
    pbClearRefObj = textButton(QStringLiteral("pbClearRefObj"), "Clear",
                               "Align and size on the selection again", fraReference);
    auto *reference = new QHBoxLayout(fraReference);
    reference->addWidget(pbSetRefObj);
    reference->addWidget(pbClearRefObj);

    auto *grid = new QGridLayout(this);
    grid->addLayout(group(lblAlign, {pbAlign[0], pbAlign[1], pbAlign[2], pbAlign[3]}), 0, 0);
    grid->addLayout(group(lblSize, {pbSize[0], pbSize[1], pbSize[2]}), 0, 1);
    grid->addLayout(group(lblSpace, {pbSpaceHorizontal, pbSpaceVertical}), 1, 0);
    auto *sizeSpaceRow = new QHBoxLayout;
    sizeSpaceRow->addWidget(fraSizeSpace);
    sizeSpaceRow->addWidget(pbUndo, 0, Qt::AlignBottom);
    grid->addLayout(sizeSpaceRow, 1, 1);
    grid->addLayout(group(lblFont, {pbFontBold, pbFontRegular}), 2, 0);
    grid->addLayout(group(lblAppear, {pbAppear3D, pbAppearFlat}), 2, 1);
    grid->addLayout(group(lblText, {pbClearText}), 3, 0);
    grid->addWidget(fraReference, 3, 1);
    grid->setRowStretch(4, 1);

    for (int i = 0; i < 4; ++i)
        connect(pbAlign[i], &QPushButton::clicked, this, [this, i] { pbAlign_Click(i); });
    for (int i = 0; i < 3; ++i)
        connect(pbSize[i], &QPushButton::clicked, this, [this, i] { pbSize_Click(i); });
    connect(pbSetRefObj, &QPushButton::clicked, this, &AppearPage::pbSetRefObj_Click);
    connect(pbClearRefObj, &QPushButton::clicked, this, &AppearPage::pbClearRefObj_Click);
    connect(pbSpaceHorizontal, &QPushButton::clicked, this, &AppearPage::pbSpaceHorizontal_Click);
    connect(pbSpaceVertical, &QPushButton::clicked, this, &AppearPage::pbSpaceVertical_Click);
    connect(pbDistributeHorizontal, &QPushButton::clicked, this,
            &AppearPage::pbDistributeHorizontal_Click);
    connect(pbDistributeVertical, &QPushButton::clicked, this,
            &AppearPage::pbDistributeVertical_Click);
    connect(pbFillHorizontal, &QPushButton::clicked, this, &AppearPage::pbFillHorizontal_Click);
    connect(pbFillVertical, &QPushButton::clicked, this, &AppearPage::pbFillVertical_Click);
    connect(pbUndo, &QPushButton::clicked, this, &AppearPage::pbUndo_Click);
    connect(pbFontBold, &QPushButton::clicked, this, &AppearPage::pbFontBold_Click);
    connect(pbFontRegular, &QPushButton::clicked, this, &AppearPage::pbFontRegular_Click);
    connect(pbAppear3D, &QPushButton::clicked, this, &AppearPage::pbAppear3D_Click);
    connect(pbAppearFlat, &QPushButton::clicked, this, &AppearPage::pbAppearFlat_Click);
    connect(pbClearText, &QPushButton::clicked, this, &AppearPage::pbClearText_Click);
}

void AppearPage::pbSetRefObj_Click()
{
    m_tool.SetReference();
}

void AppearPage::pbClearRefObj_Click()
{
    m_tool.ClearReference();
}

void AppearPage::pbAlign_Click(int Index)
{
    static const char *const main[] = {"Left", "Top", "Top", "Left"};
    static const char *const shift[] = {"", "", "Height", "Width"};
    if (Index >= 0 && Index < 4)
        m_tool.DoAlignment(main[Index], shift[Index]);
}

void AppearPage::pbSize_Click(int Index)
{
    m_tool.DoSize(Index + 1);
}

void AppearPage::pbSpaceHorizontal_Click()
{
    m_tool.DoSpacing(Spacing::Space, Axis::Horizontal);
}

void AppearPage::pbSpaceVertical_Click()
{
    m_tool.DoSpacing(Spacing::Space, Axis::Vertical);
}

void AppearPage::pbDistributeHorizontal_Click()
{
    m_tool.DoSpacing(Spacing::Distribute, Axis::Horizontal);
}

void AppearPage::pbDistributeVertical_Click()
{
    m_tool.DoSpacing(Spacing::Distribute, Axis::Vertical);
}

void AppearPage::pbFillHorizontal_Click()
{
    m_tool.DoSpacing(Spacing::Fill, Axis::Horizontal);
}

void AppearPage::pbFillVertical_Click()
{
    m_tool.DoSpacing(Spacing::Fill, Axis::Vertical);
}

void AppearPage::pbUndo_Click()
{
    m_tool.UndoProc();
}

void AppearPage::pbFontBold_Click()
{
    m_tool.SetBold(true);
}

void AppearPage::pbFontRegular_Click()
{
    m_tool.SetBold(false);
}

void AppearPage::pbAppear3D_Click()
{
    m_tool.SetAppearance(true);
}

void AppearPage::pbAppearFlat_Click()
{
    m_tool.SetAppearance(false);
}

void AppearPage::pbClearText_Click()
{
    m_tool.ClearText();
}

} // namespace qm::layout
