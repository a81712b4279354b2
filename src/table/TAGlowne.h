#pragma once

#include "DataFolder.h"
#include "ElementTable.h"

#include <QWidget>

class TMenuItem;
class TsuiForm;
class TsuiMainMenu;

// The main window: the periodic table. It owns the element table for the life of the program,
// loading it when it is created and writing it back each time it is closed.
class TAGlowne : public QWidget {
    Q_OBJECT
public:
    static constexpr int BasicWidth = 639;

    explicit TAGlowne(DataFolder folder);

    // The other windows the menu shows: the information, about and 3D windows.
    void SetCompanionWindows(QWidget* information, QWidget* about, QWidget* atom3d);

    // Creation handler: the basic view's width, then the element table.
    void FormCreate();
    // Close handler: writes the table back; a failure keeps the window open.
    void FormClose();

    void Zamknij1Click(QObject* sender);
    void Wizualizacja3D1Click(QObject* sender);
    void Informacjeoprogramie1Click(QObject* sender);

    const ElementTable& Elements() const { return ElementTable_; }
    const DataFolder& Folder() const { return folder_; }

    TsuiForm* suiForm1;
    TsuiMainMenu* MainMenu1;
    TMenuItem *Plik1, *Zamknij1;
    TMenuItem *Widok1, *Podstawowy1, *Rozwi1, *N2, *Wizualizacja3D1;
    TMenuItem *Kolorowanie1, *Bezkolorw1, *Grupypierwiastkw1, *Podziametali1, *Podzianiemetali1, *N1, *Liczbaatomw1;
    TMenuItem *Interakcje1, *Liczbaatomw2, *Datyodkry1, *Stanyskupienia1;
    TMenuItem *Pomoc1, *Informacjeoprogramie1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFrameAndMenu();

    DataFolder folder_;
    ElementTable ElementTable_;
    QWidget* information_ = nullptr;
    QWidget* about_ = nullptr;
    QWidget* atom3d_ = nullptr;
};
