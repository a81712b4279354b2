// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckBox.h"
#include "ErrorRecorder.h"
#include "Fonts.h"
#include "MainWindowProbe.h"
#include "SpinEdit.h"
#include "TrackBar.h"
#include "Translations.h"
#include "WindowInput.h"
#include "ViewRules.h"

#include <QTimer>

#include <limits>
#include <QtTest>

namespace {

constexpr TColor Face = clBtnFace;
constexpr TColor Antiquity = 0x95B8FF, MiddleAges = 0x7EBEBE, Recent = 0x5FDEB8;
constexpr TColor Solid = 0x97746C, Liquid = 0xF1D587, Gas = 0x80F9D5;

// The symbols whose tiles show the colour.
QStringList TilesIn(const MainWindow& w, TColor color)
{
    QStringList symbols;
    for (const TileCell& cell : w.window.ShownCells())
        if (w.window.Panel(cell.Number)->Color() == color)
            symbols.append(QString::fromLatin1(cell.Symbol));
    symbols.sort();
    return symbols;
}

// The tile of the element with the atomic number.
TColor TileColour(const MainWindow& w, int z)
{
    return w.ColorOf(w.window.Elements()[z].Symbol.Text().constData());
}

// A table whose first record is discovered in the given year and melts and boils at the given points.
ElementTable OneElement(std::int32_t year, double melting, double boiling)
{
    ElementTable table;
    table[1].TableColumn = 1;
    table[1].TableRow = 1;
    table[1].AtomicNumber = 1;
    table[1].DiscoveryYear = year;
    table[1].MeltingPoint = melting;
    table[1].BoilingPoint = boiling;
    for (int i = 2; i <= ElementTable::FileCount; ++i)
        table[i].DiscoveryYear = 3000;
    return table;
}

} // namespace

