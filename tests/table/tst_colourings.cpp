#include "ColouringRules.h"
#include "TableLayout.h"

#include <QtTest>

namespace {

// The tiles' colours after the colouring runs on a table of plain tiles, counted by colour.
QMap<TColor, int> Histogram(Colouring colouring, const ElementTable& table)
{
    std::map<std::pair<int, int>, TColor> tiles;
    for (const TileCell& cell : TileCells())
        tiles[{cell.Column, cell.Row}] = clBtnFace;
    for (const TilePaint& paint : PaintsOf(colouring, table))
        if (const auto tile = tiles.find({paint.Column, paint.Row}); tile != tiles.end())
            tile->second = paint.Color;
    QMap<TColor, int> counts;
    for (const auto& [cell, color] : tiles)
        ++counts[color];
    return counts;
}

// Records at their tiles' cells, numbered as the tiles are placed.
ElementTable TableOfTheTiles()
{
    ElementTable table;
    for (int k = 1; k <= ElementTable::Count; ++k) {
        const TileCell& cell = TileCells()[std::size_t(k - 1)];
        table[k].TableColumn = cell.Column;
        table[k].TableRow = cell.Row;
        table[k].AtomicNumber = k;
    }
    return table;
}

} // namespace

class TestColourings : public QObject {
    Q_OBJECT

private slots:
    void everyColouringPaintsItsClasses_data()
    {
        QTest::addColumn<Colouring>("colouring");
        QTest::addColumn<QMap<TColor, int>>("counts");
        QTest::addColumn<int>("legendEntries");
        QTest::addColumn<TColor>("mark");
        QTest::newRow("none") << Colouring::None << QMap<TColor, int>{{clBtnFace, 111}} << 0 << TColor(0x0000C8);
        QTest::newRow("metals and non-metals") << Colouring::MetalsAndNonMetals
                                               << QMap<TColor, int>{{0xE97501, 86}, {0x53D771, 18}, {0x45C4FA, 7}} << 3
                                               << TColor(0x0000C8);
        QTest::newRow("kinds of metals") << Colouring::MetalKinds
                                         << QMap<TColor, int>{{clBtnFace, 18}, {0x82B0FD, 6}, {0x82EEFD, 6}, {0xD0F18D, 37},
                                                              {0xCCB9B0, 7}, {0x6DB6B6, 7}, {0xFD82E8, 15}, {0xFC3DDB, 15}}
                                         << 5 << TColor(0x0000C8);
        QTest::newRow("kinds of non-metals") << Colouring::NonMetalKinds
                                             << QMap<TColor, int>{{clBtnFace, 93}, {0x99FFCA, 7}, {0x9AEAFE, 5}, {0xFEDB9A, 6}}
                                             << 3 << TColor(0x0000C8);
    }

    void everyColouringPaintsItsClasses()
    {
        QFETCH(Colouring, colouring);
        QTEST(Histogram(colouring, TableOfTheTiles()), "counts");
        QTEST(int(RulesOf(colouring).Legend.size()), "legendEntries");
        QTEST(RulesOf(colouring).Mark, "mark");
    }

    void stepsAroundThePainting()
    {
        // only "Bez kolorów" lets the animations run; only the atom count keeps the legend up;
        // only "Metale i niemetale" paints every tile without clearing first
        for (const Colouring colouring : {Colouring::None, Colouring::MetalsAndNonMetals, Colouring::MetalKinds,
                                          Colouring::NonMetalKinds, Colouring::AtomCount}) {
            const ColouringRules& rules = RulesOf(colouring);
            QCOMPARE(rules.StopsAnimations, colouring != Colouring::None);
            QCOMPARE(rules.HidesLegend, colouring != Colouring::AtomCount);
            QCOMPARE(rules.ClearsTable, colouring != Colouring::MetalsAndNonMetals);
        }
        const std::vector<LegendEntry>& shades = RulesOf(Colouring::AtomCount).Legend;
        QCOMPARE(shades.front().Text, QString::fromUtf8("Liczebność atomów = 1"));
        QCOMPARE(shades.back().Text, QString::fromUtf8("Liczebność atomów = 109"));
        QCOMPARE(shades.back().Color, TColor(0x000092));
        QCOMPARE(RulesOf(Colouring::AtomCount).Mark, clBtnFace);
    }

    void atomCountShadesEachRecordAtItsOwnCell()
    {
        ElementTable table = TableOfTheTiles();
        QCOMPARE(Histogram(Colouring::AtomCount, table).size(), 111);
        QCOMPARE(AtomCountShade(1), RGBToColor(254, 0, 0));
        QCOMPARE(AtomCountShade(111), RGBToColor(144, 0, 0));
        QCOMPARE(AtomCountShade(256 + 5), RGBToColor(250, 0, 0));
        QCOMPARE(AtomCountShade(-1), RGBToColor(0, 0, 0));
        // the paint goes to the record's cell, and a cell without a tile takes nothing
        table[1].TableColumn = 2;
        table[2].TableColumn = 0;
        const std::vector<TilePaint> paints = PaintsOf(Colouring::AtomCount, table);
        QCOMPARE(paints.size(), std::size_t(111));
        QCOMPARE(paints[0].Column, 2);
        QCOMPARE(paints[0].Color, AtomCountShade(1));
        const QMap<TColor, int> counts = Histogram(Colouring::AtomCount, table);
        QCOMPARE(counts.value(clBtnFace), 2);  // H's and He's tiles stay plain
    }
};

QTEST_MAIN(TestColourings)
#include "tst_colourings.moc"
