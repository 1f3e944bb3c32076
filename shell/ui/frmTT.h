// frmTT, the palette's tooltip window: a label that its timer places under (or above) the
// button the pointer is on.
#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace qm::shell {

class frmTAB2;

class frmTT final : public QWidget
{
    Q_OBJECT

public:
    explicit frmTT(frmTAB2 &palette);
    ~frmTT() override;

    QLabel *Label1;
    QTimer *Timer1;

    /// Timer1.Interval: 0 stops the timer, any other value (re)starts it with that interval.
    void setTimerInterval(int milliseconds);
    int timerInterval() const;

public slots:
    void Timer1_Timer();

private:
    frmTAB2 &m_palette;
};

} // namespace qm::shell
