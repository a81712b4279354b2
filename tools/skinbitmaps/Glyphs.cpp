// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glyphs.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

void DrawTitleGlyph(QPainter& p, QRectF b, TitleGlyph glyph, QColor color)
{
    const double w = std::max(1.5, b.width() / 5.0);
    p.save();
    QPen pen(color, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    switch (glyph) {
    case TitleGlyph::Close:
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(b.topLeft() + QPointF(w / 2, w / 2), b.bottomRight() - QPointF(w / 2, w / 2));
        p.drawLine(QPointF(b.right() - w / 2, b.top() + w / 2), QPointF(b.left() + w / 2, b.bottom() - w / 2));
        break;
    case TitleGlyph::Minimize:
        p.fillRect(QRectF(b.left(), b.bottom() - w, b.width() * 0.75, w), color);
        break;
    case TitleGlyph::Maximize: {
        pen.setWidthF(std::max(1.0, w / 2));
        p.setPen(pen);
        const double h = pen.widthF() / 2;
        p.drawRect(b.adjusted(h, h, -h, -h));
        p.fillRect(QRectF(b.left(), b.top(), b.width(), w), color);
        break;
    }
    case TitleGlyph::Restore: {
        pen.setWidthF(std::max(1.0, w / 2));
        p.setPen(pen);
        const double s = std::round(b.width() * 0.7), h = pen.widthF() / 2;
        const QRectF back(b.right() - s, b.top(), s, s), front(b.left(), b.bottom() - s, s, s);
        // the back window shows only where the front one does not cover it
        p.setClipRegion(QRegion(b.toAlignedRect().adjusted(-2, -2, 2, 2)).subtracted(QRegion(front.toAlignedRect())));
        p.drawRect(back.adjusted(h, h, -h, -h));
        p.fillRect(QRectF(back.left(), back.top(), s, w * 0.8), color);
        p.setClipping(false);
        p.drawRect(front.adjusted(h, h, -h, -h));
        p.fillRect(QRectF(front.left(), front.top(), s, w * 0.8), color);
        break;
    }
    case TitleGlyph::Help: {
        pen.setCapStyle(Qt::RoundCap);
        pen.setWidthF(w * 0.85);
        p.setPen(pen);
        const double cx = b.center().x();
        const QRectF bowl(cx - b.width() * 0.28, b.top(), b.width() * 0.56, b.height() * 0.5);
        QPainterPath path;
        path.arcMoveTo(bowl, 160);
        path.arcTo(bowl, 160, -250);
        path.lineTo(cx, b.top() + b.height() * 0.68);
        p.drawPath(path);
        p.setBrush(color);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(cx, b.bottom() - w * 0.45), w * 0.55, w * 0.55);
        break;
    }
    case TitleGlyph::ControlBox: {
        pen.setWidthF(std::max(1.0, w / 2));
        p.setPen(pen);
        const double h = pen.widthF() / 2;
        const QRectF window = b.adjusted(0, b.height() * 0.1, 0, -b.height() * 0.1);
        p.drawRect(window.adjusted(h, h, -h, -h));
        p.fillRect(QRectF(window.left(), window.top(), window.width(), window.height() * 0.3), color);
        break;
    }
    }
    p.restore();
}

void DrawArrow(QPainter& p, QRectF b, Direction direction, QColor color)
{
    QPolygonF triangle;
    const QPointF c = b.center();
    const double rx = b.width() / 2, ry = b.height() / 2;
    switch (direction) {
    case Direction::Up: triangle << QPointF(c.x() - rx, c.y() + ry) << QPointF(c.x() + rx, c.y() + ry) << QPointF(c.x(), c.y() - ry); break;
    case Direction::Down: triangle << QPointF(c.x() - rx, c.y() - ry) << QPointF(c.x() + rx, c.y() - ry) << QPointF(c.x(), c.y() + ry); break;
    case Direction::Left: triangle << QPointF(c.x() + rx, c.y() - ry) << QPointF(c.x() + rx, c.y() + ry) << QPointF(c.x() - rx, c.y()); break;
    case Direction::Right: triangle << QPointF(c.x() - rx, c.y() - ry) << QPointF(c.x() - rx, c.y() + ry) << QPointF(c.x() + rx, c.y()); break;
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(triangle);
    p.restore();
}

void DrawCheckMark(QPainter& p, QRectF b, QColor color, double width)
{
    p.save();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF mark;
    mark << QPointF(b.left(), b.top() + b.height() * 0.55) << QPointF(b.left() + b.width() * 0.38, b.bottom())
         << QPointF(b.right(), b.top());
    p.drawPolyline(mark);
    p.restore();
}
