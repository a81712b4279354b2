// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizFacts.h"

#include "Configuration.h"
#include "Cp1250.h"

#include <algorithm>

namespace {

QChar BlockOfCell(int column, int row)
{
    if (row >= 8)
        return QLatin1Char('f');
    // helium stands over the noble gases, but its two electrons fill an s subshell
    if (column <= 2 || (row == 1 && column == 18))
        return QLatin1Char('s');
    return column <= 12 ? QLatin1Char('d') : QLatin1Char('p');
}

} // namespace

QString ShellsText(const QByteArray& configuration, int atomicNumber)
{
    static constexpr char Letters[] = "KLMNOPQ";
    constexpr int MaxShells = 7;
    const QList<QByteArray> counts = Podziel_powloki(configuration.trimmed(), MaxShells + 1);
    if (counts.isEmpty() || counts.size() > MaxShells)
        return {};
    QStringList shells;
    int electrons = 0;
    for (qsizetype k = 0; k < counts.size(); ++k) {
        const QByteArray& digits = counts[k];
        const bool whole = !digits.isEmpty() && digits.size() <= 2 &&
                           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
        const int count = whole ? digits.toInt() : 0;
        if (count < 1 || count > 32)
            return {};
        electrons += count;
        shells << QStringLiteral("%1-%2").arg(QLatin1Char(Letters[k])).arg(count);
    }
    return electrons == atomicNumber ? shells.join(QLatin1Char(' ')) : QString();
}

std::vector<QuizElement> QuizFacts(const ElementTable& table, const QByteArray& configurations)
{
    std::vector<QuizElement> facts;
    for (int index = 1; index <= table.Last(); ++index) {
        const TElementRecord& record = table[index];
        const QByteArray symbol = record.Symbol.Text();
        const int column = record.TableColumn, row = record.TableRow;
        if (symbol.isEmpty() || column < 1 || column > 18 || row < 1 || row > 9)
            continue;
        QuizElement element;
        element.Number = record.AtomicNumber;
        element.Symbol = Cp1250ToString(symbol);
        element.Name = Cp1250ToString(record.PolishName.Text());
        element.Column = column;
        element.Row = row;
        element.Group = row <= 7 ? column : 0;
        element.Period = row <= 7 ? row : row - 2;
        element.Block = BlockOfCell(column, row);
        // the newer elements' shells are predicted: no question asks for them
        if (const std::optional<QByteArray> line = ConfigurationInText(configurations, symbol); line && element.Number <= ElementTable::FileCount)
            element.Shells = ShellsText(*line, element.Number);
        facts.push_back(element);
    }
    return facts;
}

bool CanAsk(const QuizElement& element, QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::ShellsToElement:
        return !element.Shells.isEmpty();
    case QuestionKind::PlaceToElement:
        return element.Group != 0;
    default:
        return true;
    }
}
