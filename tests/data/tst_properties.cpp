// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementProperties.h"
#include "NewerElements.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray Sodium = "Na\t22.990\t[Ne] 3s1\ts\t1\t3\t0.93\t0.968\tg/cm3\t154\t495.8\t+1\n";
const QStringList Known = {QStringLiteral("H"), QStringLiteral("Na"), QStringLiteral("Fe")};

// A data folder holding the properties file with the text given.
QString FolderWith(const QTemporaryDir& dir, const QByteArray& text)
{
    QDir().mkpath(dir.path() + QStringLiteral("/Zbiory"));
    QFile file(dir.path() + QStringLiteral("/Zbiory/wlasciwosci.txt"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return {};
    return dir.path() + QLatin1Char('/');
}

} // namespace

class TestProperties : public QObject {
    Q_OBJECT

private slots:
    void aGoodLineIsTaken()
    {
        const auto table = ParseProperties("\xEF\xBB\xBF# comment\n\n" + Sodium, QStringLiteral("w.txt"), Known);
        QCOMPARE(table.size(), 1);
        const ElementProperties& na = table[QStringLiteral("Na")];
        QCOMPARE(na.AtomicWeight, QStringLiteral("22.990"));
        QCOMPARE(ElectronCount(na.Configuration), std::optional<int>(11));
        QCOMPARE(ElementProperties::Value(na.Density), std::optional<double>(0.968));
        QCOMPARE(ElementProperties::Value(QStringLiteral("[98]")), std::optional<double>());
        QCOMPARE(na.OxidationStates, QStringList{QStringLiteral("+1")});
        QVERIFY(!na.StatesPredicted);
        const auto rg = ParseProperties("Na\t[282]\t[Rn] 5f14 6d9 7s2\td\t11\t7\t\t\t\t\t\t+3,+1 (przewidywane)\n",
                                        QStringLiteral("w.txt"), Known);
        QCOMPARE(rg[QStringLiteral("Na")].OxidationStates, (QStringList{QStringLiteral("+3"), QStringLiteral("+1")}));
        QVERIFY(rg[QStringLiteral("Na")].StatesPredicted);
    }

    // Each damage is refused with the file, the line and what is wrong, in Polish.
    void damagedLinesAreRefusedNamingTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QByteArray commaDecimal = Sodium;
        commaDecimal.replace("0.968", "0,968");
        QTest::newRow("bad number") << ("# x\n" + commaDecimal) << 2 << QStringLiteral("gęstość");
        QTest::newRow("too few columns") << QByteArray("Na\t22.990\n") << 1 << QStringLiteral("liczba kolumn: 2 zamiast 12");
        QTest::newRow("too many columns") << QByteArray(Sodium).replace('\n', "\tx\n") << 1 << QStringLiteral("liczba kolumn: 13");
        QTest::newRow("unknown symbol") << QByteArray(Sodium).replace("Na\t", "Xx\t") << 1 << QStringLiteral("nieznany symbol „Xx”");
        QTest::newRow("twice") << (Sodium + Sodium) << 2 << QStringLiteral("drugi raz");
        QTest::newRow("not UTF-8") << QByteArray(Sodium).replace("+1", "+\xb1") << 1 << QStringLiteral("UTF-8");
        QTest::newRow("bad configuration") << QByteArray(Sodium).replace("3s1", "3x1") << 1 << QStringLiteral("konfiguracja");
        QTest::newRow("bad state") << QByteArray(Sodium).replace("+1\n", "+9\n") << 1 << QStringLiteral("stopień utlenienia");
        QTest::newRow("a long line") << QByteArray(4000, 'x') << 1 << QStringLiteral("dłuższy niż 1024");
        QTest::newRow("no group outside f") << QByteArray(Sodium).replace("\ts\t1\t", "\ts\t\t") << 1 << QStringLiteral("blokiem f");
        QTest::newRow("%1 in a field") << QByteArray(Sodium).replace("\t1\t3\t", "\t%1\t3\t") << 1 << QStringLiteral("„%1” poza zakresem 1–18");
    }

    void damagedLinesAreRefusedNamingTheLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        try {
            ParseProperties(text, QStringLiteral("/dane/wlasciwosci.txt"), Known);
            QFAIL("taken");
        } catch (const PropertiesError& e) {
            QVERIFY2(e.Message().startsWith(QStringLiteral("Plik „/dane/wlasciwosci.txt” jest uszkodzony (wiersz %1): ").arg(line)),
                     qPrintable(e.Message()));
            QVERIFY2(e.Message().contains(reason), qPrintable(e.Message()));
        }
    }

    // The newer elements' file: the seven as shipped are taken; a damaged line is refused naming it,
    // and so is a file with one of them missing or twice.
    void damagedNewerElementsAreRefusedNamingTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QByteArray seven = "# pierwiastki\n";
        const char* const symbols[] = {"Cn", "Nh", "Fl", "Mc", "Lv", "Ts", "Og"};
        for (int z = 112; z <= 118; ++z)
            seven += QByteArray::number(z) + '\t' + symbols[z - 112] + "\tNazwa\tNomen\t2000\topis_" + QByteArray::number(z)
                     + ".rtf\t290\t0.7 ms\tNUBASE2020\n";
        QTest::newRow("as shipped") << seven << 0 << QString();
        const auto changed = [&](const char* from, const char* to) { return QByteArray(seven).replace(from, to); };
        QTest::newRow("number outside") << changed("112\t", "111\t") << 2 << QStringLiteral("liczba atomowa: „111” poza zakresem 112–118");
        QTest::newRow("number twice") << changed("113\tNh", "112\tNh") << 3 << QStringLiteral("pierwiastek 112 drugi raz");
        QTest::newRow("one missing") << QByteArray(seven).left(seven.lastIndexOf("118\t")) << 7 << QStringLiteral("pierwiastków jest 6 zamiast 7");
        QTest::newRow("bad symbol") << changed("\tOg\t", "\tOG\t") << 8 << QStringLiteral("zły symbol „OG”");
        QTest::newRow("name beyond the code page") << changed("\tNazwa\t", "\tНазва\t") << 2 << QStringLiteral("nazwa polska");
        QTest::newRow("file above the folder") << changed("opis_114.rtf", "../../etc/passwd") << 4 << QStringLiteral("zła nazwa pliku opisu");
        QTest::newRow("file in a folder") << changed("opis_114.rtf", "Rysunki/x.rtf") << 4 << QStringLiteral("zła nazwa pliku opisu");
        QTest::newRow("bad half-life") << changed("290\t0.7 ms\tNUBASE2020\n118", "290\t0,7 ms\tNUBASE2020\n118") << 7 << QStringLiteral("okres półtrwania");
        QTest::newRow("no source") << changed("\tNUBASE2020\n115", "\t \n115") << 4 << QStringLiteral("brak źródeł");
        QTest::newRow("columns") << changed("\tNUBASE2020\n116", "\n116") << 5 << QStringLiteral("liczba kolumn: 8 zamiast 9");
    }

    void damagedNewerElementsAreRefusedNamingTheLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        try {
            const std::vector<NewerElement> elements = ParseNewerElements(text, QStringLiteral("/dane/pierwiastki-112-118.txt"));
            QVERIFY2(line == 0, "taken");
            QCOMPARE(elements.back().Record.AtomicNumber, 118);
            QCOMPARE(elements.back().Record.TableColumn, 18);
            QCOMPARE(elements.back().HalfLife, QStringLiteral("0.7 ms"));
        } catch (const PropertiesError& e) {
            QVERIFY2(line > 0, qPrintable(e.Message()));
            QVERIFY2(e.Message().startsWith(QStringLiteral("Plik „/dane/pierwiastki-112-118.txt” jest uszkodzony (wiersz %1): ").arg(line)),
                     qPrintable(e.Message()));
            QVERIFY2(e.Message().contains(reason), qPrintable(e.Message()));
        }
    }

    // A file of 10 MB in one line is refused without reading it whole; a missing file is no error.
    void aHugeLineAndAMissingFile()
    {
        QTemporaryDir dir;
        const DataFolder folder(FolderWith(dir, Sodium + QByteArray(10 * 1024 * 1024, 'x')));
        try {
            ReadProperties(folder, Known);
            QFAIL("taken");
        } catch (const PropertiesError& e) {
            QVERIFY2(e.Message().contains(QStringLiteral("(wiersz 2): wiersz dłuższy")), qPrintable(e.Message()));
        }
        QTemporaryDir empty;
        QCOMPARE(ReadProperties(DataFolder(empty.path() + QLatin1Char('/')), Known), std::nullopt);
        // a folder in the file's place is no damaged file, but one that cannot be read
        QVERIFY(QDir().mkpath(empty.path() + QStringLiteral("/Zbiory/wlasciwosci.txt")));
        try {
            ReadProperties(DataFolder(empty.path() + QLatin1Char('/')), Known);
            QFAIL("taken");
        } catch (const PropertiesError& e) {
            QVERIFY2(e.Message().startsWith(QStringLiteral("Nie można odczytać pliku „%1/Zbiory/wlasciwosci.txt”: ").arg(empty.path())),
                     qPrintable(e.Message()));
        }
    }

    // The store reads when first asked, reports a damaged file once and then has nothing.
    void theStoreReportsADamagedFileOnce()
    {
        QTemporaryDir dir;
        const DataFolder folder(FolderWith(dir, "Na\tbroken\n"));
        QStringList reports;
        int asked = 0;
        PropertiesStore store(folder, [&] { ++asked; return Known; }, [&](const QString& m) { reports << m; });
        QCOMPARE(asked, 0);
        QCOMPARE(store.Find(QStringLiteral("Na"), true), nullptr);  // a tooltip's look-up: no report yet
        QCOMPARE(reports.size(), 0);
        QCOMPARE(store.Find(QStringLiteral("Na")), nullptr);
        QCOMPARE(store.Find(QStringLiteral("Fe")), nullptr);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports[0].contains(QStringLiteral("wiersz 1")));

        QTemporaryDir good;
        PropertiesStore goodStore(DataFolder(FolderWith(good, Sodium)), [] { return Known; }, {});
        QVERIFY(goodStore.Find(QStringLiteral("Na")));
        QCOMPARE(goodStore.Find(QStringLiteral("Fe")), nullptr);
    }
};

QTEST_GUILESS_MAIN(TestProperties)
#include "tst_properties.moc"
