// SPDX-License-Identifier: GPL-3.0-or-later
#include "Interactions.h"
#include "Button.h"
#include "CalculatorWindow.h"
#include "ComboBox.h"
#include "Equation.h"
#include "ErrorRecorder.h"
#include "Form.h"
#include "Label.h"
#include "Memo.h"
#include "Menu.h"
#include "MenuBar.h"
#include "RichEdit.h"
#include "TAGlowne.h"
#include "TableLayout.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const WeightTable& Weights()
{
    static const WeightTable weights = [] {
        QStringList symbols;
        for (const TileCell& cell : TileCells())
            symbols << QLatin1String(cell.Symbol);
        QHash<QString, QString> written;
        const auto figuresFile = ReadProperties(DataFolder(QStringLiteral(ASSETS_DIR "/")), symbols);
        for (const ElementProperties& figures : *figuresFile)
            written.insert(figures.Symbol, figures.AtomicWeight);
        return WeightsOf(written);
    }();
    return weights;
}

// The atoms of every element and the charge on both sides, with the coefficients found.
bool Holds(const Equation& equation, const std::vector<std::int64_t>& coefficients)
{
    QHash<QString, std::int64_t> balance;
    std::int64_t charge = 0;
    for (std::size_t k = 0; k < equation.Left.size() + equation.Right.size(); ++k) {
        const bool left = k < equation.Left.size();
        const Species& species = left ? equation.Left[k] : equation.Right[k - equation.Left.size()];
        const std::int64_t c = (left ? 1 : -1) * coefficients[k];
        for (const auto& [symbol, count] : species.Substance.Atoms())
            balance[symbol] += c * count;
        charge += c * species.Substance.Charge;
    }
    return charge == 0 && std::all_of(balance.begin(), balance.end(), [](std::int64_t n) { return n == 0; });
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT

private slots:
    // Molar masses from the IUPAC 2021 weights, to two decimals rounded half up, with a decimal comma.
    void molarMasses_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("heading");
        const std::pair<const char*, const char*> cases[] = {
            {"H2O", "M(H₂O) = 18,02 g/mol"}, {"CO2", "M(CO₂) = 44,01 g/mol"}, {"NaCl", "M(NaCl) = 58,44 g/mol"},
            {"H2SO4", "M(H₂SO₄) = 98,07 g/mol"}, {"HNO3", "M(HNO₃) = 63,01 g/mol"}, {"H3PO4", "M(H₃PO₄) = 97,99 g/mol"},
            {"NaOH", "M(NaOH) = 40,00 g/mol"}, {"KOH", "M(KOH) = 56,11 g/mol"}, {"Ca(OH)2", "M(Ca(OH)₂) = 74,09 g/mol"},
            {"Mg(OH)2", "M(Mg(OH)₂) = 58,32 g/mol"}, {"Al(OH)3", "M(Al(OH)₃) = 78,00 g/mol"}, {"Fe(OH)3", "M(Fe(OH)₃) = 106,87 g/mol"},
            {"CaCO3", "M(CaCO₃) = 100,09 g/mol"}, {"Na2CO3", "M(Na₂CO₃) = 105,99 g/mol"}, {"NaHCO3", "M(NaHCO₃) = 84,01 g/mol"},
            {"K2SO4", "M(K₂SO₄) = 174,25 g/mol"}, {"CuSO4", "M(CuSO₄) = 159,60 g/mol"}, {"CuSO4·5H2O", "M(CuSO₄·5H₂O) = 249,68 g/mol"},
            {"CuSO4*5H2O", "M(CuSO₄·5H₂O) = 249,68 g/mol"}, {"CuSO4.5H2O", "M(CuSO₄·5H₂O) = 249,68 g/mol"},
            {"CaSO4·2H2O", "M(CaSO₄·2H₂O) = 172,16 g/mol"}, {"Na2SO4·10H2O", "M(Na₂SO₄·10H₂O) = 322,19 g/mol"},
            {"MgSO4·7H2O", "M(MgSO₄·7H₂O) = 246,47 g/mol"}, {"Al2(SO4)3", "M(Al₂(SO₄)₃) = 342,13 g/mol"},
            {"Ca3(PO4)2", "M(Ca₃(PO₄)₂) = 310,17 g/mol"}, {"(NH4)2SO4", "M((NH₄)₂SO₄) = 132,13 g/mol"},
            {"NH4Cl", "M(NH₄Cl) = 53,49 g/mol"}, {"NH3", "M(NH₃) = 17,03 g/mol"}, {"CH4", "M(CH₄) = 16,04 g/mol"},
            {"C2H5OH", "M(C₂H₅OH) = 46,07 g/mol"}, {"C6H12O6", "M(C₆H₁₂O₆) = 180,16 g/mol"}, {"C12H22O11", "M(C₁₂H₂₂O₁₁) = 342,30 g/mol"},
            {"CH3COOH", "M(CH₃COOH) = 60,05 g/mol"}, {"KMnO4", "M(KMnO₄) = 158,03 g/mol"}, {"K2Cr2O7", "M(K₂Cr₂O₇) = 294,18 g/mol"},
            {"Fe2O3", "M(Fe₂O₃) = 159,69 g/mol"}, {"Fe3O4", "M(Fe₃O₄) = 231,53 g/mol"}, {"P4O10", "M(P₄O₁₀) = 283,89 g/mol"},
            {"O3", "M(O₃) = 48,00 g/mol"}, {"Fe", "M(Fe) = 55,85 g/mol"}, {"Tc", "M(Tc) = 98,00 g/mol"},
            {"K4[Fe(CN)6]", "M(K₄[Fe(CN)₆]) = 368,35 g/mol"}, {"Cu(NO3)2", "M(Cu(NO₃)₂) = 187,55 g/mol"},
            {"Ca(HCO3)2", "M(Ca(HCO₃)₂) = 162,11 g/mol"}, {"(NH4)3PO4", "M((NH₄)₃PO₄) = 149,09 g/mol"},
            {"SO4^2-", "M(SO₄²⁻) = 96,06 g/mol"}, {"NH4+", "M(NH₄⁺) = 18,04 g/mol"}, {" Mg3N2 ", "M(Mg₃N₂) = 100,93 g/mol"},
        };
        for (const auto& [formula, heading] : cases)
            QTest::newRow(formula) << QString::fromUtf8(formula) << QString::fromUtf8(heading);
    }
    void molarMasses()
    {
        QFETCH(QString, formula);
        QFETCH(QString, heading);
        const CalculatorAnswer answer = Calculate(formula, Weights());
        QVERIFY2(!answer.Failed, qPrintable(answer.Heading));
        QCOMPARE(answer.Heading, heading);
    }

    // The working as a learner writes it, the table of elements, and a weight from a mass number said so.
    void theWorking()
    {
        const CalculatorAnswer lime = Calculate(QStringLiteral("Ca(OH)2"), Weights());
        QCOMPARE(lime.Working.front(), QStringLiteral("M(Ca(OH)₂) = 40,078 + 2 · (15,999 + 1,0080) = 74,09 g/mol"));
        const CalculatorAnswer vitriol = Calculate(QStringLiteral("CuSO4·5H2O"), Weights());
        QCOMPARE(vitriol.Working.front(), QStringLiteral("M(CuSO₄·5H₂O) = 63,546 + 32,06 + 4 · 15,999 + 5 · (2 · 1,0080 + 15,999) = 249,68 g/mol"));
        QCOMPARE(int(vitriol.Table.size()), 4);
        QCOMPARE(vitriol.Table[0].Element + QLatin1Char(' ') + vitriol.Table[0].Atoms + QLatin1Char(' ') + vitriol.Table[0].Mass + QLatin1Char(' ') +
                     vitriol.Table[0].Percent,
                 QStringLiteral("Cu 1 63,546 g/mol 25,45 %"));
        QCOMPARE(vitriol.Table[2].Element + QLatin1Char(' ') + vitriol.Table[2].Atoms, QStringLiteral("O 9"));
        const CalculatorAnswer technetium = Calculate(QStringLiteral("TcO4-"), Weights());
        QVERIFY(technetium.Notes.join(QString()).contains(QStringLiteral("Tc nie ma standardowej masy atomowej")));
        QVERIFY(technetium.Text().contains(QStringLiteral("Pierwiastek\tLiczba atomów")));
    }

    // A mass, an amount or a number of particles gives the other two.
    void amounts_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("heading");
        QTest::newRow("grams") << QStringLiteral("18 g H2O") << QStringLiteral("H₂O: m = 18 g, n = 0,9992 mol, N = 6,017·10²³");
        QTest::newRow("moles") << QStringLiteral("0,5 mol NaCl") << QStringLiteral("NaCl: m = 29,22 g, n = 0,5 mol, N = 3,011·10²³");
        QTest::newRow("particles") << QStringLiteral("6,022·10^23 cząsteczek CO2") << QStringLiteral("CO₂: m = 44,01 g, n = 1 mol, N = 6,022·10²³");
        QTest::newRow("milligrams") << QStringLiteral("100 mg CaCO3") << QStringLiteral("CaCO₃: m = 0,1 g, n = 9,991·10⁻⁴ mol, N = 6,017·10²⁰");
        QTest::newRow("exponent") << QStringLiteral("1.5e24 atomów Fe") << QStringLiteral("Fe: m = 139,1 g, n = 2,491 mol, N = 1,5·10²⁴");
    }
    void amounts()
    {
        QFETCH(QString, entry);
        QFETCH(QString, heading);
        const CalculatorAnswer answer = Calculate(entry, Weights());
        QCOMPARE(answer.Heading, heading);
        QCOMPARE(answer.Working.size(), 3);  // the molar mass, then each of the other two from it
    }

    // Equations from school books, with ions and electrons: the smallest whole coefficients,
    // checked by atoms and charge.
    void equations_data()
    {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<QString>("balanced");
        const std::pair<const char*, const char*> cases[] = {
            {"Fe + O2 -> Fe2O3", "4 Fe + 3 O₂ → 2 Fe₂O₃"},
            {"H2 + O2 -> H2O", "2 H₂ + O₂ → 2 H₂O"},
            {"CH4 + O2 -> CO2 + H2O", "CH₄ + 2 O₂ → CO₂ + 2 H₂O"},
            {"C3H8 + O2 → CO2 + H2O", "C₃H₈ + 5 O₂ → 3 CO₂ + 4 H₂O"},
            {"Al + O2 = Al2O3", "4 Al + 3 O₂ → 2 Al₂O₃"},
            {"Na + H2O -> NaOH + H2", "2 Na + 2 H₂O → 2 NaOH + H₂"},
            {"Zn + HCl -> ZnCl2 + H2", "Zn + 2 HCl → ZnCl₂ + H₂"},
            {"CaCO3 -> CaO + CO2", "CaCO₃ → CaO + CO₂"},
            {"N2 + H2 => NH3", "N₂ + 3 H₂ → 2 NH₃"},
            {"2H2 + 5O2 -> 2H2O", "2 H₂ + O₂ → 2 H₂O"},
            {"KMnO4 + HCl -> KCl + MnCl2 + Cl2 + H2O", "2 KMnO₄ + 16 HCl → 2 KCl + 2 MnCl₂ + 5 Cl₂ + 8 H₂O"},
            {"Cu + HNO3 -> Cu(NO3)2 + NO + H2O", "3 Cu + 8 HNO₃ → 3 Cu(NO₃)₂ + 2 NO + 4 H₂O"},
            {"Cu + Ag+ -> Cu2+ + Ag", "Cu + 2 Ag⁺ → Cu²⁺ + 2 Ag"},
            {"Cu+Ag+->Cu2++Ag", "Cu + 2 Ag⁺ → Cu²⁺ + 2 Ag"},
            {"C6H12O6 + O2 -> CO2 + H2O", "C₆H₁₂O₆ + 6 O₂ → 6 CO₂ + 6 H₂O"},
            {"Fe2O3 + CO -> Fe + CO2", "Fe₂O₃ + 3 CO → 2 Fe + 3 CO₂"},
            {"P4 + O2 -> P4O10", "P₄ + 5 O₂ → P₄O₁₀"},
            {"NaOH + H2SO4 -> Na2SO4 + H2O", "2 NaOH + H₂SO₄ → Na₂SO₄ + 2 H₂O"},
            {"Al + HCl -> AlCl3 + H2", "2 Al + 6 HCl → 2 AlCl₃ + 3 H₂"},
            {"MnO4- + Fe2+ + H+ -> Mn2+ + Fe3+ + H2O", "MnO₄⁻ + 5 Fe²⁺ + 8 H⁺ → Mn²⁺ + 5 Fe³⁺ + 4 H₂O"},
            {"Cr2O7^2- + H+ + I- -> Cr3+ + I2 + H2O", "Cr₂O₇²⁻ + 14 H⁺ + 6 I⁻ → 2 Cr³⁺ + 3 I₂ + 7 H₂O"},
            {"Fe3+ + e- -> Fe2+", "Fe³⁺ + e⁻ → Fe²⁺"},
            {"C2H5OH + O2 -> CO2 + H2O", "C₂H₅OH + 3 O₂ → 2 CO₂ + 3 H₂O"},
            {"Ca(OH)2 + H3PO4 -> Ca3(PO4)2 + H2O", "3 Ca(OH)₂ + 2 H₃PO₄ → Ca₃(PO₄)₂ + 6 H₂O"},
            {"CuSO4·5H2O -> CuSO4 + H2O", "CuSO₄·5H₂O → CuSO₄ + 5 H₂O"},
            {"NH4+ + OH- -> NH3 + H2O", "NH₄⁺ + OH⁻ → NH₃ + H₂O"},
            {"K4[Fe(CN)6] + KMnO4 + H2SO4 -> KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O",
             "10 K₄[Fe(CN)₆] + 122 KMnO₄ + 299 H₂SO₄ → 162 KHSO₄ + 5 Fe₂(SO₄)₃ + 122 MnSO₄ + 60 HNO₃ + 60 CO₂ + 188 H₂O"},
        };
        for (const auto& [equation, balanced] : cases)
            QTest::newRow(equation) << QString::fromUtf8(equation) << QString::fromUtf8(balanced);
    }
    void equations()
    {
        QFETCH(QString, equation);
        QFETCH(QString, balanced);
        const CalculatorAnswer answer = Calculate(equation, Weights());
        QCOMPARE(answer.Heading, balanced);
        QVERIFY(answer.Working.join(QLatin1Char('\n')).contains(QStringLiteral("\nSprawdzenie atomów: ")));
        QCOMPARE(answer.Working.join(QLatin1Char('\n')).contains(QStringLiteral("Sprawdzenie ładunku")), equation.contains(QLatin1Char('+')) &&
                                                                                                           balanced.contains(QRegularExpression(QStringLiteral("[⁺⁻]"))));
    }

    // None, or more than one independent, solution: said in Polish, with the reason or an example.
    void unbalanceable()
    {
        const QStringList symbols = Weights().keys();
        for (const auto& [equation, reason] : {std::pair("H2O -> H2O2", ""), std::pair("Fe + O2 -> FeCl3", "pierwiastek O występuje tylko po lewej stronie"),
                                               std::pair("Na + Cl2 -> NaCl + O2", "pierwiastek O występuje tylko po prawej stronie"),
                                               std::pair("H2 + O2 -> H2O + O3 + H2O2 + H2", "")}) {
            const CalculatorAnswer answer = Calculate(QString::fromUtf8(equation), Weights());
            if (QString::fromUtf8(equation).contains(QLatin1String("O3"))) {
                QCOMPARE(answer.Heading, QStringLiteral("To równanie ma wiele niezależnych rozwiązań"));
                const Equation parsed = ParseEquation(QString::fromUtf8(equation), symbols);
                const Balance balance = BalanceOf(parsed);
                QVERIFY(Holds(parsed, balance.Coefficients));
                QVERIFY(std::all_of(balance.Coefficients.begin(), balance.Coefficients.end(), [](std::int64_t c) { return c > 0; }));
                QVERIFY(answer.Working.back().startsWith(QStringLiteral("Przykład: ")));
                continue;
            }
            QCOMPARE(answer.Heading, QStringLiteral("Tego równania nie da się uzgodnić"));
            QVERIFY(answer.Failed);
            if (*reason)
                QCOMPARE(answer.Working.back(), QStringLiteral("Powód: %1.").arg(QString::fromUtf8(reason)));
        }
        // every balanced answer holds by atoms and by charge
        for (const char* equation : {"KMnO4 + HCl -> KCl + MnCl2 + Cl2 + H2O", "MnO4- + Fe2+ + H+ -> Mn2+ + Fe3+ + H2O"}) {
            const Equation parsed = ParseEquation(QString::fromUtf8(equation), symbols);
            QVERIFY(Holds(parsed, BalanceOf(parsed).Coefficients));
        }
    }

    // A learner's slips: a message that names what is wrong, and the place of it in the entry.
    void mistakes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        QTest::newRow("small letters") << QStringLiteral("co2") << QStringLiteral("Nieznany symbol „co”: czy chodziło o „Co” albo „C” i „O”?") << 0 << 2;
        QTest::newRow("small second") << QStringLiteral("Nacl") << QStringLiteral("Nieznany symbol „cl”: czy chodziło o „Cl”?") << 2 << 2;
        QTest::newRow("no such") << QStringLiteral("H2Xy") << QStringLiteral("Nieznany symbol „Xy”") << 2 << 2;
        QTest::newRow("unclosed") << QStringLiteral("Ca(OH2") << QStringLiteral("Nawias „(” nie jest zamknięty") << 2 << 1;
        QTest::newRow("unopened") << QStringLiteral("H2O)") << QStringLiteral("Nawias „)” bez nawiasu otwierającego") << 3 << 1;
        QTest::newRow("crossed") << QStringLiteral("K4[Fe(CN]6)") << QStringLiteral("Nawias „(” zamknięty przez „]”") << 8 << 1;
        QTest::newRow("empty bracket") << QStringLiteral("H2()") << QStringLiteral("Pusty nawias") << 2 << 2;
        QTest::newRow("zero") << QStringLiteral("H0") << QStringLiteral("Liczba atomów nie może być zerem") << 1 << 1;
        QTest::newRow("coefficient") << QStringLiteral("2H2O") << QStringLiteral("Wzór zaczyna się od liczby: współczynnik ma sens tylko w równaniu") << 0 << 1;
        QTest::newRow("no products") << QStringLiteral("Fe + O2 ->") << QStringLiteral("Pusta strona równania: brak produktów") << 9 << 1;
        QTest::newRow("no substrates") << QStringLiteral(" -> H2O") << QStringLiteral("Pusta strona równania: brak substratów") << 1 << 1;
        QTest::newRow("two arrows") << QStringLiteral("A -> B -> C") << QStringLiteral("Więcej niż jedna strzałka") << 7 << 1;
        QTest::newRow("empty between") << QStringLiteral("Fe + + O2 -> Fe2O3") << QStringLiteral("Brak wzoru przed znakiem „+”") << 5 << 1;
        QTest::newRow("bad charge") << QStringLiteral("SO4^x") << QStringLiteral("Ładunek po „^” zapisuje się jak „2-” albo „3+”") << 3 << 2;
        QTest::newRow("space") << QStringLiteral("Na Cl") << QStringLiteral("Odstęp wewnątrz wzoru") << 2 << 1;
        QTest::newRow("stray") << QStringLiteral("H2O!") << QStringLiteral("Nieoczekiwany znak „!”") << 3 << 1;
        QTest::newRow("nothing") << QStringLiteral("   ") << QStringLiteral("Wpisz wzór (np. H2SO4) albo równanie (np. H2 + O2 -> H2O)") << 0 << 0;
        QTest::newRow("too long") << QString(100 * 1024, QLatin1Char('H')) << QStringLiteral("Wpis jest za długi (najwyżej 500 znaków)") << 500 << 100 * 1024 - 500;
        QTest::newRow("too deep") << QString(60, QLatin1Char('(')) + QStringLiteral("H") + QString(60, QLatin1Char(')'))
                                  << QStringLiteral("Za dużo nawiasów jeden w drugim (najwyżej 50)") << 50 << 1;
        QTest::newRow("big count") << QStringLiteral("H99999999999999999999") << QStringLiteral("Liczba za duża (najwyżej 100000)") << 1 << 6;
        QTest::newRow("overflowing atoms") << QStringLiteral("((((H100000)100000)100000)100000)100000")
                                           << QStringLiteral("Za dużo atomów, by je policzyć") << 0 << 0;
    }
    void mistakes()
    {
        QFETCH(QString, entry);
        QFETCH(QString, message);
        QFETCH(int, position);
        QFETCH(int, length);
        const CalculatorAnswer answer = Calculate(entry, Weights());
        QVERIFY(answer.Failed);
        QCOMPARE(answer.Heading, message);
        QCOMPARE(answer.ErrorPosition, position);
        QCOMPARE(answer.ErrorLength, length);
        QVERIFY(answer.Working.isEmpty() && answer.Table.empty());
    }

    // Whatever comes in, an answer comes out: every character alone and many random entries.
    void anyInput()
    {
        for (int code = 0; code < 0x3000; ++code) {
            const CalculatorAnswer answer = Calculate(QString(QChar(code)) + QStringLiteral("H2 + O2 -> H2O"), Weights());
            QVERIFY(!answer.Heading.isEmpty());
        }
        const QString alphabet = QStringLiteral("HCONaClSFeCuK()[]^+-=>→·*.0123456789 e");
        QRandomGenerator random(20261209);
        for (int round = 0; round < 20000; ++round) {
            QString entry;
            const int length = int(random.bounded(1, 60));
            for (int k = 0; k < length; ++k)
                entry += alphabet[int(random.bounded(alphabet.size()))];
            QVERIFY(!Calculate(entry, Weights()).Heading.isEmpty());
        }
    }

    // The window through its QWindow, from the menu: the entry has the focus, Return answers, a
    // mistake replaces the answer and selects its place, Up recalls, the answer copies.
    void theWindow()
    {
        ChooseFromInteractions(Qt::Key_K);
        QVERIFY(Kalkulator && QTest::qWaitForWindowActive(Kalkulator));
        QVERIFY(Kalkulator->EntryBox->lineEdit()->hasFocus());

        WindowInput::Type(Kalkulator, QStringLiteral("CuSO4*5H2O"));
        WindowInput::Key(Kalkulator, Qt::Key_Return);
        QCOMPARE(Kalkulator->HeadingLabel->Caption(), QStringLiteral("M(CuSO₄·5H₂O) = 249,68 g/mol"));
        QVERIFY(Kalkulator->WorkingMemo->Editor()->toPlainText().contains(QStringLiteral("= 249,68 g/mol")));
        QVERIFY(Kalkulator->WorkingMemo->Editor()->toPlainText().contains(QStringLiteral("25,45 %")));

        WindowInput::Key(Kalkulator, Qt::Key_A, Qt::ControlModifier);
        WindowInput::Type(Kalkulator, QStringLiteral("co2"));
        WindowInput::Key(Kalkulator, Qt::Key_Return);
        QCOMPARE(Kalkulator->HeadingLabel->Caption(), QStringLiteral("Nieznany symbol „co”: czy chodziło o „Co” albo „C” i „O”?"));
        QCOMPARE(Kalkulator->HeadingLabel->FontColor(), TColor(0x0000C0));
        QVERIFY(Kalkulator->WorkingMemo->Editor()->toPlainText().trimmed().isEmpty());
        QCOMPARE(Kalkulator->EntryBox->lineEdit()->selectedText(), QStringLiteral("co"));

        WindowInput::Key(Kalkulator, Qt::Key_A, Qt::ControlModifier);
        WindowInput::Type(Kalkulator, QStringLiteral("Fe + O2 -> Fe2O3"));
        WindowInput::Key(Kalkulator, Qt::Key_Return);
        QCOMPARE(Kalkulator->HeadingLabel->Caption(), QStringLiteral("4 Fe + 3 O₂ → 2 Fe₂O₃"));
        WindowInput::Key(Kalkulator, Qt::Key_Up);
        QCOMPARE(Kalkulator->EntryBox->lineEdit()->text(), QStringLiteral("CuSO4*5H2O"));

        Kalkulator->CopyButton->Click();
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("4 Fe + 3 O₂ → 2 Fe₂O₃\nZapisane: Fe + O₂ → Fe₂O₃\nUzgodnione: 4 Fe + 3 O₂ → 2 Fe₂O₃\nSprawdzenie atomów: Fe: 4 = 4; O: 6 = 6")));
        // what a screen reader reads: the answer's label and the working by name
        QAccessibleInterface* working = QAccessible::queryAccessibleInterface(Kalkulator->WorkingMemo->Editor());
        QVERIFY(working && working->text(QAccessible::Name) == QStringLiteral("Obliczenia"));
        QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(Kalkulator->HeadingLabel);
        QVERIFY2(heading && heading->text(QAccessible::Name).contains(QStringLiteral("Fe₂O₃")), qPrintable(heading ? heading->text(QAccessible::Name) + QStringLiteral("/") + heading->text(QAccessible::Value) : QString()));
        WindowInput::Key(Kalkulator, Qt::Key_Escape);
        QVERIFY(!Kalkulator->isVisible());
        DestroyWindows();
    }
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
