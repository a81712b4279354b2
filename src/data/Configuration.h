// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"

#include <QByteArray>
#include <QList>

#include <limits>
#include <optional>

// The configuration text of the last line of the text whose symbol (the part before the line's
// first space) equals the symbol, or none when no line carries it. Lines end in CR LF, LF or CR;
// an empty text is one empty line.
std::optional<QByteArray> ConfigurationInText(const QByteArray& text, const QByteArray& symbol);

// The same lookup in "Zbiory/!konfielekt.txt", read whole on every call. A missing or unreadable
// file raises EInOutError; one larger than MaxConfigurationBytes (the shipped one is under 2 KB; a
// link to an endless stream would fill the memory) raises EFOpenError ("File too large").
inline constexpr qsizetype MaxConfigurationBytes = 1024 * 1024;
std::optional<QByteArray> FindConfiguration(const DataFolder& folder, const QByteArray& symbol);

// As FindConfiguration, with an empty text when no line carries the symbol.
QByteArray Znajdz_konfiguracje(const DataFolder& folder, const QByteArray& symbol);

// Splits "+2+8+1" into the shell counts "2", "8", "1", one per "+", innermost first, and stops after
// the limit. A text that does not begin with "+" loses its first character to the first shell
// ("2+8" gives "" only). Linear in the text, whatever it holds.
QList<QByteArray> Podziel_powloki(const QByteArray& text, qsizetype limit = std::numeric_limits<qsizetype>::max());
