// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyChart.h"

#include "Drawing.h"
#include "Fonts.h"

#include <QKeyEvent>
#include <QPainter>

PropertyChart::PropertyChart(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

PlotLook PropertyChart::ScreenLook()
{
    PlotLook look;
    look.Text = SansSerifFont();
    look.Bold = SansSerifFont(true);
    return look;
}

void PropertyChart::SetModel(const PlotModel& model)
{
    model_ = model;
    cursor_ = std::clamp(cursor_, 0, std::max(0, int(model_.Points.size()) - 1));
    update();
    Tell();
}

void PropertyChart::MoveTo(int index)
{
    if (model_.Points.empty())
        return;
    const int to = std::clamp(index, 0, int(model_.Points.size()) - 1);
    if (to == cursor_)
        return;
    cursor_ = to;
    update();
    Tell();
}

void PropertyChart::Tell()
{
    const PlotPoint* point = model_.Points.empty() ? nullptr : &model_.Points[std::size_t(cursor_)];
    setAccessibleName(point ? PointWords(model_, *point) : QStringLiteral("Wykres właściwości"));
    setAccessibleDescription(model_.AxisCaption() + QStringLiteral(", ") + model_.Range.Caption());
    if (OnShowPoint)
        OnShowPoint(point);
}

void PropertyChart::paintEvent(QPaintEvent*)
{
    QPainter window(this);
    PaintAtOneToOne(window, rect(), [this](QPainter& painter) {
        PaintPlot(painter, QRectF(rect()), model_, ScreenLook(), hasFocus() || underMouse() ? cursor_ : -1);
    });
}

void PropertyChart::keyPressEvent(QKeyEvent* event)
{
    const int count = int(model_.Points.size());
    const auto period = [&](int index) { return model_.Points[std::size_t(index)].Element->Period; };
    switch (event->key()) {
    case Qt::Key_Left: MoveTo(cursor_ - 1); break;
    case Qt::Key_Right: MoveTo(cursor_ + 1); break;
    case Qt::Key_Home: MoveTo(0); break;
    case Qt::Key_End: MoveTo(count - 1); break;
    case Qt::Key_PageDown:
        // the first point of the next period
        if (count > 0) {
            int next = cursor_;
            while (next < count - 1 && period(next) == period(cursor_))
                ++next;
            MoveTo(next);
        }
        break;
    case Qt::Key_PageUp:
        // the first point of this period, or of the one before from there
        if (count > 0) {
            int start = cursor_;
            if (start > 0 && period(start - 1) != period(start))
                --start;
            while (start > 0 && period(start - 1) == period(start))
                --start;
            MoveTo(start);
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (OnOpen && count > 0)
            OnOpen(model_.Points[std::size_t(cursor_)].Element->Symbol);
        break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

int PropertyChart::PointNear(QPointF at) const
{
    const QRectF plot = PlotArea(QRectF(rect()), ScreenLook());
    int best = -1;
    double distance = 8;
    for (std::size_t k = 0; k < model_.Points.size(); ++k) {
        if (!model_.Points[k].Value)
            continue;
        const QPointF place = PointPlace(model_, model_.Points[k], plot);
        const double d = std::hypot(place.x() - at.x(), place.y() - at.y());
        if (d < distance) {
            distance = d;
            best = int(k);
        }
    }
    return best;
}

void PropertyChart::mouseMoveEvent(QMouseEvent* event)
{
    const int near = PointNear(event->position());
    if (OnShowPoint)
        OnShowPoint(near >= 0 ? &model_.Points[std::size_t(near)] : (model_.Points.empty() ? nullptr : &model_.Points[std::size_t(cursor_)]));
}

void PropertyChart::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const int near = PointNear(event->position());
    if (near < 0)
        return;
    MoveTo(near);
    if (OnOpen)
        OnOpen(model_.Points[std::size_t(near)].Element->Symbol);
}

void PropertyChart::leaveEvent(QEvent*)
{
    if (OnShowPoint && !model_.Points.empty())
        OnShowPoint(&model_.Points[std::size_t(cursor_)]);
    update();
}

void PropertyChart::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PropertyChart::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
