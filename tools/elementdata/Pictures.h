// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

// What the element pictures share: their size (the page of the information window shows about
// 680 × 266 pixels), their faces and colours, and the two file formats the program reads.

constexpr int PictureWidth = 660;
constexpr int PictureHeight = 250;

// The ground and the text of every picture.
inline const QColor PictureBackground(0xFF, 0xFF, 0xFF);
inline const QColor PictureInk(0x20, 0x20, 0x20);

// The Wine faces the program draws in, registered once; pictures are drawn without smoothing of
// text, so they are the same on every machine with the same faces.
QFont PictureFont(int pixelSize, bool bold = false);

// The title line at the top of a picture, large and bold. The bold face of these sizes comes out
// thin or bold depending on what was drawn before, so the title strikes the regular face twice,
// a pixel apart, with a pixel more between letters: the same on every run.
void DrawPictureTitle(QPainter& canvas, const QString& title);

// A number as Polish readers write it: a decimal comma, no digits beyond the given ones, and
// trailing zeros of the fraction dropped.
QString PolishNumber(double value, int decimals);

// A bitmap file of 8 bits per pixel, compressed by runs (the pictures are mostly flat colour), with
// the picture's own palette in the order its colours first appear (at most 256 colours).
QByteArray Bitmap8File(const QImage& picture);

// A JPEG file of the given quality (libjpeg's baseline encoder, 4:2:0), with the comment written
// into it.
QByteArray JpegFile(const QImage& picture, int quality, const QByteArray& comment);
