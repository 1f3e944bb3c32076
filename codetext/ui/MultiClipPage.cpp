// The extra clipboards' buttons.
#include "codetext/ui/MultiClipPage.h"

#include "codetext/ExtraClipboards.h"
#include "codetext/ui/EditorDialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::codetext {
namespace {

QPushButton *
arrayButton(QWidget *parent, const char *name, int index, const char *caption, const char *tip)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(index));
    button->setToolTip(QString::fromLatin1(tip));
    return button;
}

} // namespace

MultiClipPage::MultiClipPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabMultiClip"));
    // The three clipboards side by side at the top of the tab, their buttons together.
    auto *page = new QVBoxLayout(this);
    auto *layout = new QHBoxLayout;
    page->addLayout(layout);
    page->addStretch();
    for (int i = 0; i < 3; ++i) {
        fraClipboard[i] = new QGroupBox(QStringLiteral("Clipboard # %1").arg(i + 1), this);
        fraClipboard[i]->setObjectName(QStringLiteral("fraClipboard(%1)").arg(i));
        pbCut[i] = arrayButton(fraClipboard[i], "pbCut", i, "Cut", "Cut to this clipboard");
        pbCopy[i] = arrayButton(fraClipboard[i], "pbCopy", i, "Copy", "Copy to this clipboard");
        pbPaste[i] =
            arrayButton(fraClipboard[i], "pbPaste", i, "Paste", "Paste from this clipboard");
        pbEdit[i] = arrayButton(fraClipboard[i], "pbEdit", i, "Edit", "Edit this clipboard");
        auto *grid = new QGridLayout(fraClipboard[i]);
        grid->addWidget(pbCut[i], 0, 0);
        grid->addWidget(pbCopy[i], 0, 1);
        grid->addWidget(pbPaste[i], 1, 0);
        grid->addWidget(pbEdit[i], 1, 1);
        layout->addWidget(fraClipboard[i]);
        connect(pbCut[i], &QPushButton::clicked, this, [this, i] { pbCut_Click(i); });
        connect(pbCopy[i], &QPushButton::clicked, this, [this, i] { pbCopy_Click(i); });
        connect(pbPaste[i], &QPushButton::clicked, this, [this, i] { pbPaste_Click(i); });
        connect(pbEdit[i], &QPushButton::clicked, this, [this, i] { pbEdit_Click(i); });
    }
}

void MultiClipPage::pbCut_Click(int Index)
{
    CutToExtraClipboard(Index);
}

void MultiClipPage::pbCopy_Click(int Index)
{
    CopyToExtraClipboard(Index);
}

void MultiClipPage::pbPaste_Click(int Index)
{
    PasteExtraClipboard(Index);
}

void MultiClipPage::pbEdit_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    std::string &content = extraClipboards()[static_cast<size_t>(Index)];
    frmEditClip editor(this);
    content = editor.EditClipText(std::to_string(Index + 1), content);
}

} // namespace qm::codetext
