// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"
#include "ElementRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The elements named after "dane.dat" was fixed at 111 records, copernicium to oganesson, from
// "Zbiory/pierwiastki-112-118.txt": a UTF-8 table read as the figures' file is (TableText.h). Its
// columns: atomic number, symbol, Polish name, Latin name, year of discovery, description file (in
// "Zbiory/", empty for none), the mass number and half-life of the longest-lived known isotope, and
// the sources of the line's figures.

struct NewerElement {
    TElementRecord Record;  // as "dane.dat" would hold it: the cell in period 7, no melting or boiling point
    int MassNumber = 0;
    QString HalfLife;       // as written, with a decimal point: "0.7 ms"
    QString Sources;
};

inline constexpr int FirstNewerElement = 112;
inline constexpr int LastNewerElement = 118;
inline constexpr int NewerElementsColumns = 9;

// Every line checked: its column count, the atomic numbers 112 to 118 each once and nothing else,
// a symbol of one capital and at most two small letters, names a record can hold, a year, a plain
// file name. Raises PropertiesError naming the line.
std::vector<NewerElement> ParseNewerElements(const QByteArray& text, const QString& path);

// The folder's table; none when the file is missing (an older installation). A file that cannot be
// read or is damaged raises PropertiesError.
std::optional<std::vector<NewerElement>> ReadNewerElements(const DataFolder& folder);
