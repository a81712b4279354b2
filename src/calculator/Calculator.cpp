// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculator.h"

#include "Equation.h"
#include "Formula.h"
#include "Rational.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <functional>

namespace {

constexpr double Avogadro = 6.02214076e23;

QString WeightShown(const ElementWeight& weight)
{
    return QString(weight.Written).remove(QLatin1Char('[')).remove(QLatin1Char(']')).replace(QLatin1Char('.'), QLatin1Char(','));
}

// "6,022·10²³": four significant digits, a power of ten from a million on.
QString Scientific(double value)
{
    if (value != 0 && (std::abs(value) >= 1e6 || std::abs(value) < 1e-3)) {
        int exponent = int(std::floor(std::log10(std::abs(value))));
        double mantissa = value / std::pow(10.0, exponent);
        if (std::abs(std::round(mantissa * 1000) / 1000) >= 10) {
            mantissa /= 10;
            ++exponent;
        }
        static const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
        QString power;
        for (const QChar c : QString::number(std::abs(exponent)))
            power += superscripts[c.digitValue()];
        QString digits3 = Decimal(mantissa, 3);
        while (digits3.endsWith(QLatin1Char('0')))
            digits3.chop(1);
        if (digits3.endsWith(QLatin1Char(',')))
            digits3.chop(1);
        return digits3 + QStringLiteral("·10") + (exponent < 0 ? QStringLiteral("⁻") : QString()) + power;
    }
    const int decimals = value == 0 ? 0 : std::clamp(3 - int(std::floor(std::log10(std::abs(value)))), 0, 6);
    QString text = Decimal(value, decimals);
    if (text.contains(QLatin1Char(','))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char(',')))
            text.chop(1);
    }
    return text;
}

// Units of 1/100000 g/mol, rounded half up to the decimals given: "55,85" of 55.845.
QString Rounded(std::int64_t units, int decimals)
{
    std::int64_t step = UnitsPerGram;
    for (int d = 0; d < decimals; ++d)
        step /= 10;
    const std::int64_t whole = (units + step / 2) / step;
    if (decimals == 0)
        return QString::number(whole);
    std::int64_t scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    return QStringLiteral("%1,%2").arg(whole / scale).arg(whole % scale, decimals, 10, QLatin1Char('0'));
}

struct MolarMass {
    std::int64_t Units = 0;
    QString Working;
    double Grams() const { return double(Units) / UnitsPerGram; }
};

MolarMass MassOf(const Formula& formula, const WeightTable& weights)
{
    MolarMass whole;
    try {
        for (const auto& [symbol, count] : formula.Atoms())
            whole.Units = Rational::Add(whole.Units, Rational::Mul(count, weights.value(symbol).Units));
    } catch (const RationalOverflow&) {
        throw ChemistryError(QStringLiteral("Za dużo atomów, by policzyć masę"), 0, 0);
    }
    const std::function<QString(const std::vector<FormulaNode>&)> items = [&](const std::vector<FormulaNode>& nodes) {
        QStringList terms;
        for (const FormulaNode& node : nodes) {
            const QString one = node.Symbol.isEmpty() ? QLatin1Char('(') + items(node.Items) + QLatin1Char(')')
                                                      : WeightShown(weights.value(node.Symbol));
            terms << (node.Count > 1 ? QString::number(node.Count) + QStringLiteral(" · ") : QString()) + one;
        }
        return terms.join(QStringLiteral(" + "));
    };
    QStringList parts;
    for (const FormulaPart& part : formula.Parts)
        parts << (part.Coefficient > 1 ? QString::number(part.Coefficient) + QStringLiteral(" · (") + items(part.Items) + QLatin1Char(')')
                                       : items(part.Items));
    whole.Working = parts.join(QStringLiteral(" + "));
    return whole;
}

QStringList Symbols(const WeightTable& weights)
{
    return weights.keys();
}

void MarkMassNumbers(const Formula& formula, const WeightTable& weights, CalculatorAnswer& answer)
{
    for (const auto& [symbol, count] : formula.Atoms())
        if (weights.value(symbol).MassNumber)
            answer.Notes << QStringLiteral("%1 nie ma standardowej masy atomowej: przyjęto liczbę masową jego najtrwalszego izotopu, %2.")
                                .arg(symbol, WeightShown(weights.value(symbol)));
}

void DescribeFormula(const Formula& formula, const WeightTable& weights, CalculatorAnswer& answer)
{
    const MolarMass mass = MassOf(formula, weights);
    const QString result = Rounded(mass.Units, 2) + QStringLiteral(" g/mol");
    answer.Heading = QStringLiteral("M(%1) = %2").arg(formula.Shown(), result);
    answer.Working << QStringLiteral("M(%1) = %2 = %3").arg(formula.Shown(), mass.Working, result);
    for (const auto& [symbol, count] : formula.Atoms()) {
        const std::int64_t part = count * weights.value(symbol).Units;  // no overflow: the whole sum fitted
        answer.Table.push_back({symbol, QString::number(count), Rounded(part, 3) + QStringLiteral(" g/mol"),
                                Decimal(mass.Units > 0 ? 100.0 * double(part) / double(mass.Units) : 0, 2) + QStringLiteral(" %")});
    }
    MarkMassNumbers(formula, weights, answer);
}

