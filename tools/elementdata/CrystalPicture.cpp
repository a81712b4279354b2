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

// Where the cell is drawn, left of the figures.
const QRect DrawingArea(12, 44, 270, 200);
constexpr int TextLeft = 300;

// The view: turned about the vertical c direction, then tilted so the top face shows.
constexpr double Turn = -112.0 * M_PI / 180.0;
constexpr double Tilt = 18.0 * M_PI / 180.0;

struct Projected {
    QPointF At;
    double Depth = 0.0;  // greater is farther from the viewer
};

Projected Project(const Point3& p)
{
    const double x = p[0] * std::cos(Turn) - p[1] * std::sin(Turn);
    const double y = p[0] * std::sin(Turn) + p[1] * std::cos(Turn);
    return {QPointF(x, -(p[2] * std::cos(Tilt) + y * std::sin(Tilt))), y * std::cos(Tilt) - p[2] * std::sin(Tilt)};
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

// The cell and its atoms, fitted into the drawing area.
void DrawCell(QPainter& canvas, const Crystal& crystal)
{
    const auto axes = CellAxes(crystal.Cell);
    QList<Projected> corners;
    for (int mask = 0; mask < 8; ++mask)
        corners.append(Project(Cartesian(axes, {double(mask & 1), double(mask >> 1 & 1), double(mask >> 2 & 1)})));
    QRectF bounds(corners[0].At, QSizeF());
    for (const Projected& corner : corners)
        bounds = bounds.united(QRectF(corner.At, QSizeF(0.01, 0.01)));

    const double nearest = NearestNeighbourDistance(crystal);
    const QRectF area = QRectF(DrawingArea).adjusted(20, 22, -20, -14);
    const double scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    const QPointF shift = area.center() - bounds.center() * scale;
    const auto place = [&](const Projected& p) { return p.At * scale + shift; };
    const double radius = std::clamp(nearest * 0.28 * scale, 3.0, 16.0);

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

    // the edges from the origin named a, b and c at their far ends, pushed away from the cell
    const QPointF middle = bounds.center() * scale + shift;
    canvas.setFont(PictureFont(12, true));
    canvas.setPen(PictureInk);
    for (int axis = 0; axis < 3; ++axis) {
        const QPointF end = place(corners[1 << axis]);
        QPointF away = end - middle;
        away /= std::max(1.0, std::hypot(away.x(), away.y()));
        const QPointF at = end + away * (radius + 10.0);
        canvas.drawText(QRectF(at.x() - 8, at.y() - 8, 16, 16), Qt::AlignCenter, QString(QChar(u'a' + axis)));
    }

    QList<Projected> balls;
    for (const Point3& atom : AtomsToDraw(crystal.Atoms))
        balls.append(Project(Cartesian(axes, atom)));
    std::stable_sort(balls.begin(), balls.end(), [](const Projected& p, const Projected& q) { return p.Depth > q.Depth; });
    for (const Projected& ball : balls)
        DrawBall(canvas, place(ball), radius);
}

bool AnyAtomOnTheBoundary(const QList<Point3>& atoms)
{
    return std::any_of(atoms.cbegin(), atoms.cend(), [](const Point3& p) {
        return p[0] < 1e-4 || p[1] < 1e-4 || p[2] < 1e-4;
    });
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
    if (crystal.Atoms.isEmpty()) {
        Line(canvas, top, QStringLiteral("Położenia atomów w komórce nie są tu pokazane."), regular);
    } else {
        Line(canvas, top, QStringLiteral("Atomów w komórce: %1").arg(crystal.Atoms.size()), bold);
        if (AnyAtomOnTheBoundary(crystal.Atoms))
            Line(canvas, top, QStringLiteral("Atomy w narożach, na krawędziach i na ścianach komórki są wspólne z sąsiednimi komórkami."), small, Quiet);
    }
    if (!crystal.Note.isEmpty())
        Line(canvas, top, crystal.Note, small, Quiet);
    canvas.end();
    return picture;
}
