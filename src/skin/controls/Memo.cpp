// SPDX-License-Identifier: GPL-3.0-or-later
#include "Memo.h"

#include "Drawing.h"
#include "RichEdit.h"
#include "ScrollBar.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QTextCursor>

namespace {

constexpr int BorderWidth = 2;

// The length in pixels of a native scroll bar's thumb.
int ThumbLength(const QScrollBar* native, bool vertical)
{
    QStyleOptionSlider option;
    option.initFrom(native);
    option.orientation = native->orientation();
    option.minimum = native->minimum();
    option.maximum = native->maximum();
    option.sliderPosition = native->sliderPosition();
    option.sliderValue = native->value();
    option.singleStep = native->singleStep();
    option.pageStep = native->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect thumb = native->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, native);
    return vertical ? thumb.height() : thumb.width();
}

} // namespace

TsuiMemo::TsuiMemo(QWidget* parent)
    : QWidget(parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) { ApplyLook(look); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    edit_ = new TRichEdit(this);
    edit_->setFrameStyle(QFrame::NoFrame);
    edit_->setAcceptRichText(false);
    edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusProxy(edit_);
    for (QScrollBar* native : {edit_->verticalScrollBar(), edit_->horizontalScrollBar()}) {
        connect(native, &QScrollBar::valueChanged, this, [this] { Synchronise(); });
        connect(native, &QScrollBar::rangeChanged, this, [this] { Synchronise(); });
    }
    resize(185, 89);
    ApplyLook(skin_.Look());
}

void TsuiMemo::ApplyLook(const SkinLook& look)
{
    borderColor_ = look.Color(ThemeItems::ControlBorderColor);
    for (TsuiScrollBar* bar : {vBar_.data(), hBar_.data()})
        if (bar)
            bar->SetUIStyle(look.Style());
    update();
}

void TsuiMemo::SetFileTheme(TsuiFileTheme* theme)
{
    for (TsuiScrollBar* bar : {vBar_.data(), hBar_.data()})
        if (bar)
            bar->SetFileTheme(theme);
    skin_.SetFileTheme(theme);
}

void TsuiMemo::SetBorderColor(TColor color)
{
    borderColor_ = color;
    update();
}

void TsuiMemo::SetColor(TColor color)
{
    color_ = color;
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Base, ColorToRGB(color));
    edit_->setPalette(palette);
    update();
}

QStringList TsuiMemo::Lines() const
{
    return edit_->toPlainText().split(QLatin1Char('\n'));
}

void TsuiMemo::SetLines(const QStringList& lines)
{
    edit_->setPlainText(lines.join(QLatin1Char('\n')));
    SetAlignment(alignment_);
    edit_->ApplyTextRules();
}

void TsuiMemo::SetAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    QTextCursor cursor(edit_->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor.mergeBlockFormat(format);
}

bool TsuiMemo::ReadOnly() const
{
    return edit_->isReadOnly();
}

void TsuiMemo::SetReadOnly(bool readOnly)
{
    edit_->setReadOnly(readOnly);
}

bool TsuiMemo::WordWrap() const
{
    return edit_->lineWrapMode() != QTextEdit::NoWrap;
}

void TsuiMemo::SetWordWrap(bool wrap)
{
    edit_->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
}

