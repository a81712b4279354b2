// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

// The school's other table: the solubility in water of the salts, hydroxides and acids of 22
// cations and 13 anions, from "Zbiory/rozpuszczalnosc.txt", and the activity series of metals from
// "Zbiory/szereg-aktywnosci.txt". Both are UTF-8 tables, one line per entry, tab-separated, '#'
// lines (their documentation and sources) left out, the first other line naming the columns.

// The letters of school tables, by the grams of the anhydrous substance in 100 g of water of a
// saturated solution: above 1 g soluble, 0.1 to 1 g sparingly, below 0.1 g practically insoluble;
// "—" for a compound that does not exist or decomposes in water.
enum class Solubility { Soluble, Sparingly, Insoluble, None };

// "R", "T", "N", "—"; and what each means, in Polish.
QString LetterOf(Solubility solubility);
QString MeaningOf(Solubility solubility);
// The letter that follows from a figure in g per 100 g of water.
Solubility FromFigure(double gramsPer100g);

// As a book prints them: "SO4^2-" → "SO₄²⁻", "Fe3+" → "Fe³⁺", "Fe2(SO4)3" → "Fe₂(SO₄)₃".
QString ChemicalShown(const QString& written);

struct SolubilityCell {
    QString Cation, Anion;  // "Ag+", "SO4^2-"
    QString Formula;        // "AgCl", "Fe2(SO4)3"
    QString Name;           // "chlorek srebra(I)"
    QString Figure;         // g per 100 g of water, as written ("0.00019"); empty without one
    QString Temperature;    // °C of the figure
    Solubility Letter = Solubility::None;
    QString Reason;         // why "—"
    QString Colour;         // a precipitate's colour: "biały"
    QString Source;
    QString Note;
};

struct ActivityEntry {
    QString Symbol;         // "Zn"; "H" for hydrogen, the reference
    QString HalfReaction;   // "Zn^2+ + 2e^- -> Zn"
    QString Potential;      // volts, as written ("-0.7618")
    QString Source;
    bool DisplacesHydrogen = false;
    QString Note;
};

struct SolubilityData {
    QStringList Cations, Anions;  // in the order of the file
    std::vector<SolubilityCell> Cells;
    std::vector<ActivityEntry> Series;  // from the most active metal

    const SolubilityCell* Cell(const QString& cation, const QString& anion) const;
};

// A file that cannot be taken: its path, the line (0 for the file as a whole) and what is wrong.
class SolubilityError : public std::runtime_error {
public:
    SolubilityError(const QString& path, int line, const QString& reason);
    QString Message() const { return message_; }

private:
    QString message_;
};

inline constexpr qsizetype MaxSolubilityBytes = 512 * 1024;  // the shipped files are under 100 KB

// Each table checked line by line (column count, a letter among R, T, N and "—", a figure that is a
// number with its temperature and source, a "—" with its reason, no cell twice, every cation with
// every anion). Raise SolubilityError naming the line.
std::vector<SolubilityCell> ParseSolubility(const QByteArray& text, const QString& path);
std::vector<ActivityEntry> ParseActivitySeries(const QByteArray& text, const QString& path);

// Both files of the data folder; none when they are missing (an older installation). A file that
// cannot be read, is too large or is damaged raises SolubilityError.
std::optional<SolubilityData> ReadSolubility(const DataFolder& folder);
