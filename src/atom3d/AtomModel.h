// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// The electrons of each shell of a configuration text ("+2+8+1"), innermost first, as the atom is
// drawn. The file promises a positive decimal count per shell; anything else (an empty, zero,
// negative or non-numeric count, or one with blanks) gives a shell with its orbit and no electrons.
// Counts above MaxElectronsPerShell are drawn as that many, and shells past MaxShells are not
// drawn, so a damaged file can neither divide by zero nor stall the drawing.
QList<int> ShellElectronCounts(const QByteArray& configuration);

constexpr int MaxElectronsPerShell = 200;
constexpr int MaxShells = 16;
