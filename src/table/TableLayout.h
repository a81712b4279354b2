// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <array>

// Where the 118 element tiles and the 27 group and period labels stand on the main window: the 111
// of "dane.dat" and the newer elements, copernicium to oganesson, in period 7 after roentgenium.

struct TileCell {
    int Number;          // the tile's number: Panel1 ... Panel118
    const char* Symbol;  // its caption
    int Column;          // 1 to 18
    int Row;             // 1 to 7 the periods, 8 the lanthanides, 9 the actinides
};

constexpr int TileCount = 118;
constexpr int TileWidth = 33;
constexpr int TileHeight = 41;

// The tiles in number order (TileCells()[k - 1] is tile k).
const std::array<TileCell, TileCount>& TileCells();

// The number of the tile in the cell, or 0 when the cell names no tile (any column or row
// outside the grid included).
int TileAt(int column, int row);

// A move over the table from the keyboard: the arrow keys, Home and End.
enum class TileStep { Left, Right, Up, Down, RowStart, RowEnd };
// The tile the move leads to from a tile, over the grid as the eye reads it: past gaps to the next
// tile of the row or column, the rows of lanthanides and actinides below group 3 (Down from Y
// reaches La, Up from La returns to Y); the same tile at an edge. Tiles numbered above the last one
// shown are gaps.
int StepFrom(int tile, TileStep step, int last = TileCount);

// The tile's top-left corner on the form surface.
QPoint TileOrigin(int column, int row);

struct LabelPlace {
    const char* Name;
    const char* Caption;
    QRect Geometry;
    bool RightAligned;
};

const std::array<LabelPlace, 27>& LabelPlaces();