// "18 g H2O", "0,5 mol NaCl", "3,01·10^23 cząsteczek CO2"
bool DescribeAmount(const QString& entry, const WeightTable& weights, CalculatorAnswer& answer)
{
    static const QRegularExpression amount(QStringLiteral(
        "^\\s*(\\d+(?:[.,]\\d+)?)(?:\\s*(?:[eE]([+-]?\\d{1,3})|\\s*[·*x×]\\s*10\\^?([+-]?\\d{1,3})))?\\s*"
        "(g|mg|kg|mol|mmol|cząsteczek|cząsteczki|atomów|atomy|jonów|jony|drobin|drobiny)\\s+(\\S.*?)\\s*$"));
    const QRegularExpressionMatch match = amount.match(entry);
    if (!match.hasMatch())
        return false;
    double number = match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    const QString exponent = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
    if (!exponent.isEmpty())
        number *= std::pow(10.0, exponent.toInt());
    const QString unit = match.captured(4);
    const Formula formula = ParseFormula(match.captured(5), int(match.capturedStart(5)), Symbols(weights));
    const MolarMass mass = MassOf(formula, weights);
    const QString shown = formula.Shown();
    const QString molar = Rounded(mass.Units, 2) + QStringLiteral(" g/mol");
    double grams = 0, moles = 0, particles = 0;
    if (unit.endsWith(QLatin1Char('g'))) {
        grams = number * (unit == QLatin1String("mg") ? 1e-3 : unit == QLatin1String("kg") ? 1e3 : 1);
        moles = grams / mass.Grams();
        particles = moles * Avogadro;
    } else if (unit.endsWith(QLatin1String("mol"))) {
        moles = number * (unit == QLatin1String("mmol") ? 1e-3 : 1);
        grams = moles * mass.Grams();
        particles = moles * Avogadro;
    } else {
        particles = number;
        moles = particles / Avogadro;
        grams = moles * mass.Grams();
    }
    if (!std::isfinite(grams) || !std::isfinite(moles) || !std::isfinite(particles))
        throw ChemistryError(QStringLiteral("Liczba poza zakresem"), int(match.capturedStart(1)), int(match.capturedLength(1)));
    answer.Heading = QStringLiteral("%1: m = %2 g, n = %3 mol, N = %4").arg(shown, Scientific(grams), Scientific(moles), Scientific(particles));
    answer.Working << QStringLiteral("M(%1) = %2 = %3").arg(shown, mass.Working, molar);
    const QString avogadro = QStringLiteral("6,022·10²³ mol⁻¹");
    if (unit.endsWith(QLatin1Char('g'))) {
        answer.Working << QStringLiteral("n = m / M = %1 g / %2 = %3 mol").arg(Scientific(grams), molar, Scientific(moles));
        answer.Working << QStringLiteral("N = n · Nₐ = %1 mol · %2 = %3").arg(Scientific(moles), avogadro, Scientific(particles));
    } else if (unit.endsWith(QLatin1String("mol"))) {
        answer.Working << QStringLiteral("m = n · M = %1 mol · %2 = %3 g").arg(Scientific(moles), molar, Scientific(grams));
        answer.Working << QStringLiteral("N = n · Nₐ = %1 mol · %2 = %3").arg(Scientific(moles), avogadro, Scientific(particles));
    } else {
        answer.Working << QStringLiteral("n = N / Nₐ = %1 / %2 = %3 mol").arg(Scientific(particles), avogadro, Scientific(moles));
        answer.Working << QStringLiteral("m = n · M = %1 mol · %2 = %3 g").arg(Scientific(moles), molar, Scientific(grams));
    }
    MarkMassNumbers(formula, weights, answer);
    return true;
}

