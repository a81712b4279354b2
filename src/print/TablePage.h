// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDate>
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
    QString Figure;  // under a colouring by a figure: "3,44", or "—" without one; else empty
    QColor Background;
    bool Plain = false;  // left in the table's neutral colour
};

struct PrintedLegendEntry {
    QColor Colour;
    QString Text;
    bool Plain = false;  // the plain tiles': "brak danych"
};

struct PrintedLegend {
    QString Title;    // empty when the table shows no legend
    QString Setting;  // a view's: "Temperatura: 20 °C"
    std::vector<PrintedLegendEntry> Entries;
    bool Shades = false;  // shades along a scale (a figure, the atom count), not kinds
    QString FigureName;   // the figure on the tiles, as the key names it: "elektroujemność (skala Paulinga)"
};

struct TablePicture {
    std::vector<PrintedTile> Tiles;
    PrintedLegend Legend;
    QString Edition;  // "Układ Okresowy 1.3.0"
    QDate Printed;
};

// On paper in colour, as the screen shows the table, or for a black-and-white printer: kinds told
// apart by patterns and letter codes, scales as a ramp of greys.
enum class Ink { Colour, Grey };

// The sources of the figures the table and the card print, for their footers.
QString FigureSources();

// The title, the table, its key and its footer drawn as vectors across the area's width (the page
// inside its margins, in the painter's units): tiles in their fills with the text black or white,
// whichever reads better, the figure of a colouring by a figure on every tile, group and period
// numbers, the blocks named above them, the places of the lanthanides and actinides, the rows of
// both, the key tile and the legend above the d block, and the sources, edition and date below.
void PaintTablePage(QPainter& painter, const QRectF& area, const TablePicture& table, Ink ink);
