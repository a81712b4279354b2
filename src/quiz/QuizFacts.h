// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementTable.h"

#include <QByteArray>
#include <QString>

#include <vector>

// What the practice questions ask about, read from the element records and the shells'
// configuration file and nothing else.

enum class QuestionKind {
    SymbolToName,     // the symbol shown, the Polish name chosen among four
    NameToSymbol,     // the Polish name shown, the symbol typed
    PointOnTable,     // the Polish name shown, the tile clicked on a plain table
    ShellsToElement,  // the shells ("K-2 L-8 M-1") shown, the element chosen among four
    PlaceToElement,   // group and period shown, the element typed or its tile clicked
};
inline constexpr int QuestionKindCount = 5;

struct QuizElement {
    int Number = 0;  // atomic number
    QString Symbol;
    QString Name;    // Polish, as the record writes it ("Sód")
    int Column = 0;  // the tile's cell: columns 1 to 18, rows 1 to 7 the periods,
    int Row = 0;     // 8 the lanthanides, 9 the actinides
    int Group = 0;   // 1 to 18; 0 in the f rows, which stand outside the groups
    int Period = 0;  // 1 to 7
    QChar Block;     // 's', 'p', 'd' or 'f'
    QString Shells;  // "K-2 L-8 M-1"; empty when the file has no usable line for the element
};

// The elements of the records in atomic-number order, each with its shells from the configuration
// file's text. A record without a symbol or outside the grid (a damaged table) is left out.
std::vector<QuizElement> QuizFacts(const ElementTable& table, const QByteArray& configurations);

// "+2+8+1" as "K-2 L-8 M-1". Empty unless every count is a whole number from 1 up, there are at
// most seven shells (K to Q), and the electrons add up to the atomic number.
QString ShellsText(const QByteArray& configuration, int atomicNumber);

// Whether a question of the kind can be asked about the element: the shells question needs its
// shells, the place question a group (the f rows have none).
bool CanAsk(const QuizElement& element, QuestionKind kind);
