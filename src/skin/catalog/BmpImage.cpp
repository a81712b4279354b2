// SPDX-License-Identifier: GPL-3.0-or-later
#include "BmpImage.h"

#include <QBuffer>
#include <QImageReader>

QImage ReadBmp(QIODevice& device)
{
    QImageReader reader(&device, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage ReadBmp(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadBmp(buffer);
}
