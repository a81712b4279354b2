// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Formula.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Chemical equations: the substrates and products on either side of "->", "→", "=>" or "=",
// separated by "+" (a "+" right before another "+", an arrow or the end is a charge: "Cu2+ + Ag").
// Coefficients the learner wrote are left aside; the balance finds its own.

struct Species {
    Formula Substance;
    int Position = 0;  // in the entry
    int Length = 0;
};

struct Equation {
    std::vector<Species> Left, Right;
};

inline constexpr int MaxSpecies = 40;

// Whether the entry is an equation rather than a formula: it has an arrow or "=".
bool IsEquation(const QString& entry);
Equation ParseEquation(const QString& entry, const QStringList& symbols);

struct Balance {
    enum class Outcome { Balanced, Impossible, Many };
    Outcome Result = Outcome::Impossible;
    // the smallest whole coefficients, left then right; for Many an example of one solution with
    // every coefficient positive, when small sums of the independent ones give one
    std::vector<std::int64_t> Coefficients;
    QString Reason;  // why it cannot be balanced, when it can be said
};

// The balance of atoms of every element and of charge, in exact fractions. Raises ChemistryError
// when the numbers grow past what 64 bits hold.
Balance BalanceOf(const Equation& equation);

// "4 Fe + 3 O₂ → 2 Fe₂O₃"
QString EquationShown(const Equation& equation, const std::vector<std::int64_t>& coefficients);
