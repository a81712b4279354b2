// SPDX-License-Identifier: GPL-3.0-or-later
#include "TablePage.h"

#include "PageFills.h"
#include "PrintFonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The page is laid out in tenths of a millimetre, 277 mm wide (A4 landscape inside margins of
// 10 mm), and scaled to the paper's width: the title, a band naming the s and p blocks, the group
// numbers, seven periods, a band naming the f block, its two rows, and the footer.
constexpr double Width = 2770;
constexpr double TitleHeight = 70, BlockBand = 40, NumbersHeight = 50, FBand = 70, FooterGap = 16, FooterHeight = 58;
constexpr double PeriodColumn = 60, TileWidth = (Width - PeriodColumn) / 18, TileHeight = 176;
constexpr double TableTop = TitleHeight + BlockBand + NumbersHeight;
constexpr double FRowsTop = TableTop + 7 * TileHeight + FBand;
constexpr double FooterTop = FRowsTop + 2 * TileHeight + FooterGap;
constexpr double Height = FooterTop + FooterHeight;

QRectF Cell(int column, int row)
{
    const double top = row >= 8 ? FRowsTop + (row - 8) * TileHeight : TableTop + (row - 1) * TileHeight;
    return QRectF(PeriodColumn + (column - 1) * TileWidth, top, TileWidth, TileHeight);
}

// Text in a box, its font made smaller until it fits the width; over a pattern, on a patch of the
// fill's own grey that keeps the pattern's lines off the letters.
void FitText(QPainter& painter, const QRectF& box, const QString& text, QFont font, Qt::Alignment align, const Fill* under = nullptr)
{
    const double wanted = font.pixelSize();
    for (int size = int(wanted); size > 10; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= box.width())
            break;
    }
    if (under && under->Pattern != Hatch::None) {
        const QRectF ink = QFontMetricsF(font).boundingRect(box, int(align), text);
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(under->Background);
        painter.drawRect(ink.adjusted(-4, 0, 4, 0).intersected(box.adjusted(-4, -2, 4, 2)));
        painter.restore();
    }
    painter.setFont(font);
    painter.drawText(box, int(align), text);
}

// The lines of a tile, in tenths of a millimetre from the top of its inner box: a tile with a
// figure makes room for it below the weight.
struct TileLines {
    double NumberTop, SymbolTop, SymbolHeight, NameTop, WeightTop, FigureTop;
    int SymbolSize, NameSize, WeightSize;
};

TileLines LinesOf(bool withFigure)
{
    return withFigure ? TileLines{0, 24, 50, 74, 101, 127, 44, 22, 20} : TileLines{0, 28, 58, 88, 120, 0, 48, 23, 21};
}