void TsuiMemo::SetScrollBars(TScrollStyle bars)
{
    scrollBars_ = bars;
    const bool vertical = bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth;
    const bool horizontal = bars == TScrollStyle::ssHorizontal || bars == TScrollStyle::ssBoth;
    edit_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TsuiMemo::SetVScrollBar(TsuiScrollBar* bar)
{
    Attach(vBar_, bar, true);
}

void TsuiMemo::SetHScrollBar(TsuiScrollBar* bar)
{
    Attach(hBar_, bar, false);
}

void TsuiMemo::Attach(QPointer<TsuiScrollBar>& slot, TsuiScrollBar* bar, bool vertical)
{
    if (bar == slot)
        return;
    if (TsuiScrollBar* previous = slot) {
        previous->OnChange = nullptr;
        previous->SetLineButton(0);
        previous->SetMax(100);
        previous->setEnabled(true);
        disconnect(previous, &QObject::destroyed, this, nullptr);
    }
    slot = bar;
    if (bar) {
        bar->SetOrientation(vertical ? TsuiProgressBarOrientation::suiVertical : TsuiProgressBarOrientation::suiHorizontal);
        bar->OnChange = [this, vertical](QObject*) { ScrollFromBar(vertical); };
        bar->raise();
        // a bar removed from the window is forgotten, and the memo's own bars follow; the slot is
        // cleared by name, since the bar is no longer a scroll bar while it is destroyed
        connect(bar, &QObject::destroyed, this, [this, vertical] {
            (vertical ? vBar_ : hBar_) = nullptr;
            MatchNativeBars();
        });
    }
    MatchNativeBars();
    PlaceBars();
}

void TsuiMemo::MatchNativeBars()
{
    const bool vertical = vBar_, horizontal = hBar_;
    SetScrollBars(vertical && horizontal ? TScrollStyle::ssBoth
                  : vertical             ? TScrollStyle::ssVertical
                  : horizontal           ? TScrollStyle::ssHorizontal
                                         : TScrollStyle::ssNone);
}

void TsuiMemo::PlaceBars()
{
    const QRect g = geometry();
    if (hBar_) {
        hBar_->setVisible(isVisible() && g.height() >= hBar_->height());
        hBar_->setGeometry(g.left() + 1, g.top() + g.height() - hBar_->height() - 2,
                           vBar_ ? g.width() - (vBar_->width() + 1) : g.width() - 1, hBar_->height());
    }
    if (vBar_) {
        vBar_->setVisible(isVisible() && g.width() >= vBar_->width());
        vBar_->setGeometry(g.left() + g.width() - vBar_->width() - 2, g.top() + 1, vBar_->width(),
                           hBar_ ? g.height() - (hBar_->height() + 2) : g.height() - 2);
    }
    Synchronise();
}

void TsuiMemo::Synchronise()
{
    if (scrollingFromBar_)
        return;
    synchronising_ = true;
    if (vBar_)
        SynchroniseBar(vBar_, edit_->verticalScrollBar(), true);
    if (hBar_)
        SynchroniseBar(hBar_, edit_->horizontalScrollBar(), false);
    synchronising_ = false;
}

void TsuiMemo::SynchroniseBar(TsuiScrollBar* bar, QScrollBar* native, bool vertical)
{
    if (native->maximum() > native->minimum() && isEnabled()) {
        bar->SetLineButton(ThumbLength(native, vertical));
        if (!vertical)
            bar->SetSmallChange(3 * native->pageStep());
        bar->setEnabled(true);
        bar->SetSliderVisible(true);
    } else {
        bar->SetLineButton(0);
        bar->setEnabled(false);
        bar->SetSliderVisible(false);
    }
    bar->SetMax(native->maximum());
    bar->SetMin(native->minimum());
    bar->SetPosition(native->value());
}

void TsuiMemo::ScrollFromBar(bool vertical)
{
    if (synchronising_)
        return;
    scrollingFromBar_ = true;
    QScrollBar* native = vertical ? edit_->verticalScrollBar() : edit_->horizontalScrollBar();
    native->setValue((vertical ? vBar_ : hBar_)->Position());
    edit_->viewport()->update();
    scrollingFromBar_ = false;
}

void TsuiMemo::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    canvas.fillRect(rect(), ColorToRGB(color_));
    DrawControlBorder(canvas, rect(), borderColor_, color_, true);
}

void TsuiMemo::resizeEvent(QResizeEvent*)
{
    edit_->setGeometry(rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth));
    PlaceBars();
}

void TsuiMemo::moveEvent(QMoveEvent*)
{
    PlaceBars();
}

void TsuiMemo::showEvent(QShowEvent*)
{
    PlaceBars();
}

void TsuiMemo::hideEvent(QHideEvent*)
{
    for (TsuiScrollBar* bar : {vBar_.data(), hBar_.data()})
        if (bar)
            bar->hide();
}

void TsuiMemo::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        Synchronise();
    QWidget::changeEvent(event);
}
