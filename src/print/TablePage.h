// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <vector>

class QPainter;
class QRectF;

// The table as it shows at one moment, for paper: each tile with its texts and colours, and the
// legend with its title, a view's setting and its entries.
struct PrintedTile {
    int Column = 0;  // 1 to 18
    int Row = 0;     // 1 to 7 the periods, 8 the lanthanides, 9 the actinides
    int Number = 0;
    QString Symbol, Name;
    QString Weight;  // empty without the figures' file
    QColor Background;
};

struct PrintedLegend {
    QString Title;    // empty when the table shows no legend
    QString Setting;  // a view's: "Temperatura: 20 °C"
    std::vector<std::pair<QColor, QString>> Entries;
};

struct TablePicture {
    std::vector<PrintedTile> Tiles;
    PrintedLegend Legend;
};

// The title and the table drawn as vectors to fill the area (the page inside its margins, in the
// painter's units): tiles in their colours with the text black or white, whichever reads better,
// group and period numbers, the rows of lanthanides and actinides, the legend above the d block.
void PaintTablePage(QPainter& painter, const QRectF& area, const TablePicture& table);

// The text colour that reads better on the background: black or white.
QColor TextOn(const QColor& background);
