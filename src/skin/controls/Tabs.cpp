// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tabs.h"

#include "Align.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "ReaderEvents.h"
#include "StyleResolution.h"
#include "Text.h"
#include "ThemeCatalog.h"

#include <QMouseEvent>
#include <QPainter>

#include <vector>

namespace {

// A tab picture is keyed on its top-left or bottom-left pixel when that one is magenta.
void DrawTabPicture(QPainter& canvas, const QImage& picture, const QRect& rect)
{
    if (picture.isNull())
        return;
    const bool topKey = picture.pixel(0, 0) == KeyMagenta;
    const bool bottomKey = !topKey && picture.pixel(0, picture.height() - 1) == KeyMagenta;
    ThreePartDraw(picture, canvas, rect, topKey, topKey || bottomKey);
}

bool Inside(QPoint p, const QRect& r)
{
    return p.x() >= r.left() && p.x() <= r.left() + r.width() && p.y() >= r.top() && p.y() <= r.top() + r.height();
}

} // namespace

TsuiTabControlTopPanel::TsuiTabControlTopPanel(QWidget* tabControl)
    : QWidget(tabControl), skin_(GetFormStyle(tabControl), [this](const SkinLook& look, LookChange) { ApplyLook(look); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    widths_.fill(-1);
    visible_.fill(true);
    ApplyLook(skin_.Look());
}

void TsuiTabControlTopPanel::ApplyLook(const SkinLook& look)
{
    activeTab_ = look.Bitmap(ThemeItems::TabControlTabImage, 1, 2);
    inactiveTab_ = look.Bitmap(ThemeItems::TabControlTabImage, 2, 2);
    bar_ = look.Bitmap(ThemeItems::TabControlBarImage);
    scrollButtons_ = look.Bitmap(ThemeItems::ScrollButtonImage);
    buttonSize_ = look.Bitmap(ThemeItems::ScrollButtonImage, 1, 4).size();
    if (position_ == TsuiTabPosition::suiBottom)
        for (QImage* picture : {&activeTab_, &inactiveTab_, &bar_})
            RotateHalf(*picture);
    setFixedHeight(activeTab_.height() + bar_.height());
    update();
}

void TsuiTabControlTopPanel::SetTabs(const QStringList& tabs)
{
    tabs_ = tabs;
    if (tabIndex_ >= tabs_.size())
        tabIndex_ = int(tabs_.size()) - 1;
    update();
}

void TsuiTabControlTopPanel::SetLeftMargin(int margin)
{
    leftMargin_ = margin;
    update();
}

void TsuiTabControlTopPanel::SetTabPosition(TsuiTabPosition position)
{
    if (position == position_)
        return;
    position_ = position;
    for (QImage* picture : {&activeTab_, &inactiveTab_, &bar_})
        RotateHalf(*picture);
    update();
}

void TsuiTabControlTopPanel::SetTabVisible(int index, bool visible)
{
    if (index >= 0 && index < MaxTabs)
        visible_[std::size_t(index)] = visible;
    update();
}

bool TsuiTabControlTopPanel::TabVisible(int index) const
{
    return index < 0 || index >= MaxTabs || visible_[std::size_t(index)];
}

void TsuiTabControlTopPanel::SetCaptionFont(const QFont& font)
{
    captionFont_ = font;
    update();
}

void TsuiTabControlTopPanel::SetBorderColor(TColor color)
{
    borderColor_ = color;
    update();
}

void TsuiTabControlTopPanel::SetColor(TColor color)
{
    color_ = color;
    update();
}

int TsuiTabControlTopPanel::TabWidth(int index) const
{
    return index >= 0 && index < MaxTabs ? widths_[std::size_t(index)] : -1;
}

int TsuiTabControlTopPanel::VisibleTabCount() const
{
    int count = 0;
    for (int i = 0; i < tabs_.size(); ++i)
        count += TabVisible(i) ? 1 : 0;
    return count;
}

void TsuiTabControlTopPanel::SetTabIndex(int index, bool byUser)
{
    if (index == tabIndex_)
        return;
    if (tabs_.isEmpty()) {
        tabIndex_ = -1;
        return;
    }
    if (index < -1 || index >= tabs_.size()) {
        update();
        return;
    }
    if (byUser && OnChanging) {
        bool allow = true;
        OnChanging(index, allow);
        if (!allow)
            return;
    }
    tabIndex_ = index;
    RepaintKeepingActiveShown();
    // a reader counts only the tabs that show
    if (index >= 0 && TabVisible(index)) {
        int shown = 0;
        for (int k = 0; k < index; ++k)
            shown += TabVisible(k) ? 1 : 0;
        ReaderEvents::SelectionChanged(this, shown);
    }
    if (OnTabChanged)
        OnTabChanged(index);
}

void TsuiTabControlTopPanel::RepaintKeepingActiveShown()
{
    keepActiveShown_ = true;
    repaint();
    keepActiveShown_ = false;
}

QRect TsuiTabControlTopPanel::ScrollButtonRect(bool right) const
{
    const int W = width(), H = height(), bw = buttonSize_.width(), bh = buttonSize_.height();
    const int x = W - bw - 2;
    int top;
    if (position_ == TsuiTabPosition::suiTop)
        top = bh + 4 < H ? (H - bh) / 2 - 2 : 0;
    else
        top = bh + 4 < H ? (H - bh) / 2 + 2 : H - bh;
    return QRect(right ? x : x - bw, top, bw, bh);
}

int TsuiTabControlTopPanel::DrawTabs(QPainter& canvas)
{
    const int W = width(), H = height();
    const int I = inactiveTab_.height(), B = bar_.height();
    const int innerLimit = W - 2 * buttonSize_.width() - 2, lastLimit = W - 10;
    const bool top = position_ == TsuiTabPosition::suiTop;
    canvas.setPen(ColorToRGB(borderColor_));
    if (top) {
        if (!bar_.isNull())
            canvas.drawImage(QRect(1, I, W - 2, B), bar_);
        canvas.drawLine(0, I, 0, I + B - 1);
        canvas.drawLine(W - 1, I, W - 1, I + B - 1);
    } else {
        if (!bar_.isNull())
            canvas.drawImage(QRect(1, 0, W - 2, B), bar_);
        canvas.drawLine(0, 0, 0, B - 1);
        canvas.drawLine(W - 1, 0, W - 1, B - 1);
    }
    canvas.setFont(captionFont_);
    canvas.setPen(ColorToRGB(clWindowText));
    widths_.fill(-1);
    int x = leftMargin_;
    int lastWhole = int(tabs_.size()) - 1;
    bool overflowed = false, ranPast = false;
    int counted = 0;
    struct Caption {
        QRect Rect;
        int Flags;
        QString Text;
    };
    std::vector<Caption> captions;
    for (int i = 0; i < tabs_.size(); ++i) {
        const int limit = i == tabs_.size() - 1 ? lastLimit : innerLimit;
        const std::size_t slot = std::size_t(std::min(i, MaxTabs - 1));
        if (!TabVisible(i)) {
            if (i < MaxTabs)
                widths_[slot] = 0;
            continue;
        }
        if (overflowed)
            break;
        const QString& caption = tabs_[i];
        const int width = caption.isEmpty() ? 80 : std::max(TextWidth(captionFont_, caption) + 20, 15);
        if (i < MaxTabs - 1)
            widths_[slot] = width;
        if (++counted <= firstShown_)
            continue;
        const bool active = i == tabIndex_;
        const QImage& picture = active ? activeTab_ : inactiveTab_;
        const int h = picture.height();
        QRect r(x, top ? (active ? 1 : 0) : (active ? H - I - 1 : H - I), width, h);
        if (r.left() + r.width() > limit) {
            r.setRight(innerLimit - 1);
            overflowed = ranPast = true;
            if (!active && i < MaxTabs - 1)
                widths_[slot] = innerLimit - x;
            lastWhole = i - 1;
        }
        DrawTabPicture(canvas, picture, r);
        x += width;
        if (overflowed)
            captions.push_back({QRect(QPoint(r.left() + 10, r.top()), QPoint(r.right() - 4, r.bottom())),
                                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption});
        else
            captions.push_back({r, Qt::AlignCenter | Qt::TextSingleLine, caption});
    }
    buttonsShown_ = (ranPast || x > lastLimit) && !tabs_.isEmpty();
    // a caption stays inside its tab, and left of the scroll buttons, whose keyed pictures would
    // show it between and beyond them
    const QRect strip = buttonsShown_ || firstShown_ > 0 ? QRect(0, 0, ScrollButtonRect(false).left(), H) : rect();
    for (const auto& [r, flags, caption] : captions) {
        canvas.save();
        canvas.setClipRect(r & strip);
        DrawText(canvas, r, flags, caption);
        canvas.restore();
    }
    return lastWhole;
}

void TsuiTabControlTopPanel::DrawScrollButtons(QPainter& canvas)
{
    if (!buttonsShown_ && firstShown_ == 0)
        return;
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    for (const bool right : {true, false}) {
        const QRect r = ScrollButtonRect(right);
        const bool hot = Inside(cursor, r);
        if (hot)
            hoveredButton_ = right ? 1 : -1;
        QImage frame;
        SliceStrip(scrollButtons_, frame, 4, (right ? 1 : 3) + (hot ? 1 : 0));
        if (!frame.isNull())
            canvas.drawImage(r.topLeft(), KeyedTransparent(frame, frame.pixel(0, frame.height() - 1)));
    }
}

void TsuiTabControlTopPanel::paintEvent(QPaintEvent*)
{
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&buffer);
    // what lies behind the tab control shows in the strip's free part
    const auto background = [&] {
        buffer.fill(ColorToRGB(color_));
        if (QWidget* control = parentWidget()) {
            canvas.save();
            canvas.translate(-pos());
            PaintParentBackground(canvas, control);
            canvas.restore();
        }
    };
    hoveredButton_ = 0;
    background();
    int lastWhole = DrawTabs(canvas);
    while (keepActiveShown_ && lastWhole < tabIndex_ && firstShown_ < VisibleTabCount()) {
        ++firstShown_;
        background();
        lastWhole = DrawTabs(canvas);
    }
    DrawScrollButtons(canvas);
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}

void TsuiTabControlTopPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    repaint();
    const QPoint p = event->position().toPoint();
    const bool left = Inside(p, ScrollButtonRect(false)) && (buttonsShown_ || firstShown_ > 0);
    const bool right = Inside(p, ScrollButtonRect(true)) && buttonsShown_;
    if (left || right) {
        firstShown_ = std::clamp(firstShown_ + (right ? 1 : -1), 0, int(tabs_.size()));
        repaint();
        return;
    }
    RunHandler([&] {
        if (OnClick)
            OnClick();
        // hit test over the tabs as drawn, from the first one shown
        int x = leftMargin_, counted = 0;
        for (int i = 0; i < tabs_.size() && i < MaxTabs; ++i) {
            const int w = widths_[std::size_t(i)];
            if (w < 0)
                break;
            if (w == 0 || ++counted <= firstShown_)
                continue;
            if (p.x() > x && p.x() < x + w && p.y() > 0 && p.y() < height()) {
                SetTabIndex(i, true);
                return;
            }
            x += w;
        }
    });
}

void TsuiTabControlTopPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (OnDblClick)
        RunHandler([this] { OnDblClick(); });
}

void TsuiTabControlTopPanel::mouseMoveEvent(QMouseEvent*)
{
    if (buttonsShown_)
        update();
}

