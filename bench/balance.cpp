// SPDX-License-Identifier: GPL-3.0-or-later
// "Kalkulator chemiczny" at its heaviest: an equation of 20 substances over 19 elements balanced
// (parsed, reduced in exact fractions, checked), the permanganate oxidation of potassium
// ferrocyanide (9 substances, coefficients up to 299), and the slowest of a set of hostile entries
// (a 100 kB entry, deep brackets, overflowing counts), each against its budget: 10 ms for the
// equation, 50 ms for any entry.
// Usage: balance [rounds]

#include "Calculator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double Median(const std::function<void()>& step, int rounds)
{
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        step();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 101;
    const QStringList symbols = {QStringLiteral("H"),  QStringLiteral("Li"), QStringLiteral("Be"), QStringLiteral("B"),  QStringLiteral("C"),
                                 QStringLiteral("N"),  QStringLiteral("O"),  QStringLiteral("F"),  QStringLiteral("Na"), QStringLiteral("Mg"),
                                 QStringLiteral("Al"), QStringLiteral("Si"), QStringLiteral("P"),  QStringLiteral("S"),  QStringLiteral("Cl"),
                                 QStringLiteral("K"),  QStringLiteral("Ca"), QStringLiteral("Fe"), QStringLiteral("Cu"), QStringLiteral("Mn")};
    QHash<QString, QString> written;
    for (const QString& symbol : symbols)
        written.insert(symbol, QStringLiteral("10.000"));
    const WeightTable weights = WeightsOf(written);
    // nineteen elements in pairs on the left, all of them in one compound on the right
    QStringList left;
    QString compound;
    for (int k = 0; k < 19; ++k) {
        left << symbols[k] + QString::number(k % 3 + 2);
        compound += symbols[k] + QString::number(k % 5 + 1);
    }
    const QString big = left.join(QStringLiteral(" + ")) + QStringLiteral(" -> ") + compound;
    const QString ferrocyanide = QStringLiteral("K4[Fe(CN)6] + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O");
    if (Calculate(big, weights).Failed || Calculate(ferrocyanide, weights).Failed) {
        std::fprintf(stderr, "the benchmark's equations did not balance\n");
        return 1;
    }
    const double twenty = Median([&] { Calculate(big, weights); }, rounds);
    const double nine = Median([&] { Calculate(ferrocyanide, weights); }, rounds);
    const QStringList hostile = {QString(100 * 1024, QLatin1Char('H')),
                                 QString(50, QLatin1Char('(')) + QStringLiteral("H") + QString(50, QLatin1Char(')')),
                                 QStringLiteral("((((H100000)100000)100000)100000)100000"),
                                 QString(490, QLatin1Char('(')),
                                 QStringList(QVector<QString>(60, QStringLiteral("H2O"))).join(QStringLiteral(" + ")) + QStringLiteral(" -> H2O2")};
    double worst = 0;
    for (const QString& entry : hostile)
        worst = std::max(worst, Median([&] { Calculate(entry, weights); }, rounds));
    std::printf("20 substances: median %.3f ms (%.3f of the 10 ms budget); K4[Fe(CN)6] + KMnO4: %.3f ms; "
                "slowest hostile entry %.3f ms (%.3f of the 50 ms budget)\n",
                twenty, twenty / 10, nine, worst, worst / 50);
    return 0;
}
