// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"
#include "Quiz.h"
#include "SecondaryWindow.h"

#include <QElapsedTimer>
#include <QPointer>

#include <array>
#include <optional>

class TAGlowne;
class TLabel;
class TsuiButton;
class TsuiCheckBox;
class TsuiCustomComboBox;
class TsuiEdit;
class TsuiMemo;
class TsuiSpinEdit;

// "Sprawdź się": practice questions on the elements' names, symbols, places and shells. Three
// pages in turn: the choices (range, kinds, number of questions, remembered for the next time),
// the questions one by one with their feedback and a running score, and the result with the
// time, the mistakes and a repeat of them. Keys: 1 to 4 choose, Enter checks a typed answer and
// goes on, Esc closes the window, which ends the run.
class TSprawdzSie : public TSecondaryWindow {
    Q_OBJECT
public:
    TSprawdzSie(TAGlowne* table, DataFolder folder, QString optionsPath);
    // The table answers its clicks again.
    ~TSprawdzSie() override;

    // Every run takes a new seed, unless one is fixed here (for tests).
    void FixSeed(quint32 seed) { fixedSeed_ = seed; }
    // The run in progress or just finished, if any.
    const Quiz* Running() const { return quiz_ ? &*quiz_ : nullptr; }

    // the choices
    QWidget* SettingsPage = nullptr;
    TsuiCustomComboBox* RangeBox = nullptr;
    TsuiEdit* OwnListEdit = nullptr;
    std::array<TsuiCheckBox*, QuestionKindCount> KindBoxes{};
    TsuiSpinEdit* CountEdit = nullptr;
    TLabel* ProblemLabel = nullptr;
    TsuiButton* StartButton = nullptr;
    // a question
    QWidget* QuestionPage = nullptr;
    TLabel *ProgressLabel = nullptr, *ScoreLabel = nullptr, *PromptLabel = nullptr, *HintLabel = nullptr;
    std::array<TsuiButton*, Quiz::ChoiceCount> ChoiceButtons{};
    TsuiEdit* AnswerEdit = nullptr;
    TsuiButton* CheckButton = nullptr;
    TLabel* FeedbackLabel = nullptr;
    TsuiButton* NextButton = nullptr;
    // the result
    QWidget* ResultPage = nullptr;
    TLabel *ResultLabel = nullptr, *TimeLabel = nullptr, *MistakesLabel = nullptr;
    TsuiMemo* MistakesMemo = nullptr;
    TsuiButton *RepeatButton = nullptr, *AgainButton = nullptr, *CloseButton = nullptr;

protected:
    void BuildContents() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildSettingsPage();
    void BuildQuestionPage();
    void BuildResultPage();
    void ShowPage(QWidget* page);
    void ShowSettings();
    QuizOptions ChosenOptions() const;
    // Starts a run on the chosen options, or says in the window why it cannot.
    void Start();
    void Begin(Quiz quiz);
    void ShowQuestion();
    void Choose(int choice);
    void CheckTyped();
    void TileClicked(const QString& symbol);
    void ShowVerdict(Verdict verdict);
    void GoOn();
    void ShowResult();
    quint32 NewSeed() const;

    QPointer<TAGlowne> table_;
    DataFolder folder_;
    QString optionsPath_;
    std::optional<quint32> fixedSeed_;
    std::optional<Quiz> quiz_;
    QElapsedTimer clock_;
    qint64 elapsed_ = 0;
    bool answeredByTile_ = false;
    bool saveFailureTold_ = false;
    QStringList unknownSymbols_;  // the ones the problem line names
};
