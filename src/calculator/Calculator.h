// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What "Kalkulator chemiczny" answers to one entry, as a learner writes it out in a notebook:
// - a formula: its molar mass with the working and a table of its elements;
// - an amount before a formula ("18 g H2O", "0,5 mol NaCl", "3,01·10^23 cząsteczek CO2"): the
//   mass, the amount of substance and the number of particles, each from the others;
// - an equation: the smallest whole coefficients, checked by atoms and by charge, or why there
//   are none or many.
// Numbers are written the Polish way, with a decimal comma.

struct ElementWeight {
    QString Written;          // as the figures' file gives it: "15.999", or "[98]"
    std::int64_t Units = 0;   // in hundred-thousandths of g/mol, so that sums are exact
    bool MassNumber = false;  // no standard atomic weight: the longest-lived isotope's mass number
};
inline constexpr std::int64_t UnitsPerGram = 100000;
using WeightTable = QHash<QString, ElementWeight>;

// The weights of the figures' file's atomic weights ("22.990", "[98]").
WeightTable WeightsOf(const QHash<QString, QString>& atomicWeights);

struct CalculatorAnswer {
    QString Heading;      // "M(Ca(OH)₂) = 74,09 g/mol", the balanced equation, or what is wrong
    QStringList Working;  // the lines of the working
    struct Row {
        QString Element, Atoms, Mass, Percent;
    };
    std::vector<Row> Table;  // a formula's elements
    QStringList Notes;
    bool Failed = false;
    int ErrorPosition = -1, ErrorLength = 0;  // the place in the entry a mistake is at

    // Everything as plain text, to copy and to be read.
    QString Text() const;
};

inline constexpr int MaxEntryLength = 500;

CalculatorAnswer Calculate(const QString& entry, const WeightTable& weights);

// "74,09": the number with the decimals given and a decimal comma.
QString Decimal(double value, int decimals);
