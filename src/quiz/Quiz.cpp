// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quiz.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Polish names are common nouns: inside a sentence they begin with a small letter.
QString InSentence(const QString& name)
{
    return name.isEmpty() ? name : name.left(1).toLower() + name.mid(1);
}

// How easily the one is taken for the other: 2 for the same group or period or a near neighbour,
// 1 for only the same block, 0 otherwise.
int Likeness(const QuizElement& a, const QuizElement& b)
{
    if ((a.Group != 0 && a.Group == b.Group) || a.Period == b.Period || std::abs(a.Number - b.Number) <= 2)
        return 2;
    return a.Block == b.Block ? 1 : 0;
}

} // namespace

template <typename Item>
void Quiz::Shuffle(std::vector<Item>& items)
{
    for (std::size_t k = items.size(); k > 1; --k)
        std::swap(items[k - 1], items[std::size_t(random_.bounded(quint32(k)))]);
}

Quiz::Quiz(std::vector<QuizElement> facts, QuizOptions options)
    : facts_(std::move(facts)),
      options_(std::move(options))
{
}

Quiz::Quiz(std::vector<QuizElement> facts, const QuizOptions& options, quint32 seed)
    : Quiz(std::move(facts), options)
{
    random_.seed(seed);
    std::vector<QuestionKind> kinds;
    for (int kind = 0; kind < QuestionKindCount; ++kind)
        if (options_.Asks(QuestionKind(kind)))
            kinds.push_back(QuestionKind(kind));
    std::vector<int> eligible;
    for (int index = 0; index < int(facts_.size()); ++index)
        if (InRange(facts_[std::size_t(index)], options_) &&
            std::any_of(kinds.begin(), kinds.end(), [&](QuestionKind kind) { return CanAsk(facts_[std::size_t(index)], kind); }))
            eligible.push_back(index);
    if (eligible.empty())
        return;
    Shuffle(kinds);
    std::vector<int> deck;
    for (int number = 0; number < options_.QuestionCount; ++number) {
        if (deck.empty()) {
            deck = eligible;
            Shuffle(deck);
            // a new round never opens with the element that closed the last one
            if (!questions_.empty() && deck.size() > 1 && deck.back() == questions_.back().Answer)
                std::swap(deck.front(), deck.back());
        }
        const int element = deck.back();
        deck.pop_back();
        // the kinds in turn, each element asked by the next kind that can ask about it
        QuestionKind kind = kinds.front();
        for (std::size_t step = 0; step < kinds.size(); ++step) {
            kind = kinds[(std::size_t(number) + step) % kinds.size()];
            if (CanAsk(facts_[std::size_t(element)], kind))
                break;
        }
        questions_.push_back({kind, element, Choices(kind, element)});
    }
}

