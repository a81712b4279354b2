// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImagePanel.h"

#include "Align.h"
#include "Drawing.h"
#include "Text.h"

#include <QPainter>

TsuiCustomPanel::TsuiCustomPanel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TsuiCustomPanel::SetPicture(const QImage& picture)
{
    picture_ = picture;
    PictureChanged();
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle style)
{
    drawStyle_ = style;
    update();
}

void TsuiCustomPanel::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TsuiCustomPanel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (!picture_.isNull())
        FitSize();
}

void TsuiCustomPanel::SetAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void TsuiCustomPanel::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TsuiCustomPanel::SetColor(TColor color)
{
    color_ = color;
    update();
}

void TsuiCustomPanel::PictureChanged()
{
    if (!picture_.isNull() && autoSize_)
        FitSize();
    update();
}

void TsuiCustomPanel::FitSize()
{
    const TAlign align = AlignOf(this);
    int w = width(), h = height();
    if (align != TAlign::alTop && align != TAlign::alBottom && align != TAlign::alClient)
        w = picture_.width();
    if (align != TAlign::alLeft && align != TAlign::alRight && align != TAlign::alClient)
        h = picture_.height();
    resize(w, h);
}

void TsuiCustomPanel::resizeEvent(QResizeEvent*)
{
    update();
}

void TsuiCustomPanel::paintEvent(QPaintEvent*)
{
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    QPainter canvas(&buffer);
    if (transparent_)
        PaintParentBackground(canvas, this);
    if (!picture_.isNull()) {
        const QImage shown = transparent_ ? KeyedTransparent(picture_, picture_.pixel(0, picture_.height() - 1)) : picture_;
        switch (drawStyle_) {
        case TsuiDrawStyle::suiStretch: canvas.drawImage(rect(), shown); break;
        case TsuiDrawStyle::suiTile: TileDraw(canvas, shown, rect()); break;
        case TsuiDrawStyle::suiNormal: canvas.drawImage(0, 0, shown); break;
        }
    } else if (!transparent_) {
        canvas.fillRect(rect(), ColorToRGB(color_));
    }
    if (!caption_.trimmed().isEmpty()) {
        canvas.setFont(font());
        DrawText(canvas, rect(), int(alignment_ | Qt::AlignVCenter | Qt::TextSingleLine), caption_);
    }
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}
