// The "Appear" page of frmApperTab: alignment, size, spacing and its undo, font, look and text
// of the selected controls, and the reference control.
#pragma once

#include "layout/LayoutGlue.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace qm::layout {

class AppearPage final : public QWidget
{
    Q_OBJECT

public:
    explicit AppearPage(QWidget *parent = nullptr);

    QLabel *lblAlign;
    std::array<QPushButton *, 4> pbAlign;
    QLabel *lblSize;
    std::array<QPushButton *, 3> pbSize;
    QLabel *lblSpace;
    QPushButton *pbSpaceHorizontal;
    QPushButton *pbSpaceVertical;
    QGroupBox *fraSizeSpace;
    QPushButton *pbDistributeHorizontal;
    QPushButton *pbDistributeVertical;
    QPushButton *pbFillHorizontal;
    QPushButton *pbFillVertical;
    QPushButton *pbUndo;
    QLabel *lblFont;
    QPushButton *pbFontBold;
    QPushButton *pbFontRegular;
    QLabel *lblAppear;
    QPushButton *pbAppear3D;
    QPushButton *pbAppearFlat;
    QLabel *lblText;
    QPushButton *pbClearText;
    QGroupBox *fraReference;
    QPushButton *pbSetRefObj;
    QPushButton *pbClearRefObj;

    /// DoAlignment, DoSize, UndoProc and the undo list and reference they keep.
    AppearTool &tool() { return m_tool; }

public slots:
    void pbSetRefObj_Click();
    void pbClearRefObj_Click();
    void pbAlign_Click(int Index);
    void pbSize_Click(int Index);
    void pbSpaceHorizontal_Click();
    void pbSpaceVertical_Click();
    void pbDistributeHorizontal_Click();
    void pbDistributeVertical_Click();
    void pbFillHorizontal_Click();
    void pbFillVertical_Click();
    void pbUndo_Click();
    void pbFontBold_Click();
    void pbFontRegular_Click();
    void pbAppear3D_Click();
    void pbAppearFlat_Click();
    void pbClearText_Click();

private:
    AppearTool m_tool;
};

} // namespace qm::layout
