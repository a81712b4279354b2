// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuizWindow.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ErrorReport.h"
#include "FileAccess.h"
#include "InOutError.h"
#include "Configuration.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "Memo.h"
#include "ParentColor.h"
#include "SpinEdit.h"
#include "TAGlowne.h"
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRandomGenerator>
#include <QScreen>

namespace {

constexpr int ClientWidth = 400;
constexpr int ClientHeight = 274;
constexpr int PageHeight = 250;
constexpr TColor RightColour = 0x008000;
constexpr TColor WrongColour = 0x0000C0;

const char* const KindCaptions[QuestionKindCount] = {
    "Symbol: wybierz nazwę spośród czterech",
    "Nazwa: wpisz symbol",
    "Wskaż pierwiastek na tablicy",
    "Powłoki elektronowe: wybierz pierwiastek",
    "Grupa i okres: wpisz lub wskaż pierwiastek",
};

// A page of the window: a bare surface that hands the form's colour on to its controls.
QWidget* NewPage(TsuiForm* form, const char* name)
{
    auto* page = new QWidget(form);
    page->setObjectName(QString::fromLatin1(name));
    page->setGeometry(0, form->ClientTop(), ClientWidth, PageHeight);
    PublishColor(page, ParentsColor(page).value_or(clBtnFace));
    return page;
}

TLabel* NewLabel(QWidget* parent, const QString& caption, QPoint at, bool bold = false)
{
    auto* label = new TLabel(caption, parent);
    label->setFont(SansSerifFont(bold));
    label->move(at);
    return label;
}

TLabel* NewWrappedLabel(QWidget* parent, QRect geometry, bool bold = false)
{
    auto* label = new TLabel(QString(), parent);
    label->setFont(SansSerifFont(bold));
    label->SetWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

TsuiButton* NewButton(QWidget* parent, const QString& caption, QRect geometry, bool tabStop = true)
{
    auto* button = new TsuiButton(parent);
    button->setGeometry(geometry);
    button->SetCaption(caption);
    button->SetTabStop(tabStop);
    return button;
}

// "66,7 %", "100 %": the share with a decimal comma, without a zero fraction.
QString Percent(int part, int whole)
{
    const double share = whole > 0 ? 100.0 * part / whole : 0.0;
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const double tenths = std::round(share * 10.0) / 10.0;
    return polish.toString(tenths, 'f', tenths == std::floor(tenths) ? 0 : 1) + QStringLiteral(" %");
}

QString Duration(qint64 milliseconds)
{
    const qint64 seconds = (milliseconds + 500) / 1000;
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

} // namespace

TSprawdzSie::TSprawdzSie(TAGlowne* table, DataFolder folder, QString optionsPath)
    : TSecondaryWindow(table, QStringLiteral("Sprawdź się"), QSize(ClientWidth, ClientHeight), Sizing::Fixed,
                       {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose}),
      table_(table),
      folder_(std::move(folder)),
      optionsPath_(std::move(optionsPath))
{
}

TSprawdzSie::~TSprawdzSie()
{
    if (table_)
        table_->StopAskingForTile();
}

void TSprawdzSie::BuildContents()
{
    BuildSettingsPage();
    BuildQuestionPage();
    BuildResultPage();
    ShowSettings();
}

void TSprawdzSie::BuildSettingsPage()
{
    SettingsPage = NewPage(suiForm1, "SettingsPage");

    TLabel* range = NewLabel(SettingsPage, QStringLiteral("Zakres:"), {10, 12});
    RangeBox = new TsuiCustomComboBox(SettingsPage);
    RangeBox->setObjectName(QStringLiteral("RangeBox"));
    // each field read under the label beside it
    range->TieTo(RangeBox);
    RangeBox->setGeometry(110, 9, 280, 19);
    for (const QuizRangeEntry& entry : QuizRanges())
        RangeBox->addItem(QString::fromUtf8(entry.Caption));
    RangeBox->lineEdit()->setReadOnly(true);

    TLabel* list = NewLabel(SettingsPage, QStringLiteral("Własna lista:"), {10, 38});
    OwnListEdit = new TsuiEdit(SettingsPage);
    OwnListEdit->setObjectName(QStringLiteral("OwnListEdit"));
    list->TieTo(OwnListEdit);
    OwnListEdit->setAccessibleDescription(QStringLiteral("symbole oddzielone spacjami, np. H He Li Na K"));
    OwnListEdit->setGeometry(110, 35, 280, 19);
    // typing a list chooses it
    OwnListEdit->OnChange = [this](QObject*) {
        if (OwnListEdit->hasFocus())
            RangeBox->SetItemIndex(int(QuizRanges().size()) - 1);
        // the unknown symbols named, once none of them stands in the list, are no longer a problem
        if (!unknownSymbols_.isEmpty()) {
            const QStringList typed = OwnSymbols(OwnListEdit->Text());
            if (std::none_of(unknownSymbols_.begin(), unknownSymbols_.end(), [&](const QString& s) { return typed.contains(s, Qt::CaseInsensitive); })) {
                unknownSymbols_.clear();
                ProblemLabel->SetCaption(QString());
            }
        }
    };
    NewLabel(SettingsPage, QStringLiteral("symbole oddzielone spacjami, np. H He Li Na K"), {110, 56})->SetFontColor(clGray);

    NewLabel(SettingsPage, QStringLiteral("Pytania:"), {10, 82});
    for (int kind = 0; kind < QuestionKindCount; ++kind) {
        auto* box = new TsuiCheckBox(SettingsPage);
        box->setObjectName(QStringLiteral("KindBox%1").arg(kind + 1));
        box->SetCaption(QString::fromUtf8(KindCaptions[kind]));
        box->move(110, 80 + 19 * kind);
        KindBoxes[std::size_t(kind)] = box;
    }

    TLabel* count = NewLabel(SettingsPage, QStringLiteral("Liczba pytań:"), {10, 182});
    CountEdit = new TsuiSpinEdit(SettingsPage);
    CountEdit->setObjectName(QStringLiteral("CountEdit"));
    count->TieTo(CountEdit);
    CountEdit->setAccessibleDescription(QStringLiteral("od 5 do 50"));
    CountEdit->setGeometry(110, 179, 50, 19);
    CountEdit->SetMinValue(QuizOptions::MinQuestions);
    CountEdit->SetMaxValue(QuizOptions::MaxQuestions);
    // Enter starts from here too, where the edit would refuse it
    CountEdit->installEventFilter(this);
    NewLabel(SettingsPage, QStringLiteral("(od 5 do 50)"), {168, 182});

    ProblemLabel = NewWrappedLabel(SettingsPage, QRect(10, 206, 290, 40));
    ProblemLabel->setObjectName(QStringLiteral("ProblemLabel"));
    ProblemLabel->SetLive(true);
    ProblemLabel->SetFontColor(WrongColour);

    StartButton = NewButton(SettingsPage, QStringLiteral("Rozpocznij"), QRect(310, 222, 80, 21));
    StartButton->setObjectName(QStringLiteral("StartButton"));
    StartButton->OnClick = [this](QObject*) { Start(); };
}

void TSprawdzSie::BuildQuestionPage()
{
    QuestionPage = NewPage(suiForm1, "QuestionPage");

    ProgressLabel = NewLabel(QuestionPage, QString(), {10, 10});
    ScoreLabel = new TLabel(QString(), QuestionPage);
    ScoreLabel->setFont(SansSerifFont());
    ScoreLabel->SetAutoSize(false);
    ScoreLabel->SetAlignment(Qt::AlignRight);
    ScoreLabel->setGeometry(240, 10, 150, 13);
    PromptLabel = NewWrappedLabel(QuestionPage, QRect(10, 32, 380, 13), true);
    PromptLabel->setObjectName(QStringLiteral("PromptLabel"));
    // a question to choose or point for takes the focus, so a reader reads it first
    PromptLabel->SetTabStop(true);
    HintLabel = NewWrappedLabel(QuestionPage, QRect(10, 62, 380, 13));

    for (int choice = 0; choice < Quiz::ChoiceCount; ++choice) {
        TsuiButton* button = NewButton(QuestionPage, QString(), QRect(10, 84 + 26 * choice, 240, 22));
        button->setObjectName(QStringLiteral("ChoiceButton%1").arg(choice + 1));
        button->OnClick = [this, choice](QObject*) { Choose(choice); };
        ChoiceButtons[std::size_t(choice)] = button;
    }
    AnswerEdit = new TsuiEdit(QuestionPage);
    AnswerEdit->setObjectName(QStringLiteral("AnswerEdit"));
    AnswerEdit->setGeometry(10, 86, 150, 19);
    AnswerEdit->setMaxLength(40);
    CheckButton = NewButton(QuestionPage, QStringLiteral("Sprawdź"), QRect(170, 85, 72, 21));
    CheckButton->OnClick = [this](QObject*) { CheckTyped(); };

    FeedbackLabel = NewWrappedLabel(QuestionPage, QRect(10, 188, 380, 26), true);
    FeedbackLabel->setObjectName(QStringLiteral("FeedbackLabel"));
    FeedbackLabel->SetLive(true);
    NextButton = NewButton(QuestionPage, QStringLiteral("Dalej"), QRect(310, 222, 80, 21));
    NextButton->setObjectName(QStringLiteral("NextButton"));
    NextButton->OnClick = [this](QObject*) { GoOn(); };
}

void TSprawdzSie::BuildResultPage()
{
    ResultPage = NewPage(suiForm1, "ResultPage");

    ResultLabel = NewLabel(ResultPage, QString(), {10, 10}, true);
    ResultLabel->setObjectName(QStringLiteral("ResultLabel"));
    ResultLabel->SetLive(true);
    TimeLabel = NewLabel(ResultPage, QString(), {10, 28});
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));
    MistakesLabel = NewLabel(ResultPage, QString(), {10, 50});
    MistakesMemo = new TsuiMemo(ResultPage);
    MistakesMemo->setObjectName(QStringLiteral("MistakesMemo"));
    MistakesMemo->setGeometry(10, 66, 380, 148);
    MistakesMemo->SetReadOnly(true);
    MistakesMemo->SetBorderColor(clBlack);
    MistakesMemo->SetScrollBars(TScrollStyle::ssVertical);

