// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixel-exact shapes for the style bitmaps. Edges are not smoothed, so a shape drawn on the magenta
// key colour stays cleanly cut out when the toolkit draws it transparent.

constexpr QRgb Magenta = 0xFFFF00FF;

QImage Canvas(QSize size, QColor fill);

QColor Mix(QColor a, QColor b, double t);

// Colour at t (0 top, 1 bottom) of a gradient through two or three stops.
QColor Gradient(QColor top, QColor bottom, double t);
QColor Gradient3(QColor top, QColor middle, QColor bottom, double t);

void FillGradient(QImage& image, QRect rect, QColor top, QColor bottom);
void FillGradient3(QImage& image, QRect rect, QColor top, QColor middle, QColor bottom);

struct Face {
    QColor Top, Bottom, Border;
    bool Gloss = false;  // whiten the upper half, as glass does
};

// A rounded rectangle with a one-pixel border; pixels outside it are left as they are.
// A radius of half the smaller side gives a circle or a pill.
void RoundedShape(QImage& image, QRect rect, double radius, const Face& face);

// Fills every pixel of the image outside the rounded rectangle with the colour.
void ClearOutside(QImage& image, QRect rect, double radius, QColor outside);
