// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableLayout.h"

#include <initializer_list>

namespace {

struct RowRun {
    int Row;
    int FirstColumn;
    std::initializer_list<const char*> Symbols;  // one per column from the first
};

// The table row by row, in the order the tiles are numbered; Ds and Rg close the numbering of
// "dane.dat", the newer elements after them.
const RowRun Runs[] = {
    {1, 1, {"H"}},
    {1, 18, {"He"}},
    {2, 1, {"Li", "Be"}},
    {2, 13, {"B", "C", "N", "O", "F", "Ne"}},
    {3, 1, {"Na", "Mg"}},
    {3, 13, {"Al", "Si", "P", "S", "Cl", "Ar"}},
    {4, 1, {"K", "Ca", "Sc", "Ti", "V", "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn", "Ga", "Ge", "As", "Se", "Br", "Kr"}},
    {5, 1, {"Rb", "Sr", "Y", "Zr", "Nb", "Mo", "Tc", "Ru", "Rh", "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I", "Xe"}},
    {6, 1, {"Cs", "Ba"}},
    {6, 4, {"Hf", "Ta", "W", "Re", "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn"}},
    {7, 1, {"Fr", "Ra"}},
    {7, 4, {"Rf", "Db", "Sg", "Bh", "Hs", "Mt"}},
    {8, 4, {"La", "Ce", "Pr", "Nd", "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu"}},
    {9, 4, {"Ac", "Th", "Pa", "U", "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr"}},
    {7, 10, {"Ds", "Rg"}},
    {7, 12, {"Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"}},
};

std::array<TileCell, TileCount> BuildCells()
{
    std::array<TileCell, TileCount> cells{};
    int number = 0;
    for (const RowRun& run : Runs) {
        int column = run.FirstColumn;
        for (const char* symbol : run.Symbols) {
            cells[std::size_t(number)] = {number + 1, symbol, column++, run.Row};
            ++number;
        }
    }
    return cells;
}

} // namespace

const std::array<TileCell, TileCount>& TileCells()
{
    static const std::array<TileCell, TileCount> cells = BuildCells();
    return cells;
}

int TileAt(int column, int row)
{
    static const auto grid = [] {
        std::array<std::array<int, 19>, 10> numbers{};
        for (const TileCell& cell : TileCells())
            numbers[std::size_t(cell.Row)][std::size_t(cell.Column)] = cell.Number;
        return numbers;
    }();
    if (column < 1 || column > 18 || row < 1 || row > 9)
        return 0;
    return grid[std::size_t(row)][std::size_t(column)];
}

QPoint TileOrigin(int column, int row)
{
    const int top = row <= 7 ? 80 + 40 * row : (row == 8 ? 408 : 448);
    return QPoint(32 * column, top);
}

const std::array<LabelPlace, 27>& LabelPlaces()
{
    static const std::array<LabelPlace, 27> labels = {{
        {"Label1", "1", QRect(32, 104, 32, 13), false},
        {"Label2", "2", QRect(64, 144, 32, 13), false},
        {"Label3", "3", QRect(96, 224, 32, 13), false},
        {"Label4", "4", QRect(128, 224, 32, 13), false},
        {"Label5", "5", QRect(160, 224, 32, 13), false},
        {"Label6", "6", QRect(192, 224, 32, 13), false},
        {"Label7", "7", QRect(224, 224, 32, 13), false},
        {"Label8", "8", QRect(256, 224, 32, 13), false},
        {"Label9", "9", QRect(288, 224, 32, 13), false},
        {"Label10", "10", QRect(320, 224, 32, 13), false},
        {"Label11", "11", QRect(352, 224, 32, 13), false},
        {"Label12", "12", QRect(384, 224, 32, 13), false},
        {"Label13", "13", QRect(416, 144, 32, 13), false},
        {"Label14", "14", QRect(448, 144, 32, 13), false},
        {"Label15", "15", QRect(480, 144, 32, 13), false},
        {"Label16", "16", QRect(512, 144, 32, 13), false},
        {"Label17", "17", QRect(544, 144, 32, 13), false},
        {"Label18", "18", QRect(576, 104, 32, 13), false},
        {"Label19", "1", QRect(0, 136, 24, 13), true},
        {"Label20", "2", QRect(0, 176, 24, 13), true},
        {"Label22", "3", QRect(0, 216, 24, 13), true},
        {"Label21", "4", QRect(0, 256, 24, 13), true},
        {"Label24", "5", QRect(0, 296, 24, 13), true},
        {"Label23", "6", QRect(0, 336, 24, 13), true},
        {"Label25", "7", QRect(0, 376, 24, 13), true},
        {"Label26", "Lantanowce", QRect(24, 424, 96, 13), true},
        {"Label27", "Aktynowce", QRect(16, 464, 104, 13), true},
    }};
    return labels;
}

int StepFrom(int tile, TileStep step, int last)
{
    if (tile < 1 || tile > last || tile > TileCount)
        return tile;
    const auto TileAt = [last](int column, int row) {
        const int found = ::TileAt(column, row);
        return found <= last ? found : 0;
    };
    const TileCell& from = TileCells()[std::size_t(tile - 1)];
    // the first lanthanide stands for group 3 in periods 6 and 7
    constexpr int Group3 = 3, Lanthanides = 8, FirstFColumn = 4;
    const auto along = [&](int column, int row, int dColumn, int dRow) {
        for (column += dColumn, row += dRow; column >= 1 && column <= 18 && row >= 1 && row <= 9; column += dColumn, row += dRow)
            if (const int found = TileAt(column, row))
                return found;
        return 0;
    };
    int to = 0;
    switch (step) {
    case TileStep::Left:
        to = along(from.Column, from.Row, -1, 0);
        break;
    case TileStep::Right:
        to = along(from.Column, from.Row, 1, 0);
        break;
    case TileStep::Up:
        to = from.Row == Lanthanides && from.Column == FirstFColumn ? along(Group3, from.Row, 0, -1)
                                                                     : along(from.Column, from.Row, 0, -1);
        break;
    case TileStep::Down:
        to = along(from.Column, from.Row, 0, 1);
        if (!to && from.Column == Group3)
            to = TileAt(FirstFColumn, Lanthanides);
        break;
    case TileStep::RowStart:
    case TileStep::RowEnd:
        for (int column = 1; column <= 18; ++column) {
            const int c = step == TileStep::RowStart ? column : 19 - column;
            if ((to = TileAt(c, from.Row)))
                break;
        }
        break;
    }
    return to ? to : tile;
}
