// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"
#include "ElementTable.h"

// Loads "dane.dat" into the table: records 1, 2, ... in file order, at most 111; a trailing
// incomplete record is ignored. A file without one whole record raises "Read beyond end of file";
// on any failure the records read before it stay and the rest keep their previous (zero) content.
void Wczytaj_tablice(ElementTable& table, const DataFolder& folder);

// Writes records 1 to 111 to "dane.dat". A file that already holds exactly these 42,624 bytes is
// left untouched (so the program closes cleanly where its folder cannot be written); otherwise the
// file is replaced atomically, and on failure the old file stays as it was. Either way, temporary
// files an interrupted save left behind are removed first.
void Zapisz_tablice(const ElementTable& table, const DataFolder& folder);
