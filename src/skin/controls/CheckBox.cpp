// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckBox.h"

#include "Drawing.h"
#include "ErrorReport.h"
#include "ReaderEvents.h"
#include "StyleResolution.h"
#include "Text.h"
#include "ThemeCatalog.h"

#include <QKeyEvent>
#include <QPainter>

TsuiCheckBox::TsuiCheckBox(QWidget* parent)
    : QWidget(parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) {
          LoadFrames(look);
          FitSize();
          update();
      })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    resize(93, 17);
    LoadFrames(skin_.Look());
}

void TsuiCheckBox::LoadFrames(const SkinLook& look)
{
    for (int frame = 1; frame <= 4; ++frame)
        frames_[std::size_t(frame - 1)] = look.Bitmap(ThemeItems::CheckBoxImage, frame, 4);
}

void TsuiCheckBox::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    repaint();
    ReaderEvents::CheckedChanged(this, checked);
    if (OnClick)
        OnClick(this);
}

void TsuiCheckBox::SetCaption(const QString& caption)
{
    caption_ = caption;
    setShortcutEnabled(0, false);
    releaseShortcut(0);
    if (const QKeySequence mnemonic = QKeySequence::mnemonic(caption); !mnemonic.isEmpty())
        grabShortcut(mnemonic);
    FitSize();
    update();
}

void TsuiCheckBox::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitSize();
    update();
}

void TsuiCheckBox::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TsuiCheckBox::SetTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

void TsuiCheckBox::SetColor(TColor color)
{
    color_.Set(color);
    update();
}

void TsuiCheckBox::SetParentColor(bool parentColor)
{
    color_.SetParentColor(parentColor);
    update();
}

const QImage& TsuiCheckBox::Frame() const
{
    return frames_[std::size_t(isEnabled() ? (checked_ ? 0 : 1) : (checked_ ? 2 : 3))];
}

void TsuiCheckBox::FitSize()
{
    if (!autoSize_)
        return;
    const QImage& frame = Frame();
    const int textHeight = LineHeight(font());
    resize(frame.width() + TextWidth(font(), caption_) + 8, std::max(textHeight + 2, frame.height()) + 4);
}

bool TsuiCheckBox::event(QEvent* event)
{
    if (event->type() == ParentColorChanged())
        update();
    switch (event->type()) {
    case QEvent::Shortcut:
        if (isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            RunHandler([this] { Toggle(); });
        }
        return true;
    case QEvent::FontChange:
        FitSize();
        break;
    case QEvent::EnabledChange:
    case QEvent::ParentChange:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TsuiCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    if (isEnabled() && isVisible() && TabStop())
        setFocus(Qt::MouseFocusReason);
}

void TsuiCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && isEnabled())
        RunHandler([this] { Toggle(); });
}

void TsuiCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    const bool activation = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (activation && !event->isAutoRepeat() && hasFocus() && isEnabled()) {
        update();
        RunHandler([this] { Toggle(); });
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TsuiCheckBox::paintEvent(QPaintEvent*)
{
    const QImage& frame = Frame();
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(ColorToRGB(Color()));
    QPainter canvas(&buffer);
    if (transparent_)
        PaintParentBackground(canvas, this);
    canvas.drawImage(1, (height() - frame.height()) / 2, frame);
    canvas.setFont(font());
    canvas.setPen(isEnabled() ? palette().color(QPalette::WindowText) : QColor(0x80, 0x80, 0x80));
    const int textHeight = LineHeight(font());
    const int y = (height() - textHeight) / 2;
    DrawText(canvas, QRect(QPoint(frame.width() + 4, y), QPoint(width() - 1, height() - 1)),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic, caption_);
    if (hasFocus() && TabStop())
        DrawFocusRect(canvas, QRect(QPoint(frame.width() + 3, y), QPoint(width() - 1, y + textHeight + 1)));
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}
