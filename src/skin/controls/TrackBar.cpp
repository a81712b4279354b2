// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrackBar.h"

#include "Drawing.h"
#include "ErrorReport.h"
#include "ImagePanel.h"
#include "ReaderEvents.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"

#include <QCursor>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

namespace {

constexpr int RepeatInterval = 100;

} // namespace

TsuiTrackBar::TsuiTrackBar(QWidget* parent)
    : TsuiTrackBar(parent, true)
{
}

TsuiTrackBar::TsuiTrackBar(QWidget* parent, bool ownLook)
    : QWidget(parent), ownLook_(ownLook),
      skin_(GetFormStyle(parent), [this](const SkinLook&, LookChange) { RefreshLook(); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    slider_ = new TsuiImagePanel(this);
    slider_->SetAutoSize(true);
    slider_->installEventFilter(this);
    model_.OnMove = [this] {
        slider_->move(SliderOrigin());
        update();
    };
    model_.OnChange = [this] {
        ReaderEvents::ValueChanged(this, Position() + readerOffset_);
        if (OnChange)
            OnChange(this);
    };
    resize(150, 25);
    RefreshLook();
}

TsuiTrackBar::~TsuiTrackBar()
{
    model_.OnMove = nullptr;
    model_.OnChange = nullptr;
}

void TsuiTrackBar::SetUIStyle(TsuiUIStyle style)
{
    if (style == TsuiUIStyle::MacOS)
        transparent_ = true;
    skin_.SetStyle(style);
}

void TsuiTrackBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    RefreshLook();
}

void TsuiTrackBar::SetFrequency(int frequency)
{
    frequency_ = frequency;
    update();
}

void TsuiTrackBar::SetShowTick(bool show)
{
    showTick_ = show;
    update();
}

void TsuiTrackBar::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    update();
}

void TsuiTrackBar::SetColor(TColor color)
{
    color_.Set(color);
    PrepareBar();
    update();
}

void TsuiTrackBar::SetParentColor(bool parentColor)
{
    color_.SetParentColor(parentColor);
    PrepareBar();
    update();
}

bool TsuiTrackBar::event(QEvent* event)
{
    if (event->type() == ParentColorChanged() || event->type() == QEvent::ParentChange) {
        PrepareBar();
        update();
    }
    return QWidget::event(event);
}

void TsuiTrackBar::SetBarImage(const QImage& image)
{
    barImage_ = image;
    RefreshLook();
}

QImage TsuiTrackBar::SliderImage() const
{
    return slider_->Picture();
}

void TsuiTrackBar::SetSliderImage(const QImage& image)
{
    slider_->SetPicture(image);
    update();
}

void TsuiTrackBar::RefreshLook()
{
    if (ownLook_)
        LoadLook(skin_.Look());
    else
        slider_->SetTransparent(false);
    PrepareBar();
    FitThickness();
    model_.SetPosition(model_.Position());
    update();
}

void TsuiTrackBar::LoadLook(const SkinLook& look)
{
    barImage_ = look.Bitmap(ThemeItems::TrackBarBarImage);
    slider_->SetPicture(look.Bitmap(Horizontal() ? ThemeItems::TrackBarSliderImage : ThemeItems::TrackBarSliderVImage));
    // a horizontal slider shows the bar through its key colour; a vertical one is opaque
    slider_->SetTransparent(Horizontal());
    slider_->SetAutoSize(true);
}

void TsuiTrackBar::PrepareBar()
{
    const int length = Horizontal() ? width() : height();
    if (barImage_.isNull() || length <= 0) {
        preparedBar_ = QImage();
        return;
    }
    preparedBar_ = QImage(length, barImage_.height(), QImage::Format_RGB32);
    preparedBar_.fill(ColorToRGB(Color()));
    QPainter canvas(&preparedBar_);
    ThreePartDraw(barImage_, canvas, preparedBar_.rect(), false, false);
    canvas.end();
    if (!Horizontal())
        RotateLeft(preparedBar_);
}

void TsuiTrackBar::FitThickness()
{
    const int bar = barImage_.height();
    if (Horizontal())
        resize(width(), std::max(bar, slider_->height()));
    else
        resize(std::max(bar, slider_->width()), height());
}

QPoint TsuiTrackBar::SliderOrigin() const
{
    const qint64 range = qint64(Max()) - Min(), offset = qint64(Position()) - Min();
    const int W = width(), H = height(), w = slider_->width(), h = slider_->height();
    if (Horizontal())
        return QPoint(range == 0 ? 0 : int(offset * (W - w) / range), std::max(H - h, 0) / 2);
    return QPoint(std::max(W - w, 0) / 2, range == 0 ? 0 : int(offset * (H - h) / range));
}

int TsuiTrackBar::ValueAtPoint(QPoint point) const
{
    const int length = Horizontal() ? width() : height();
    const int thumb = Horizontal() ? slider_->width() : slider_->height();
    const int at = Horizontal() ? point.x() : point.y();
    if (thumb == length)
        return 0;
    // the slider's centre follows the point; halves round to even
    const double value = std::nearbyint(double(at - thumb / 2) * (double(Max()) - Min()) / (length - thumb)) + Min();
    return int(std::clamp(value, -2147483648.0, 2147483647.0));
}

