// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColouringRules.h"
#include "ElementProperties.h"
#include "PropertyScales.h"
#include "TableLayout.h"

#include <QtTest>

#include <limits>
#include <span>

namespace {

// The tiles' colours after the colouring runs on a table of plain tiles, counted by colour.
QMap<TColor, int> Histogram(Colouring colouring, const ElementTable& table)
{
    std::map<std::pair<int, int>, TColor> tiles;
    for (const TileCell& cell : std::span(TileCells()).first(std::size_t(table.Last())))
        tiles[{cell.Column, cell.Row}] = clBtnFace;
    for (const TilePaint& paint : PaintsOf(colouring, table))
        if (const auto tile = tiles.find({paint.Column, paint.Row}); tile != tiles.end())
            tile->second = paint.Color;
    QMap<TColor, int> counts;
    for (const auto& [cell, color] : tiles)
        ++counts[color];
    return counts;
}

// Records at their tiles' cells, numbered as the tiles are placed; with the newer elements, all 118.
ElementTable TableOfTheTiles(bool newer = false)
{
    ElementTable table;
    std::vector<TElementRecord> newerRecords;
    for (int k = 1; k <= (newer ? ElementTable::KnownCount : ElementTable::FileCount); ++k) {
        const TileCell& cell = TileCells()[std::size_t(k - 1)];
        TElementRecord record{};
        record.TableColumn = cell.Column;
        record.TableRow = cell.Row;
        record.AtomicNumber = k;
        if (k <= ElementTable::FileCount)
            table[k] = record;
        else
            newerRecords.push_back(record);
    }
    if (newer)
        table.TakeInNewer(newerRecords);
    return table;
}

double Lightness(TColor colour)
{
    const QColor c = ColorToRGB(colour);
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}

// Each tile's figure for a colouring by a figure, from the shipped file ("[98]" counts as 98).
std::vector<TileValue> ShippedValues(Colouring colouring)
{
    QStringList symbols;
    for (const TileCell& cell : TileCells())
        symbols << QLatin1String(cell.Symbol);
    const auto table = ReadProperties(DataFolder(QStringLiteral(ASSETS_DIR "/")), symbols).value();
    std::vector<TileValue> values;
    for (const TileCell& cell : std::span(TileCells()).first(ElementTable::FileCount)) {
        const ElementProperties& p = table[QLatin1String(cell.Symbol)];
        const QString figure = colouring == Colouring::AtomicWeight      ? QString(p.AtomicWeight).remove(QRegularExpression(QStringLiteral("[][]")))
                               : colouring == Colouring::Electronegativity ? p.Electronegativity
                               : colouring == Colouring::AtomicRadius      ? p.CovalentRadius
                                                                           : p.IonisationEnergy;
        std::optional<double> value = ElementProperties::Value(colouring == Colouring::Density ? p.Density : figure);
        if (colouring == Colouring::Density && value && p.Basis == DensityBasis::Gas)
            *value /= 1000;
        values.push_back({cell.Column, cell.Row, value});
    }
    return values;
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

    // A tile's colour grows lighter as its figure grows, tiles without a figure stay plain, the
    // legend's ends are the smallest and the largest figure, and the text contrasts with its tile.
    void scalesFollowTheFigures_data()
    {
        QTest::addColumn<Colouring>("colouring");
        QTest::addColumn<QString>("least");
        QTest::addColumn<QString>("most");
        QTest::addColumn<int>("painted");
        QTest::newRow("weight") << Colouring::AtomicWeight << "1.008 u (min.)" << "282 u (maks.)" << 111;
        QTest::newRow("electronegativity") << Colouring::Electronegativity << "0.7 (min.)" << "3.98 (maks.)" << 94;
        QTest::newRow("density") << Colouring::Density << "0.00008988 g/cm³ (min.)" << "22.59 g/cm³ (maks.)" << 96;
        QTest::newRow("radius") << Colouring::AtomicRadius << "28 pm (min.)" << "260 pm (maks.)" << 96;
        QTest::newRow("ionisation") << Colouring::IonisationEnergy << "375.7 kJ/mol (min.)" << "2372.3 kJ/mol (maks.)" << 104;
    }

    void scalesFollowTheFigures()
    {
        QFETCH(Colouring, colouring);
        QFETCH(QString, least);
        QFETCH(QString, most);
        QFETCH(int, painted);
        const QLocale before;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        QLocale::setDefault(QLocale::c());
        const std::vector<TileValue> values = ShippedValues(colouring);
        const ScaleColouring scale = ColourByScale(ScaleOf(colouring), values);
        QCOMPARE(int(scale.Paints.size()), painted);
        std::map<std::pair<int, int>, std::pair<double, TColor>> tiles;
        for (std::size_t i = 0; i < scale.Paints.size(); ++i)
            tiles[{scale.Paints[i].Column, scale.Paints[i].Row}].second = scale.Paints[i].Color;
        std::vector<std::pair<double, double>> byValue;  // figure, lightness
        for (const TileValue& tile : values)
            if (tile.Value) {
                QVERIFY(tiles.count({tile.Column, tile.Row}));
                byValue.push_back({*tile.Value, Lightness(tiles[{tile.Column, tile.Row}].second)});
            }
        std::sort(byValue.begin(), byValue.end());
        for (std::size_t i = 1; i < byValue.size(); ++i)
            // rounding a colour to whole channels may darken it by a fraction of a channel's step
            QVERIFY2(byValue[i].second >= byValue[i - 1].second - 0.5 / 255 || byValue[i].first == byValue[i - 1].first,
                     qPrintable(QString::number(byValue[i].first)));
        // six steps, then "brak danych" in the plain tiles' colour where a tile has no figure
        const bool missing = painted < int(values.size());
        QCOMPARE(scale.Legend.size(), std::size_t(missing ? 7 : 6));
        QCOMPARE(scale.Legend.back().Text, missing ? QStringLiteral("brak danych") : most);
        QCOMPARE(scale.Legend.back().Color, missing ? clBtnFace : ViridisAt(1));
        QCOMPARE(scale.Legend.front().Text, least);
        QCOMPARE(scale.Legend[5].Text, most);
        for (std::size_t i = 1; i < 6; ++i)
            QVERIFY(Lightness(scale.Legend[i].Color) > Lightness(scale.Legend[i - 1].Color));
        QCOMPARE(scale.TextColours.size(), scale.Paints.size());
        QCOMPARE(ViridisAt(0) == scale.Legend.front().Color, true);
    }

    void textContrastsAndKindsAreNamed()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
        const ScaleColouring two =
            ColourByScale(ScaleOf(Colouring::MeltingPoint), {{1, 1, 0.5}, {2, 1, nan}, {3, 1, 100.0}, {4, 1, inf}, {5, 1, -inf}});
        QCOMPARE(two.TextColours, (std::vector<TColor>{clWhite, clBlack}));
        QCOMPARE(two.Legend.front().Text, QStringLiteral("0.5 °C (min.)"));
        QCOMPARE(two.Legend[5].Text, QStringLiteral("100 °C (maks.)"));
        QCOMPARE(two.Legend.back().Text, QStringLiteral("brak danych"));
        const std::pair<const char*, const char*> kinds[] = {
            {"Na", "metal alkaliczny"}, {"Ca", "metal ziem alkalicznych"}, {"Fe", "metal przejściowy"},
            {"Al", "metal grup głównych"}, {"Si", "metaloid (półmetal)"}, {"C", "niemetal"}, {"Cl", "halogen"},
            {"He", "gaz szlachetny"}, {"Ce", "lantanowiec"}, {"U", "aktynowiec"}, {"Xx", ""}};
        for (const auto& [symbol, kind] : kinds)
            QCOMPARE(KindOf(QLatin1String(symbol)), QString::fromUtf8(kind));
    }

