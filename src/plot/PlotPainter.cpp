// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor Ink(0, 0, 0), Grid(220, 220, 220), Line(64, 96, 160), Noble(192, 64, 0), Alkali(0, 128, 64), Plain(64, 96, 160);

void Marker(QPainter& painter, QPointF at, const PlotPoint& point, double size)
{
    if (point.NobleGas) {
        painter.setBrush(Noble);
        painter.drawRect(QRectF(at.x() - size, at.y() - size, 2 * size, 2 * size));
    } else if (point.AlkaliMetal) {
        painter.setBrush(Alkali);
        QPainterPath triangle;
        triangle.moveTo(at.x(), at.y() - size * 1.3);
        triangle.lineTo(at.x() + size * 1.2, at.y() + size);
        triangle.lineTo(at.x() - size * 1.2, at.y() + size);
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else {
        painter.setBrush(Plain);
        painter.drawEllipse(at, size * 0.8, size * 0.8);
    }
}

// Ticks along the atomic numbers: every 1, 2, 5, 10 or 20, about ten of them.
std::vector<int> XTicks(const PlotModel& model)
{
    std::vector<int> ticks;
    if (model.Range.Which == PlotRange::Kind::Group) {
        for (int period = int(std::ceil(model.LowX)); period <= int(std::floor(model.HighX)); ++period)
            ticks.push_back(period);
        return ticks;
    }
    const double span = model.HighX - model.LowX;
    int step = 1;
    for (const int s : {1, 2, 5, 10, 20})
        if (span / s <= 12) {
            step = s;
            break;
        }
    for (int x = int(std::ceil(model.LowX / step)) * step; x <= model.HighX; x += step)
        ticks.push_back(x);
    if (ticks.empty() || ticks.front() > model.LowX + step / 2.0)
        ticks.insert(ticks.begin(), int(std::ceil(model.LowX)));
    return ticks;
}

} // namespace

QRectF PlotArea(const QRectF& area, const PlotLook& look)
{
    return area.adjusted(look.LeftMargin, look.TopMargin, -look.RightMargin, -look.BottomMargin);
}

QPointF PointPlace(const PlotModel& model, const PlotPoint& point, const QRectF& plot)
{
    const double spanX = model.HighX - model.LowX;
    const double x = plot.left() + (spanX > 0 ? (point.X - model.LowX) / spanX : 0.5) * plot.width();
    const double y = point.Value ? plot.bottom() - model.Scale.Place(*point.Value) * plot.height() : plot.bottom();
    return QPointF(x, y);
}

void PaintPlot(QPainter& painter, const QRectF& area, const PlotModel& model, const PlotLook& look, int cursor)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    const QRectF plot = PlotArea(area, look);
    const QFontMetricsF metrics(look.Text);
    painter.setFont(look.Text);
    // the value axis: grid lines and tick labels
    for (const double tick : model.Scale.Ticks) {
        const double y = plot.bottom() - model.Scale.Place(tick) * plot.height();
        painter.setPen(QPen(Grid, look.Line));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Ink);
        painter.drawText(QRectF(area.left(), y - metrics.height() / 2, look.LeftMargin - 6, metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                         TickShown(model.Scale, tick));
    }
    // the atomic numbers or periods
    for (const int x : XTicks(model)) {
        const double at = plot.left() + (model.HighX > model.LowX ? (x - model.LowX) / (model.HighX - model.LowX) : 0.5) * plot.width();
        painter.setPen(QPen(Ink, look.Line));
        painter.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() + 4));
        painter.drawText(QRectF(at - 20, plot.bottom() + 4, 40, metrics.height()), Qt::AlignCenter, QString::number(x));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 4 + metrics.height(), plot.width(), metrics.height() + 2), Qt::AlignCenter,
                     model.XCaption());
    painter.setFont(look.Bold);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), look.TopMargin - 14), Qt::AlignLeft | Qt::AlignVCenter, model.AxisCaption());
    painter.setFont(look.Text);
    // the periods apart and numbered, where the points run by atomic number over more than one
    if (model.Range.Which != PlotRange::Kind::Group && model.Range.Which != PlotRange::Kind::Period) {
        for (std::size_t k = 0; k < model.Points.size(); ++k) {
            const PlotPoint& point = model.Points[k];
            const bool first = k == 0 || model.Points[k - 1].Element->Period != point.Element->Period;
            if (!first)
                continue;
            std::size_t last = k;
            while (last + 1 < model.Points.size() && model.Points[last + 1].Element->Period == point.Element->Period)
                ++last;
            const double left = PointPlace(model, point, plot).x(), right = PointPlace(model, model.Points[last], plot).x();
            if (k > 0) {
                painter.setPen(QPen(Grid.darker(130), look.Line, Qt::DashLine));
                painter.drawLine(QPointF(left - look.Gap, plot.top()), QPointF(left - look.Gap, plot.bottom()));
            }
            painter.setPen(Ink);
            const QString name = QStringLiteral("okres %1").arg(point.Element->Period);
            const QString label = right - left > metrics.horizontalAdvance(name) + 4 ? name : QString::number(point.Element->Period);
            painter.drawText(QRectF((left + right) / 2 - 30, plot.top() - metrics.height() - 1, 60, metrics.height()), Qt::AlignCenter, label);
        }
    }
    // the lines within periods, then the points
    painter.setRenderHint(QPainter::Antialiasing, look.Line < 1);
    painter.setPen(QPen(Line, look.Line));
    for (std::size_t k = 1; k < model.Points.size(); ++k)
        if (model.Points[k].JoinedToPrevious)
            painter.drawLine(PointPlace(model, model.Points[k - 1], plot), PointPlace(model, model.Points[k], plot));
    painter.setPen(Qt::NoPen);
    for (const PlotPoint& point : model.Points)
        if (point.Value)
            Marker(painter, PointPlace(model, point, plot), point, look.Point);
    // the axes
    painter.setPen(QPen(Ink, look.Line));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    // the cursor
    if (cursor >= 0 && cursor < int(model.Points.size())) {
        const PlotPoint& point = model.Points[std::size_t(cursor)];
        const QPointF at = PointPlace(model, point, plot);
        painter.setPen(QPen(Ink, look.Line, Qt::DotLine));
        painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
        painter.setPen(QPen(Ink, look.Line * 1.5));
        painter.drawEllipse(at, look.Point * 2.4, look.Point * 2.4);
    }
    // the legend, in the title's line on the right
    double x = area.right() - look.RightMargin / 2;
    const double y = area.top() + (look.TopMargin - 14 - metrics.height()) / 2;
    for (const auto& [kind, caption] : {std::pair(2, "pozostałe"), std::pair(1, "metale alkaliczne"), std::pair(0, "gazy szlachetne")}) {
        const QString text = QString::fromUtf8(caption);
        x -= metrics.horizontalAdvance(text);
        painter.setPen(Ink);
        painter.drawText(QRectF(x, y, metrics.horizontalAdvance(text) + 2, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
        PlotPoint sample;
        sample.NobleGas = kind == 0;
        sample.AlkaliMetal = kind == 1;
        painter.setPen(Qt::NoPen);
        Marker(painter, QPointF(x - look.Point * 2, y + metrics.height() / 2), sample, look.Point);
        x -= look.Point * 4 + 10;
    }
    painter.restore();
}
