// The tooltip window and its timer.
#include "shell/ui/frmTT.h"

#include "common/WindowNames.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"
#include "shell/ui/frmTAB2.h"

#include <QLabel>
#include <QTimer>

namespace qm::shell {

frmTT::frmTT(frmTAB2 &palette)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_palette(palette)
{
    setObjectName(platform::toQString(common::window::Tooltips));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("ToolTips"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setMargin(2);
    Label1->setStyleSheet(
        QStringLiteral("QLabel { background: #ffffe1; color: black; border: 1px solid #767676; }"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &frmTT::Timer1_Timer);
    platform::registerWindow(*this, "QuillmarkForm");
    setTimerInterval(500);
    palette.setTooltipWindow(this);
}

frmTT::~frmTT()
{
    m_palette.setTooltipWindow(nullptr);
}

void frmTT::setTimerInterval(int milliseconds)
{
    if (milliseconds <= 0) {
        Timer1->stop();
        return;
    }
    Timer1->start(milliseconds);
}

int frmTT::timerInterval() const
{
    return Timer1->isActive() ? Timer1->interval() : 0;
}

void frmTT::Timer1_Timer()
{
    // The timer ignores its errors: nothing here may interrupt the programmer.
    TooltipTick tick = m_palette.tooltipTick();
    if (!tick.show) {
        hide();
        setWindowTitle(QStringLiteral("ToolTips"));
        return;
    }
    Label1->setText(platform::toQString(tick.text));
    Label1->adjustSize();
    move(platform::twipsToPixels(tick.left, this), platform::twipsToPixels(tick.top, this));
    setWindowTitle(QString());
    resize(Label1->size());
    show();
    if (tick.hideAfterwards) {
        setWindowTitle(QStringLiteral("ToolTips"));
        hide();
    }
}

} // namespace qm::shell
