// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableOptions.h"
#include "Interactions.h"
#include "ActivitySeries.h"
#include "Button.h"
#include "Edit.h"
#include "ErrorRecorder.h"
#include "Form.h"
#include "Formula.h"
#include "Label.h"
#include "Menu.h"
#include "MenuBar.h"
#include "PageControl.h"
#include "Printing.h"
#include "SolubilityGrid.h"
#include "SolubilityWindow.h"
#include "TAGlowne.h"
#include "TableLayout.h"
#include "TestFolder.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAccessible>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const DataFolder Assets(QStringLiteral(ASSETS_DIR "/"));

QStringList Symbols()
{
    QStringList symbols;
    for (const TileCell& cell : TileCells())
        symbols << QLatin1String(cell.Symbol);
    return symbols;
}

// The atoms of a formula or an ion, each element with its count.
QHash<QString, std::int64_t> AtomsOf(const QString& written, int* charge = nullptr)
{
    const Formula formula = ParseFormula(written, 0, Symbols());
    if (charge)
        *charge = formula.Charge;
    QHash<QString, std::int64_t> atoms;
    for (const auto& [symbol, count] : formula.Atoms())
        atoms[symbol] += count;
    return atoms;
}

} // namespace

class TestSolubility : public QObject {
    Q_OBJECT

private slots:
    // Every cell: its letter follows from its figure by the thresholds, or is the school tables'
    // where there is no figure, or "—" with its reason; every figure has its temperature and every
    // cell its source; every formula is its cation and anion in the ratio that balances their charges.
    void theShippedTable()
    {
        const std::optional<SolubilityData> data = ReadSolubility(Assets);
        QVERIFY(data);
        QCOMPARE(data->Cations.size(), 22);
        QCOMPARE(data->Anions.size(), 13);
        for (const char* ion : {"H+", "NH4+", "Li+", "Na+", "K+", "Mg2+", "Ca2+", "Sr2+", "Ba2+", "Al3+", "Cr3+", "Mn2+", "Fe2+", "Fe3+", "Co2+",
                                "Ni2+", "Cu2+", "Zn2+", "Ag+", "Sn2+", "Pb2+", "Hg2+"})
            QVERIFY2(data->Cations.contains(QLatin1String(ion)), ion);
        for (const char* ion : {"OH-", "F-", "Cl-", "Br-", "I-", "S^2-", "SO3^2-", "SO4^2-", "NO3-", "CO3^2-", "SiO3^2-", "PO4^3-", "CH3COO-"})
            QVERIFY2(data->Anions.contains(QLatin1String(ion)), ion);
        for (const SolubilityCell& cell : data->Cells) {
            const QString where = cell.Cation + QLatin1Char(' ') + cell.Anion + QLatin1Char(' ') + cell.Formula;
            QVERIFY2(!cell.Source.isEmpty(), qPrintable(where));
            if (!cell.Figure.isEmpty())
                QVERIFY2(FromFigure(cell.Figure.toDouble()) == cell.Letter, qPrintable(where));
            if (cell.Letter == Solubility::None)
                QVERIFY2(!cell.Reason.isEmpty(), qPrintable(where));
            int cationCharge = 0, anionCharge = 0;
            const QHash<QString, std::int64_t> cation = AtomsOf(cell.Cation, &cationCharge), anion = AtomsOf(cell.Anion, &anionCharge);
            QVERIFY(cationCharge > 0 && anionCharge < 0);
            const int common = std::gcd(cationCharge, -anionCharge);
            QHash<QString, std::int64_t> expected;
            for (auto it = cation.begin(); it != cation.end(); ++it)
                expected[it.key()] += it.value() * (-anionCharge / common);
            for (auto it = anion.begin(); it != anion.end(); ++it)
                expected[it.key()] += it.value() * (cationCharge / common);
            QCOMPARE(AtomsOf(cell.Formula), expected);
        }
        // the cells a teacher checks first
        const auto letter = [&](const char* cation, const char* anion) {
            const SolubilityCell* cell = data->Cell(QLatin1String(cation), QLatin1String(anion));
            return cell ? LetterOf(cell->Letter) : QString();
        };
        QCOMPARE(letter("Ag+", "Cl-") + letter("Ba2+", "SO4^2-") + letter("Ca2+", "CO3^2-") + letter("Mg2+", "OH-"), QStringLiteral("NNNN"));
        QCOMPARE(letter("Ca2+", "SO4^2-") + letter("Pb2+", "Cl-") + letter("Ca2+", "OH-"), QStringLiteral("TTT"));
        QCOMPARE(letter("Na+", "NO3-") + letter("K+", "Cl-") + letter("Ag+", "NO3-"), QStringLiteral("RRR"));
        QCOMPARE(data->Cell(QStringLiteral("Ag+"), QStringLiteral("I-"))->Colour, QStringLiteral("żółty"));
        // the series: from potassium to gold, hydrogen between lead and copper
        QStringList order;
        for (const ActivityEntry& entry : data->Series)
            order << entry.Symbol;
        QVERIFY(order.indexOf(QStringLiteral("K")) < order.indexOf(QStringLiteral("Zn")));
        QCOMPARE(order.indexOf(QStringLiteral("H")), order.indexOf(QStringLiteral("Pb")) + 1);
        QCOMPARE(order.indexOf(QStringLiteral("Cu")), order.indexOf(QStringLiteral("H")) + 1);
        QCOMPARE(order.last(), QStringLiteral("Au"));
        for (const ActivityEntry& entry : data->Series)
            QCOMPARE(entry.DisplacesHydrogen, entry.Potential.toDouble() < 0);
    }

