// SPDX-License-Identifier: GPL-3.0-or-later
#include "Crystals.h"

#include "ElementSources.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

namespace {

constexpr double Tolerance = 1e-4;

QByteArray ReadSource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    return file.readAll();
}

[[noreturn]] void Fault(const QString& what)
{
    throw SourceError(what.toStdString());
}

// "1/3", "0.2636" or "-1/4" as a number.
double ReadFraction(const QString& text, const QString& where)
{
    bool ok = false;
    double value = 0.0;
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() == 1) {
        value = text.toDouble(&ok);
    } else if (parts.size() == 2) {
        bool okDenominator = false;
        const double denominator = parts[1].toDouble(&okDenominator);
        value = parts[0].toDouble(&ok) / denominator;
        ok = ok && okDenominator && denominator > 0.0;
    }
    if (!ok)
        Fault(QStringLiteral("%1: not a number: %2").arg(where, text));
    return value;
}

// A coordinate of a point, in [0, 1).
double IntoCell(double value)
{
    value -= std::floor(value);
    return value > 1.0 - Tolerance ? 0.0 : value;
}

bool SamePoint(const Point3& p, const Point3& q)
{
    for (int i = 0; i < 3; ++i) {
        const double d = std::abs(p[i] - q[i]);
        if (std::min(d, 1.0 - d) > Tolerance)
            return false;
    }
    return true;
}

QList<Point3> ReadSites(const QString& text, const QString& where)
{
    QList<Point3> sites;
    if (text == QLatin1String("-"))
        return sites;
    for (const QString& site : text.split(QLatin1Char(';'))) {
        const QStringList parts = site.simplified().split(QLatin1Char(' '));
        if (parts.size() != 3)
            Fault(QStringLiteral("%1: a site is three fractions: %2").arg(where, site));
        sites.append({ReadFraction(parts[0], where), ReadFraction(parts[1], where), ReadFraction(parts[2], where)});
    }
    return sites;
}

// "229 286.65 286.65 286.65 90 90 90": a space group and the six lattice parameters.
CellShape ReadCell(const QString& text, const QString& where)
{
    const QStringList parts = text.simplified().split(QLatin1Char(' '));
    if (parts.size() != 7)
        Fault(QStringLiteral("%1: a cell is a space group and six parameters: %2").arg(where, text));
    CellShape cell;
    cell.SpaceGroup = int(ReadFraction(parts[0], where));
    double* values[] = {&cell.A, &cell.B, &cell.C, &cell.Alpha, &cell.Beta, &cell.Gamma};
    for (int i = 0; i < 6; ++i)
        *values[i] = ReadFraction(parts[i + 1], where);
    return cell;
}

// "-", "142" (picometres, bonds between the atoms of the cell) or "275 whole".
BondStyle ReadBonds(const QString& text, const QString& where)
{
    BondStyle bonds;
    if (text == QLatin1String("-"))
        return bonds;
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() > 2 || (parts.size() == 2 && parts[1] != QLatin1String("whole")))
        Fault(QStringLiteral("%1: bonds are a length, \"whole\" after it or not: %2").arg(where, text));
    bonds.Length = ReadFraction(parts[0], where);
    bonds.Whole = parts.size() == 2;
    return bonds;
}

QMap<QString, CellShape> ReadRepositoryCells(const QString& crystalsXml)
{
    QMap<QString, CellShape> cells;
    QXmlStreamReader xml(ReadSource(crystalsXml));
    CellShape cell;
    QString symbol;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("crystal")) {
            cell = CellShape();
        } else if (xml.name() == QLatin1String("scalar")) {
            const QString title = xml.attributes().value(QLatin1String("title")).toString();
            const double value = ReadFraction(xml.readElementText().trimmed(), crystalsXml);
            if (title == QLatin1String("a")) cell.A = value;
            else if (title == QLatin1String("b")) cell.B = value;
            else if (title == QLatin1String("c")) cell.C = value;
            else if (title == QLatin1String("alpha")) cell.Alpha = value;
            else if (title == QLatin1String("beta")) cell.Beta = value;
            else if (title == QLatin1String("gamma")) cell.Gamma = value;
        } else if (xml.name() == QLatin1String("symmetry")) {
            cell.SpaceGroup = xml.attributes().value(QLatin1String("spaceGroup")).toInt();
        } else if (xml.name() == QLatin1String("atom")) {
            symbol = xml.attributes().value(QLatin1String("elementType")).toString();
            if (cell.A <= 0.0 || cell.B <= 0.0 || cell.C <= 0.0 || cell.SpaceGroup < 1 || cell.SpaceGroup > 230)
                Fault(QStringLiteral("%1: the crystal of %2 is incomplete").arg(crystalsXml, symbol));
            cells.insert(symbol, cell);
        }
    }
    if (xml.hasError())
        Fault(QStringLiteral("damaged crystal file: %1").arg(xml.errorString()));
    return cells;
}

} // namespace

