// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

class QIODevice;

// Decodes a Windows bitmap and nothing else. A reader left to guess asks every image plugin Qt
// has whether it can read the bytes, loading them all (at start-up, too) and letting each one
// interpret data that is meant to be a bitmap. A null image when the bytes are no bitmap.
QImage ReadBmp(QIODevice& device);
QImage ReadBmp(const QByteArray& bytes);
