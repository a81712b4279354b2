// SPDX-License-Identifier: GPL-3.0-or-later
#include "Image.h"

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
    if (stretch_)
        canvas.drawImage(rect(), picture_);
    else if (center_)
        canvas.drawImage((width() - picture_.width()) / 2, (height() - picture_.height()) / 2, picture_);
    else
        canvas.drawImage(0, 0, picture_);
}