    RepeatButton = NewButton(ResultPage, QStringLiteral("Powtórz błędy"), QRect(10, 222, 96, 21));
    RepeatButton->setObjectName(QStringLiteral("RepeatButton"));
    RepeatButton->OnClick = [this](QObject*) {
        if (quiz_ && quiz_->Finished() && !quiz_->Mistakes().empty())
            Begin(quiz_->RepeatMistakes(NewSeed()));
    };
    AgainButton = NewButton(ResultPage, QStringLiteral("Nowy test"), QRect(114, 222, 80, 21));
    AgainButton->setObjectName(QStringLiteral("AgainButton"));
    AgainButton->OnClick = [this](QObject*) { ShowSettings(); };
    CloseButton = NewButton(ResultPage, QStringLiteral("Zamknij"), QRect(310, 222, 80, 21));
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->OnClick = [this](QObject*) { close(); };
}

void TSprawdzSie::ShowPage(QWidget* page)
{
    for (QWidget* each : {SettingsPage, QuestionPage, ResultPage})
        each->setVisible(each == page);
}

void TSprawdzSie::ShowSettings()
{
    table_->StopAskingForTile();
    quiz_.reset();
    const QuizOptions options = LoadQuizOptions(optionsPath_);
    for (std::size_t k = 0; k < QuizRanges().size(); ++k)
        if (QuizRanges()[k].Range == options.Range)
            RangeBox->SetItemIndex(int(k));
    OwnListEdit->SetText(options.OwnList);
    for (int kind = 0; kind < QuestionKindCount; ++kind)
        KindBoxes[std::size_t(kind)]->SetChecked(options.Asks(QuestionKind(kind)));
    CountEdit->SetValue(options.QuestionCount);
    ProblemLabel->SetCaption(QString());
    ShowPage(SettingsPage);
    RangeBox->setFocus();
}

