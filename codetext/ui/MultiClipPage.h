// The "MultiClip" page of frmApperTab: three extra clipboards, each with Cut, Copy, Paste and
// Edit buttons.
#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;

namespace qm::codetext {

class MultiClipPage final : public QWidget
{
    Q_OBJECT

public:
    explicit MultiClipPage(QWidget *parent = nullptr);

    QGroupBox *fraClipboard[3];
    QPushButton *pbCut[3];
    QPushButton *pbCopy[3];
    QPushButton *pbPaste[3];
    QPushButton *pbEdit[3];

public slots:
    void pbCut_Click(int Index);
    void pbCopy_Click(int Index);
    void pbPaste_Click(int Index);
    void pbEdit_Click(int Index);
};

} // namespace qm::codetext
