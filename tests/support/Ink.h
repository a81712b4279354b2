// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>

#include <functional>

// Reading text off a screenshot. The columns of an area that hold ink, grouped into runs that blank
// columns separate: a text whose letters keep apart shows one run per letter.
inline int InkColumnRuns(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& isInk)
{
    int runs = 0;
    bool previous = false;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool ink = false;
        for (int y = area.top(); y <= area.bottom() && !ink; ++y)
            ink = isInk(image.pixel(x, y));
        runs += ink && !previous ? 1 : 0;
        previous = ink;
    }
    return runs;
}

// The lengths of the horizontal runs of ink along every row of the area: the widths of the strokes.
inline QList<int> InkStrokeWidths(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& isInk)
{
    QList<int> widths;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int run = 0;
        for (int x = area.left(); x <= area.right() + 1; ++x) {
            if (x <= area.right() && isInk(image.pixel(x, y))) {
                ++run;
            } else if (run > 0) {
                widths.append(run);
                run = 0;
            }
        }
    }
    return widths;
}

inline bool IsBlack(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0;
}
