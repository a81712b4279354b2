// SPDX-License-Identifier: GPL-3.0-or-later
#include "Crystals.h"

#include "ElementSources.h"
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

const QColor Quiet(0x60, 0x60, 0x60);
const QColor CellEdge(0x40, 0x40, 0x40);
const QColor BallLight(0xE6, 0xF0, 0xFF);
const QColor BallBody(0x3A, 0x6E, 0xC8);
const QColor BallShade(0x14, 0x2C, 0x5A);
const QColor Stick(0x9A, 0xA8, 0xBC);

constexpr int TextLeft = 300;

// The view: turned about the vertical c direction, then tilted so the top face shows.
constexpr double Turn = -112.0 * M_PI / 180.0;
constexpr double Tilt = 18.0 * M_PI / 180.0;
// a cell more than twice as tall as it is wide is seen from higher up, so that it fills more of the
// picture's height with its length foreshortened
constexpr double TallTilt = 40.0 * M_PI / 180.0;

struct Projected {
    QPointF At;
    double Depth = 0.0;  // greater is farther from the viewer
};

Projected Project(const Point3& p, double tilt)
{
    const double x = p[0] * std::cos(Turn) - p[1] * std::sin(Turn);
    const double y = p[0] * std::sin(Turn) + p[1] * std::cos(Turn);
    return {QPointF(x, -(p[2] * std::cos(tilt) + y * std::sin(tilt))), y * std::cos(tilt) - p[2] * std::sin(tilt)};
}

