// The Appear tab's button pictures: controls as boxes, the edge or extent they share as a line.
#include "layout/ui/LayoutIcons.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qm::layout {
namespace {

constexpr int Size = 24;
const QColor Box(70, 110, 180);
const QColor Edge(200, 40, 40);

void box(QPainter &p, int x, int y, int w, int h)
{
    p.setPen(QPen(Box.darker(150), 1));
    p.setBrush(Box);
    p.drawRect(x, y, w, h);
}

void edge(QPainter &p, int x1, int y1, int x2, int y2)
{
    p.setPen(QPen(Edge, 2));
    p.drawLine(x1, y1, x2, y2);
}

// A line with a head at both ends.
void span(QPainter &p, int x1, int y1, int x2, int y2)
{
    p.setPen(QPen(Edge, 1));
    p.drawLine(x1, y1, x2, y2);
    if (y1 == y2) {
        p.drawLine(x1, y1, x1 + 3, y1 - 3);
        p.drawLine(x1, y1, x1 + 3, y1 + 3);
        p.drawLine(x2, y2, x2 - 3, y2 - 3);
        p.drawLine(x2, y2, x2 - 3, y2 + 3);
    } else {
        p.drawLine(x1, y1, x1 - 3, y1 + 3);
        p.drawLine(x1, y1, x1 + 3, y1 + 3);
        p.drawLine(x2, y2, x2 - 3, y2 - 3);
        p.drawLine(x2, y2, x2 + 3, y2 - 3);
    }
}

void draw(QPainter &p, LayoutPicture picture)
{
    using P = LayoutPicture;
    switch (picture) {
    case P::AlignLeft:
        box(p, 4, 4, 14, 4);
        box(p, 4, 10, 8, 4);
        box(p, 4, 16, 17, 4);
        edge(p, 3, 2, 3, 22);
        break;
    case P::AlignRight:
        box(p, 6, 4, 14, 4);
        box(p, 12, 10, 8, 4);
        box(p, 3, 16, 17, 4);
        edge(p, 21, 2, 21, 22);
        break;
    case P::AlignTop:
        box(p, 4, 4, 4, 14);
        box(p, 10, 4, 4, 8);
        box(p, 16, 4, 4, 17);
        edge(p, 2, 3, 22, 3);
        break;
    case P::AlignBottom:
        box(p, 4, 6, 4, 14);
        box(p, 10, 12, 4, 8);
        box(p, 16, 3, 4, 17);
        edge(p, 2, 21, 22, 21);
        break;
    case P::SameWidth:
        box(p, 4, 8, 16, 5);
        box(p, 4, 16, 16, 5);
        span(p, 4, 4, 20, 4);
        break;
    case P::SameHeight:
        box(p, 8, 4, 5, 16);
        box(p, 16, 4, 5, 16);
        span(p, 4, 4, 4, 20);
        break;
    case P::SameSize:
        box(p, 3, 3, 9, 9);
        box(p, 12, 12, 9, 9);
        break;
    case P::SpaceHorizontal:
        box(p, 2, 8, 4, 8);
        box(p, 10, 8, 4, 8);
        box(p, 18, 8, 4, 8);
        span(p, 6, 20, 10, 20);
        span(p, 14, 20, 18, 20);
        break;
    case P::SpaceVertical:
        box(p, 8, 2, 8, 4);
        box(p, 8, 10, 8, 4);
        box(p, 8, 18, 8, 4);
        span(p, 20, 6, 20, 10);
        span(p, 20, 14, 20, 18);
        break;
    case P::DistributeHorizontal:
        edge(p, 1, 4, 1, 20);
        edge(p, 23, 4, 23, 20);
        box(p, 3, 8, 3, 8);
        box(p, 9, 8, 6, 8);
        box(p, 18, 8, 3, 8);
        break;
    case P::DistributeVertical:
        edge(p, 4, 1, 20, 1);
        edge(p, 4, 23, 20, 23);
        box(p, 8, 3, 8, 3);
        box(p, 8, 9, 8, 6);
        box(p, 8, 18, 8, 3);
        break;
    case P::FillHorizontal:
        box(p, 2, 8, 6, 8);
        box(p, 9, 8, 6, 8);
        box(p, 16, 8, 6, 8);
        span(p, 2, 20, 22, 20);
        break;
    case P::FillVertical:
        box(p, 8, 2, 8, 6);
        box(p, 8, 9, 8, 6);
        box(p, 8, 16, 8, 6);
        span(p, 20, 2, 20, 22);
        break;
    case P::Undo: {
        QPainterPath path;
        path.moveTo(18, 18);
        path.cubicTo(22, 8, 12, 2, 6, 9);
        p.setPen(QPen(Box.darker(130), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(Box.darker(130));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(2, 5), QPointF(10, 4), QPointF(6, 12)}));
        break;
    }
    case P::Bold: {
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(18);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("B"));
        break;
    }
    case P::ClearText: {
        QFont font = p.font();
        font.setPixelSize(13);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("Ab"));
        edge(p, 3, 20, 21, 4);
        break;
    }
    }
}

} // namespace

QIcon layoutIcon(LayoutPicture picture)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, true);
        draw(p, picture);
    }
    return QIcon(pixmap);
}

} // namespace qm::layout