Quiz Quiz::RepeatMistakes(quint32 seed) const
{
    Quiz repeat(facts_, options_);
    repeat.random_.seed(seed);
    std::vector<int> order(mistakes_.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = int(k);
    repeat.Shuffle(order);
    for (const int k : order) {
        const Question& asked = mistakes_[std::size_t(k)].Asked;
        repeat.questions_.push_back({asked.Kind, asked.Answer, repeat.Choices(asked.Kind, asked.Answer)});
    }
    return repeat;
}

std::vector<int> Quiz::Choices(QuestionKind kind, int answer)
{
    if (kind != QuestionKind::SymbolToName && kind != QuestionKind::ShellsToElement)
        return {};
    const QuizElement& right = facts_[std::size_t(answer)];
    std::vector<int> chosen{answer};
    // a choice must differ from the answer and from every other choice in what the learner reads,
    // and in the shells the question shows
    const auto acceptable = [&](int candidate) {
        const QuizElement& other = facts_[std::size_t(candidate)];
        if (kind == QuestionKind::ShellsToElement && other.Shells == right.Shells)
            return false;
        return std::none_of(chosen.begin(), chosen.end(),
                            [&](int taken) { return facts_[std::size_t(taken)].Name == other.Name; });
    };
    // the likeliest first (same group or period or a near neighbour, then the same block), at each
    // likeness those of the range before the rest
    std::vector<int> pools[6];
    for (int index = 0; index < int(facts_.size()); ++index) {
        if (index == answer)
            continue;
        const QuizElement& other = facts_[std::size_t(index)];
        pools[2 * (2 - Likeness(right, other)) + (InRange(other, options_) ? 0 : 1)].push_back(index);
    }
    for (std::vector<int>& pool : pools) {
        Shuffle(pool);
        for (const int candidate : pool)
            if (int(chosen.size()) < ChoiceCount && acceptable(candidate))
                chosen.push_back(candidate);
    }
    Shuffle(chosen);
    return chosen;
}

Verdict Quiz::Reply(Verdict verdict, const QString& given)
{
    if (replied_ || Finished())
        return verdict_;
    replied_ = true;
    verdict_ = verdict;
    if (verdict == Verdict::Right)
        ++score_;
    else
        mistakes_.push_back({Current(), given, verdict == Verdict::WrongCase});
    return verdict;
}

Verdict Quiz::AnswerChoice(int choice)
{
    if (Finished() || choice < 0 || choice >= int(Current().Choices.size()))
        return Reply(Verdict::Wrong, QString());
    return Reply(Current().Choices[std::size_t(choice)] == Current().Answer ? Verdict::Right : Verdict::Wrong,
                 ChoiceText(Current(), choice));
}

Verdict Quiz::AnswerText(const QString& text)
{
    if (Finished())
        return verdict_;
    const QString given = text.trimmed();
    const QuizElement& right = facts_[std::size_t(Current().Answer)];
    // a name is a word, whatever its case; a symbol's case is part of it
    if (Current().Kind == QuestionKind::PlaceToElement && given.compare(right.Name, Qt::CaseInsensitive) == 0)
        return Reply(Verdict::Right, given);
    if (given == right.Symbol)
        return Reply(Verdict::Right, given);
    if (given.compare(right.Symbol, Qt::CaseInsensitive) == 0)
        return Reply(Verdict::WrongCase, given);
    return Reply(Verdict::Wrong, given);
}

Verdict Quiz::AnswerTile(const QString& symbol)
{
    if (Finished())
        return verdict_;
    const auto clicked = std::find_if(facts_.begin(), facts_.end(), [&](const QuizElement& e) { return e.Symbol == symbol; });
    const QString given = clicked != facts_.end() ? QStringLiteral("%1 (%2)").arg(clicked->Name, symbol) : symbol;
    return Reply(symbol == facts_[std::size_t(Current().Answer)].Symbol ? Verdict::Right : Verdict::Wrong, given);
}

void Quiz::Next()
{
    if (!replied_ || Finished())
        return;
    ++position_;
    replied_ = false;
}

QString Quiz::Prompt(const Question& question) const
{
    const QuizElement& element = facts_[std::size_t(question.Answer)];
    switch (question.Kind) {
    case QuestionKind::SymbolToName:
        return QStringLiteral("Jak nazywa się pierwiastek o symbolu %1?").arg(element.Symbol);
    case QuestionKind::NameToSymbol:
        return QStringLiteral("Jaki symbol ma %1?").arg(InSentence(element.Name));
    case QuestionKind::PointOnTable:
        return QStringLiteral("Wskaż na tablicy: %1").arg(InSentence(element.Name));
    case QuestionKind::ShellsToElement:
        return QStringLiteral("Który pierwiastek ma powłoki %1?").arg(element.Shells);
    case QuestionKind::PlaceToElement:
        return QStringLiteral("Który pierwiastek leży w grupie %1 i okresie %2?").arg(element.Group).arg(element.Period);
    }
    return {};
}

QString Quiz::ChoiceText(const Question& question, int choice) const
{
    if (choice < 0 || choice >= int(question.Choices.size()))
        return {};
    return facts_[std::size_t(question.Choices[std::size_t(choice)])].Name;
}

QString Quiz::RightAnswer(const Question& question) const
{
    const QuizElement& element = facts_[std::size_t(question.Answer)];
    switch (question.Kind) {
    case QuestionKind::SymbolToName:
    case QuestionKind::ShellsToElement:
        return element.Name;
    case QuestionKind::NameToSymbol:
        return element.Symbol;
    case QuestionKind::PointOnTable:
    case QuestionKind::PlaceToElement:
        return QStringLiteral("%1 (%2)").arg(element.Name, element.Symbol);
    }
    return {};
}
