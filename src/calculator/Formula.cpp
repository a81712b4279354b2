// SPDX-License-Identifier: GPL-3.0-or-later
#include "Formula.h"

#include "Rational.h"

#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

bool IsUpper(QChar c)
{
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
}

bool IsLower(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsHydrateDot(QChar c)
{
    return c == QChar(0x00B7) || c == QLatin1Char('*') || c == QLatin1Char('.') || c == QChar(0x2219) || c == QChar(0x22C5);
}

QString Quoted(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("”");
}

// "Nieznany symbol „co”: czy chodziło o „Co” albo „C” i „O”?"
QString UnknownSymbol(const QString& written, const QStringList& symbols)
{
    QStringList guesses;
    const QString capital = written.left(1).toUpper() + written.mid(1).toLower();
    if (symbols.contains(capital))
        guesses << Quoted(capital);
    if (written.size() > 1) {
        QStringList letters;
        for (const QChar c : written)
            letters << QString(c.toUpper());
        if (std::all_of(letters.begin(), letters.end(), [&](const QString& s) { return symbols.contains(s); })) {
            QStringList quoted;
            for (const QString& s : letters)
                quoted << Quoted(s);
            guesses << quoted.join(QStringLiteral(" i "));
        }
    }
    QString message = QStringLiteral("Nieznany symbol ") + Quoted(written);
    if (!guesses.isEmpty())
        message += QStringLiteral(": czy chodziło o ") + guesses.join(QStringLiteral(" albo ")) + QLatin1Char('?');
    return message;
}

class Parser {
public:
    Parser(const QString& text, int offset, const QStringList& symbols) : text_(text), offset_(offset), symbols_(symbols) {}

    std::vector<FormulaNode> Items(int end, int depth, QChar closing)
    {
        std::vector<FormulaNode> items;
        while (at_ < end) {
            const QChar c = text_[at_];
            if (c == QLatin1Char('(') || c == QLatin1Char('[')) {
                if (depth >= MaxNesting)
                    throw ChemistryError(QStringLiteral("Za dużo nawiasów jeden w drugim (najwyżej %1)").arg(MaxNesting), offset_ + at_);
                const int open = at_++;
                FormulaNode group;
                group.Bracket = c;
                const QChar close = c == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char(']');
                group.Items = Items(end, depth + 1, close);
                if (at_ >= end)
                    throw ChemistryError(QStringLiteral("Nawias ") + Quoted(QString(c)) + QStringLiteral(" nie jest zamknięty"), offset_ + open);
                if (text_[at_] != close)
                    throw ChemistryError(QStringLiteral("Nawias ") + Quoted(QString(c)) + QStringLiteral(" zamknięty przez ") +
                                             Quoted(QString(text_[at_])),
                                         offset_ + at_);
                if (group.Items.empty())
                    throw ChemistryError(QStringLiteral("Pusty nawias"), offset_ + open, at_ - open + 1);
                ++at_;
                group.Count = Count();
                items.push_back(std::move(group));
            } else if (c == QLatin1Char(')') || c == QLatin1Char(']')) {
                if (closing.isNull())
                    throw ChemistryError(QStringLiteral("Nawias ") + Quoted(QString(c)) + QStringLiteral(" bez nawiasu otwierającego"), offset_ + at_);
                return items;
            } else if (IsUpper(c)) {
                FormulaNode element;
                element.Symbol = Symbol();
                element.Count = Count();
                items.push_back(std::move(element));
            } else if (IsLower(c)) {
                int length = 1;
                while (at_ + length < end && length < 2 && IsLower(text_[at_ + length]))
                    ++length;
                throw ChemistryError(UnknownSymbol(text_.mid(at_, length), symbols_), offset_ + at_, length);
            } else if (IsDigit(c)) {
                throw ChemistryError(QStringLiteral("Liczba ") + Quoted(QString(c)) + QStringLiteral(" nie stoi za symbolem ani nawiasem"), offset_ + at_);
            } else if (c.isSpace()) {
                throw ChemistryError(QStringLiteral("Odstęp wewnątrz wzoru"), offset_ + at_);
            } else {
                throw ChemistryError(QStringLiteral("Nieoczekiwany znak ") + Quoted(QString(c)), offset_ + at_);
            }
        }
        return items;
    }

    std::int64_t Count()
    {
        const int start = at_;
        std::int64_t count = 0;
        while (at_ < limit_ && IsDigit(text_[at_])) {
            count = count * 10 + text_[at_].digitValue();
            ++at_;
            if (count > MaxCount)
                throw ChemistryError(QStringLiteral("Liczba za duża (najwyżej %1)").arg(MaxCount), offset_ + start, at_ - start);
        }
        if (at_ == start)
            return 1;
        if (count == 0)
            throw ChemistryError(QStringLiteral("Liczba atomów nie może być zerem"), offset_ + start, at_ - start);
        return count;
    }

    QString Symbol()
    {
        const int start = at_;
        const bool pair = at_ + 1 < limit_ && IsLower(text_[at_ + 1]);
        if (pair) {
            const QString two = text_.mid(at_, 2);
            if (symbols_.contains(two)) {
                at_ += 2;
                return two;
            }
            throw ChemistryError(UnknownSymbol(two, symbols_), offset_ + start, 2);
        }
        const QString one = text_.mid(at_, 1);
        if (!symbols_.contains(one))
            throw ChemistryError(UnknownSymbol(one, symbols_), offset_ + start, 1);
        ++at_;
        return one;
    }

    int at_ = 0;
    int limit_ = 0;  // the end of the part read now

private:
    const QString& text_;
    int offset_;
    const QStringList& symbols_;
};

// The charge at the end of the text and where the formula before it ends.
std::pair<int, int> TrailingCharge(const QString& text, int offset, const QStringList& symbols)
{
    const qsizetype caret = text.indexOf(QLatin1Char('^'));
    if (caret >= 0) {
        static const QRegularExpression written(QStringLiteral("^(?:(\\d{1,2})([+-])|([+-])(\\d{0,2}))$"));
        const QRegularExpressionMatch match = written.match(text.mid(caret + 1));
        if (!match.hasMatch())
            throw ChemistryError(QStringLiteral("Ładunek po „^” zapisuje się jak „2-” albo „3+”"), offset + int(caret), int(text.size() - caret));
        const QString digits = match.captured(1).isEmpty() ? match.captured(4) : match.captured(1);
        const QString sign = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
        const int size = digits.isEmpty() ? 1 : digits.toInt();
        if (size == 0)
            throw ChemistryError(QStringLiteral("Ładunek nie może być zerem"), offset + int(caret), int(text.size() - caret));
        return {sign == QLatin1String("+") ? size : -size, int(caret)};
    }
    int end = int(text.size());
    while (end > 0 && (text[end - 1] == QLatin1Char('+') || text[end - 1] == QLatin1Char('-')))
        --end;
    const int signs = int(text.size()) - end;
    if (signs == 0)
        return {0, end};
    const QString run = text.mid(end);
    if (run.count(run[0]) != run.size())
        throw ChemistryError(QStringLiteral("Ładunek zapisany i z „+”, i z „-”"), offset + end, signs);
    const int sign = run[0] == QLatin1Char('+') ? 1 : -1;
    if (signs > 1)
        return {sign * signs, end};
    // one sign: the digits before it are the charge of a single element ("Cu2+"), else a count ("NH4+")
    int digits = end;
    while (digits > 0 && IsDigit(text[digits - 1]))
        --digits;
    if (digits < end && end - digits <= 2 && symbols.contains(text.left(digits)))
        return {sign * text.mid(digits, end - digits).toInt(), digits};
    return {sign, end};
}

} // namespace

