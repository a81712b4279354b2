// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window, TAGlowne, is one class in several files, one concern each:
//   TAGlowne.cpp    creation, writing the element table back on close, the companion windows, the
//                   menus "Plik", "Widok" and "Pomoc", and showing an element (Infoopire)
//   MainMenu.cpp    building the skinned frame and the menu
//   Tiles.cpp       the tiles and the group and period labels, a tile's click, Koloruj and the
//                   plain table
//   Colouring.cpp   the legend, the colourings of "Kolorowanie", the check marks of colourings and
//                   views, and the mark of the chosen element
//   Views.cpp       the three views of "Interakcje" (atom count, discovery dates, states of matter)
//   Search.cpp      the search box and "Szukaj"
//   TileQuestions.cpp  the practice window's menu item, and the table answering its questions
//   TileKeys.cpp    the table from the keyboard
//   NewerTiles.cpp  "Pierwiastki 112–118": the newer elements taken in and shown, or left out
// The rules the colourings and views paint by, apart from any widget, are in ColouringRules and
// ViewRules; where every tile and label stands is in TableLayout.

#include "Colors.h"
#include "ColouringRules.h"
#include "DataFolder.h"
#include "ElementProperties.h"
#include "ElementTable.h"
#include "NewerElements.h"
#include "TableLayout.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <utility>

class QKeyEvent;
class QTimer;
class TLabel;
class TsuiButton;
class TsuiCheckBox;
class TsuiCustomComboBox;
class TsuiMessageDialog;
class TsuiSpinEdit;
class TsuiTrackBar;
class TMenuItem;
class TPlainPanel;
class TsuiForm;
class TsuiMainMenu;
class TsuiPanel;

// The main window: the periodic table. It owns the element table for the life of the program,
// loading it when it is created and writing it back each time it is closed.
class TAGlowne : public QWidget {
    Q_OBJECT
public:
    static constexpr int BasicWidth = 639;
    static constexpr int ExpandedWidth = 870;
    // The legend's entries, 1 to 7: six as the colourings and views fill them, and a seventh, "brak
    // danych", after a scale's six steps. The panel grows by a row while the seventh shows.
    static constexpr int LegendEntries = 7;
    static constexpr int LegendHeight = 137;
    // The window at its widest, the views' panels open.
    static QSize LargestSize();

    explicit TAGlowne(DataFolder folder);

    // The information window as Infoopire fills it: the record's data, description and pictures,
    // then shown; afterwards the element's shells.
    struct InformationWindow {
        std::function<void(const TElementRecord& record)> Wypelnij;
        std::function<void(const QString& symbol)> Wpisz_powloki;
    };

    // The other windows the menu shows: the information, about and 3D windows.
    void SetCompanionWindows(InformationWindow information, QWidget* about, QWidget* atom3d);
    // Where the tiles' tooltips find the atomic weight; without it they name the element only.
    void SetProperties(PropertiesStore* properties) { properties_ = properties; }
    // What resting the pointer on the element's tile shows: "Sód (Na) — liczba atomowa 11, masa
    // atomowa 22,990".
    QString TileToolTip(const QString& symbol);

    // What the printing items of "Plik" do: the table, or the card of the element last shown, on
    // paper or as a PDF.
    struct PrintActions {
        std::function<void()> PrintTable, SaveTable, PrintCard, SaveCard;
        std::function<void(bool grey)> SetGreyscale;  // "Druk czarno-biały"
    };
    void SetPrinting(PrintActions actions) { printing_ = std::move(actions); }
    // What "Sprawdź się…" does: opens the practice window.
    void SetQuizOpener(std::function<void()> open) { openQuiz_ = std::move(open); }
    // What "Kalkulator chemiczny…" does: opens the calculator's window.
    void SetCalculatorOpener(std::function<void()> open) { openCalculator_ = std::move(open); }
    // What "Tabela rozpuszczalności…" does: opens the solubility table's window.
    void SetSolubilityOpener(std::function<void()> open) { openSolubility_ = std::move(open); }
    // What "Wykres właściwości…" does: opens the chart's window.
    void SetPlotOpener(std::function<void()> open) { openPlot_ = std::move(open); }
    // A question answered on the table: until StopAskingForTile, a tile's click answers it instead
    // of showing the element. A plain table also shows every tile in the neutral colour, no legend
    // and no tooltip naming a tile, whatever the colourings and views go on painting beneath.
    void AskForTile(std::function<void(const QString& symbol)> answer, bool plain);
    void StopAskingForTile();
    // Where the tiles stand on the screen.
    QRect TilesOnScreen() const;