QList<int> TsuiTrackBar::TickPositions() const
{
    QList<int> ticks;
    int counter = 0;
    for (qint64 v = Min(); v <= Max(); ++v) {
        bool selected = v == Max();
        if (!selected) {
            if (counter == frequency_) {
                counter = 1;
                selected = true;
            } else {
                ++counter;
                selected = counter == 1;
            }
        }
        if (selected)
            ticks.append(int(v));
    }
    return ticks;
}

void TsuiTrackBar::paintEvent(QPaintEvent*)
{
    const int W = width(), H = height();
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(ColorToRGB(Color()));
    QPainter canvas(&buffer);
    if (transparent_)
        PaintParentBackground(canvas, this);
    if (!preparedBar_.isNull()) {
        if (Horizontal())
            canvas.drawImage(0, (H - preparedBar_.height()) / 2, preparedBar_);
        else
            canvas.drawImage((W - preparedBar_.width()) / 2, 0, preparedBar_);
    }
    if (hasFocus() && TabStop())
        DrawFocusRect(canvas, rect());
    if (showTick_ && Min() != Max()) {
        canvas.setPen(Qt::black);
        const qint64 range = qint64(Max()) - Min();
        const int w = slider_->width(), h = slider_->height();
        for (const int v : TickPositions()) {
            if (Horizontal()) {
                const int t = int((qint64(v) - Min()) * (W - w) / range) + w / 2;
                canvas.drawLine(t, H - 3, t, H - 1);
            } else {
                const int t = int((qint64(v) - Min()) * (H - h) / range) + h / 2;
                canvas.drawLine(0, t, 2, t);
                canvas.drawLine(W - 3, t, W - 1, t);
            }
        }
    }
    canvas.end();
    QPainter(this).drawImage(0, 0, buffer);
}

void TsuiTrackBar::resizeEvent(QResizeEvent*)
{
    RefreshLook();
}

void TsuiTrackBar::PageToward(QPoint point, int step)
{
    const int at = Horizontal() ? point.x() : point.y();
    const int start = Horizontal() ? slider_->x() : slider_->y();
    // the paging stops at the point
    if (at > start)
        SetPosition(int(std::min<qint64>(qint64(Position()) + step, ValueAtPoint(point))));
    else if (at < start)
        SetPosition(int(std::max<qint64>(qint64(Position()) - step, ValueAtPoint(point))));
}

void TsuiTrackBar::StopRepeating()
{
    delete repeatTimer_;
    repeatTimer_ = nullptr;
}

void TsuiTrackBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    RunHandler([&] { PageToward(event->position().toPoint(), PageSize()); });
    if (!repeatTimer_) {
        repeatTimer_ = new QTimer(this);
        repeatTimer_->setInterval(RepeatInterval);
        connect(repeatTimer_, &QTimer::timeout, this, [this] {
            RunHandler([this] { PageToward(mapFromGlobal(QCursor::pos()), Horizontal() ? 3 * PageSize() : PageSize()); });
        });
        repeatTimer_->start();
    }
    if (TabStop() && isEnabled())
        setFocus(Qt::MouseFocusReason);
}

void TsuiTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height())
        StopRepeating();
}

void TsuiTrackBar::mouseReleaseEvent(QMouseEvent*)
{
    StopRepeating();
    dragging_ = false;
}

bool TsuiTrackBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != slider_)
        return QWidget::eventFilter(watched, event);
    const auto mouseEvent = [event] { return static_cast<QMouseEvent*>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const QMouseEvent* mouse = mouseEvent();
        if (mouse->button() == Qt::LeftButton) {
            dragging_ = true;
            if (TabStop() && isEnabled())
                setFocus(Qt::MouseFocusReason);
        }
        if (OnMouseDown)
            RunHandler([&] { OnMouseDown(this, mouse->button(), slider_->pos() + mouse->position().toPoint()); });
        return true;
    }
    case QEvent::MouseMove:
        if (dragging_)
            RunHandler([&] { SetPosition(ValueAtPoint(slider_->pos() + mouseEvent()->position().toPoint())); });
        return true;
    case QEvent::MouseButtonRelease: {
        const QMouseEvent* mouse = mouseEvent();
        StopRepeating();
        dragging_ = false;
        if (OnMouseUp)
            RunHandler([&] { OnMouseUp(this, mouse->button(), slider_->pos() + mouse->position().toPoint()); });
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TsuiTrackBar::keyPressEvent(QKeyEvent* event)
{
    const qint64 position = Position();
    qint64 next;
    switch (event->key()) {
    case Qt::Key_PageUp: next = position - PageSize(); break;
    case Qt::Key_PageDown: next = position + PageSize(); break;
    case Qt::Key_End: next = Max(); break;
    case Qt::Key_Home: next = Min(); break;
    case Qt::Key_Left:
    case Qt::Key_Up: next = position - LineSize(); break;
    case Qt::Key_Right:
    case Qt::Key_Down: next = position + LineSize(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    RunHandler([&] { SetPosition(int(std::clamp<qint64>(next, Min(), Max()))); });
}

void TsuiTrackBar::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TsuiTrackBar::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

TsuiScrollTrackBar::TsuiScrollTrackBar(QWidget* parent)
    : TsuiTrackBar(parent, false)
{
}

bool TsuiScrollTrackBar::SliderVisible() const
{
    return !Slider()->isHidden();
}

void TsuiScrollTrackBar::SetSliderVisible(bool visible)
{
    Slider()->setVisible(visible);
}

void TsuiScrollTrackBar::SliderAutoSize()
{
    Slider()->SetAutoSize(true);
}
