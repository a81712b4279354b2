// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableOptions.h"
#include "Accessibility.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ErrorRecorder.h"
#include "Form.h"
#include "Label.h"
#include "Memo.h"
#include "Menu.h"
#include "MenuBar.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "QuizWindow.h"
#include "SpinEdit.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace WindowInput;

namespace {

const DataFolder Shipped(QStringLiteral(ASSETS_DIR "/"));

QByteArray ShippedTable()
{
    QFile file(QStringLiteral(ASSETS_DIR "/dane.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "Sprawdź się…" chosen with the mouse in the menu "Interakcje".
void OpenQuizByMouse()
{
    TsuiMenuBar* bar = AGlowne->suiForm1->MenuBar();
    Click(bar, bar->ButtonRect(3).center());
    QTRY_VERIFY(bar->OpenDropDown() && bar->OpenDropDown()->isVisible());
    SkinnedMenuPopup* popup = bar->OpenDropDown();
    Move(popup, popup->actionGeometry(AGlowne->Sprawdsi1).center());
    Click(popup, popup->actionGeometry(AGlowne->Sprawdsi1).center());
    QTRY_VERIFY(SprawdzSie && SprawdzSie->isVisible());
    QVERIFY(Activate(SprawdzSie));
}

int RightChoice(const Question& question)
{
    return int(std::find(question.Choices.begin(), question.Choices.end(), question.Answer) - question.Choices.begin());
}

} // namespace

class TestQuizWindow : public QObject {
    Q_OBJECT

private slots:
    // the choices in a folder of this run's own
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", configuration_.path().toLocal8Bit());
        SaveTableOptions({false}, TableOptionsPath());  // the table of "dane.dat" alone
        InstallAccessibility();
    }

    void cleanup() { DestroyWindows(); }

    // The whole run by keyboard and mouse through the windows: twenty answered from the key, then
    // twenty answered wrongly and their repeat; the table plain only while a tile is asked for, and
    // the table, its colouring and its file as they were once the window is closed.
    void twentyRightThenTwentyWrong()
    {
        const QByteArray table = ShippedTable();
        ErrorRecorder errors;
        CreateWindows(Shipped);
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        QVERIFY(Activate(AGlowne));
        AGlowne->Grupypierwiastkw1->trigger();
        const TColor sodium = AGlowne->TileOf("Na")->Color();
        QVERIFY(sodium != clBtnFace && AGlowne->suiPanel1->isVisible());

        OpenQuizByMouse();
        QVERIFY(SprawdzSie->SettingsPage->isVisible());
        SprawdzSie->FixSeed(2026);
        for (TsuiCheckBox* box : SprawdzSie->KindBoxes)
            QVERIFY(box->Checked());
        Click(SprawdzSie->CountEdit);
        Key(SprawdzSie, Qt::Key_A, Qt::ControlModifier);
        Type(SprawdzSie, QStringLiteral("20"));
        Key(SprawdzSie, Qt::Key_Return);
        QVERIFY(SprawdzSie->QuestionPage->isVisible());

        // the search goes on working while a question waits
        QVERIFY(Activate(AGlowne));
        Click(AGlowne->suiComboBox1);
        Key(AGlowne, Qt::Key_A, Qt::ControlModifier);
        Type(AGlowne, QStringLiteral("Żelazo"));
        Key(AGlowne, Qt::Key_Return);
        QTRY_VERIFY(Informacje->isVisible());
        QCOMPARE(Informacje->Label8->Caption(), QStringLiteral("Fe"));
        QVERIFY(!SprawdzSie->Running()->Answered());
        Informacje->close();
        QVERIFY(Activate(SprawdzSie));

        QSet<QuestionKind> kinds;
        const auto answer = [&](bool rightly) {
            const Quiz& quiz = *SprawdzSie->Running();
            const Question question = quiz.Current();
            kinds << question.Kind;
            const QuizElement& element = quiz.Facts()[std::size_t(question.Answer)];
            const QString other = quiz.Facts()[std::size_t(question.Answer + 1) % quiz.Facts().size()].Symbol;
            const bool onTable = question.Kind == QuestionKind::PointOnTable;
            QCOMPARE(AGlowne->TileOf("Na")->Veiled(), onTable);
            QCOMPARE(AGlowne->suiPanel1->isVisible(), !onTable);
            if (!question.Choices.empty()) {
                const int choice = rightly ? RightChoice(question) : (RightChoice(question) + 1) % 4;
                Key(SprawdzSie, Qt::Key(Qt::Key_1 + choice));
            } else if (onTable || (question.Kind == QuestionKind::PlaceToElement && !rightly)) {
                Click(AGlowne->TileOf(rightly ? element.Symbol : other));
                QTRY_VERIFY(SprawdzSie->isActiveWindow());
                if (!rightly)
                    QVERIFY(SprawdzSie->FeedbackLabel->Caption().contains(quiz.Facts()[std::size_t(question.Answer + 1) % quiz.Facts().size()].Name));
            } else {
                // the learner's blanks round a right symbol; a wrong one in small letters
                Type(SprawdzSie, rightly ? QStringLiteral(" %1 ").arg(element.Symbol) : element.Symbol.toLower());
                Key(SprawdzSie, Qt::Key_Return);
                if (!rightly && element.Symbol != element.Symbol.toLower())
                    QVERIFY(SprawdzSie->FeedbackLabel->Caption().startsWith(QStringLiteral("Uwaga na wielkość liter")));
            }
            QVERIFY(quiz.Answered());
            QCOMPARE(quiz.LastVerdict() == Verdict::Right, rightly);
            QVERIFY(!AGlowne->TileOf("Na")->Veiled());
            Key(SprawdzSie, Qt::Key_Return);
        };
        for (int k = 0; k < 20; ++k)
            answer(true);
        QCOMPARE(kinds.size(), QuestionKindCount);
        QVERIFY(SprawdzSie->ResultPage->isVisible());
        QCOMPARE(SprawdzSie->ResultLabel->Caption(), QStringLiteral("Wynik: 20 z 20 (100 %)"));
        QCOMPARE(SprawdzSie->MistakesLabel->Caption(), QStringLiteral("Bez błędów!"));
        QVERIFY(!SprawdzSie->RepeatButton->isEnabled());
        // nor does a screen reader's press repeat nothing
        QAccessible::queryAccessibleInterface(SprawdzSie->RepeatButton)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(SprawdzSie->ResultPage->isVisible());
        QCOMPARE(AGlowne->TileOf("Na")->Color(), sodium);
        QVERIFY(AGlowne->suiPanel1->isVisible());

        Click(SprawdzSie->AgainButton);
        QVERIFY(SprawdzSie->SettingsPage->isVisible());
        QCOMPARE(SprawdzSie->CountEdit->Value(), 20);
        Click(SprawdzSie->StartButton);
        for (int k = 0; k < 20; ++k)
            answer(false);
        QCOMPARE(SprawdzSie->ResultLabel->Caption(), QStringLiteral("Wynik: 0 z 20 (0 %)"));
        QCOMPARE(SprawdzSie->MistakesLabel->Caption(), QStringLiteral("Błędy (20):"));
        QCOMPARE(SprawdzSie->MistakesMemo->Lines().size(), 40);
        QList<std::pair<int, int>> missed;
        for (const Quiz::Mistake& mistake : SprawdzSie->Running()->Mistakes())
            missed << std::pair(int(mistake.Asked.Kind), mistake.Asked.Answer);
        Click(SprawdzSie->RepeatButton);
        QVERIFY(SprawdzSie->QuestionPage->isVisible());
        QCOMPARE(SprawdzSie->ProgressLabel->Caption(), QStringLiteral("Pytanie 1 z 20"));
        QList<std::pair<int, int>> repeated;
        for (const Question& question : SprawdzSie->Running()->Questions())
            repeated << std::pair(int(question.Kind), question.Answer);
        std::sort(repeated.begin(), repeated.end());
        std::sort(missed.begin(), missed.end());
        QCOMPARE(repeated, missed);

        // closed in the middle of a table question: the table is the table again
        while (SprawdzSie->Running()->Current().Kind != QuestionKind::PointOnTable)
            answer(true);
        QVERIFY(AGlowne->TileOf("Na")->Veiled());
        Key(SprawdzSie, Qt::Key_Escape);
        QTRY_VERIFY(!SprawdzSie->isVisible());
        QVERIFY(!AGlowne->TileOf("Na")->Veiled());
        QCOMPARE(AGlowne->TileOf("Na")->Color(), sodium);
        QVERIFY(Activate(AGlowne));
        Click(AGlowne->TileOf("Cu"));
        QTRY_VERIFY(Informacje->isVisible());
        QCOMPARE(Informacje->Label8->Caption(), QStringLiteral("Cu"));
        AGlowne->Stanyskupienia1->trigger();
        QVERIFY(AGlowne->suiPanel4->isVisible());
        QVERIFY(AGlowne->TileOf("Na")->Color() != sodium);
        QVERIFY(errors.messages.isEmpty());
        AGlowne->close();
        QCOMPARE(ShippedTable(), table);
    }

    // The choices come back as they were left; what cannot start says why in the window.
    void choicesAreRememberedAndProblemsNamed()
    {
        QuizOptions kept;
        kept.Range = QuizRange::BlockD;
        kept.Kinds = {false, false, false, false, true};
        kept.QuestionCount = 12;
        SaveQuizOptions(kept, QuizOptionsPath());
        CreateWindows(Shipped);
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        QVERIFY(Activate(AGlowne));
        OpenQuizByMouse();
        QCOMPARE(SprawdzSie->RangeBox->Text(), QStringLiteral("Blok d"));
        QCOMPARE(SprawdzSie->CountEdit->Value(), 12);
        QVERIFY(!SprawdzSie->KindBoxes[0]->Checked() && SprawdzSie->KindBoxes[4]->Checked());

        // typing a list chooses it; unknown symbols are named and nothing starts
        Click(SprawdzSie->OwnListEdit);
        Type(SprawdzSie, QStringLiteral("Na Xq K Jj"));
        QCOMPARE(SprawdzSie->RangeBox->Text(), QStringLiteral("Własna lista symboli"));
        Key(SprawdzSie, Qt::Key_Return);
        QVERIFY(SprawdzSie->SettingsPage->isVisible());
        QCOMPARE(SprawdzSie->ProblemLabel->Caption(), QStringLiteral("Nieznane symbole: Xq, Jj."));
        // the line stays while one of them does, and goes as the list is put right
        Click(SprawdzSie->OwnListEdit);
        Key(SprawdzSie, Qt::Key_End);
        Key(SprawdzSie, Qt::Key_Backspace);
        Key(SprawdzSie, Qt::Key_Backspace);
        QCOMPARE(SprawdzSie->ProblemLabel->Caption(), QStringLiteral("Nieznane symbole: Xq, Jj."));
        SprawdzSie->OwnListEdit->selectAll();
        Type(SprawdzSie, QStringLiteral("Na K"));
        QVERIFY(SprawdzSie->ProblemLabel->Caption().isEmpty());
        // no kind chosen
        for (TsuiCheckBox* box : SprawdzSie->KindBoxes)
            if (box->Checked())
                Click(box);
        Click(SprawdzSie->StartButton);
        QCOMPARE(SprawdzSie->ProblemLabel->Caption(), QStringLiteral("Zaznacz co najmniej jeden rodzaj pytań."));
        // the f block has no groups to ask about
        Click(SprawdzSie->KindBoxes[4]);
        SprawdzSie->RangeBox->SetItemIndex(7);
        Click(SprawdzSie->StartButton);
        QVERIFY(SprawdzSie->ProblemLabel->Caption().startsWith(QStringLiteral("W tym zakresie nie ma")));
        Key(SprawdzSie, Qt::Key_Escape);
        QTRY_VERIFY(!SprawdzSie->isVisible());
        QCOMPARE(LoadQuizOptions(QuizOptionsPath()).Range, QuizRange::BlockF);
        QVERIFY(QuizOptionsPath().startsWith(configuration_.path()));
    }

    // Choices that cannot be kept (something else stands where their file goes) are said to be lost
    // once, in Polish, and the runs go on.
    void choicesThatCannotBeKeptAreToldOnce()
    {
        QVERIFY(QFile::remove(QuizOptionsPath()) || !QFile::exists(QuizOptionsPath()));
        QVERIFY(QDir().mkpath(QuizOptionsPath()));
        ErrorRecorder errors;
        CreateWindows(Shipped);
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        QVERIFY(Activate(AGlowne));
        OpenQuizByMouse();
        for (int run = 0; run < 2; ++run) {
            Click(SprawdzSie->StartButton);
            QVERIFY(!SprawdzSie->SettingsPage->isVisible());
            Key(SprawdzSie, Qt::Key_Escape);
            QTRY_VERIFY(!SprawdzSie->isVisible());
            AGlowne->Sprawdsi1->trigger();
            QTRY_VERIFY(SprawdzSie->isVisible() && SprawdzSie->SettingsPage->isVisible());
        }
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages[0].startsWith(QStringLiteral("Nie można zapisać ustawień w pliku „%1”: to nie jest zwykły plik").arg(QuizOptionsPath())),
                 qPrintable(errors.messages[0]));
        QVERIFY(QDir().rmdir(QuizOptionsPath()));
    }

private:
    QTemporaryDir configuration_;
};

QTEST_MAIN(TestQuizWindow)
#include "tst_quiz_window.moc"
