// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes typed into "Kalkulator chemiczny": every entry gets an answer or a Polish message
// pointing inside the entry, never anything else; every balanced equation holds by atoms and by
// charge, and every coefficient is a positive whole number.
#include "Calculator.h"
#include "Equation.h"
#include "Rational.h"

#include <cstdint>

namespace {

const WeightTable& Weights()
{
    static const WeightTable weights = WeightsOf({{QStringLiteral("H"), QStringLiteral("1.0080")}, {QStringLiteral("C"), QStringLiteral("12.011")},
                                                  {QStringLiteral("N"), QStringLiteral("14.007")}, {QStringLiteral("O"), QStringLiteral("15.999")},
                                                  {QStringLiteral("Na"), QStringLiteral("22.990")}, {QStringLiteral("Cl"), QStringLiteral("35.45")},
                                                  {QStringLiteral("Fe"), QStringLiteral("55.845")}, {QStringLiteral("Cu"), QStringLiteral("63.546")},
                                                  {QStringLiteral("Tc"), QStringLiteral("[98]")}});
    return weights;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString entry = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const CalculatorAnswer answer = Calculate(entry, Weights());
    if (answer.Heading.isEmpty() || answer.ErrorPosition > entry.size() || (answer.Failed && answer.ErrorPosition < -1))
        __builtin_trap();
    if (!answer.Failed && IsEquation(entry) && entry.size() <= MaxEntryLength) {
        try {
            const Equation equation = ParseEquation(entry, Weights().keys());
            const Balance balance = BalanceOf(equation);
            if (balance.Result != Balance::Outcome::Balanced)
                return 0;
            QHash<QString, std::int64_t> atoms;
            std::int64_t charge = 0;
            for (std::size_t k = 0; k < balance.Coefficients.size(); ++k) {
                const bool left = k < equation.Left.size();
                const Species& species = left ? equation.Left[k] : equation.Right[k - equation.Left.size()];
                if (balance.Coefficients[k] <= 0)
                    __builtin_trap();
                const std::int64_t c = (left ? 1 : -1) * balance.Coefficients[k];
                for (const auto& [symbol, count] : species.Substance.Atoms())
                    atoms[symbol] = Rational::Add(atoms[symbol], Rational::Mul(c, count));
                charge = Rational::Add(charge, Rational::Mul(c, species.Substance.Charge));
            }
            if (charge != 0 || std::any_of(atoms.begin(), atoms.end(), [](std::int64_t n) { return n != 0; }))
                __builtin_trap();
        } catch (const ChemistryError&) {
            __builtin_trap();  // the answer above had none
        } catch (const RationalOverflow&) {
            // the check's own sums past 64 bits: the answer said nothing it could not hold
        }
    }
    return 0;
}
