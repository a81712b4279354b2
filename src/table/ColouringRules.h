// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "ElementTable.h"

#include <QString>

#include <cstdint>
#include <vector>

// The colourings of the menu "Kolorowanie" as data: which tile takes which colour, the legend
// that explains the colours, the steps the window takes around the painting, and the colour that
// marks the element chosen for the information window.

enum class Colouring {
    None, MetalsAndNonMetals, MetalKinds, NonMetalKinds, AtomCount,
    // by a figure of the elements, on a continuous scale (PropertyScales.h)
    AtomicWeight, Electronegativity, Density, AtomicRadius, IonisationEnergy, MeltingPoint,
};

struct LegendEntry {
    TColor Color;
    QString Text;
};

// The entry for tiles left plain because their element has no figure: "brak danych".
LegendEntry NoFigureEntry();

struct ColouringRules {
    bool StopsAnimations;              // the three views' timers stop and their check boxes clear
    bool HidesLegend;                  // the legend is hidden before it is filled again
    bool ClearsTable;                  // every tile turns plain before the painting
    std::vector<LegendEntry> Legend;   // entries 1 to k; none: the legend stays hidden
    TColor Mark;                       // the chosen element's tile
};

const ColouringRules& RulesOf(Colouring colouring);

// A tile's colour, addressed by its cell (column 1 to 18, row 1 to 9).
struct TilePaint {
    int Column;
    int Row;
    TColor Color;
};

// The tiles the colouring paints, in painting order; tiles it leaves out stay as the clearing left
// them. The atom count paints each record of the table at the record's own cell.
std::vector<TilePaint> PaintsOf(Colouring colouring, const ElementTable& table);

// What the colourings by kind make of the element, in the singular: "metal alkaliczny",
// "gaz szlachetny", "lantanowiec"; for the newer elements followed by "(właściwości przewidywane)";
// empty for a symbol not on the table.
QString KindOf(const QString& symbol);
// What a tile's colour says under a colouring by kind, in the words a reader adds to the tile's
// name: "metal", "gaz szlachetny", "pierwiastek wybrany"; empty for a colour the colouring does not
// give and for the colourings that say nothing by kind.
QString ColourMeaning(Colouring colouring, TColor colour);

// The red shade of an element in the atom-count colourings: RGB(255 - a, 0, 0), a being the low
// byte of the atomic number, the subtraction done in 8 bits.
TColor AtomCountShade(std::int32_t atomicNumber);

// The legend of the atom counts for the table: as the rules give it, its last entry naming the 118
// elements once the newer ones are taken in.
std::vector<LegendEntry> AtomCountLegendFor(const ElementTable& table);

// The first n records of the table, each at its own cell in its red shade (the whole table for the
// colouring, a count of them for the view "Liczba atomów").
std::vector<TilePaint> AtomCountPaints(const ElementTable& table, std::int32_t n);
