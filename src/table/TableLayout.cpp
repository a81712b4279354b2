#include "TableLayout.h"

namespace {

struct RowRun {
    int Row;
    int FirstColumn;
    const char* Symbols;  // space-separated, one per column from the first
};

// The table row by row, in the order the tiles are numbered; Ds and Rg close the numbering.
constexpr RowRun Runs[] = {
    {1, 1, "H"}, {1, 18, "He"},
    {2, 1, "Li Be"}, {2, 13, "B C N O F Ne"},
    {3, 1, "Na Mg"}, {3, 13, "Al Si P S Cl Ar"},
    {4, 1, "K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr"},
    {5, 1, "Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe"},
    {6, 1, "Cs Ba"}, {6, 4, "Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn"},
    {7, 1, "Fr Ra"}, {7, 4, "Rf Db Sg Bh Hs Mt"},
    {8, 4, "La Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu"},
    {9, 4, "Ac Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lr"},
    {7, 10, "Ds Rg"},
};

std::array<TileCell, TileCount> BuildCells()
{
    static std::array<std::string, TileCount> symbols;
    std::array<TileCell, TileCount> cells{};
    int number = 0;
    for (const RowRun& run : Runs) {
        const std::string text = run.Symbols;
        std::size_t start = 0;
        int column = run.FirstColumn;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find(' ', start), text.size());
            symbols[std::size_t(number)] = text.substr(start, end - start);
            cells[std::size_t(number)] = {number + 1, symbols[std::size_t(number)].c_str(), column, run.Row};
            ++number;
            ++column;
            start = end + 1;
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
    static const std::array<LabelPlace, 27> labels = [] {
        std::array<LabelPlace, 27> places{};
        static std::array<std::string, 27> names, captions;
        std::size_t i = 0;
        const auto add = [&](int number, const std::string& caption, QRect geometry, bool right) {
            names[i] = "Label" + std::to_string(number);
            captions[i] = caption;
            places[i] = {names[i].c_str(), captions[i].c_str(), geometry, right};
            ++i;
        };
        add(1, "1", QRect(32, 104, 32, 13), false);
        add(2, "2", QRect(64, 144, 32, 13), false);
        for (int column = 3; column <= 12; ++column)
            add(column, std::to_string(column), QRect(32 * column, 224, 32, 13), false);
        for (int column = 13; column <= 17; ++column)
            add(column, std::to_string(column), QRect(32 * column, 144, 32, 13), false);
        add(18, "18", QRect(576, 104, 32, 13), false);
        add(19, "1", QRect(0, 136, 24, 13), true);
        add(20, "2", QRect(0, 176, 24, 13), true);
        add(22, "3", QRect(0, 216, 24, 13), true);
        add(21, "4", QRect(0, 256, 24, 13), true);
        add(24, "5", QRect(0, 296, 24, 13), true);
        add(23, "6", QRect(0, 336, 24, 13), true);
        add(25, "7", QRect(0, 376, 24, 13), true);
        add(26, "Lantanowce", QRect(24, 424, 96, 13), true);
        add(27, "Aktynowce", QRect(16, 464, 104, 13), true);
        return places;
    }();
    return labels;
}