QString Subscript(std::int64_t number)
{
    static const QString digits = QStringLiteral("₀₁₂₃₄₅₆₇₈₉");
    QString shown;
    for (const QChar c : QString::number(number))
        shown += digits[c.digitValue()];
    return shown;
}

QString ChargeShown(int charge)
{
    if (charge == 0)
        return {};
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString shown;
    if (std::abs(charge) > 1)
        for (const QChar c : QString::number(std::abs(charge)))
            shown += digits[c.digitValue()];
    return shown + (charge > 0 ? QStringLiteral("⁺") : QStringLiteral("⁻"));
}

Formula ParseFormula(const QString& text, int offset, const QStringList& symbols)
{
    Formula formula;
    if (text.isEmpty())
        throw ChemistryError(QStringLiteral("Brak wzoru"), offset, 0);
    if (text == QLatin1String("e-") || text == QLatin1String("e") || text == QStringLiteral("e⁻")) {
        formula.Electron = true;
        formula.Charge = -1;
        return formula;
    }
    const auto [charge, end] = TrailingCharge(text, offset, symbols);
    formula.Charge = charge;
    if (end == 0)
        throw ChemistryError(QStringLiteral("Sam ładunek, bez wzoru"), offset, int(text.size()));
    Parser parser(text, offset, symbols);
    int partStart = 0;
    while (partStart <= end) {
        int partEnd = partStart;
        while (partEnd < end && !IsHydrateDot(text[partEnd]))
            ++partEnd;
        FormulaPart part;
        parser.at_ = partStart;
        parser.limit_ = partEnd;
        if (partStart > 0) {
            part.Coefficient = parser.Count();
        } else if (end > 0 && IsDigit(text[0])) {
            throw ChemistryError(QStringLiteral("Wzór zaczyna się od liczby: współczynnik ma sens tylko w równaniu"), offset, 1);
        }
        part.Items = parser.Items(partEnd, 0, QChar());
        if (part.Items.empty())
            throw ChemistryError(partStart > 0 ? QStringLiteral("Brak wzoru po kropce") : QStringLiteral("Brak wzoru przed kropką"),
                                 offset + std::max(0, partStart - 1));
        formula.Parts.push_back(std::move(part));
        partStart = partEnd + 1;
    }
    return formula;
}