    // Creation handler: the basic view's width, the element table, no legend.
    void FormCreate();
    // Close handler: writes the table back; a failure is reported and the file stays as it was (the
    // window closes all the same). A table that failed to load is not written: its file stays as it
    // was, and the next start reports the problem again.
    void FormClose();

    // Menu handlers.
    void Zamknij1Click(QObject* sender);
    void Podstawowy1Click(QObject* sender);
    void Rozwi1Click(QObject* sender);
    void Wizualizacja3D1Click(QObject* sender);
    void Bezkolorw1Click(QObject* sender);
    void Grupypierwiastkw1Click(QObject* sender);
    void Podziametali1Click(QObject* sender);
    void Podzianiemetali1Click(QObject* sender);
    void Liczbaatomw1Click(QObject* sender);
    void Informacjeoprogramie1Click(QObject* sender);
    void Sprawdsi1Click(QObject* sender);

    // The three views of the menu "Interakcje": each opens or closes its panel; the sliders' and the
    // spin edit's change handlers repaint the table; the timers step the animations while the check
    // boxes are checked.
    void Liczbaatomw2Click(QObject* sender);
    void Datyodkry1Click(QObject* sender);
    void Stanyskupienia1Click(QObject* sender);
    // A text that is no whole number is reported as "'%s' is not a valid integer value" and
    // changes nothing.
    void suiSpinEdit1Change(QObject* sender);
    void suiTrackBar1Change(QObject* sender);
    void suiTrackBar2Change(QObject* sender);
    void suiTrackBar3Change(QObject* sender);
    void suiCheckBox1Click(QObject* sender);
    void suiCheckBox2Click(QObject* sender);
    void suiCheckBox3Click(QObject* sender);
    void Timer1Timer(QObject* sender);
    void Timer2Timer(QObject* sender);
    void Timer3Timer(QObject* sender);

    // The search: the combo box's text as typed (without a completion's proposal not accepted),
    // trimmed and with its first letter capitalised, compared byte for byte with every record's
    // Polish name, symbol and Latin name; when it names nothing, the text the completion proposes;
    // each match shows the element, the last one is marked; no match (an empty text included) is
    // reported in the dialog.
    void suiButton1Click(QObject* sender);
    // Enter in the combo box searches, as "Szukaj" does.
    void suiComboBox1KeyPress(QObject* sender, QChar key);

    // The tiles' click handler: shows the element of the tile's caption.
    void PanelClick(TPlainPanel* sender);

    // Colours the tile of a cell; cells without a tile are ignored.
    void Koloruj(int column, int row, TColor color);
    // Every cell of the grid back to the neutral colour.
    void Wyczysc_tablice();
    void Ukryj_legende();
    // The three views' timers off and their check boxes unchecked.
    void Zatrzymaj_animacje_tablicy();
    // Checks the colouring's item (clearing the others of the group), then paints the table
    // and fills the legend as the colouring's rules say.
    void Koloruj_tablice(Colouring colouring);
    // Repaints the active colouring and marks the element (an index into the element table).
    void Zaznacz_pierwiastek(int element);
    // Shows the element of the symbol in the information window and marks its tile. A symbol no
    // record carries (only with a damaged "dane.dat") is reported and nothing is shown.
    void Infoopire(const QString& symbol);

    // The colouring by a figure whose item is checked; none under any other colouring or view.
    std::optional<Colouring> ScaleShown() const;
    // The element's figure the colouring paints by; none without one.
    std::optional<double> FigureOf(Colouring colouring, const TElementRecord& record, bool quietly = false) const;

