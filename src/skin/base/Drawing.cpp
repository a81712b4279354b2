// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>

void SliceStrip(const QImage& source, QImage& destination, int count, int index)
{
    const int width = count > 0 ? source.width() / count : 0;
    if (width <= 0 || index < 1 || index > count || source.height() <= 0) {
        destination = QImage();
        return;
    }
    destination = source.copy(width * (index - 1), 0, width, source.height());
}

QImage KeyedTransparent(const QImage& picture, QRgb key)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key | 0xFF000000;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] | 0xFF000000) == opaqueKey)
                line[x] = 0;
    }
    return keyed;
}

namespace {

// Draws the source part into the destination part, stretched without smoothing; empty parts are skipped.
void Piece(QPainter& canvas, const QImage& frame, int sx0, int sx1, int sy0, int sy1, int dx0, int dx1, int dy0, int dy1)
{
    if (sx1 <= sx0 || sy1 <= sy0 || dx1 <= dx0 || dy1 <= dy0)
        return;
    canvas.drawImage(QRect(dx0, dy0, dx1 - dx0, dy1 - dy0), frame, QRect(sx0, sy0, sx1 - sx0, sy1 - sy0));
}

} // namespace

void SpreadDraw(const QImage& frame, QPainter& canvas, QSize destination, bool transparent)
{
    const int W = frame.width(), H = frame.height();
    const int DW = destination.width(), DH = destination.height();
    if (W <= 0 || H <= 0 || DW <= 0 || DH <= 0)
        return;
    const int k = W / 2, m = H / 2, K = DW / 2, M = DH / 2;
    const QImage keyed = KeyedTransparent(frame, KeyMagenta);
    const QImage& corners = transparent ? keyed : frame;
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);

    // corners, each cut to its quarter of the destination, keeping the part at the outer corner
    const int tlw = std::min(k, K), tlh = std::min(m, M);
    const int blw = std::min(k, K), blh = std::min(m - 1, M);
    const int trw = std::min(k - 1, K), trh = std::min(m, M);
    const int brw = std::min(k - 1, K), brh = std::min(m - 1, M);
    Piece(canvas, corners, 0, tlw, 0, tlh, 0, tlw, 0, tlh);
    Piece(canvas, corners, 0, blw, H - blh, H, 0, blw, DH - blh, DH);
    Piece(canvas, corners, W - trw, W, 0, trh, DW - trw, DW, 0, trh);
    Piece(canvas, corners, W - brw, W, H - brh, H, DW - brw, DW, DH - brh, DH);

    // edges and centre, stretched over what the corners leave
    Piece(canvas, keyed, 0, k, m, H - m, 0, tlw, tlh, DH - std::max(blh, 0));
    Piece(canvas, keyed, W - k + 1, W, H - m, m + 2, DW - std::max(trw, 0), DW, trh, DH - std::max(brh, 0));
    Piece(canvas, keyed, k, W - k + 1, 0, m, tlw, DW - std::max(trw, 0), 0, tlh);
    Piece(canvas, keyed, k, W - k + 1, H - m, H, tlw - 1, DW - std::max(brw, 0), DH - std::max(blh, 0) - 1, DH);
    Piece(canvas, keyed, k, W - k + 1, m, H - m, tlw, DW - std::max(trw, 0), tlh, DH - std::max(brh, 0) - 1);
    canvas.restore();
}

void ThreePartDraw(const QImage& strip, QPainter& canvas, const QRect& rect, bool keyFromTop, bool useKeyPixel)
{
    const int fw = strip.width() / 3, h = strip.height();
    if (fw <= 0 || h <= 0)
        return;
    const QRgb key = useKeyPixel ? strip.pixel(0, keyFromTop ? 0 : h - 1) : KeyMagenta;
    const QImage keyed = KeyedTransparent(strip, key);
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(rect.topLeft(), keyed, QRect(0, 0, fw, h));
    canvas.drawImage(QPoint(rect.left() + rect.width() - fw, rect.top()), keyed, QRect(fw * 2, 0, fw, h));
    const QRect middle(rect.left() + fw, rect.top(), rect.width() - 2 * fw, rect.height());
    if (middle.width() > 0 && middle.height() > 0)
        canvas.drawImage(middle, strip, QRect(fw, 0, fw, h));
    canvas.restore();
}

void TileDraw(QPainter& canvas, const QImage& picture, const QRect& rect)
{
    const int w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0)
        return;
    for (int y = 0; y < rect.height() + h; y += h)
        for (int x = 0; x < rect.width() + w; x += w)
            canvas.drawImage(x, y, picture);
}

void PaintParentBackground(QPainter& canvas, const QWidget* control)
{
    QWidget* parent = control->parentWidget();
    if (!parent)
        return;
    // the top-left of the region rendered lands on the target offset, the control's own origin
    canvas.save();
    parent->render(&canvas, QPoint(), QRegion(control->geometry()).intersected(parent->rect()), QWidget::DrawWindowBackground);
    canvas.restore();
}