void TsuiTabControlTopPanel::leaveEvent(QEvent*)
{
    if (buttonsShown_)
        update();
}

TsuiPageControlTopPanel::TsuiPageControlTopPanel(QWidget* pageControl)
    : TsuiTabControlTopPanel(pageControl)
{
    SetTabs({});
}

TsuiTab::TsuiTab(QWidget* parent)
    : TsuiTab(parent, false)
{
}

TsuiTab::TsuiTab(QWidget* parent, bool pageControl)
    : QWidget(parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) { ApplyLook(look); }),
      strip_(pageControl ? new TsuiPageControlTopPanel(this) : new TsuiTabControlTopPanel(this)),
      captionFont_(font())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    strip_->SetCaptionFont(captionFont_);
    strip_->OnChanging = [this](int, bool& allow) {
        if (OnChanging)
            OnChanging(this, allow);
    };
    strip_->OnTabChanged = [this](int index) { TabChanged(index); };
    strip_->OnClick = [this] {
        if (OnClick)
            OnClick(this);
    };
    strip_->OnDblClick = [this] {
        if (OnDblClick)
            OnDblClick(this);
    };
    resize(289, 80);
    ApplyLook(skin_.Look());
}

void TsuiTab::ApplyLook(const SkinLook& look)
{
    strip_->SetFileTheme(skin_.FileTheme());
    strip_->SetUIStyle(skin_.Style());
    strip_->SetColor(look.Color(ThemeItems::ControlBackgroundColor));
    borderColor_ = look.Color(ThemeItems::ControlBorderColor);
    strip_->SetBorderColor(borderColor_);
    color_ = look.Is(TsuiUIStyle::WinXP) ? clWhite : look.Color(ThemeItems::ControlBackgroundColor);
    PassLookOn();
    ShareColours();
    LayOut();
    update();
}

