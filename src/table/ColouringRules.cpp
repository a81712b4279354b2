// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColouringRules.h"

#include "TableLayout.h"

#include <QStringList>

#include <algorithm>
#include <span>
#include <string_view>

namespace {

constexpr TColor MarkColor = 0x0000C8;

// The symbols of the elements a class names; empty where the class is decided by the cells.
using Symbols = std::span<const std::string_view>;

// The newer elements as school tables print them, by their groups: their properties are predicted.
constexpr std::string_view NonMetals[] = {"H", "He", "C", "N", "O", "F", "Ne", "P", "S", "Cl", "Ar", "Se", "Br", "Kr", "I", "Xe", "At", "Rn", "Ts", "Og"};
// the semimetals, which one colouring calls semiconductors and the other metalloids
constexpr std::string_view Semimetals[] = {"B", "Si", "Ge", "As", "Sb", "Te", "Po"};
constexpr std::string_view AlkaliMetals[] = {"Li", "Na", "K", "Rb", "Cs", "Fr"};
constexpr std::string_view AlkalineEarthMetals[] = {"Be", "Mg", "Ca", "Sr", "Ba", "Ra"};
constexpr std::string_view PostTransitionMetals[] = {"Al", "Ga", "In", "Sn", "Tl", "Pb", "Bi", "Nh", "Fl", "Mc", "Lv"};
constexpr std::string_view OtherNonMetals[] = {"H", "C", "N", "O", "P", "S", "Se"};
constexpr std::string_view Halogens[] = {"F", "Cl", "Br", "I", "At", "Ts"};
constexpr std::string_view NobleGases[] = {"He", "Ne", "Ar", "Kr", "Xe", "Rn", "Og"};

struct ElementClass {
    TColor Color;
    const char* Legend;  // empty: the class has no legend entry
    Symbols Members;
    const char* Member = "";  // one element of the class, as the information window names its kind
};

const ElementClass MetalsAndNonMetals[] = {
    {0xE97501, "Metale", {}, "metal"},  // every tile the next two leave
    {0x53D771, "Niemetale", NonMetals, "niemetal"},
    {0x45C4FA, "Półprzewodniki", Semimetals, "półprzewodnik"},
};

const ElementClass MetalKinds[] = {
    {0x82B0FD, "Metale alkaliczne", AlkaliMetals, "metal alkaliczny"},
    {0x82EEFD, "Metale ziem alkalicznych", AlkalineEarthMetals, "metal ziem alkalicznych"},
    {0xD0F18D, "Metale przejściowe", {}, "metal przejściowy"},  // columns 3 to 12 of rows 4 to 7
    {0xCCB9B0, "Metale grup głównych", PostTransitionMetals, "metal grup głównych"},
    {0x6DB6B6, "Metaloidy", Semimetals, "metaloid (półmetal)"},
};
const ElementClass& TransitionMetals = MetalKinds[2];
const ElementClass LanthanideRow = {0xFD82E8, "", {}, "lantanowiec"};
const ElementClass ActinideRow = {0xFC3DDB, "", {}, "aktynowiec"};

const ElementClass NonMetalKinds[] = {
    {0x99FFCA, "Niemetale", OtherNonMetals, "niemetal"},
    {0x9AEAFE, "Halogeny", Halogens, "halogen"},
    {0xFEDB9A, "Gazy szlachetne", NobleGases, "gaz szlachetny"},
};

// The legend of "Liczba atomów": the table itself has one shade per element.
const ElementClass AtomCountLegend[] = {
    {0x0000FE, "Liczebność atomów = 1", {}}, {0x0000E5, ".", {}}, {0x0000CD, "..", {}},
    {0x0000B5, "...", {}}, {0x0000A3, "....", {}}, {0x000092, "Liczebność atomów = 109", {}},
};

bool IsIn(const ElementClass& kind, const TileCell& cell)
{
    return std::ranges::find(kind.Members, std::string_view(cell.Symbol)) != kind.Members.end();
}

template <std::size_t N>
std::vector<LegendEntry> LegendOf(const ElementClass (&classes)[N])
{
    std::vector<LegendEntry> legend;
    for (const ElementClass& kind : classes)
        legend.push_back({kind.Color, QString::fromUtf8(kind.Legend)});
    return legend;
}

// The class a tile belongs to in a colouring painted by class, or none.
const ElementClass* ClassOf(Colouring colouring, const TileCell& cell)
{
    switch (colouring) {
    case Colouring::MetalsAndNonMetals:
        for (const ElementClass* kind : {&MetalsAndNonMetals[1], &MetalsAndNonMetals[2]})
            if (IsIn(*kind, cell))
                return kind;
        return &MetalsAndNonMetals[0];
    case Colouring::MetalKinds:
        if (cell.Row == 8)
            return &LanthanideRow;
        if (cell.Row == 9)
            return &ActinideRow;
        if (cell.Column >= 3 && cell.Column <= 12 && cell.Row >= 4)
            return &TransitionMetals;
        for (const ElementClass& kind : MetalKinds)
            if (IsIn(kind, cell))
                return &kind;
        return nullptr;
    case Colouring::NonMetalKinds:
        for (const ElementClass& kind : NonMetalKinds)
            if (IsIn(kind, cell))
                return &kind;
        return nullptr;
    default: break;  // painted by other rules
    }
    return nullptr;
}

} // namespace