    // copernicium to oganesson coloured by their groups, as school tables print them, and said to be
    // predicted
    void theNewerElementsTakeTheirGroupsClasses()
    {
        const ElementTable table = TableOfTheTiles(true);
        const auto colourAt = [&](Colouring colouring, int column) {
            TColor found = clBtnFace;
            for (const TilePaint& paint : PaintsOf(colouring, table))
                if (paint.Row == 7 && paint.Column == column)
                    found = paint.Color;
            return found;
        };
        const std::pair<int, const char*> kinds[] = {{12, "metal przejściowy"}, {13, "metal grup głównych"}, {16, "metal grup głównych"},
                                                     {17, "halogen"}, {18, "gaz szlachetny"}};
        for (const auto& [column, kind] : kinds) {
            const TColor colour = colourAt(column <= 16 ? Colouring::MetalKinds : Colouring::NonMetalKinds, column);
            QCOMPARE(ColourMeaning(column <= 16 ? Colouring::MetalKinds : Colouring::NonMetalKinds, colour), QString::fromUtf8(kind));
            QCOMPARE(KindOf(QLatin1String(TileCells()[std::size_t(100 + column - 1)].Symbol)),
                     QString::fromUtf8(kind) + QStringLiteral(" (właściwości przewidywane)"));
        }
        QCOMPARE(ColourMeaning(Colouring::MetalsAndNonMetals, colourAt(Colouring::MetalsAndNonMetals, 14)), QStringLiteral("metal"));
        QCOMPARE(ColourMeaning(Colouring::MetalsAndNonMetals, colourAt(Colouring::MetalsAndNonMetals, 18)), QStringLiteral("niemetal"));
        QCOMPARE(Histogram(Colouring::AtomCount, table).size(), 118);
        QCOMPARE(Histogram(Colouring::None, table).value(clBtnFace), 118);
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
