// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuration.h"
#include "Cp1250.h"
#include "ElementProperties.h"
#include "InOutError.h"
#include "Quiz.h"
#include "TableLayout.h"
#include "QuizOptions.h"
#include "TableFile.h"
#include "TestFolder.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QtTest>

namespace {

const DataFolder Shipped(QStringLiteral(ASSETS_DIR "/"));

QByteArray ShippedConfigurations()
{
    QFile file(Shipped.ConfigurationPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<QuizElement> ShippedFacts(const QByteArray& configurations = ShippedConfigurations())
{
    static const ElementTable table = [] {
        ElementTable t;
        Wczytaj_tablice(t, Shipped);
        return t;
    }();
    return QuizFacts(table, configurations);
}

QuizOptions Only(QuestionKind kind, int count, QuizRange range = QuizRange::All)
{
    QuizOptions options;
    options.Kinds = {};
    options.Kinds[std::size_t(kind)] = true;
    options.QuestionCount = count;
    options.Range = range;
    return options;
}

// The reply the key says is right.
void AnswerRightly(Quiz& quiz)
{
    const Question& question = quiz.Current();
    const QuizElement& answer = quiz.Facts()[std::size_t(question.Answer)];
    if (!question.Choices.empty())
        quiz.AnswerChoice(int(std::find(question.Choices.begin(), question.Choices.end(), question.Answer) - question.Choices.begin()));
    else if (question.Kind == QuestionKind::PointOnTable)
        quiz.AnswerTile(answer.Symbol);
    else
        quiz.AnswerText(answer.Symbol);
}

} // namespace

class TestQuiz : public QObject {
    Q_OBJECT

private slots:
    // For a fixed seed, every kind over every element it can ask about: each asked once, and the
    // key agrees with the records, the configuration file and the figures' file, read apart.
    void theAnswerKeyAgreesWithTheData()
    {
        const std::vector<QuizElement> facts = ShippedFacts();
        QCOMPARE(int(facts.size()), 111);
        QStringList symbols;
        for (const TileCell& cell : TileCells())
            symbols << QLatin1String(cell.Symbol);
        const auto figures = ReadProperties(Shipped, symbols).value();
        const QByteArray configurations = ShippedConfigurations();
        ElementTable table;
        Wczytaj_tablice(table, Shipped);
        const QMap<QuestionKind, int> askable{{QuestionKind::SymbolToName, 111}, {QuestionKind::NameToSymbol, 111},
                                              {QuestionKind::PointOnTable, 111}, {QuestionKind::ShellsToElement, 111},
                                              {QuestionKind::PlaceToElement, 81}};
        for (auto [kind, count] : askable.asKeyValueRange()) {
            Quiz quiz(facts, Only(kind, count), 7);
            QCOMPARE(quiz.Count(), count);
            QSet<QString> asked;
            while (!quiz.Finished()) {
                const Question& question = quiz.Current();
                QCOMPARE(question.Kind, kind);
                const QuizElement& element = facts[std::size_t(question.Answer)];
                const TElementRecord& record = table[element.Number];
                const ElementProperties& figure = figures[element.Symbol];
                QVERIFY(!asked.contains(element.Symbol));
                asked << element.Symbol;
                QCOMPARE(Cp1250ToString(record.Symbol.Text()), element.Symbol);
                const QString name = Cp1250ToString(record.PolishName.Text());
                const QString prompt = quiz.Prompt(question);
                switch (kind) {
                case QuestionKind::SymbolToName:
                    QVERIFY(prompt.endsWith(QStringLiteral(" %1?").arg(element.Symbol)));
                    QCOMPARE(quiz.RightAnswer(question), name);
                    break;
                case QuestionKind::NameToSymbol:
                    QVERIFY(prompt.endsWith(name.mid(1) + QLatin1Char('?')));
                    QCOMPARE(quiz.RightAnswer(question), element.Symbol);
                    break;
                case QuestionKind::PointOnTable:
                    QVERIFY(prompt.endsWith(name.mid(1)));
                    break;
                case QuestionKind::ShellsToElement: {
                    // the file's counts, innermost first, adding up to the atomic number
                    const QByteArray line = ConfigurationInText(configurations, record.Symbol.Text()).value();
                    QStringList counts;
                    int electrons = 0;
                    for (const QByteArray& n : line.trimmed().split('+').mid(1)) {
                        counts << QString::fromLatin1(n);
                        electrons += n.toInt();
                    }
                    QCOMPARE(electrons, element.Number);
                    QString shells;
                    for (qsizetype k = 0; k < counts.size(); ++k)
                        shells += QStringLiteral("%1%2-%3").arg(k ? " " : "").arg(QChar(u"KLMNOPQ"[k])).arg(counts[k]);
                    QCOMPARE(prompt, QStringLiteral("Który pierwiastek ma powłoki %1?").arg(shells));
                    QCOMPARE(quiz.RightAnswer(question), name);
                    break;
                }
                case QuestionKind::PlaceToElement:
                    QCOMPARE(prompt, QStringLiteral("Który pierwiastek leży w grupie %1 i okresie %2?").arg(figure.Group).arg(figure.Period));
                    break;
                }
                QCOMPARE(element.Period, figure.Period);
                QCOMPARE(element.Group, figure.Group);
                QCOMPARE(element.Block, figure.Block);
                AnswerRightly(quiz);
                QCOMPARE(quiz.LastVerdict(), Verdict::Right);
                quiz.Next();
            }
            QCOMPARE(quiz.Score(), count);
            QVERIFY(quiz.Mistakes().empty());
        }
    }

    // Four choices, the answer once among them, no two alike in name or (for shells) in shells, and
    // every other one plausible: the same group or period, or a neighbour by atomic number.
    void distractorsArePlausibleAndDistinct()
    {
        const std::vector<QuizElement> facts = ShippedFacts();
        for (const QuestionKind kind : {QuestionKind::SymbolToName, QuestionKind::ShellsToElement}) {
            Quiz quiz(facts, Only(kind, 111), 11);
            for (const Question& question : quiz.Questions()) {
                QCOMPARE(int(question.Choices.size()), 4);
                QCOMPARE(std::count(question.Choices.begin(), question.Choices.end(), question.Answer), 1);
                const QuizElement& right = facts[std::size_t(question.Answer)];
                QSet<QString> names;
                int sameShells = 0;
                for (const int choice : question.Choices) {
                    const QuizElement& other = facts[std::size_t(choice)];
                    names << other.Name;
                    sameShells += other.Shells == right.Shells ? 1 : 0;
                    QVERIFY2((right.Group && other.Group == right.Group) || other.Period == right.Period ||
                                 std::abs(other.Number - right.Number) <= 2,
                             qPrintable(right.Symbol + QLatin1Char(' ') + other.Symbol));
                }
                QCOMPARE(names.size(), 4);
                // only the answer has the shells the question shows
                if (kind == QuestionKind::ShellsToElement)
                    QCOMPARE(sameShells, 1);
            }
        }
        // two elements with the same name in a damaged table never stand side by side
        std::vector<QuizElement> twins = facts;
        twins[10].Name = twins[2].Name;  // sodium named as lithium, in lithium's group
        Quiz quiz(twins, Only(QuestionKind::SymbolToName, 111), 3);
        for (const Question& question : quiz.Questions()) {
            QSet<QString> names;
            for (const int choice : question.Choices)
                names << twins[std::size_t(choice)].Name;
            QCOMPARE(names.size(), 4);
        }
    }

    void rangesAreRespected_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("ownList");
        QTest::addColumn<QStringList>("expected");  // empty: checked by the rule below
        QTest::newRow("Z 1-20") << int(QuizRange::First20) << QString() << QStringList();
        QTest::newRow("Z 1-36") << int(QuizRange::First36) << QString() << QStringList();
        QTest::newRow("main groups") << int(QuizRange::MainGroups) << QString() << QStringList();
        QTest::newRow("block s") << int(QuizRange::BlockS) << QString() << QStringList();
        QTest::newRow("block p") << int(QuizRange::BlockP) << QString() << QStringList();
        QTest::newRow("block d") << int(QuizRange::BlockD) << QString() << QStringList();
        QTest::newRow("block f") << int(QuizRange::BlockF) << QString() << QStringList();
        QTest::newRow("own list, any case and separators")
            << int(QuizRange::OwnList) << QStringLiteral(" na,K;;fe\nHg ") << QStringList{"Na", "K", "Fe", "Hg"};
    }

    void rangesAreRespected()
    {
        QFETCH(int, range);
        QFETCH(QString, ownList);
        QFETCH(QStringList, expected);
        const std::vector<QuizElement> facts = ShippedFacts();
        QuizOptions options;
        options.Range = QuizRange(range);
        options.OwnList = ownList;
        options.QuestionCount = 50;
        QSet<QString> inRange;
        for (const QuizElement& e : facts) {
            const bool rule = [&] {
                switch (options.Range) {
                case QuizRange::First20: return e.Number <= 20;
                case QuizRange::First36: return e.Number <= 36;
                case QuizRange::MainGroups: return e.Row <= 7 && (e.Column <= 2 || e.Column >= 13);
                case QuizRange::BlockS: return e.Row <= 7 && (e.Column <= 2 || e.Symbol == "He");
                case QuizRange::BlockP: return e.Row <= 7 && e.Column >= 13 && e.Symbol != "He";
                case QuizRange::BlockD: return e.Row <= 7 && e.Column >= 3 && e.Column <= 12;
                case QuizRange::BlockF: return e.Row >= 8;
                default: return expected.contains(e.Symbol);
                }
            }();
            if (rule)
                inRange << e.Symbol;
        }
        Quiz quiz(facts, options, 5);
        QCOMPARE(quiz.Count(), 50);
        // every element of the range once before any comes again
        QStringList asked;
        for (const Question& question : quiz.Questions()) {
            const QString symbol = facts[std::size_t(question.Answer)].Symbol;
            QVERIFY2(inRange.contains(symbol), qPrintable(symbol));
            if (asked.size() % inRange.size() == 0)
                QVERIFY(asked.size() == 0 || symbol != asked.back());
            asked << symbol;
        }
        for (qsizetype round = 0; round + inRange.size() <= asked.size(); round += inRange.size())
            QCOMPARE(QSet<QString>(asked.begin() + round, asked.begin() + round + inRange.size()), inRange);
    }

    // A run answered wrongly on every third question; its repeat asks exactly those again.
    void repeatingAsksExactlyTheMistakes()
    {
        QuizOptions options;
        options.QuestionCount = 30;
        Quiz quiz(ShippedFacts(), options, 21);
        QList<std::pair<int, int>> missed;
        for (int k = 0; !quiz.Finished(); ++k) {
            if (k % 3 == 0) {
                const Question& question = quiz.Current();
                missed << std::pair(int(question.Kind), question.Answer);
                if (!question.Choices.empty())
                    quiz.AnswerChoice(question.Choices[0] == question.Answer ? 1 : 0);
                else if (question.Kind == QuestionKind::PointOnTable)
                    quiz.AnswerTile(quiz.Facts()[std::size_t(question.Answer + 1) % 111].Symbol);
                else
                    quiz.AnswerText(QStringLiteral("Xx"));
                QCOMPARE(quiz.LastVerdict(), Verdict::Wrong);
            } else {
                AnswerRightly(quiz);
            }
            // a second reply changes nothing
            AnswerRightly(quiz);
            quiz.Next();
        }
        QCOMPARE(quiz.Score(), 20);
        QCOMPARE(int(quiz.Mistakes().size()), 10);
        Quiz repeat = quiz.RepeatMistakes(4);
        QCOMPARE(repeat.Count(), 10);
        QList<std::pair<int, int>> asked;
        for (const Question& question : repeat.Questions())
            asked << std::pair(int(question.Kind), question.Answer);
        std::sort(asked.begin(), asked.end());
        std::sort(missed.begin(), missed.end());
        QCOMPARE(asked, missed);
        // and a perfect repeat has nothing left to repeat
        while (!repeat.Finished()) {
            AnswerRightly(repeat);
            repeat.Next();
        }
        QCOMPARE(repeat.RepeatMistakes(1).Count(), 0);
    }

    void typedAnswers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("verdict");
        const int symbol = int(QuestionKind::NameToSymbol), place = int(QuestionKind::PlaceToElement);
        QTest::newRow("the symbol") << symbol << "Co" << int(Verdict::Right);
        QTest::newRow("blanks round it") << symbol << " \tCo  " << int(Verdict::Right);
        QTest::newRow("small letters") << symbol << "co" << int(Verdict::WrongCase);
        QTest::newRow("capitals") << symbol << "CO" << int(Verdict::WrongCase);
        QTest::newRow("another symbol") << symbol << "Cu" << int(Verdict::Wrong);
        QTest::newRow("the name is no symbol") << symbol << "Kobalt" << int(Verdict::Wrong);
        QTest::newRow("place: the symbol") << place << "Co" << int(Verdict::Right);
        QTest::newRow("place: the name, any case") << place << " kobalt " << int(Verdict::Right);
        QTest::newRow("place: small letters") << place << "co" << int(Verdict::WrongCase);
        QTest::newRow("place: a neighbour") << place << "Fe" << int(Verdict::Wrong);
    }