bool Equal(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

QString SystemName(int spaceGroup)
{
    if (spaceGroup <= 2) return QStringLiteral("trójskośny");
    if (spaceGroup <= 15) return QStringLiteral("jednoskośny");
    if (spaceGroup <= 74) return QStringLiteral("rombowy");
    if (spaceGroup <= 142) return QStringLiteral("tetragonalny");
    if (spaceGroup <= 167) return QStringLiteral("trygonalny");
    if (spaceGroup <= 194) return QStringLiteral("heksagonalny");
    return QStringLiteral("regularny");
}

// "a = b = 320,94 pm, c = 524,08 pm": equal values named together.
QString Parameters(const QStringList& names, const QList<double>& values, const QString& unit)
{
    QStringList parts;
    QList<bool> done(values.size(), false);
    for (int i = 0; i < values.size(); ++i) {
        if (done[i])
            continue;
        QString part = names[i];
        for (int j = i + 1; j < values.size(); ++j)
            if (!done[j] && Equal(values[i], values[j])) {
                part += QStringLiteral(" = ") + names[j];
                done[j] = true;
            }
        parts.append(part + QStringLiteral(" = ") + PolishNumber(values[i], 2) + unit);
    }
    return parts.join(QStringLiteral(", "));
}

// The Hermann–Mauguin symbol as printed: "-3" with a bar over the 3, screw axes "63" as 6 with a
// lowered 3, and the tokens set close. Returns the width drawn.
int DrawGroupSymbol(QPainter& canvas, QPoint baseline, const QString& symbol)
{
    const QFont normal = PictureFont(12), small = PictureFont(9);
    int x = baseline.x();
    for (const QString& token : symbol.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (qsizetype i = 0; i < token.size(); ++i) {
            const QChar c = token[i];
            if (c == QLatin1Char('-') && i + 1 < token.size()) {
                const QString digit(token[++i]);
                canvas.setFont(normal);
                const int width = QFontMetrics(normal).horizontalAdvance(digit);
                canvas.drawText(QPoint(x, baseline.y()), digit);
                canvas.drawLine(x, baseline.y() - 11, x + width - 2, baseline.y() - 11);
                x += width;
            } else if (c.isDigit() && i > 0 && token[i - 1].isDigit() && token[i - 1] != QLatin1Char('-')) {
                canvas.setFont(small);
                canvas.drawText(QPoint(x, baseline.y() + 3), QString(c));
                x += QFontMetrics(small).horizontalAdvance(c);
            } else {
                canvas.setFont(normal);
                canvas.drawText(QPoint(x, baseline.y()), QString(c));
                x += QFontMetrics(normal).horizontalAdvance(c);
            }
        }
    }
    return x - baseline.x();
}

void DrawBall(QPainter& canvas, QPointF centre, double radius)
{
    QRadialGradient shading(centre, radius, centre - QPointF(radius * 0.4, radius * 0.45));
    shading.setColorAt(0.0, BallLight);
    shading.setColorAt(0.55, BallBody);
    shading.setColorAt(1.0, BallShade);
    canvas.setPen(QPen(BallShade, 0.8));
    canvas.setBrush(shading);
    canvas.drawEllipse(centre, radius, radius);
}

// Every atom the drawing shows: those of the cell and their images on the far faces, edges and
// corners, so that a corner atom shows at all eight corners.
QList<Point3> AtomsToDraw(const QList<Point3>& atoms)
{
    QList<Point3> shown;
    for (const Point3& atom : atoms)
        for (int mask = 0; mask < 8; ++mask) {
            Point3 image = atom;
            bool onFace = true;
            for (int axis = 0; axis < 3; ++axis)
                if (mask & (1 << axis)) {
                    onFace = onFace && atom[axis] < 1e-4;
                    image[axis] += 1.0;
                }
            if (onFace)
                shown.append(image);
        }
    return shown;
}

double Distance(const Point3& p, const Point3& q)
{
    return std::sqrt((p[0] - q[0]) * (p[0] - q[0]) + (p[1] - q[1]) * (p[1] - q[1]) + (p[2] - q[2]) * (p[2] - q[2]));
}

// The balls and sticks of a drawing, in picometres.
struct Scene {
    QList<Point3> Balls;
    QList<std::pair<int, int>> Bonds;
};

Scene BuildScene(const Crystal& crystal, const std::array<Point3, 3>& axes)
{
    Scene scene;
    for (const Point3& atom : AtomsToDraw(crystal.Atoms))
        scene.Balls.append(Cartesian(axes, atom));
    const double length = crystal.Bonds.Length;
    if (length <= 0.0)
        return scene;
    const auto indexOf = [&](const Point3& p) {
        for (int i = 0; i < scene.Balls.size(); ++i)
            if (Distance(scene.Balls[i], p) < 0.5)
                return i;
        return -1;
    };
    const qsizetype inCell = scene.Balls.size();
    if (crystal.Bonds.Whole)
        for (qsizetype i = 0; i < inCell; ++i)
            for (const Point3& atom : crystal.Atoms)
                for (int n = 0; n < 27; ++n) {
                    const Point3 p = Cartesian(axes, {atom[0] + n % 3 - 1, atom[1] + n / 3 % 3 - 1, atom[2] + n / 9 - 1});
                    if (Distance(scene.Balls[i], p) <= length && indexOf(p) < 0)
                        scene.Balls.append(p);
                }
    for (int i = 0; i < scene.Balls.size(); ++i)
        for (int j = i + 1; j < scene.Balls.size(); ++j)
            if ((i < inCell || j < inCell) && Distance(scene.Balls[i], scene.Balls[j]) <= length)
                scene.Bonds.append({i, j});
    return scene;
}

// Where the drawing goes: left of the figures, below the title, clear of the picture's edges.
const QRectF DrawingRoom(6, 40, TextLeft - 12, PictureHeight - 40 - 4);

// The cell and its atoms, everything it draws (the letters of the axes too) fitted into the room.
void DrawCell(QPainter& canvas, const Crystal& crystal)
{
    const auto axes = CellAxes(crystal.Cell);
    const double tilt = axes[2][2] > 2.0 * std::max(crystal.Cell.A, crystal.Cell.B) ? TallTilt : Tilt;
    QList<Projected> corners;
    for (int mask = 0; mask < 8; ++mask)
        corners.append(Project(Cartesian(axes, {double(mask & 1), double(mask >> 1 & 1), double(mask >> 2 & 1)}), tilt));
    const Scene scene = BuildScene(crystal, axes);
    QList<Projected> balls;
    for (const Point3& ball : scene.Balls)
        balls.append(Project(ball, tilt));
    QRectF cellBounds(corners[0].At, QSizeF());
    for (const Projected& corner : corners)
        cellBounds = cellBounds.united(QRectF(corner.At, QSizeF(0.01, 0.01)));
    const QPointF middle = cellBounds.center();
    const double nearest = NearestNeighbourDistance(crystal);
    const double share = scene.Bonds.isEmpty() ? 0.28 : 0.22;

    // the ink at a scale, and where the axis letters stand: at the far ends of the edges from the
    // origin, pushed away from the cell's middle until clear of every ball
    const auto radiusAt = [&](double scale) { return std::clamp(nearest * share * scale, 3.0, 16.0); };
    const auto letterBox = [&](double scale, int axis) {
        const QPointF end = corners[1 << axis].At * scale;
        QPointF away = end - middle * scale;
        away /= std::max(1.0, std::hypot(away.x(), away.y()));
        const double r = radiusAt(scale);
        const auto clear = [&](const QRectF& box) {
            return std::none_of(balls.cbegin(), balls.cend(), [&](const Projected& ball) {
                const QPointF c = ball.At * scale;
                const double dx = std::max({box.left() - c.x(), 0.0, c.x() - box.right()});
                const double dy = std::max({box.top() - c.y(), 0.0, c.y() - box.bottom()});
                return dx * dx + dy * dy < r * r;
            });
        };
        QRectF box;
        for (double distance = r + 10.0; distance < r + 60.0; distance += 2.0) {
            const QPointF at = end + away * distance;
            box = QRectF(at.x() - 6, at.y() - 8, 12, 16);
            if (clear(box))
                break;
        }
        return box;
    };
    const auto inkAt = [&](double scale) {
        const double r = radiusAt(scale) + 1.0;
        QRectF ink(cellBounds.topLeft() * scale, cellBounds.bottomRight() * scale);
        for (const Projected& ball : balls)
            ink = ink.united(QRectF(ball.At * scale - QPointF(r, r), QSizeF(2 * r, 2 * r)));
        for (int axis = 0; axis < 3; ++axis)
            ink = ink.united(letterBox(scale, axis));
        return ink;
    };
    double scale = std::min(DrawingRoom.width() / cellBounds.width(), DrawingRoom.height() / cellBounds.height());
    for (int round = 0; round < 40; ++round) {
        const QRectF ink = inkAt(scale);
        const double fit = std::min(DrawingRoom.width() / ink.width(), DrawingRoom.height() / ink.height());
        if (fit >= 1.0 && fit < 1.005)
            break;
        scale *= fit < 1.0 ? std::min(fit, 0.995) : fit;
    }
    const QPointF shift = DrawingRoom.center() - inkAt(scale).center();
    const auto place = [&](const Projected& p) { return p.At * scale + shift; };
    const double radius = radiusAt(scale);

    // the farthest corner's three edges are hidden behind the cell: dashed
    int farthest = 0;
    for (int i = 1; i < 8; ++i)
        if (corners[i].Depth > corners[farthest].Depth)
            farthest = i;
    for (int from = 0; from < 8; ++from)
        for (int axis = 0; axis < 3; ++axis) {
            const int to = from | (1 << axis);
            if (to == from)
                continue;
            const bool hidden = from == farthest || to == farthest;
            canvas.setPen(QPen(hidden ? Quiet : CellEdge, hidden ? 1.0 : 1.5, hidden ? Qt::DashLine : Qt::SolidLine));
            canvas.drawLine(place(corners[from]), place(corners[to]));
        }

    // balls and sticks from the back to the front, a stick at the depth of its middle
    struct Item {
        double Depth;
        int Ball;     // or -1 for a stick
        int Stick;
    };
    QList<Item> items;
    for (int i = 0; i < balls.size(); ++i)
        items.append({balls[i].Depth, i, -1});
    for (int k = 0; k < scene.Bonds.size(); ++k)
        items.append({(balls[scene.Bonds[k].first].Depth + balls[scene.Bonds[k].second].Depth) / 2, -1, k});
    std::stable_sort(items.begin(), items.end(), [](const Item& p, const Item& q) { return p.Depth > q.Depth; });
    for (const Item& item : items) {
        if (item.Ball >= 0) {
            DrawBall(canvas, place(balls[item.Ball]), radius);
            continue;
        }
        const auto [from, to] = scene.Bonds[item.Stick];
        canvas.setPen(QPen(BallShade, std::max(2.0, radius * 0.5), Qt::SolidLine, Qt::RoundCap));
        canvas.drawLine(place(balls[from]), place(balls[to]));
        canvas.setPen(QPen(Stick, std::max(1.0, radius * 0.5 - 2.0), Qt::SolidLine, Qt::RoundCap));
        canvas.drawLine(place(balls[from]), place(balls[to]));
    }
    // the letters last, so that no ball hides them
    canvas.setFont(PictureFont(12, true));
    canvas.setPen(PictureInk);
    for (int axis = 0; axis < 3; ++axis)
        canvas.drawText(letterBox(scale, axis).translated(shift), Qt::AlignCenter, QString(QChar(u'a' + axis)));
}

bool AnyAtomOnTheBoundary(const QList<Point3>& atoms)
{
    return std::any_of(atoms.cbegin(), atoms.cend(), [](const Point3& p) {
        return p[0] < 1e-4 || p[1] < 1e-4 || p[2] < 1e-4;
    });
}

// "2 cząsteczki dwuatomowe", the noun in the form Polish gives it after the number.
QString Molecules(int count)
{
    const int tens = count % 100 / 10, units = count % 10;
    const bool few = tens != 1 && units >= 2 && units <= 4;
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? QStringLiteral("cząsteczka dwuatomowa")
                                                  : few      ? QStringLiteral("cząsteczki dwuatomowe")
                                                             : QStringLiteral("cząsteczek dwuatomowych"));
}

