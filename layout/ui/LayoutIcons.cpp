// The Appear tab's button pictures: controls as boxes, the edge or extent they share as a line.
#include "layout/ui/LayoutIcons.h"

#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

#include <optional>

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

// A horizontal line with a head at both ends.
void span(QPainter &p, int x1, int x2, int y)
{
    p.setPen(QPen(Edge, 1));
    p.drawLine(x1, y, x2, y);
    p.drawLine(x1, y, x1 + 3, y - 3);
    p.drawLine(x1, y, x1 + 3, y + 3);
    p.drawLine(x2, y, x2 - 3, y - 3);
    p.drawLine(x2, y, x2 - 3, y + 3);
}

// The pictures of the horizontal operations. Each vertical operation shows the picture of its
// horizontal twin mirrored over the diagonal, so the two always match.
void drawHorizontal(QPainter &p, LayoutPicture picture)
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
    case P::SameWidth:
        box(p, 4, 8, 16, 5);
        box(p, 4, 16, 16, 5);
        span(p, 4, 20, 4);
        break;
    case P::SpaceHorizontal:
        box(p, 2, 8, 4, 8);
        box(p, 10, 8, 4, 8);
        box(p, 18, 8, 4, 8);
        span(p, 6, 10, 20);
        span(p, 14, 18, 20);
        break;
    case P::DistributeHorizontal:
        edge(p, 1, 4, 1, 20);
        edge(p, 23, 4, 23, 20);
        box(p, 3, 8, 3, 8);
        box(p, 9, 8, 6, 8);
        box(p, 18, 8, 3, 8);
        break;
    case P::FillHorizontal:
        box(p, 2, 8, 6, 8);
        box(p, 9, 8, 6, 8);
        box(p, 16, 8, 6, 8);
        span(p, 2, 22, 20);
        break;
    default:
        break;
    }
}

// The horizontal twin of a vertical operation's picture; nothing for the others.
std::optional<LayoutPicture> horizontalTwin(LayoutPicture picture)
{
    using P = LayoutPicture;
    switch (picture) {
    case P::AlignTop:
        return P::AlignLeft;
    case P::AlignBottom:
        return P::AlignRight;
    case P::SameHeight:
        return P::SameWidth;
    case P::SpaceVertical:
        return P::SpaceHorizontal;
    case P::DistributeVertical:
        return P::DistributeHorizontal;
    case P::FillVertical:
        return P::FillHorizontal;
    default:
        return std::nullopt;
    }
}

void draw(QPainter &p, LayoutPicture picture)
{
    using P = LayoutPicture;
    if (const std::optional<LayoutPicture> twin = horizontalTwin(picture)) {
        p.setTransform(QTransform(0, 1, 1, 0, 0, 0)); // x and y swapped
        drawHorizontal(p, *twin);
        return;
    }
    switch (picture) {
    case P::SameSize:
        box(p, 3, 3, 9, 9);
        box(p, 12, 12, 9, 9);
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
    default:
        drawHorizontal(p, picture);
        break;
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
