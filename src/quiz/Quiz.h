// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizFacts.h"
#include "QuizOptions.h"

#include <QRandomGenerator>
#include <QString>

#include <vector>

// One run of practice questions, apart from any window: which element each question asks about
// and of what kind, its choices, the learner's replies, the score and the mistakes. Everything
// random comes from the seed, so a run can be repeated exactly.

struct Question {
    QuestionKind Kind = QuestionKind::SymbolToName;
    int Answer = 0;            // an index into the facts
    std::vector<int> Choices;  // for the kinds answered by a choice: the answer and three others
};

enum class Verdict {
    Right,
    Wrong,
    WrongCase,  // the right symbol with its letters in the wrong case ("co" for Co)
};

class Quiz {
public:
    static constexpr int ChoiceCount = 4;

    // Questions of the chosen kinds about elements in the range, each element once until every one
    // the kinds can ask about has come. None when nothing can be asked.
    Quiz(std::vector<QuizElement> facts, const QuizOptions& options, quint32 seed);
    // The questions answered wrongly, each asked again once, in a new order and with new choices.
    Quiz RepeatMistakes(quint32 seed) const;

    const std::vector<QuizElement>& Facts() const { return facts_; }
    const std::vector<Question>& Questions() const { return questions_; }
    int Count() const { return int(questions_.size()); }
    // The current question's place, from 0; Count() once all are answered and passed.
    int Position() const { return position_; }
    bool Finished() const { return position_ >= Count(); }
    const Question& Current() const { return questions_[std::size_t(position_)]; }
    bool Answered() const { return replied_; }

    // A reply to the current question, once: a later one while it stands answered changes nothing
    // and returns the first verdict. A choice is numbered from 0; a typed text counts without its
    // surrounding blanks; a tile is named by its symbol.
    Verdict AnswerChoice(int choice);
    Verdict AnswerText(const QString& text);
    Verdict AnswerTile(const QString& symbol);
    // The next question, once the current one is answered.
    void Next();

    int Score() const { return score_; }
    struct Mistake {
        Question Asked;
        QString Given;  // the learner's reply as text: the chosen name, the typed text, the clicked element
        bool CaseOnly = false;  // the right symbol in the wrong case
    };
    const std::vector<Mistake>& Mistakes() const { return mistakes_; }
    Verdict LastVerdict() const { return verdict_; }

    // The question as the learner reads it, and the texts of its choices and its answer.
    QString Prompt(const Question& question) const;
    QString ChoiceText(const Question& question, int choice) const;
    QString RightAnswer(const Question& question) const;

private:
    Quiz(std::vector<QuizElement> facts, QuizOptions options);
    std::vector<int> Choices(QuestionKind kind, int answer);
    Verdict Reply(Verdict verdict, const QString& given);
    template <typename Item>
    void Shuffle(std::vector<Item>& items);

    std::vector<QuizElement> facts_;
    QuizOptions options_;
    QRandomGenerator random_;
    std::vector<Question> questions_;
    int position_ = 0;
    bool replied_ = false;
    Verdict verdict_ = Verdict::Right;
    int score_ = 0;
    std::vector<Mistake> mistakes_;
};
