// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuration.h"
#include "Cp1250.h"
#include "ElementProperties.h"
#include "NewerElements.h"
#include "ElementSources.h"
#include "ElementTable.h"
#include "TableFile.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// The table as the learner sees it: row by row, "." where no tile stands.
const char* const Grid[9] = {
    "H . . . . . . . . . . . . . . . . He",
    "Li Be . . . . . . . . . . B C N O F Ne",
    "Na Mg . . . . . . . . . . Al Si P S Cl Ar",
    "K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr",
    "Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe",
    "Cs Ba . Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn",
    "Fr Ra . Rf Db Sg Bh Hs Mt Ds Rg . . . . . . .",
    ". . . La Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu",
    ". . . Ac Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lr",
};

// The names the search offers, with californium's misspelling put right and the two elements the
// list lacks added.
const char* const PolishNames =
    "Aktyn Ameryk Antymon Argon Arsen Astat Azot Bar Berkel Beryl Bizmut Bohr Bor Brom Cer Cez Chlor "
    "Chrom Cyna Cynk Cyrkon Dubn Dysproz Einstein Erb Europ Ferm Fluor Fosfor Frans Gadolin Gal German "
    "Glin Hafn Has Hel Holm Ind Iryd Iterb Itr Jod Kadm Kaliforn Kiur Kobalt Krypton Krzem Ksenon Lantan "
    "Lit Lorens Lutet Magnez Mangan Meitner Mendelew Miedź Molibden Neodym Neon Neptun Nikiel Niob Nobel "
    "Ołów Osm Pallad Platyna Pluton Polon Potas Prazeodym Promet Protaktyn Rad Radon Ren Rod Rtęć Rubid "
    "Ruten Rutherford Samar Seaborg Selen Siarka Skand Sód Srebro Stront Tal Tantal Technet Tellur Terb "
    "Tlen Tor Tul Tytan Uran Wanad Wapń Węgiel Wodór Wolfram Złoto Żelazo Darmsztadt Roentgen";

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file under a folder, by its path relative to the folder, sorted.
QStringList FilesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QStringList ShippedSymbols()
{
    QStringList symbols;
    for (const char* row : Grid)
        for (const QString& cell : QString::fromLatin1(row).split(QLatin1Char(' ')))
            if (cell != QLatin1String("."))
                symbols << cell;
    return symbols;
}

QHash<QString, ElementProperties> ShippedProperties()
{
    QStringList symbols = ShippedSymbols();
    for (const char* newer : {"Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"})
        symbols << QLatin1String(newer);
    return ReadProperties(DataFolder(QStringLiteral(ASSETS_DIR "/")), symbols).value();
}

// The records of "dane.dat", and with the newer elements the 118.
ElementTable ShippedTable(bool newer = false)
{
    ElementTable table;
    Wczytaj_tablice(table, DataFolder(QStringLiteral(ASSETS_DIR "/")));
    if (newer) {
        std::vector<TElementRecord> records;
        const std::vector<NewerElement> newer = ReadNewerElements(DataFolder(QStringLiteral(ASSETS_DIR "/"))).value();
        for (const NewerElement& element : newer)
            records.push_back(element.Record);
        table.TakeInNewer(records);
    }
    return table;
}

// One line of a comma-separated file with quoted fields.
QStringList CsvFields(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted)
            fields.append(std::exchange(field, QString()));
        else
            field.append(c);
    }
    fields.append(field);
    return fields;
}

