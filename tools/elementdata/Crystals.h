// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

#include <array>

struct ShippedElement;

// A point or a vector: fractions of the cell's edges, or picometres where a function says so.
using Point3 = std::array<double, 3>;

// The shape of a unit cell: edges in picometres, angles in degrees.
struct CellShape {
    double A = 0.0, B = 0.0, C = 0.0;
    double Alpha = 90.0, Beta = 90.0, Gamma = 90.0;
    int SpaceGroup = 0;
};

// One symmetry operation of a space group: a point x goes to Rotation·x + Shift.
struct SymmetryOperation {
    std::array<std::array<int, 3>, 3> Rotation{};
    Point3 Shift{};
};

struct SpaceGroup {
    int Number = 0;
    QString Symbol;  // Hermann–Mauguin, short form, tokens apart: "F d -3 m", "P 63/m m c"
    QList<SymmetryOperation> Operations;
};

// Bonds drawn between the atoms of a covalent or molecular solid.
struct BondStyle {
    double Length = 0.0;  // picometres; atoms at most this far apart are joined, none when 0
    bool Whole = false;   // the bonded atoms outside the cell are drawn too, so that molecules and
                          // chains show whole
};

// The solid of one element as the picture shows it.
struct Crystal {
    CellShape Cell;
    SpaceGroup Group;
    QString StructureName;     // its common Polish name: "regularna przestrzennie centrowana"
    QList<Point3> Atoms;       // every ball of the cell, each once, in [0, 1) from the point the cell
                               // is drawn from; empty when not drawn
    int AtomsPerCell = 0;      // twice the balls where each ball stands for a diatomic molecule
    BondStyle Bonds;
    double Density = 0.0;      // the handbook's, g/cm³, to check the cell against
    int DensityNuclide = 0;    // for an element without a stable isotope, the mass number of the
                               // one the density was measured on
    bool DensityDiffers = false;  // the table explains why the cell's density differs by more than 1 %
    QString Note;              // printed under the figures, may be empty

    bool BallsAreMolecules() const { return !Atoms.isEmpty() && AtomsPerCell == 2 * Atoms.size(); }
};

// "1/2-x,y+1/2,-z" as an operation. Raises SourceError on anything else.
SymmetryOperation ParseOperation(const QString& text);

// The operations of a space group. Groups with two settings in the file: the rhombohedral axes of
// a trigonal R group when asked for, otherwise the first setting (hexagonal axes, origin choice 1).
SpaceGroup ReadSpaceGroup(const QString& spaceGroupsXml, int number, bool rhombohedralAxes);

// The images of the sites under every operation, brought into the cell, each point once.
QList<Point3> ExpandSites(const QList<SymmetryOperation>& operations, const QList<Point3>& sites);

// The crystals of the repository with our table of structures (names, atom sites, corrected cells,
// atoms per cell, bonds, densities) applied, by symbol. Raises SourceError when the two do not match
// (an element of the repository our table does not settle, or the reverse), when a site, cell or
// figure cannot be read, or when the sites expand to another number of atoms than the table gives.
QMap<QString, Crystal> SettleCrystals(const QString& crystalsXml, const QString& spaceGroupsXml, const QString& crystalsTsv);

// The cell's edge vectors in picometres, a along x and b in the xy plane.
std::array<Point3, 3> CellAxes(const CellShape& cell);
Point3 Cartesian(const std::array<Point3, 3>& axes, const Point3& fractions);

// The cell's volume in cubic picometres.
double CellVolume(const CellShape& cell);

// The shortest distance in picometres between two atoms of the crystal, images in neighbouring
// cells included; 0 when the crystal has no atoms drawn.
double NearestNeighbourDistance(const Crystal& crystal);

// The page "Rysunek": the unit cell in an oblique projection, atoms as shaded balls, and beside it
// the structure's name, crystal system, space group, lattice parameters and number of atoms.
QImage CrystalPicture(const ShippedElement& element, const Crystal& crystal);
// What the picture shows, in words a screen reader reads: the structure, the crystal system, the
// space group, the cell and its atoms.
QString CrystalText(const ShippedElement& element, const Crystal& crystal);
