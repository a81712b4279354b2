// SPDX-License-Identifier: GPL-3.0-or-later
#include "Button.h"

#include "BuiltInBitmaps.h"
#include "Drawing.h"
#include "ErrorReport.h"
#include "StyleResolution.h"
#include "Text.h"
#include "ThemeCatalog.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace {

constexpr QSize EmptyFrame(74, 21);

// Enter and Escape that no control of the window took: the default and the cancel button.
class DialogKeys : public QObject {
public:
    explicit DialogKeys(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if ((!enter && key->key() != Qt::Key_Escape) || (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
            return false;
        for (TsuiCustomButton* button : static_cast<QWidget*>(watched)->findChildren<TsuiCustomButton*>()) {
            const bool chosen = enter ? button->IsDefaultNow() : button->Cancel();
            if (chosen && button->isEnabled() && button->isVisibleTo(button->window()) && button->TabStop()) {
                RunHandler([button] { button->Click(); });
                return true;
            }
        }
        return false;
    }
};

// A disabled picture: every opaque pixel in a grey of its own brightness, lightened.
QImage Greyed(const QImage& picture)
{
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = grey.pixel(x, y);
            const int g = 128 + qGray(c) / 2;
            grey.setPixel(x, y, qRgba(g, g, g, qAlpha(c)));
        }
    return grey;
}

} // namespace

void SetModalResult(QWidget* window, int result)
{
    window->setProperty("ModalResult", result);
    if (auto* dialog = qobject_cast<QDialog*>(window); dialog && result != 0)
        dialog->done(result);
}

int ModalResultOf(const QWidget* window)
{
    return window->property("ModalResult").toInt();
}

TsuiCustomButton::TsuiCustomButton(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(80, 27);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { UpdateDefaultState(now); });
    InstallDialogKeys();
}

// A button with the focus hands it on as QWidget's destructor runs, when the button is a button no
// more: the application's report of that change must not reach it.
TsuiCustomButton::~TsuiCustomButton()
{
    QObject::disconnect(focusWatch_);
}

void TsuiCustomButton::InstallDialogKeys()
{
    QWidget* top = window();
    if (top && !top->property("DialogKeys").toBool()) {
        top->setProperty("DialogKeys", true);
        new DialogKeys(top);
    }
}

bool TsuiCustomButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        InstallDialogKeys();
        break;
    case QEvent::Shortcut:
        if (isEnabled())
            RunHandler([this] { Click(); });
        return true;
    case QEvent::EnabledChange:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void TsuiCustomButton::SetCaption(const QString& caption)
{
    caption_ = caption;
    setShortcutEnabled(0, false);
    releaseShortcut(0);
    if (const QKeySequence mnemonic = QKeySequence::mnemonic(caption); !mnemonic.isEmpty())
        grabShortcut(mnemonic);
    update();
}

void TsuiCustomButton::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TsuiCustomButton::SetDefault(bool isDefault)
{
    default_ = isDefault;
    QWidget* focused = QApplication::focusWidget();
    UpdateDefaultState(focused && focused->window() == window() ? focused : nullptr);
}

void TsuiCustomButton::SetFocusedRectMargin(int margin)
{
    focusedRectMargin_ = margin;
    update();
}

void TsuiCustomButton::SetTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

void TsuiCustomButton::SetColor(TColor color)
{
    color_ = color;
    update();
}

void TsuiCustomButton::UpdateDefaultState(QWidget* focused)
{
    if (focused && focused->window() != window())
        return;
    isDefaultNow_ = qobject_cast<TsuiCustomButton*>(focused) ? focused == this : default_;
    update();
}

bool TsuiCustomButton::Focused() const
{
    return hasFocus() && TabStop();
}

void TsuiCustomButton::StopRepeating()
{
    delete repeatTimer_;
    repeatTimer_ = nullptr;
}

void TsuiCustomButton::Click()
{
    if (pressed_) {
        StopRepeating();
        pressed_ = false;
        repaint();
    }
    if (parentWidget())
        ::SetModalResult(window(), modalResult_);
    if (OnClick)
        OnClick(this);
}