QuizOptions TSprawdzSie::ChosenOptions() const
{
    QuizOptions options;
    options.Range = QuizRanges()[std::size_t(std::max(0, RangeBox->ItemIndex()))].Range;
    options.OwnList = OwnListEdit->Text();
    for (int kind = 0; kind < QuestionKindCount; ++kind)
        options.Kinds[std::size_t(kind)] = KindBoxes[std::size_t(kind)]->Checked();
    options.QuestionCount = std::clamp(CountEdit->Value(), QuizOptions::MinQuestions, QuizOptions::MaxQuestions);
    return options;
}

void TSprawdzSie::Start()
{
    const QuizOptions options = ChosenOptions();
    CountEdit->SetValue(options.QuestionCount);
    // the choices are kept even when they ask for nothing, so the learner can mend them next time;
    // that they cannot be is said once, and the run goes on
    try {
        SaveQuizOptions(options, optionsPath_);
    } catch (const std::exception& error) {
        if (!saveFailureTold_) {
            saveFailureTold_ = true;
            ReportError(QStringLiteral("Nie można zapisać ustawień w pliku „%1”: %2. Wybory nie zostaną zapamiętane")
                            .arg(PathAsShown(optionsPath_), ReasonInPolish(error)));
        }
    }

    QByteArray configurations;
    QString shellsProblem;
    try {
        configurations = ReadOnlyFile(folder_.ConfigurationPath()).ReadAll(MaxConfigurationBytes);
    } catch (const std::exception& error) {
        shellsProblem = QStringLiteral("nie można odczytać pliku „%1”: %2")
                            .arg(PathAsShown(folder_.ConfigurationPath()), ReasonInPolish(error));
    }
    std::vector<QuizElement> facts = QuizFacts(table_->Elements(), configurations);

    QString problem;
    const QStringList unknown = UnknownSymbols(facts, options);
    if (std::find(options.Kinds.begin(), options.Kinds.end(), true) == options.Kinds.end())
        problem = QStringLiteral("Zaznacz co najmniej jeden rodzaj pytań.");
    else if (options.Range == QuizRange::OwnList && OwnSymbols(options.OwnList).isEmpty())
        problem = QStringLiteral("Wpisz symbole pierwiastków, np. H He Li.");
    else if (!unknown.isEmpty())
        problem = QStringLiteral("Nieznane symbole: %1.").arg(unknown.join(QStringLiteral(", ")));
    else if (options.Asks(QuestionKind::ShellsToElement) && !shellsProblem.isEmpty())
        problem = QStringLiteral("Pytań o powłoki nie można zadać: %1. Odznacz je, by zacząć.").arg(shellsProblem);
    unknownSymbols_ = problem.startsWith(QStringLiteral("Nieznane")) ? unknown : QStringList();
    if (problem.isEmpty()) {
        Quiz quiz(std::move(facts), options, NewSeed());
        if (quiz.Count() > 0) {
            Begin(std::move(quiz));
            return;
        }
        problem = QStringLiteral("W tym zakresie nie ma pierwiastków, o które można zadać wybrane pytania.");
    }
    ProblemLabel->SetCaption(problem);
}

