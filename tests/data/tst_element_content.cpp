// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1250.h"
#include "Crystals.h"
#include "ElementContent.h"
#include "ElementSources.h"
#include "Isotopes.h"
#include "NewerElements.h"
#include "PictureFile.h"
#include "RtfReader.h"
#include "TableFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

const QString Assets = QStringLiteral(ASSETS_DIR);
const QString Repository = QStringLiteral(BODR_DIR);
const QString Tables = QStringLiteral(TABLES_DIR);

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every element: the records of "dane.dat" and the newer elements after them.
ElementTable ShippedTable()
{
    ElementTable table;
    const DataFolder folder(Assets + QLatin1Char('/'));
    Wczytaj_tablice(table, folder);
    const std::vector<NewerElement> newer = ReadNewerElements(folder).value();
    std::vector<TElementRecord> records;
    for (const NewerElement& element : newer)
        records.push_back(element.Record);
    table.TakeInNewer(records);
    return table;
}

// The paragraphs a description source should show: the title, the headings (bold) and the
// paragraphs, without the marks of the source.
QList<std::pair<QString, bool>> ExpectedParagraphs(const QString& source)
{
    static const QRegularExpression marks(QStringLiteral("_(?=[0-9])|\\^(?=[0-9+-])"));
    QList<std::pair<QString, bool>> paragraphs;
    for (QString line : source.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const bool heading = line.startsWith(QLatin1Char('#'));
        line.remove(QRegularExpression(QStringLiteral("^#+ "))).remove(marks);
        paragraphs.append({line, heading});
    }
    return paragraphs;
}

// The JPEG comment segment's text, empty when the file has none.
QByteArray JpegComment(const QByteArray& jpeg)
{
    for (qsizetype at = 2; at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF;) {
        const int marker = uchar(jpeg[at + 1]);
        const int length = uchar(jpeg[at + 2]) << 8 | uchar(jpeg[at + 3]);
        if (marker == 0xFE)
            return jpeg.mid(at + 4, length - 2);
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return QByteArray();
}

} // namespace

class TestElementContent : public QObject {
    Q_OBJECT

private slots:
    // Every file a record names is there, loads with the program's readers and is the element's;
    // no file lies there unnamed.
    void recordsNameTheirElementsFiles()
    {
        const ElementTable table = ShippedTable();
        QStringList named;
        int isotopes = 0, drawings = 0;
        for (int z = 1; z <= table.Last(); ++z) {
            const TElementRecord& r = table[z];
            const QString symbol = Cp1250ToString(r.Symbol.Text());
            const QString name = Cp1250ToString(r.PolishName.Text());
            const QString stem = QStringLiteral("_%1_%2.").arg(z, 3, 10, QLatin1Char('0')).arg(symbol);

            const QString description = Cp1250ToString(r.DescriptionFile.Text());
            QVERIFY2(description.contains(stem), qPrintable(symbol));
            named.append(QStringLiteral("Zbiory/") + description);
            const QList<RtfParagraph> text = ParseRtf(ReadFile(Assets + QStringLiteral("/Zbiory/") + description));
            QVERIFY2(!text.isEmpty() && !text[0].Runs.isEmpty() && text[0].Runs[0].Text == name, qPrintable(symbol));

            for (const auto& [field, count] : {std::pair(&r.IsotopeImage, &isotopes), std::pair(&r.DrawingImage, &drawings)}) {
                const QString file = Cp1250ToString(field->Text());
                if (file.isEmpty())
                    continue;
                ++*count;
                QVERIFY2(file.contains(stem) && file.size() <= 30, qPrintable(file));
                named.append(QStringLiteral("Zbiory/Rysunki/") + file);
                const QImage picture = LoadPictureFile(Assets + QStringLiteral("/Zbiory/Rysunki/") + file);
                QCOMPARE(picture.size(), QSize(660, 250));
            }
            const QString drawing = Cp1250ToString(r.DrawingImage.Text());
            if (!drawing.isEmpty())
                QCOMPARE(JpegComment(ReadFile(Assets + QStringLiteral("/Zbiory/Rysunki/") + drawing)),
                         QStringLiteral("%1 (%2)").arg(name, symbol).toUtf8());
        }
        QCOMPARE(isotopes, 84);
        QCOMPARE(drawings, 94);
        QCOMPARE(QString::fromLatin1(table[26].IsotopeImage.Text()).section(QLatin1Char('.'), 1), QStringLiteral("bmp"));
        QCOMPARE(QString::fromLatin1(table[26].DrawingImage.Text()).section(QLatin1Char('.'), 1), QStringLiteral("jpg"));
        QVERIFY(table[43].IsotopeImage.Text().isEmpty());   // technetium: no isotope lasts in nature
        QVERIFY(table[111].DrawingImage.Text().isEmpty());  // roentgenium: never seen as a solid

        QStringList present;
        for (const QString& folder : {QStringLiteral("Zbiory"), QStringLiteral("Zbiory/Rysunki")})
            for (const QString& file : QDir(Assets + QLatin1Char('/') + folder).entryList(QDir::Files))
                if (!QStringList{QStringLiteral("!konfielekt.txt"), QStringLiteral("wlasciwosci.txt"), QStringLiteral("opisy.txt"),
                                 QStringLiteral("rozpuszczalnosc.txt"), QStringLiteral("szereg-aktywnosci.txt"),
                                 QStringLiteral("pierwiastki-112-118.txt")}
                         .contains(file))
                    present.append(folder + QLatin1Char('/') + file);
        named.sort();
        present.sort();
        QCOMPARE(present, named);
    }