void TsuiCustomButton::enterEvent(QEnterEvent*)
{
    hot_ = true;
    update();
    if (OnMouseEnter)
        RunHandler([this] { OnMouseEnter(this); });
}

void TsuiCustomButton::leaveEvent(QEvent*)
{
    hot_ = pressed_ = false;
    StopRepeating();
    update();
    if (OnMouseExit)
        RunHandler([this] { OnMouseExit(this); });
}

void TsuiCustomButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    if (!repeatTimer_) {
        repeatTimer_ = new QTimer(this);
        repeatTimer_->setInterval(std::max(repeatInterval_, 0));
        connect(repeatTimer_, &QTimer::timeout, this, [this] {
            if (OnMouseContinuouslyDown)
                RunHandler([this] { OnMouseContinuouslyDown(this); });
        });
        repeatTimer_->start();
    }
    if (TabStop() && isEnabled())
        setFocus(Qt::MouseFocusReason);
    repaint();
    if (OnMouseDown)
        RunHandler([&] { OnMouseDown(this, event->button(), event->position().toPoint()); });
}

void TsuiCustomButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);  // a double click counts as two clicks
}

void TsuiCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height()) {
        // leaving the button while it is held also ends the repetition
        if (hot_ || pressed_ || repeatTimer_) {
            hot_ = pressed_ = false;
            StopRepeating();
            update();
        }
    } else if (!hot_) {
        hot_ = true;
        update();
    }
}

void TsuiCustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_;
    StopRepeating();
    if (click)
        RunHandler([this] { Click(); });
    if (OnMouseUp)
        RunHandler([&] { OnMouseUp(this, event->button(), event->position().toPoint()); });
}

void TsuiCustomButton::keyPressEvent(QKeyEvent* event)
{
    const bool activation = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (activation && isEnabled() && !event->isAutoRepeat()) {
        pressed_ = true;
        repaint();
        return;
    }
    if (activation)
        return;
    QWidget::keyPressEvent(event);
}

void TsuiCustomButton::keyReleaseEvent(QKeyEvent* event)
{
    const bool activation = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (activation && !event->isAutoRepeat() && pressed_ && isEnabled()) {
        pressed_ = false;
        repaint();
        RunHandler([this] { Click(); });
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TsuiCustomButton::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TsuiCustomButton::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void TsuiCustomButton::DrawState(QPainter& canvas)
{
    QImage frame = StateFrame();
    if (frame.isNull())
        return;
    if (transparent_)
        frame = KeyedTransparent(frame, frame.pixel(0, 0));
    canvas.drawImage(0, 0, isEnabled() ? frame : Greyed(frame));
}

void TsuiCustomButton::DrawFocus(QPainter& canvas)
{
    if (!Focused())
        return;
    const int m = focusedRectMargin_;
    DrawFocusRect(canvas, QRect(QPoint(m, m), QPoint(width() - m - 1, height() - m - 1)));
}

void TsuiCustomButton::DrawCenteredCaption(QPainter& canvas, bool bold)
{
    if (caption_.trimmed().isEmpty())
        return;
    QFont font = this->font();
    font.setBold(bold || font.bold());
    canvas.setFont(font);
    const int flags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic;
    const QRect block = TextBounds(font, rect(), flags, caption_);
    QRect place((width() - block.width()) / 2, (height() - block.height()) / 2, block.width() + 1, block.height());
    if (pressed_)
        place.translate(1, 1);
    if (!isEnabled()) {
        canvas.setPen(Qt::white);
        DrawText(canvas, place.translated(1, 1), flags | Qt::AlignHCenter, caption_);
        canvas.setPen(QColor(0x80, 0x80, 0x80));
    } else {
        canvas.setPen(palette().color(QPalette::ButtonText));
    }
    DrawText(canvas, place, flags | Qt::AlignHCenter, caption_);
}

void TsuiCustomButton::DrawCaption(QPainter& canvas)
{
    DrawCenteredCaption(canvas, boldOnce_);
    boldOnce_ = false;
}

void TsuiCustomButton::paintEvent(QPaintEvent*)
{
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(ColorToRGB(color_));
    QPainter canvas(&buffer);
    if (transparent_)
        PaintParentBackground(canvas, this);
    DrawState(canvas);
    DrawFocus(canvas);
    DrawCaption(canvas);
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}

TsuiButton::TsuiButton(QWidget* parent)
    : TsuiCustomButton(parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) { ApplyLook(look); })
{
    skin_.SetStyle(skin_.Style());
}

void TsuiButton::ApplyLook(const SkinLook& look)
{
    strip_ = look.Bitmap(ThemeItems::ButtonImage);
    SetTransparent(look.Bool(ThemeItems::ButtonTransparentBool));
    if (autoSize_)
        FitSize();
    update();
}

void TsuiButton::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize)
        FitSize();
}

