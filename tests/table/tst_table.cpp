// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorRecorder.h"
#include "Fonts.h"
#include "Ink.h"
#include "Form.h"
#include "Label.h"
#include "Menu.h"
#include "MenuBar.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "MainWindowProbe.h"
#include "TAGlowne.h"
#include "TableLayout.h"
#include "TestFolder.h"
#include "Text.h"
#include "WindowInput.h"

#include <QPainter>
#include <QtTest>

#include <random>

namespace {

constexpr TColor Face = clBtnFace;

} // namespace

class TestTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterFonts();  // the windows' own faces, as the program starts with them
    }

    void tilesStandInTheirCells()
    {
        MainWindow w;
        QCOMPARE(w.window.Panel(1)->geometry(), QRect(32, 120, 33, 41));        // H
        QCOMPARE(w.window.Panel(2)->geometry(), QRect(576, 120, 33, 41));       // He
        QCOMPARE(w.window.Panel(110)->Caption(), QString("Ds"));
        QCOMPARE(w.window.Panel(110)->geometry().topLeft(), QPoint(320, 360));
        QCOMPARE(w.window.Panel(111)->Caption(), QString("Rg"));
        QCOMPARE(w.window.Panel(111)->geometry().topLeft(), QPoint(352, 360));
        QCOMPARE(w.window.Panel(80)->Caption(), QString("La"));
        QCOMPARE(w.window.Panel(80)->geometry().topLeft(), QPoint(128, 408));
        QCOMPARE(w.window.Panel(109)->Caption(), QString("Lr"));
        QCOMPARE(w.window.Panel(109)->geometry().topLeft(), QPoint(576, 448));
        QCOMPARE(w.window.Panel(57)->Caption(), QString("Hf"));
        QCOMPARE(w.window.Panel(57)->geometry().topLeft(), QPoint(128, 320));
        QCOMPARE(w.window.Panel(79)->Caption(), QString("Mt"));
        QCOMPARE(w.window.Panel(11)->objectName(), QString("Panel11"));
        for (int k = 1; k <= ElementTable::FileCount; ++k) {
            QCOMPARE(w.window.Panel(k)->size(), QSize(33, 41));
            QCOMPARE(w.window.Panel(k)->Color(), Face);
            QVERIFY(w.window.Panel(k)->font().bold());
            // every tile's caption is the symbol of the record whose cell it is
            const TileCell& cell = TileCells()[std::size_t(k - 1)];
            const auto index = Znajdz_pierwiastek(w.window.Elements(), cell.Symbol);
            QVERIFY(index);
            QCOMPARE(w.window.Elements()[*index].TableColumn, cell.Column);
            QCOMPARE(w.window.Elements()[*index].TableRow, cell.Row);
        }
        QCOMPARE(TileAt(3, 6), 0);
        QCOMPARE(TileAt(3, 7), 0);
        QCOMPARE(TileAt(3, 4), 21);
    }

    // The arrows over the grid: the named moves, every tile reached from H, and Left undoing Right
    // wherever both move.
    void arrowsWalkTheGrid()
    {
        const auto tile = [](const char* symbol) {
            for (const TileCell& cell : TileCells())
                if (QLatin1String(cell.Symbol) == QLatin1String(symbol))
                    return cell.Number;
            return 0;
        };
        const auto symbol = [](int number) { return QString::fromLatin1(TileCells()[std::size_t(number - 1)].Symbol); };
        const std::tuple<const char*, TileStep, const char*> moves[] = {
            {"Ba", TileStep::Right, "Hf"}, {"Hf", TileStep::Left, "Ba"},  {"Y", TileStep::Down, "La"},
            {"La", TileStep::Up, "Y"},     {"La", TileStep::Down, "Ac"},  {"Rf", TileStep::Down, "La"},
            {"Mg", TileStep::Right, "Al"}, {"H", TileStep::Right, "He"},  {"He", TileStep::Down, "Ne"},
            {"Ce", TileStep::Up, "Db"},    {"Sc", TileStep::Up, "Sc"},    {"H", TileStep::Up, "H"},
            {"H", TileStep::Left, "H"},    {"Fr", TileStep::Down, "Fr"},  {"Lr", TileStep::Right, "Lr"},
            {"Ac", TileStep::Down, "Ac"},  {"Fe", TileStep::RowStart, "K"}, {"Fe", TileStep::RowEnd, "Kr"},
            {"Rf", TileStep::RowEnd, "Rg"}, {"Pu", TileStep::RowStart, "Ac"}, {"Lu", TileStep::Up, "Rn"}};
        for (const auto& [from, step, to] : moves)
            QVERIFY2(symbol(StepFrom(tile(from), step, ElementTable::FileCount)) == QLatin1String(to), from);
        // with the newer elements, period 7 runs on from roentgenium to oganesson
        QCOMPARE(symbol(StepFrom(tile("Rg"), TileStep::Right)), QStringLiteral("Cn"));
        QCOMPARE(symbol(StepFrom(tile("Rf"), TileStep::RowEnd)), QStringLiteral("Og"));
        QCOMPARE(symbol(StepFrom(tile("Og"), TileStep::Up)), QStringLiteral("Rn"));
        QCOMPARE(symbol(StepFrom(tile("Lv"), TileStep::Down)), QStringLiteral("Tm"));

        QSet<int> reached{1};
        QList<int> frontier{1};
        while (!frontier.isEmpty()) {
            const int from = frontier.takeLast();
            for (const TileStep step : {TileStep::Left, TileStep::Right, TileStep::Up, TileStep::Down})
                if (const int to = StepFrom(from, step); !reached.contains(to)) {
                    reached << to;
                    frontier << to;
                }
        }
        QCOMPARE(reached.size(), TileCount);
        for (int number = 1; number <= TileCount; ++number) {
            const int right = StepFrom(number, TileStep::Right), left = StepFrom(number, TileStep::Left);
            if (right != number)
                QCOMPARE(StepFrom(right, TileStep::Left), number);
            if (left != number)
                QCOMPARE(StepFrom(left, TileStep::Right), number);
        }
    }

    void boldLettersKeepApart()
    {
        // every tile symbol and every legend text: a blank column between any two letters, so the
        // dots of "..." and "...." stand apart too
        const auto letters = [](const QString& text) { return int(QString(text).remove(' ').size()); };
        MainWindow w;
        for (int k = 1; k <= ElementTable::FileCount; ++k) {
            const QImage tile = w.window.Panel(k)->grab().toImage();
            QCOMPARE(InkColumnRuns(tile, tile.rect().adjusted(2, 2, -2, -2), IsBlack), letters(w.window.Panel(k)->Caption()));
        }
        for (TMenuItem* scheme : {w.window.Grupypierwiastkw1, w.window.Podziametali1, w.window.Podzianiemetali1, w.window.Liczbaatomw1}) {
            scheme->trigger();
            for (int entry = 1; entry <= 6; ++entry) {
                TLabel* label = w.window.LKolor(entry);
                if (!label->isVisibleTo(w.window.suiPanel1))
                    continue;
                const QImage text = label->grab().toImage();
                QCOMPARE(InkColumnRuns(text, text.rect(), IsBlack), letters(label->Caption()));
                // sized to its bold text: it holds all the ink the text has when drawn unclipped, and
                // no more than the last glyph's own margin beyond it
                QImage wide(400, label->height(), QImage::Format_RGB32);
                wide.fill(Qt::white);
                QPainter painter(&wide);
                painter.setFont(label->font());
                DrawText(painter, wide.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, label->Caption());
                painter.end();
                int reach = 0;
                for (int x = 0; x < wide.width(); ++x)
                    for (int y = 0; y < wide.height(); ++y)
                        reach = IsBlack(wide.pixel(x, y)) ? x + 1 : reach;
                QVERIFY2(reach <= label->width() && label->width() <= reach + 3, qPrintable(label->Caption()));
            }
        }
    }

    void menuBarLinesUp()
    {
        // each drop-down opens on the row after the bar, and the captions sit whole inside the bar
        MainWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        TsuiMenuBar* bar = w.window.suiForm1->MenuBar();
        QCOMPARE(bar->height(), 22);
        for (int button = 0; button < bar->ButtonCount(); ++button) {
            QCOMPARE(bar->ButtonRect(button).height(), 22);
            QVERIFY(bar->OpenMenu(button));
            QTRY_VERIFY(bar->OpenDropDown() && bar->OpenDropDown()->isVisible());
            QCOMPARE(bar->OpenDropDown()->geometry().top(), bar->mapToGlobal(QPoint(0, 22)).y());
            bar->OpenDropDown()->close();
            QTRY_COMPARE(bar->OpenButton(), -1);
        }
        const QImage shot = bar->grab().toImage();
        const auto lowestInk = [&](int button) {
            const QRect r = bar->ButtonRect(button);
            int lowest = -1;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    lowest = IsBlack(shot.pixel(x, y)) ? y : lowest;
            return lowest;
        };
        // the window menu opens and closes as well; what closed is deleted before the test goes on
        TsuiTitleBarPopupMenu* windowMenu = w.window.suiForm1->TitleBar()->PopupMenu();
        w.window.suiForm1->TitleBar()->OpenWindowMenu();
        QTRY_VERIFY(windowMenu->isVisible());
        WindowInput::Key(windowMenu, Qt::Key_Escape);
        QTRY_VERIFY(!windowMenu->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(bar->ButtonCaption(3), QString("Interakcje"));
        QVERIFY(lowestInk(3) > lowestInk(0));  // the descender of "j" shows below "Plik"
        QVERIFY(lowestInk(3) < 21);
        QVERIFY(lowestInk(4) > lowestInk(0) && lowestInk(4) < 21);  // and the access key's line under "Pomoc"
    }

    // Every letter opens what it did before the menus grew: the items first designed answer to
    // their first letters, every item added since to a letter of its own, and no two items of a
    // menu to the same marked letter or a marked letter and a first one. Typed as a user types
    // them, to the window.
    void menuLetters_data()
    {
        QTest::addColumn<char>("menu");
        QTest::addColumn<char>("letter");
        QTest::addColumn<QString>("item");
        const std::tuple<char, char, const char*> rows[] = {
            {'I', 'S', "Stanyskupienia1"}, {'I', 'D', "Datyodkry1"},       {'I', 'L', "Liczbaatomw2"},
            {'I', 'R', "Sprawdsi1"},       {'K', 'M', "Grupypierwiastkw1"}, {'K', 'B', "Bezkolorw1"},
            {'K', 'L', "Liczbaatomw1"},    {'K', 'A', "Masaatomowa1"},      {'K', 'E', "Elektroujemno1"},
            {'K', 'G', "Gsto1"},           {'K', 'R', "Promieatomowy1"},    {'K', 'J', "Energiajonizacji1"},
            {'K', 'T', "Temperaturatopnienia1"}, {'W', 'R', "Rozwi1"},      {'W', 'P', "Podstawowy1"},
            {'P', 'T', "Zapisztablicjako1"}, {'P', 'K', "Drukujkart1"},     {'P', 'P', "Zapiszkart1"},
            {'P', 'D', "Drukujtablic1"},   {'C', 'I', "Informacjeoprogramie1"},
        };
        for (const auto& [menu, letter, item] : rows)
            QTest::addRow("Alt+%c %c", menu, letter) << menu << letter << QString::fromLatin1(item);
    }

    void menuLetters()
    {
        QFETCH(char, menu);
        QFETCH(char, letter);
        QFETCH(QString, item);
        MainWindow w;
        w.window.Drukujkart1->setEnabled(true);
        w.window.Zapiszkart1->setEnabled(true);
        w.window.show();
        QVERIFY(WindowInput::Activate(&w.window));
        TMenuItem* wanted = w.window.MainMenu1->FindItem(item);
        QVERIFY(wanted);
        QSignalSpy triggered(wanted, &QAction::triggered);
        WindowInput::Key(&w.window, Qt::Key(menu), Qt::AltModifier);
        QWidget* dropDown = w.window.suiForm1->MenuBar()->OpenDropDown();
        QVERIFY(dropDown && dropDown->isVisible());
        WindowInput::Key(dropDown, Qt::Key(letter));
        QCOMPARE(triggered.count(), 1);
        // letters apart in every menu
        for (const TMenuItem* bar : w.window.MainMenu1->Items()) {
            QStringList marked, first;
            for (const TMenuItem* action : bar->Items()) {
                if (action->IsSeparator())
                    continue;
                const QKeySequence key = QKeySequence::mnemonic(action->Caption());
                (key.isEmpty() ? first : marked) << (key.isEmpty() ? action->Caption().left(1).toUpper() : key.toString().right(1));
            }
            for (const QString& key : marked)
                QVERIFY2(marked.count(key) == 1 && !first.contains(key), qPrintable(bar->Caption() + QLatin1Char(' ') + key));
        }
    }

    void labelsStandInTheirPlaces()
    {
        MainWindow w;
        QCOMPARE(w.window.Label(1)->geometry(), QRect(32, 104, 32, 13));
        QCOMPARE(w.window.Label(12)->geometry(), QRect(384, 224, 32, 13));
        QCOMPARE(w.window.Label(13)->geometry(), QRect(416, 144, 32, 13));
        QCOMPARE(w.window.Label(22)->Caption(), QString("3"));
        QCOMPARE(w.window.Label(21)->geometry(), QRect(0, 256, 24, 13));
        QCOMPARE(w.window.Label(26)->Caption(), QString("Lantanowce"));
        QCOMPARE(w.window.Label(27)->geometry(), QRect(16, 464, 104, 13));
        QCOMPARE(w.window.Label(27)->Alignment(), Qt::AlignRight);
    }

    void kolorujAddressesOneTileByItsCell()
    {
        MainWindow w;
        const struct { int column, row; const char* symbol; } hits[] = {
            {1, 1, "H"}, {18, 1, "He"}, {4, 8, "La"}, {4, 9, "Ac"}, {10, 7, "Ds"}, {11, 7, "Rg"}};
        TColor color = 0x010203;
        for (const auto& hit : hits) {
            w.window.Koloruj(hit.column, hit.row, ++color);
            QCOMPARE(w.ColorOf(hit.symbol), color);
            QCOMPARE(w.Histogram().value(color), 1);
        }
        const QMap<TColor, int> before = w.Histogram();
        for (const auto& [column, row] : std::initializer_list<std::pair<int, int>>{
                 {3, 6}, {3, 7}, {12, 7}, {18, 7}, {1, 8}, {3, 9}, {2, 1}, {0, 1}, {19, 1}, {1, 0}, {1, 10}, {-1, -1}, {-5, 3}})
            w.window.Koloruj(column, row, 0x123456);
        QCOMPARE(w.Histogram(), before);
        w.window.Koloruj(1, 1, 0x111111);
        w.window.Koloruj(1, 1, clWindowText);
        QCOMPARE(w.ColorOf("H"), clWindowText);
        w.window.Wyczysc_tablice();
        QCOMPARE(w.Histogram(), (QMap<TColor, int>{{Face, 111}}));
    }

    void metalsAndNonMetals()
    {
        MainWindow w;
        w.window.Grupypierwiastkw1->trigger();
        QCOMPARE(w.Histogram(), (QMap<TColor, int>{{0xE97501, 86}, {0x53D771, 18}, {0x45C4FA, 7}}));
        QCOMPARE(w.ColorOf("Po"), TColor(0x45C4FA));
        QCOMPARE(w.ColorOf("At"), TColor(0x53D771));
        QCOMPARE(w.VisibleLegendEntries(), 3);
        QCOMPARE(w.window.LKolor(1)->Caption(), QString("Metale"));
        QCOMPARE(w.window.LKolor(3)->Caption(), QString::fromUtf8("Półprzewodniki"));
        QCOMPARE(w.window.PKolor(2)->Color(), TColor(0x53D771));
        QVERIFY(w.window.suiPanel1->isVisibleTo(&w.window));
    }

    void kindsOfMetals()
    {
        MainWindow w;
        w.window.Liczbaatomw1->trigger();
        w.window.Podziametali1->trigger();
        const QMap<TColor, int> counts = w.Histogram();
        QCOMPARE(counts.value(Face), 18);
        QCOMPARE(counts.value(0xD0F18D), 37);
        QCOMPARE(counts.value(0xFD82E8), 15);
        QCOMPARE(counts.value(0xFC3DDB), 15);
        QCOMPARE(counts.value(0x82B0FD), 6);
        QCOMPARE(w.ColorOf("Rg"), TColor(0xD0F18D));
        QCOMPARE(w.ColorOf("Sc"), TColor(0xD0F18D));
        QCOMPARE(w.ColorOf("Bi"), TColor(0xCCB9B0));
        QCOMPARE(w.VisibleLegendEntries(), 5);
        QVERIFY(!w.window.LKolor(6)->isVisibleTo(w.window.suiPanel1));
        QCOMPARE(w.window.LKolor(5)->Caption(), QString("Metaloidy"));
    }

    void kindsOfNonMetalsLeaveNothingOfThePreviousScheme()
    {
        MainWindow w;
        w.window.Grupypierwiastkw1->trigger();
        w.window.Podzianiemetali1->trigger();
        const QMap<TColor, int> counts = w.Histogram();
        QCOMPARE(counts, (QMap<TColor, int>{{Face, 93}, {0x99FFCA, 7}, {0x9AEAFE, 5}, {0xFEDB9A, 6}}));
        QCOMPARE(w.VisibleLegendEntries(), 3);
        for (int entry = 4; entry <= 6; ++entry)
            QVERIFY(!w.window.PKolor(entry)->isVisibleTo(w.window.suiPanel1));
    }

    void atomCountShades()
    {
        MainWindow w;
        w.window.Liczbaatomw1->trigger();
        QCOMPARE(w.ColorOf("H"), RGBToColor(254, 0, 0));
        QCOMPARE(w.ColorOf("Rg"), RGBToColor(144, 0, 0));
        QCOMPARE(w.ColorOf("Lr"), RGBToColor(255 - 103, 0, 0));
        QCOMPARE(w.Histogram().size(), 111);
        QCOMPARE(w.VisibleLegendEntries(), 6);
        QCOMPARE(w.window.LKolor(6)->Caption(), QString::fromUtf8("Liczebność atomów = 109"));
        QCOMPARE(w.window.PKolor(6)->Color(), TColor(0x000092));
    }

    void noColoursClearsAndHidesTheLegend()
    {
        MainWindow w;
        w.window.Liczbaatomw1->trigger();
        w.window.Bezkolorw1->trigger();
        QCOMPARE(w.Histogram(), (QMap<TColor, int>{{Face, 111}}));
        QVERIFY(!w.window.suiPanel1->isVisibleTo(&w.window));
        QCOMPARE(w.VisibleLegendEntries(), 0);
    }

    void exactlyOneItemOfTheGroupIsChecked()
    {
        MainWindow w;
        std::mt19937 random(7);
        const QList<TMenuItem*> schemes = {w.window.Bezkolorw1, w.window.Grupypierwiastkw1, w.window.Podziametali1,
                                           w.window.Podzianiemetali1, w.window.Liczbaatomw1};
        for (int step = 0; step < 40; ++step) {
            TMenuItem* chosen = schemes[int(random() % schemes.size())];
            chosen->trigger();
            int checked = 0;
            for (TMenuItem* item : w.Group())
                checked += item->Checked() ? 1 : 0;
            QCOMPARE(checked, 1);
            QVERIFY(chosen->Checked());
        }
    }

    // Tab from the search into the table and on out of it, the arrows, Enter and Space as a click,
    // a symbol or a number typed to jump; the focus drawn inside the bevels over any colouring, and
    // gone without a trace.
    void theTableFromTheKeyboard()
    {
        MainWindow w;
        QStringList shown;
        w.window.SetCompanionWindows({[&](const TElementRecord& record) { shown << QString::fromLatin1(record.Symbol.Text()); }, {}},
                                     nullptr, nullptr);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(WindowInput::Activate(&w.window));
        w.window.Grupypierwiastkw1->trigger();
        TPlainPanel* hydrogen = w.window.TileOf("H");
        const QImage plain = hydrogen->grab().toImage();
        const auto focused = [] { return qobject_cast<TPlainPanel*>(QApplication::focusWidget()); };
        QVERIFY(!focused());
        int tabs = 0;
        while (!focused() && tabs < 5) {
            WindowInput::Key(&w.window, Qt::Key_Tab);
            ++tabs;
        }
        QCOMPARE(tabs, 2);  // the search box, "Szukaj", then the table
        QCOMPARE(focused(), hydrogen);
        const QImage withFocus = hydrogen->grab().toImage();
        QCOMPARE(hydrogen->Color(), w.ColorOf("H"));
        QVERIFY(withFocus != plain);
        // the dots inside the bevels, black and white by turns, and the tile's colour round them
        QCOMPARE(withFocus.pixelColor(3, 3), QColor(Qt::black));
        QCOMPARE(withFocus.pixelColor(4, 3), QColor(Qt::white));
        QCOMPARE(withFocus.pixel(5, 5), plain.pixel(5, 5));

        const std::pair<Qt::Key, const char*> walk[] = {{Qt::Key_Down, "Li"}, {Qt::Key_Down, "Na"}, {Qt::Key_Right, "Mg"},
                                                        {Qt::Key_Right, "Al"}, {Qt::Key_End, "Ar"}, {Qt::Key_Home, "Na"}};
        for (const auto& [key, symbol] : walk) {
            WindowInput::Key(&w.window, key);
            QCOMPARE(focused()->Caption(), QLatin1String(symbol));
        }
        WindowInput::Key(&w.window, Qt::Key_Return);
        WindowInput::Key(&w.window, Qt::Key_Left);
        WindowInput::Key(&w.window, Qt::Key_Up);
        WindowInput::Key(&w.window, Qt::Key_Up);
        WindowInput::Key(&w.window, Qt::Key_Space);
        QCOMPARE(shown, (QStringList{"Na", "H"}));
        QCOMPARE(focused(), hydrogen);

        const std::pair<const char*, const char*> typed[] = {{"fe", "Fe"}, {"11", "Na"}, {"1", "H"}, {"Cl", "Cl"}, {"Q", "Cl"}};
        for (const auto& [text, symbol] : typed) {
            QTest::qWait(1100);  // a pause ends what was typed before
            WindowInput::Type(&w.window, QString::fromLatin1(text));
            QCOMPARE(focused()->Caption(), QLatin1String(symbol));
        }
        // a click takes the focus along while the table has it
        WindowInput::Click(w.window.TileOf("Ca"));
        QCOMPARE(focused(), w.window.TileOf("Ca"));
        WindowInput::Key(&w.window, Qt::Key_Right);
        QCOMPARE(focused(), w.window.TileOf("Sc"));
        // Tab leaves the table, Shift+Tab comes back to the tile last focused
        WindowInput::Key(&w.window, Qt::Key_Tab);
        QVERIFY(!focused());
        WindowInput::Key(&w.window, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), w.window.TileOf("Sc"));
        // the focus gone, the tile as it was
        WindowInput::Key(&w.window, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(!focused());
        w.window.Bezkolorw1->trigger();
        w.window.Grupypierwiastkw1->trigger();
        QCOMPARE(hydrogen->grab().toImage(), plain);
    }

    void markingTheChosenElement()
    {
        MainWindow w;
        w.window.Zaznacz_pierwiastek(11);
        QCOMPARE(w.ColorOf("Na"), TColor(0x0000C8));
        QCOMPARE(w.Histogram().value(Face), 110);
        w.window.Zaznacz_pierwiastek(26);
        QCOMPARE(w.ColorOf("Na"), Face);
        QCOMPARE(w.ColorOf("Fe"), TColor(0x0000C8));

        w.window.Podziametali1->trigger();
        w.window.Zaznacz_pierwiastek(2);
        QCOMPARE(w.ColorOf("He"), TColor(0x0000C8));
        QCOMPARE(w.ColorOf("Fe"), TColor(0xD0F18D));

        w.window.Liczbaatomw1->trigger();
        w.window.Zaznacz_pierwiastek(11);
        QCOMPARE(w.ColorOf("Na"), Face);
        QCOMPARE(w.Histogram().value(Face), 1);
        QCOMPARE(w.ColorOf("Mg"), RGBToColor(255 - 12, 0, 0));

        // an interactive view leaves the tiles as it painted them
        for (TMenuItem* item : w.Group())
            item->SetChecked(item == w.window.Stanyskupienia1);
        w.window.Koloruj(1, 1, 0x97746C);
        const QMap<TColor, int> painted = w.Histogram();
        w.window.Zaznacz_pierwiastek(1);
        QCOMPARE(w.Histogram(), painted);
        w.window.Zaznacz_pierwiastek(0);
        w.window.Zaznacz_pierwiastek(112);
    }

    void clickingATileMarksItsElement()
    {
        MainWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        WindowInput::Click(w.window.Panel(110), QPoint(10, 10));
        QCOMPARE(w.ColorOf("Ds"), TColor(0x0000C8));
        WindowInput::Click(w.window.Panel(94), QPoint(10, 10));
        QCOMPARE(w.ColorOf("Lu"), TColor(0x0000C8));
        QCOMPARE(w.ColorOf("Ds"), Face);
    }

    void viewsChangeOnlyTheWidth()
    {
        MainWindow w;
        QCOMPARE(w.window.width(), 639);
        w.window.Podziametali1->trigger();
        const QMap<TColor, int> colours = w.Histogram();
        w.window.Rozwi1->trigger();
        QCOMPARE(w.window.width(), 870);
        QVERIFY(w.window.Rozwi1->Checked() && !w.window.Podstawowy1->Checked());
        w.window.Podstawowy1->trigger();
        w.window.Podstawowy1->trigger();
        QCOMPARE(w.window.width(), 639);
        QVERIFY(!w.window.Rozwi1->Checked() && w.window.Podstawowy1->Checked());
        QCOMPARE(w.Histogram(), colours);
        QVERIFY(w.window.Podziametali1->Checked());
    }

    void aSchemeSwitchFlushesTheWindowOnce()
    {
        MainWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCoreApplication::processEvents();
        struct Counter : QObject {
            int flushes = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                flushes += event->type() == QEvent::UpdateRequest ? 1 : 0;
                return false;
            }
        } counter;
        w.window.installEventFilter(&counter);
        w.window.Podziametali1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(counter.flushes, 1);
        counter.flushes = 0;
        w.window.Liczbaatomw1->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(counter.flushes, 1);
    }

    void legendAfterLoading()
    {
        {
            MainWindow w;
            QVERIFY(!w.window.suiPanel1->isVisibleTo(&w.window));
            QCOMPARE(w.window.suiPanel1->geometry(), QRect(120, 64, 281, 137));
            QCOMPARE(w.window.suiPanel1->Caption(), QString::fromUtf8("Legenda kolorów"));
        }
        TestFolder empty;
        ErrorRecorder errors;
        TAGlowne window(empty.Data());
        RunHandler([&] { window.FormCreate(); });
        QCOMPARE(errors.messages, QStringList{"File not found"});
        QVERIFY(window.suiPanel1->isVisibleTo(&window));
        for (int entry = 1; entry <= 6; ++entry)
            QVERIFY(!window.PKolor(entry)->isVisibleTo(window.suiPanel1));
        QCOMPARE(window.width(), 639);
    }

    // "Pierwiastki 112–118" over a folder without their file (an older installation): the item
    // unchecked and disabled, quietly; over a damaged one: told once, the table of 111 as it was,
    // and the item still there to try again.
    void newerElementsWithoutTheirFile()
    {
        TestFolder folder;
        QFile shipped(QStringLiteral(ASSETS_DIR "/dane.dat"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        folder.Write(QStringLiteral("dane.dat"), shipped.readAll());
        QDir().mkpath(folder.Path(QStringLiteral("Zbiory")));
        ErrorRecorder errors;
        TAGlowne window(folder.Data());
        window.FormCreate();
        window.ShowNewerElements(true);
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(!window.Pierwiastki1121181->Checked() && !window.Pierwiastki1121181->isEnabled());
        QCOMPARE(window.Elements().Last(), 111);

        folder.Write(QStringLiteral("Zbiory/pierwiastki-112-118.txt"), "112\tCn\n");
        TAGlowne damaged(folder.Data());
        damaged.FormCreate();
        damaged.ShowNewerElements(true);
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages[0].contains(QStringLiteral("(wiersz 1): liczba kolumn")), qPrintable(errors.messages[0]));
        QVERIFY(!damaged.Pierwiastki1121181->Checked() && damaged.Pierwiastki1121181->isEnabled());
        QVERIFY(!damaged.Panel(112));
        QCOMPARE(damaged.Elements().Last(), 111);
    }
};

QTEST_MAIN(TestTable)
#include "tst_table.moc"
