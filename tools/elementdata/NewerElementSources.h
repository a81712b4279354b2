// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementSources.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The elements 112 to 118 from our table newer-elements.tsv: what the program ships of them beside
// "dane.dat", which keeps its 111 records.
struct NewerElementSource {
    ShippedElement Element;   // its cell, names, year, predicted configuration and shells
    int MassNumber = 0;
    QString HalfLife;
    QString OxidationStates;  // predicted
    QString Sources;
};

// The seven rows, each checked: the atomic numbers 112 to 118 in order, names a record holds,
// shells adding up to the atomic number. The cores of the configurations are taken from the
// elements of "dane.dat". Raises SourceError.
QList<NewerElementSource> ReadNewerElementSources(const QString& tablesFolder, const QList<ShippedElement>& fileElements);

// "Zbiory/pierwiastki-112-118.txt" as the program reads it.
QByteArray NewerElementsFileBytes(const QList<NewerElementSource>& elements);
// Their lines of "Zbiory/wlasciwosci.txt": no measured figure, the predictions marked.
QByteArray NewerPropertiesLines(const QList<NewerElementSource>& elements);
