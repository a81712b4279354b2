// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

// A picture that cannot be shown; the message is the one the error box shows.
class EPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest picture shown: 8192 pixels on a side and 16,777,216 pixels in all (64 MiB decoded).
// The pages show about 680 × 266 pixels; a header that claims more is refused before anything is
// decoded. A file of more than 64 MiB is not read at all ("File too large").
constexpr int MaxPictureSide = 8192;
constexpr qint64 MaxPicturePixels = 16777216;
constexpr qsizetype MaxPictureFileBytes = 64 * 1024 * 1024;

// Loads a picture as the information window shows it, by the file's extension, in any letter case:
// ".bmp" a bitmap, ".jpg" and ".jpeg" a JPEG picture. Raises EFOpenError when the file cannot be
// read, and EPictureError "Unknown picture file extension (.xyz)", "Bitmap image is not valid" or
// "JPEG error #n" (n being libjpeg's own message number) when it cannot be shown.
QImage LoadPictureFile(const QString& path);

QImage DecodeBitmap(const QByteArray& bytes);
QImage DecodeJpeg(const QByteArray& bytes);