void TsuiButton::FitSize()
{
    QImage strip;
    BuiltInBitmap(UIStyle(), ThemeItems::ButtonImage, &strip);
    resize(strip.isNull() ? EmptyFrame : QSize(strip.width() / 3, strip.height()));
}

void TsuiButton::SetGlyph(const QImage& glyph)
{
    glyph_ = glyph;
    update();
}

void TsuiButton::SetLayout(TButtonLayout layout)
{
    layout_ = layout;
    update();
}

void TsuiButton::SetSpacing(int spacing)
{
    spacing_ = spacing;
    update();
}

QImage TsuiButton::StateFrame() const
{
    if (strip_.isNull()) {
        QImage empty(EmptyFrame, QImage::Format_RGB32);
        empty.fill(ColorToRGB(Color()));
        return empty;
    }
    const int frame = !isEnabled() ? 1 : Pressed() ? 3 : Hot() ? 2 : 1;
    QImage picture;
    SliceStrip(strip_, picture, 3, frame);
    return picture;
}

void TsuiButton::DrawState(QPainter& canvas)
{
    SpreadDraw(StateFrame(), canvas, size(), Transparent());
    if (glyph_.isNull())
        return;
    const QSize size = GlyphSize();
    const bool twoFrames = glyph_.width() == 2 * glyph_.height();
    QImage picture = glyph_.copy(twoFrames && !isEnabled() ? size.width() : 0, 0, size.width(), size.height());
    picture = KeyedTransparent(picture, glyph_.pixel(0, 0));
    if (!twoFrames && !isEnabled())
        picture = Greyed(picture);
    canvas.drawImage(GlyphPosition() + (Pressed() ? QPoint(1, 1) : QPoint()), picture);
}

QSize TsuiButton::GlyphSize() const
{
    const bool twoFrames = glyph_.width() == 2 * glyph_.height();
    return QSize(twoFrames ? glyph_.height() : glyph_.width(), glyph_.height());
}

QPoint TsuiButton::GlyphPosition() const
{
    const int W = width(), H = height(), gw = GlyphSize().width(), gh = GlyphSize().height(), s = spacing_;
    const int tw = TextWidth(font(), Caption()), th = LineHeight(font());
    switch (layout_) {
    case TButtonLayout::blGlyphLeft: return QPoint((W - gw - tw - s) / 2, (H - gh) / 2);
    case TButtonLayout::blGlyphRight: return QPoint((W + tw + s - gw) / 2, (H - gh) / 2);
    case TButtonLayout::blGlyphTop: return QPoint((W - gw) / 2, (H - th - gh - s) / 2);
    case TButtonLayout::blGlyphBottom: return QPoint((W - gw) / 2, (H + th + s - gh) / 2);
    }
    return QPoint();
}

QPoint TsuiButton::TextPosition() const
{
    const int W = width(), H = height(), gw = GlyphSize().width(), gh = GlyphSize().height(), s = spacing_;
    const int tw = TextWidth(font(), Caption()), th = LineHeight(font());
    const QPoint g = GlyphPosition();
    switch (layout_) {
    case TButtonLayout::blGlyphLeft: return QPoint(g.x() + gw + s, (H - th) / 2);
    case TButtonLayout::blGlyphRight: return QPoint(g.x() - tw - s, (H - th) / 2);
    case TButtonLayout::blGlyphTop: return QPoint((W - tw) / 2, g.y() + gh + s);
    case TButtonLayout::blGlyphBottom: return QPoint((W - tw) / 2, g.y() - th - s);
    }
    return QPoint();
}

