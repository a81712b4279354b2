// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as "Zbiory/rozpuszczalnosc.txt" and as "Zbiory/szereg-aktywnosci.txt": each reader
// takes its table or refuses it with a message naming the file, never anything else; a table it
// takes has every cation with every anion once, a source for every cell, a temperature for every
// figure and a reason for every "—".
#include "Solubility.h"

#include <QSet>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const std::vector<SolubilityCell> cells = ParseSolubility(text, QStringLiteral("rozpuszczalnosc.txt"));
        QSet<QString> cations, anions, pairs;
        for (const SolubilityCell& cell : cells) {
            cations.insert(cell.Cation);
            anions.insert(cell.Anion);
            pairs.insert(cell.Cation + QLatin1Char('|') + cell.Anion);
            if (cell.Source.isEmpty() || (!cell.Figure.isEmpty() && cell.Temperature.isEmpty()) ||
                (cell.Letter == Solubility::None && cell.Reason.isEmpty()))
                __builtin_trap();
        }
        if (pairs.size() != qsizetype(cells.size()) || pairs.size() != cations.size() * anions.size())
            __builtin_trap();
    } catch (const SolubilityError& e) {
        if (!e.Message().contains(QStringLiteral("rozpuszczalnosc.txt")))
            __builtin_trap();
    }
    try {
        const std::vector<ActivityEntry> series = ParseActivitySeries(text, QStringLiteral("szereg-aktywnosci.txt"));
        for (std::size_t k = 1; k < series.size(); ++k)
            if (series[k - 1].Potential.toDouble() > series[k].Potential.toDouble())
                __builtin_trap();
    } catch (const SolubilityError& e) {
        if (!e.Message().contains(QStringLiteral("szereg-aktywnosci.txt")))
            __builtin_trap();
    }
    return 0;
}