void TsuiTab::PassLookOn()
{
    ApplyStyleToChildren(this, skin_.Style(), skin_.FileTheme());
}

void TsuiTab::SetBorderColor(TColor color)
{
    borderColor_ = color;
    strip_->SetBorderColor(color);
    ShareColours();
    update();
}

void TsuiTab::SetColor(TColor color)
{
    color_ = color;
    ShareColours();
    update();
}

void TsuiTab::SetFont(const QFont& font)
{
    captionFont_ = font;
    strip_->SetCaptionFont(font);
}

void TsuiTab::SetTabPosition(TsuiTabPosition position)
{
    strip_->SetTabPosition(position);
    LayOut();
    update();
}

void TsuiTab::TabChanged(int index)
{
    if (OnTabActive)
        OnTabActive(this, index);
    if (OnChange)
        OnChange(this);
}

QRect TsuiTab::ContentArea() const
{
    const int strip = strip_->height();
    if (TabPosition() == TsuiTabPosition::suiTop)
        return QRect(QPoint(3, strip + 3), QPoint(width() - 1 - 3, height() - 1 - 3));
    return QRect(QPoint(3, 3), QPoint(width() - 1 - 3, height() - 1 - strip - 3));
}

void TsuiTab::LayOut()
{
    const bool top = TabPosition() == TsuiTabPosition::suiTop;
    strip_->setGeometry(0, top ? 0 : height() - strip_->height(), width(), strip_->height());
    ArrangeAlignedChildren(this, ContentArea());
}

void TsuiTab::paintEvent(QPaintEvent*)
{
    const int strip = strip_->height();
    const bool top = TabPosition() == TsuiTabPosition::suiTop;
    const QRect content = top ? QRect(0, strip, width(), height() - strip) : QRect(0, 0, width(), height() - strip);
    // drawn as at 100 % and magnified, so that the frame's lines are as thick as the strip's
    QPainter window(this);
    PaintAtOneToOne(window, rect(), [&](QPainter& canvas) {
        canvas.fillRect(content, ColorToRGB(color_));
        canvas.setPen(ColorToRGB(borderColor_));
        const int L = content.left(), T = content.top(), R = content.left() + content.width(), B = content.top() + content.height();
        if (top)
            canvas.drawPolyline(QPolygon() << QPoint(0, T - 1) << QPoint(0, B - 1) << QPoint(R - 1, B - 1) << QPoint(R - 1, T - 1));
        else
            canvas.drawPolyline(QPolygon() << QPoint(R - 1, B - 1) << QPoint(R - 1, T) << QPoint(L, T) << QPoint(L, B - 1));
    });
}

void TsuiTab::resizeEvent(QResizeEvent*)
{
    LayOut();
}

bool TsuiTab::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        LayOut();
    return QWidget::event(event);
}
