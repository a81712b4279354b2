// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: building the skinned frame and the menu.
#include "TAGlowne.h"

#include "PropertyScales.h"

#include "Form.h"
#include "Menu.h"

// The main window's skinned frame and its menu, with the settings the window is designed with.
void TAGlowne::BuildFrameAndMenu()
{
    // the skinned frame's own look is the program's: DeepBlue, a black border, a light grey surface,
    // the title in bold white Tahoma, no application icon, no rounded corners
    suiForm1 = new TsuiForm(this);
    suiForm1->SetTitleBarButtons({TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose, TsuiTitleBarBtnType::suiMin});

    MainMenu1 = new TsuiMainMenu(this);
    MenuLook& look = MainMenu1->Look();
    MainMenu1->SetUIStyle(TsuiUIStyle::DeepBlue);
    look.MenuItemHeight = 21;
    look.SeparatorHeight = 5;
    look.BarWidth = 26;
    look.BarColor = 0xCED3D6;
    look.Color = clWhite;
    look.SeparatorColor = 0x848284;
    look.SelectedBorderColor = 0xA04A44;
    look.SelectedColor = 0xA04A44;
    look.SelectedFontColor = clWhite;
    look.FontColor = clBlack;
    look.BorderColor = clBlack;
    look.FlatMenu = false;
    look.FontName = SansSerifFamily;
    look.FontSize = 8;
    look.UseSystemFont = true;

    // each item with its handler, in the menu's order; the items first designed answer to their
    // first letters, and each one added since, with "Pomoc", to a letter of its own, underlined
    const auto add = [this](auto* parent, const char* caption, const char* name, void (TAGlowne::*handler)(QObject*) = nullptr) {
        TMenuItem* item = parent->Add(new TMenuItem(QString::fromUtf8(caption), QString::fromLatin1(name)));
        if (handler)
            item->OnClick = [this, handler](QObject* sender) { (this->*handler)(sender); };
        return item;
    };
    Plik1 = add(MainMenu1, "Plik", "Plik1");
    Drukujtablic1 = add(Plik1, "&Drukuj tablicę…", "Drukujtablic1");
    Zapisztablicjako1 = add(Plik1, "Zapisz &tablicę jako PDF…", "Zapisztablicjako1");
    Drukczarnobiay1 = add(Plik1, "Druk &czarno-biały", "Drukczarnobiay1");
    Drukujkart1 = add(Plik1, "Drukuj &kartę pierwiastka…", "Drukujkart1");
    Zapiszkart1 = add(Plik1, "Zapisz kartę &pierwiastka jako PDF…", "Zapiszkart1");
    N5 = add(Plik1, "-", "N5");
    Zamknij1 = add(Plik1, "Zamknij", "Zamknij1", &TAGlowne::Zamknij1Click);
    for (auto [item, action] : {std::pair(Drukujtablic1, &PrintActions::PrintTable), std::pair(Zapisztablicjako1, &PrintActions::SaveTable),
                                std::pair(Drukujkart1, &PrintActions::PrintCard), std::pair(Zapiszkart1, &PrintActions::SaveCard)})
        item->OnClick = [this, action = action](QObject*) {
            if (printing_.*action)
                (printing_.*action)();
        };
    Drukczarnobiay1->OnClick = [this](QObject*) {
        if (printing_.SetGreyscale)
            printing_.SetGreyscale(!Drukczarnobiay1->Checked());
    };
    // a card is of the element last shown
    Drukujkart1->setEnabled(false);
    Zapiszkart1->setEnabled(false);
    Widok1 = add(MainMenu1, "Widok", "Widok1");
    Podstawowy1 = add(Widok1, "Podstawowy", "Podstawowy1", &TAGlowne::Podstawowy1Click);
    Rozwi1 = add(Widok1, "Rozwiń", "Rozwi1", &TAGlowne::Rozwi1Click);
    N6 = add(Widok1, "-", "N6");
    Pierwiastki1121181 = add(Widok1, "P&ierwiastki 112–118", "Pierwiastki1121181");
    Pierwiastki1121181->OnClick = [this](QObject*) {
        ShowNewerElements(!Pierwiastki1121181->Checked());
        if (OnNewerElementsChange)
            OnNewerElementsChange(NewerElementsShown());
    };
    N2 = add(Widok1, "-", "N2");
    Wizualizacja3D1 = add(Widok1, "Wizualizacja 3D", "Wizualizacja3D1", &TAGlowne::Wizualizacja3D1Click);
    Kolorowanie1 = add(MainMenu1, "Kolorowanie", "Kolorowanie1");
    Bezkolorw1 = add(Kolorowanie1, "Bez kolorów", "Bezkolorw1", &TAGlowne::Bezkolorw1Click);
    Grupypierwiastkw1 = add(Kolorowanie1, "Metale i niemetale", "Grupypierwiastkw1", &TAGlowne::Grupypierwiastkw1Click);
    Podziametali1 = add(Kolorowanie1, "Podział metali", "Podziametali1", &TAGlowne::Podziametali1Click);
    Podzianiemetali1 = add(Kolorowanie1, "Podział niemetali", "Podzianiemetali1", &TAGlowne::Podzianiemetali1Click);
    N1 = add(Kolorowanie1, "-", "N1");
    Liczbaatomw1 = add(Kolorowanie1, "Liczba atomów", "Liczbaatomw1", &TAGlowne::Liczbaatomw1Click);
    N4 = add(Kolorowanie1, "-", "N4");
    Masaatomowa1 = add(Kolorowanie1, "Masa &atomowa", "Masaatomowa1");
    Elektroujemno1 = add(Kolorowanie1, "&Elektroujemność", "Elektroujemno1");
    Gsto1 = add(Kolorowanie1, "&Gęstość", "Gsto1");
    Promieatomowy1 = add(Kolorowanie1, "P&romień atomowy", "Promieatomowy1");
    Energiajonizacji1 = add(Kolorowanie1, "Energia &jonizacji", "Energiajonizacji1");
    Temperaturatopnienia1 = add(Kolorowanie1, "&Temperatura topnienia", "Temperaturatopnienia1");
    for (const auto& [colouring, item] : ColouringItems())
        if (IsScale(colouring))
            item->OnClick = [this, colouring](QObject*) { Koloruj_tablice(colouring); };
    Interakcje1 = add(MainMenu1, "Interakcje", "Interakcje1");
    Liczbaatomw2 = add(Interakcje1, "Liczba atomów", "Liczbaatomw2", &TAGlowne::Liczbaatomw2Click);
    Datyodkry1 = add(Interakcje1, "Daty odkryć", "Datyodkry1", &TAGlowne::Datyodkry1Click);
    Stanyskupienia1 = add(Interakcje1, "Stany skupienia", "Stanyskupienia1", &TAGlowne::Stanyskupienia1Click);
    N3 = add(Interakcje1, "-", "N3");
    Sprawdsi1 = add(Interakcje1, "Sp&rawdź się…", "Sprawdsi1", &TAGlowne::Sprawdsi1Click);
    Kalkulatorchemiczny1 = add(Interakcje1, "&Kalkulator chemiczny…", "Kalkulatorchemiczny1");
    Kalkulatorchemiczny1->OnClick = [this](QObject*) {
        if (openCalculator_)
            openCalculator_();
    };
    Tabelarozpuszczalnoci1 = add(Interakcje1, "&Tabela rozpuszczalności…", "Tabelarozpuszczalnoci1");
    Tabelarozpuszczalnoci1->OnClick = [this](QObject*) {
        if (openSolubility_)
            openSolubility_();
    };
    Wykreswaciwoci1 = add(Interakcje1, "&Wykres właściwości…", "Wykreswaciwoci1");
    Wykreswaciwoci1->OnClick = [this](QObject*) {
        if (openPlot_)
            openPlot_();
    };
    Pomoc1 = add(MainMenu1, "Pomo&c", "Pomoc1");
    Informacjeoprogramie1 = add(Pomoc1, "Informacje o programie", "Informacjeoprogramie1", &TAGlowne::Informacjeoprogramie1Click);

    Podstawowy1->SetChecked(true);
    Bezkolorw1->SetChecked(true);

    MainMenu1->AttachToWindow();
    suiForm1->SetMenuBarHeight(22);
    suiForm1->SetMenuBarColor(0xE8E8E8);
}