    // The reader shows each description as its source reads: every Polish letter, the title and
    // headings bold and nothing else, and no English where Polish has the word.
    void descriptionsReadAsWritten()
    {
        static const QRegularExpression english(QStringLiteral("\\b(the|and|of|is|are|with|which|this|that|from|was|were|used)\\b"));
        const QList<ShippedElement> elements = SettleElements(Repository + QStringLiteral("/elements.xml"), Tables);
        for (const ShippedElement& element : elements) {
            const QString source = QString::fromUtf8(ReadFile(Tables + QStringLiteral("/descriptions/") + DescriptionSource(element)));
            const QString rtf = QStringLiteral("/Zbiory/opis_%1_%2.rtf").arg(element.AtomicNumber, 3, 10, QLatin1Char('0')).arg(element.Symbol);
            QList<std::pair<QString, bool>> shown;
            for (const RtfParagraph& paragraph : ParseRtf(ReadFile(Assets + rtf))) {
                QString text;
                bool bold = !paragraph.Runs.isEmpty();
                for (const RtfRun& run : paragraph.Runs) {
                    text += run.Text;
                    bold = bold && run.Bold;
                    QVERIFY2(run.Bold || !run.Text.contains(QLatin1String("##")), qPrintable(element.Symbol));
                }
                if (!text.isEmpty())
                    shown.append({text, bold});
            }
            QCOMPARE(shown, ExpectedParagraphs(source));
            const auto match = english.match(source);
            QVERIFY2(!match.hasMatch(), qPrintable(element.Symbol + QStringLiteral(": ") + match.captured()));
        }
    }

    // Our isotope table lists the isotopes the repository lists, and sets right the markings the
    // repository got wrong: the slow emitters found in nature marked with their half-lives, the
    // nuclides never seen to decay not marked.
    void isotopeTableAgreesWithTheRepository()
    {
        const auto ours = ReadNaturalIsotopes(Tables + QStringLiteral("/isotopes.tsv"));
        const auto repository = RepositoryNaturalIsotopes(Repository + QStringLiteral("/isotopes.xml"));
        QCOMPARE(ours.keys(), repository.keys());
        QCOMPARE(ours.size(), 84);
        for (auto it = ours.cbegin(); it != ours.cend(); ++it) {
            QList<int> massNumbers;
            for (const NaturalIsotope& isotope : *it)
                massNumbers.append(isotope.MassNumber);
            // IUPAC lists thorium-230 of the uranium series beside thorium-232; the repository does not
            const QList<int> expected = it.key() == QLatin1String("Th") ? QList<int>{230, 232} : repository[it.key()];
            QVERIFY2(massNumbers == expected, qPrintable(it.key()));
        }
        const auto halfLife = [&](const char* symbol, int massNumber) {
            for (const NaturalIsotope& isotope : ours.value(QString::fromLatin1(symbol)))
                if (isotope.MassNumber == massNumber)
                    return isotope.Radioactive() ? isotope.HalfLife : QStringLiteral("stable");
            return QStringLiteral("missing");
        };
        QCOMPARE(halfLife("Lu", 176), QStringLiteral("3.701e10"));
        QCOMPARE(halfLife("Bi", 209), QStringLiteral("2.01e19"));
        QCOMPARE(halfLife("In", 115), QStringLiteral("4.41e14"));
        QCOMPARE(halfLife("U", 238), QStringLiteral("4.463e9"));
        QCOMPARE(halfLife("Ta", 180), QStringLiteral("stable"));
        QCOMPARE(halfLife("Sm", 149), QStringLiteral("stable"));
        QCOMPARE(halfLife("Fe", 56), QStringLiteral("stable"));
        const NaturalIsotope helium3 = ours.value(QStringLiteral("He")).first();
        QVERIFY(helium3.MassNumber == 3 && helium3.Abundance == 0.000134 && helium3.Decimals == 6);
    }

