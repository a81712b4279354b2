// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"

class TAGlowne;
class TInformacje;
class TInfooProgz;
class TOknoA3D;
class TSprawdzSie;
class TKalkulator;
class TTabelaRozpuszczalnosci;
class TWykresWlasciwosci;
class Printing;

// The program's four windows, each created once and living until the program ends.
extern TAGlowne* AGlowne;
extern TInformacje* Informacje;
extern TInfooProgz* InfooProgz;
extern TOknoA3D* OknoA3D;
// The practice window, made when "Sprawdź się…" first asks for it.
extern TSprawdzSie* SprawdzSie;
extern TKalkulator* Kalkulator;  // made when first opened
extern TTabelaRozpuszczalnosci* TabelaRozpuszczalnosci;  // made when first opened
extern TWykresWlasciwosci* WykresWlasciwosci;  // made when first opened

// What the printing items of "Plik" do, made with the windows.
Printing* Printer();

// Creates the windows in their order (main, information, about, 3D), each reference set before its
// creation handler runs, and wires them together. Only the main window is shown.
void CreateWindows(const DataFolder& folder);
void DestroyWindows();