// PubChem's rows of the elements 1 to 111, each field by its column's name; none when the second
// source is not installed.
QList<QHash<QString, QString>> PubChemElements()
{
    QList<QHash<QString, QString>> rows;
    const QStringList lines = QString::fromUtf8(ReadFile(QStringLiteral(PUBCHEM_ELEMENTS))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return rows;
    const QStringList header = CsvFields(lines[0].trimmed());
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = CsvFields(lines[i].trimmed());
        QHash<QString, QString> row;
        for (int c = 0; c < header.size() && c < fields.size(); ++c)
            row.insert(header[c], fields[c]);
        const int z = row.value(QStringLiteral("AtomicNumber")).toInt();
        if (z >= 1 && z <= 111)
            rows.append(row);
    }
    return rows;
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private slots:
    void everyRecordStandsInItsOwnCell()
    {
        const ElementTable table = ShippedTable();
        int tiles = 0;
        for (int row = 1; row <= 9; ++row) {
            const QStringList cells = QString::fromLatin1(Grid[row - 1]).split(QLatin1Char(' '));
            QCOMPARE(cells.size(), 18);
            for (int column = 1; column <= 18; ++column) {
                const QString symbol = cells[column - 1];
                if (symbol == QLatin1String("."))
                    continue;
                ++tiles;
                const auto index = Znajdz_pierwiastek(table, symbol.toLatin1());
                QVERIFY2(index, qPrintable(symbol));
                QCOMPARE(table[*index].TableRow, row);
                QCOMPARE(table[*index].TableColumn, column);
            }
        }
        QCOMPARE(tiles, 111);
        for (int z = 1; z <= 111; ++z)
            QCOMPARE(table[z].AtomicNumber, z);
    }

    void sodiumRecord()
    {
        const ElementTable table = ShippedTable();
        const TElementRecord& na = table[11];
        QCOMPARE(na.Symbol.Text(), QByteArray("Na"));
        QCOMPARE(na.PolishName.Text(), QByteArray("S\xF3" "d"));
        QCOMPARE(na.LatinName.Text(), QByteArray("Natrium"));
        QCOMPARE(na.TableRow, 3);
        QCOMPARE(na.TableColumn, 1);
        QCOMPARE(na.DiscoveryYear, 1807);
        QCOMPARE(na.MeltingPoint, 97.794);
        QCOMPARE(na.BoilingPoint, 882.940);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(na.Reserved2), 48), QByteArray(48, '\0'));
        QCOMPARE(na.DescriptionFile.Text(), QByteArray("opis_011_Na.rtf"));
        QCOMPARE(na.IsotopeImage.Text(), QByteArray("izotopy_011_Na.bmp"));
        QCOMPARE(na.DrawingImage.Text(), QByteArray("krysztal_011_Na.jpg"));
    }

    void namesAreTheSearchListsInWindows1250()
    {
        const ElementTable table = ShippedTable();
        QStringList names;
        for (int z = 1; z <= 111; ++z)
            names.append(Cp1250ToString(table[z].PolishName.Text()));
        QStringList expected = QString::fromUtf8(PolishNames).split(QLatin1Char(' '));
        names.sort();
        expected.sort();
        QCOMPARE(names, expected);
        QCOMPARE(table[1].LatinName.Text(), QByteArray("Hydrogenium"));
        QCOMPARE(table[111].LatinName.Text(), QByteArray("Roentgenium"));
        QCOMPARE(table[26].PolishName.Text(), *StringToCp1250(QString::fromUtf8("Żelazo")));
    }

    void yearsAndTemperaturesAreConsistent()
    {
        const ElementTable table = ShippedTable();
        for (int z = 1; z <= 111; ++z) {
            const TElementRecord& r = table[z];
            const QByteArray symbol = r.Symbol.Text();
            QVERIFY2(r.DiscoveryYear == 0 || (r.DiscoveryYear >= 1600 && r.DiscoveryYear <= 2005), symbol);
            if (r.MeltingPoint != 0.0 && r.BoilingPoint != 0.0 && r.MeltingPoint > r.BoilingPoint)
                QVERIFY2(symbol == "C" || symbol == "As", symbol + " melts above its boiling point");
            QVERIFY2(r.MeltingPoint > -273.15 && r.BoilingPoint > -273.15, symbol);
        }
        QCOMPARE(table[80].MeltingPoint, -38.829);
        QCOMPARE(table[26].MeltingPoint, 1538.0);
        QCOMPARE(table[88].BoilingPoint, 1737.0);
        // no value where none was measured: helium does not solidify at normal pressure, and the
        // melting points of fermium to lawrencium are predictions; helium alone boils without melting
        for (int z : {2, 100, 101, 102, 103})
            QVERIFY(table[z].MeltingPoint == 0.0);
        for (int z = 1; z <= 111; ++z)
            QVERIFY((table[z].MeltingPoint == 0.0 && table[z].BoilingPoint != 0.0) == (z == 2));
        QCOMPARE(table[30].DiscoveryYear, 1600);
        QCOMPARE(table[29].DiscoveryYear, 0);
    }

    void everyConfigurationLineAddsUpToTheAtomicNumber()
    {
        const QByteArray text = ReadFile(QStringLiteral(ASSETS_DIR "/Zbiory/!konfielekt.txt"));
        QVERIFY(text.endsWith("\r\n"));
        const QList<QByteArray> lines = text.chopped(2).split('\n');
        QCOMPARE(lines.size(), 118);
        const ElementTable table = ShippedTable(true);
        for (int z = 1; z <= 118; ++z) {
            const QByteArray symbol = table[z].Symbol.Text();
            QVERIFY2(lines[z - 1].endsWith('\r') || z == 118, symbol);
            const QByteArray configuration = ConfigurationInText(text, symbol).value_or("missing");
            int sum = 0;
            for (const QByteArray& count : Podziel_powloki(configuration)) {
                bool ok = false;
                sum += count.toInt(&ok);
                QVERIFY2(ok && count.toInt() > 0, symbol);
            }
            QVERIFY2(sum == z, symbol);
        }
        QCOMPARE(ConfigurationInText(text, "Na"), std::optional<QByteArray>("+2+8+1"));
        QCOMPARE(ConfigurationInText(text, "Nb"), std::optional<QByteArray>("+2+8+18+12+1"));
        QCOMPARE(ConfigurationInText(text, "Rg"), std::optional<QByteArray>("+2+8+18+32+32+17+2"));
        QCOMPARE(ConfigurationInText(text, "Og"), std::optional<QByteArray>("+2+8+18+32+32+18+8"));
    }

    // Copernicium to oganesson as their file gives them, beside a "dane.dat" of 111 records.
    void theNewerElements()
    {
        const ElementTable table = ShippedTable(true);
        const QHash<QString, ElementProperties> properties = ShippedProperties();
        struct Expected {
            const char* Symbol;
            const char* PolishName;
            const char* LatinName;
            int Year;
            const char* Weight;
            const char* HalfLife;
        };
        const Expected expected[] = {
            {"Cn", "Kopernik", "Copernicium", 1996, "[285]", "30 s"}, {"Nh", "Nihon", "Nihonium", 2004, "[286]", "12 s"},
            {"Fl", "Flerow", "Flerovium", 1999, "[289]", "2.1 s"},    {"Mc", "Moskow", "Moscovium", 2003, "[290]", "840 ms"},
            {"Lv", "Liwermor", "Livermorium", 2000, "[293]", "70 ms"}, {"Ts", "Tenes", "Tennessine", 2010, "[294]", "70 ms"},
            {"Og", "Oganeson", "Oganesson", 2002, "[294]", "0.7 ms"},
        };
        const std::vector<NewerElement> newer = ReadNewerElements(DataFolder(QStringLiteral(ASSETS_DIR "/"))).value();
        for (int z = 112; z <= 118; ++z) {
            const Expected& e = expected[z - 112];
            const TElementRecord& record = table[z];
            QCOMPARE(record.Symbol.Text(), QByteArray(e.Symbol));
            QCOMPARE(Cp1250ToString(record.PolishName.Text()), QString::fromUtf8(e.PolishName));
            QCOMPARE(record.LatinName.Text(), QByteArray(e.LatinName));
            QCOMPARE(record.AtomicNumber, z);
            QCOMPARE(record.DiscoveryYear, e.Year);
            QCOMPARE(record.TableRow, 7);
            QCOMPARE(record.TableColumn, z - 100);
            QVERIFY(record.MeltingPoint == 0.0 && record.BoilingPoint == 0.0);
            QVERIFY(QFileInfo::exists(QStringLiteral(ASSETS_DIR "/Zbiory/") + QString::fromLatin1(record.DescriptionFile.Text())));
            QCOMPARE(newer[std::size_t(z - 112)].HalfLife, QLatin1String(e.HalfLife));
            QVERIFY(!newer[std::size_t(z - 112)].Sources.isEmpty());
            const ElementProperties& p = properties[QLatin1String(e.Symbol)];
            QCOMPARE(p.AtomicWeight, QLatin1String(e.Weight));
            QVERIFY(p.ConfigurationPredicted && p.StatesPredicted);
            QCOMPARE(ElectronCount(p.Configuration), std::optional<int>(z));
            QVERIFY(p.Electronegativity.isEmpty() && p.Density.isEmpty() && p.IonisationEnergy.isEmpty());
        }
        QCOMPARE(QFileInfo(QStringLiteral(ASSETS_DIR "/dane.dat")).size(), qint64(ElementTable::FileSize));
    }

    void regeneratingReproducesTheCommittedFiles()
    {
        QTemporaryDir out;
        QProcess generator;
        generator.start(QStringLiteral(GENERATOR), {QStringLiteral(BODR_DIR), QStringLiteral(TABLES_DIR), out.path()});
        QVERIFY(generator.waitForFinished(60000));
        QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());
        const QStringList generated = FilesUnder(out.path());
        QCOMPARE(generated, FilesUnder(QStringLiteral(ASSETS_DIR)).filter(QRegularExpression(QStringLiteral("^(dane.dat|Zbiory/)"))));
        QVERIFY(generated.size() > 200);
        for (const QString& file : generated)
            QVERIFY2(ReadFile(out.path() + QLatin1Char('/') + file) == ReadFile(QStringLiteral(ASSETS_DIR "/") + file), qPrintable(file));
    }

    // Every figure that differs from PubChem's by more than a few degrees, or in its year, or in
    // its shells, must be one our table settled with a reason. Our table settles every temperature
    // from the handbook, so there the reason must also say why PubChem's figure was not taken: a
    // slip of a digit in the table shows as an unexplained disagreement.
    void disagreementsWithASecondSourceAreAllSettled()
    {
        const QList<QHash<QString, QString>> pubChem = PubChemElements();
        if (pubChem.isEmpty())
            QSKIP("the second source (npm periodic-table-data) is not installed; the set-up step fetches it");
        QMap<QString, QString> settled;
        for (const Correction& c : ReadCorrections(QStringLiteral(TABLES_DIR "/corrections.tsv")))
            settled.insert(QString::number(c.AtomicNumber) + QLatin1Char(' ') + c.Field, c.Reason);

        const QList<ShippedElement> ours = SettleElements(QStringLiteral(BODR_DIR "/elements.xml"), QStringLiteral(TABLES_DIR));
        QStringList unsettled;
        for (const QHash<QString, QString>& f : pubChem) {
            const auto column = [&](const char* name) { return f.value(QLatin1String(name)); };
            const int z = column("AtomicNumber").toInt();
            const ShippedElement& e = ours[z - 1];
            const auto check = [&](const char* field, bool agrees) {
                const QString key = QString::number(z) + QLatin1Char(' ') + QLatin1String(field);
                const bool temperature = key.endsWith(QLatin1String("melting")) || key.endsWith(QLatin1String("boiling"));
                const bool argued = settled.contains(key) && (!temperature || settled[key].contains(QLatin1String("PubChem")));
                if (!agrees && !argued)
                    unsettled.append(e.Symbol + QLatin1Char(' ') + QLatin1String(field));
            };
            const auto temperature = [&](const char* name, double celsius) {
                bool present = false;
                const double kelvin = column(name).toDouble(&present);
                if (present != (celsius != 0.0))
                    return false;
                return !present || std::abs(kelvin - 273.15 - celsius) <= 5.0;
            };
            check("melting", temperature("MeltingPoint", e.MeltingPoint));
            check("boiling", temperature("BoilingPoint", e.BoilingPoint));
            const QString year = column("YearDiscovered");
            check("year", year == QLatin1String("Ancient") ? e.DiscoveryYear == 0 : year.toInt() == e.DiscoveryYear);
            QList<int> shells;
            static const QMap<QString, QList<int>> cores = {
                {"He", {2}}, {"Ne", {2, 8}}, {"Ar", {2, 8, 8}}, {"Kr", {2, 8, 18, 8}},
                {"Xe", {2, 8, 18, 18, 8}}, {"Rn", {2, 8, 18, 32, 18, 8}}};
            QString configuration = column("ElectronConfiguration");
            if (configuration.startsWith(QLatin1Char('['))) {
                shells = cores.value(configuration.mid(1, 2));
                configuration = configuration.mid(4);
            }
            static const QRegularExpression subshell(QStringLiteral("([1-7])[spdf]([0-9]+)"));
            for (auto it = subshell.globalMatch(configuration); it.hasNext();) {
                const auto m = it.next();
                const int n = m.captured(1).toInt();
                if (shells.size() < n)
                    shells.resize(n, 0);
                shells[n - 1] += m.captured(2).toInt();
            }
            check("configuration", shells == e.Shells);
        }
        QVERIFY2(unsettled.isEmpty(), qPrintable(unsettled.join(QStringLiteral(", "))));
    }
    // The figures the page "Więcej informacji" shows, against IUPAC's 2021 abridged weights, the
    // handbook's densities, Pauling's electronegativities and the ground-state configurations.
    void propertiesOfSixteenElements()
    {
        struct Expected {
            const char* Symbol;
            const char* Weight;
            const char* Configuration;
            const char* Electronegativity;
            const char* Density;
            DensityBasis Basis;
            const char* FirstState;
        };
        const DensityBasis s = DensityBasis::Condensed, g = DensityBasis::Gas;
        const Expected expected[] = {
            {"H", "1.0080", "1s1", "2.20", "0.08988", g, "+1"},
            {"C", "12.011", "[He] 2s2 2p2", "2.55", "2.267", s, "+4"},
            {"O", "15.999", "[He] 2s2 2p4", "3.44", "1.429", g, "-2"},
            {"Na", "22.990", "[Ne] 3s1", "0.93", "0.968", s, "+1"},
            {"Cl", "35.45", "[Ne] 3s2 3p5", "3.16", "3.214", g, "-1"},
            {"Fe", "55.845", "[Ar] 3d6 4s2", "1.83", "7.874", s, "+3"},
            {"Cu", "63.546", "[Ar] 3d10 4s1", "1.90", "8.96", s, "+2"},
            {"Br", "79.904", "[Ar] 3d10 4s2 4p5", "2.96", "3.1028", s, "-1"},
            {"Ag", "107.87", "[Kr] 4d10 5s1", "1.93", "10.49", s, "+1"},
            {"I", "126.90", "[Kr] 4d10 5s2 5p5", "2.66", "4.933", s, "-1"},
            {"Au", "196.97", "[Xe] 4f14 5d10 6s1", "2.54", "19.3", s, "+3"},
            {"Hg", "200.59", "[Xe] 4f14 5d10 6s2", "2.00", "13.534", s, "+2"},
            {"Pb", "207.2", "[Xe] 4f14 5d10 6s2 6p2", "2.33", "11.34", s, "+2"},
            {"U", "238.03", "[Rn] 5f3 6d1 7s2", "1.38", "19.1", s, "+6"},
            {"Tc", "[98]", "[Kr] 4d5 5s2", "1.9", "11.5", s, "+7"},
            {"Pm", "[145]", "[Xe] 4f5 6s2", "", "7.26", s, "+3"},
        };
        const QHash<QString, ElementProperties> table = ShippedProperties();
        for (const Expected& e : expected) {
            const ElementProperties& p = table[QLatin1String(e.Symbol)];
            QCOMPARE(p.AtomicWeight, QLatin1String(e.Weight));
            QCOMPARE(p.Configuration, QLatin1String(e.Configuration));
            QCOMPARE(p.Electronegativity, QLatin1String(e.Electronegativity));
            QCOMPARE(p.Density, QLatin1String(e.Density));
            QCOMPARE(p.Basis, e.Basis);
            QCOMPARE(p.OxidationStates.value(0), QLatin1String(e.FirstState));
        }
        // the noble gases without an electronegativity, the f rows without a group
        for (const char* symbol : {"He", "Ne", "Ar"})
            QVERIFY(table[QLatin1String(symbol)].Electronegativity.isEmpty());
        QCOMPARE(table[QStringLiteral("Ce")].Group, 0);
        QCOMPARE(table[QStringLiteral("Ce")].Block, QLatin1Char('f'));
        QCOMPARE(table[QStringLiteral("He")].Block, QLatin1Char('s'));
        QCOMPARE(table[QStringLiteral("Rg")].Group, 11);
        // the states of the superheavy elements are calculated; lawrencium's +3 is measured
        QVERIFY(table[QStringLiteral("Rf")].StatesPredicted && table[QStringLiteral("Rg")].StatesPredicted);
        QVERIFY(!table[QStringLiteral("Lr")].StatesPredicted && !table[QStringLiteral("Fe")].StatesPredicted);
    }

    // Every element has its line, whose configuration holds as many electrons as its atomic number.
    void everyElementHasPropertiesThatAddUp()
    {
        const QHash<QString, ElementProperties> table = ShippedProperties();
        const ElementTable records = ShippedTable(true);
        QCOMPARE(table.size(), ElementTable::KnownCount);
        for (int z = 1; z <= ElementTable::KnownCount; ++z) {
            const QString symbol = Cp1250ToString(records[z].Symbol.Text());
            QVERIFY2(table.contains(symbol), qPrintable(symbol));
            QCOMPARE(ElectronCount(table[symbol].Configuration), std::optional<int>(z));
            QVERIFY2(!table[symbol].AtomicWeight.isEmpty() && !table[symbol].OxidationStates.isEmpty(), qPrintable(symbol));
        }
    }

    // The same rule for the figures of "Więcej informacji", with the tolerances corrections.tsv
    // states. PubChem gives van der Waals radii, not covalent ones, so the radius is not compared.
    void propertiesAgreeWithASecondSource()
    {
        const QList<QHash<QString, QString>> pubChem = PubChemElements();
        if (pubChem.isEmpty())
            QSKIP("the second source (npm periodic-table-data) is not installed; the set-up step fetches it");
        QSet<QString> settled;
        for (const Correction& c : ReadCorrections(QStringLiteral(TABLES_DIR "/corrections.tsv")))
            settled.insert(QString::number(c.AtomicNumber) + QLatin1Char(' ') + c.Field);
        const QHash<QString, ElementProperties> table = ShippedProperties();
        QStringList unsettled;
        for (const QHash<QString, QString>& f : pubChem) {
            const auto column = [&](const char* name) { return f.value(QLatin1String(name)); };
            const int z = column("AtomicNumber").toInt();
            const ElementProperties& p = table[column("Symbol")];
            const auto check = [&](const char* field, bool agrees) {
                if (!agrees && !settled.contains(QString::number(z) + QLatin1Char(' ') + QLatin1String(field)))
                    unsettled.append(p.Symbol + QLatin1Char(' ') + QLatin1String(field));
            };
            // both missing, or both there and within the relative (or, with absolute, the plain) tolerance
            const auto near = [&](const QString& ours, const QString& theirs, double tolerance, double scale = 1, bool absolute = false) {
                const std::optional<double> a = ElementProperties::Value(ours);
                bool present = false;
                const double b = theirs.toDouble(&present) * scale;
                if (a.has_value() != present)
                    return false;
                return !present || std::abs(*a - b) <= (absolute ? tolerance : tolerance * b);
            };
            const QString mass = column("AtomicMass");
            const bool bracketed = p.AtomicWeight.startsWith(QLatin1Char('['));
            check("weight", bracketed ? near(p.AtomicWeight.mid(1).chopped(1), mass, 1.5, 1, true) : near(p.AtomicWeight, mass, 0.01));
            check("electronegativity", near(p.Electronegativity, column("Electronegativity"), 0.05, 1, true));
            check("ionisation", near(p.IonisationEnergy, column("IonizationEnergy"), 0.01, 96.485332));
            check("density", near(p.Density, column("Density"), 0.03, p.Basis == DensityBasis::Gas ? 1000 : 1));
            QStringList states;
            for (QString state : column("OxidationStates").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                state = state.trimmed();
                states << (state.front().isDigit() && state != QLatin1String("0") ? QLatin1Char('+') + state : state);
            }
            check("oxidation", states.isEmpty() || states.contains(p.OxidationStates.value(0)));
        }
        QVERIFY2(unsettled.isEmpty(), qPrintable(unsettled.join(QStringLiteral(", "))));
    }
};

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shipped_data.moc"
