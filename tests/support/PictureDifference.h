// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdlib>

// The share of pixels (0 to 1) at which two pictures of one size differ by more than the threshold
// in any channel; the difference picture, when asked for, shows those pixels red on black.
inline double ShareOfDifferingPixels(const QImage& a, const QImage& b, int threshold, QImage* difference = nullptr)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (difference) {
        *difference = QImage(a.size(), QImage::Format_RGB32);
        difference->fill(Qt::black);
    }
    qint64 differing = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            if (std::abs(qRed(p) - qRed(q)) > threshold || std::abs(qGreen(p) - qGreen(q)) > threshold
                || std::abs(qBlue(p) - qBlue(q)) > threshold) {
                ++differing;
                if (difference)
                    difference->setPixel(column, row, qRgb(255, 0, 0));
            }
        }
    return double(differing) / (double(x.width()) * x.height());
}
