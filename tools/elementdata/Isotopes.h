// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

struct ShippedElement;

// An isotope found in nature, as our isotope table gives it.
struct NaturalIsotope {
    int MassNumber = 0;
    double Abundance = 0.0;  // per cent of the element's atoms
    int Decimals = 0;        // the decimals the abundance is given to
    QString HalfLife;        // years, "3.76e10", when its decay has been observed; empty otherwise

    bool Radioactive() const { return !HalfLife.isEmpty(); }
};

// The isotopes of natural abundance of every element that has any, by symbol, from our table
// (symbol, mass number, abundance, half-life or "-", note). Raises SourceError on a row it cannot
// read, on mass numbers out of order, or when an element's abundances do not add up to 100 % within
// 0.05 %.
QMap<QString, QList<NaturalIsotope>> ReadNaturalIsotopes(const QString& isotopesTsv);

// The isotopes the repository gives a natural abundance, by symbol: only their mass numbers, to
// check our table against.
QMap<QString, QList<int>> RepositoryNaturalIsotopes(const QString& isotopesXml);

// The page "Stabilne izotopy": a bar per isotope, its mass number and its abundance in per cent,
// radioactive ones marked with their half-life, the element's name and symbol in the title.
QImage IsotopePicture(const ShippedElement& element, const QList<NaturalIsotope>& isotopes);
// What the picture shows, in words a screen reader reads: "Żelazo (Fe) – izotopy w przyrodzie:
// Fe-54 5,845 %, Fe-56 91,754 %, …", a radioactive isotope with its half-life.
QString IsotopeText(const ShippedElement& element, const QList<NaturalIsotope>& isotopes);