// Text in the column right of the drawing, wrapped; moves the line down past it.
void Line(QPainter& canvas, int& top, const QString& text, const QFont& font, const QColor& colour = PictureInk)
{
    canvas.setFont(font);
    canvas.setPen(colour);
    const QRect room(TextLeft, top, PictureWidth - TextLeft - 12, PictureHeight - top);
    const QRect used = canvas.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    canvas.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    top += used.height() + 3;
}

} // namespace

QString CrystalText(const ShippedElement& element, const Crystal& crystal)
{
    const CellShape& cell = crystal.Cell;
    QString text = QStringLiteral("%1 (%2) – budowa kryształu: sieć %3; układ krystalograficzny %4; grupa przestrzenna %5 (nr %6); "
                                  "komórka elementarna: %7, %8; atomów w komórce: %9")
                       .arg(element.PolishName, element.Symbol, crystal.StructureName, SystemName(crystal.Group.Number),
                            QString(crystal.Group.Symbol).remove(QLatin1Char(' ')), QString::number(crystal.Group.Number),
                            Parameters({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, {cell.A, cell.B, cell.C}, QStringLiteral(" pm")),
                            Parameters({QStringLiteral("α"), QStringLiteral("β"), QStringLiteral("γ")}, {cell.Alpha, cell.Beta, cell.Gamma}, QStringLiteral("°")),
                            QString::number(crystal.AtomsPerCell));
    if (crystal.BallsAreMolecules())
        text += QStringLiteral(" (%1)").arg(Molecules(int(crystal.Atoms.size())));
    if (!crystal.Note.isEmpty())
        text += QStringLiteral(". ") + crystal.Note;
    return text + (text.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral("."));
}

QImage CrystalPicture(const ShippedElement& element, const Crystal& crystal)
{
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(PictureBackground);
    QPainter canvas(&picture);
    DrawPictureTitle(canvas, QStringLiteral("%1 (%2) – budowa kryształu").arg(element.PolishName, element.Symbol));

    canvas.setRenderHint(QPainter::Antialiasing);
    DrawCell(canvas, crystal);
    canvas.setRenderHint(QPainter::Antialiasing, false);

    const QFont regular = PictureFont(12), bold = PictureFont(12, true), small = PictureFont(11);
    int top = 44;
    Line(canvas, top, QStringLiteral("Sieć krystaliczna"), small, Quiet);
    Line(canvas, top, crystal.StructureName, bold);
    top += 4;
    Line(canvas, top, QStringLiteral("Układ krystalograficzny: ") + SystemName(crystal.Group.Number), regular);

    canvas.setPen(PictureInk);
    canvas.setFont(regular);
    const QString label = QStringLiteral("Grupa przestrzenna: ");
    const int baseline = top + QFontMetrics(regular).ascent();
    canvas.drawText(QPoint(TextLeft, baseline), label);
    int x = TextLeft + QFontMetrics(regular).horizontalAdvance(label);
    x += DrawGroupSymbol(canvas, QPoint(x, baseline), crystal.Group.Symbol);
    canvas.setFont(regular);
    canvas.drawText(QPoint(x, baseline), QStringLiteral(" (nr %1)").arg(crystal.Group.Number));
    top += QFontMetrics(regular).height() + 6;

    const CellShape& cell = crystal.Cell;
    Line(canvas, top, QStringLiteral("Komórka elementarna:"), small, Quiet);
    Line(canvas, top, Parameters({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, {cell.A, cell.B, cell.C}, QStringLiteral(" pm")), regular);
    Line(canvas, top, Parameters({QStringLiteral("α"), QStringLiteral("β"), QStringLiteral("γ")}, {cell.Alpha, cell.Beta, cell.Gamma}, QStringLiteral("°")), regular);
    top += 4;
    if (crystal.BallsAreMolecules())
        Line(canvas, top, QStringLiteral("Atomów w komórce: %1 (%2)").arg(crystal.AtomsPerCell).arg(Molecules(int(crystal.Atoms.size()))), bold);
    else
        Line(canvas, top, QStringLiteral("Atomów w komórce: %1").arg(crystal.AtomsPerCell), bold);
    if (crystal.Atoms.isEmpty()) {
        Line(canvas, top, QStringLiteral("Położenia atomów w komórce nie są tu pokazane."), small, Quiet);
    } else {
        if (AnyAtomOnTheBoundary(crystal.Atoms))
            Line(canvas, top, QStringLiteral("Atomy w narożach, na krawędziach i na ścianach komórki są wspólne z sąsiednimi komórkami."), small, Quiet);
    }
    if (!crystal.Note.isEmpty())
        Line(canvas, top, crystal.Note, small, Quiet);
    canvas.end();
    return picture;
}
