// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace {

bool Inside(QRect r, double radius, int x, int y)
{
    const double px = x + 0.5, py = y + 0.5;
    if (px < r.left() || py < r.top() || px > r.left() + r.width() || py > r.top() + r.height())
        return false;
    const double dx = std::max({r.left() + radius - px, 0.0, px - (r.left() + r.width() - radius)});
    const double dy = std::max({r.top() + radius - py, 0.0, py - (r.top() + r.height() - radius)});
    return dx * dx + dy * dy <= radius * radius + 0.25;
}

} // namespace

QImage Canvas(QSize size, QColor fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QColor Mix(QColor a, QColor b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                  int(std::lround(a.green() + (b.green() - a.green()) * t)),
                  int(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

QColor Gradient(QColor top, QColor bottom, double t)
{
    return Mix(top, bottom, t);
}

QColor Gradient3(QColor top, QColor middle, QColor bottom, double t)
{
    return t < 0.5 ? Mix(top, middle, t * 2) : Mix(middle, bottom, (t - 0.5) * 2);
}

void FillGradient(QImage& image, QRect rect, QColor top, QColor bottom)
{
    rect = rect.intersected(image.rect());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double t = rect.height() > 1 ? double(y - rect.top()) / (rect.height() - 1) : 0.0;
        const QRgb c = Gradient(top, bottom, t).rgb();
        for (int x = rect.left(); x <= rect.right(); ++x)
            image.setPixel(x, y, c);
    }
}

void FillGradient3(QImage& image, QRect rect, QColor top, QColor middle, QColor bottom)
{
    rect = rect.intersected(image.rect());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double t = rect.height() > 1 ? double(y - rect.top()) / (rect.height() - 1) : 0.0;
        const QRgb c = Gradient3(top, middle, bottom, t).rgb();
        for (int x = rect.left(); x <= rect.right(); ++x)
            image.setPixel(x, y, c);
    }
}

void RoundedShape(QImage& image, QRect rect, double radius, const Face& face)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double t = rect.height() > 1 ? double(y - rect.top()) / (rect.height() - 1) : 0.0;
        QColor fill = Gradient(face.Top, face.Bottom, t);
        if (face.Gloss && t < 0.48)
            fill = Mix(fill, Qt::white, 0.45 - t * 0.5);
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!image.rect().contains(x, y) || !Inside(rect, radius, x, y))
                continue;
            const bool edge = !Inside(rect, radius, x - 1, y) || !Inside(rect, radius, x + 1, y)
                || !Inside(rect, radius, x, y - 1) || !Inside(rect, radius, x, y + 1);
            image.setPixel(x, y, edge ? face.Border.rgb() : fill.rgb());
        }
    }
}

void ClearOutside(QImage& image, QRect rect, double radius, QColor outside)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!Inside(rect, radius, x, y))
                image.setPixel(x, y, outside.rgb());
}
