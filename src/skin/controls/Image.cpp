// SPDX-License-Identifier: GPL-3.0-or-later
#include "Image.h"

#include "Drawing.h"

#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
}

void TImage::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void TImage::SetCenter(bool center)
{
    center_ = center;
    update();
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter canvas(this);
    const QRect drawn = stretch_ ? rect()
                        : center_ ? QRect(QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2), picture_.size())
                                  : QRect(QPoint(0, 0), picture_.size());
    canvas.drawImage(drawn, picture_);
    if (hasFocus())
        DrawFocusRect(canvas, drawn.intersected(rect()));
}

void TImage::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TImage::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
