#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

struct ShippedElement;

// An isotope found in nature, as the repository gives it.
struct NaturalIsotope {
    int MassNumber = 0;
    double Abundance = 0.0;   // per cent of the element's atoms
    bool Radioactive = false; // the repository gives it a half-life
};

// The isotopes of natural abundance of every element that has any, by symbol. Raises SourceError
// when an element's abundances do not add up to 100 % within 0.05 %.
QMap<QString, QList<NaturalIsotope>> ReadNaturalIsotopes(const QString& isotopesXml);

// The page "Stabilne izotopy": a bar per isotope, its mass number and its abundance in per cent,
// radioactive ones marked, the element's name and symbol in the title.
QImage IsotopePicture(const ShippedElement& element, const QList<NaturalIsotope>& isotopes);
