// frmApperTab, the tabbed tool window "Controls": six tabs of form-layout, clipboard, error,
// cleanup and change-tracking tools, kept in the bottom right corner of the screen. The tool
// folders contribute the tabs' pages; a tab whose tools this build lacks says what will come.
#pragma once

#include <QWidget>

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

    /// Left = screen width - window width, top = screen height - window height.
    void placeInBottomRightCorner();
    bool isOnTop() const { return m_onTop; }

public slots:
    void pbStayOnTop_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_onTop = false;
    bool m_placed = false;
};

} // namespace qm::shell
