// frmApperTab, the tabbed tool window "Controls": six tabs of form-layout, clipboard, error,
// cleanup and change-tracking tools, kept in the bottom right corner of the screen.
#pragma once

#include <QWidget>

class QGroupBox;
class QPushButton;
class QTabWidget;

namespace qm::shell {

class frmApperTab final : public QWidget
{
    Q_OBJECT

public:
    explicit frmApperTab(QWidget *parent = nullptr);
    ~frmApperTab() override;

    QTabWidget *SSTab1;
    QPushButton *pbStayOnTop;
    QGroupBox *fraDocumentBlock;
    QPushButton *pbBlockanAdd;
    QPushButton *pbChangeBlock;
    QPushButton *pbCommentDeletion;
    QGroupBox *fraTrackChanges;
    QPushButton *SSCommand3;

    /// Left = screen width - window width, top = screen height - window height.
    void placeInBottomRightCorner();
    bool isOnTop() const { return m_onTop; }

public slots:
    void pbStayOnTop_Click();
    void pbBlockanAdd_Click();
    void pbChangeBlock_Click();
    void pbCommentDeletion_Click();
    void SSCommand3_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_onTop = false;
    bool m_placed = false;
};

} // namespace qm::shell