    // "Pierwiastki 112–118": copernicium to oganesson taken in with their tiles, or the table of
    // "dane.dat" alone as it was. Their file is read when they are first shown; without it (an older
    // installation) the item is unchecked and disabled, and a damaged one is reported and leaves it
    // unchecked.
    void ShowNewerElements(bool shown);
    bool NewerElementsShown() const { return ElementTable_.Last() > ElementTable::FileCount; }
    // Told when the learner changes it from the menu, to remember it.
    std::function<void(bool shown)> OnNewerElementsChange;
    // The newer element of the symbol as its file gives it, or none (or while they are not shown).
    const NewerElement* Newer(const QString& symbol) const;
    // The cells of the tiles shown, in number order.
    std::span<const TileCell> ShownCells() const;

    const ElementTable& Elements() const { return ElementTable_; }
    const DataFolder& Folder() const { return folder_; }

    TPlainPanel* Panel(int number) const { return panels_[std::size_t(number)]; }
    // The tile of the symbol, or none.
    TPlainPanel* TileOf(const QString& symbol) const;
    // The tile Tab reaches in the table: the last one with the focus, H at first.
    TPlainPanel* CurrentTile() const { return currentTile_; }
    TLabel* Label(int number) const { return labels_[std::size_t(number)]; }
    TPlainPanel* PKolor(int entry) const { return swatches_[std::size_t(entry)]; }
    TLabel* LKolor(int entry) const { return legendLabels_[std::size_t(entry)]; }

