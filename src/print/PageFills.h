// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TablePage.h"

#include <QColor>
#include <QString>

#include <vector>

// How each tile and each legend entry is filled on paper. In colour, as the screen shows them. In
// grey, for a black-and-white printer, where the screen's colours of kinds turn into nearly the
// same grey: the k-th kind of a legend takes the k-th fill of a fixed list (a grey with its own
// pattern of lines or dots) and the letter code A, B, C…, which the tiles of that kind carry too;
// shades along a scale take a grey as light as the colour itself (the scales' colours grow
// lighter along them, so their order holds); tiles without a figure, where the legend names them,
// are white with dots, apart from any shade; other plain tiles are white.

enum class Hatch { None, Diagonal, BackDiagonal, Cross, Horizontal, Vertical, Dots };

struct Fill {
    QColor Background;
    Hatch Pattern = Hatch::None;
    QString Code;  // the kind's letter, in grey only
};

struct PageFills {
    std::vector<Fill> Tiles;   // one per tile of the picture, in its order
    std::vector<Fill> Legend;  // one per legend entry
};

PageFills FillsOf(const TablePicture& table, Ink ink);

// The grey as light as the colour (CIE lightness), kept between a dark and a light grey that both
// carry black or white text.
QColor GreyOf(const QColor& colour);

// The text colour that reads better on the background: black or white.
QColor TextOn(const QColor& background);

// The pattern's lines or dots over a filled rectangle, in a darker grey than its fill.
void PaintHatch(QPainter& painter, const QRectF& box, const Fill& fill);
