// SPDX-License-Identifier: GPL-3.0-or-later
#include "Panel.h"

#include "Align.h"
#include "BuiltInBitmaps.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "ParentColor.h"
#include "ReaderEvents.h"
#include "StyleResolution.h"
#include "Text.h"
#include "ThemeCatalog.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <stdexcept>

TsuiPanel* NewCaptionPanel(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption)
{
    auto* panel = new TsuiPanel(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->SetHeight(geometry.height());
    panel->SetCaption(caption);
    panel->SetCaptionFontColor(clWhite);
    panel->SetShowButton(true);
    panel->SetBorderColor(clBlack);
    panel->SetColor(clWhite);
    return panel;
}

TsuiPanel::TsuiPanel(QWidget* parent)
    : QWidget(parent),
      skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange change) { ApplyLook(look, change); })
{
    skin_.OnFileThemeRemoved = [this] { ApplyStyleToChildren(this, TsuiUIStyle::DeepBlue, nullptr); };
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(100, 100);
    button_ = LoadBitmapResource(QStringLiteral("PANEL_BUTTON"));
    skin_.SetStyle(skin_.Style());
}

void TsuiPanel::ApplyLook(const SkinLook& look, LookChange change)
{
    // a file theme given to a panel of a built-in style waits until the style says so
    if (change == LookChange::FileTheme && skin_.Style() != TsuiUIStyle::FromThemeFile)
        return;
    color_ = clWhite;
    PublishColor(this, color_);
    bar_ = look.Bitmap(ThemeItems::SideChannelBarImage);
    borderColor_ = look.Color(ThemeItems::ControlBorderColor);
    captionFontColor_ = look.PanelCaptionColor();
    ArrangeAlignedChildren(this, ChildArea());
    update();
}

void TsuiPanel::SetBorderColor(TColor color)
{
    borderColor_ = color;
    update();
}

void TsuiPanel::SetCaptionFontColor(TColor color)
{
    captionFontColor_ = color;
    update();
}

void TsuiPanel::SetColor(TColor color)
{
    color_ = color;
    PublishColor(this, color_);
    update();
}

void TsuiPanel::SetShowButton(bool show)
{
    showButton_ = show;
    update();
}

void TsuiPanel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    if (accessibleName().isEmpty())
        ReaderEvents::NameChanged(this);
}

void TsuiPanel::SetHeight(int height)
{
    expandedHeight_ = height;
    if (expanded_)
        resize(width(), height);
}

QRect TsuiPanel::ChildArea() const
{
    return QRect(QPoint(3, bar_.height() + 3), QPoint(width() - 1 - 3, height() - 1 - 3));
}

bool TsuiPanel::ButtonShown() const
{
    const TAlign align = AlignOf(this);
    return showButton_ && align != TAlign::alLeft && align != TAlign::alRight && align != TAlign::alClient;
}

QRect TsuiPanel::ButtonRect() const
{
    const int bw = button_.width(), bh = button_.height();
    const int left = width() - 1 - bw / 4 - 4;
    const int top = (bar_.height() - bh) / 2;
    return QRect(QPoint(left, top), QPoint(left + bw / 4, top + bh));
}

void TsuiPanel::UpdateHot(QPoint cursor)
{
    // the hit rectangle counts its right and bottom edges too
    const QRect hit = ButtonRect();
    buttonHot_ = ButtonShown() && cursor.x() >= hit.left() && cursor.x() <= hit.right() && cursor.y() >= hit.top() && cursor.y() <= hit.bottom();
}

void TsuiPanel::paintEvent(QPaintEvent*)
{
    // drawn as tall as when expanded, so that while it folds its lower part is cut off; straight
    // onto the window, where only the region being repainted is touched
    const int w = width(), barH = bar_.height();
    QPainter window(this);
    // drawn as at 100 % and magnified: its frame's lines as thick as the window's
    PaintAtOneToOne(window, rect(), [&](QPainter& canvas) { PaintPanel(canvas, w, barH); });
}

