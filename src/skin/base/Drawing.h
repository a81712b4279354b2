// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"

#include <QGraphicsEffect>
#include <QProxyStyle>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

class QWidget;

// The drawing operations the skinned controls share.

constexpr QRgb KeyMagenta = 0xFFFF00FF;

// Frame index (1-based) of count equal frames of the source, into the destination: frames are
// (source width div count) wide, so columns past the last whole frame are dropped.
void SliceStrip(const QImage& source, QImage& destination, int count, int index);

// The picture with every pixel of the key colour made fully transparent.
QImage KeyedTransparent(const QImage& picture, QRgb key);

// Nine-part drawing of a frame into a rectangle at the painter's origin: corners unscaled (cut to
// their quarter), edges and centre stretched. Corners keyed on magenta when transparent is set;
// edges and centre always.
void SpreadDraw(const QImage& frame, QPainter& canvas, QSize destination, bool transparent);

// Three frames side by side: the first at the left, the third at the right, both unscaled and
// keyed; the second stretched between them, opaque. The key is the strip's first pixel of its top
// or bottom row (with useKeyPixel), else magenta.
void ThreePartDraw(const QImage& strip, QPainter& canvas, const QRect& rect, bool keyFromTop, bool useKeyPixel);

// The picture repeated from the origin until the rectangle is covered.
void TileDraw(QPainter& canvas, const QImage& picture, const QRect& rect);

// Paints what the control's parent shows under the control, so the control looks transparent.
void PaintParentBackground(QPainter& canvas, const QWidget* control);

// Quarter turns and half turn, in place.
void RotateLeft(QImage& bitmap);
void RotateRight(QImage& bitmap);
void RotateHalf(QImage& bitmap);

// The border of an edit-like control: a line in the border colour round the rectangle and, when
// asked, one in the control's own colour just inside it.
void DrawControlBorder(QPainter& canvas, const QRect& rect, TColor border, TColor inner, bool drawInner);

// The platform's dotted focus frame: every other pixel of the rectangle's edge.
void DrawFocusRect(QPainter& canvas, const QRect& rect);

// Paints as on a device of one pixel per point and magnifies the picture onto the canvas's device,
// each pixel a block of the device's: for drawing done by Qt that has no larger picture of its own
// (the pixel face's glyphs as Qt lays them out). Paints straight onto a canvas of one pixel per point.
void PaintAtOneToOne(QPainter& canvas, const QRect& rect, const std::function<void(QPainter&)>& paint);

// For a widget Qt draws in the pixel face (a line edit): on a device of more pixels than points the
// widget is drawn as at 100 % and magnified, each pixel a block; otherwise as it draws itself.
class AtOneToOneEffect : public QGraphicsEffect {
public:
    using QGraphicsEffect::QGraphicsEffect;

protected:
    void draw(QPainter* painter) override;
};

// A style that draws scroll bars as its base style would at 100 % and magnifies the picture, each
// pixel a block, on a device of more pixels than points (a classic scroll bar's bevels and checker,
// which its style draws a device pixel thin there); everything else as the base style. Owns it.
class AtOneToOneStyle : public QProxyStyle {
public:
    explicit AtOneToOneStyle(QStyle* base) : QProxyStyle(base) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

// The same for a window of Qt's own that takes no graphics effect (a tooltip, a top-level label):
// from now on the widget is painted as at 100 % and magnified whenever its device has more pixels
// than points; finish, when given, draws over the 100 % picture before it is magnified (what the
// widget's style draws otherwise at the device's ratio). Asking again for the same widget replaces
// the finish.
void PaintAtOneToOneFromNowOn(QWidget* widget, const std::function<void(QPainter&, const QWidget&)>& finish = {});
