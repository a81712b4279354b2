// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

// Chemical formulas as a learner types them: symbols (case matters: "Co" is cobalt, "CO" carbon
// monoxide), counts, nested ( ) and [ ], hydrates after "·", "*" or "." with their coefficient
// ("CuSO4·5H2O"), and a charge at the end: "SO4^2-", "NH4+", "OH-", "SO4--", and for a single
// element "Cu2+" or "Fe3+" (its digits are the charge). "e-" is the electron of a half-equation.

// A mistake in the entry, in Polish, with the place it points at (characters from the entry's start).
class ChemistryError : public std::runtime_error {
public:
    ChemistryError(QString message, int position, int length = 1)
        : std::runtime_error("chemistry input error"), message_(std::move(message)), position_(position), length_(length) {}
    QString Message() const { return message_; }
    int Position() const { return position_; }
    int Length() const { return length_; }

private:
    QString message_;
    int position_, length_;
};

struct FormulaNode {
    QString Symbol;                  // an element; empty for a group in brackets
    std::vector<FormulaNode> Items;  // a group's contents
    std::int64_t Count = 1;
    QChar Bracket;                   // '(' or '[' for a group
};

struct FormulaPart {
    std::int64_t Coefficient = 1;  // "5" of "·5H2O"; 1 for the first part
    std::vector<FormulaNode> Items;
};

struct Formula {
    std::vector<FormulaPart> Parts;
    int Charge = 0;
    bool Electron = false;

    // Each element with its number of atoms, in the order the formula first names them. Raises
    // ChemistryError when the numbers overflow.
    std::vector<std::pair<QString, std::int64_t>> Atoms() const;
    // As a book prints it: "CuSO₄·5H₂O", "SO₄²⁻", "e⁻".
    QString Shown() const;
};

inline constexpr int MaxNesting = 50;
inline constexpr std::int64_t MaxCount = 100000;

// The formula of the text, which starts at offset in the entry; symbols are the known elements.
// Raises ChemistryError for anything it cannot take.
Formula ParseFormula(const QString& text, int offset, const QStringList& symbols);

// "2", "²⁻" and the like: digits as subscripts and a charge as superscripts.
QString Subscript(std::int64_t number);
QString ChargeShown(int charge);