void TsuiPanel::PaintPanel(QPainter& canvas, int w, int barH)
{
    const QRect client(0, 0, w, std::max(expandedHeight_, height()));
    canvas.fillRect(client, ColorToRGB(color_));
    canvas.setPen(ColorToRGB(borderColor_));
    canvas.drawRect(client.adjusted(0, 0, -1, -1));
    if (!bar_.isNull())
        canvas.drawImage(QRect(1, 0, w - 2, barH), bar_);
    canvas.setFont(font());
    canvas.setPen(ColorToRGB(captionFontColor_));
    DrawText(canvas, QRect(10, 0, w - 1 - 10, barH), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
    if (ButtonShown() && !button_.isNull()) {
        buttonHot_ = false;
        if (mouse_)
            UpdateHot(*mouse_);
        const QRect hit = ButtonRect();
        const int frame = (expanded_ ? 1 : 3) + (buttonHot_ ? 1 : 0);
        QImage picture;
        SliceStrip(button_, picture, 4, frame);
        canvas.drawImage(w - 13 - 4, (hit.top() + button_.height() - 12) / 2 + 2, picture);
    }
}

void TsuiPanel::resizeEvent(QResizeEvent*)
{
    if (!animating_ && expanded_)
        expandedHeight_ = height();
    ArrangeAlignedChildren(this, ChildArea());
    update();
}

bool TsuiPanel::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        ArrangeAlignedChildren(this, ChildArea());
    return QWidget::event(event);
}

void TsuiPanel::mousePressEvent(QMouseEvent* event)
{
    mouse_ = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void TsuiPanel::mouseMoveEvent(QMouseEvent* event)
{
    mouse_ = event->position().toPoint();
    if (ButtonShown() && event->position().y() <= bar_.height()) {
        const bool wasHot = buttonHot_;
        UpdateHot(event->position().toPoint());
        if (wasHot != buttonHot_)
            update(ButtonRect().adjusted(-2, -2, 2, 2));
    }
    QWidget::mouseMoveEvent(event);
}

void TsuiPanel::leaveEvent(QEvent* event)
{
    mouse_.reset();
    if (buttonHot_) {
        buttonHot_ = false;
        update();
    }
    QWidget::leaveEvent(event);
}

void TsuiPanel::mouseReleaseEvent(QMouseEvent* event)
{
    // the state is taken where the button is released, so a stale hover never folds the panel
    mouse_ = event->position().toPoint();
    UpdateHot(*mouse_);
    if (event->button() == Qt::LeftButton && buttonHot_ && ButtonShown() && !animating_)
        RunHandler([this] { expanded_ ? Push() : Pop(); });
    update();
    QWidget::mouseReleaseEvent(event);
}

void TsuiPanel::StepTo(int height)
{
    resize(width(), height);
    repaint();
}

void TsuiPanel::Push()
{
    const TAlign align = AlignOf(this);
    if (align == TAlign::alClient || align == TAlign::alLeft || align == TAlign::alRight)
        throw std::runtime_error(CannotPushMessage);
    const int target = bar_.height() > 0 ? bar_.height() : 20;
    QPointer<TsuiPanel> alive(this);
    animating_ = true;
    while (target < height() - AnimationStep) {
        StepTo(height() - AnimationStep);
        QCoreApplication::processEvents();
        if (!alive)
            return;
    }
    StepTo(target);
    animating_ = false;
    expanded_ = false;
    update();
    if (OnPush)
        OnPush(this);
}

void TsuiPanel::Pop()
{
    QPointer<TsuiPanel> alive(this);
    animating_ = true;
    while (height() + AnimationStep < expandedHeight_) {
        StepTo(height() + AnimationStep);
        QCoreApplication::processEvents();
        if (!alive)
            return;
    }
    StepTo(expandedHeight_);
    animating_ = false;
    expanded_ = true;
    update();
    if (OnPop)
        OnPop(this);
}