// A tile in the cell: its fill, its number, symbol, name, weight and figure, and in grey its kind's
// letter code in the corner.
void PaintTile(QPainter& painter, const QRectF& cell, const PrintedTile& tile, const Fill& fill)
{
    const QRectF box = cell.adjusted(2, 2, -2, -2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill.Background);
    painter.drawRect(box);
    PaintHatch(painter, box, fill);
    painter.setPen(QPen(QColor(90, 90, 90), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.setPen(TextOn(fill.Background));
    const QRectF inner = box.adjusted(8, 6, -8, -6);
    const TileLines lines = LinesOf(!tile.Figure.isEmpty());
    const auto line = [&](double top, double height) { return QRectF(inner.left(), inner.top() + top, inner.width(), height); };
    FitText(painter, line(lines.NumberTop, 30), QString::number(tile.Number), PrintFont(26), Qt::AlignLeft | Qt::AlignTop, &fill);
    if (!fill.Code.isEmpty())
        FitText(painter, line(lines.NumberTop, 30), fill.Code, PrintFont(28, true), Qt::AlignRight | Qt::AlignTop, &fill);
    FitText(painter, line(lines.SymbolTop, lines.SymbolHeight), tile.Symbol, PrintFont(lines.SymbolSize, true), Qt::AlignCenter, &fill);
    FitText(painter, line(lines.NameTop, 28), tile.Name, PrintFont(lines.NameSize), Qt::AlignCenter, &fill);
    if (!tile.Weight.isEmpty())
        FitText(painter, line(lines.WeightTop, 26), tile.Weight, PrintFont(lines.WeightSize), Qt::AlignCenter, &fill);
    if (!tile.Figure.isEmpty())
        FitText(painter, line(lines.FigureTop, 30), tile.Figure, PrintFont(24, true), Qt::AlignCenter, &fill);
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

// A block named over its columns: a bracket with the name in its middle.
void PaintBlock(QPainter& painter, int firstColumn, int lastColumn, double top, const QString& name)
{
    const double left = Cell(firstColumn, 1).left() + 10, right = Cell(lastColumn, 1).right() - 10;
    const double y = top + BlockBand / 2 + 4;
    painter.setFont(PrintFont(26, true));
    const double label = QFontMetricsF(painter.font()).horizontalAdvance(name) + 24;
    const double middle = (left + right) / 2;
    painter.setPen(QPen(QColor(60, 60, 60), 2.5));
    QPainterPath bracket;
    bracket.moveTo(left, y + 12);
    bracket.lineTo(left, y);
    bracket.lineTo(middle - label / 2, y);
    bracket.moveTo(middle + label / 2, y);
    bracket.lineTo(right, y);
    bracket.lineTo(right, y + 12);
    painter.drawPath(bracket);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(middle - label / 2, top, label, BlockBand), Qt::AlignCenter, name);
}

void PaintBlocks(QPainter& painter)
{
    PaintBlock(painter, 1, 2, TitleHeight, QStringLiteral("blok s"));
    PaintBlock(painter, 13, 18, TitleHeight, QStringLiteral("blok p"));
    PaintBlock(painter, 3, 12, Cell(3, 4).top() - NumbersHeight - BlockBand, QStringLiteral("blok d"));
    PaintBlock(painter, 4, 18, Cell(4, 7).bottom() + (FBand - BlockBand) / 2, QStringLiteral("blok f"));
}

// Group 3's cells of periods 6 and 7: the atomic numbers of the rows below, with an arrow to them.
void PaintFRowPlaces(QPainter& painter)
{
    for (const auto& [row, numbers, name] : {std::tuple(6, "57–71", "lantanowce"), std::tuple(7, "89–103", "aktynowce")}) {
        const QRectF box = Cell(3, row).adjusted(2, 2, -2, -2);
        painter.setPen(QPen(QColor(90, 90, 90), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.setPen(Qt::black);
        const QRectF inner = box.adjusted(8, 6, -8, -6);
        FitText(painter, QRectF(inner.left(), inner.top() + 20, inner.width(), 44), QString::fromUtf8(numbers), PrintFont(32, true),
                Qt::AlignCenter);
        FitText(painter, QRectF(inner.left(), inner.top() + 66, inner.width(), 30), QString::fromUtf8(name), PrintFont(22),
                Qt::AlignCenter);
        const double x = inner.center().x(), top = inner.top() + 104, bottom = inner.bottom() - 4;
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
        QPainterPath head;
        head.moveTo(x - 12, bottom - 16);
        head.lineTo(x, bottom);
        head.lineTo(x + 12, bottom - 16);
        painter.drawPath(head);
    }
}

// The key: iron's tile drawn larger, each of its lines named beside it.
void PaintKey(QPainter& painter, const TablePicture& table, const PageFills& fills)
{
    const auto iron = std::find_if(table.Tiles.begin(), table.Tiles.end(), [](const PrintedTile& t) { return t.Symbol == QLatin1String("Fe"); });
    if (iron == table.Tiles.end())
        return;
    const PrintedTile& tile = *iron;
    const Fill& fill = fills.Tiles[std::size_t(iron - table.Tiles.begin())];
    constexpr double Scale = 1.25;
    const QRectF area(Cell(3, 1).left() + 10, Cell(3, 1).top() + 10, 3 * TileWidth - 20, 0);
    const QRectF key(area.left(), area.top() + 36, TileWidth * Scale, TileHeight * Scale);
    painter.save();
    painter.translate(key.topLeft());
    painter.scale(Scale, Scale);
    PaintTile(painter, QRectF(0, 0, TileWidth, TileHeight), tile, fill);
    painter.restore();

    const TileLines lines = LinesOf(!tile.Figure.isEmpty());
    // the middle of a line of the tile, in the page's units
    const auto middle = [&](double top, double height) { return key.top() + (2 + 6 + top + height / 2) * Scale; };
    std::vector<std::pair<double, QString>> labels = {{middle(lines.NumberTop, 30), QStringLiteral("liczba atomowa")},
                                                      {middle(lines.SymbolTop, lines.SymbolHeight), QStringLiteral("symbol")},
                                                      {middle(lines.NameTop, 28), QStringLiteral("nazwa")}};
    if (!tile.Weight.isEmpty())
        labels.emplace_back(middle(lines.WeightTop, 26), QStringLiteral("masa atomowa, u"));
    if (!tile.Figure.isEmpty())
        labels.emplace_back(middle(lines.FigureTop, 30), table.Legend.FigureName);
    const double textLeft = key.right() + 26;
    painter.setFont(PrintFont(22));
    for (const auto& [y, text] : labels) {
        painter.setPen(QPen(QColor(60, 60, 60), 2));
        painter.drawLine(QPointF(key.right() + 4, y), QPointF(textLeft - 6, y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(textLeft, y - 14, area.right() - textLeft, 120), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    }
    if (!fill.Code.isEmpty()) {
        // the code's corner: named above the tile
        const double x = key.right() - 8 * Scale - 8;
        painter.setPen(QPen(QColor(60, 60, 60), 2));
        painter.drawLine(QPointF(x, area.top() + 30), QPointF(x, key.top() + 6));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(key.left(), area.top() - 4, x + 12 - key.left(), 32), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("kod rodzaju"));
    }
}

// The legend in the gap above the d block, beside the key.
void PaintLegend(QPainter& painter, const PrintedLegend& legend, const std::vector<Fill>& fills, Ink ink)
{
    if (legend.Title.isEmpty())
        return;
    const QRectF gap(Cell(6, 1).left() + 10, Cell(6, 1).top() + 10, 7 * TileWidth - 30,
                     Cell(6, 4).top() - NumbersHeight - BlockBand - 10 - (Cell(6, 1).top() + 10));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRect(gap);
    double y = gap.top() + 14;
    // in grey a legend of colours is one of fills
    const QString title = ink == Ink::Grey && legend.Title == QStringLiteral("Legenda kolorów") ? QStringLiteral("Legenda") : legend.Title;
    FitText(painter, QRectF(gap.left() + 24, y, gap.width() - 48, 44), title, PrintFont(32, true), Qt::AlignLeft | Qt::AlignVCenter);
    y += 46;
    if (!legend.Setting.isEmpty()) {
        FitText(painter, QRectF(gap.left() + 24, y, gap.width() - 48, 40), legend.Setting, PrintFont(28), Qt::AlignLeft | Qt::AlignVCenter);
        y += 42;
    }
    // the entries in two columns when they do not fit one
    const double line = 44;
    const int perColumn = std::max(1, int((gap.bottom() - 10 - y) / line));
    const double columnWidth = (gap.width() - 48) / 2;
    for (std::size_t k = 0; k < legend.Entries.size(); ++k) {
        const double x = gap.left() + 24 + (int(k) / perColumn) * columnWidth;
        const double top = y + (int(k) % perColumn) * line;
        const QRectF swatch(x, top + 4, 60, 36);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fills[k].Background);
        painter.drawRect(swatch);
        PaintHatch(painter, swatch, fills[k]);
        painter.setPen(QPen(QColor(90, 90, 90), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch);
        const QString text = fills[k].Code.isEmpty() ? legend.Entries[k].Text : fills[k].Code + QStringLiteral(" – ") + legend.Entries[k].Text;
        painter.setPen(Qt::black);
        FitText(painter, QRectF(x + 74, top, columnWidth - 84, 44), text, PrintFont(28), Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void PaintFooter(QPainter& painter, const TablePicture& table)
{
    painter.setPen(QPen(QColor(90, 90, 90), 2));
    // a few tenths of a millimetre inside the page's edges, where a printer's smoothing stays too
    constexpr double Inset = 4, EditionWidth = 560;
    painter.drawLine(QPointF(Inset, FooterTop - 6), QPointF(Width - Inset, FooterTop - 6));
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(19));
    painter.drawText(QRectF(Inset, FooterTop, Width - EditionWidth - 40, FooterHeight), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     FigureSources());
    QString edition = table.Edition;
    if (table.Printed.isValid())
        edition += QStringLiteral("\nwydrukowano ") + QLocale(QLocale::Polish).toString(table.Printed, QStringLiteral("d MMMM yyyy"));
    painter.drawText(QRectF(Width - EditionWidth - Inset, FooterTop, EditionWidth, FooterHeight), Qt::AlignRight | Qt::AlignTop, edition);
}

} // namespace

QString FigureSources()
{
    return QStringLiteral("Źródła danych: masy atomowe – IUPAC 2021 (w nawiasach liczba masowa najtrwalszego izotopu, NUBASE2020); "
                          "temperatury topnienia i wrzenia, gęstości – CRC Handbook of Chemistry and Physics, wyd. 97; "
                          "elektroujemność (skala Paulinga), energia jonizacji, lata odkrycia, konfiguracje elektronowe – "
                          "Blue Obelisk Data Repository i NIST Atomic Spectra Database; promienie kowalencyjne – Cordero i in. (2008).");
}

void PaintTablePage(QPainter& painter, const QRectF& area, const TablePicture& table, Ink ink)
{
    const PageFills fills = FillsOf(table, ink);
    painter.save();
    // across the width, or as wide as the height lets it, in the middle
    const double scale = std::min(area.width() / Width, area.height() / Height);
    painter.translate(area.left() + (area.width() - Width * scale) / 2, area.top());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(56, true));
    painter.drawText(QRectF(0, 0, Width, TitleHeight - 6), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Układ okresowy pierwiastków"));
    for (std::size_t k = 0; k < table.Tiles.size(); ++k)
        PaintTile(painter, Cell(table.Tiles[k].Column, table.Tiles[k].Row), table.Tiles[k], fills.Tiles[k]);
    PaintNumbers(painter, table);
    PaintBlocks(painter);
    PaintFRowPlaces(painter);
    PaintKey(painter, table, fills);
    PaintLegend(painter, table.Legend, fills.Legend, ink);
    PaintFooter(painter, table);
    painter.restore();
}
