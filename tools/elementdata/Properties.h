// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementSources.h"

#include <QByteArray>
#include <QList>
#include <QString>

// "Zbiory/wlasciwosci.txt", the figures of the page "Więcej informacji": the atomic weight, density,
// covalent radius and oxidation states of our table properties.tsv; the configuration as settled
// for the shells, with its noble-gas core in brackets; block, group and period from the element's
// cell; and the repository's electronegativity and first ionisation energy (in kJ/mol). States the
// table marks as predicted are followed by " (przewidywane)".
// A gas at 20 °C has its density in g/dm³, every other element in g/cm³. Raises SourceError when
// the table lacks an element or a figure cannot be read.
QByteArray PropertiesFileBytes(const QList<ShippedElement>& elements, const QString& elementsXml,
                               const QString& tablesFolder);

// "Xe 4f14 5d10 6s2" as "[Xe] 4f14 5d10 6s2".
QString BracketedCore(const QString& configuration);
// The block of the element's cell: 's', 'p', 'd' or 'f'.
QChar BlockOf(const ShippedElement& element);