    void typedAnswers()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(int, verdict);
        QuizOptions options = Only(QuestionKind(kind), 5, QuizRange::OwnList);
        options.OwnList = QStringLiteral("Co");
        Quiz quiz(ShippedFacts(), options, 1);
        QCOMPARE(quiz.Facts()[std::size_t(quiz.Current().Answer)].Symbol, QStringLiteral("Co"));
        QCOMPARE(int(quiz.AnswerText(typed)), verdict);
        QCOMPARE(int(quiz.Mistakes().size()), verdict == int(Verdict::Right) ? 0 : 1);
        if (verdict == int(Verdict::WrongCase))
            QVERIFY(quiz.Mistakes().front().CaseOnly);
    }

    // Only a line whose counts add up to the atomic number gives shells; an element without one is
    // never asked about its shells.
    void shellsComeOnlyFromAUsableLine()
    {
        const std::pair<const char*, int> lines[] = {{"+2+8+1", 11}, {"+2+8+1 ", 11}, {"+2+8+1", 12}, {"2+8+1", 11},
                                                      {"+2++9", 11}, {"+2+x+1", 11}, {"+2+-8+17", 11}, {"", 0},
                                                      {"+1+1+1+1+1+1+1+1", 8}, {"+2+8+18+32+32+18+8", 118}};
        QStringList shown;
        for (const auto& [line, number] : lines)
            shown << ShellsText(line, number);
        QCOMPARE(shown, (QStringList{"K-2 L-8 M-1", "K-2 L-8 M-1", "", "", "", "", "", "", "",
                                     "K-2 L-8 M-18 N-32 O-32 P-18 Q-8"}));

        QByteArray configurations = ShippedConfigurations();
        configurations.replace("Fe +2+8+14+2", "");
        configurations.replace("Cu +2+8+18+1", "Cu +2+8+18+2");
        const std::vector<QuizElement> facts = ShippedFacts(configurations);
        Quiz quiz(facts, Only(QuestionKind::ShellsToElement, 200), 9);
        QCOMPARE(quiz.Count(), 200);
        for (const Question& question : quiz.Questions())
            QVERIFY(facts[std::size_t(question.Answer)].Symbol != "Fe" && facts[std::size_t(question.Answer)].Symbol != "Cu");
        // nothing to ask: no questions at all
        QCOMPARE(Quiz(ShippedFacts(QByteArray()), Only(QuestionKind::ShellsToElement, 5), 1).Count(), 0);
    }

    void aSeedRepeatsARun()
    {
        const QuizOptions options;
        const auto run = [&](quint32 seed) {
            QList<std::pair<int, int>> asked;
            const Quiz quiz(ShippedFacts(), options, seed);
            for (const Question& question : quiz.Questions())
                asked << std::pair(int(question.Kind), question.Answer);
            return asked;
        };
        QCOMPARE(run(42), run(42));
        QVERIFY(run(42) != run(43));
    }

    void optionsAreKept()
    {
        TestFolder folder;
        const QString path = folder.Path(QStringLiteral("konfiguracja/nowy/sprawdz-sie.conf"));
        QuizOptions options;
        options.Range = QuizRange::OwnList;
        options.OwnList = QStringLiteral("Na,\nK  Fe");
        options.Kinds = {false, true, false, true, false};
        options.QuestionCount = 35;
        SaveQuizOptions(options, path);
        const QuizOptions read = LoadQuizOptions(path);
        QCOMPARE(read.Range, QuizRange::OwnList);
        QCOMPARE(read.OwnList, QStringLiteral("Na K Fe"));
        QCOMPARE(read.Kinds, options.Kinds);
        QCOMPARE(read.QuestionCount, 35);

        // what a damaged file holds wrongly keeps its default, or is brought inside its bounds
        const std::pair<QByteArray, int> damaged[] = {{"zakres=inny\npytania=999\nrodzaje=0,9\n", 50},
                                                      {"pytania=-3\nrodzaje\n\xff\xfe\x00", 5},
                                                      {QByteArray(70000, 'x'), 20}};
        for (const auto& [bytes, count] : damaged) {
            folder.Write(QStringLiteral("zle.conf"), bytes);
            const QuizOptions loaded = LoadQuizOptions(folder.Path(QStringLiteral("zle.conf")));
            QCOMPARE(loaded.Range, QuizRange::All);
            QCOMPARE(loaded.QuestionCount, count);
            QCOMPARE(loaded.Kinds, QuizOptions().Kinds);
        }
        // a folder that cannot be made: refused, and nothing half-written elsewhere
        folder.Write(QStringLiteral("plik"), "x");
        QVERIFY_THROWS_EXCEPTION(EInOutError, SaveQuizOptions(options, folder.Path(QStringLiteral("plik/sprawdz-sie.conf"))));
        QCOMPARE(folder.Read(QStringLiteral("plik")), QByteArray("x"));
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
