// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QuizFacts.h"

#include <QString>
#include <QStringList>

#include <array>

// What the learner chose before the questions: which elements, which kinds, how many questions.
// Kept between runs in the user's configuration folder.

enum class QuizRange { All, First20, First36, MainGroups, BlockS, BlockP, BlockD, BlockF, OwnList };

// Every range with the word its setting is stored under and the caption the learner picks it by,
// in the order of the list.
struct QuizRangeEntry {
    QuizRange Range;
    const char* Key;
    const char* Caption;  // UTF-8
};
const std::array<QuizRangeEntry, 9>& QuizRanges();

struct QuizOptions {
    static constexpr int MinQuestions = 5;
    static constexpr int MaxQuestions = 50;

    QuizRange Range = QuizRange::All;
    QString OwnList;  // the learner's own symbols as typed: "Na, K, Fe" or "Na K Fe"
    std::array<bool, QuestionKindCount> Kinds{true, true, true, true, true};
    int QuestionCount = 20;

    bool Asks(QuestionKind kind) const { return Kinds[std::size_t(kind)]; }
};

// The symbols of the own list, split at blanks, commas and semicolons.
QStringList OwnSymbols(const QString& list);
// Whether the element lies in the chosen range; the own list matches symbols regardless of case.
bool InRange(const QuizElement& element, const QuizOptions& options);
// The symbols of the own list that name no element of the facts.
QStringList UnknownSymbols(const std::vector<QuizElement>& facts, const QuizOptions& options);

// "sprawdz-sie.conf" in the user's configuration folder (never beside the program).
QString QuizOptionsPath();
// The options stored in the file; what is missing or damaged keeps its default, a count outside
// 5 to 50 is brought inside, and a file with no kind chosen asks every kind. Anything but a small
// regular file in its place is no file of ours: the defaults, without waiting on it.
QuizOptions LoadQuizOptions(const QString& path);
// Written whole to a new file that then takes the old one's place; what is no regular file in its
// place is never replaced. Raises EInOutError.
void SaveQuizOptions(const QuizOptions& options, const QString& path);
