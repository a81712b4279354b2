// SPDX-License-Identifier: GPL-3.0-or-later
#include "Label.h"

#include "Drawing.h"
#include "ReaderEvents.h"
#include "Text.h"

#include <QEvent>
#include <QPainter>

TLabel::TLabel(const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption)
{
    FitToText();
}

void TLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    FitToText();
    update();
    if (tie_)
        tie_->setText(QString(caption_).remove(QLatin1Char('&')));
    // a reader reads the caption as the label's name, unless the program named the label itself
    if (accessibleName().isEmpty())
        ReaderEvents::NameChanged(this);
    // a live label shows only while it has something to say: its showing is its announcement, and
    // a new text in it is announced again
    if (live_) {
        if (caption_.isEmpty())
            hide();
        else if (isHidden())
            show();
        else
            ReaderEvents::Announce(this);
    }
}

void TLabel::SetTabStop(bool tabStop)
{
    const QPoint text = pos() + QPoint(Margin(), Margin());
    const int width = this->width() - 2 * Margin();
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
    if (wordWrap_)
        resize(width + 2 * Margin(), height());
    FitToText();
    MoveTextTo(text);
}

void TLabel::MoveTextTo(QPoint at)
{
    move(at - QPoint(Margin(), Margin()));
}

void TLabel::SetTextGeometry(const QRect& text)
{
    setGeometry(text.adjusted(-Margin(), -Margin(), Margin(), Margin()));
    FitToText();
}

void TLabel::TieTo(QWidget* field)
{
    if (!tie_) {
        tie_ = new QLabel(field->parentWidget());
        tie_->hide();
    }
    tie_->setText(QString(caption_).remove(QLatin1Char('&')));
    tie_->setBuddy(field);
}

void TLabel::SetLive(bool live)
{
    live_ = live;
    if (live_ && caption_.isEmpty())
        hide();
}

void TLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitToText();
}

void TLabel::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    FitToText();
    update();
}

void TLabel::SetAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void TLabel::SetFontColor(TColor color)
{
    fontColor_ = color;
    update();
}

int TLabel::Flags() const
{
    return int(alignment_ | Qt::AlignTop) | (wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine) | Qt::TextShowMnemonic;
}

void TLabel::FitToText()
{
    if (!autoSize_)
        return;
    const int margin = Margin();
    if (wordWrap_) {
        const QRect used = TextBounds(font(), QRect(0, 0, width() - 2 * margin, 1 << 20), Flags(), caption_);
        resize(width(), std::max(used.height(), LineHeight(font())) + 2 * margin);
        return;
    }
    resize(TextSize(font(), caption_, Qt::TextSingleLine | Qt::TextShowMnemonic).width() + 2 * margin, LineHeight(font()) + 2 * margin);
}

void TLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        FitToText();
    QWidget::changeEvent(event);
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    canvas.setFont(font());
    canvas.setPen(ColorToRGB(fontColor_));
    DrawText(canvas, rect().adjusted(Margin(), Margin(), -Margin(), -Margin()), Flags(), caption_);
    if (hasFocus())
        DrawFocusRect(canvas, rect());
}

void TLabel::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TLabel::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
