// Palette buttons and their pictures.
#include "shell/ui/PaletteButton.h"

#include "platform/qt/Forms.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace qm::shell {

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

PaletteButton::PaletteButton(const QString &name, int tipNumber, QWidget *parent)
    : QToolButton(parent)
    , m_tipNumber(tipNumber)
{
    setObjectName(name);
    setMouseTracking(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

void PaletteButton::mouseMoveEvent(QMouseEvent *event)
{
    QToolButton::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    // Qt's left, right and middle bits are the runtime's 1, 2 and 4.
    emit MouseMove(static_cast<int>(event->buttons().toInt() & 7),
                   platform::pixelsToTwips(p.x(), this), platform::pixelsToTwips(p.y(), this));
    event->accept(); // a move over a button is not a move over the palette
}

void PaletteButton::mousePressEvent(QMouseEvent *event)
{
    QToolButton::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    emit MouseDown(buttonNumber(event->button()), platform::pixelsToTwips(p.x(), this),
                   platform::pixelsToTwips(p.y(), this));
}

void PaletteButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    const int number = buttonNumber(event->button());
    // Only the left button clicks; every button reports its release.
    QToolButton::mouseReleaseEvent(event);
    emit MouseUp(number, platform::pixelsToTwips(p.x(), this),
                 platform::pixelsToTwips(p.y(), this));
}

namespace {

// Small line drawings, one per tip number, in a 16 x 16 box.
void drawPicture(QPainter &p, int tip)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(30, 30, 90), 1.6);
    p.setPen(pen);
    QFont font = p.font();
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    auto lines = [&](std::initializer_list<QLineF> ls) {
        for (const auto &l : ls)
            p.drawLine(l);
    };
    switch (tip) {
    case 1: // comment: a quote mark before text lines
        p.drawText(QRectF(0, 0, 6, 16), Qt::AlignCenter, "'");
        lines({{7, 5, 15, 5}, {7, 8, 15, 8}, {7, 11, 13, 11}});
        break;
    case 2: // uncomment: the quote crossed out
        p.drawText(QRectF(0, 0, 6, 16), Qt::AlignCenter, "'");
        lines({{1, 12, 6, 3}, {7, 5, 15, 5}, {7, 8, 15, 8}, {7, 11, 13, 11}});
        break;
    case 3: // indent: lines stepped in
        lines({{2, 3, 14, 3}, {6, 7, 14, 7}, {6, 10, 14, 10}, {2, 13, 14, 13}});
        break;
    case 4: // print: a printer
        p.drawRect(QRectF(2, 6, 12, 6));
        p.drawRect(QRectF(5, 2, 6, 4));
        p.drawRect(QRectF(5, 10, 6, 4));
        break;
    case 5: // concatenate: a clipboard with a plus
        p.drawRect(QRectF(3, 3, 10, 12));
        lines({{8, 6, 8, 12}, {5, 9, 11, 9}});
        break;
    case 6: // close/cascade: stacked windows
        p.drawRect(QRectF(2, 2, 8, 7));
        p.drawRect(QRectF(6, 7, 8, 7));
        break;
    case 7: // tile: two windows side by side
        p.drawRect(QRectF(2, 3, 5, 10));
        p.drawRect(QRectF(9, 3, 5, 10));
        break;
    case 8: // last position: a curved arrow back
        p.drawArc(QRectF(3, 3, 10, 10), 0, 270 * 16);
        lines({{8, 3, 11, 1}, {8, 3, 11, 6}});
        break;
    case 9:  // find definition: a magnifier over "As"
    case 10: // find modifiers: over "="
    case 11: // find all: over "*"
        p.drawEllipse(QRectF(2, 2, 8, 8));
        lines({{9, 9, 14, 14}});
        p.drawText(QRectF(2, 2, 8, 8), Qt::AlignCenter, tip == 9 ? "A" : tip == 10 ? "=" : "*");
        break;
    case 12: // toolbox: a grid
        p.drawRect(QRectF(2, 2, 12, 12));
        lines({{8, 2, 8, 14}, {2, 8, 14, 8}});
        break;
    case 13: // controls: a form with buttons
        p.drawRect(QRectF(2, 2, 12, 12));
        p.drawRect(QRectF(4, 9, 8, 3));
        break;
    case 14: // move: four arrows
        lines({{8, 1, 8, 15},
               {1, 8, 15, 8},
               {8, 1, 6, 3},
               {8, 1, 10, 3},
               {8, 15, 6, 13},
               {8, 15, 10, 13},
               {1, 8, 3, 6},
               {1, 8, 3, 10},
               {15, 8, 13, 6},
               {15, 8, 13, 10}});
        break;
    case 15: // minimize
        lines({{3, 12, 13, 12}});
        break;
    default:
        break;
    }
}

} // namespace

void PaletteButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    const int side = 16;
    painter.translate((width() - side) / 2.0, (height() - side) / 2.0);
    drawPicture(painter, m_tipNumber);
}

} // namespace qm::shell