SymmetryOperation ParseOperation(const QString& text)
{
    static const QRegularExpression term(QStringLiteral("([+-]?)(?:([0-9]+)/([0-9]+)|([xyz]))"));
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        Fault(QStringLiteral("unreadable symmetry operation: %1").arg(text));
    SymmetryOperation operation;
    for (int row = 0; row < 3; ++row) {
        const QString& part = parts[row];
        qsizetype at = 0;
        while (at < part.size()) {
            const QRegularExpressionMatch m = term.match(part, at, QRegularExpression::NormalMatch,
                                                         QRegularExpression::AnchorAtOffsetMatchOption);
            if (!m.hasMatch() || (at > 0 && m.captured(1).isEmpty()))
                Fault(QStringLiteral("unreadable symmetry operation: %1").arg(text));
            const int sign = m.captured(1) == QLatin1String("-") ? -1 : 1;
            if (m.capturedLength(4) > 0) {
                operation.Rotation[row][m.captured(4)[0].unicode() - 'x'] += sign;
            } else {
                const int denominator = m.captured(3).toInt();
                if (denominator == 0)
                    Fault(QStringLiteral("unreadable symmetry operation: %1").arg(text));
                operation.Shift[row] += sign * m.captured(2).toDouble() / denominator;
            }
            at = m.capturedEnd();
        }
        if (part.isEmpty())
            Fault(QStringLiteral("unreadable symmetry operation: %1").arg(text));
    }
    return operation;
}

SpaceGroup ReadSpaceGroup(const QString& spaceGroupsXml, int number, bool rhombohedralAxes)
{
    QXmlStreamReader xml(ReadSource(spaceGroupsXml));
    const QString id = QString::number(number);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("group") || xml.attributes().value(QLatin1String("id")) != id)
            continue;
        const bool rhombohedral = xml.attributes().value(QLatin1String("Hall")).contains(QLatin1Char('*'));
        if (rhombohedral != rhombohedralAxes)
            continue;
        SpaceGroup group;
        group.Number = number;
        const QString shortSymbol = xml.attributes().value(QLatin1String("HMs")).toString();
        group.Symbol = shortSymbol.isEmpty() ? xml.attributes().value(QLatin1String("HM")).toString() : shortSymbol;
        group.Symbol = group.Symbol.section(QLatin1Char(':'), 0, 0);
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("transform"))
                Fault(QStringLiteral("space group %1: unexpected <%2>").arg(number).arg(xml.name()));
            group.Operations.append(ParseOperation(xml.readElementText().trimmed()));
        }
        if (group.Operations.isEmpty())
            Fault(QStringLiteral("space group %1 has no operations").arg(number));
        return group;
    }
    if (xml.hasError())
        Fault(QStringLiteral("damaged space-group file: %1").arg(xml.errorString()));
    Fault(QStringLiteral("space group %1 (%2 axes) is not in %3")
              .arg(number)
              .arg(rhombohedralAxes ? QStringLiteral("rhombohedral") : QStringLiteral("hexagonal or standard"), spaceGroupsXml));
}

QList<Point3> ExpandSites(const QList<SymmetryOperation>& operations, const QList<Point3>& sites)
{
    QList<Point3> atoms;
    for (const Point3& site : sites)
        for (const SymmetryOperation& operation : operations) {
            Point3 image{};
            for (int row = 0; row < 3; ++row) {
                double value = operation.Shift[row];
                for (int column = 0; column < 3; ++column)
                    value += operation.Rotation[row][column] * site[column];
                image[row] = IntoCell(value);
            }
            if (std::none_of(atoms.cbegin(), atoms.cend(), [&](const Point3& p) { return SamePoint(p, image); }))
                atoms.append(image);
        }
    return atoms;
}

