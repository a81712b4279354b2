#include "TAGlowne.h"

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
    look.FontName = QStringLiteral("MS Sans Serif");
    look.FontSize = 8;
    look.UseSystemFont = true;

    const auto item = [](TMenuItem* parent, const QString& caption, const QString& name) {
        return parent->Add(new TMenuItem(caption, name));
    };
    Plik1 = MainMenu1->Add(new TMenuItem(QStringLiteral("Plik"), QStringLiteral("Plik1")));
    Zamknij1 = item(Plik1, QStringLiteral("Zamknij"), QStringLiteral("Zamknij1"));
    Widok1 = MainMenu1->Add(new TMenuItem(QStringLiteral("Widok"), QStringLiteral("Widok1")));
    Podstawowy1 = item(Widok1, QStringLiteral("Podstawowy"), QStringLiteral("Podstawowy1"));
    Rozwi1 = item(Widok1, QStringLiteral("Rozwiń"), QStringLiteral("Rozwi1"));
    N2 = item(Widok1, QStringLiteral("-"), QStringLiteral("N2"));
    Wizualizacja3D1 = item(Widok1, QStringLiteral("Wizualizacja 3D"), QStringLiteral("Wizualizacja3D1"));
    Kolorowanie1 = MainMenu1->Add(new TMenuItem(QStringLiteral("Kolorowanie"), QStringLiteral("Kolorowanie1")));
    Bezkolorw1 = item(Kolorowanie1, QStringLiteral("Bez kolorów"), QStringLiteral("Bezkolorw1"));
    Grupypierwiastkw1 = item(Kolorowanie1, QStringLiteral("Metale i niemetale"), QStringLiteral("Grupypierwiastkw1"));
    Podziametali1 = item(Kolorowanie1, QStringLiteral("Podział metali"), QStringLiteral("Podziametali1"));
    Podzianiemetali1 = item(Kolorowanie1, QStringLiteral("Podział niemetali"), QStringLiteral("Podzianiemetali1"));
    N1 = item(Kolorowanie1, QStringLiteral("-"), QStringLiteral("N1"));
    Liczbaatomw1 = item(Kolorowanie1, QStringLiteral("Liczba atomów"), QStringLiteral("Liczbaatomw1"));
    Interakcje1 = MainMenu1->Add(new TMenuItem(QStringLiteral("Interakcje"), QStringLiteral("Interakcje1")));
    Liczbaatomw2 = item(Interakcje1, QStringLiteral("Liczba atomów"), QStringLiteral("Liczbaatomw2"));
    Datyodkry1 = item(Interakcje1, QStringLiteral("Daty odkryć"), QStringLiteral("Datyodkry1"));
    Stanyskupienia1 = item(Interakcje1, QStringLiteral("Stany skupienia"), QStringLiteral("Stanyskupienia1"));
    Pomoc1 = MainMenu1->Add(new TMenuItem(QStringLiteral("Pomoc"), QStringLiteral("Pomoc1")));
    Informacjeoprogramie1 = item(Pomoc1, QStringLiteral("Informacje o programie"), QStringLiteral("Informacjeoprogramie1"));

    Podstawowy1->SetChecked(true);
    Bezkolorw1->SetChecked(true);

    const auto handle = [this](TMenuItem* item, void (TAGlowne::*handler)(QObject*)) {
        item->OnClick = [this, handler](QObject* sender) { (this->*handler)(sender); };
    };
    handle(Zamknij1, &TAGlowne::Zamknij1Click);
    handle(Podstawowy1, &TAGlowne::Podstawowy1Click);
    handle(Rozwi1, &TAGlowne::Rozwi1Click);
    handle(Wizualizacja3D1, &TAGlowne::Wizualizacja3D1Click);
    handle(Bezkolorw1, &TAGlowne::Bezkolorw1Click);
    handle(Grupypierwiastkw1, &TAGlowne::Grupypierwiastkw1Click);
    handle(Podziametali1, &TAGlowne::Podziametali1Click);
    handle(Podzianiemetali1, &TAGlowne::Podzianiemetali1Click);
    handle(Liczbaatomw1, &TAGlowne::Liczbaatomw1Click);
    handle(Informacjeoprogramie1, &TAGlowne::Informacjeoprogramie1Click);

    MainMenu1->AttachToWindow();
    suiForm1->SetMenuBarHeight(22);
    suiForm1->SetMenuBarColor(0xE8E8E8);
}
