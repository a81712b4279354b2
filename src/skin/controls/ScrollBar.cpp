// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrollBar.h"

#include "Button.h"
#include "Drawing.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"

#include <QPainter>

TsuiScrollBar::TsuiScrollBar(QWidget* parent)
    : QWidget(parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) { ApplyLook(look); })
{
    track_ = new TsuiScrollTrackBar(this);
    track_->SetShowTick(false);
    track_->SetTabStop(false);
    track_->SetTransparent(false);
    track_->SetMax(100);
    track_->OnChange = [this](QObject*) {
        if (OnChange)
            OnChange(this);
    };
    const auto button = [this](int step) {
        auto* b = new TsuiImageButton(this);
        b->SetTabStop(false);
        b->SetAutoSize(true);
        b->SetMouseContinuouslyDownInterval(RepeatInterval);
        // only the repetition scrolls: a quick click does not
        b->OnMouseContinuouslyDown = [this, step](QObject*) { SetPosition(int(std::clamp<qint64>(qint64(Position()) + step * smallChange_, Min(), Max()))); };
        return b;
    };
    up_ = button(-1);
    down_ = button(1);
    // its parts drawn as at 100 % and magnified on a larger screen, as the window round them is
    for (QWidget* part : {static_cast<QWidget*>(track_), static_cast<QWidget*>(up_), static_cast<QWidget*>(down_)})
        PaintAtOneToOneFromNowOn(part);
    resize(16, 185);
    ApplyLook(skin_.Look());
}

void TsuiScrollBar::ApplyLook(const SkinLook& look)
{
    track_->SetBarImage(QImage());
    SetColor(look.Color(ThemeItems::ScrollBarBackgroundColor));
    thumbStart_ = look.Bitmap(ThemeItems::ScrollBarSliderImage, 1, 3);
    thumbMiddle_ = look.Bitmap(ThemeItems::ScrollBarSliderImage, 2, 3);
    thumbEnd_ = look.Bitmap(ThemeItems::ScrollBarSliderImage, 3, 3);
    QImage frames[6];
    for (int k = 0; k < 6; ++k) {
        frames[k] = look.Bitmap(ThemeItems::ScrollBarButtonImage, k + 1, 6);
        if (!Vertical())
            RotateLeft(frames[k]);
    }
    up_->SetPictures(frames[0], frames[1], frames[2], QImage());
    down_->SetPictures(frames[3], frames[4], frames[5], QImage());
    if (Vertical())
        for (QImage* piece : {&thumbStart_, &thumbMiddle_, &thumbEnd_})
            RotateRight(*piece);
    Layout();
    update();
}

void TsuiScrollBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    ApplyLook(skin_.Look());
}

void TsuiScrollBar::SetPosition(int position)
{
    if (position != Position())
        track_->SetPosition(position);
}

void TsuiScrollBar::SetPageSize(int size)
{
    track_->SetPageSize(size);
    BuildThumb();
}

void TsuiScrollBar::SetLargeChange(int change)
{
    if (change >= 1 && change <= 32767)
        SetPageSize(change);
}

void TsuiScrollBar::SetSmallChange(int change)
{
    if (change >= 1 && change <= 32767)
        smallChange_ = change;
}

void TsuiScrollBar::SetLineButton(int length)
{
    if (length == lineButton_)
        return;
    const int room = Vertical() ? height() - up_->height() - down_->height() : width() - up_->width() - down_->width();
    if (length > room)
        return;
    lineButton_ = length;
    BuildThumb();
}

void TsuiScrollBar::SetColor(TColor color)
{
    color_ = color;
    track_->SetColor(color);
}

void TsuiScrollBar::resizeEvent(QResizeEvent*)
{
    Layout();
}

void TsuiScrollBar::Layout()
{
    track_->SetOrientation(orientation_);
    if (width() == 0 || height() == 0) {
        hide();
        return;
    }
    const int W = width(), H = height();
    if (Vertical()) {
        up_->move(0, 0);
        track_->setGeometry(0, up_->height(), track_->width(), H - down_->height() - up_->height() - 1);
        down_->move(0, H - down_->height());
        resize(up_->width(), H);
    } else {
        up_->move(0, 0);
        track_->setGeometry(up_->width(), 0, W - down_->width() - up_->width(), track_->height());
        down_->move(W - down_->width(), 0);
        resize(W, up_->height());
    }
    BuildThumb();
}

void TsuiScrollBar::BuildThumb()
{
    const int thickness = Vertical() ? thumbStart_.width() : thumbStart_.height();
    const int trackLength = Vertical() ? track_->height() : track_->width();
    int length = 0;
    if (lineButton_ > 0) {
        lineButton_ = std::max(lineButton_, 18);
        length = lineButton_;
    } else if (trackLength > 0) {
        int page = track_->PageSize();
        if (page < 10 || page > 100)
            page = 10;
        length = page * trackLength / 100;
    }
    if (length <= 0 || thickness <= 0)
        return;
    QImage thumb(Vertical() ? QSize(thickness, length) : QSize(length, thickness), QImage::Format_RGB32);
    thumb.fill(ColorToRGB(color_));
    QPainter canvas(&thumb);
    if (Vertical()) {
        canvas.drawImage(0, 0, thumbStart_);
        canvas.drawImage(0, length - thumbEnd_.height(), thumbEnd_);
        if (length - thumbEnd_.height() > thumbStart_.height())
            canvas.drawImage(QRect(0, thumbStart_.height(), thickness, length - thumbEnd_.height() - thumbStart_.height()), thumbMiddle_);
    } else {
        canvas.drawImage(0, 0, thumbStart_);
        canvas.drawImage(length - thumbEnd_.width(), 0, thumbEnd_);
        if (length - thumbEnd_.width() > thumbStart_.width())
            canvas.drawImage(QRect(thumbStart_.width(), 0, length - thumbEnd_.width() - thumbStart_.width(), thickness), thumbMiddle_);
    }
    canvas.end();
    track_->SetSliderImage(thumb);
    track_->SliderAutoSize();
    // the track is as thick as its thumb
    if (Vertical())
        track_->resize(thickness, track_->height());
    else
        track_->resize(track_->width(), thickness);
    track_->SetPosition(track_->Position());
}