std::vector<std::pair<QString, std::int64_t>> Formula::Atoms() const
{
    std::vector<std::pair<QString, std::int64_t>> atoms;
    try {
        const std::function<void(const std::vector<FormulaNode>&, std::int64_t)> add = [&](const std::vector<FormulaNode>& items,
                                                                                            std::int64_t times) {
            for (const FormulaNode& node : items) {
                const std::int64_t count = Rational::Mul(times, node.Count);
                if (node.Symbol.isEmpty()) {
                    add(node.Items, count);
                    continue;
                }
                auto found = std::find_if(atoms.begin(), atoms.end(), [&](const auto& a) { return a.first == node.Symbol; });
                if (found == atoms.end())
                    atoms.emplace_back(node.Symbol, count);
                else
                    found->second = Rational::Add(found->second, count);
            }
        };
        for (const FormulaPart& part : Parts)
            add(part.Items, part.Coefficient);
    } catch (const RationalOverflow&) {
        throw ChemistryError(QStringLiteral("Za dużo atomów, by je policzyć"), 0, 0);
    }
    return atoms;
}

QString Formula::Shown() const
{
    if (Electron)
        return QStringLiteral("e⁻");
    const std::function<QString(const std::vector<FormulaNode>&)> items = [&](const std::vector<FormulaNode>& nodes) {
        QString shown;
        for (const FormulaNode& node : nodes) {
            if (node.Symbol.isEmpty())
                shown += node.Bracket + items(node.Items) + (node.Bracket == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char(']'));
            else
                shown += node.Symbol;
            if (node.Count > 1)
                shown += Subscript(node.Count);
        }
        return shown;
    };
    QString shown;
    for (const FormulaPart& part : Parts) {
        if (!shown.isEmpty())
            shown += QChar(0x00B7) + (part.Coefficient > 1 ? QString::number(part.Coefficient) : QString());
        shown += items(part.Items);
    }
    return shown + ChargeShown(Charge);
}
