// SPDX-License-Identifier: GPL-3.0-or-later
#include "TablePage.h"

#include "PrintFonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The page is laid out in tenths of a millimetre of a 277 x 190 mm area: A4 landscape inside
// margins of 10 mm.
constexpr double Width = 2770, Height = 1900;
constexpr double TitleHeight = 80, NumbersHeight = 50, PeriodColumn = 60, FRowsGap = 40;
constexpr double TileWidth = (Width - PeriodColumn) / 18, TileHeight = 180;

QRectF Cell(int column, int row)
{
    const double top = TitleHeight + NumbersHeight + (row - 1) * TileHeight + (row >= 8 ? FRowsGap : 0);
    return QRectF(PeriodColumn + (column - 1) * TileWidth, top, TileWidth, TileHeight);
}

// Text in a box, its font made smaller until it fits the width.
void FitText(QPainter& painter, const QRectF& box, const QString& text, QFont font, Qt::Alignment align)
{
    const double wanted = font.pixelSize();
    for (int size = int(wanted); size > 10; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= box.width())
            break;
    }
    painter.setFont(font);
    painter.drawText(box, int(align), text);
}

void PaintTile(QPainter& painter, const PrintedTile& tile)
{
    const QRectF cell = Cell(tile.Column, tile.Row).adjusted(2, 2, -2, -2);
    painter.setPen(QPen(QColor(90, 90, 90), 2));
    painter.setBrush(tile.Background);
    painter.drawRect(cell);
    painter.setPen(TextOn(tile.Background));
    const QRectF inner = cell.adjusted(8, 6, -8, -6);
    FitText(painter, QRectF(inner.left(), inner.top(), inner.width(), 32), QString::number(tile.Number), PrintFont(28),
            Qt::AlignLeft | Qt::AlignTop);
    FitText(painter, QRectF(inner.left(), inner.top() + 30, inner.width(), 60), tile.Symbol, PrintFont(52, true),
            Qt::AlignHCenter | Qt::AlignVCenter);
    FitText(painter, QRectF(inner.left(), inner.top() + 94, inner.width(), 30), tile.Name, PrintFont(24),
            Qt::AlignHCenter | Qt::AlignVCenter);
    if (!tile.Weight.isEmpty())
        FitText(painter, QRectF(inner.left(), inner.top() + 126, inner.width(), 30), tile.Weight, PrintFont(22),
                Qt::AlignHCenter | Qt::AlignVCenter);
}

void PaintNumbers(QPainter& painter, const TablePicture& table)
{
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(30, true));
    for (int column = 1; column <= 18; ++column) {
        int top = 8;
        for (const PrintedTile& tile : table.Tiles)
            if (tile.Column == column && tile.Row <= 7)
                top = std::min(top, tile.Row);
        if (top <= 7) {
            const QRectF cell = Cell(column, top);
            painter.drawText(QRectF(cell.left(), cell.top() - NumbersHeight, cell.width(), NumbersHeight), Qt::AlignCenter,
                             QString::number(column));
        }
    }
    for (int row = 1; row <= 7; ++row) {
        const QRectF cell = Cell(1, row);
        painter.drawText(QRectF(0, cell.top(), PeriodColumn - 10, cell.height()), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(row));
    }
    for (const auto& [row, caption] : {std::pair(8, "Lantanowce"), std::pair(9, "Aktynowce")}) {
        const QRectF first = Cell(4, row);
        painter.drawText(QRectF(0, first.top(), first.left() - 20, first.height()), Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromUtf8(caption));
    }
}

// The legend in the gap above the d block (groups 3 to 12, periods 1 to 3).
void PaintLegend(QPainter& painter, const PrintedLegend& legend)
{
    if (legend.Title.isEmpty())
        return;
    const QRectF gap = Cell(3, 1).united(Cell(12, 3)).adjusted(20, 10, -20, -NumbersHeight - 10);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(gap);
    double y = gap.top() + 20;
    painter.setFont(PrintFont(34, true));
    painter.drawText(QRectF(gap.left() + 24, y, gap.width() - 48, 44), Qt::AlignLeft | Qt::AlignVCenter, legend.Title);
    y += 50;
    if (!legend.Setting.isEmpty()) {
        painter.setFont(PrintFont(30));
        painter.drawText(QRectF(gap.left() + 24, y, gap.width() - 48, 40), Qt::AlignLeft | Qt::AlignVCenter, legend.Setting);
        y += 46;
    }
    // the entries in two columns when they do not fit one
    const double line = 44;
    const int perColumn = std::max(1, int((gap.bottom() - 16 - y) / line));
    const double columnWidth = (gap.width() - 48) / 2;
    for (std::size_t k = 0; k < legend.Entries.size(); ++k) {
        const double x = gap.left() + 24 + (int(k) / perColumn) * columnWidth;
        const double top = y + (int(k) % perColumn) * line;
        painter.setPen(QPen(QColor(90, 90, 90), 2));
        painter.setBrush(legend.Entries[k].first);
        painter.drawRect(QRectF(x, top + 4, 36, 36));
        painter.setPen(Qt::black);
        FitText(painter, QRectF(x + 50, top, columnWidth - 60, 44), legend.Entries[k].second, PrintFont(28),
                Qt::AlignLeft | Qt::AlignVCenter);
    }
}

} // namespace

QColor TextOn(const QColor& background)
{
    // the relative luminance of sRGB: white reads better below the middle one of black and white
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const double luminance = 0.2126 * linear(background.redF()) + 0.7152 * linear(background.greenF()) +
                             0.0722 * linear(background.blueF());
    return (luminance + 0.05) / 0.05 >= 1.05 / (luminance + 0.05) ? Qt::black : Qt::white;
}

void PaintTablePage(QPainter& painter, const QRectF& area, const TablePicture& table)
{
    painter.save();
    painter.translate(area.topLeft());
    const double scale = std::min(area.width() / Width, area.height() / Height);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(60, true));
    painter.drawText(QRectF(0, 0, Width, TitleHeight - 10), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Układ okresowy pierwiastków"));
    for (const PrintedTile& tile : table.Tiles)
        PaintTile(painter, tile);
    PaintNumbers(painter, table);
    PaintLegend(painter, table.Legend);
    painter.restore();
}