void TSprawdzSie::Begin(Quiz quiz)
{
    if (quiz.Count() == 0) {
        ShowSettings();
        return;
    }
    quiz_.emplace(std::move(quiz));
    clock_.start();
    ResultLabel->SetCaption(QString());
    ShowPage(QuestionPage);
    ShowQuestion();
}

void TSprawdzSie::ShowQuestion()
{
    const Question& question = quiz_->Current();
    ProgressLabel->SetCaption(QStringLiteral("Pytanie %1 z %2").arg(quiz_->Position() + 1).arg(quiz_->Count()));
    ScoreLabel->SetCaption(QStringLiteral("Wynik: %1 z %2").arg(quiz_->Score()).arg(quiz_->Position()));
    PromptLabel->SetCaption(quiz_->Prompt(question));
    const QString heard = QStringLiteral("Pytanie %1 z %2: %3").arg(quiz_->Position() + 1).arg(quiz_->Count()).arg(PromptLabel->Caption());
    PromptLabel->setAccessibleName(heard);
    AnswerEdit->setAccessibleName(heard);
    const bool typed = question.Kind == QuestionKind::NameToSymbol || question.Kind == QuestionKind::PlaceToElement;
    const bool onTable = question.Kind == QuestionKind::PointOnTable || question.Kind == QuestionKind::PlaceToElement;
    switch (question.Kind) {
    case QuestionKind::NameToSymbol:
        HintLabel->SetCaption(QStringLiteral("Wpisz symbol i naciśnij Enter."));
        break;
    case QuestionKind::PointOnTable:
        HintLabel->SetCaption(QStringLiteral("Kliknij kafelek pierwiastka w oknie układu okresowego."));
        break;
    case QuestionKind::PlaceToElement:
        HintLabel->SetCaption(QStringLiteral("Wpisz symbol lub nazwę albo kliknij kafelek na tablicy."));
        break;
    default:
        HintLabel->SetCaption(QStringLiteral("Wybierz odpowiedź myszą albo klawiszem od 1 do %1.").arg(question.Choices.size()));
    }
    for (int choice = 0; choice < Quiz::ChoiceCount; ++choice) {
        TsuiButton* button = ChoiceButtons[std::size_t(choice)];
        button->setVisible(choice < int(question.Choices.size()));
        button->setEnabled(true);
        button->SetCaption(QStringLiteral("%1.  %2").arg(choice + 1).arg(quiz_->ChoiceText(question, choice)));
    }
    AnswerEdit->setVisible(typed);
    AnswerEdit->setEnabled(true);
    AnswerEdit->SetText(QString());
    CheckButton->setVisible(typed);
    CheckButton->setEnabled(true);
    FeedbackLabel->setAccessibleName(QString());
    FeedbackLabel->SetCaption(QString());
    NextButton->setEnabled(false);
    NextButton->SetCaption(quiz_->Position() + 1 == quiz_->Count() ? QStringLiteral("Wynik") : QStringLiteral("Dalej"));
    if (onTable) {
        table_->AskForTile([this](const QString& symbol) { TileClicked(symbol); }, question.Kind == QuestionKind::PointOnTable);
        // the learner must see the whole table
        if (const QScreen* screen = table_->screen())
            move(PlaceClearOf(frameGeometry(), table_->TilesOnScreen(), table_->frameGeometry(), screen->availableGeometry()));
    } else {
        table_->StopAskingForTile();
    }
    // the answer field, which the question names, or the question itself, from which Tab goes on to
    // the choices
    if (typed)
        AnswerEdit->setFocus();
    else
        PromptLabel->setFocus();
}