class TestViews : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterFonts();
    }

    // The panels open in the expanded window with their legends, one at a time, and close again.
    void openingAndClosingTheViews()
    {
        MainWindow w;
        TAGlowne& g = w.window;
        g.show();
        QCOMPARE(g.width(), TAGlowne::BasicWidth);
        g.Liczbaatomw2->trigger();
        QVERIFY(!g.suiPanel2->isHidden());
        QCOMPARE(g.suiPanel2->geometry(), QRect(612, 56, 249, 105));
        QCOMPARE(g.suiSpinEdit1->geometry(), QRect(168, 24, 73, 19));
        QCOMPARE(g.suiTrackBar1->geometry(), QRect(8, 48, 233, 20));
        QCOMPARE(g.width(), TAGlowne::ExpandedWidth);
        QCOMPARE(w.VisibleLegendEntries(), 6);
        QVERIFY(g.Rozwi1->Checked() && !g.Podstawowy1->Checked() && g.Liczbaatomw2->Checked());
        QCOMPARE(g.suiTrackBar1->Color(), clWhite);  // the slider takes its panel's colour
        QCOMPARE(g.suiCheckBox1->Color(), clWhite);

        g.Datyodkry1->trigger();
        QVERIFY(g.suiPanel2->isHidden() && !g.suiPanel3->isHidden());
        QCOMPARE(g.suiPanel3->height(), 100);
        QCOMPARE(w.VisibleLegendEntries(), 3);
        QCOMPARE(g.LKolor(2)->Caption(), QString::fromUtf8("Średniowiecze.."));
        g.Stanyskupienia1->trigger();
        QVERIFY(g.suiPanel3->isHidden() && !g.suiPanel4->isHidden());
        QCOMPARE(g.suiPanel4->height(), 113);
        QCOMPARE(g.Label31->Caption(), QStringLiteral("Temperatura:"));
        QCOMPARE(g.Label32->Caption(), QStringLiteral("-273,15 *C"));
        QCOMPARE(g.LKolor(3)->Caption(), QStringLiteral("Stan skupienia: Gazowy"));
        QCOMPARE(g.PKolor(3)->Color(), Gas);
        // choosing the item again closes the panel; the legend, width and check mark stay
        g.Stanyskupienia1->trigger();
        QVERIFY(g.suiPanel4->isHidden());
        QCOMPARE(g.width(), TAGlowne::ExpandedWidth);
        QCOMPARE(w.VisibleLegendEntries(), 3);
        QVERIFY(g.Stanyskupienia1->Checked());
    }

    void atomCount_data()
    {
        QTest::addColumn<int>("sliderBefore");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("shaded");
        QTest::newRow("none") << 5 << "0" << 0 << "0" << 0;
        QTest::newRow("hydrogen only") << 5 << "1" << 1 << "1" << 1;
        QTest::newRow("every element") << 5 << "111" << 111 << "111" << 111;
        QTest::newRow("200, the slider below 111") << 5 << "200" << 111 << "111" << 111;
        QTest::newRow("200, the slider at 111") << 111 << "200" << 111 << "200" << 111;
        QTest::newRow("a negative number") << 5 << "-7" << 0 << "0" << 0;
    }

    void atomCount()
    {
        QFETCH(int, sliderBefore);
        QFETCH(QString, typed);
        MainWindow w;
        TAGlowne& g = w.window;
        g.Liczbaatomw2->trigger();
        g.suiTrackBar1->SetPosition(sliderBefore);
        g.suiSpinEdit1->SetText(typed);
        QTEST(g.suiTrackBar1->Position(), "slider");
        QTEST(g.suiSpinEdit1->Text(), "text");
        int shaded = 0;
        for (int z = 1; z <= 111; ++z)
            shaded += TileColour(w, z) == AtomCountShade(z) ? 1 : 0;
        QTEST(shaded, "shaded");
        QCOMPARE(TilesIn(w, Face).size(), 111 - shaded);
        if (shaded == 111) {
            QCOMPARE(w.ColorOf("H"), RGBToColor(254, 0, 0));
            QCOMPARE(w.ColorOf("Rg"), RGBToColor(144, 0, 0));
        }
    }

    // A text that is no whole number is reported and changes nothing.
    void atomCountRefusesWhatIsNoNumber()
    {
        MainWindow w;
        TAGlowne& g = w.window;
        g.Liczbaatomw2->trigger();
        g.suiSpinEdit1->SetText(QStringLiteral("3"));
        ErrorRecorder errors;
        for (const char* text : {"", "-", "99999999999", "1a"})
            g.suiSpinEdit1->SetText(QString::fromLatin1(text));
        QCOMPARE(errors.messages, (QStringList{"'' is not a valid integer value", "'-' is not a valid integer value",
                                               "'99999999999' is not a valid integer value", "'1a' is not a valid integer value"}));
        QCOMPARE(g.suiTrackBar1->Position(), 3);
        QCOMPARE(TilesIn(w, Face).size(), 108);
    }

    void atomCountAnimation()
    {
        MainWindow w;
        TAGlowne& g = w.window;
        g.Liczbaatomw2->trigger();
        g.suiSpinEdit1->SetText(QStringLiteral("110"));
        g.suiCheckBox1->SetChecked(true);
        QVERIFY(g.Timer1->isActive());
        QCOMPARE(g.Timer1->interval(), 200);
        g.Timer1Timer(nullptr);
        QCOMPARE(g.suiSpinEdit1->Text(), QStringLiteral("111"));
        g.Timer1Timer(nullptr);
        QCOMPARE(g.suiSpinEdit1->Text(), QStringLiteral("1"));
        QCOMPARE(TilesIn(w, Face).size(), 110);
        // unchecking stops the animation where it stands
        g.suiCheckBox1->SetChecked(false);
        QVERIFY(!g.Timer1->isActive());
        QCOMPARE(TilesIn(w, Face).size(), 110);
        // after another view, the count shows but the tiles stay plain until it changes
        g.suiSpinEdit1->SetText(QStringLiteral("50"));
        g.Datyodkry1->trigger();
        g.Liczbaatomw2->trigger();
        QCOMPARE(g.suiSpinEdit1->Text(), QStringLiteral("50"));
        QCOMPARE(TilesIn(w, Face).size(), 111);
        // a colouring stops the animation and clears its box, leaving the panel open
        g.suiCheckBox1->SetChecked(true);
        g.Grupypierwiastkw1->trigger();
        QVERIFY(!g.Timer1->isActive() && !g.suiCheckBox1->Checked() && !g.suiPanel2->isHidden());
    }

    void discoveryLabelsAndEras_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::newRow("0") << 0 << QString::fromUtf8("Starożytność");
        QTest::newRow("1") << 1 << QString::fromUtf8("Średniowiecze");
        QTest::newRow("149") << 149 << QString::fromUtf8("Średniowiecze");
        QTest::newRow("150") << 150 << QStringLiteral("1750");
        QTest::newRow("406") << 406 << QStringLiteral("2006");
    }

    void discoveryLabelsAndEras()
    {
        QFETCH(int, position);
        MainWindow w;
        TAGlowne& g = w.window;
        g.Datyodkry1->trigger();
        g.suiTrackBar2->SetPosition(position == 0 ? 1 : 0);
        g.suiTrackBar2->SetPosition(position);
        QTEST(g.Label30->Caption(), "label");
        const ElementTable& table = g.Elements();
        for (int z = 1; z <= 111; ++z) {
            const std::int32_t year = table[z].DiscoveryYear;
            const TColor expected = year <= 1600 + position - 1 ? EraColor(year) : Face;
            QVERIFY2(TileColour(w, z) == expected, table[z].Symbol.Text());
        }
        if (position == 0)
            QCOMPARE(TilesIn(w, Antiquity), (QStringList{"Ag", "Au", "C", "Cu", "Fe", "Hg", "Pb", "S", "Sb", "Sn"}));
    }

    void discoveryEdges()
    {
        QCOMPARE(EraColor(0), Antiquity);
        QCOMPARE(EraColor(1600), MiddleAges);
        QCOMPARE(EraColor(1699), MiddleAges);
        QCOMPARE(EraColor(1701), Recent);
        const ElementTable table = OneElement(1750, 0.0, 0.0);
        QVERIFY(DiscoveryPaints(table, 150).empty());
        QCOMPARE(DiscoveryPaints(table, 151).size(), std::size_t(1));
        // the animation: five at a time to 150, then year by year, round again from 406
        MainWindow w;
        TAGlowne& g = w.window;
        const auto visits = [&](int from, int ticks) {
            g.suiTrackBar2->SetPosition(from);
            QList<int> seen;
            for (int k = 0; k < ticks; ++k) {
                g.Timer2Timer(nullptr);
                seen.append(g.suiTrackBar2->Position());
            }
            return seen;
        };
        QCOMPARE(visits(148, 3), (QList<int>{153, 154, 155}));
        QCOMPARE(visits(404, 4), (QList<int>{405, 406, 1, 6}));
        QCOMPARE(visits(0, 2), (QList<int>{5, 10}));
    }

    void states_data()
    {
        QTest::addColumn<double>("melting");
        QTest::addColumn<double>("boiling");
        QTest::addColumn<QList<int>>("temperatures");
        QTest::addColumn<QString>("states");  // s, l, g or - for each temperature
        QTest::newRow("1000 and 2000") << 1000.0 << 2000.0 << QList<int>{999, 1000, 1001, 2000, 2001} << "ssllg";
        QTest::newRow("mercury-like") << -38.5 << 356.5 << QList<int>{-39, -38, 356, 357} << "sllg";
        QTest::newRow("never solid (helium)") << 0.0 << -268.928 << QList<int>{-273, -269, -268, 5700} << "llgg";
        QTest::newRow("boiling point missing") << 100.0 << 0.0 << QList<int>{-273, 50, 5700} << "---";
        QTest::newRow("subliming (arsenic)") << 816.85 << 614.0 << QList<int>{614, 615, 816, 817} << "sggg";
        // what a damaged file may hold in place of a figure counts as none
        const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
        QTest::newRow("boiling point not a number") << 100.0 << nan << QList<int>{-273, 50, 5700} << "---";
        QTest::newRow("boiling point infinite") << 100.0 << inf << QList<int>{-273, 50, 5700} << "---";
        QTest::newRow("boiling point minus infinity") << 100.0 << -inf << QList<int>{-273, 50, 5700} << "---";
        QTest::newRow("melting point not a number") << nan << 300.0 << QList<int>{-273, 300, 301} << "llg";
    }

    void states()
    {
        QFETCH(double, melting);
        QFETCH(double, boiling);
        QFETCH(QList<int>, temperatures);
        QFETCH(QString, states);
        QString seen;
        for (int t : temperatures) {
            const std::optional<MatterState> state = StateAt(melting, boiling, t);
            seen += !state ? QLatin1Char('-') : *state == MatterState::Solid ? QLatin1Char('s') : *state == MatterState::Liquid ? QLatin1Char('l') : QLatin1Char('g');
        }
        QCOMPARE(seen, states);
    }

    // With the shipped figures, the table at room temperature is the handbook's.
    void statesOfTheShippedTable()
    {
        MainWindow w;
        TAGlowne& g = w.window;
        g.Stanyskupienia1->trigger();
        g.suiTrackBar3->SetPosition(20);
        QCOMPARE(g.Label32->Caption(), QStringLiteral("20 *C"));
        QCOMPARE(TilesIn(w, Liquid), (QStringList{"Br", "Hg"}));
        // the plain tiles of elements without a boiling point explained below the three states
        QCOMPARE(w.VisibleLegendEntries(), 4);
        QCOMPARE(g.LKolor(4)->Caption(), QStringLiteral("brak danych"));
        QCOMPARE(g.PKolor(4)->Color(), Face);
        QCOMPARE(TilesIn(w, Gas), (QStringList{"Ar", "Cl", "F", "H", "He", "Kr", "N", "Ne", "O", "Rn", "Xe"}));
        const ElementTable& table = g.Elements();
        for (int z = 1; z <= 111; ++z) {
            const bool known = table[z].BoilingPoint != 0.0;
            const TColor shown = TileColour(w, z);
            QVERIFY2(known ? shown != Face : shown == Face, table[z].Symbol.Text());
        }
        g.suiTrackBar3->SetPosition(-300);
        QCOMPARE(g.Label32->Caption(), QStringLiteral("-273 *C"));
        QCOMPARE(TilesIn(w, Liquid) + TilesIn(w, Gas), QStringList{"He"});
        g.suiTrackBar3->SetPosition(6000);
        QCOMPARE(g.Label32->Caption(), QStringLiteral("5700 *C"));
        // arsenic never melts on the way up
        for (int t = -273; t <= 5700; t += 1) {
            g.suiTrackBar3->SetPosition(t);
            QVERIFY(w.ColorOf("As") != Liquid);
        }
    }

    void temperatureAnimation()
    {
        MainWindow w;
        TAGlowne& g = w.window;
        g.Stanyskupienia1->trigger();
        QList<int> reported;
        g.suiTrackBar3->OnChange = [&](QObject* sender) {
            reported.append(g.suiTrackBar3->Position());
            g.suiTrackBar3Change(sender);
        };
        g.suiTrackBar3->SetPosition(5650);
        reported.clear();
        g.Timer3Timer(nullptr);
        QCOMPARE(reported, (QList<int>{5700, -273}));
        g.Timer3Timer(nullptr);
        QCOMPARE(g.suiTrackBar3->Position(), -223);
        // closing the view stops its animation but leaves its box checked; the other views uncheck it
        g.suiCheckBox3->SetChecked(true);
        g.Stanyskupienia1->trigger();
        QVERIFY(!g.Timer3->isActive() && g.suiCheckBox3->Checked());
        g.Stanyskupienia1->trigger();
        g.Liczbaatomw2->trigger();
        QVERIFY(!g.Timer3->isActive() && !g.suiCheckBox3->Checked());
        // "Podstawowy" hides the panel but a running animation goes on
        g.suiCheckBox1->SetChecked(true);
        g.Podstawowy1->trigger();
        QVERIFY(g.suiPanel2->isHidden() && g.Timer1->isActive());
    }

    // The atom-count view as a learner works it, through the window: the count cleared and typed,
    // stepped with the arrow keys, the slider clicked and moved with the keys, the animation's box
    // clicked. Under a Polish locale a count that is no number is reported in Polish. (Runs last:
    // the translations stay installed.)
    void atomCountThroughTheWindow()
    {
        InstallTranslations(*qApp, QLocale(QLocale::Polish, QLocale::Poland));
        MainWindow w;
        TAGlowne& g = w.window;
        g.show();
        QVERIFY(WindowInput::Activate(&g));
        g.Liczbaatomw2->trigger();
        ErrorRecorder errors;
        WindowInput::Click(g.suiSpinEdit1);
        WindowInput::Key(&g, Qt::Key_A, Qt::ControlModifier);
        WindowInput::Key(&g, Qt::Key_Backspace);
        WindowInput::Type(&g, QStringLiteral("-"));
        WindowInput::Key(&g, Qt::Key_Backspace);
        WindowInput::Type(&g, QStringLiteral("12"));
        const QString notANumber = QString::fromUtf8("'%1' nie jest poprawną liczbą całkowitą");
        QCOMPARE(errors.messages, (QStringList{notANumber.arg(QString()), notANumber.arg(QStringLiteral("-")), notANumber.arg(QString())}));
        QCOMPARE(g.suiTrackBar1->Position(), 12);
        WindowInput::Key(&g, Qt::Key_Up);
        QCOMPARE(g.suiSpinEdit1->Text(), QStringLiteral("13"));
        QCOMPARE(TilesIn(w, Face).size(), 111 - 13);

        WindowInput::Click(g.suiTrackBar1, QPoint(g.suiTrackBar1->width() - 4, g.suiTrackBar1->height() / 2));
        QVERIFY(g.suiTrackBar1->hasFocus());
        const int clicked = g.suiTrackBar1->Position();
        QVERIFY(clicked > 13);
        WindowInput::Key(&g, Qt::Key_Left);
        QCOMPARE(g.suiTrackBar1->Position(), clicked - 1);
        QCOMPARE(g.suiSpinEdit1->Text(), QString::number(clicked - 1));

        WindowInput::Click(g.suiCheckBox1, QPoint(6, g.suiCheckBox1->height() / 2));
        QVERIFY(g.suiCheckBox1->Checked() && g.Timer1->isActive());
        WindowInput::Key(&g, Qt::Key_Space);
        QVERIFY(!g.suiCheckBox1->Checked() && !g.Timer1->isActive());
        QVERIFY(errors.messages.size() == 3);
    }
};

QTEST_MAIN(TestViews)
#include "tst_views.moc"
