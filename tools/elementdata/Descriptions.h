// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The descriptions of the elements, kept as UTF-8 sources (one file per element, named
// "NNN-Sym.txt") and shipped as Windows-1250 RTF: a bold title line, bold section headings, and
// formulas with their digits set low ("H_2O") and charges high ("Fe^3+").

// The RTF of a description source. Raises SourceError, naming the file, when the source does not
// follow the format: its title is not the element's Polish name, a heading is unknown, out of order
// or missing, a paragraph breaks inside, a character lies outside Windows-1250, or "_" and "^" do
// not mark digits and charges.
QByteArray DescriptionRtf(const QString& source, const QString& polishName, const QString& fileName);