void TSprawdzSie::Choose(int choice)
{
    if (!quiz_ || quiz_->Finished() || quiz_->Answered() || choice >= int(quiz_->Current().Choices.size()))
        return;
    answeredByTile_ = false;
    ShowVerdict(quiz_->AnswerChoice(choice));
}

void TSprawdzSie::CheckTyped()
{
    if (!quiz_ || quiz_->Finished() || quiz_->Answered() || AnswerEdit->Text().trimmed().isEmpty())
        return;
    answeredByTile_ = false;
    ShowVerdict(quiz_->AnswerText(AnswerEdit->Text()));
}

void TSprawdzSie::TileClicked(const QString& symbol)
{
    if (!quiz_ || quiz_->Finished() || quiz_->Answered())
        return;
    answeredByTile_ = true;
    ShowVerdict(quiz_->AnswerTile(symbol));
    // the keys go on to this window
    raise();
    activateWindow();
}

void TSprawdzSie::ShowVerdict(Verdict verdict)
{
    const Question& question = quiz_->Current();
    table_->StopAskingForTile();
    // the right choice stands out among the others greyed
    for (int choice = 0; choice < int(question.Choices.size()); ++choice)
        ChoiceButtons[std::size_t(choice)]->setEnabled(question.Choices[std::size_t(choice)] == question.Answer);
    AnswerEdit->setEnabled(false);
    CheckButton->setEnabled(false);
    QString feedback;
    if (verdict == Verdict::Right) {
        feedback = QStringLiteral("Dobrze!");
    } else if (verdict == Verdict::WrongCase) {
        feedback = QStringLiteral("Uwaga na wielkość liter: poprawnie „%1”.").arg(quiz_->Facts()[std::size_t(question.Answer)].Symbol);
    } else if (answeredByTile_) {
        feedback = QStringLiteral("Źle, to jest %1. Szukany pierwiastek: %2.").arg(quiz_->Mistakes().back().Given, quiz_->RightAnswer(question));
    } else {
        feedback = QStringLiteral("Źle. Poprawna odpowiedź: %1.").arg(quiz_->RightAnswer(question));
    }
    ScoreLabel->SetCaption(QStringLiteral("Wynik: %1 z %2").arg(quiz_->Score()).arg(quiz_->Position() + 1));
    NextButton->setEnabled(true);
    // the focus to "Dalej", Enter goes on; the feedback and the score heard after it
    NextButton->setFocus();
    FeedbackLabel->setAccessibleName(feedback + QLatin1Char(' ') + ScoreLabel->Caption() + QLatin1Char('.'));
    FeedbackLabel->SetCaption(feedback);
    FeedbackLabel->SetFontColor(verdict == Verdict::Right ? RightColour : WrongColour);
}