    // A damaged file is refused with a Polish message naming the file and the line.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        const QByteArray header = "kation\tanion\twzor\tnazwa\tg\tt\tlitera\tprzyczyna\tbarwa\tzrodlo\tuwagi\n";
        const QByteArray good = "Na+\tCl-\tNaCl\tchlorek sodu\t35.9\t20\tR\t\t\tCRC\t\n";
        QTest::newRow("columns") << header + "Na+\tCl-\tNaCl\n" << QStringLiteral("(wiersz 2): liczba kolumn: 3 zamiast 11.");
        QTest::newRow("letter") << header + "Na+\tCl-\tNaCl\tchlorek sodu\t35.9\t20\tX\t\t\tCRC\t\n" << QStringLiteral("(wiersz 2): zła litera „X” (R, T, N albo —).");
        QTest::newRow("figure") << header + "Na+\tCl-\tNaCl\tchlorek sodu\tdużo\t20\tR\t\t\tCRC\t\n"
                                << QStringLiteral("(wiersz 2): rozpuszczalność „dużo” nie jest liczbą.");
        QTest::newRow("temperature") << header + "Na+\tCl-\tNaCl\tchlorek sodu\t35.9\t\tR\t\t\tCRC\t\n" << QStringLiteral("(wiersz 2): rozpuszczalność bez temperatury.");
        QTest::newRow("source") << header + "Na+\tCl-\tNaCl\tchlorek sodu\t35.9\t20\tR\t\t\t\t\n" << QStringLiteral("(wiersz 2): brak źródła.");
        QTest::newRow("dash") << header + "Na+\tCl-\tNaCl\tchlorek sodu\t\t\t—\t\t\tCRC\t\n" << QStringLiteral("(wiersz 2): kreska bez przyczyny.");
        QTest::newRow("ion") << header + "Na\tCl-\tNaCl\tchlorek sodu\t35.9\t20\tR\t\t\tCRC\t\n" << QStringLiteral("(wiersz 2): zły kation „Na”.");
        QTest::newRow("twice") << header + good + good << QStringLiteral("(wiersz 3): para Na+ i Cl- po raz drugi.");
        QTest::newRow("missing pair") << header + good + "K+\tBr-\tKBr\tbromek potasu\t65\t20\tR\t\t\tCRC\t\n"
                                      << QStringLiteral(": nie każdy kation ma komórkę z każdym anionem.");
        QTest::newRow("empty") << header << QStringLiteral(": nie ma w nim żadnej komórki.");
        QTest::newRow("not UTF-8") << header + "Na+\tCl-\tNaCl\tchlorek \xff\t35.9\t20\tR\t\t\tCRC\t\n" << QStringLiteral(": nie jest zapisany w UTF-8.");
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        try {
            ParseSolubility(text, QStringLiteral("/dane/Zbiory/rozpuszczalnosc.txt"));
            QFAIL("taken");
        } catch (const SolubilityError& error) {
            QVERIFY2(error.Message().startsWith(QStringLiteral("Plik „/dane/Zbiory/rozpuszczalnosc.txt” jest uszkodzony")), qPrintable(error.Message()));
            QVERIFY2(error.Message().endsWith(reason), qPrintable(error.Message()));
        }
    }

    // The window from the menu by keys: the grid takes the focus, the arrows move over the cells and
    // a reader hears each one with its details; a typed ion brings its row forward; the activity
    // series on its own page; the table on one A4 page of a PDF, letters as text.
    void theWindow()
    {
        QTemporaryDir configuration;
        qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
        SaveTableOptions({false}, TableOptionsPath());  // the table of "dane.dat" alone
        ErrorRecorder errors;
        ChooseFromInteractions(Qt::Key_T);
        QVERIFY(TabelaRozpuszczalnosci && QTest::qWaitForWindowActive(TabelaRozpuszczalnosci));
        TTabelaRozpuszczalnosci* window = TabelaRozpuszczalnosci;
        QVERIFY(window->Grid->hasFocus());
        const auto heard = [&] {
            QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window->Grid);
            return grid ? grid->text(QAccessible::Name) : QString();
        };
        const auto goTo = [&](const char* cation, const char* anion) {
            const int row = int(window->Data()->Cations.indexOf(QLatin1String(cation)));
            const int column = int(window->Data()->Anions.indexOf(QLatin1String(anion)));
            WindowInput::Key(window, Qt::Key_Home, Qt::ControlModifier);
            for (int k = 0; k < row; ++k)
                WindowInput::Key(window, Qt::Key_Down);
            for (int k = 0; k < column; ++k)
                WindowInput::Key(window, Qt::Key_Right);
            return heard();
        };
        QCOMPARE(goTo("Ag+", "Cl-"), QStringLiteral("AgCl: N — substancja praktycznie nierozpuszczalna"));
        QVERIFY(QAccessible::queryAccessibleInterface(window->Grid)->text(QAccessible::Description).startsWith(QStringLiteral("chlorek srebra(I)")));
        QVERIFY(window->DetailsLabel->Caption().contains(QStringLiteral("osad biały")));
        for (const auto& [cation, anion, letter] : {std::tuple("Ba2+", "SO4^2-", "N"), std::tuple("Ca2+", "CO3^2-", "N"), std::tuple("Mg2+", "OH-", "N"),
                                                    std::tuple("Ca2+", "SO4^2-", "T"), std::tuple("Pb2+", "Cl-", "T"), std::tuple("Ca2+", "OH-", "T"),
                                                    std::tuple("Na+", "NO3-", "R"), std::tuple("K+", "Cl-", "R"), std::tuple("Ag+", "NO3-", "R")})
            QVERIFY2(goTo(cation, anion).section(QStringLiteral(": "), 1, 1).startsWith(QLatin1String(letter)), qPrintable(heard()));
        QCOMPARE(goTo("Ba2+", "SO4^2-").section(QLatin1Char(':'), 0, 0), QStringLiteral("BaSO₄"));

        // an ion typed: the cursor goes to its row
        window->IonEdit->setFocus();
        WindowInput::Type(window, QStringLiteral("Fe3"));
        QCOMPARE(window->Data()->Cations[window->Grid->Row()], QStringLiteral("Fe3+"));
        window->IonEdit->SetText(QStringLiteral("siarczan(VI)"));
        QCOMPARE(window->Data()->Anions[window->Grid->Column()], QStringLiteral("SO4^2-"));

        // the series
        window->Pages->SetActivePage(window->SeriesPage);
        window->Series->setFocus();
        WindowInput::Key(window, Qt::Key_Home);
        int zinc = 0;
        while (window->Data()->Series[std::size_t(zinc)].Symbol != QLatin1String("Zn"))
            ++zinc;
        for (int k = 0; k < zinc; ++k)
            WindowInput::Key(window, Qt::Key_Down);
        QCOMPARE(QAccessible::queryAccessibleInterface(window->Series)->text(QAccessible::Name), QStringLiteral("Zn: −0,7618 V, wypiera wodór z kwasów"));
        QVERIFY(window->RuleLabel->Caption().contains(QStringLiteral("Metale za wodorem (E° > 0: Cu, Ag, Hg, Pt, Au)")));

        // on paper
        window->Pages->SetActivePage(window->TablePage);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("tabela.pdf"));
        QString suggested;
        Printer()->AskPath = [&](const QString&, const QString& path) {
            suggested = path;
            return pdf;
        };
        window->PdfButton->Click();
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("tabela-rozpuszczalnosci.pdf"));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished();
        const QString pages = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(pages.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))) && pages.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(pages));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        text.waitForFinished();
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY(words.contains(QStringLiteral("Rozpuszczalność soli i wodorotlenków w wodzie")));
        QVERIFY(words.count(QRegularExpression(QStringLiteral("\\bN\\b"))) >= 91);
        QVERIFY(errors.messages.isEmpty());
        DestroyWindows();
    }

    // A damaged file met by the window: reported once, with its line, and the window says so.
    void theWindowWithADamagedFile()
    {
        TestFolder folder;
        QDir().mkpath(folder.Path("Zbiory"));
        QFile::copy(QStringLiteral(ASSETS_DIR "/Zbiory/szereg-aktywnosci.txt"), folder.Path("Zbiory/szereg-aktywnosci.txt"));
        folder.Write("Zbiory/rozpuszczalnosc.txt", "# x\nkation\tanion\n");
        ErrorRecorder errors;
        QWidget main;
        main.resize(640, 480);
        main.show();
        TTabelaRozpuszczalnosci window(&main, DataFolder(folder.Path("")), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.front().contains(QStringLiteral("(wiersz 2): liczba kolumn: 2 zamiast 11.")), qPrintable(errors.messages.front()));
        QVERIFY(window.ProblemLabel->isVisible() && !window.Grid->isVisible());
    }
};

QTEST_MAIN(TestSolubility)
#include "tst_solubility.moc"
