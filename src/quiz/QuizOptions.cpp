// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizOptions.h"

#include "FileAccess.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QString KindsKey = QStringLiteral("rodzaje");
const QString RangeKey = QStringLiteral("zakres");
const QString ListKey = QStringLiteral("lista");
const QString CountKey = QStringLiteral("pytania");

} // namespace

const std::array<QuizRangeEntry, 9>& QuizRanges()
{
    static const std::array<QuizRangeEntry, 9> ranges{{
        {QuizRange::All, "wszystkie", "Wszystkie pierwiastki"},
        {QuizRange::First20, "1-20", "Liczby atomowe od 1 do 20"},
        {QuizRange::First36, "1-36", "Liczby atomowe od 1 do 36"},
        {QuizRange::MainGroups, "grupy-glowne", "Grupy główne (1, 2 i 13–18)"},
        {QuizRange::BlockS, "blok-s", "Blok s"},
        {QuizRange::BlockP, "blok-p", "Blok p"},
        {QuizRange::BlockD, "blok-d", "Blok d"},
        {QuizRange::BlockF, "blok-f", "Blok f"},
        {QuizRange::OwnList, "lista", "Własna lista symboli"},
    }};
    return ranges;
}

QStringList OwnSymbols(const QString& list)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    return list.split(separators, Qt::SkipEmptyParts);
}

bool InRange(const QuizElement& element, const QuizOptions& options)
{
    switch (options.Range) {
    case QuizRange::All:
        return true;
    case QuizRange::First20:
        return element.Number >= 1 && element.Number <= 20;
    case QuizRange::First36:
        return element.Number >= 1 && element.Number <= 36;
    case QuizRange::MainGroups:
        return element.Group == 1 || element.Group == 2 || element.Group >= 13;
    case QuizRange::BlockS:
        return element.Block == QLatin1Char('s');
    case QuizRange::BlockP:
        return element.Block == QLatin1Char('p');
    case QuizRange::BlockD:
        return element.Block == QLatin1Char('d');
    case QuizRange::BlockF:
        return element.Block == QLatin1Char('f');
    case QuizRange::OwnList:
        return OwnSymbols(options.OwnList).contains(element.Symbol, Qt::CaseInsensitive);
    }
    return false;
}

QStringList UnknownSymbols(const std::vector<QuizElement>& facts, const QuizOptions& options)
{
    QStringList unknown;
    if (options.Range != QuizRange::OwnList)
        return unknown;
    for (const QString& symbol : OwnSymbols(options.OwnList)) {
        const bool known = std::any_of(facts.begin(), facts.end(), [&](const QuizElement& element) {
            return element.Symbol.compare(symbol, Qt::CaseInsensitive) == 0;
        });
        if (!known && !unknown.contains(symbol))
            unknown << symbol;
    }
    return unknown;
}

QString QuizOptionsPath()
{
    return SettingsFilePath(QStringLiteral("sprawdz-sie.conf"));
}

QuizOptions LoadQuizOptions(const QString& path)
{
    QuizOptions options;
    const std::optional<QByteArray> bytes = ReadSettingsFile(path);
    if (!bytes)
        return options;
    for (const auto& [key, written] : SettingsEntries(*bytes)) {
        const QString value = written.trimmed();
        if (key == RangeKey) {
            for (const QuizRangeEntry& entry : QuizRanges())
                if (value == QLatin1String(entry.Key))
                    options.Range = entry.Range;
        } else if (key == ListKey) {
            options.OwnList = value;
        } else if (key == CountKey) {
            bool number = false;
            const int count = value.toInt(&number);
            if (number)
                options.QuestionCount = std::clamp(count, QuizOptions::MinQuestions, QuizOptions::MaxQuestions);
        } else if (key == KindsKey) {
            std::array<bool, QuestionKindCount> kinds{};
            for (const QString& word : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const int kind = word.trimmed().toInt();
                if (kind >= 1 && kind <= QuestionKindCount)
                    kinds[std::size_t(kind - 1)] = true;
            }
            if (std::find(kinds.begin(), kinds.end(), true) != kinds.end())
                options.Kinds = kinds;
        }
    }
    return options;
}

void SaveQuizOptions(const QuizOptions& options, const QString& path)
{
    QStringList kinds;
    for (int kind = 0; kind < QuestionKindCount; ++kind)
        if (options.Kinds[std::size_t(kind)])
            kinds << QString::number(kind + 1);
    const auto entry = std::find_if(QuizRanges().begin(), QuizRanges().end(),
                                    [&](const QuizRangeEntry& e) { return e.Range == options.Range; });
    QString text = QStringLiteral("# Sprawdź się: ostatnie ustawienia\n");
    text += RangeKey + QLatin1Char('=') + QLatin1String(entry->Key) + QLatin1Char('\n');
    // one line: a list pasted with line breaks keeps its symbols
    text += ListKey + QLatin1Char('=') + OwnSymbols(options.OwnList).join(QLatin1Char(' ')) + QLatin1Char('\n');
    text += KindsKey + QLatin1Char('=') + kinds.join(QLatin1Char(',')) + QLatin1Char('\n');
    text += CountKey + QLatin1Char('=') + QString::number(options.QuestionCount) + QLatin1Char('\n');
    WriteSettingsFile(path, text.toUtf8());
}