void TsuiButton::DrawFocus(QPainter& canvas)
{
    if (!Focused())
        return;
    if (const SkinLook look = skin_.Look(); look.Is(TsuiUIStyle::MacOS) || look.Is(TsuiUIStyle::BlueGlass))
        boldOnce_ = true;
    else
        TsuiCustomButton::DrawFocus(canvas);
}

void TsuiButton::DrawCaption(QPainter& canvas)
{
    if (glyph_.isNull()) {
        TsuiCustomButton::DrawCaption(canvas);
        return;
    }
    if (Caption().trimmed().isEmpty())
        return;
    canvas.setFont(font());
    QRect place(TextPosition(), QPoint(width() - 1, height() - 1));
    if (Pressed())
        place.translate(1, 1);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (!isEnabled()) {
        canvas.setPen(Qt::white);
        DrawText(canvas, place.translated(1, 1), flags, Caption());
        canvas.setPen(QColor(0x80, 0x80, 0x80));
    } else {
        canvas.setPen(palette().color(QPalette::ButtonText));
    }
    DrawText(canvas, place, flags, Caption());
    boldOnce_ = false;
}

TsuiArrowButton::TsuiArrowButton(QWidget* parent)
    : TsuiButton(parent)
{
}

void TsuiArrowButton::SetArrow(TsuiArrowButtonType arrow)
{
    arrow_ = arrow;
    update();
}

void TsuiArrowButton::DrawFocus(QPainter& canvas)
{
    TsuiCustomButton::DrawFocus(canvas);
}

void TsuiArrowButton::DrawCaption(QPainter& canvas)
{
    const int x0 = (width() - 6) / 2, y0 = (height() - 3) / 2;
    QPolygon triangle;
    if (arrow_ == TsuiArrowButtonType::suiUp)
        triangle << QPoint(x0, y0 + 3) << QPoint(x0 + 3, y0) << QPoint(x0 + 6, y0 + 3);
    else
        triangle << QPoint(x0, y0) << QPoint(x0 + 3, y0 + 3) << QPoint(x0 + 6, y0);
    canvas.save();
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::black);
    canvas.drawPolygon(triangle);
    canvas.restore();
}

TsuiImageButton::TsuiImageButton(QWidget* parent)
    : TsuiCustomButton(parent)
{
}

void TsuiImageButton::SetPictures(const QImage& normal, const QImage& mouseOn, const QImage& mouseDown, const QImage& disabled)
{
    PicNormal = normal;
    PicMouseOn = mouseOn;
    PicMouseDown = mouseDown;
    PicDisabled = disabled;
    if (autoSize_ && parentWidget() && !PicNormal.isNull())
        resize(PicNormal.size());
    update();
}

void TsuiImageButton::SetStretch(bool stretch)
{
    stretch_ = stretch;
    update();
}

void TsuiImageButton::SetDrawFocused(bool draw)
{
    drawFocused_ = draw;
    update();
}

void TsuiImageButton::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_ && parentWidget() && !PicNormal.isNull())
        resize(PicNormal.size());
}

void TsuiImageButton::DrawState(QPainter& canvas)
{
    const QImage& chosen = !isEnabled() ? PicDisabled : Pressed() ? PicMouseDown : Hot() ? PicMouseOn : PicNormal;
    const QImage& picture = chosen.isNull() ? PicNormal : chosen;
    if (picture.isNull())
        return;
    const QImage keyed = KeyedTransparent(picture, picture.pixel(0, 0));
    if (stretch_)
        canvas.drawImage(rect(), keyed);
    else
        canvas.drawImage(0, 0, keyed);
}

void TsuiImageButton::DrawFocus(QPainter& canvas)
{
    if (drawFocused_)
        TsuiCustomButton::DrawFocus(canvas);
}