    void damagedIsotopeTablesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::newRow("abundance not a number") << QByteArray("H\t1\tmost\t-\t-\n");
        QTest::newRow("half-life in hours") << QByteArray("H\t1\t100\t8 h\t-\n");
        QTest::newRow("mass numbers out of order") << QByteArray("H\t2\t50\t-\t-\nH\t1\t50\t-\t-\n");
        QTest::newRow("not a hundred per cent") << QByteArray("H\t1\t99.9\t-\t-\n");
        QTest::newRow("a column missing") << QByteArray("H\t1\t100\t-\n");
    }

    void damagedIsotopeTablesAreRefused()
    {
        QFETCH(QByteArray, table);
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("isotopes.tsv")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(table) == table.size());
        file.close();
        QVERIFY_THROWS_EXCEPTION(SourceError, ReadNaturalIsotopes(file.fileName()));
    }

    // Nothing of a picture is cut off at its edges: no ink in the outer three pixels.
    void picturesKeepClearOfTheirEdges()
    {
        const ElementTable table = ShippedTable();
        for (int z = 1; z <= table.Last(); ++z)
            for (const auto* field : {&table[z].IsotopeImage, &table[z].DrawingImage}) {
                const QString file = Cp1250ToString(field->Text());
                if (file.isEmpty())
                    continue;
                const QImage picture = LoadPictureFile(Assets + QStringLiteral("/Zbiory/Rysunki/") + file);
                for (int y = 0; y < picture.height(); ++y)
                    for (int x = 0; x < picture.width(); ++x) {
                        const bool edge = x < 3 || y < 3 || x >= picture.width() - 3 || y >= picture.height() - 3;
                        QVERIFY2(!edge || qGray(picture.pixel(x, y)) >= 0xF0, qPrintable(QStringLiteral("%1 at %2,%3").arg(file).arg(x).arg(y)));
                    }
            }
    }

    // The structures checked by hand: atoms in the cell and the shortest distance between two
    // atoms, known from the handbooks, so a wrong site, setting or expansion shows.
    void crystalsHoldTheirAtoms_data()
    {
        QTest::addColumn<int>("atoms");
        QTest::addColumn<double>("nearest");  // picometres
        QTest::newRow("Fe bcc") << 2 << 248.2;
        QTest::newRow("Na bcc") << 2 << 371.6;
        QTest::newRow("Cu fcc") << 4 << 255.6;
        QTest::newRow("Mg hcp") << 2 << 320.9;
        QTest::newRow("C graphite") << 4 << 142.3;
        QTest::newRow("Si diamond") << 8 << 235.2;
        QTest::newRow("Ge diamond") << 8 << 245.0;
        QTest::newRow("Sn white") << 4 << 302.2;
        QTest::newRow("Po simple") << 1 << 335.9;
        QTest::newRow("In bct") << 2 << 325.2;
        QTest::newRow("Hg rhombohedral") << 1 << 300.5;
        QTest::newRow("Bi A7") << 6 << 307.1;
        QTest::newRow("Sm 9R") << 9 << 359.0;
        QTest::newRow("La dhcp") << 4 << 373.0;
        QTest::newRow("Te chains") << 3 << 283.5;
        QTest::newRow("U alpha") << 4 << 275.4;
        QTest::newRow("I molecules") << 8 << 272.0;
        QTest::newRow("Cl molecules") << 8 << 200.0;
        QTest::newRow("O molecules") << 4 << 120.8;
        QTest::newRow("N molecules") << 8 << 109.8;
        QTest::newRow("H molecules as balls") << 2 << 377.6;
        QTest::newRow("He hcp") << 2 << 353.0;
        QTest::newRow("B icosahedra") << 12 << 171.0;
        QTest::newRow("P black") << 8 << 222.4;
        QTest::newRow("Se chains") << 3 << 237.3;
        QTest::newRow("Ga pairs") << 8 << 248.5;
        QTest::newRow("Pu alpha") << 16 << 257.0;
        QTest::newRow("Mn not drawn") << 0 << 0.0;
    }

    void crystalsHoldTheirAtoms()
    {
        static const QMap<QString, Crystal> crystals = SettleCrystals(Repository + QStringLiteral("/crystalstructures.xml"),
                                                                      Repository + QStringLiteral("/space-groups.xml"),
                                                                      Tables + QStringLiteral("/crystals.tsv"));
        QFETCH(int, atoms);
        QFETCH(double, nearest);
        const QString symbol = QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 0);
        QVERIFY(crystals.contains(symbol));
        QCOMPARE(crystals[symbol].Atoms.size(), atoms);
        QVERIFY2(std::abs(NearestNeighbourDistance(crystals[symbol]) - nearest) < 3.0,
                 qPrintable(QString::number(NearestNeighbourDistance(crystals[symbol]))));
        QCOMPARE(crystals.size(), 94);
    }

    // Every drawn cell holds the handbook's density recorded beside it: the mass of its atoms over
    // its volume, within 1 %, so that a wrong edge, a wrong count of atoms or the cell of another
    // form shows.
    void cellsHoldTheHandbookDensity()
    {
        const QMap<QString, Crystal> crystals = SettleCrystals(Repository + QStringLiteral("/crystalstructures.xml"),
                                                               Repository + QStringLiteral("/space-groups.xml"),
                                                               Tables + QStringLiteral("/crystals.tsv"));
        QMap<QString, double> masses;
        for (const RepositoryElement& element : ReadRepository(Repository + QStringLiteral("/elements.xml")))
            masses.insert(element.Symbol, element.AtomicMass);
        QStringList off;
        for (auto it = crystals.cbegin(); it != crystals.cend(); ++it) {
            constexpr double Avogadro = 6.02214076e23, CubicCentimetresPerCubicPicometre = 1e-30;
            const double mass = it->DensityNuclide > 0 ? it->DensityNuclide : masses.value(it.key());
            const double density = it->AtomsPerCell * mass / (Avogadro * CellVolume(it->Cell) * CubicCentimetresPerCubicPicometre);
            if (!(std::abs(density / it->Density - 1.0) <= 0.01) && !it->DensityDiffers)
                off.append(QStringLiteral("%1 %2 (handbook %3)").arg(it.key()).arg(density, 0, 'f', 3).arg(it->Density));
        }
        QVERIFY2(off.isEmpty(), qPrintable(off.join(QStringLiteral(", "))));
    }

    void symmetryOperationsAreReadStrictly()
    {
        const SymmetryOperation op = ParseOperation(QStringLiteral("1/2-x,y+1/2,-z+x-y"));
        QCOMPARE(op.Rotation[0], (std::array<int, 3>{-1, 0, 0}));
        QCOMPARE(op.Rotation[1], (std::array<int, 3>{0, 1, 0}));
        QCOMPARE(op.Rotation[2], (std::array<int, 3>{1, -1, -1}));
        QCOMPARE(op.Shift, (Point3{0.5, 0.5, 0.0}));
        // damaged entries of the repository's own file, and others
        for (const char* bad : {"x,-y,z#", "1/2-x,1/2-y,z+", "x,y", "x,y,z,x", "1/0+x,y,z", "x,,z", "2x,y,z", "x y,y,z"})
            QVERIFY_THROWS_EXCEPTION(SourceError, ParseOperation(QString::fromLatin1(bad)));
    }
};

QTEST_MAIN(TestElementContent)
#include "tst_element_content.moc"