QMap<QString, Crystal> SettleCrystals(const QString& crystalsXml, const QString& spaceGroupsXml, const QString& crystalsTsv)
{
    QMap<QString, CellShape> repository = ReadRepositoryCells(crystalsXml);
    QMap<QString, Crystal> crystals;
    const QStringList lines = QString::fromUtf8(ReadSource(crystalsTsv)).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty() || lines[i].startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(crystalsTsv).arg(i + 1);
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        if (cells.size() != 10)
            Fault(where + QStringLiteral(": expected 10 columns"));
        const QString symbol = cells[0];
        if (crystals.contains(symbol))
            Fault(QStringLiteral("%1: %2 is settled twice").arg(where, symbol));
        if (!repository.contains(symbol))
            Fault(QStringLiteral("%1: the repository has no crystal of %2").arg(where, symbol));
        Crystal crystal;
        crystal.Cell = cells[4] == QLatin1String("-") ? repository.take(symbol) : ReadCell(cells[4], where);
        repository.remove(symbol);
        const CellShape& cell = crystal.Cell;
        const bool rhombohedral = std::abs(cell.A - cell.B) < Tolerance && std::abs(cell.A - cell.C) < Tolerance
            && std::abs(cell.Alpha - cell.Beta) < Tolerance && std::abs(cell.Alpha - cell.Gamma) < Tolerance
            && std::abs(cell.Alpha - 90.0) > Tolerance;
        crystal.Group = ReadSpaceGroup(spaceGroupsXml, cell.SpaceGroup, rhombohedral);
        crystal.StructureName = cells[1];
        crystal.Atoms = ExpandSites(crystal.Group.Operations, ReadSites(cells[2], where));
        if (cells[3] != QLatin1String("-")) {
            const QList<Point3> origin = ReadSites(cells[3], where);
            if (origin.size() != 1)
                Fault(where + QStringLiteral(": the drawn cell starts at one point"));
            for (Point3& atom : crystal.Atoms)
                for (int axis = 0; axis < 3; ++axis)
                    atom[axis] = IntoCell(atom[axis] - origin[0][axis]);
        }
        crystal.AtomsPerCell = int(ReadFraction(cells[5], where));
        if (!crystal.Atoms.isEmpty() && crystal.AtomsPerCell != crystal.Atoms.size() && !crystal.BallsAreMolecules())
            Fault(QStringLiteral("%1: the sites expand to %2 atoms, not %3").arg(where).arg(crystal.Atoms.size()).arg(crystal.AtomsPerCell));
        crystal.Bonds = ReadBonds(cells[6], where);
        crystal.Density = ReadFraction(cells[7].section(QLatin1Char(' '), 0, 0), where);
        static const QRegularExpression nuclide(QStringLiteral(" for ([0-9]+)[A-Z][a-z]?$"));
        if (const auto m = nuclide.match(cells[7]); m.hasMatch())
            crystal.DensityNuclide = m.captured(1).toInt();
        crystal.DensityDiffers = cells[7].contains(QLatin1String(" differs: "));
        crystal.Note = cells[8] == QLatin1String("-") ? QString() : cells[8];
        crystals.insert(symbol, crystal);
    }
    if (!repository.isEmpty())
        Fault(QStringLiteral("%1 does not settle the crystals of %2").arg(crystalsTsv, repository.keys().join(QLatin1Char(' '))));
    return crystals;
}

std::array<Point3, 3> CellAxes(const CellShape& cell)
{
    const double rad = M_PI / 180.0;
    const double ca = std::cos(cell.Alpha * rad), cb = std::cos(cell.Beta * rad);
    const double cg = std::cos(cell.Gamma * rad), sg = std::sin(cell.Gamma * rad);
    const double cy = (ca - cb * cg) / sg;
    return {{{cell.A, 0.0, 0.0},
             {cell.B * cg, cell.B * sg, 0.0},
             {cell.C * cb, cell.C * cy, cell.C * std::sqrt(std::max(0.0, 1.0 - cb * cb - cy * cy))}}};
}

Point3 Cartesian(const std::array<Point3, 3>& axes, const Point3& f)
{
    Point3 r{};
    for (int axis = 0; axis < 3; ++axis)
        for (int i = 0; i < 3; ++i)
            r[i] += f[axis] * axes[axis][i];
    return r;
}

double CellVolume(const CellShape& cell)
{
    const auto axes = CellAxes(cell);
    return axes[0][0] * axes[1][1] * axes[2][2];
}

double NearestNeighbourDistance(const Crystal& crystal)
{
    const auto axes = CellAxes(crystal.Cell);
    double nearest = 0.0;
    for (const Point3& p : crystal.Atoms)
        for (const Point3& q : crystal.Atoms)
            for (int i = -1; i <= 1; ++i)
                for (int j = -1; j <= 1; ++j)
                    for (int k = -1; k <= 1; ++k) {
                        const Point3 d = Cartesian(axes, {q[0] + i - p[0], q[1] + j - p[1], q[2] + k - p[2]});
                        const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
                        if (length > 1.0 && (nearest == 0.0 || length < nearest))
                            nearest = length;
                    }
    return nearest;
}