namespace {

QImage Rotated(const QImage& bitmap, int turn)
{
    const int W = bitmap.width(), H = bitmap.height();
    QImage result(turn == 2 ? QSize(W, H) : QSize(H, W), bitmap.format());
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const QRgb c = bitmap.pixel(x, y);
            switch (turn) {
            case -1: result.setPixel(y, W - 1 - x, c); break;
            case 1: result.setPixel(H - 1 - y, x, c); break;
            default: result.setPixel(W - 1 - x, H - 1 - y, c); break;
            }
        }
    return result;
}

} // namespace

void RotateLeft(QImage& bitmap)
{
    bitmap = Rotated(bitmap, -1);
}

void RotateRight(QImage& bitmap)
{
    bitmap = Rotated(bitmap, 1);
}

void RotateHalf(QImage& bitmap)
{
    bitmap = Rotated(bitmap, 2);
}

namespace {

// A one-pixel frame round the rectangle's edge, as filled strips: on a screen of more pixels than
// points each line is as thick as a point, as a line of the magnified 100 % picture is (a pen's
// line of one point would stand half a point off and lose a row of the screen's pixels).
void FillFrame(QPainter& canvas, const QRect& rect, const QColor& colour)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    canvas.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    canvas.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    canvas.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    canvas.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

} // namespace

void DrawControlBorder(QPainter& canvas, const QRect& rect, TColor border, TColor inner, bool drawInner)
{
    FillFrame(canvas, rect, ColorToRGB(border));
    if (drawInner)
        FillFrame(canvas, rect.adjusted(1, 1, -1, -1), ColorToRGB(inner));
}

void DrawFocusRect(QPainter& canvas, const QRect& rect)
{
    // every other point of the edge, each a point square at any scale
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        canvas.fillRect(QRect(x, rect.top(), 1, 1), Qt::black);
        canvas.fillRect(QRect(x, rect.bottom(), 1, 1), Qt::black);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        canvas.fillRect(QRect(rect.left(), y, 1, 1), Qt::black);
        canvas.fillRect(QRect(rect.right(), y, 1, 1), Qt::black);
    }
}

void PaintAtOneToOne(QPainter& canvas, const QRect& rect, const std::function<void(QPainter&)>& paint)
{
    if (!canvas.device() || canvas.device()->devicePixelRatio() <= 1.0) {
        paint(canvas);
        return;
    }
    QImage picture(rect.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter atOneToOne(&picture);
    atOneToOne.setFont(canvas.font());
    atOneToOne.setPen(canvas.pen());
    atOneToOne.translate(-rect.topLeft());
    paint(atOneToOne);
    atOneToOne.end();
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(rect.topLeft(), picture);
    canvas.restore();
}

void AtOneToOneStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                         const QWidget* widget) const
{
    const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !slider || !painter->device() || painter->device()->devicePixelRatio() <= 1.0
        || option->rect.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // the bar moved to a picture of its own size and drawn there without its widget, whose pixel
    // ratio the style would take
    QStyleOptionSlider moved = *slider;
    moved.rect.moveTo(0, 0);
    QImage picture(option->rect.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter atOneToOne(&picture);
    QProxyStyle::drawComplexControl(control, &moved, &atOneToOne, nullptr);
    atOneToOne.end();
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter->drawImage(option->rect.topLeft(), picture);
    painter->restore();
}

void AtOneToOneEffect::draw(QPainter* painter)
{
    if (!painter->device() || painter->device()->devicePixelRatio() <= 1.0) {
        drawSource(painter);
        return;
    }
    const QRect area = sourceBoundingRect(Qt::LogicalCoordinates).toAlignedRect();
    PaintAtOneToOne(*painter, area, [this](QPainter& canvas) { drawSource(&canvas); });
}

namespace {

// Paints each widget it watches into a picture of one pixel per point through the widget's own
// painting, finishes the picture as asked, then magnifies it onto the widget.
class OneToOnePainter : public QObject {
public:
    using QObject::QObject;

    void Watch(QWidget* widget, const std::function<void(QPainter&, const QWidget&)>& finish)
    {
        if (!finishes_.contains(widget)) {
            connect(widget, &QObject::destroyed, this, [this, widget] { finishes_.remove(widget); });
            widget->installEventFilter(this);
        }
        finishes_.insert(widget, finish);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || painting_ || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->devicePixelRatioF() <= 1.0)
            return false;
        QPainter canvas(widget);  // before rendering, which takes the widget's way to its window
        QImage picture(widget->size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter onPicture(&picture);
            // Qt refuses to render a widget in its paint event: it is not, until the picture is made
            painting_ = true;
            widget->setAttribute(Qt::WA_WState_InPaintEvent, false);
            widget->render(&onPicture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            widget->setAttribute(Qt::WA_WState_InPaintEvent, true);
            painting_ = false;
            if (const auto finish = finishes_.value(widget))
                finish(onPicture, *widget);
        }
        canvas.drawImage(0, 0, picture);
        return true;
    }

private:
    bool painting_ = false;  // the widget is painting into the picture, as itself
    QHash<const QWidget*, std::function<void(QPainter&, const QWidget&)>> finishes_;
};

} // namespace

void PaintAtOneToOneFromNowOn(QWidget* widget, const std::function<void(QPainter&, const QWidget&)>& finish)
{
    static QPointer<OneToOnePainter> painter;  // gone with the application that held it
    if (!painter)
        painter = new OneToOnePainter(qApp);
    painter->Watch(widget, finish);
}