void DescribeEquation(const QString& entry, const WeightTable& weights, CalculatorAnswer& answer)
{
    const Equation equation = ParseEquation(entry, Symbols(weights));
    const Balance balance = BalanceOf(equation);
    const QString written = EquationShown(equation, {});
    switch (balance.Result) {
    case Balance::Outcome::Impossible:
        answer.Failed = true;
        answer.Heading = QStringLiteral("Tego równania nie da się uzgodnić");
        answer.Working << written;
        if (!balance.Reason.isEmpty())
            answer.Working << QStringLiteral("Powód: %1.").arg(balance.Reason);
        return;
    case Balance::Outcome::Many:
        answer.Heading = QStringLiteral("To równanie ma wiele niezależnych rozwiązań");
        answer.Working << QStringLiteral("Opisuje kilka reakcji naraz; współczynniki nie są wyznaczone jednoznacznie.");
        if (!balance.Coefficients.empty())
            answer.Working << QStringLiteral("Przykład: %1").arg(EquationShown(equation, balance.Coefficients));
        return;
    case Balance::Outcome::Balanced:
        break;
    }
    answer.Heading = EquationShown(equation, balance.Coefficients);
    answer.Working << QStringLiteral("Zapisane: %1").arg(written) << QStringLiteral("Uzgodnione: %1").arg(answer.Heading);
    // the check a learner makes: atoms of each element, then charge, on both sides
    QStringList elements;
    QHash<QString, std::int64_t> left, right;
    std::int64_t leftCharge = 0, rightCharge = 0;
    const std::size_t first = equation.Left.size();
    try {
        for (std::size_t k = 0; k < first + equation.Right.size(); ++k) {
            const Species& s = k < first ? equation.Left[k] : equation.Right[k - first];
            for (const auto& [symbol, count] : s.Substance.Atoms()) {
                if (!elements.contains(symbol))
                    elements << symbol;
                std::int64_t& sum = (k < first ? left : right)[symbol];
                sum = Rational::Add(sum, Rational::Mul(balance.Coefficients[k], count));
            }
            std::int64_t& charge = k < first ? leftCharge : rightCharge;
            charge = Rational::Add(charge, Rational::Mul(balance.Coefficients[k], s.Substance.Charge));
        }
    } catch (const RationalOverflow&) {
        throw ChemistryError(QStringLiteral("Liczby w tym równaniu rosną za bardzo, by je sprawdzić"), 0, 0);
    }
    QStringList checks;
    for (const QString& element : elements)
        checks << QStringLiteral("%1: %2 = %3").arg(element).arg(left.value(element)).arg(right.value(element));
    answer.Working << QStringLiteral("Sprawdzenie atomów: ") + checks.join(QStringLiteral("; "));
    if (leftCharge != 0 || rightCharge != 0 || std::any_of(equation.Left.begin(), equation.Left.end(), [](const Species& s) { return s.Substance.Charge != 0; }))
        answer.Working << QStringLiteral("Sprawdzenie ładunku: %1 = %2").arg(leftCharge).arg(rightCharge);
}

} // namespace

WeightTable WeightsOf(const QHash<QString, QString>& atomicWeights)
{
    static const QRegularExpression written(QStringLiteral("^\\[?(\\d{1,3})(?:\\.(\\d{1,5}))?\\]?$"));
    WeightTable table;
    for (auto it = atomicWeights.begin(); it != atomicWeights.end(); ++it) {
        const QRegularExpressionMatch match = written.match(it.value());
        if (!match.hasMatch())
            continue;
        ElementWeight weight;
        weight.Written = it.value();
        weight.MassNumber = it.value().startsWith(QLatin1Char('['));
        weight.Units = match.captured(1).toLongLong() * UnitsPerGram + match.captured(2).leftJustified(5, QLatin1Char('0')).toLongLong();
        if (weight.Units > 0)
            table.insert(it.key(), weight);
    }
    return table;
}

QString Decimal(double value, int decimals)
{
    QLocale polish(QLocale::Polish, QLocale::Poland);
    polish.setNumberOptions(QLocale::OmitGroupSeparator);
    return polish.toString(value, 'f', decimals).replace(polish.negativeSign(), QStringLiteral("−"));
}

QString CalculatorAnswer::Text() const
{
    QStringList lines{Heading};
    lines << Working;
    if (!Table.empty()) {
        lines << QStringLiteral("Pierwiastek\tLiczba atomów\tMasa\tZawartość");
        for (const Row& row : Table)
            lines << QStringList{row.Element, row.Atoms, row.Mass, row.Percent}.join(QLatin1Char('\t'));
    }
    lines << Notes;
    return lines.join(QLatin1Char('\n'));
}

CalculatorAnswer Calculate(const QString& entry, const WeightTable& weights)
{
    CalculatorAnswer answer;
    try {
        if (weights.isEmpty())
            throw ChemistryError(QStringLiteral("Brak mas atomowych: nie można odczytać pliku „Zbiory/wlasciwosci.txt”"), 0, 0);
        if (entry.size() > MaxEntryLength)
            throw ChemistryError(QStringLiteral("Wpis jest za długi (najwyżej %1 znaków)").arg(MaxEntryLength), MaxEntryLength,
                                 int(entry.size()) - MaxEntryLength);
        const QString trimmed = entry.trimmed();
        if (trimmed.isEmpty())
            throw ChemistryError(QStringLiteral("Wpisz wzór (np. H2SO4) albo równanie (np. H2 + O2 -> H2O)"), 0, 0);
        if (IsEquation(entry)) {
            DescribeEquation(entry, weights, answer);
        } else if (!DescribeAmount(entry, weights, answer)) {
            const int start = int(entry.indexOf(trimmed.front()));
            const Formula formula = ParseFormula(trimmed, start, Symbols(weights));
            if (formula.Electron)
                throw ChemistryError(QStringLiteral("Elektron nie ma masy molowej w tym kalkulatorze"), start, int(trimmed.size()));
            DescribeFormula(formula, weights, answer);
        }
    } catch (const ChemistryError& error) {
        answer = CalculatorAnswer();
        answer.Failed = true;
        answer.Heading = error.Message();
        answer.ErrorPosition = error.Position();
        answer.ErrorLength = error.Length();
    }
    return answer;
}
