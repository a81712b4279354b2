// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColouringRules.h"

#include <QString>

#include <optional>
#include <vector>

// The colourings by a figure of the elements: every tile with a value takes its place on a
// continuous scale from the smallest value to the largest, read off viridis (dark violet through
// teal to yellow), whose lightness rises evenly along it, so that the order reads in grey and for
// colour-blind learners alike.

struct PropertyScale {
    const char* Caption;   // the legend's title: the figure and its unit
    const char* Unit;      // after each value of the legend
    bool Logarithmic;      // for figures spanning orders of magnitude
};

const PropertyScale& ScaleOf(Colouring colouring);
bool IsScale(Colouring colouring);

// A tile's value; none for an element nobody has measured.
struct TileValue {
    int Column;
    int Row;
    std::optional<double> Value;
};

struct ScaleColouring {
    std::vector<TilePaint> Paints;     // only tiles with a value
    std::vector<TColor> TextColours;   // for each paint: black or white, whichever contrasts more
    std::vector<LegendEntry> Legend;   // six steps, the smallest and the largest value at the ends,
                                       // and "brak danych" when a tile has no value
    QString Caption;
};

// "gęstość 7,874 g/cm³": the figure of a tile as a reader says it, with the user's decimal
// separator; "brak danych" without one.
QString FigureWords(const PropertyScale& scale, std::optional<double> value);

// The figure alone, as a tile on paper shows it: "3,44", "-38,83"; "—" without one.
QString FigureNumber(std::optional<double> value);

// The colour at a place along the scale, 0 to 1.
TColor ViridisAt(double place);

// The tiles' colours and the legend, its figures with the user's decimal separator: the smallest
// and the largest value to six significant digits, the four steps between to three.
ScaleColouring ColourByScale(const PropertyScale& scale, const std::vector<TileValue>& values);
