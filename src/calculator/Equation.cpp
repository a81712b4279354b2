// SPDX-License-Identifier: GPL-3.0-or-later
#include "Equation.h"

#include "Rational.h"

#include <algorithm>
#include <numeric>

namespace {

const QStringList Arrows = {QStringLiteral("->"), QStringLiteral("→"), QStringLiteral("⟶"), QStringLiteral("=>"),
                            QStringLiteral("⇒"), QStringLiteral("=")};

// The first arrow and its length.
std::pair<int, int> FindArrow(const QString& entry)
{
    int best = -1, length = 0;
    for (const QString& arrow : Arrows) {
        const qsizetype at = entry.indexOf(arrow);
        if (at >= 0 && (best < 0 || at < best)) {
            best = int(at);
            length = int(arrow.size());
        }
    }
    return {best, length};
}

bool StartsSpecies(QChar c)
{
    return c.isUpper() || c.isDigit() || c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('e');
}

std::vector<Species> Side(const QString& entry, int from, int to, const QStringList& symbols, const QString& name)
{
    std::vector<Species> species;
    int start = from;
    const auto take = [&](int end) {
        int a = start, b = end;
        while (a < b && entry[a].isSpace())
            ++a;
        while (b > a && entry[b - 1].isSpace())
            --b;
        if (a == b) {
            const QString message = end < to                ? QStringLiteral("Brak wzoru przed znakiem „+”")
                                    : species.empty()       ? QStringLiteral("Pusta strona równania: brak %1").arg(name)
                                                            : QStringLiteral("Brak wzoru po znaku „+”");
            throw ChemistryError(message, std::min(a, int(entry.size()) - 1), 1);
        }
        // a coefficient the learner wrote is left aside
        int formula = a;
        while (formula < b && entry[formula].isDigit())
            ++formula;
        while (formula < b && entry[formula].isSpace())
            ++formula;
        if (formula == b)
            throw ChemistryError(QStringLiteral("Sam współczynnik, bez wzoru"), a, b - a);
        if (int(species.size()) >= MaxSpecies)
            throw ChemistryError(QStringLiteral("Za dużo substancji (najwyżej %1)").arg(MaxSpecies), a, b - a);
        species.push_back({ParseFormula(entry.mid(formula, b - formula), formula, symbols), formula, b - formula});
    };
    for (int at = from; at < to; ++at) {
        if (entry[at] != QLatin1Char('+'))
            continue;
        int next = at + 1;
        while (next < to && entry[next].isSpace())
            ++next;
        // a "+" written apart, or before the next substance, separates; one written on to a
        // formula before another sign, an arrow or the end is its charge
        if ((at > from && entry[at - 1].isSpace()) || (next < to && StartsSpecies(entry[next]))) {
            take(at);
            start = at + 1;
        }
    }
    take(to);
    return species;
}

std::int64_t Lcm(std::int64_t a, std::int64_t b)
{
    return Rational::Mul(a / std::gcd(a, b), b);
}

// The coefficients as the smallest whole numbers in the same proportion.
std::vector<std::int64_t> Whole(const std::vector<Rational>& vector)
{
    std::int64_t denominators = 1;
    for (const Rational& r : vector)
        denominators = Lcm(denominators, r.Denominator());
    std::vector<std::int64_t> whole;
    std::int64_t divisor = 0;
    for (const Rational& r : vector) {
        whole.push_back(Rational::Mul(r.Numerator(), denominators / r.Denominator()));
        divisor = std::gcd(divisor, whole.back());
    }
    if (divisor > 1)
        for (std::int64_t& w : whole)
            w /= divisor;
    return whole;
}

// Each vector of the null space of the matrix, by reduced row echelon form.
std::vector<std::vector<Rational>> NullSpace(std::vector<std::vector<Rational>> m, int columns)
{
    std::vector<int> pivots;
    int row = 0;
    for (int column = 0; column < columns && row < int(m.size()); ++column) {
        int pivot = row;
        while (pivot < int(m.size()) && m[std::size_t(pivot)][std::size_t(column)].IsZero())
            ++pivot;
        if (pivot == int(m.size()))
            continue;
        std::swap(m[std::size_t(pivot)], m[std::size_t(row)]);
        const Rational lead = m[std::size_t(row)][std::size_t(column)];
        for (Rational& r : m[std::size_t(row)])
            r = r / lead;
        for (int other = 0; other < int(m.size()); ++other) {
            if (other == row || m[std::size_t(other)][std::size_t(column)].IsZero())
                continue;
            const Rational factor = m[std::size_t(other)][std::size_t(column)];
            for (int c = 0; c < columns; ++c)
                m[std::size_t(other)][std::size_t(c)] = m[std::size_t(other)][std::size_t(c)] - factor * m[std::size_t(row)][std::size_t(c)];
        }
        pivots.push_back(column);
        ++row;
    }
    std::vector<std::vector<Rational>> basis;
    for (int free = 0; free < columns; ++free) {
        if (std::find(pivots.begin(), pivots.end(), free) != pivots.end())
            continue;
        auto vector = std::vector<Rational>(std::size_t(columns));
        vector[std::size_t(free)] = 1;
        for (std::size_t r = 0; r < pivots.size(); ++r)
            vector[std::size_t(pivots[r])] = Rational(0) - m[r][std::size_t(free)];
        basis.push_back(std::move(vector));
    }
    return basis;
}

bool AllPositive(const std::vector<std::int64_t>& v)
{
    return std::all_of(v.begin(), v.end(), [](std::int64_t c) { return c > 0; });
}

} // namespace