LegendEntry NoFigureEntry()
{
    return {clBtnFace, QStringLiteral("brak danych")};
}

const ColouringRules& RulesOf(Colouring colouring)
{
    static const ColouringRules none = {false, true, true, {}, MarkColor};
    static const ColouringRules metalsAndNonMetals = {true, true, false, LegendOf(MetalsAndNonMetals), MarkColor};
    static const ColouringRules metalKinds = {true, true, true, LegendOf(MetalKinds), MarkColor};
    static const ColouringRules nonMetalKinds = {true, true, true, LegendOf(NonMetalKinds), MarkColor};
    // among the red shades the chosen element is the one plain tile
    static const ColouringRules atomCount = {true, false, true, LegendOf(AtomCountLegend), clBtnFace};
    // a scale's legend follows the figures (PropertyScales.h); the chosen element plain, as above
    static const ColouringRules scale = {true, false, true, {}, clBtnFace};
    switch (colouring) {
    case Colouring::MetalsAndNonMetals: return metalsAndNonMetals;
    case Colouring::MetalKinds: return metalKinds;
    case Colouring::NonMetalKinds: return nonMetalKinds;
    case Colouring::AtomCount: return atomCount;
    case Colouring::None: break;
    default: return scale;
    }
    return none;
}

std::vector<TilePaint> PaintsOf(Colouring colouring, const ElementTable& table)
{
    if (colouring == Colouring::AtomCount)
        return AtomCountPaints(table, table.Last());
    std::vector<TilePaint> paints;
    for (const TileCell& cell : std::span(TileCells()).first(std::size_t(table.Last())))
        if (const ElementClass* kind = ClassOf(colouring, cell))
            paints.push_back({cell.Column, cell.Row, kind->Color});
    return paints;
}

QString ColourMeaning(Colouring colouring, TColor colour)
{
    const auto in = [&](const auto& classes) -> QString {
        for (const ElementClass& kind : classes)
            if (kind.Color == colour)
                return QString::fromUtf8(kind.Member);
        return {};
    };
    if (colour == MarkColor && RulesOf(colouring).Mark == MarkColor)
        return QStringLiteral("pierwiastek wybrany");
    switch (colouring) {
    case Colouring::MetalsAndNonMetals: return in(MetalsAndNonMetals);
    case Colouring::MetalKinds: {
        const QString found = in(MetalKinds);
        if (!found.isEmpty())
            return found;
        return colour == LanthanideRow.Color ? QString::fromUtf8(LanthanideRow.Member)
               : colour == ActinideRow.Color ? QString::fromUtf8(ActinideRow.Member)
                                             : QString();
    }
    case Colouring::NonMetalKinds: return in(NonMetalKinds);
    default: return {};
    }
}

QString KindOf(const QString& symbol)
{
    for (const TileCell& cell : TileCells())
        if (QLatin1String(cell.Symbol) == symbol) {
            const ElementClass* kind = ClassOf(Colouring::MetalKinds, cell);
            if (!kind)
                kind = ClassOf(Colouring::NonMetalKinds, cell);
            if (!kind)
                return {};
            // the newer elements' kinds follow their groups: no chemistry of theirs says more yet
            const bool predicted = cell.Number > ElementTable::FileCount;
            return QString::fromUtf8(kind->Member) + (predicted ? QStringLiteral(" (właściwości przewidywane)") : QString());
        }
    return {};
}

TColor AtomCountShade(std::int32_t atomicNumber)
{
    const auto a = std::uint8_t(atomicNumber & 0xFF);
    return RGBToColor(std::uint8_t(255 - a), 0, 0);
}

std::vector<LegendEntry> AtomCountLegendFor(const ElementTable& table)
{
    std::vector<LegendEntry> legend = RulesOf(Colouring::AtomCount).Legend;
    if (table.Last() > ElementTable::FileCount)
        legend.back().Text = QStringLiteral("Liczebność atomów = %1").arg(table.Last());
    return legend;
}

std::vector<TilePaint> AtomCountPaints(const ElementTable& table, std::int32_t n)
{
    std::vector<TilePaint> paints;
    for (int i = 1; i <= table.Last() && i <= n; ++i)
        paints.push_back({table[i].TableColumn, table[i].TableRow, AtomCountShade(table[i].AtomicNumber)});
    return paints;
}
