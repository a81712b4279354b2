// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <stdexcept>

// What the Blue Obelisk repository says of one element.
struct RepositoryElement {
    int AtomicNumber = 0;
    QString Symbol;
    double AtomicMass = 0.0;  // grams per mole
    int DiscoveryYear = 0;  // the repository writes 0 for every element known before modern times
    QString Configuration;  // "Xe 4f14 5d10 6s2": a noble-gas core, then subshells
    QString Electronegativity;  // Pauling's scale, as written; empty where it has none
    QString IonisationEnergy;   // the first, electronvolts, as written
};

// One settled decision of our own table.
struct Correction {
    int AtomicNumber = 0;
    QString Field;   // "year", "melting", "boiling" or "configuration"; every element's melting and
                     // boiling points are settled here, in degrees Celsius from the handbook
    QString Value;
    QString Reason;
};

// The figures of one element as the program ships them.
struct ShippedElement {
    int AtomicNumber = 0;
    QString Symbol;
    QString PolishName;
    QString LatinName;
    int TableRow = 0;
    int TableColumn = 0;
    int DiscoveryYear = 0;
    double MeltingPoint = 0.0;  // degrees Celsius, 0.0 when unknown
    double BoilingPoint = 0.0;
    QList<int> Shells;          // electrons per shell, innermost first
    QString Configuration;      // settled, in the repository's notation: "Xe 4f14 5d10 6s2"
    QString DescriptionFile;    // the files of the pages "Opis", "Stabilne izotopy" and "Rysunek",
    QString IsotopeImage;       // empty where the element has none
    QString DrawingImage;
};

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rows of one of our tab-separated tables, without comment and blank lines. Raises SourceError
// when the file cannot be read or a row has another number of columns.
QList<QStringList> ReadTable(const QString& path, int columns);

// The fields of corrections that settle figures of the page "Więcej informacji": weight, density,
// oxidation, electronegativity, ionisation.
bool IsPropertyField(const QString& field);

QMap<int, RepositoryElement> ReadRepository(const QString& elementsXml);
QList<Correction> ReadCorrections(const QString& correctionsTsv);

// Elements 1 to 111 from the repository, our names and our corrections. Raises SourceError when
// the sources are incomplete or contradict themselves (a name outside Windows-1250, shells that do
// not add up to the atomic number, a correction of a field that does not exist).
QList<ShippedElement> SettleElements(const QString& elementsXml, const QString& tablesFolder);

// The cell of the element's tile: periods 1 to 7 by group, lanthanides row 8, actinides row 9.
void TableCell(int atomicNumber, int& row, int& column);

// Electrons per shell of a configuration such as "Rn 5f14 6d10 7s2", its core taken from the
// element of that symbol among the given ones.
QList<int> ShellsOfConfiguration(const QString& configuration, const QList<ShippedElement>& elements);

// "dane.dat" and "!konfielekt.txt" as the program reads them.
QByteArray TableFileBytes(const QList<ShippedElement>& elements);
QByteArray ConfigurationFileBytes(const QList<ShippedElement>& elements);
