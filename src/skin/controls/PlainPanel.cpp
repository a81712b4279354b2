// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainPanel.h"

#include "Drawing.h"
#include "ErrorReport.h"
#include "ReaderEvents.h"
#include "Text.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

void DrawBevel(QPainter& canvas, QRect& rect, TPlainPanel::Bevel bevel)
{
    if (bevel == TPlainPanel::Bevel::None)
        return;
    const QColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    const QColor topLeft = bevel == TPlainPanel::Bevel::Raised ? light : dark;
    const QColor bottomRight = bevel == TPlainPanel::Bevel::Raised ? dark : light;
    // one-pixel lines as rectangles: the painter's line drawing is many times slower for the same pixels
    canvas.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
    canvas.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
    canvas.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
    canvas.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
    rect.adjust(1, 1, -1, -1);
}

} // namespace

TPlainPanel::TPlainPanel(QWidget* parent, Bevel outer, Bevel inner)
    : QWidget(parent), outer_(outer), inner_(inner)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlainPanel::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    // A bevel's ring keeps its colours whatever the background, so its right and bottom edges stay
    // out of the repaint. Then the tiles of the table, each overlapping its neighbours by that edge,
    // ask for rectangles that meet edge to edge and join into a few, where their overlapping union
    // cost Qt more than the painting.
    if (outer_ != Bevel::None || inner_ != Bevel::None)
        update(0, 0, width() - 1, height() - 1);
    else
        update();
}

void TPlainPanel::SetFontColor(TColor color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    update();
}

void TPlainPanel::SetVeiled(bool veiled)
{
    if (veiled == veiled_)
        return;
    veiled_ = veiled;
    update();
}

void TPlainPanel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    if (accessibleName().isEmpty())
        ReaderEvents::NameChanged(this);
}

void TPlainPanel::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    QRect rect = this->rect();
    canvas.fillRect(rect, ColorToRGB(veiled_ ? clBtnFace : color_));
    DrawBevel(canvas, rect, outer_);
    DrawBevel(canvas, rect, inner_);
    if (!caption_.isEmpty()) {
        canvas.setFont(font());
        canvas.setPen(ColorToRGB(veiled_ ? clWindowText : fontColor_));
        DrawText(canvas, this->rect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
    if (hasFocus()) {
        // black dots between white ones: seen on any colour the panel takes
        const QRect focus = rect.adjusted(1, 1, -1, -1);
        canvas.setPen(Qt::white);
        canvas.drawRect(focus.adjusted(0, 0, -1, -1));
        DrawFocusRect(canvas, focus);
    }
}

void TPlainPanel::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TPlainPanel::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TPlainPanel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void TPlainPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick)
        RunHandler([this] { OnClick(this); });
}
