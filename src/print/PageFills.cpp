// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFills.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The fills of kinds in grey, in legend order: each grey and pattern apart from every other, all
// light enough for black text.
constexpr std::array<std::pair<int, Hatch>, 7> KindFills = {{
    {236, Hatch::Diagonal},
    {202, Hatch::Dots},
    {255, Hatch::Cross},
    {168, Hatch::None},
    {218, Hatch::Horizontal},
    {184, Hatch::BackDiagonal},
    {250, Hatch::Vertical},
}};

// The pattern's spacing and line width, in the page's tenths of a millimetre.
constexpr double Spacing = 24, LineWidth = 3, DotRadius = 4.5;

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

Fill KindFill(std::size_t kind)
{
    const auto& [grey, pattern] = KindFills[kind % KindFills.size()];
    return {QColor(grey, grey, grey), pattern, QString(QChar(u'A' + int(kind)))};
}

const Fill NoFigure = {Qt::white, Hatch::Dots, {}};

Fill Solid(const QColor& colour)
{
    return {colour, Hatch::None, {}};
}

} // namespace

QColor GreyOf(const QColor& colour)
{
    const double y = Luminance(colour);
    const double lightness = y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : y * 24389.0 / 27;  // CIE L*, 0 to 100
    const int grey = std::clamp(int(std::lround(40 + lightness * 1.95)), 40, 235);
    return QColor(grey, grey, grey);
}

QColor TextOn(const QColor& background)
{
    // white reads better below the middle one of black and white
    const double luminance = Luminance(background);
    return (luminance + 0.05) / 0.05 >= 1.05 / (luminance + 0.05) ? Qt::black : Qt::white;
}

PageFills FillsOf(const TablePicture& table, Ink ink)
{
    PageFills fills;
    const auto& entries = table.Legend.Entries;
    if (ink == Ink::Colour) {
        for (const PrintedTile& tile : table.Tiles)
            fills.Tiles.push_back(Solid(tile.Background));
        for (const PrintedLegendEntry& entry : entries)
            fills.Legend.push_back(Solid(entry.Colour));
        return fills;
    }
    std::size_t kinds = 0;
    for (const PrintedLegendEntry& entry : entries) {
        if (entry.Plain)
            fills.Legend.push_back(NoFigure);
        else if (table.Legend.Shades)
            fills.Legend.push_back(Solid(GreyOf(entry.Colour)));
        else
            fills.Legend.push_back(KindFill(kinds++));
    }
    for (const PrintedTile& tile : table.Tiles) {
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const PrintedLegendEntry& e) {
            return e.Colour == tile.Background && e.Plain == tile.Plain;
        });
        if (entry != entries.end())
            fills.Tiles.push_back(fills.Legend[std::size_t(entry - entries.begin())]);
        else if (tile.Plain)
            fills.Tiles.push_back(Solid(Qt::white));
        else
            fills.Tiles.push_back(Solid(GreyOf(tile.Background)));
    }
    return fills;
}

void PaintHatch(QPainter& painter, const QRectF& box, const Fill& fill)
{
    if (fill.Pattern == Hatch::None)
        return;
    const int grey = std::max(0, qGray(fill.Background.rgb()) - 110);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setPen(fill.Pattern == Hatch::Dots ? Qt::NoPen : QPen(QColor(grey, grey, grey), LineWidth, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(fill.Pattern == Hatch::Dots ? QBrush(QColor(grey, grey, grey)) : QBrush(Qt::NoBrush));
    QPainterPath path;
    const double size = box.width() + box.height();
    for (double d = Spacing / 2; d < size; d += Spacing) {
        switch (fill.Pattern) {
        case Hatch::Diagonal:
            path.moveTo(box.left() + d, box.top());
            path.lineTo(box.left() + d - box.height(), box.bottom());
            break;
        case Hatch::BackDiagonal:
            path.moveTo(box.right() - d, box.top());
            path.lineTo(box.right() - d + box.height(), box.bottom());
            break;
        case Hatch::Cross:
            path.moveTo(box.left() + d, box.top());
            path.lineTo(box.left() + d - box.height(), box.bottom());
            path.moveTo(box.right() - d, box.top());
            path.lineTo(box.right() - d + box.height(), box.bottom());
            break;
        case Hatch::Horizontal:
            if (d < box.height()) {
                path.moveTo(box.left(), box.top() + d);
                path.lineTo(box.right(), box.top() + d);
            }
            break;
        case Hatch::Vertical:
            if (d < box.width()) {
                path.moveTo(box.left() + d, box.top());
                path.lineTo(box.left() + d, box.bottom());
            }
            break;
        case Hatch::Dots:
            // in rows shifted by half a step, so that they read as dots and not as lines
            if (d < box.height())
                for (double x = Spacing / 2 + (int(d / Spacing) % 2) * Spacing / 2; x < box.width(); x += Spacing)
                    path.addEllipse(QPointF(box.left() + x, box.top() + d), DotRadius, DotRadius);
            break;
        case Hatch::None: break;
        }
    }
    painter.drawPath(path);
    painter.restore();
}