bool IsEquation(const QString& entry)
{
    return FindArrow(entry).first >= 0;
}

Equation ParseEquation(const QString& entry, const QStringList& symbols)
{
    const auto [arrow, length] = FindArrow(entry);
    if (arrow < 0)
        throw ChemistryError(QStringLiteral("Brak strzałki „->” między stronami równania"), 0, int(entry.size()));
    if (FindArrow(entry.mid(arrow + length)).first >= 0)
        throw ChemistryError(QStringLiteral("Więcej niż jedna strzałka"), arrow + length + FindArrow(entry.mid(arrow + length)).first, 1);
    Equation equation;
    equation.Left = Side(entry, 0, arrow, symbols, QStringLiteral("substratów"));
    equation.Right = Side(entry, arrow + length, int(entry.size()), symbols, QStringLiteral("produktów"));
    return equation;
}

Balance BalanceOf(const Equation& equation)
{
    std::vector<const Species*> all;
    for (const Species& s : equation.Left)
        all.push_back(&s);
    for (const Species& s : equation.Right)
        all.push_back(&s);
    const int columns = int(all.size());
    const int left = int(equation.Left.size());
    QStringList elements;
    std::vector<std::vector<std::pair<QString, std::int64_t>>> atoms;
    bool charged = false;
    for (const Species* s : all) {
        atoms.push_back(s->Substance.Atoms());
        for (const auto& [symbol, count] : atoms.back())
            if (!elements.contains(symbol))
                elements << symbol;
        charged = charged || s->Substance.Charge != 0;
    }
    Balance balance;
    // an element on one side only can never balance
    for (const QString& element : elements) {
        bool onLeft = false, onRight = false;
        for (int c = 0; c < columns; ++c)
            for (const auto& [symbol, count] : atoms[std::size_t(c)])
                if (symbol == element)
                    (c < left ? onLeft : onRight) = true;
        if (onLeft != onRight) {
            balance.Reason = QStringLiteral("pierwiastek %1 występuje tylko po %2 stronie").arg(element, onLeft ? QStringLiteral("lewej") : QStringLiteral("prawej"));
            return balance;
        }
    }
    try {
        std::vector<std::vector<Rational>> matrix;
        for (const QString& element : elements) {
            auto row = std::vector<Rational>(std::size_t(columns));
            for (int c = 0; c < columns; ++c)
                for (const auto& [symbol, count] : atoms[std::size_t(c)])
                    if (symbol == element)
                        row[std::size_t(c)] = Rational(c < left ? count : -count);
            matrix.push_back(std::move(row));
        }
        if (charged) {
            auto row = std::vector<Rational>(std::size_t(columns));
            for (int c = 0; c < columns; ++c)
                row[std::size_t(c)] = Rational(c < left ? all[std::size_t(c)]->Substance.Charge : -all[std::size_t(c)]->Substance.Charge);
            matrix.push_back(std::move(row));
        }
        const std::vector<std::vector<Rational>> basis = NullSpace(std::move(matrix), columns);
        if (basis.empty())
            return balance;
        std::vector<std::vector<std::int64_t>> whole;
        for (const std::vector<Rational>& vector : basis) {
            std::vector<std::int64_t> w = Whole(vector);
            if (std::all_of(w.begin(), w.end(), [](std::int64_t c) { return c <= 0; }))
                for (std::int64_t& c : w)
                    c = -c;
            whole.push_back(std::move(w));
        }
        if (whole.size() == 1) {
            if (AllPositive(whole.front())) {
                balance.Result = Balance::Outcome::Balanced;
                balance.Coefficients = whole.front();
            } else {
                for (int c = 0; c < columns; ++c)
                    if (whole.front()[std::size_t(c)] <= 0) {
                        balance.Reason = QStringLiteral("%1 %2").arg(all[std::size_t(c)]->Substance.Shown(),
                                                                     whole.front()[std::size_t(c)] == 0 ? QStringLiteral("nie może brać udziału w tej reakcji")
                                                                                                        : QStringLiteral("musiałaby stać po drugiej stronie"));
                        break;
                    }
            }
            return balance;
        }
        // many independent reactions: an example of all coefficients positive, by small sums of them
        balance.Result = Balance::Outcome::Many;
        const int count = std::min<int>(int(whole.size()), 4);
        std::vector<int> factors(std::size_t(count), 1);
        for (;;) {
            std::vector<std::int64_t> sum(std::size_t(columns), 0);
            for (int k = 0; k < count; ++k)
                for (int c = 0; c < columns; ++c)
                    sum[std::size_t(c)] = Rational::Add(sum[std::size_t(c)], Rational::Mul(factors[std::size_t(k)], whole[std::size_t(k)][std::size_t(c)]));
            if (AllPositive(sum)) {
                std::int64_t divisor = 0;
                for (const std::int64_t c : sum)
                    divisor = std::gcd(divisor, c);
                for (std::int64_t& c : sum)
                    c /= divisor;
                balance.Coefficients = sum;
                return balance;
            }
            int k = 0;
            while (k < count && ++factors[std::size_t(k)] > 4)
                factors[std::size_t(k++)] = 1;
            if (k == count)
                break;
        }
    } catch (const RationalOverflow&) {
        throw ChemistryError(QStringLiteral("Liczby w tym równaniu rosną za bardzo, by je uzgodnić dokładnie"), 0, 0);
    }
    return balance;
}

QString EquationShown(const Equation& equation, const std::vector<std::int64_t>& coefficients)
{
    const auto side = [&](const std::vector<Species>& species, std::size_t first) {
        QStringList terms;
        for (std::size_t k = 0; k < species.size(); ++k) {
            const std::int64_t c = first + k < coefficients.size() ? coefficients[first + k] : 1;
            terms << (c == 1 ? QString() : QString::number(c) + QLatin1Char(' ')) + species[k].Substance.Shown();
        }
        return terms.join(QStringLiteral(" + "));
    };
    return side(equation.Left, 0) + QStringLiteral(" → ") + side(equation.Right, equation.Left.size());
}