void TSprawdzSie::GoOn()
{
    if (!quiz_ || !quiz_->Answered())
        return;
    quiz_->Next();
    if (quiz_->Finished())
        ShowResult();
    else
        ShowQuestion();
}

void TSprawdzSie::ShowResult()
{
    elapsed_ = clock_.elapsed();
    table_->StopAskingForTile();
    TimeLabel->SetCaption(QStringLiteral("Czas: %1").arg(Duration(elapsed_)));
    const std::vector<Quiz::Mistake>& mistakes = quiz_->Mistakes();
    MistakesLabel->SetCaption(mistakes.empty() ? QStringLiteral("Bez błędów!") : QStringLiteral("Błędy (%1):").arg(mistakes.size()));
    QStringList lines;
    for (const Quiz::Mistake& mistake : mistakes) {
        lines << quiz_->Prompt(mistake.Asked);
        lines << QStringLiteral("    odpowiedź: %1; poprawnie: %2").arg(mistake.Given, quiz_->RightAnswer(mistake.Asked));
    }
    MistakesMemo->SetLines(lines);
    MistakesMemo->setVisible(!mistakes.empty());
    RepeatButton->setEnabled(!mistakes.empty());
    ShowPage(ResultPage);
    (mistakes.empty() ? AgainButton : RepeatButton)->setFocus();
    // the result heard after the focus has moved, with the time and the mistakes' count
    const QString result = QStringLiteral("Wynik: %1 z %2 (%3)").arg(quiz_->Score()).arg(quiz_->Count()).arg(Percent(quiz_->Score(), quiz_->Count()));
    ResultLabel->setAccessibleName(result + QStringLiteral(". ") + TimeLabel->Caption() + QStringLiteral(". ") + MistakesLabel->Caption());
    ResultLabel->SetCaption(result);
}

quint32 TSprawdzSie::NewSeed() const
{
    return fixedSeed_ ? *fixedSeed_ : QRandomGenerator::global()->generate();
}

void TSprawdzSie::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (QuestionPage && QuestionPage->isVisible()) {
        if (key >= Qt::Key_1 && key <= Qt::Key_4) {
            Choose(key - Qt::Key_1);
            return;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (quiz_ && quiz_->Answered())
                GoOn();
            else
                CheckTyped();
            return;
        }
    }
    if (SettingsPage && SettingsPage->isVisible() && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        Start();
        return;
    }
    TSecondaryWindow::keyPressEvent(event);
}

bool TSprawdzSie::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CountEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Start();
            return true;
        }
    }
    return TSecondaryWindow::eventFilter(watched, event);
}

void TSprawdzSie::hideEvent(QHideEvent* event)
{
    // closing ends the run, and the table answers its clicks again; a minimised window keeps it
    if (SettingsPage && !event->spontaneous())
        ShowSettings();
    TSecondaryWindow::hideEvent(event);
}