    TsuiForm* suiForm1;
    TsuiMainMenu* MainMenu1;
    TMenuItem *Plik1, *Drukujtablic1, *Zapisztablicjako1, *Drukczarnobiay1, *Drukujkart1, *Zapiszkart1, *N5, *Zamknij1;
    TMenuItem *Widok1, *Podstawowy1, *Rozwi1, *N2, *Wizualizacja3D1, *N6, *Pierwiastki1121181;
    TMenuItem *Kolorowanie1, *Bezkolorw1, *Grupypierwiastkw1, *Podziametali1, *Podzianiemetali1, *N1, *Liczbaatomw1;
    // the colourings by a figure, after a separator of their own
    TMenuItem *N4, *Masaatomowa1, *Elektroujemno1, *Gsto1, *Promieatomowy1, *Energiajonizacji1,
        *Temperaturatopnienia1;
    TMenuItem *Interakcje1, *Liczbaatomw2, *Datyodkry1, *Stanyskupienia1, *N3, *Sprawdsi1, *Kalkulatorchemiczny1, *Tabelarozpuszczalnoci1, *Wykreswaciwoci1;
    TMenuItem *Pomoc1, *Informacjeoprogramie1;
    TsuiPanel* suiPanel1;  // the colour legend
    TsuiPanel *suiPanel2, *suiPanel3, *suiPanel4;  // the views "Liczba atomów", "Daty odkryć", "Stany skupienia"
    TLabel *Label28, *Label29, *Label30, *Label31, *Label32;
    TsuiSpinEdit* suiSpinEdit1;
    TsuiTrackBar *suiTrackBar1, *suiTrackBar2, *suiTrackBar3;
    TsuiCheckBox *suiCheckBox1, *suiCheckBox2, *suiCheckBox3;
    QTimer *Timer1, *Timer2, *Timer3;
    TsuiCustomComboBox* suiComboBox1;
    TsuiButton* suiButton1;
    TsuiMessageDialog* suiMessageDialog1;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFrameAndMenu();
    void BuildTable();
    void BuildTile(const TileCell& cell);
    // The names of the tiles from the atomic number on, as a screen reader says them: "Sód, Na,
    // liczba atomowa 11".
    void NameTiles(int first);
    // What depends on the last element shown: the views' ranges, the search's list, the painting.
    void FitToElementsShown();
    // The search's list: the Polish names of the elements shown.
    void ListNamesShown();
    void BuildLegend();
    void BuildViews();
    void BuildSearch();
    // The indexes of the records whose Polish name, symbol or Latin name is the text, one for each
    // field that matches, in the order of the table and the fields.
    QList<int> Matches(const QString& text) const;
    // Checks the item of the group of colourings and views, clearing the others.
    void CheckInGroup(TMenuItem* own);
    // Shows entries 1 to k of the legend with their colours and texts, and the legend.
    void FillLegend(const std::vector<LegendEntry>& legend, const QString& caption = QStringLiteral("Legenda kolorów"));
    // The legend hidden and filled again, as one step.
    // The tile Tab reaches, made so without the focus; and with it.
    void MakeTileCurrent(TPlainPanel* tile);
    void FocusTile(TPlainPanel* tile);
    // A key on the focused tile; false for keys the table leaves to others.
    bool TileKey(TPlainPanel* tile, QKeyEvent* key);
    // The tile of a symbol typed in any case, or of an atomic number; none when it names nothing.
    TPlainPanel* TileTypedTo(const QString& text);
    // The legend panel shown or hidden as the colourings and views want it, hidden while the table
    // is plain for a question.
    void ShowLegend(bool shown);
    void ReplaceLegend(const std::vector<LegendEntry>& legend, const QString& caption = QStringLiteral("Legenda kolorów"));
    void FitLegendToEntries();
    // The colouring by a figure: the tiles on its scale, their text in black or white, the legend.
    void ColourByFigure(Colouring colouring);
    // What the tile's colour says in the active colouring or view, as a reader adds it to the
    // tile's name ("gaz szlachetny", "ciało stałe", "elektroujemność 3,44"); and the reader told
    // that it changed, for the tile with the focus.
    QString TileMeaning(const TPlainPanel* tile) const;
    void TellTileMeaning();
    // One of the three views of the menu "Interakcje": its menu item, panel, slider, animation
    // check box and timer, its legend, and what it shows for a position of its slider.
    struct View {
        TMenuItem* Item = nullptr;
        TsuiPanel* Panel = nullptr;
        TsuiTrackBar* Slider = nullptr;
        TsuiCheckBox* Animation = nullptr;
        QTimer* Timer = nullptr;
        std::vector<LegendEntry> Legend;
        std::function<void(int position)> Show;
        bool StopsTableAnimation = true;  // the states view stops only its own animation
    };
    void DescribeViews();
    // The menu item of a view: the expanded window with the item checked; an open panel is closed
    // with its timer; otherwise the panel is shown with its legend, every other view hidden and its
    // timer off, the tiles plain.
    void ToggleView(const View& view);
    // The timer runs exactly while the view's check box is checked.
    void SwitchAnimation(const View& view);
    // What the view shows for its slider's new position.
    void SliderMoved(const View& view);
    // The tiles plain, then painted.
    void ShowPaints(const std::vector<TilePaint>& paints);
    // The colourings with their menu items, in the order the check marks are read.
    std::array<std::pair<Colouring, TMenuItem*>, 11> ColouringItems() const;

    DataFolder folder_;
    ElementTable ElementTable_;
    PropertiesStore* properties_ = nullptr;
    bool loaded_ = false;
    std::array<TPlainPanel*, TileCount + 1> panels_{};
    std::optional<std::vector<NewerElement>> newer_;  // read when first shown
    std::array<TLabel*, 28> labels_{};
    std::array<TPlainPanel*, LegendEntries + 1> swatches_{};
    std::array<TLabel*, LegendEntries + 1> legendLabels_{};
    InformationWindow information_;
    QWidget* about_ = nullptr;
    QWidget* atom3d_ = nullptr;
    std::array<View, 3> views_;
    bool legendWanted_ = false;
    std::function<void()> openQuiz_;
    std::function<void()> openCalculator_;
    std::function<void()> openSolubility_;
    std::function<void()> openPlot_;
    PrintActions printing_;
    std::function<void(const QString& symbol)> tileAnswer_;
    bool plainForQuestion_ = false;
    TPlainPanel* currentTile_ = nullptr;
    QString typed_;  // the letters or digits typed on the table within the last second
    QElapsedTimer typedAt_;
};
